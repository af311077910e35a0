#pragma once
// The inflation projection: what a present cost becomes after some years of compound
// inflation, and what the present amount will buy then in today's money.

#include "finance/spinstep.h"

#include <QString>

namespace kestrel {

/// The largest future value the window shows; above it "Amount too large to display".
inline constexpr double kLargestDisplayableFutureValue = 9999999999.0;
inline constexpr int kInflationMaximumYears = 40;

struct InflationResult {
    double futureValue = 0;  ///< cost × (1 + rate/100)^years, built year by year
    double buyingPower = 0;  ///< cost / (1 + rate/100)^years, built year by year
    bool tooLarge = false;   ///< the future value is above 9 999 999 999
};

/// Year by year for years 1 … `years`: future := future + future × rate / 100 and
/// power := power − power × rate / (rate + 100), both starting at the present cost.
/// The rate is per cent per year and lies between −5 and 40.
InflationResult projectInflation(double presentCost, int years, double ratePercent);

QString inflationRateMessage();
QString inflationPeriodMessage();

/// The period spin: down from 1 beeps and wraps to 40; up from 40 wraps to 1.
SpinStep stepInflationPeriod(double years, bool up);
/// The rate spin in steps of 0.25: down below −5 wraps to 30; up above 30 wraps to −5;
/// an up step that reaches exactly 0 beeps.
SpinStep stepInflationRate(double rate, bool up);

}  // namespace kestrel
