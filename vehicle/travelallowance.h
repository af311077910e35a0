#pragma once
// The car allowance calculation as the window runs it: the period from the dates, the
// deemed-cost claim when no accurate record is kept and its three inputs are given, the
// actual-cost claim when a record is kept; and the values of the "traveldeduction"
// printout.

#include "common/dates.h"
#include "rules/travelclaim.h"
#include "rules/vehiclescale.h"
#include "vehicle/reportfields.h"

namespace kestrel {

struct TravelAllowanceCalculation {
    TravelClaimInputs inputs;  ///< with the period of the dates
    TravelClaimResult result;
    /// The deemed-cost claim ran; false when the vehicle value, the period or the business
    /// distance entered is 0 and the deemed figures are 0.
    bool deemedClaimRan = false;
    /// The scale row of the vehicle value (rand units), when the deemed claim ran.
    VehicleScaleValues scale;
};

/// The car allowance calculation:
/// 1. period = end date - start date + 1;
/// 2. with a vehicle value, a period and a business distance entered all nonzero and no
///    accurate record kept, TravelDeemedClaim; with any of the three 0 the deemed figures
///    (distances, fixed cost per year, the per-km costs, the claim) are 0;
/// 3. with an accurate record kept, TravelActualClaim.
/// `previous` is the result record as it stands; what a step does not set is kept.
TravelAllowanceCalculation calculateTravelAllowance(TravelClaimInputs inputs, TravelClaimResult previous,
                                                    DayNumber startDate, DayNumber endDate);

/// The fields of the one "traveldeduction" record: those of both methods, and those of the
/// method of the accurate-record flag only (the others keep the values of an earlier print).
ReportFields travelDeductionFields(const TravelClaimInputs& inputs, const TravelClaimResult& result,
                                   const QString& employeeName, DayNumber startDate, DayNumber endDate);

/// The report template of the method: "caeprk" with an accurate record, else "caepnrk".
QString travelDeductionTemplate(const TravelClaimInputs& inputs);

}  // namespace kestrel
