// The business calculations on worked figures: the four loan modes with their searches,
// the schedules, the loan buster, the loan comparison, the daily balance and the
// inflation projection, with the spin rules.
#include "common/numberformat.h"
#include "common/rounding.h"
#include "finance/dailybalancecalc.h"
#include "finance/inflationcalc.h"
#include "finance/loanbustercalc.h"
#include "finance/loancalc.h"
#include "finance/loancomparisoncalc.h"
#include "finance/loanschedule.h"
#include "tests/support/testsupport.h"

#include <cmath>

using namespace kestrel;

Q_DECLARE_METATYPE(kestrel::LoanMode)

namespace {

// The rate search as first written: every step of 5, 1, 0.1 and 0.01 one at a time.
double rateSearchOneStepAtATime(double principal, double period, double repayment)
{
    if (principal == 0 || period == 0 || repayment == 0)
        return 0;
    double rate = 0;
    for (double step : {5.0, 1.0, 0.1, 0.01}) {
        do
            rate += step;
        while (annuityRepayment(principal, period, rate) <= repayment);
        rate -= step;
    }
    return rate;
}

double sumOf(const std::vector<ScheduleRow>& rows, double ScheduleRow::*member)
{
    double sum = 0;
    for (const ScheduleRow& row : rows)
        sum += row.*member;
    return sum;
}

}  // namespace

