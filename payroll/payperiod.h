#pragma once
// The tax of one pay: employees' tax, medical tax credits, UIF and the skills development
// levy of a month, fortnight, week or day, for one employee. One calculation serves the
// four pay-period windows; the period decides how the pay is annualised, where the
// rebate is taken, the fund-deduction cap and the UIF ceiling.

#include "common/dates.h"
#include "payroll/payrollsettings.h"
#include "rules/payrules.h"
#include "rules/taxrules.h"

#include <QString>

namespace kestrel {

/// The inputs of one pay; amounts in rand for the period.
struct PayPeriodInputs {
    PayPeriod period = PayPeriod::Monthly;
    short age = 0;
    double salary = 0;              ///< with taxable fringe benefits, without travel allowance or employer fund
    double employerMedicalAid = 0;  ///< a taxable fringe benefit
    double employeeMedicalAid = 0;
    double employerFund = 0;  ///< employer's retirement-fund contributions (a taxable fringe benefit)
    double employeeFund = 0;
    double commissions = 0;
    double bonus = 0;  ///< taxed in full in this period
    double travelAllowance = 0;
    short beneficiaries = 0;      ///< medical-scheme member and dependants
    DayNumber startDate = 43160;  ///< monthly: 01/03/2018
    DayNumber endDate = 43190;    ///< monthly: 31/03/2018
    int normalDays = 0;           ///< fortnightly, weekly: days of a normal period
    int thisDays = 0;             ///< fortnightly, weekly: days of this period
};

/// The inputs of a freshly opened window of the period: everything 0, March 2018 for the
/// monthly window, 14 and 14 days for the fortnightly, 7 and 7 for the weekly.
PayPeriodInputs defaultPayPeriodInputs(PayPeriod period);

/// Why a calculation was refused (nothing is computed then).
enum class PayPeriodRefusal {
    None,
    StartDateOutsideYear,
    EndDateOutsideYear,
    MonthsDiffer,      ///< monthly: start and end date in different months
    StartAfterEnd,     ///< monthly: start day after end day
    DaysExceedNormal,  ///< this period's days above the normal days
    NoDays,            ///< normal or this period's days below 1
    AmountOutOfRange,
};

struct PayPeriodResult {
    PayPeriodRefusal refusal = PayPeriodRefusal::None;
    QString message;  ///< the window's message when refused
    QString caption;  ///< its caption (empty: the application title)
    bool ok() const { return refusal == PayPeriodRefusal::None; }

    double allowableFundDeduction = 0;  ///< D of the period
    double taxableTravelAllowance = 0;  ///< travel allowance x inclusion rate
    double annualTaxableIncome = 0;     ///< with the bonus: the income looked up
    double taxWithBonus = 0;            ///< monthly after the rebate (not below 0), others before
    double taxWithoutBonus = 0;         ///< the same without the bonus
    double rebate = 0;
    double periodTax = 0;                ///< tax of the period before credits, not below 0
    double medicalSchemeFeesCredit = 0;  ///< credit of the period
    double additionalMedicalCredit = 0;  ///< of the period
    double totalTaxDeduction = 0;        ///< period tax less both credits, not below 0
    double employeeUIF = 0;
    double employerUIF = 0;
    double skillsLevy = 0;

    /// The lookup without the bonus, made last: what the session's tax-scale exchange holds
    /// after the calculation.
    TaxScaleResult lastLookup;
};

/// Calculates one pay.
///
/// Income of the period PI = salary + commissions + taxable travel allowance + employer
/// medical aid + employer fund - allowable fund deduction (the bonus apart). It is
/// annualised (monthly 12 x days of the month / days worked, fortnightly and weekly 26 or
/// 52 x normal days / this period's days, daily 260), the bonus added, and the annual tax
/// looked up with and without the bonus. The bonus is taxed in full in the period as the
/// difference of the two; the rest is brought back to the period. The monthly window takes
/// the rebate from both annual taxes (each not below 0), the others once from the tax
/// without the bonus. Credits are the medical scheme fees credit of the period and the
/// additional credit from age 65. UIF is charged on salary + employer medical aid + bonus
/// + taxable travel allowance + employer fund, up to the period's ceiling; the skills levy
/// on that base less the fund deduction plus commissions. Nothing is rounded.
PayPeriodResult calculatePayPeriod(const PayPeriodInputs& inputs, const PayrollSettings& settings);

/// The medical scheme fees credit of a period from the monthly credit: fortnightly / 2,
/// weekly / 4, daily x 12 / 260.
double creditForPeriod(double monthlyCredit, PayPeriod period);

}  // namespace kestrel
