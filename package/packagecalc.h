#pragma once
// The salary-package model of the 2018/19 tax year, without any window: what the four
// package windows take (PackageInputs), what a calculation yields (PackageResult), the
// rules that both directions share (CarFringeBenefit, FundContribution) and the two
// calculations. BackwardPackage finds the gross salary and the cost to company that yield
// a required net salary; ForwardPackage splits a total package amount into its parts.
//
// Both are pure functions of the inputs and the payroll settings. What a window writes back
// into its own fields after a calculation (the computed fund contributions, the cleared
// beneficiaries and medical deductions) is part of the result.

#include "payroll/payrollsettings.h"

#include <QString>

#include <array>

namespace kestrel {

enum class PackageDirection { Backward, Forward };
enum class PackagePeriod { Monthly, Annual };

/// What one package window holds in its entry fields. Every amount is rand for the window's
/// period (a month or the whole year).
struct PackageInputs {
    PackagePeriod period = PackagePeriod::Monthly;
    int age = 0;                      ///< numAge, whole years
    double mainAmount = 0;            ///< numNetMonSalReq: net salary required (backward) or total package (forward)
    double carValue = 0;              ///< numCompCar: determined value of the company car
    double carCost = 0;               ///< numCCCompCar: what the car costs the company in the period
    double travelAllowance = 0;       ///< numTravAll
    double employeeMedicalAid = 0;    ///< numMedAidCont
    double employerMedicalAid = 0;    ///< numCCMedAidCont
    int beneficiaries = 0;            ///< numPMems: beneficiaries (monthly) or beneficiary-months (annual)
    double otherTaxableBenefits = 0;  ///< numOTaxFB
    double employeeFund = 0;          ///< numRFundCont: used as the contribution when no employee percentage is set
    double employerFund = 0;          ///< numCCRFundCont: used as the contribution when no employer percentage is set
    double medicalDeductions = 0;     ///< numMedDeduct: backward windows only
    std::array<double, 4> otherExpenses{};         ///< numOtherDet(0..3), deducted from the employee
    std::array<double, 4> otherExpensesCompany{};  ///< numOtherDetCC(0..3), printed only
    std::array<QString, 4> otherDescriptions;      ///< txtOtherDet(0..3), printed only
    QString taxpayerName;                          ///< Text1, printed only

    /// O: the sum of the four other-expense amounts.
    double otherExpensesTotal() const;
};

enum class PackageStatus {
    Calculated,
    RefusedSilently,  ///< the main amount is 0: no message, the previous results stay
    Refused,          ///< refused with a message (PackageResult::message)
};

/// What a package calculation yields, for the window's period.
struct PackageResult {
    PackageStatus status = PackageStatus::Calculated;
    QString message;  ///< the text of the message box of a refused calculation

    double taxDue = 0;                   ///< numMAns: tax after the rebate, not below 0
    double medicalSchemeFeesCredit = 0;  ///< MTC
    double additionalMedicalCredit = 0;  ///< AMC
    double taxCredit = 0;                ///< numTaxCredit = MTC + AMC
    double taxDeduction = 0;             ///< numTaxDeduct = tax due - credit, or 0
    double employeeUIF = 0;              ///< numUIFCont
    double employerUIF = 0;              ///< numCCUIFCont
    double skillsLevy = 0;               ///< numCCSkillLev
    double employeeFund = 0;             ///< RFee: the employee's fund contribution
    double employerFund = 0;             ///< RFer: the employer's fund contribution
    double allowableFundDeduction = 0;   ///< limit of the retirement-fund deduction (not shown)
    double salary = 0;                   ///< numGrossSal: gross salary (backward) or net take-home salary (forward)
    double totalCostToCompany = 0;       ///< numTotCostComp
    double onceOffCarCost = 0;           ///< numOnceOff: the car value when the company pays no car cost
    bool limitWarning = false;           ///< "R/Fund contributions exceed allowable limits!"

    // The entry fields as the calculation leaves them.
    double employeeFundField = 0;       ///< numRFundCont (the computed contribution when a percentage is set)
    double employerFundField = 0;       ///< numCCRFundCont
    int beneficiariesField = 0;         ///< numPMems (0 when there is no medical contribution)
    double medicalDeductionsField = 0;  ///< numMedDeduct (0 below age 65)

    double trialSalary = 0;    ///< backward: the trial salary G at which the search stopped
    double taxableIncome = 0;  ///< TI of the period
    double lookupIncome = 0;   ///< the annual income looked up on the tax scale (for the tax-scale exchange)
    double carBenefit = 0;     ///< B: the taxed car benefit of the period
    long long trials = 0;      ///< backward: trial salaries evaluated by the search

    bool calculated() const { return status == PackageStatus::Calculated; }
};

/// The message of the backward windows when the fringe benefits alone exceed the net
/// salary required.
inline const QString kFringeBenefitsMessage = QStringLiteral("Fringe benefits more than salary required!");

/// The message for an amount or a setting too large to calculate with.
QString tooLargeMessage();

/// The message when no trial salary up to the search bound yields the net salary required.
QString searchBoundMessage(PackagePeriod period);

/// Inputs and settings whose magnitude reaches this are refused: below it no intermediate
/// amount of either calculation can overflow.
inline constexpr double kLargestAmount = 1e12;

/// True when every amount and setting is finite and below kLargestAmount.
bool withinCalculableRange(const PackageInputs& inputs, const PayrollSettings& settings);

/// The largest trial salary the backward search tries: R 50 000 000 a year, R 4 166 666 a
/// month. No real package comes near it, and the search stays well under a second.
double maximumTrialSalary(PackagePeriod period);

/// CarFringeBenefit: the taxed company-car benefit of the period. Monthly benefit = car
/// value x 3.25 % with a maintenance plan, x 3.5 % without; taxed part = benefit x the
/// fringe-benefit rate (0.8 or 0.2); an annual period multiplies by 12.
double CarFringeBenefit(double carValue, bool maintenancePlan, double fringeBenefitRate, PackagePeriod period);

/// FundContribution: percentage x base / 100 when the percentage is above 0, otherwise the
/// fixed amount typed into the field.
double FundContribution(double percentage, double fixedAmount, double base);

/// How the backward calculation searches its trial salary. Both give the same trial salary
/// to the last bit; Fast brackets and bisects where the net provably grows with the trial
/// salary and steps one rand at a time elsewhere.
enum class SearchMethod { Fast, Literal };

/// BackwardPackage: raises a trial salary G one rand at a time (from 1) until the net salary
/// it yields exceeds the net salary required N, then builds the gross salary and the total
/// cost to company from N and the deductions. Refused silently when N = 0, and with a
/// message when the fringe benefits exceed N (monthly T + F + O, annual T + F + O - Aer +
/// Aee), an amount is too large, or no trial salary up to maximumTrialSalary() suffices.
PackageResult BackwardPackage(const PackageInputs& inputs, const PayrollSettings& settings,
                              SearchMethod method = SearchMethod::Fast);

/// ForwardPackage: splits a total package amount P directly into tax, UIF, fund
/// contributions, the net take-home salary and the total cost to company. Refused silently
/// when P = 0, with a message when an amount is too large.
PackageResult ForwardPackage(const PackageInputs& inputs, const PayrollSettings& settings);

/// The calculation of a window's direction.
PackageResult calculatePackage(PackageDirection direction, const PackageInputs& inputs,
                               const PayrollSettings& settings);

/// The combined check of the backward windows: employee plus employer fund percentage
/// above 27.5 sets both to 0. Returns true when it did.
bool applyCombinedFundLimit(PayrollSettings& settings);

}  // namespace kestrel
