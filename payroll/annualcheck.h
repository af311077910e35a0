#pragma once
// The annual tax check: the employees' tax of the whole tax year, or of the part of it
// from a start date to an end date, from the totals paid in that span, with the medical
// scheme fees credit counted month by month.

#include "common/dates.h"
#include "payroll/payrollsettings.h"
#include "rules/taxrules.h"

#include <QString>

#include <array>

namespace kestrel {

/// Months of the tax year in their order: March first, February last.
inline constexpr int kTaxYearMonths = 12;
using MonthlyBeneficiaries = std::array<short, kTaxYearMonths>;

/// Totals of the span, in rand.
struct AnnualCheckInputs {
    short age = 0;
    double salary = 0;
    double employerMedicalAid = 0;
    double employeeMedicalAid = 0;
    double employerFund = 0;
    double employeeFund = 0;
    double commissions = 0;
    double bonus = 0;
    double travelAllowance = 0;
    MonthlyBeneficiaries beneficiaries{};  ///< March first; each 0 to 24
    DayNumber startDate = TaxYearStart;
    DayNumber endDate = TaxYearEnd;
};

enum class AnnualCheckRefusal {
    None,
    StartDateOutsideYear,
    EndDateOutOfRange,      ///< before the start date or after the tax year
    TooManyBeneficiaries,   ///< a month above 24
    NegativeBeneficiaries,  ///< a month below 0
    AmountOutOfRange,
};

struct AnnualCheckResult {
    AnnualCheckRefusal refusal = AnnualCheckRefusal::None;
    QString message;
    QString caption;
    bool ok() const { return refusal == AnnualCheckRefusal::None; }

    double allowableFundDeduction = 0;   ///< D (the window shows it to the whole rand)
    double taxLiability = 0;             ///< L
    double medicalSchemeFeesCredit = 0;  ///< C, the sum over the months of the span
    double additionalMedicalCredit = 0;  ///< A
    double totalTaxDeduction = 0;        ///< L - (C + A), not below 0
    double paye = 0;                     ///< PAYE to deduct: P - (C + A), not below 0
    double payePortion = 0;              ///< P
    double site = 0;                     ///< SITE portion S
    double bonusTax = 0;                 ///< V = tax with the bonus - tax without it
    double taxWithBonus = 0;             ///< Twb
    double taxWithoutBonus = 0;          ///< Twob
    double annualisedIncome = 0;         ///< G, the annual income without the bonus
    /// The counts after the calculation: months outside the span are set to 0 when a
    /// medical-aid contribution is present.
    MonthlyBeneficiaries beneficiaries{};

    /// The lookup without the bonus, made last: what the session's tax-scale exchange holds.
    TaxScaleResult lastLookup;
};

/// Calculates the annual check.
///
/// The span of d days (end - start + 1) is annualised by 365 / d when shorter than a year;
/// the fund deduction is the smaller of the contributions and 27.5 % of the remuneration
/// base, capped at 350 000 for the span. The income without the bonus G is annualised; the
/// bonus is added after it, never prorated. With a travel allowance or commissions in the
/// span both annual taxes are cut to whole rand (Int); otherwise they keep their cents
/// (and G then holds neither travel allowance nor commissions). The liability is the tax
/// without the bonus prorated by d / 365, plus the bonus tax.
AnnualCheckResult calculateAnnualCheck(const AnnualCheckInputs& inputs, const PayrollSettings& settings);

/// True when month `index` (0 = March) lies within the span from `start` to `end`.
bool monthInSpan(int index, DayNumber start, DayNumber end);

}  // namespace kestrel
