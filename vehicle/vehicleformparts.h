#pragma once
// Small building blocks of the two vehicle windows: whole-number entry fields that take
// digits only (so they can never hold more than their largest value), result fields, and
// the display formats of their figures.

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

namespace kestrel {

class WholeField;
class NumberField;

namespace vehicleui {

/// A whole-number entry field of at most `maximumDigits` digits (0 to 9 999 999 with 7,
/// 0 to 999 999 999 with 9): digits only, right-aligned, about 110 px wide.
WholeField* wholeInput(QWidget* parent, const QString& objectName, int maximumDigits);

/// A read-only result field, right-aligned.
NumberField* resultField(QWidget* parent, const QString& objectName, int width = 110);

QLabel* label(QWidget* parent, const QString& text, const QString& objectName = QString());

/// A whole number grouped by thousands: "32 244", "-108 480".
QString groupedWhole(double value);
/// Two decimals grouped by thousands: "3 876.80".
QString groupedAmount(double value);

/// Sets the text only when it differs, so that refreshing a field from the session does
/// not disturb the cursor or fire a change for nothing.
void setTextIfDifferent(QLineEdit* field, const QString& text);

}  // namespace vehicleui
}  // namespace kestrel
