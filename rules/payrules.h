#pragma once
// UIF and skills-levy rules of the pay-period calculators, and the pay periods.

namespace kestrel {

enum class PayPeriod { Monthly, Fortnightly, Weekly, Daily };

/// Pay periods in a year: 12, 26, 52 or 260 (working days).
inline double periodsPerYear(PayPeriod period)
{
    switch (period) {
    case PayPeriod::Fortnightly:
        return 26;
    case PayPeriod::Weekly:
        return 52;
    case PayPeriod::Daily:
        return 260;
    case PayPeriod::Monthly:
        break;
    }
    return 12;
}

/// UIF ceiling of a period from the monthly limit L: monthly L, otherwise L x 12 / periods.
inline double uifLimitForPeriod(double monthlyLimit, PayPeriod period)
{
    if (period == PayPeriod::Monthly)
        return monthlyLimit;
    return monthlyLimit * 12.0 / periodsPerYear(period);
}

struct UifContributions {
    double employee = 0;
    double employer = 0;
};

/// UIF of a period: the base, held to the ceiling of the period, times each portion
/// (per cent) / 100.
inline UifContributions uifContributions(double uifBase, double periodLimit, double employeePortion,
                                         double employerPortion)
{
    const double charged = uifBase > periodLimit ? periodLimit : uifBase;
    return {charged * employeePortion / 100.0, charged * employerPortion / 100.0};
}

/// Skills development levy = (UIF base - allowable fund deduction + commissions) x levy / 100.
inline double skillsLevy(double uifBase, double fundDeduction, double commissions, double levyPercent)
{
    return (uifBase - fundDeduction + commissions) * levyPercent / 100.0;
}

}  // namespace kestrel
