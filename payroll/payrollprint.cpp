#include "payroll/payrollprint.h"

#include "common/busycursor.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"
#include "shell/session.h"

namespace kestrel {

namespace {

// The error text of the store, empty when the record was written.
QString storeRecord(const QString& table, const ReportRecord& record)
{
    ReportStore store(session().ReportDbPath);
    Recordset recordset = store.OpenRecordset(table);
    recordset.Edit();
    for (const ReportField& field : record)
        recordset.setField(field.name, field.value);
    recordset.Update();
    recordset.Close();
    if (!store.Close())
        return store.errorText().isEmpty() ? QStringLiteral("The report data could not be written.")
                                           : store.errorText();
    return QString();
}

}  // namespace

bool writeReportRecord(const QString& table, const ReportRecord& record)
{
    const QString error = storeRecord(table, record);
    if (!error.isEmpty()) {
        showReportError(error);
        return false;
    }
    return true;
}

bool printTaxReport(const ReportTarget& target, const ReportRecord& record, int destination)
{
    QString error;
    {
        BusyCursor busy;
        error = storeRecord(target.table, record);
        if (error.isEmpty())
            return PrintReport(target.stem, destination == 0 ? std::optional<QString>(target.title) : std::nullopt,
                               destination);
    }
    // Shown with the normal pointer back.
    showReportError(error);
    return false;
}

}  // namespace kestrel
