#pragma once
// LoadPayrollSettings and SavePayrollSettings: the Setup record of Settings.mdb, read and
// written by column name. A save writes only the columns it is given, in one transaction,
// so an interrupted save leaves the old record or the new one. Nothing here ever creates
// the database or the table, or writes defaults over a damaged file.

#include "payroll/payrollsettings.h"

#include <QString>

#include <optional>

namespace kestrel {

struct SettingsLoad {
    std::optional<PayrollSettings> settings;  ///< nothing when the record could not be read
    QString errorText;
};

/// Reads the columns of the one Setup record (all eleven by default; other columns of the
/// returned copy keep their defaults).
SettingsLoad LoadPayrollSettings(const QString& databasePath, const QStringList& columns = payrollSettingsColumns());

/// Writes the named columns of the one Setup record. Returns the error text, empty when
/// the record was saved.
QString SavePayrollSettings(const QString& databasePath, const PayrollSettings& settings, const QStringList& columns);

}  // namespace kestrel
