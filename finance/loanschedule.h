#pragma once
// Amortisation schedules of an annuity loan: how each instalment splits into capital and
// interest and the balance left, month by month or summed per year.

#include <QString>

#include <vector>

namespace kestrel {

/// One line of a schedule: month or year number, capital repaid, interest paid, and the
/// balance outstanding at its end.
struct ScheduleRow {
    int number = 0;
    double capital = 0;
    double interest = 0;
    double balance = 0;
};

/// The monthly schedule of `principal` over `months` at `ratePercent` a year. The
/// instalment is recomputed from the three (M = j × P / (1 − (1 + j)^−n)); instalment i
/// repays capital M × (1 + j)^−(n + 1 − i) and interest M − capital. The balance is kept
/// as an absolute value so that the last one never shows as a tiny negative number.
/// Empty when any input is 0.
std::vector<ScheduleRow> monthlySchedule(double principal, int months, double ratePercent);

/// The annual schedule: one row per whole year (the sums of its twelve months, with the
/// balance at its end) and, when the period is not a whole number of years, a last
/// part-year row holding the capital and interest not yet counted and a balance of 0.
/// The part year's interest is worked from `heldRepayment`, the loan's repayment as the
/// loan calculator holds it: (heldRepayment × months − principal) − interest counted.
struct AnnualSchedule {
    std::vector<ScheduleRow> rows;
    short yearLayout = 0;     ///< 1: a whole number of years; 2: with a last part year
    short wholeYears = 0;     ///< number of whole years
    short yearsWithPart = 0;  ///< whole years plus the part year (when there is one)
};
AnnualSchedule annualSchedule(double principal, int months, double ratePercent, double heldRepayment);

/// A schedule as comma-separated values for a spreadsheet: a heading line ("Month" or
/// "Year", then "Capital", "Interest", "Balance") and one line per row, amounts with two
/// decimals and a decimal point, no grouping, lines ended by CR LF.
QString scheduleCsv(const std::vector<ScheduleRow>& rows, bool annual);

}  // namespace kestrel
