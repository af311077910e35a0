// kestrel-calc calculators of the finance folder: loan, loan-buster, loan-comparison,
// daily-balance and inflation. Each reads what its window's entry fields take, with the
// fields' limits and messages, and returns what the window holds after "&Calculate" in a
// freshly reset session.
#include "cli/calculator.h"

#include "common/rounding.h"
#include "finance/dailybalancecalc.h"
#include "finance/inflationcalc.h"
#include "finance/loanbustercalc.h"
#include "finance/loancalc.h"
#include "finance/loancomparisoncalc.h"
#include "finance/loanschedule.h"

#include <QJsonArray>

namespace kestrel::cli {

namespace {

const QString kLoanRateMessage = QStringLiteral("The maximum interest rate allowed is 50%");
const QString kLoanPeriodMessage = QStringLiteral("The maximum period  allowed is 600 months");

const FieldLimits kPrincipalLimits{0.0, 99999999.99, {}};
const FieldLimits kRepaymentLimits{0.0, 9999999.99, {}};
const FieldLimits kLoanPeriodLimits{0.0, double(kMaximumLoanMonths), kLoanPeriodMessage};
const FieldLimits kLoanRateLimits{0.0, 50.0, kLoanRateMessage};

QJsonArray scheduleJson(const std::vector<ScheduleRow>& rows)
{
    QJsonArray list;
    for (const ScheduleRow& row : rows)
        list.append(QJsonObject{{QStringLiteral("n"), row.number},
                                {QStringLiteral("capital"), row.capital},
                                {QStringLiteral("interest"), row.interest},
                                {QStringLiteral("balance"), row.balance}});
    return list;
}

QJsonObject runLoan(CalcInput& in, const RunContext&)
{
    const QString modeText =
        in.choice(QStringLiteral("mode"), loanModeTexts(), loanModeText(LoanMode::MonthlyRepayment));
    LoanInputs inputs;
    inputs.mode = *loanModeFromText(modeText);
    inputs.principal = in.number(QStringLiteral("principal"), 0, kPrincipalLimits);
    inputs.period = static_cast<double>(in.whole(QStringLiteral("period"), 0, kLoanPeriodLimits));
    inputs.rate = in.number(QStringLiteral("rate"), 0, kLoanRateLimits);
    inputs.repayment = in.number(QStringLiteral("repayment"), 0, kRepaymentLimits);
    const QString schedule = in.choice(QStringLiteral("schedule"),
                                       {QStringLiteral("none"), QStringLiteral("monthly"), QStringLiteral("annual")},
                                       QStringLiteral("none"));

    const LoanResult r = calculateLoan(inputs);
    if (!r.message.isEmpty())
        return errorResult(r.message);
    const FinanceCharges charges = financeCharges(r.principal, r.period, r.repayment);

    // The schedule as the window's table panel shows it: all four quantities needed, and
    // at least 13 months for the annual table.
    std::vector<ScheduleRow> rows;
    const bool complete = r.principal != 0 && r.period != 0 && r.rate != 0 && r.repayment != 0;
    const int months = static_cast<int>(r.period);
    if (complete && schedule == QLatin1String("monthly"))
        rows = monthlySchedule(r.principal, months, r.rate);
    else if (complete && schedule == QLatin1String("annual") && months >= 13)
        rows = annualSchedule(r.principal, months, r.rate, r.repayment).rows;

    return QJsonObject{{QStringLiteral("principal"), r.principal},
                       {QStringLiteral("period"), r.period},
                       {QStringLiteral("rate"), r.rate},
                       {QStringLiteral("repayment"), r.repayment},
                       {QStringLiteral("totalInterest"), charges.totalInterest},
                       {QStringLiteral("totalRepayments"), charges.totalRepayments},
                       {QStringLiteral("rateError"), r.rateError},
                       {QStringLiteral("schedule"), scheduleJson(rows)}};
}

QJsonObject runLoanBuster(CalcInput& in, const RunContext&)
{
    LoanBusterInputs inputs;
    inputs.principal = in.number(QStringLiteral("principal"), 0, kPrincipalLimits);
    inputs.period = static_cast<int>(in.whole(QStringLiteral("period"), 0, kLoanPeriodLimits));
    inputs.rate = toSingle(in.number(QStringLiteral("rate"), 0, kLoanRateLimits));
    inputs.extra = in.number(QStringLiteral("extra"), 0, kPrincipalLimits);
    const LoanBusterResult r = calculateLoanBuster(inputs);
    if (!r.message.isEmpty())
        return errorResult(r.message);
    return QJsonObject{{QStringLiteral("repayment"), r.repayment},
                       {QStringLiteral("totalInterest"), r.totalInterest},
                       {QStringLiteral("totalRepayments"), r.totalRepayments},
                       {QStringLiteral("extra"), r.extra},
                       {QStringLiteral("newPeriod"), r.newPeriod},
                       {QStringLiteral("newRepayment"), r.newRepayment},
                       {QStringLiteral("newTotalInterest"), r.newTotalInterest},
                       {QStringLiteral("newTotalRepayments"), r.newTotalRepayments},
                       {QStringLiteral("totalSaving"), r.totalSaving}};
}

QJsonObject runLoanComparison(CalcInput& in, const RunContext&)
{
    const double amount = in.number(QStringLiteral("amount"), 0, kPrincipalLimits);
    const float rate = toSingle(in.number(QStringLiteral("rate"), 0, kLoanRateLimits));
    QJsonArray rows;
    for (const ComparisonRow& row : compareLoanTerms(amount, rate))
        rows.append(QJsonObject{{QStringLiteral("months"), row.months},
                                {QStringLiteral("label"), row.label},
                                {QStringLiteral("repayment"), row.repayment},
                                {QStringLiteral("totalInterest"), row.totalInterest},
                                {QStringLiteral("totalPaid"), row.totalPaid}});
    return QJsonObject{{QStringLiteral("rows"), rows}};
}

// A date of the daily balance: absent or empty is no date chosen; anything else must read
// as a date, or the date field's own message is given.
DayNumber optionalDate(CalcInput& in, const QString& key)
{
    const QString text = in.text(key).trimmed();
    if (text.isEmpty())
        return kNoDateMarker;
    const auto day = parseDate(text);
    if (!day)
        throw InputError(invalidDateMessage());
    return *day;
}

QJsonObject runDailyBalance(CalcInput& in, const RunContext&)
{
    DailyBalanceInputs inputs;
    inputs.capital = toSingle(in.number(QStringLiteral("capital"), 0, {0.0, 9999999999.99, {}}));
    inputs.rate =
        toSingle(in.number(QStringLiteral("rate"), 0, {0.0, kDailyBalanceMaximumRate, dailyBalanceRateMessage()}));
    inputs.startDate = optionalDate(in, QStringLiteral("startDate"));
    inputs.endDate = optionalDate(in, QStringLiteral("endDate"));
    if (isChosenDate(inputs.startDate) && isChosenDate(inputs.endDate)) {
        const QString error = dailyBalanceDateError(inputs.startDate, inputs.endDate);
        if (!error.isEmpty())
            throw InputError(error);
    }
    const DailyBalanceResult r = calculateDailyBalance(inputs);
    return QJsonObject{{QStringLiteral("days"), r.days}, {QStringLiteral("interest"), static_cast<double>(r.interest)}};
}

QJsonObject runInflation(CalcInput& in, const RunContext&)
{
    const double cost = static_cast<double>(in.whole(QStringLiteral("presentCost"), 0, {0.0, 2147483647.0, {}}));
    const int years = static_cast<int>(
        in.whole(QStringLiteral("period"), 0, {0.0, double(kInflationMaximumYears), inflationPeriodMessage()}));
    const double rate = in.number(QStringLiteral("rate"), 0, {-5.0, 40.0, inflationRateMessage()});
    const InflationResult r = projectInflation(cost, years, rate);
    return QJsonObject{{QStringLiteral("futureValue"), r.futureValue},
                       {QStringLiteral("buyingPower"), r.buyingPower},
                       {QStringLiteral("tooLarge"), r.tooLarge}};
}

}  // namespace

void registerFinanceCalculators(CalculatorRegistry& registry)
{
    registry.add({QStringLiteral("loan"), QStringLiteral("Loan: repayment, principal, period or interest rate"),
                  QStringLiteral("In: mode (\"Monthly repayment\", \"Principal amount\", \"Repayment period\", "
                                 "\"Interest rate\"), principal, period, rate, repayment, schedule (\"none\", "
                                 "\"monthly\", \"annual\").\n"
                                 "Out: principal, period, rate, repayment, totalInterest, totalRepayments, "
                                 "rateError, schedule [{n, capital, interest, balance}]."),
                  runLoan});
    registry.add({QStringLiteral("loan-buster"), QStringLiteral("Loan buster: the effect of an extra monthly payment"),
                  QStringLiteral("In: principal, period, rate, extra.\n"
                                 "Out: repayment, totalInterest, totalRepayments, extra, newPeriod, newRepayment, "
                                 "newTotalInterest, newTotalRepayments, totalSaving."),
                  runLoanBuster});
    registry.add({QStringLiteral("loan-comparison"), QStringLiteral("Loan comparison over 5 to 30 years"),
                  QStringLiteral("In: amount, rate.\n"
                                 "Out: rows [{months, label, repayment, totalInterest, totalPaid}], 60 months first."),
                  runLoanComparison});
    registry.add({QStringLiteral("daily-balance"), QStringLiteral("Daily balance: interest between two dates"),
                  QStringLiteral("In: capital, rate, startDate, endDate (dd/mm/yyyy).\nOut: days, interest."),
                  runDailyBalance});
    registry.add({QStringLiteral("inflation"), QStringLiteral("Inflation projection"),
                  QStringLiteral("In: presentCost, period, rate.\nOut: futureValue, buyingPower, tooLarge."),
                  runInflation});
}

}  // namespace kestrel::cli
