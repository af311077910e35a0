#include "package/packagesearch.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

// The loops of both searches have every trial inlined: the trial and the scale lookup are
// inline functions of headers, and a copy compiled without optimisation elsewhere must not
// be the one the loops call.
#if defined(__GNUC__)
#define KESTREL_FLATTEN [[gnu::flatten]]
#else
#define KESTREL_FLATTEN
#endif

namespace kestrel {

namespace {

// The largest marginal rate of the scale, as a fraction.
double topMarginalRate()
{
    double rate = 0;
    for (const TaxBracket& b : kTaxYear.brackets)
        rate = std::max(rate, b.rate / 100.0);
    return rate;
}

// The sum of the steps of the tax where a bracket's base tax does not chain onto the
// previous bracket (R 0.50 + R 0.10 + R 0.10 for 2018/19). The net of a trial can move by
// at most this much across all bracket bounds together.
double taxScaleSteps()
{
    double steps = 0;
    const auto& b = kTaxYear.brackets;
    for (std::size_t i = 1; i < b.size(); ++i) {
        const double chained = b[i - 1].baseTax + (b[i].floor - b[i - 1].floor) * b[i - 1].rate / 100.0;
        steps += std::fabs(b[i].baseTax - chained);
    }
    return steps;
}

// Four times a bound on the rounding error of the net of any trial in [1, maximumG]. Every
// intermediate amount of a trial is a sum of the constants and G, scaled by the fund and UIF
// rates (and by 12 for the monthly lookup); a trial has a few dozen operations, each off by
// at most half an ulp of its result. 256 operations' worth is a generous allowance.
double roundingMargin(const BackwardSearchConstants& k, double maximumG, double a, double b, double u)
{
    const double sum = maximumG + std::fabs(k.B) + std::fabs(k.Trt) + std::fabs(k.T) + std::fabs(k.F) + std::fabs(k.O) +
                       2 * std::fabs(k.Mee) + 2 * std::fabs(k.Mer) + 2 * std::fabs(k.C) + std::fabs(k.Dmed) +
                       std::fabs(k.Aee) + std::fabs(k.Aer) + std::fabs(k.L) + std::fabs(k.rebate) +
                       kTaxYear.brackets.back().baseTax;
    const double magnitude = sum * (1 + std::fabs(a) + std::fabs(b)) * (1 + std::fabs(u)) * 12.0;
    return 4.0 * 256.0 * magnitude * DBL_EPSILON;
}

} // namespace

KESTREL_FLATTEN SearchOutcome literalBackwardSearch(const BackwardSearchConstants& k, double N, double maximumG)
{
    SearchOutcome out;
    double G = 0;
    while (G < maximumG) {
        G = G + 1;
        ++out.trials;
        if (evaluateBackwardTrial(k, G).net > N) {
            out.found = true;
            out.G = G;
            return out;
        }
    }
    return out;
}

KESTREL_FLATTEN SearchOutcome fastBackwardSearch(const BackwardSearchConstants& k, double N, double maximumG)
{
    SearchOutcome out;
    if (!(maximumG >= 1))
        return out;

    auto trial = [&](double G) {
        ++out.trials;
        return evaluateBackwardTrial(k, G);
    };
    auto stopAt = [&](double G) {
        out.found = true;
        out.G = G;
        return out;
    };
    // Steps through [from, to] like the literal search.
    auto scan = [&](double from, double to) {
        for (double G = from; G <= to; G = G + 1) {
            if (trial(G).net > N) {
                stopAt(G);
                return true;
            }
        }
        return false;
    };

    // Growth of the trial's amounts per rand of G: the employee contribution takes a, the
    // employer contribution adds b to the UIF base, the employee UIF takes u of it.
    const double a = k.employeePercent ? k.pee / 100.0 : 0.0;
    const double b = k.employerPercent ? k.per / 100.0 : 0.0;
    const double u = k.uee / 100.0;
    const double margin = roundingMargin(k, maximumG, a, b, u);
    const double topRate = topMarginalRate();
    const double uifSlopeBelowCeiling = (1.0 + b) * u;

    // The taxable income and the UIF base must grow with G for the brackets and the UIF
    // ceiling to be passed in order. When the employee percentage leaves no room for that
    // (100 % or more), only a bound on how far the net can rise avoids stepping through the
    // whole range.
    if (!((1.0 - a) > margin) || !((1.0 + b) > margin)) {
        const double first = trial(1).net;
        if (first > N)
            return stopAt(1);
        const double highestSlope =
            (1.0 - a) - std::min(0.0, (1.0 - a) * topRate) - std::min(0.0, uifSlopeBelowCeiling);
        const double highest = first + (maximumG - 1) * std::max(highestSlope, 0.0) + 2 * taxScaleSteps() + margin;
        if (highest > N)
            scan(2, maximumG);
        return out;
    }

    // Segments of G with one tax bracket and one side of the UIF ceiling, in order. Inside a
    // segment the net is continuous; it grows by at least lowestSlope per rand.
    double lo = 1;
    while (lo <= maximumG) {
        const BackwardTrial start = trial(lo);
        if (start.net > N)
            return stopAt(lo);
        const int bracket = start.bracket;
        const bool aboveCeiling = start.R > k.L;
        auto inSegment = [&](double G) {
            const BackwardTrial t = trial(G);
            return t.bracket == bracket && (t.R > k.L) == aboveCeiling;
        };

        // The last G of the segment: bracket and side only move forward with G.
        double hi = maximumG;
        if (!inSegment(maximumG)) {
            double inside = lo;
            double outside = maximumG;
            while (outside - inside > 1) {
                const double mid = std::floor((inside + outside) / 2);
                if (inSegment(mid))
                    inside = mid;
                else
                    outside = mid;
            }
            hi = inside;
        }

        const double rate = kTaxYear.brackets[static_cast<std::size_t>(bracket)].rate / 100.0;
        const double uifSlope = aboveCeiling ? 0.0 : uifSlopeBelowCeiling;
        const double lowestSlope = (1.0 - a) * (1.0 - rate) - std::max(0.0, uifSlope);
        if (lowestSlope > margin) {
            // "net > N" turns true at most once in the segment: bisect.
            if (hi > lo && trial(hi).net > N) {
                double below = lo;
                double above = hi;
                while (above - below > 1) {
                    const double mid = std::floor((below + above) / 2);
                    if (trial(mid).net > N)
                        above = mid;
                    else
                        below = mid;
                }
                return stopAt(above);
            }
        } else {
            // The net may fall with G here (a UIF portion larger than what the tax and the
            // fund leave over): step, unless it cannot reach N in this segment.
            const double highestSlope = (1.0 - a) - std::min(0.0, uifSlope);
            const double highest = start.net + (hi - lo) * std::max(highestSlope, 0.0) + margin;
            if (highest > N && scan(lo + 1, hi))
                return out;
        }
        lo = hi + 1;
    }
    return out;
}

} // namespace kestrel
