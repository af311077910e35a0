#pragma once
// The daily balance: simple interest on a capital amount between two dates at an annual
// rate, counting actual calendar days on a 365-day year. The capital, the rate and the
// interest are kept in single precision.

#include "common/dates.h"
#include "finance/spinstep.h"

#include <QString>

#include <optional>

namespace kestrel {

/// The longest span between the two dates, in days (about 30 years).
inline constexpr int kDailyBalanceMaximumDays = 10960;

/// The highest rate the rate field accepts, and the highest the rate spin reaches.
inline constexpr double kDailyBalanceMaximumRate = 40;
inline constexpr double kDailyBalanceSpinTop = 50;

/// A stored day number that stands for a chosen date (the no-date marker is 1 January
/// 1800; anything from 3 January 1800 on counts as a date).
bool isChosenDate(DayNumber day);

struct DailyBalanceInputs {
    float capital = 0;
    float rate = 0;  ///< per cent per year
    DayNumber startDate = kNoDateMarker;
    DayNumber endDate = kNoDateMarker;
};

struct DailyBalanceResult {
    bool computed = false;  ///< false while a date is not chosen: nothing is shown
    int days = 0;           ///< end date − start date
    float interest = 0;     ///< capital × rate / 100 × days / 365, kept in single precision
};

/// The interest accrued. Needs both dates; until then nothing is computed (the no-date
/// marker would otherwise give tens of thousands of negative days).
DailyBalanceResult calculateDailyBalance(const DailyBalanceInputs& inputs);

/// The limits of a date field, set from the other date when that one is later than
/// 30 December 1899; no limits otherwise.
struct DateLimits {
    std::optional<DayNumber> lower;
    std::optional<DayNumber> upper;
};
/// Start date: from the end date − 10 960 days to the day before the end date.
DateLimits startDateLimits(DayNumber endDate);
/// End date: from the start date to the start date + 10 960 days.
DateLimits endDateLimits(DayNumber startDate);

QString invalidDateMessage();
/// "The date entered is more than 30 years(360 months) before <end date>."
QString startDateOutOfRangeMessage(DayNumber endDate);
/// "The date entered is more than 30 years(360 months) after <start date>."
QString endDateOutOfRangeMessage(DayNumber startDate);
QString dailyBalanceRateMessage();

/// The refusal text for a pair of dates that the date fields would not accept (the end
/// date checked against the start date), or an empty text.
QString dailyBalanceDateError(DayNumber startDate, DayNumber endDate);

/// One step of the rate spin (`step` is the session's rate step, 0.25). Down: a rate that
/// reaches 0 (or falls below it) wraps to 50 with a beep. Up: a rate above 50 wraps to 0.25.
SpinStep stepDailyBalanceRate(double rate, double step, bool up);

}  // namespace kestrel
