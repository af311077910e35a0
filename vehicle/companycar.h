#pragma once
// Company cars: one record per vehicle that the employee had the use of in the tax year,
// kept in the session as a set.

#include "common/dates.h"
#include "rules/taxyear.h"

#include <QString>

#include <vector>

namespace kestrel {

struct CompanyCarRecord {
    QString CCRegNumber;          ///< must not be empty for the window to be usable
    QString CCMake;
    QString CCModel;
    QString YearOfManfact;
    double CCPrice = 0;           ///< determined value incl. VAT, rand
    short MaintIncluded = 0;      ///< 1: bought with a maintenance plan
    DayNumber CCStartDate = TaxYearStart;
    DayNumber CCEndDate = TaxYearEnd;
    double EndMileage = 0;
    double StartMileage = 0;
    double TotalDistance = 0;
    double BusDistance = 0;
    short BussMilage = 0;         ///< 1: a logbook of business mileage is kept
    double ActualExpEmployee = 0;
    short SARSTable = 0;          ///< 1: value the fuel from the vehicle cost scale
    double FuelReimbEmployer = 0;
    double EmpPaidInsurance = 0;
    double EmpPaidLicence = 0;
    double EmpPaidMaintenance = 0;
    double FB3802ThisCar = 0;
    double AdjustTaxableInc = 0;  ///< written by the calculation
    double FuelComponent = 0;     ///< written by the calculation
};

struct CompanyCarSet {
    short count = 0;        ///< vehicles 1..count; at most 32 767
    short current = 0;      ///< record shown and edited (0 while the set is empty)
    short shownNumber = 0;  ///< the number in the caption
    double Actual3802 = 0;  ///< "Total code 3802 f/benefits on IRP5's" for all vehicles
    short autoSplit = 0;    ///< 1: split Actual3802 over the vehicles by days of use
    std::vector<CompanyCarRecord> records = std::vector<CompanyCarRecord>(1);  ///< [0] is the starting record
};

}  // namespace kestrel
