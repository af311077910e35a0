#pragma once
// Calendar days. Where the system keeps a date as a number it is the count of days from
// 30 December 1899 (day 0), so 1 March 2018 is 43160; dates are shown as dd/mm/yyyy.

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace kestrel {

using DayNumber = int;

/// 1 January 1800: the marker that a date field has no date chosen yet.
inline constexpr DayNumber kNoDateMarker = -36522;

/// Day number of a calendar date (year, month 1-12, day 1-31); the date must be valid.
DayNumber dayNumber(int year, int month, int day);
DayNumber dayNumber(const QDate& date);
QDate dateOfDayNumber(DayNumber day);

/// "dd/mm/yyyy" of a day number.
QString formatDate(DayNumber day);
QString formatDate(const QDate& date);

/// Reads a typed date. Accepted: day, month and a four-digit year separated by '/', '-' or
/// '.', with one or two digits for day and month ("1/3/2018", "01-03-2018"), or eight digits
/// without separators ("01032018"). Blanks around the text and the underscores of an input
/// mask are ignored. Returns nothing for anything else or for a day that does not exist.
std::optional<DayNumber> parseDate(QStringView text);

/// Month (1-12) and day of the month of a day number.
int monthOf(DayNumber day);
int dayOfMonthOf(DayNumber day);

}  // namespace kestrel
