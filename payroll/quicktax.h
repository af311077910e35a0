#pragma once
// QuickTax: the tax on an annual taxable income broken down the way the tax tables
// present it: the tax on the bracket floor, the portion above it at the marginal rate,
// the total, the rebate for the age, the tax payable and the average rates.

#include "rules/taxrules.h"

namespace kestrel {

struct QuickTaxResult {
    double income = 0;  ///< the annual taxable income broken down
    short age = 0;
    double rebate = 0;             ///< RebateForAge
    TaxScaleResult lookup;         ///< base tax, marginal rate, tax on the excess
    double totalTax = 0;           ///< tax before rebates
    double taxCommitment = 0;      ///< total tax less the rebate, not below 0
    double averageRateBefore = 0;  ///< per cent; the marginal rate when there is no tax
    double averageRateAfter = 0;   ///< per cent, not below 0
    double monthlyTax = 0;         ///< tax commitment / 12
};

/// The breakdown of the tax on `income` at `age`.
QuickTaxResult calculateQuickTax(double income, short age);

}  // namespace kestrel
