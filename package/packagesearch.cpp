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

// Bounds on the rounding error of a trial, four times over. Each amount of a trial is a
// chain of a few dozen operations, each off by at most half an ulp of its result, so its
// error is below 256 x DBL_EPSILON x the sum of the magnitudes that enter it. The chains
// are bounded apart, so that an amount that does not move with G (the UIF on the ceiling)
// does not count against the others.
struct RoundingMargins {
    double taxableIncome;    // the taxable income TI (and so the lookup income)
    double uifBase;          // the UIF base R
    double netBelowCeiling;  // the net while R is below the UIF ceiling
    double netAboveCeiling;  // the net while R is above it
};

RoundingMargins roundingMargins(const BackwardSearchConstants& k, double maximumG, double a, double b, double u)
{
    constexpr double kAllowance = 4.0 * 256.0 * DBL_EPSILON;
    const double base = maximumG + std::fabs(k.Mee) + std::fabs(k.Mer) + std::fabs(k.C);
    const double employeeFund = k.employeePercent ? std::fabs(a) * base : std::fabs(k.Aee);
    const double employerFund = k.employerPercent ? std::fabs(b) * base : std::fabs(k.Aer);
    const double fringe = std::fabs(k.B) + std::fabs(k.Trt) + std::fabs(k.F) + std::fabs(k.O);
    const double taxableIncome = fringe + maximumG + employeeFund + std::fabs(k.Dmed) + 2 * std::fabs(k.Mee)
                                 + 2 * std::fabs(k.C) + 2 * std::fabs(k.Mer);
    const double uifBase = fringe + maximumG + std::fabs(k.Mer) + employerFund + std::fabs(k.C);
    // The tax works on 12 x TI in the monthly window.
    const double tax = 12.0 * taxableIncome * 1.45 + std::fabs(k.rebate) + kTaxYear.brackets.back().baseTax
                       + kTaxYear.brackets.back().floor;
    const double net = tax + maximumG + std::fabs(k.T) + employeeFund + std::fabs(k.Dmed) + std::fabs(k.C);
    RoundingMargins m;
    m.taxableIncome = kAllowance * 12.0 * taxableIncome;
    m.uifBase = kAllowance * uifBase;
    m.netBelowCeiling = kAllowance * (net + std::fabs(u) * uifBase) + std::fabs(u) * m.uifBase;
    m.netAboveCeiling = kAllowance * (net + std::fabs(u) * std::fabs(k.L));
    return m;
}

}  // namespace

KESTREL_FLATTEN SearchOutcome literalBackwardSearch(const BackwardSearchConstants& constants, double N, double maximumG)
{
    // A local copy: nothing in the loop can change it.
    const BackwardSearchConstants k = constants;
    const double ceilingUIF = k.L * k.uee / 100.0;
    SearchOutcome out;
    double G = 0;
    while (G < maximumG) {
        G = G + 1;
        ++out.trials;
        if (evaluateBackwardTrial(k, G, ceilingUIF).net > N) {
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

    const double ceilingUIF = k.L * k.uee / 100.0;
    auto trial = [&](double G) {
        ++out.trials;
        return evaluateBackwardTrial(k, G, ceilingUIF);
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
    const RoundingMargins margins = roundingMargins(k, maximumG, a, b, u);
    const double topRate = topMarginalRate();
    const double uifSlopeBelowCeiling = (1.0 + b) * u;

    const bool uifBaseGrows = (1.0 + b) > margins.uifBase;
    // The first G whose UIF base is above the ceiling (maximumG + 1 when none is).
    auto firstAboveCeiling = [&](double from) {
        if (!(trial(maximumG).R > k.L))
            return maximumG + 1;
        double below = from - 1;
        double above = maximumG;
        while (above - below > 1) {
            const double mid = std::floor((below + above) / 2);
            if (mid >= from && trial(mid).R > k.L)
                above = mid;
            else
                below = mid;
        }
        return above;
    };

    // The taxable income must grow with G for the brackets to be passed in order. When the
    // employee percentage leaves no room for that (100 % or more), the net can still rise only
    // so far on each side of the UIF ceiling: step only where that bound does not rule N out.
    if (!((1.0 - a) > margins.taxableIncome) || !uifBaseGrows) {
        const double ceiling = uifBaseGrows ? firstAboveCeiling(1) : maximumG + 1;
        const double taxSlope = std::min(0.0, (1.0 - a) * topRate);
        struct Side {
            double from, to, uifSlope, margin;
        };
        const Side sides[] = {
            {1, std::min(ceiling - 1, maximumG), uifSlopeBelowCeiling,
             uifBaseGrows ? margins.netBelowCeiling : std::max(margins.netBelowCeiling, margins.netAboveCeiling)},
            {ceiling, maximumG, 0.0, margins.netAboveCeiling},
        };
        for (const Side& side : sides) {
            if (side.from > side.to)
                continue;
            const double first = trial(side.from).net;
            if (first > N)
                return stopAt(side.from);
            const double highestSlope = (1.0 - a) - taxSlope - std::min(0.0, side.uifSlope);
            const double highest =
                first + (side.to - side.from) * std::max(highestSlope, 0.0) + 2 * taxScaleSteps() + side.margin;
            if (highest > N && scan(side.from + 1, side.to))
                return out;
        }
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
        const double margin = aboveCeiling ? margins.netAboveCeiling : margins.netBelowCeiling;
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

}  // namespace kestrel
