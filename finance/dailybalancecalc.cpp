#include "finance/dailybalancecalc.h"

#include "common/rounding.h"

namespace kestrel {

bool isChosenDate(DayNumber day)
{
    return day >= kNoDateMarker + 2;
}

DailyBalanceResult calculateDailyBalance(const DailyBalanceInputs& in)
{
    DailyBalanceResult r;
    if (!isChosenDate(in.startDate) || !isChosenDate(in.endDate))
        return r;
    r.computed = true;
    r.days = in.endDate - in.startDate;
    r.interest = toSingle(static_cast<double>(in.capital) * static_cast<double>(in.rate) / 100 * r.days / 365);
    return r;
}

DateLimits startDateLimits(DayNumber endDate)
{
    if (endDate <= 0)
        return {};
    return {endDate - kDailyBalanceMaximumDays, endDate - 1};
}

DateLimits endDateLimits(DayNumber startDate)
{
    if (startDate <= 0)
        return {};
    return {startDate, startDate + kDailyBalanceMaximumDays};
}

QString invalidDateMessage()
{
    return QStringLiteral("The date entered is invalid please enter a valid date.");
}

QString startDateOutOfRangeMessage(DayNumber endDate)
{
    return QStringLiteral("The date entered is more than 30 years(360 months) before ") + formatDate(endDate)
           + QStringLiteral(".");
}

QString endDateOutOfRangeMessage(DayNumber startDate)
{
    return QStringLiteral("The date entered is more than 30 years(360 months) after ") + formatDate(startDate)
           + QStringLiteral(".");
}

QString dailyBalanceRateMessage()
{
    return QStringLiteral("The maximum Interest Rate allowed is 40%");
}

QString dailyBalanceDateError(DayNumber startDate, DayNumber endDate)
{
    const DateLimits limits = endDateLimits(startDate);
    if ((limits.lower && endDate < *limits.lower) || (limits.upper && endDate > *limits.upper))
        return endDateOutOfRangeMessage(startDate);
    return {};
}

SpinStep stepDailyBalanceRate(double rate, double step, bool up)
{
    if (up) {
        const double next = rate + step;
        return {next > kDailyBalanceSpinTop ? 0.25 : next, false};
    }
    const double next = rate - step;
    if (next <= 0)
        return {kDailyBalanceSpinTop, true};
    return {next, false};
}

}  // namespace kestrel
