#pragma once
// The two vehicle printouts: the car allowance claim ("traveldeduction", templates
// "caepnrk" and "caeprk") and the company cars ("compcar", one row per vehicle). Each
// fills its table of the report-data database and runs its template; an error of the
// database or the report engine is shown in a message box and nothing else changes.

#include "common/dates.h"
#include "rules/travelclaim.h"
#include "vehicle/companycarcalc.h"

namespace kestrel {

inline const QString kCarAllowancePreviewTitle =
    QStringLiteral("Car Allowance - To export printout click on the suitcase button or goto Help");
inline const QString kCompanyCarPreviewTitle =
    QStringLiteral("Full use of Company Car - To export printout click on the suitcase button or goto Help");

/// Writes the one "traveldeduction" record and runs "caepnrk" (deemed cost) or "caeprk"
/// (actual cost). Destination 0 previews with the car allowance title, 1 prints.
bool printTravelDeduction(const TravelClaimInputs& inputs, const TravelClaimResult& result, const QString& employeeName,
                          DayNumber startDate, DayNumber endDate, int destination);

/// Empties "compcar", writes one row per vehicle of the PrintCalc and runs "compcar".
bool printCompanyCars(const CompanyCarCalculation& printCalc, int destination);

}  // namespace kestrel
