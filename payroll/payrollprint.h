#pragma once
// Printing a tax printout: write its record into its table of Zidazura.mdb, then run its
// report template to the preview window (with its title) or straight to the printer.

#include "payroll/payrollreports.h"

namespace kestrel {

/// Writes the record (Edit the table's one record, set every field, Update) through the
/// report store. A database error is shown in a message box and false returned; the table
/// is then left as it was.
bool writeReportRecord(const QString& table, const ReportRecord& record);

/// Writes the record and runs the template with the hourglass shown. Destination 0 is the
/// preview window with the printout's title, 1 the printer (no title is set). Errors are
/// shown and the window carries on. Returns true when the report ran.
bool printTaxReport(const ReportTarget& target, const ReportRecord& record, int destination);

}  // namespace kestrel
