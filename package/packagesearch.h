#pragma once
// The trial of the backward package search and the two searches over it.
//
// A trial salary G stands for the gross salary less the travel allowance, the employee's
// medical contribution and the other expenses, plus the medical credits. For each G the
// trial works out the fund contributions, the taxable income, the tax of the period, the
// employee's UIF and the net salary; the search wants the first whole G from 1 whose net
// exceeds the net salary required N.
//
// The literal search tries every G in turn. The fast search finds the same G with a few
// hundred trials: between the points where the tax bracket changes or the UIF ceiling is
// reached, the net grows with G by at least a known slope (bounded below using the largest
// marginal rate), so "net > N" switches once and can be bisected. Where that slope cannot
// be shown to exceed the rounding error of a trial, it steps one rand at a time, as the
// literal search does. Between brackets the net may fall: the published base taxes do not
// all chain (the tax jumps by R 0.50 at R 423 300 and by R 0.10 at R 708 310 and at
// R 1 500 000), so the segments are searched in order.

#include "rules/taxrules.h"

namespace kestrel {

/// The parts of a backward trial that stay the same from one trial salary to the next.
struct BackwardSearchConstants {
    bool monthly = true;           ///< monthly: the tax is looked up on 12 x TI and divided by 12
    double B = 0;                  ///< taxed car benefit
    double Trt = 0;                ///< travel allowance x inclusion rate
    double T = 0;                  ///< travel allowance
    double F = 0;                  ///< other taxable fringe benefits
    double O = 0;                  ///< other-expenses total
    double Mee = 0;                ///< employee's medical contribution
    double Mer = 0;                ///< employer's medical contribution
    double C = 0;                  ///< medical credits MTC + AMC
    double Dmed = 0;               ///< medical deductions
    double rebate = 0;             ///< annual rebate by age
    double L = 0;                  ///< UIF ceiling of the period
    double uee = 0;                ///< employee UIF portion, per cent
    bool employeePercent = false;  ///< pee > 0: the employee contribution is pee x base / 100
    bool employerPercent = false;
    double pee = 0;  ///< employee fund percentage
    double per = 0;  ///< employer fund percentage
    double Aee = 0;  ///< employee fund amount (used when pee is not above 0)
    double Aer = 0;  ///< employer fund amount
};

/// One trial salary worked out.
struct BackwardTrial {
    double RFee;          ///< employee fund contribution
    double RFer;          ///< employer fund contribution
    double TI;            ///< taxable income of the period
    double lookupIncome;  ///< annual income looked up: max(TI, 0), monthly max(12 x TI, 0)
    int bracket;          ///< index of its tax bracket
    double tax;           ///< tax of the period after the rebate, not below 0
    double R;             ///< UIF base
    double employeeUIF;
    double net;  ///< net salary of the trial
};

/// Works out trial salary G. No allocation, no table built: a few dozen floating-point
/// operations. Every search evaluates its trials through this one function, so the searches
/// agree to the last bit. `ceilingUIF` is the employee's UIF on the ceiling, L x uee / 100,
/// the same for every trial.
inline BackwardTrial evaluateBackwardTrial(const BackwardSearchConstants& k, double G, double ceilingUIF)
{
    BackwardTrial t;
    const double base = G + k.Mee + k.Mer - k.C;
    t.RFee = k.employeePercent ? k.pee * base / 100.0 : k.Aee;
    t.RFer = k.employerPercent ? k.per * base / 100.0 : k.Aer;
    t.TI = k.B + G + k.Trt + k.F + k.O - t.RFee - k.Dmed + k.Mee - k.C + k.Mer;

    // Income tax: the annual taxable income, raised to 0, on the scale, less the rebate,
    // not below 0; a monthly window annualises the income and divides the tax by 12.
    double income = k.monthly ? 12.0 * t.TI : t.TI;
    if (income < 0)
        income = 0;
    t.lookupIncome = income;
    t.bracket = taxBracketIndex(income);
    const TaxBracket& b = kTaxYear.brackets[static_cast<std::size_t>(t.bracket)];
    double tax = b.baseTax + (income - b.floor) * b.rate / 100.0 - k.rebate;
    if (tax < 0)
        tax = 0;
    if (k.monthly)
        tax = tax / 12.0;
    t.tax = tax;

    t.R = k.B + G + k.Trt + k.F + k.O + k.Mer + t.RFer - k.C;
    t.employeeUIF = t.R > k.L ? ceilingUIF : t.R * k.uee / 100.0;

    // The larger of the tax and the medical credits comes off.
    if (k.C < tax)
        t.net = G + k.T - t.RFee - k.Dmed - tax - t.employeeUIF;
    else
        t.net = G + k.T - t.RFee - k.Dmed - t.employeeUIF - k.C;
    return t;
}

inline BackwardTrial evaluateBackwardTrial(const BackwardSearchConstants& k, double G)
{
    return evaluateBackwardTrial(k, G, k.L * k.uee / 100.0);
}

struct SearchOutcome {
    bool found = false;    ///< a trial salary up to the bound has a net above N
    double G = 0;          ///< the first such trial salary
    long long trials = 0;  ///< trials evaluated
};

/// Tries G = 1, 2, 3, ... up to `maximumG` and stops at the first net above N.
SearchOutcome literalBackwardSearch(const BackwardSearchConstants& k, double N, double maximumG);

/// The same first G as literalBackwardSearch, found by bracketing and bisection wherever the
/// net provably grows with G, and by stepping elsewhere.
SearchOutcome fastBackwardSearch(const BackwardSearchConstants& k, double N, double maximumG);

}  // namespace kestrel
