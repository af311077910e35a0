#include "vehicle/vehicleprintouts.h"

#include "common/busycursor.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"
#include "shell/session.h"
#include "vehicle/travelallowance.h"

#include <optional>

namespace kestrel {

namespace {

void writeFields(Recordset& recordset, const ReportFields& fields)
{
    for (const ReportField& field : fields)
        recordset.setField(field.name, field.value);
}

std::optional<QString> titleFor(int destination, const QString& title)
{
    if (destination == 0)
        return title;
    return std::nullopt;  // printing straight to the printer sets no title
}

}  // namespace

bool printTravelDeduction(const TravelClaimInputs& inputs, const TravelClaimResult& result, const QString& employeeName,
                          DayNumber startDate, DayNumber endDate, int destination)
{
    QString error;
    {
        BusyCursor busy;
        ReportStore store(session().ReportDbPath);
        Recordset recordset = store.OpenRecordset(QStringLiteral("traveldeduction"));
        recordset.Edit();
        writeFields(recordset, travelDeductionFields(inputs, result, employeeName, startDate, endDate));
        recordset.Update();
        recordset.Close();
        if (!store.Close())
            error = store.errorText();
    }
    if (!error.isEmpty()) {
        showReportError(error);
        return false;
    }
    return PrintReport(travelDeductionTemplate(inputs), titleFor(destination, kCarAllowancePreviewTitle), destination);
}

bool printCompanyCars(const CompanyCarCalculation& printCalc, int destination)
{
    QString error;
    {
        BusyCursor busy;
        ReportStore store(session().ReportDbPath);
        store.Execute(QStringLiteral("DELETE *FROM compcar"));
        Recordset recordset = store.OpenRecordset(QStringLiteral("compcar"));
        for (const ReportFields& row : compCarReportRows(printCalc)) {
            recordset.AddNew();
            writeFields(recordset, row);
            recordset.Update();
        }
        recordset.Close();
        if (!store.Close())
            error = store.errorText();
    }
    if (!error.isEmpty()) {
        showReportError(error);
        return false;
    }
    return PrintReport(QStringLiteral("compcar"), titleFor(destination, kCompanyCarPreviewTitle), destination);
}

}  // namespace kestrel
