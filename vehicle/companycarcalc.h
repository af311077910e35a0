#pragma once
// The company-car fringe benefit of the 2018/19 year over a set of vehicles, against the
// code 3802 amount that the employer declared on the IRP5 for all of them together.
//
// For each vehicle: the true inclusion (3.5 % of the determined value a month, 3.25 % with
// a maintenance plan, for the days of use, and with a logbook only for the private share
// of the distance), the fuel and other costs the employee bore (their private share), the
// adjustment to taxable income (true inclusion less those costs less the code 3802 amount
// of the car) and the benefit a month, fortnight and week at the 80 % and 20 % inclusion.
// Amounts are rounded to whole rand with halves to the even rand. A step that cannot be
// worked out (a share of a total distance of 0) is skipped and its figure keeps its value.

#include "vehicle/companycar.h"
#include "vehicle/reportfields.h"

#include <vector>

namespace kestrel {

struct CompanyCarCalculation {
    /// The set with the figures that the calculation writes into the records.
    CompanyCarSet set;
    /// The figures of vehicles 1..count (entry 0 stays empty).
    std::vector<CompanyCarResult> results;
    /// CompCarCalc: the vehicle shown has neither a distance nor a price, so the
    /// calculation stopped and the window shows zeros. PrintCalc: at least one vehicle
    /// without a distance and a price was skipped.
    bool stopped = false;
    /// "Total Adjustment to taxable income": AdjustTaxableInc over all vehicles.
    double totalAdjustment = 0;
    /// The SARS adjustments over all vehicles (0 when the calculation stopped).
    double totalSarsAdjustment = 0;
};

/// CompCarCalc: calculates every vehicle of the set in order. When the vehicle shown
/// (set.current) has neither a total distance nor a price the calculation stops at once
/// (the window shows zeros). With the auto-split flag, Actual3802 is spread over the
/// vehicles by their days of use. A vehicle without a price takes its SARS adjustment as
/// its adjustment to taxable income. An empty set gives no figures and totals of 0.
CompanyCarCalculation CompCarCalc(CompanyCarSet set);

/// PrintCalc: the figures of every vehicle for the printout. As CompCarCalc, but a vehicle
/// without a distance and a price is skipped (its figures are 0) instead of stopping.
CompanyCarCalculation PrintCalc(CompanyCarSet set);

/// Days of use of a vehicle: end date - start date + 1.
inline double daysOfUse(const CompanyCarRecord& record)
{
    return double(record.CCEndDate) - double(record.CCStartDate) + 1;
}

/// The rows of the "compcar" printout, one per vehicle in vehicle order, from a PrintCalc.
std::vector<ReportFields> compCarReportRows(const CompanyCarCalculation& calculation);

}  // namespace kestrel
