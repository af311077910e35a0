#include "package/packagecalc.h"

#include "package/packagesearch.h"
#include "rules/taxrules.h"

#include <cmath>

namespace kestrel {

namespace {

// The combined fund percentage that the backward windows allow on their "Setup" panel: the
// 27.5 % of remuneration that may be deducted for retirement-fund contributions.
constexpr double kCombinedFundPercentLimit = 27.5;

constexpr double kMaximumAnnualTrialSalary = 50000000;

double periodsPerYear(PackagePeriod period)
{
    return period == PackagePeriod::Monthly ? 12.0 : 1.0;
}

bool usable(double value)
{
    return std::isfinite(value) && std::fabs(value) < kLargestAmount;
}

}  // namespace

// Every amount and setting below kLargestAmount: then no product or sum of either
// calculation comes near the range of a double.
bool withinCalculableRange(const PackageInputs& in, const PayrollSettings& s)
{
    const double values[] = {in.mainAmount,
                             in.carValue,
                             in.carCost,
                             in.travelAllowance,
                             in.employeeMedicalAid,
                             in.employerMedicalAid,
                             in.otherTaxableBenefits,
                             in.employeeFund,
                             in.employerFund,
                             in.medicalDeductions,
                             in.otherExpenses[0],
                             in.otherExpenses[1],
                             in.otherExpenses[2],
                             in.otherExpenses[3],
                             s.EmployeeUIF,
                             s.EmployerUIF,
                             s.UIFLimit,
                             s.SkillLevy,
                             s.TAIncRate8020,
                             s.PensionCont,
                             s.EmployerPenCont,
                             s.ProvCont,
                             s.EmployerProvCont,
                             s.CompCarFBRate8020};
    for (double v : values)
        if (!usable(v))
            return false;
    return true;
}

namespace {

// A result that leaves every field as it stands.
PackageResult unchanged(const PackageInputs& in, PackageDirection direction)
{
    PackageResult r;
    r.employeeFundField = in.employeeFund;
    r.employerFundField = in.employerFund;
    r.beneficiariesField = in.beneficiaries;
    r.medicalDeductionsField = direction == PackageDirection::Backward ? in.medicalDeductions : 0.0;
    return r;
}

PackageResult refused(PackageResult r, const QString& message)
{
    r.status = PackageStatus::Refused;
    r.message = message;
    return r;
}

struct MedicalCredits {
    double feesCredit = 0;  // MTC
    double additional = 0;  // AMC
    int beneficiaries = 0;  // the beneficiaries field after the calculation
};

// The medical scheme fees credit (monthly per beneficiary, annual per beneficiary-month) and
// the additional medical credit from 65, for the window's period. Without any medical
// contribution there is no credit and the beneficiaries field goes back to 0.
MedicalCredits medicalCredits(const PackageInputs& in)
{
    MedicalCredits m;
    const double Mee = in.employeeMedicalAid;
    const double Mer = in.employerMedicalAid;
    m.beneficiaries = in.beneficiaries;
    m.feesCredit = in.period == PackagePeriod::Monthly
                       ? MedicalSchemeFeesCredit(in.beneficiaries, Mer, Mee)
                       : MedicalSchemeFeesCreditForBeneficiaryMonths(in.beneficiaries, Mer, Mee);
    if (!(Mee > 0) && !(Mer > 0))
        m.beneficiaries = 0;
    m.additional = AdditionalMedicalCredit(in.age, Mer, Mee, m.feesCredit);
    return m;
}

// Tax of the period on a taxable income of the period: the annual income (a monthly one
// times 12), raised to 0, on the scale, less the rebate, not below 0; monthly divided by 12.
struct PeriodTax {
    double lookupIncome;
    double tax;
};
PeriodTax periodTax(double taxableIncome, double rebate, PackagePeriod period)
{
    const bool monthly = period == PackagePeriod::Monthly;
    double income = monthly ? 12.0 * taxableIncome : taxableIncome;
    if (income < 0)
        income = 0;
    double tax = taxAfterRebate(taxBeforeRebates(income), rebate);
    if (monthly)
        tax = tax / 12.0;
    return {income, tax};
}

double uifCeiling(const PayrollSettings& s, PackagePeriod period)
{
    return period == PackagePeriod::Monthly ? s.UIFLimit : s.UIFLimit * 12;
}

}  // namespace

double PackageInputs::otherExpensesTotal() const
{
    return otherExpenses[0] + otherExpenses[1] + otherExpenses[2] + otherExpenses[3];
}

QString tooLargeMessage()
{
    return QStringLiteral("An amount or setting of 1 000 000 000 000 or more cannot be calculated.");
}

QString searchBoundMessage(PackagePeriod period)
{
    const QString limit = period == PackagePeriod::Monthly ? QStringLiteral("R 4 166 666 a month")
                                                           : QStringLiteral("R 50 000 000 a year");
    return QStringLiteral("No salary of up to %1 yields the net salary required. Check the amount required "
                          "and the R/Fund percentages on the Setup panel.")
        .arg(limit);
}

double maximumTrialSalary(PackagePeriod period)
{
    return period == PackagePeriod::Monthly ? std::floor(kMaximumAnnualTrialSalary / 12) : kMaximumAnnualTrialSalary;
}

double CarFringeBenefit(double carValue, bool maintenancePlan, double fringeBenefitRate, PackagePeriod period)
{
    const double monthlyBenefit = carValue * (maintenancePlan ? 3.25 : 3.5) / 100.0;
    const double taxed = monthlyBenefit * fringeBenefitRate;
    return period == PackagePeriod::Annual ? taxed * 12 : taxed;
}

double FundContribution(double percentage, double fixedAmount, double base)
{
    return percentage > 0 ? percentage * base / 100.0 : fixedAmount;
}

bool applyCombinedFundLimit(PayrollSettings& settings)
{
    if (settings.PensionCont + settings.EmployerPenCont > kCombinedFundPercentLimit) {
        settings.PensionCont = 0;
        settings.EmployerPenCont = 0;
        return true;
    }
    return false;
}

PackageResult BackwardPackage(const PackageInputs& in, const PayrollSettings& s, SearchMethod method)
{
    PackageResult r = unchanged(in, PackageDirection::Backward);
    const bool monthly = in.period == PackagePeriod::Monthly;
    const double N = in.mainAmount;
    if (N == 0) {
        r.status = PackageStatus::RefusedSilently;
        return r;
    }
    if (!withinCalculableRange(in, s))
        return refused(r, tooLargeMessage());

    const double T = in.travelAllowance;
    const double F = in.otherTaxableBenefits;
    const double O = in.otherExpensesTotal();
    // The parts of the package that are not salary must leave room for a salary. The annual
    // window counts the fund amounts as they stand in their fields.
    const double fringe = monthly ? T + F + O : T + F + O - in.employerFund + in.employeeFund;
    if (fringe > N)
        return refused(r, kFringeBenefitsMessage);

    const MedicalCredits medical = medicalCredits(in);
    BackwardSearchConstants k;
    k.monthly = monthly;
    k.B = CarFringeBenefit(in.carValue, s.CompCarMPYesNo, s.CompCarFBRate8020, in.period);
    k.Trt = TaxableTravelAllowance(T, s.TAIncRate8020);
    k.T = T;
    k.F = F;
    k.O = O;
    k.Mee = in.employeeMedicalAid;
    k.Mer = in.employerMedicalAid;
    k.C = medical.feesCredit + medical.additional;
    // Further medical deductions count only from the age of the secondary rebate.
    k.Dmed = in.age < kTaxYear.secondaryAge ? 0.0 : in.medicalDeductions;
    k.rebate = RebateForAge(in.age);
    k.L = uifCeiling(s, in.period);
    k.uee = s.EmployeeUIF;
    k.employeePercent = s.PensionCont > 0;
    k.employerPercent = s.EmployerPenCont > 0;
    k.pee = s.PensionCont;
    k.per = s.EmployerPenCont;
    k.Aee = in.employeeFund;
    k.Aer = in.employerFund;

    const double maximumG = maximumTrialSalary(in.period);
    const SearchOutcome search =
        method == SearchMethod::Fast ? fastBackwardSearch(k, N, maximumG) : literalBackwardSearch(k, N, maximumG);
    r.trials = search.trials;
    if (!search.found)
        return refused(r, searchBoundMessage(in.period));

    const double G = search.G;
    const BackwardTrial t = evaluateBackwardTrial(k, G);

    // The allowable deduction of the contributions: at most 27.5 % of the trial's
    // remuneration and the annual cap.
    r.allowableFundDeduction =
        RetirementFundDeduction(t.RFee + t.RFer, G + k.Mer + k.Mee + k.Trt + t.RFer, periodsPerYear(in.period));

    // Computed contributions go back into their amount fields.
    r.employeeFund = t.RFee;
    r.employerFund = t.RFer;
    r.employeeFundField = k.employeePercent ? t.RFee : in.employeeFund;
    r.employerFundField = k.employerPercent ? t.RFer : in.employerFund;
    r.beneficiariesField = medical.beneficiaries;
    r.medicalDeductionsField = k.Dmed;

    const double charged = t.R > k.L ? k.L : t.R;
    r.employeeUIF = t.employeeUIF;
    r.employerUIF = charged * s.EmployerUIF / 100.0;
    r.skillsLevy = (t.R - (t.RFee + t.RFer)) * s.SkillLevy / 100.0;
    r.taxDue = t.tax;
    r.medicalSchemeFeesCredit = medical.feesCredit;
    r.additionalMedicalCredit = medical.additional;
    r.taxCredit = medical.feesCredit + medical.additional;
    const double deduction = t.tax - r.taxCredit;
    r.taxDeduction = deduction > 0 ? deduction : 0.0;

    r.salary = N + k.Dmed + r.employeeUIF + r.taxDeduction + k.Mee + O + r.employeeFundField;
    r.onceOffCarCost = in.carValue > 0 && in.carCost == 0 ? in.carValue : 0.0;
    r.totalCostToCompany = r.salary + k.Mer + r.employerUIF + r.skillsLevy + in.carCost + r.employerFundField;
    r.limitWarning = t.RFee + t.RFer > r.allowableFundDeduction;

    r.trialSalary = G;
    r.taxableIncome = t.TI;
    r.lookupIncome = t.lookupIncome;
    r.carBenefit = k.B;
    return r;
}

PackageResult ForwardPackage(const PackageInputs& in, const PayrollSettings& s)
{
    PackageResult r = unchanged(in, PackageDirection::Forward);
    const double P = in.mainAmount;
    if (P == 0) {
        r.status = PackageStatus::RefusedSilently;
        return r;
    }
    if (!withinCalculableRange(in, s))
        return refused(r, tooLargeMessage());

    const MedicalCredits medical = medicalCredits(in);
    const double T = in.travelAllowance;
    const double Trt = TaxableTravelAllowance(T, s.TAIncRate8020);
    const double B = CarFringeBenefit(in.carValue, s.CompCarMPYesNo, s.CompCarFBRate8020, in.period);
    const double rebate = RebateForAge(in.age);
    const double Mee = in.employeeMedicalAid;
    const double Mer = in.employerMedicalAid;

    // Contributions as a percentage of the package.
    const double RFee = FundContribution(s.PensionCont, in.employeeFund, P);
    const double RFer = FundContribution(s.EmployerPenCont, in.employerFund, P);
    r.allowableFundDeduction = RetirementFundDeduction(RFee + RFer, P + Mer + Trt + RFer, periodsPerYear(in.period));

    // The travel allowance is paid in cash and taxed at its inclusion rate; the car is not
    // part of the package but its benefit is taxed.
    const double TI = P - T + Trt + B - r.allowableFundDeduction;
    const PeriodTax tax = periodTax(TI, rebate, in.period);

    r.employeeFund = RFee;
    r.employerFund = RFer;
    r.employeeFundField = s.PensionCont > 0 ? RFee : in.employeeFund;
    r.employerFundField = s.EmployerPenCont > 0 ? RFer : in.employerFund;
    r.beneficiariesField = medical.beneficiaries;

    const double L = uifCeiling(s, in.period);
    const double R = P - T + Trt + B;
    const double charged = R > L ? L : R;
    r.employeeUIF = charged * s.EmployeeUIF / 100.0;
    r.employerUIF = charged * s.EmployerUIF / 100.0;
    r.skillsLevy = (R - r.allowableFundDeduction) * s.SkillLevy / 100.0;
    r.limitWarning = RFee + RFer > r.allowableFundDeduction;

    r.taxDue = tax.tax;
    r.medicalSchemeFeesCredit = medical.feesCredit;
    r.additionalMedicalCredit = medical.additional;
    r.taxCredit = medical.feesCredit + medical.additional;
    const double deduction = tax.tax - r.taxCredit;
    r.taxDeduction = deduction > 0 ? deduction : 0.0;

    // What is paid out of the package: not the benefits in kind, nor the employer's
    // medical and fund contributions.
    r.salary = P - Mee - in.otherTaxableBenefits - r.employeeFundField - r.employeeUIF - r.taxDeduction - Mer
               - r.employerFundField;
    r.onceOffCarCost = in.carValue > 0 && in.carCost == 0 ? in.carValue : 0.0;
    r.totalCostToCompany = P + r.employerFundField + r.employerUIF + r.skillsLevy + in.carCost;

    r.taxableIncome = TI;
    r.lookupIncome = tax.lookupIncome;
    r.carBenefit = B;
    return r;
}

PackageResult calculatePackage(PackageDirection direction, const PackageInputs& inputs, const PayrollSettings& settings)
{
    return direction == PackageDirection::Backward ? BackwardPackage(inputs, settings)
                                                   : ForwardPackage(inputs, settings);
}

}  // namespace kestrel
