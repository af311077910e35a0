#pragma once
// Helpers of the payroll window tests: a Settings.mdb with a chosen Setup record, typing
// into a named field, and pictures of windows for review.

#include "payroll/payrollsettings.h"

#include <QString>

class QWidget;

namespace kestrel::test {

/// Creates (or replaces) the settings database at `path` with table Setup holding one
/// record of `settings`.
void writeSettingsDatabase(const QString& path, const PayrollSettings& settings);

/// Types `text` into the named field of `window` (its old text selected away first) and
/// leaves it, as a user does with Tab.
void typeInto(QWidget* window, const char* field, const QString& text);

/// The text of a named field.
QString fieldText(QWidget* window, const char* field);

/// Clicks the named button.
void click(QWidget* window, const char* button);

/// Saves a picture of the widget as <KESTREL_GRAB_DIR>/<name>.png when that environment
/// variable is set (for looking at the windows); does nothing otherwise.
void grabForReview(QWidget* widget, const QString& name);

}  // namespace kestrel::test
