#pragma once
// Company cars: one record per vehicle that the employee had the use of in the tax year,
// kept in the session as a set, and the figures that the fringe-benefit calculation works
// out for each vehicle.

#include "common/dates.h"
#include "rules/taxyear.h"

#include <QString>

#include <vector>

namespace kestrel {

/// One vehicle. Amounts and distances hold whole numbers as entered (the calculation
/// writes TotalDistance, BusDistance, FB3802ThisCar, AdjustTaxableInc and FuelComponent).
struct CompanyCarRecord {
    QString CCRegNumber;  ///< must not be empty for the window to be usable
    QString CCMake;
    QString CCModel;
    QString YearOfManfact;
    double CCPrice = 0;       ///< determined value incl. VAT, rand
    short MaintIncluded = 0;  ///< 1: bought with a maintenance plan
    DayNumber CCStartDate = TaxYearStart;
    DayNumber CCEndDate = TaxYearEnd;
    double EndMileage = 0;         ///< km
    double StartMileage = 0;       ///< km
    double TotalDistance = 0;      ///< km; recomputed from the readings when EndMileage > 0
    double BusDistance = 0;        ///< km; held to the total distance
    short BussMilage = 0;          ///< 1: a logbook of business mileage is kept
    double ActualExpEmployee = 0;  ///< fuel paid by the employee, rand
    short SARSTable = 0;           ///< 1: value the fuel from the vehicle cost scale
    double FuelReimbEmployer = 0;
    double EmpPaidInsurance = 0;
    double EmpPaidLicence = 0;
    double EmpPaidMaintenance = 0;
    double FB3802ThisCar = 0;     ///< code 3802 amount of this car: entered, or the auto-split
    double AdjustTaxableInc = 0;  ///< written by the calculation
    double FuelComponent = 0;     ///< written by the calculation
};

/// The most vehicles a set holds (its count is a 16-bit number).
inline constexpr int kMaximumVehicles = 32767;

struct CompanyCarSet {
    short count = 0;        ///< vehicles 1..count; at most 32 767
    short current = 0;      ///< record shown and edited (0 while the set is empty)
    short shownNumber = 0;  ///< the number in the caption
    double Actual3802 = 0;  ///< "Total code 3802 f/benefits on IRP5's" for all vehicles
    short autoSplit = 0;    ///< 1: split Actual3802 over the vehicles by days of use
    /// [0] is the starting record, the source of a new vehicle's values; 1..count the vehicles.
    std::vector<CompanyCarRecord> records = std::vector<CompanyCarRecord>(1);
};

/// What the calculation works out for one vehicle (not kept in the records).
struct CompanyCarResult {
    double days = 0;                     ///< "No of days": end date - start date + 1
    double privateDistance = 0;          ///< km
    double trueInclusion = 0;            ///< rand, whole
    double fuelClaim = 0;                ///< rand, whole
    double totalAdditionalExpenses = 0;  ///< rand, whole
    double fuelAndExpenses = 0;          ///< rand, whole
    double sarsAdjustment = 0;           ///< rand, not rounded
    double code3802Amount = 0;           ///< rand, whole
    double monthly80 = 0;
    double monthly20 = 0;
    double fortnightly80 = 0;
    double fortnightly20 = 0;
    double weekly80 = 0;
    double weekly20 = 0;
};

}  // namespace kestrel
