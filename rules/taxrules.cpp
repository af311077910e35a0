#include "rules/taxrules.h"

namespace kestrel {

TaxScaleResult TaxScaleLookup(double income, const TaxYear& year)
{
    const TaxBracket& b = year.brackets[static_cast<std::size_t>(taxBracketIndex(income, year))];
    TaxScaleResult r;
    r.income = income;
    r.marginalRate = b.rate;
    r.bracketFloor = b.floor;
    r.bracketCeiling = b.ceiling;
    r.baseTax = b.baseTax;
    r.taxOnExcess = (income - b.floor) * b.rate / 100.0;
    r.taxBeforeRebates = r.baseTax + r.taxOnExcess;
    return r;
}

double MedicalSchemeFeesCredit(int beneficiaries, double employerContribution, double employeeContribution,
                               const TaxYear& year)
{
    if (!(employerContribution > 0) && !(employeeContribution > 0))
        return 0;
    if (beneficiaries <= 0)
        return 0;
    if (beneficiaries <= 2)
        return year.medicalCreditFirstTwo * beneficiaries;
    return 2 * year.medicalCreditFirstTwo + year.medicalCreditFurther * (beneficiaries - 2.0);
}

double MedicalSchemeFeesCreditForBeneficiaryMonths(int beneficiaryMonths, double employerContribution,
                                                   double employeeContribution, const TaxYear& year)
{
    if (!(employerContribution > 0) && !(employeeContribution > 0))
        return 0;
    if (beneficiaryMonths <= 0)
        return 0;
    constexpr int kFirstTwoMonths = 24;  // two beneficiaries for twelve months
    if (beneficiaryMonths <= kFirstTwoMonths)
        return year.medicalCreditFirstTwo * beneficiaryMonths;
    return kFirstTwoMonths * year.medicalCreditFirstTwo + year.medicalCreditFurther * (beneficiaryMonths - 24.0);
}

double AdditionalMedicalCredit(int age, double employerContribution, double employeeContribution,
                               double medicalSchemeFeesCredit, const TaxYear& year)
{
    if (!(medicalSchemeFeesCredit > 0))
        return 0;
    if (!(employerContribution > 0) && !(employeeContribution > 0))
        return 0;
    if (age < year.additionalMedicalAge)
        return 0;
    const double credit =
        (employerContribution + employeeContribution - year.additionalMedicalMultiple * medicalSchemeFeesCredit)
        * year.additionalMedicalFactor;
    return credit < 0 ? 0 : credit;
}

double RetirementFundDeduction(double contributions, double remunerationBase, double periodsPerYear,
                               const TaxYear& year)
{
    const double limit = year.retirementFundRate * remunerationBase;
    double deduction = contributions <= limit ? contributions : limit;
    const double cap = year.retirementFundCap / periodsPerYear;
    if (deduction >= cap)
        deduction = cap;
    return deduction;
}

}  // namespace kestrel
