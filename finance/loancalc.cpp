#include "finance/loancalc.h"

#include "common/numberformat.h"

#include <cmath>

namespace kestrel {

QString loanModeText(LoanMode mode)
{
    switch (mode) {
    case LoanMode::MonthlyRepayment:
        return QStringLiteral("Monthly repayment");
    case LoanMode::PrincipalAmount:
        return QStringLiteral("Principal amount");
    case LoanMode::RepaymentPeriod:
        return QStringLiteral("Repayment period");
    case LoanMode::InterestRate:
        return QStringLiteral("Interest rate");
    }
    return {};
}

QStringList loanModeTexts()
{
    return {loanModeText(LoanMode::MonthlyRepayment), loanModeText(LoanMode::PrincipalAmount),
            loanModeText(LoanMode::RepaymentPeriod), loanModeText(LoanMode::InterestRate)};
}

std::optional<LoanMode> loanModeFromText(const QString& text)
{
    for (LoanMode mode :
         {LoanMode::MonthlyRepayment, LoanMode::PrincipalAmount, LoanMode::RepaymentPeriod, LoanMode::InterestRate})
        if (loanModeText(mode) == text)
            return mode;
    return std::nullopt;
}

double monthlyRate(double ratePercent)
{
    return ratePercent / 12 / 100;
}

double annuityRepayment(double principal, double months, double ratePercent)
{
    if (principal == 0 || months == 0 || ratePercent == 0)
        return 0;
    const double j = monthlyRate(ratePercent);
    return j * principal / (1 - std::pow(1 + j, -months));
}

double annuityPrincipal(double repayment, double months, double ratePercent)
{
    if (months == 0 || ratePercent == 0 || repayment == 0)
        return 0;
    const double j = monthlyRate(ratePercent);
    return (1 - std::pow(1 + j, -months)) * repayment / j;
}

double presentValueOfInstalments(double repayment, int months, double j)
{
    return (1 - std::pow(1 + j, -static_cast<double>(months))) * repayment / j;
}

namespace {

// Raises the repayment a cent at a time until `months` instalments repay `target`. The
// number of cents needed is known in advance from the annuity formula; when it is large
// (a repayment far too small for the period, so tens of thousands of single steps) the
// repayment moves most of the way in one step and the last few cents are added singly,
// which keeps the search short for every input while the result stays the first whole
// cent that repays the loan.
double raiseToWholeCent(double repayment, int months, double j, double target)
{
    const double required = target * j / (1 - std::pow(1 + j, -static_cast<double>(months)));
    const double cents = std::ceil((required - repayment) / 0.01);
    if (std::isfinite(cents) && cents > 10000)
        repayment += (cents - 5) * 0.01;
    // Bounded even where a cent no longer changes a huge amount.
    for (int step = 0; step < 1000000 && presentValueOfInstalments(repayment, months, j) < target; ++step)
        repayment += 0.01;
    return repayment;
}

}  // namespace

PeriodSearchResult searchRepaymentPeriod(double principal, double j, double repayment)
{
    PeriodSearchResult result;
    result.repayment = repayment;
    if (principal == 0 || j == 0 || repayment == 0)
        return result;
    const double target = principal;
    for (int n = 1;; ++n) {
        if (n > kMaximumLoanMonths) {
            result.outcome = PeriodSearchOutcome::BeyondMaximum;
            return result;
        }
        const double repaid = presentValueOfInstalments(repayment, n, j);
        if (repaid > target) {
            if (n == 1) {
                result.outcome = PeriodSearchOutcome::RepaidInFirstMonth;
                return result;
            }
            result.outcome = PeriodSearchOutcome::Found;
            result.period = n - 1;
            result.repayment = raiseToWholeCent(repayment, n - 1, j, target);
            return result;
        }
        if (repaid == target) {
            result.outcome = PeriodSearchOutcome::Found;
            result.period = n;
            return result;
        }
    }
}

double searchInterestRate(double principal, double period, double repayment)
{
    if (principal == 0 || period == 0 || repayment == 0)
        return 0;
    const double saved = repayment;
    auto exceeds = [&](double rate) { return annuityRepayment(principal, period, rate) > saved; };

    // Steps of 5: the rate climbs 5, 10, 15, ... until its repayment exceeds the one
    // entered. Multiples of 5 are exact in floating point, so the first multiple that
    // exceeds is found by doubling and halving rather than one step at a time (a tiny
    // principal with a large repayment would need billions of steps).
    constexpr double kLargestStepCount = 1099511627776.0;  // 2^40 steps of 5 per cent
    double high = 1;
    while (!exceeds(5 * high) && high < kLargestStepCount)
        high *= 2;
    double low = high / 2;  // its multiple of 5 does not exceed (or is 0.5: none tried)
    if (high == 1)
        low = 0;
    while (high - low > 1) {
        const double middle = std::floor((low + high) / 2);
        if (exceeds(5 * middle))
            high = middle;
        else
            low = middle;
    }
    double rate = 5 * high - 5;

    // Steps of 1, 0.1 and 0.01, each added to the running rate as it stands.
    for (double step : {1.0, 0.1, 0.01}) {
        for (int i = 0; i < 1000; ++i) {
            rate += step;
            if (exceeds(rate))
                break;
        }
        rate -= step;
    }
    return rate;
}

QString repaidInFirstMonthMessage()
{
    return QStringLiteral("The monthly repayment is more than the principal plus one month's interest: "
                          "the first instalment already repays the whole loan.");
}

double shownValue(double value, int decimals)
{
    return leadingNumber(formatFixed(value, decimals));
}

LoanResult calculateLoan(const LoanInputs& in)
{
    LoanResult r;
    r.principal = in.principal;
    r.period = in.period;
    r.rate = in.rate;
    r.repayment = in.repayment;
    switch (in.mode) {
    case LoanMode::MonthlyRepayment:
        r.repayment = shownValue(annuityRepayment(in.principal, in.period, in.rate), 2);
        break;
    case LoanMode::PrincipalAmount:
        r.principal = shownValue(annuityPrincipal(in.repayment, in.period, in.rate), 2);
        break;
    case LoanMode::RepaymentPeriod: {
        // A zero input gives period 0 and leaves the repayment as it is.
        if (in.principal == 0 || in.rate == 0 || in.repayment == 0) {
            r.period = 0;
            break;
        }
        // The search starts a cent below the repayment entered, so that a repayment that
        // already fits a whole period is found again rather than raised.
        const PeriodSearchResult search =
            searchRepaymentPeriod(in.principal, monthlyRate(in.rate), in.repayment - 0.01);
        switch (search.outcome) {
        case PeriodSearchOutcome::Found:
            r.period = search.period;
            r.repayment = shownValue(search.repayment, 2);
            break;
        case PeriodSearchOutcome::BeyondMaximum:
            // No period up to 600 months: the period shows 0 and the repayment keeps the
            // cent taken off for the search.
            r.period = 0;
            r.repayment = shownValue(search.repayment, 2);
            break;
        case PeriodSearchOutcome::RepaidInFirstMonth:
            r.period = 0;
            r.message = repaidInFirstMonthMessage();
            r.messageCaption = QStringLiteral("Incorrect Repayment!");
            break;
        case PeriodSearchOutcome::ZeroInput:
            r.period = 0;
            break;
        }
        break;
    }
    case LoanMode::InterestRate: {
        const double rate = searchInterestRate(in.principal, in.period, in.repayment);
        r.rateError = rate > 50;
        r.rate = shownValue(rate, 3);
        break;
    }
    }
    return r;
}

FinanceCharges financeCharges(double principal, double period, double repayment)
{
    return {repayment * period - principal, repayment * period};
}

}  // namespace kestrel
