#pragma once
// What a template reads from Zidazura.mdb: the one record of its single-record table and
// the rows of its grid and each tables, with the declared type of every field, and the
// check that every {Field} of the template names a field of those tables.

#include "reports/reportschema.h"
#include "reports/reporttemplate.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

namespace kestrel::report {

/// One table as read: its columns and its rows (the single-record table has one).
struct TableData {
    QString name;
    QList<TableColumn> columns;
    QList<QList<QVariant>> rows;

    /// Index of a field by name (without regard to case), -1 when the table lacks it.
    int indexOf(const QString& field) const;
};

struct ReportData {
    std::optional<TableData> record;   ///< the template's `table`
    QHash<QString, TableData> tables;  ///< grid and each tables by lower-case name
    const TableData* table(const QString& name) const;
};

/// Reads every table the template names from the database at `databasePath`. Returns
/// nothing and sets `error` for a missing or unreadable database, a missing table, an
/// empty single-record table, or a {Field} that its table lacks (with the line).
std::optional<ReportData> loadReportData(const QString& databasePath, const ReportTemplate& report, QString* error);

}  // namespace kestrel::report
