#pragma once
// The record of the salary-package printout: the fields of table SalPackage in the
// report-data database, with the values a package window writes into them, and the report
// file and preview title of each window.

#include "package/packagecalc.h"

#include <QString>
#include <QVariant>

#include <vector>

namespace kestrel {

/// The result fields of a package window, as they are shown after the calculation.
struct SalPackageShown {
    double employeeUIF = 0;  ///< "UIF contribution"
    double employerUIF = 0;
    double skillsLevy = 0;
    double taxDue = 0;
    double taxCredit = 0;
    double taxDeduction = 0;
    double salary = 0;  ///< "Gross salary" or "Net salary(take-home)"
    double totalCostToCompany = 0;
    double onceOffCarCost = 0;  ///< 0 when the once-off note is hidden
};

struct SalPackageField {
    QString name;
    QVariant value;  ///< a double or a QString
};

/// The fields of SalPackage in the order the print routine sets them. `inputs` are the
/// window's entry fields after the calculation (fund amounts written back).
std::vector<SalPackageField> salPackageFields(PackageDirection direction, const PackageInputs& inputs,
                                              const SalPackageShown& shown);

/// The title written into MonAnn: "Kestrel Salary Package Calculation : Monthly" and so on.
QString salPackageTitle(PackageDirection direction, PackagePeriod period);

/// The report file stem: "Kestrel" for the backward windows, "Ospreyrp" for the forward ones.
QString salPackageReportStem(PackageDirection direction);

/// The preview window's title, "Kestrel2019 Monthly - To export printout click on the
/// suitcase button or goto Help" and so on.
QString salPackagePreviewTitle(PackageDirection direction, PackagePeriod period);

}  // namespace kestrel
