#pragma once
// The tax rules of the year that more than one calculator applies. Every rule works on
// double-precision rand without rounding.

#include "rules/taxyear.h"

namespace kestrel {

/// The result of looking an annual taxable income up on the income-tax scale.
struct TaxScaleResult {
    double income = 0;        ///< annual taxable income looked up
    double marginalRate = 0;  ///< per cent: 18, 26, 31, 36, 39, 41 or 45
    double bracketFloor = 0;
    double bracketCeiling = 0;    ///< 9 999 999 999 for the top bracket (display only)
    double baseTax = 0;           ///< tax on the bracket floor
    double taxOnExcess = 0;       ///< (income - floor) x rate / 100
    double taxBeforeRebates = 0;  ///< baseTax + taxOnExcess
};

/// Index (0-6) of the bracket of an annual taxable income: the first whose ceiling is
/// not below it, so an income exactly on a bound belongs to the lower bracket. A negative
/// income falls in the first bracket.
inline int taxBracketIndex(double income, const TaxYear& year = kTaxYear)
{
    const auto& b = year.brackets;
    int i = 0;
    while (i < static_cast<int>(b.size()) - 1 && income > b[static_cast<std::size_t>(i)].ceiling)
        ++i;
    return i;
}

/// Tax before rebates of an annual taxable income: base tax of the bracket plus the
/// marginal rate on the excess above its floor. A negative income yields a negative tax.
/// Cheap enough for the inner loop of a search (no allocation, a few comparisons).
inline double taxBeforeRebates(double income, const TaxYear& year = kTaxYear)
{
    const TaxBracket& b = year.brackets[static_cast<std::size_t>(taxBracketIndex(income, year))];
    return b.baseTax + (income - b.floor) * b.rate / 100.0;
}

/// TaxScaleLookup: the full breakdown of the tax on an annual taxable income. Callers
/// that keep the session's tax-scale exchange store the result there.
TaxScaleResult TaxScaleLookup(double income, const TaxYear& year = kTaxYear);

/// RebateForAge: the annual rebate for an age in whole years (14 067 below 65, 21 780
/// from 65 to 74, 24 354 from 75).
inline double RebateForAge(int age, const TaxYear& year = kTaxYear)
{
    double rebate = year.primaryRebate;
    if (age >= year.tertiaryAge)
        rebate += year.secondaryTertiaryRebate;
    else if (age >= year.secondaryAge)
        rebate += year.secondaryRebate;
    return rebate;
}

/// MedicalSchemeFeesCredit for one month: 0 when neither contribution is above 0;
/// otherwise 310 for each of the first two beneficiaries and 209 for each further one.
/// A count of 0 or less gives no credit.
double MedicalSchemeFeesCredit(int beneficiaries, double employerContribution, double employeeContribution,
                               const TaxYear& year = kTaxYear);

/// The same credit counted over beneficiary-months of a year (the annual package windows):
/// 310 for each of the first 24 beneficiary-months, 209 for each further one; 0 when
/// neither contribution is above 0 or the count is 0 or less.
double MedicalSchemeFeesCreditForBeneficiaryMonths(int beneficiaryMonths, double employerContribution,
                                                   double employeeContribution, const TaxYear& year = kTaxYear);

/// AdditionalMedicalCredit for taxpayers aged 65 or more, for the same period as its
/// inputs: (employer + employee contribution - 3 x credit) x 0.333, not below 0; 0 when the
/// credit is not above 0, neither contribution is above 0, or the age is below 65.
double AdditionalMedicalCredit(int age, double employerContribution, double employeeContribution,
                               double medicalSchemeFeesCredit, const TaxYear& year = kTaxYear);

/// RetirementFundDeduction: the smaller of the contributions and 27.5 % of the
/// remuneration base (the contributions when equal), never more than
/// 350 000 / periodsPerYear.
double RetirementFundDeduction(double contributions, double remunerationBase, double periodsPerYear,
                               const TaxYear& year = kTaxYear);

/// TaxableTravelAllowance = allowance x inclusion rate (the setting TAIncRate8020, 0.8 or 0.2).
inline double TaxableTravelAllowance(double allowance, double inclusionRate)
{
    return allowance * inclusionRate;
}

/// Tax after the rebate: tax before rebates less the rebate, not below 0.
inline double taxAfterRebate(double taxBeforeRebate, double rebate)
{
    const double tax = taxBeforeRebate - rebate;
    return tax < 0 ? 0 : tax;
}

}  // namespace kestrel
