#include "finance/inflationcalc.h"

namespace kestrel {

InflationResult projectInflation(double presentCost, int years, double rate)
{
    InflationResult r;
    double future = presentCost;
    double power = presentCost;
    for (int year = 1; year <= years; ++year) {
        future = future + future * rate / 100;
        // A rate of −100 % would leave nothing to divide by; the rate field stops at −5 %.
        if (rate + 100 != 0)
            power = power - power * rate / (rate + 100);
    }
    r.futureValue = future;
    r.buyingPower = power;
    r.tooLarge = future > kLargestDisplayableFutureValue;
    return r;
}

QString inflationRateMessage()
{
    return QStringLiteral("The range of the Inflation Rate is between -5% and 40%");
}

QString inflationPeriodMessage()
{
    return QStringLiteral("The maximum period allowed 40 years");
}

SpinStep stepInflationPeriod(double years, bool up)
{
    if (up) {
        const double next = years + 1;
        return {next > kInflationMaximumYears ? 1.0 : next, false};
    }
    const double next = years - 1;
    if (next <= 0)
        return {static_cast<double>(kInflationMaximumYears), true};
    return {next, false};
}

SpinStep stepInflationRate(double rate, bool up)
{
    if (up) {
        const double next = rate + 0.25;
        if (next > 30)
            return {-5.0, false};
        return {next, next == 0};
    }
    const double next = rate - 0.25;
    return {next < -5 ? 30.0 : next, false};
}

}  // namespace kestrel
