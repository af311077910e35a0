#include "payroll/annualcheck.h"

#include "common/rounding.h"
#include "payroll/payrollmessages.h"

namespace kestrel {

using namespace payroll;

bool monthInSpan(int index, DayNumber start, DayNumber end)
{
    return taxYearMonthIndex(monthOf(start)) <= index && taxYearMonthIndex(monthOf(end)) >= index;
}

namespace {

AnnualCheckResult refused(AnnualCheckRefusal why, const QString& message, const QString& caption = QString())
{
    AnnualCheckResult result;
    result.refusal = why;
    result.message = message;
    result.caption = caption;
    return result;
}

}  // namespace

AnnualCheckResult calculateAnnualCheck(const AnnualCheckInputs& in, const PayrollSettings& settings)
{
    if (in.startDate < TaxYearStart || in.startDate > TaxYearEnd)
        return refused(AnnualCheckRefusal::StartDateOutsideYear, startDateMessage(), kCaptionIncorrectDate);
    // An end before the start would make the span 0 days or fewer.
    if (in.endDate < in.startDate || in.endDate > TaxYearEnd)
        return refused(AnnualCheckRefusal::EndDateOutOfRange, endDateMessage(formatDate(in.startDate)),
                       kCaptionIncorrectDate);
    for (short count : in.beneficiaries) {
        if (count > kMaximumMonthlyBeneficiaries)
            return refused(AnnualCheckRefusal::TooManyBeneficiaries, kMessageMaximumBeneficiaries);
        if (count < 0)
            return refused(AnnualCheckRefusal::NegativeBeneficiaries, kMessageNegativeBeneficiaries);
    }
    if (!amountsInRange({in.salary, in.employerMedicalAid, in.employeeMedicalAid, in.employerFund, in.employeeFund,
                         in.commissions, in.bonus, in.travelAllowance}))
        return refused(AnnualCheckRefusal::AmountOutOfRange, kMessageAmountRange);

    AnnualCheckResult r;
    r.beneficiaries = in.beneficiaries;

    // 1. The medical scheme fees credit, month by month over the span.
    if (in.employerMedicalAid > 0 || in.employeeMedicalAid > 0) {
        for (int month = 0; month < kTaxYearMonths; ++month) {
            if (monthInSpan(month, in.startDate, in.endDate))
                r.medicalSchemeFeesCredit +=
                    MedicalSchemeFeesCredit(r.beneficiaries[month], in.employerMedicalAid, in.employeeMedicalAid);
            else
                r.beneficiaries[month] = 0;
        }
    }

    // 2. Rebate; 3. the span and its proration.
    const double rebate = RebateForAge(in.age);
    const double days = in.endDate - in.startDate + 1;
    const bool partOfYear = days < 365;
    const double proration = partOfYear ? days / 365 : 1;
    auto annualised = [&](double income) { return partOfYear ? income * 365 / days : income; };

    // 4. The allowable fund deduction, capped for the span (not prorated).
    const double taxableTravel = TaxableTravelAllowance(in.travelAllowance, settings.TAIncRate8020);
    const double remunerationBase =
        in.salary + in.employerMedicalAid + in.commissions + in.bonus + taxableTravel + in.employerFund;
    r.allowableFundDeduction = RetirementFundDeduction(in.employerFund + in.employeeFund, remunerationBase, 1);

    // 5. The annual taxes with and without the bonus; the lookup without it is made last.
    double withBonus = 0;
    double withoutBonus = 0;
    if (in.travelAllowance + in.commissions > 0) {
        r.annualisedIncome = annualised(taxableTravel + in.salary + in.commissions - r.allowableFundDeduction
                                        + in.employerMedicalAid + in.employerFund);
        withBonus = vbInt(TaxScaleLookup(r.annualisedIncome + in.bonus).taxBeforeRebates - rebate);
        r.lastLookup = TaxScaleLookup(r.annualisedIncome);
        withoutBonus = vbInt(r.lastLookup.taxBeforeRebates - rebate);
    } else {
        r.annualisedIncome = annualised(in.salary - r.allowableFundDeduction + in.employerMedicalAid + in.employerFund);
        withBonus = TaxScaleLookup(r.annualisedIncome + in.bonus).taxBeforeRebates - rebate;
        r.lastLookup = TaxScaleLookup(r.annualisedIncome);
        withoutBonus = r.lastLookup.taxBeforeRebates - rebate;
    }
    r.taxWithBonus = withBonus < 0 ? 0 : withBonus;
    r.taxWithoutBonus = withoutBonus < 0 ? 0 : withoutBonus;
    r.bonusTax = r.taxWithBonus - r.taxWithoutBonus;

    // 6. The liability: the tax without the bonus for the span, and the bonus tax in full.
    const double liability = proration * r.taxWithoutBonus + r.bonusTax;
    r.taxLiability = liability < 0 ? 0 : liability;

    // 7. All of the liability is PAYE; nothing is SITE.
    r.site = 0;
    r.payePortion = r.taxLiability;

    // 8. The additional medical credit from age 65.
    r.additionalMedicalCredit =
        AdditionalMedicalCredit(in.age, in.employerMedicalAid, in.employeeMedicalAid, r.medicalSchemeFeesCredit);

    // 9. What is left to deduct after the credits.
    const double credits = r.medicalSchemeFeesCredit + r.additionalMedicalCredit;
    const double total = r.taxLiability - credits;
    r.totalTaxDeduction = total > 0 ? total : 0;
    const double paye = r.payePortion - credits;
    r.paye = paye > 0 ? paye : 0;
    return r;
}

}  // namespace kestrel