class TestFinanceCalc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // ------------------------------------------------------------------ loan calculator
    void loanModes_data()
    {
        QTest::addColumn<LoanMode>("mode");
        QTest::addColumn<double>("principal");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("repayment");
        QTest::addColumn<QString>("outPrincipal");
        QTest::addColumn<QString>("outPeriod");
        QTest::addColumn<QString>("outRate");
        QTest::addColumn<QString>("outRepayment");
        QTest::addColumn<bool>("rateError");
        const auto M = LoanMode::MonthlyRepayment;
        const auto P = LoanMode::PrincipalAmount;
        const auto N = LoanMode::RepaymentPeriod;
        const auto R = LoanMode::InterestRate;
        QTest::newRow("repayment") << M << 100000.0 << 240.0 << 12.0 << 0.0 << "100000.00"
                                   << "240"
                                   << "12.000"
                                   << "1101.09" << false;
        QTest::newRow("principal") << P << 0.0 << 240.0 << 12.0 << 1101.09 << "100000.35"
                                   << "240"
                                   << "12.000"
                                   << "1101.09" << false;
        QTest::newRow("period") << N << 100000.0 << 0.0 << 10.0 << 1000.0 << "100000.00"
                                << "215"
                                << "10.000"
                                << "1001.52" << false;
        QTest::newRow("period-found-again") << N << 100000.0 << 215.0 << 10.0 << 1001.52 << "100000.00"
                                            << "215"
                                            << "10.000"
                                            << "1001.52" << false;
        QTest::newRow("period-beyond-600") << N << 100000.0 << 0.0 << 10.0 << 800.0 << "100000.00"
                                           << "0"
                                           << "10.000"
                                           << "799.99" << false;
        QTest::newRow("rate") << R << 100000.0 << 240.0 << 0.0 << 1101.09 << "100000.00"
                              << "240"
                              << "12.000"
                              << "1101.09" << false;
        QTest::newRow("rate-above-50") << R << 100000.0 << 240.0 << 0.0 << 5000.0 << "100000.00"
                                       << "240"
                                       << "59.990"
                                       << "5000.00" << true;
        QTest::newRow("rate-too-small") << R << 100000.0 << 240.0 << 0.0 << 400.0 << "100000.00"
                                        << "240"
                                        << "0.000"
                                        << "400.00" << false;
        // Zero inputs give zero results and change nothing else.
        QTest::newRow("zero-repayment") << M << 100000.0 << 0.0 << 12.0 << 5.0 << "100000.00"
                                        << "0"
                                        << "12.000"
                                        << "0.00" << false;
        QTest::newRow("zero-principal") << P << 0.0 << 240.0 << 0.0 << 1101.09 << "0.00"
                                        << "240"
                                        << "0.000"
                                        << "1101.09" << false;
        QTest::newRow("zero-period") << N << 0.0 << 0.0 << 10.0 << 1000.0 << "0.00"
                                     << "0"
                                     << "10.000"
                                     << "1000.00" << false;
        QTest::newRow("zero-period-repayment") << N << 100000.0 << 0.0 << 10.0 << 0.0 << "100000.00"
                                               << "0"
                                               << "10.000"
                                               << "0.00" << false;
        QTest::newRow("zero-rate") << R << 100000.0 << 0.0 << 7.0 << 1101.09 << "100000.00"
                                   << "0"
                                   << "0.000"
                                   << "1101.09" << false;
    }
    void loanModes()
    {
        QFETCH(LoanMode, mode);
        QFETCH(double, principal);
        QFETCH(double, period);
        QFETCH(double, rate);
        QFETCH(double, repayment);
        const LoanResult r = calculateLoan({mode, principal, period, rate, repayment});
        QTEST(formatMoney(r.principal), "outPrincipal");
        QTEST(formatWhole(r.period), "outPeriod");
        QTEST(formatPercent(r.rate), "outRate");
        QTEST(formatMoney(r.repayment), "outRepayment");
        QTEST(r.rateError, "rateError");
        QVERIFY(r.message.isEmpty());
    }

    void computedValueIsTheOneShown()
    {
        // The repayment field shows 1101.09, and the finance charges are worked from it.
        const LoanResult r = calculateLoan({LoanMode::MonthlyRepayment, 100000, 240, 12, 0});
        QCOMPARE(r.repayment, 1101.09);
        const FinanceCharges charges = financeCharges(r.principal, r.period, r.repayment);
        QCOMPARE(formatMoney(charges.totalInterest), QStringLiteral("164261.60"));
        QCOMPARE(formatMoney(charges.totalRepayments), QStringLiteral("264261.60"));
    }

    void oneInstalmentThatOverRepaysIsRefused_data()
    {
        QTest::addColumn<double>("principal");
        QTest::addColumn<double>("repayment");
        QTest::newRow("double") << 1000.0 << 2000.0;
        QTest::newRow("one-cent-over") << 1000.0 << 1008.35;  // 1000 + interest 8.33 + 0.02
    }
    void oneInstalmentThatOverRepaysIsRefused()
    {
        QFETCH(double, principal);
        QFETCH(double, repayment);
        const LoanResult r = calculateLoan({LoanMode::RepaymentPeriod, principal, 0, 10, repayment});
        QCOMPARE(r.message, repaidInFirstMonthMessage());
        QCOMPARE(r.messageCaption, QStringLiteral("Incorrect Repayment!"));
        QCOMPARE(r.period, 0.0);
        QCOMPARE(r.repayment, repayment);
        QCOMPARE(r.principal, principal);
    }

    void oneMonthLoanIsFound()
    {
        // 1 000 + one month's interest at 10 % (8.33) repaid in one instalment.
        const LoanResult r = calculateLoan({LoanMode::RepaymentPeriod, 1000, 0, 10, 1008.34});
        QVERIFY(r.message.isEmpty());
        QCOMPARE(r.period, 1.0);
        QCOMPARE(formatMoney(r.repayment), QStringLiteral("1008.34"));
    }

    void periodSearchRaisesFarInFewSteps()
    {
        // Two instalments of 9 999 999.98 over-repay 15 000 000; one needs 15 012 500.
        const PeriodSearchResult r = searchRepaymentPeriod(15000000, monthlyRate(1), 9999999.98);
        QCOMPARE(r.outcome, PeriodSearchOutcome::Found);
        QCOMPARE(r.period, 1);
        QVERIFY2(std::fabs(r.repayment - 15012500) < 0.011, qPrintable(formatPlain(r.repayment)));
        QVERIFY(presentValueOfInstalments(r.repayment, 1, monthlyRate(1)) >= 15000000);
    }

    void rateSearchMatchesTheSteps_data()
    {
        QTest::addColumn<double>("principal");
        QTest::addColumn<double>("period");
        QTest::addColumn<double>("repayment");
        QTest::newRow("12pc") << 100000.0 << 240.0 << 1101.09;
        QTest::newRow("bond") << 850000.0 << 240.0 << 8203.0;
        QTest::newRow("short") << 12000.0 << 12.0 << 1066.19;
        QTest::newRow("high") << 50000.0 << 36.0 << 4000.0;
        QTest::newRow("long") << 250000.0 << 600.0 << 2600.0;
        QTest::newRow("small") << 100000.0 << 240.0 << 420.0;
    }
    void rateSearchMatchesTheSteps()
    {
        QFETCH(double, principal);
        QFETCH(double, period);
        QFETCH(double, repayment);
        QCOMPARE(searchInterestRate(principal, period, repayment),
                 rateSearchOneStepAtATime(principal, period, repayment));
    }

    void rateSearchEndsForATinyPrincipal()
    {
        // One step at a time this needs about 24 000 million steps of 5 %.
        const LoanResult r = calculateLoan({LoanMode::InterestRate, 0.01, 600, 0, 9999999.99});
        QVERIFY(r.rateError);
        QVERIFY(std::isfinite(r.rate));
        QVERIFY(annuityRepayment(0.01, 600, r.rate) <= 9999999.99);
        QVERIFY(annuityRepayment(0.01, 600, r.rate + 0.01) > 9999999.99);
    }

    // ------------------------------------------------------------------ schedules
    void monthlyScheduleAddsUp_data()
    {
        QTest::addColumn<double>("principal");
        QTest::addColumn<int>("months");
        QTest::addColumn<double>("rate");
        QTest::newRow("12-months") << 12000.0 << 12 << 12.0;
        QTest::newRow("20-years") << 100000.0 << 240 << 12.0;
        QTest::newRow("600-months") << 1500000.0 << 600 << 11.5;
        QTest::newRow("8-months") << 5000.0 << 8 << 18.0;
    }
    void monthlyScheduleAddsUp()
    {
        QFETCH(double, principal);
        QFETCH(int, months);
        QFETCH(double, rate);
        const std::vector<ScheduleRow> rows = monthlySchedule(principal, months, rate);
        QCOMPARE(int(rows.size()), months);
        QCOMPARE(rows.front().number, 1);
        QCOMPARE(rows.back().number, months);
        QCOMPARE(formatMoney(sumOf(rows, &ScheduleRow::capital)), formatMoney(principal));
        QCOMPARE(formatMoney(rows.back().balance), QStringLiteral("0.00"));
        const double repayment = annuityRepayment(principal, months, rate);
        QCOMPARE(formatMoney(sumOf(rows, &ScheduleRow::interest)), formatMoney(repayment * months - principal));
        // The first instalment's interest is one month's interest on the whole principal.
        QCOMPARE(formatMoney(rows.front().interest), formatMoney(principal * monthlyRate(rate)));
    }

    void annualSchedule_data()
    {
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("wholeYears");
        QTest::addColumn<int>("withPart");
        QTest::newRow("12") << 12 << 1 << 1 << 1 << 0;
        QTest::newRow("30") << 30 << 3 << 2 << 2 << 3;
        QTest::newRow("8") << 8 << 1 << 2 << 0 << 1;
        QTest::newRow("240") << 240 << 20 << 1 << 20 << 0;
    }
    void annualSchedule()
    {
        QFETCH(int, months);
        const double principal = 12000;
        const double rate = 12;
        const double held = shownValue(annuityRepayment(principal, months, rate), 2);
        const AnnualSchedule s = kestrel::annualSchedule(principal, months, rate, held);
        QTEST(int(s.rows.size()), "rowCount");
        QTEST(int(s.yearLayout), "layout");
        QTEST(int(s.wholeYears), "wholeYears");
        QTEST(int(s.yearsWithPart), "withPart");
        QCOMPARE(formatMoney(sumOf(s.rows, &ScheduleRow::capital)), QStringLiteral("12000.00"));
        QCOMPARE(formatMoney(s.rows.back().balance), QStringLiteral("0.00"));
        const std::vector<ScheduleRow> monthly = monthlySchedule(principal, months, rate);
        for (const ScheduleRow& year : s.rows) {
            if (year.number * 12 > months)
                break;
            QCOMPARE(year.balance, monthly[static_cast<std::size_t>(year.number * 12 - 1)].balance);
        }
        if (months % 12 != 0) {
            // The part year holds what is left, its interest worked from the held repayment.
            const ScheduleRow& part = s.rows.back();
            double capital = 0;
            double interest = 0;
            for (std::size_t i = 0; i < s.rows.size() - 1; ++i) {
                capital += s.rows[i].capital;
                interest += s.rows[i].interest;
            }
            QCOMPARE(part.capital, principal - capital);
            QCOMPARE(part.interest, (held * months - principal) - interest);
            QCOMPARE(part.balance, 0.0);
        }
    }

    void scheduleCsvForSpreadsheets()
    {
        const std::vector<ScheduleRow> rows{{1, 1234567.891, 0.5, 12.0}, {2, 3.0, 0.0, 0.0}};
        QCOMPARE(scheduleCsv(rows, false), QStringLiteral("Month,Capital,Interest,Balance\r\n"
                                                          "1,1234567.89,0.50,12.00\r\n"
                                                          "2,3.00,0.00,0.00\r\n"));
        QVERIFY(scheduleCsv({}, true).startsWith(QStringLiteral("Year,")));
    }

    // ------------------------------------------------------------------ loan buster
    void loanBusterWorkedExample()
    {
        const LoanBusterResult r = calculateLoanBuster({500000, 240, 10.0f, 1000});
        QCOMPARE(formatMoney(r.repayment), QStringLiteral("4825.11"));
        QCOMPARE(formatMoney(r.totalInterest), QStringLiteral("658025.97"));
        QCOMPARE(formatMoney(r.totalRepayments), QStringLiteral("1158025.97"));
        QCOMPARE(r.newPeriod, 151);
        QCOMPARE(formatMoney(r.newRepayment), QStringLiteral("5832.51"));
        QCOMPARE(formatMoney(r.extra), QStringLiteral("1007.40"));
        QCOMPARE(formatMoney(r.newTotalInterest), QStringLiteral("380708.74"));
        QCOMPARE(formatMoney(r.newTotalRepayments), QStringLiteral("880708.74"));
        QCOMPARE(formatMoney(r.totalSaving), QStringLiteral("277317.23"));
        QVERIFY(r.message.isEmpty());
        // The extra as shown gives the same loan again.
        const LoanBusterResult again = calculateLoanBuster({500000, 240, 10.0f, shownValue(r.extra, 2)});
        QCOMPARE(again.newPeriod, 151);
        QCOMPARE(formatMoney(again.totalSaving), QStringLiteral("277317.23"));
    }

    void loanBusterSecondColumn_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<double>("extra");
        QTest::addColumn<int>("newPeriod");
        QTest::addColumn<QString>("newRepayment");
        QTest::addColumn<QString>("newTotalInterest");
        QTest::addColumn<QString>("saving");
        QTest::addColumn<QString>("message");
        // No extra: the normal totals again, the repayment within a cent.
        QTest::newRow("no-extra") << 240 << 0.0 << 240 << "4825.11"
                                  << "658025.97"
                                  << "0.00"
                                  << "";
        // Reopened window: the period is 0 and so is every result.
        QTest::newRow("no-period") << 0 << 1000.0 << 0 << "0.00"
                                   << "0.00"
                                   << "0.00"
                                   << "";
        // The search from a cent below finds no period up to 600 months: the loan stays as it is.
        QTest::newRow("600-no-extra") << 600 << 0.0 << 600 << "4195.53"
                                      << "2017316.63"
                                      << "0.00"
                                      << "";
        QTest::newRow("over-ten-times") << 12 << 500000.0 << 0 << "0.00"
                                        << "0.00"
                                        << "0.00"
                                        << "The extra voluntary payment may not be more than ten times the monthly "
                                           "repayment.";
        QTest::newRow("first-month") << 1 << 100.0 << 0 << "0.00"
                                     << "0.00"
                                     << "0.00"
                                     << "The monthly repayment with the extra payment is more than the principal "
                                        "plus one month's interest: the first instalment already repays the whole "
                                        "loan.";
    }
    void loanBusterSecondColumn()
    {
        QFETCH(int, period);
        QFETCH(double, extra);
        const LoanBusterResult r = calculateLoanBuster({500000, period, 10.0f, extra});
        QTEST(r.newPeriod, "newPeriod");
        QTEST(formatMoney(r.newRepayment), "newRepayment");
        QTEST(formatMoney(r.newTotalInterest), "newTotalInterest");
        QTEST(formatMoney(r.totalSaving), "saving");
        QTEST(r.message, "message");
    }

    void loanBusterRateIsSinglePrecision()
    {
        // 12.3 % is held as the float 12.30000019...; the repayment is worked from that.
        const LoanBusterResult r = calculateLoanBuster({100000, 240, toSingle(12.3), 0});
        QCOMPARE(r.repayment, annuityRepayment(100000, 240, static_cast<double>(12.3f)));
        QVERIFY(r.repayment != annuityRepayment(100000, 240, 12.3));
    }

    // ------------------------------------------------------------------ loan comparison
    void loanComparison()
    {
        const auto rows = compareLoanTerms(100000, 12.0f);
        const QStringList labels{"5 yrs.", "10 yrs.", "15 yrs.", "20 yrs.", "25 yrs.", "30 yrs."};
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(rows[k].months, 60 * (k + 1));
            QCOMPARE(rows[k].label, labels[k]);
        }
        QCOMPARE(formatMoney(rows[3].repayment), QStringLiteral("1101.09"));
        QCOMPARE(formatMoney(rows[3].totalInterest), QStringLiteral("164260.67"));
        QCOMPARE(formatMoney(rows[3].totalPaid), QStringLiteral("264260.67"));
        for (const ComparisonRow& row : compareLoanTerms(100000, 0.0f)) {
            QCOMPARE(row.repayment, 0.0);
            QCOMPARE(row.totalInterest, 0.0);
            QCOMPARE(row.totalPaid, 0.0);
        }
    }

    // ------------------------------------------------------------------ daily balance
    void dailyBalance_data()
    {
        QTest::addColumn<double>("capital");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<int>("days");
        QTest::addColumn<QString>("interest");
        QTest::newRow("tax-year") << 100000.0 << 10.0 << "01/03/2018"
                                  << "28/02/2019" << 364 << "9972.60";
        QTest::newRow("same-day") << 100000.0 << 10.0 << "01/03/2018"
                                  << "01/03/2018" << 0 << "0.00";
        // 12 345 678.91 is held as 12 345 679; the interest 1 234 567.9 as 1 234 567.875.
        QTest::newRow("single") << 12345678.91 << 10.0 << "01/03/2018"
                                << "01/03/2019" << 365 << "1234567.88";
    }
    void dailyBalance()
    {
        QFETCH(double, capital);
        QFETCH(double, rate);
        QFETCH(QString, start);
        QFETCH(QString, end);
        DailyBalanceInputs in{toSingle(capital), toSingle(rate), *parseDate(start), *parseDate(end)};
        const DailyBalanceResult r = calculateDailyBalance(in);
        QVERIFY(r.computed);
        QTEST(r.days, "days");
        QTEST(formatMoney(r.interest), "interest");
    }

    void dailyBalanceNeedsBothDates()
    {
        const DayNumber day = dayNumber(2018, 3, 1);
        for (auto [start, end] : {std::pair{day, kNoDateMarker}, std::pair{kNoDateMarker, day}}) {
            const DailyBalanceResult r = calculateDailyBalance({100000.0f, 10.0f, start, end});
            QVERIFY(!r.computed);
            QCOMPARE(r.days, 0);
            QCOMPARE(r.interest, 0.0f);
        }
        QCOMPARE(float(toSingle(12345678.91)), 12345679.0f);
    }

    void dailyBalanceDateLimits()
    {
        const DayNumber end = dayNumber(2019, 2, 28);
        const DateLimits start = startDateLimits(end);
        QCOMPARE(*start.lower, end - 10960);
        QCOMPARE(*start.upper, end - 1);
        const DateLimits fromStart = endDateLimits(dayNumber(2018, 3, 1));
        QCOMPARE(*fromStart.lower, dayNumber(2018, 3, 1));
        QCOMPARE(*fromStart.upper, dayNumber(2018, 3, 1) + 10960);
        QVERIFY(!startDateLimits(kNoDateMarker).lower);
        QVERIFY(!endDateLimits(kNoDateMarker).upper);
        QCOMPARE(startDateOutOfRangeMessage(end),
                 QStringLiteral("The date entered is more than 30 years(360 months) before 28/02/2019."));
        QCOMPARE(dailyBalanceDateError(dayNumber(2018, 3, 1), dayNumber(2018, 2, 28)),
                 QStringLiteral("The date entered is more than 30 years(360 months) after 01/03/2018."));
        QCOMPARE(dailyBalanceDateError(dayNumber(2018, 3, 1), dayNumber(2018, 3, 1) + 10960), QString());
        QVERIFY(!dailyBalanceDateError(dayNumber(2018, 3, 1), dayNumber(2018, 3, 1) + 10961).isEmpty());
    }

    void dailyBalanceRateSpin_data()
    {
        QTest::addColumn<double>("rate");
        QTest::addColumn<bool>("up");
        QTest::addColumn<double>("next");
        QTest::addColumn<bool>("beeps");
        QTest::newRow("down-to-zero") << 0.25 << false << 50.0 << true;
        QTest::newRow("down-below-zero") << 0.1 << false << 50.0 << true;
        QTest::newRow("down") << 10.0 << false << 9.75 << false;
        QTest::newRow("up") << 10.0 << true << 10.25 << false;
        QTest::newRow("up-to-50") << 49.75 << true << 50.0 << false;
        QTest::newRow("up-past-50") << 50.0 << true << 0.25 << false;
    }
    void dailyBalanceRateSpin()
    {
        QFETCH(double, rate);
        QFETCH(bool, up);
        const SpinStep step = stepDailyBalanceRate(rate, 0.25, up);
        QTEST(step.value, "next");
        QTEST(step.beep, "beeps");
    }

    // ------------------------------------------------------------------ inflation
    void inflation_data()
    {
        QTest::addColumn<double>("cost");
        QTest::addColumn<int>("years");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("future");
        QTest::addColumn<QString>("power");
        QTest::addColumn<bool>("tooLarge");
        QTest::newRow("6pc") << 1000.0 << 10 << 6.0 << "1790.85"
                             << "558.39" << false;
        QTest::newRow("minus-5pc") << 1000.0 << 10 << -5.0 << "598.74"
                                   << "1670.18" << false;
        QTest::newRow("no-years") << 1000.0 << 0 << 6.0 << "1000.00"
                                  << "1000.00" << false;
        QTest::newRow("too-large") << 2147483647.0 << 40 << 40.0 << ""
                                   << "3067.67" << true;
        QTest::newRow("largest-shown") << 9999999999.0 << 0 << 6.0 << "9999999999.00"
                                       << "9999999999.00" << false;
    }
    void inflation()
    {
        QFETCH(double, cost);
        QFETCH(int, years);
        QFETCH(double, rate);
        const InflationResult r = projectInflation(cost, years, rate);
        QTEST(r.tooLarge, "tooLarge");
        QTEST(formatMoney(r.buyingPower), "power");
        QFETCH(QString, future);
        if (!r.tooLarge)
            QCOMPARE(formatMoney(r.futureValue), future);
    }

    void inflationSpins_data()
    {
        QTest::addColumn<bool>("period");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("up");
        QTest::addColumn<double>("next");
        QTest::addColumn<bool>("beeps");
        QTest::newRow("rate-up-to-30") << false << 29.75 << true << 30.0 << false;
        QTest::newRow("rate-up-past-30") << false << 30.0 << true << -5.0 << false;
        QTest::newRow("rate-up-to-0") << false << -0.25 << true << 0.0 << true;
        QTest::newRow("rate-down-past-minus-5") << false << -5.0 << false << 30.0 << false;
        QTest::newRow("rate-down") << false << 6.0 << false << 5.75 << false;
        QTest::newRow("period-down-to-0") << true << 1.0 << false << 40.0 << true;
        QTest::newRow("period-up-past-40") << true << 40.0 << true << 1.0 << false;
        QTest::newRow("period-up") << true << 10.0 << true << 11.0 << false;
    }
    void inflationSpins()
    {
        QFETCH(bool, period);
        QFETCH(double, value);
        QFETCH(bool, up);
        const SpinStep step = period ? stepInflationPeriod(value, up) : stepInflationRate(value, up);
        QTEST(step.value, "next");
        QTEST(step.beep, "beeps");
    }
};

KESTREL_TEST_MAIN(TestFinanceCalc)
#include "test_financecalc.moc"
