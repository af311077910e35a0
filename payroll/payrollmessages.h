#pragma once
// The fixed message texts and captions of the tax windows, and the limits of their entry
// fields. The calculations return these texts as values; the windows show them and
// kestrel-calc reports them, so both say exactly the same.

#include "common/dates.h"
#include "rules/taxyear.h"

#include <QString>

#include <initializer_list>

namespace kestrel::payroll {

// --- Captions --------------------------------------------------------------------------
inline const QString kCaptionIncorrectDate = QStringLiteral("Incorrect Date");
inline const QString kCaptionIncorrectDays = QStringLiteral("Incorrect Number of Days");

// --- Dates -----------------------------------------------------------------------------
/// A start date outside the tax year.
QString startDateMessage();
/// An end date outside its range: `startDateShown` is the start date as its field shows it.
QString endDateMessage(const QString& startDateShown);

inline const QString kMessageSameMonth = QStringLiteral("The Start and End dates entered must be for the same Month");
inline const QString kMessageStartBeforeEnd = QStringLiteral("The Start date entered must be before the End date");

// --- Days of a fortnight or a work week ---------------------------------------------------
inline const QString kMessageFortnightDays =
    QStringLiteral("The number of 'Normal fortnight' days must be = to or larger than 'This fortnight'.");
inline const QString kMessageWeekDays =
    QStringLiteral("The number of 'Normal work-week' days must be = to or larger than 'This work-week'.");
/// The period is scaled by normal days / this period's days and back: neither may be 0.
inline const QString kMessageFortnightNoDays =
    QStringLiteral("The number of 'Normal fortnight' days and of 'This fortnight' days must be at least 1.");
inline const QString kMessageWeekNoDays =
    QStringLiteral("The number of 'Normal work-week' days and of 'This work-week' days must be at least 1.");

/// Day counts are 16-bit whole numbers.
inline const QString kMessageDaysRange = QStringLiteral("The number of days entered is too large.");

// --- Beneficiaries of the annual check --------------------------------------------------
inline constexpr int kMaximumMonthlyBeneficiaries = 24;
inline const QString kMessageMaximumBeneficiaries =
    QStringLiteral("Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!");
inline const QString kMessageNegativeBeneficiaries =
    QStringLiteral("The number of beneficiaries cannot be less than 0.");

// --- Limits that keep every result a finite number of rand ------------------------------
/// The largest amount (in rand, either sign) an amount field takes. Annualising a day's pay
/// multiplies by at most 372 (12 x 31), so every figure stays far inside the double range
/// and is shown to the cent.
inline constexpr double kMaximumAmount = 999999999999.0;
inline const QString kMessageAmountRange = QStringLiteral(
    "The amount entered is out of range. Please enter an amount between -999 999 999 999 and 999 999 999 999.");

/// The settings of the "Setup" panel take any value of that size, negative ones too.
inline const QString kMessageSettingRange = QStringLiteral(
    "The value entered is out of range. Please enter a value between -999 999 999 999 and 999 999 999 999.");

inline constexpr int kMaximumAge = 150;
inline const QString kMessageAgeRange = QStringLiteral("The age entered must be between 0 and 150.");

/// Beneficiaries of the pay-period windows (the member and the dependants).
inline constexpr int kMaximumBeneficiaries = 99;
inline const QString kMessageBeneficiaryRange =
    QStringLiteral("The number of medical aid fund beneficiaries must be between 0 and 99.");

/// True when every amount lies within +/- kMaximumAmount (and is a number at all).
bool amountsInRange(std::initializer_list<double> amounts);

/// Days of the calendar month that the tax year counts for a pay month: 31 for January,
/// March, May, July, August, October and December, 28 for February (always), 30 for the
/// others.
int daysOfPayMonth(int month);

/// Index of a month in tax-year order: March 0, April 1 ... February 11.
inline int taxYearMonthIndex(int month)
{
    return (month + 9) % 12;
}

}  // namespace kestrel::payroll
