#pragma once
// Reading and showing numbers. The program's formats are fixed (a point for decimals,
// thousands grouped with blanks) and never follow the system locale.

#include <QString>
#include <QStringView>

namespace kestrel {

/// The value of an entry field: the leading number of its text, 0 when there is none.
/// Blanks (also no-break spaces) are skipped wherever they stand, so "1 234.50" reads as
/// 1234.5; then an optional sign, digits with at most one decimal point, and an optional
/// exponent ("1.5E3"). Reading stops at the first other character ("12abc" is 12,
/// "--5" is 0). A number beyond the double range reads as the largest double of its sign.
double leadingNumber(QStringView text);

/// Fixed decimals with a point and no grouping: "0.00" for 2 decimals, "0" for none.
/// Rounds half to even on the exact value. Never shows "-0.00". A value that is not a
/// finite number is shown as "Overflow".
QString formatFixed(double value, int decimals);

/// The format "### ### ##0.00": thousands grouped by a blank, two decimals, at least one
/// digit before the point, no leading blanks ("1 234 567.89", "0.50", "-1 000.00").
QString formatGrouped(double value);

/// The format "# ### ### ###.00": as formatGrouped but a value below 1 shows no digit
/// before the point (".50", ".00").
QString formatGroupedNoLeadingZero(double value);

/// Money (two decimals), percentage (three decimals) and whole-number display.
inline QString formatMoney(double value)
{
    return formatFixed(value, 2);
}
inline QString formatPercent(double value)
{
    return formatFixed(value, 3);
}
inline QString formatWhole(double value)
{
    return formatFixed(value, 0);
}

/// A plain number as written into a text: no grouping, decimals only when it has any
/// (250000, 1234.5). Uses the shortest form that reads back as the same double.
QString formatPlain(double value);

}  // namespace kestrel
