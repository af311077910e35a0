#pragma once
// The records that the tax windows and QuickTax write into their report tables of
// Zidazura.mdb: every field by name with its label text in the language of the printout
// and its value. Kept apart from the windows so that a test can read a printout's record
// without a report engine.

#include "payroll/annualcheck.h"
#include "payroll/payperiod.h"
#include "payroll/quicktax.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace kestrel {

enum class PrintLanguage { English, Afrikaans };

struct ReportField {
    QString name;
    QVariant value;
};
using ReportRecord = QList<ReportField>;

/// Where a printout goes: its report table, its report file stem and its preview title.
struct ReportTarget {
    QString table;
    QString stem;
    QString title;
};

ReportTarget payPeriodReportTarget(PayPeriod period);
ReportTarget annualReportTarget();
ReportTarget quickTaxReportTarget();

/// A result as its window shows it: rounded to the cent and read back.
double shownMoney(double value);

/// The record of a pay-period printout (IRP5Mon, IRP5Week, IRP5Day) from the inputs and
/// the result of the last calculation. The daily printout writes no date fields.
ReportRecord payPeriodReportRecord(PrintLanguage language, const QString& employeeName, const PayPeriodInputs& inputs,
                                   const PayPeriodResult& result);

/// The record of the annual printout (IRP5Ann).
ReportRecord annualReportRecord(PrintLanguage language, const QString& employeeName, const AnnualCheckInputs& inputs,
                                const AnnualCheckResult& result);

/// The record of the QuickTax printout ("merlin").
ReportRecord quickTaxReportRecord(const QuickTaxResult& result);

/// The value of a field of a record (an invalid QVariant when the record has none).
QVariant reportFieldValue(const ReportRecord& record, const QString& name);

}  // namespace kestrel
