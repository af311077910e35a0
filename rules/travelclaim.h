#pragma once
// The car-allowance (travel) claim: its inputs and results, and the three computations on
// the vehicle cost scale. The records live in the session so that a claim survives
// closing and reopening the car allowance window.

#include <QString>

namespace kestrel {

struct TravelClaimInputs {
    double vehicleValue = 0;          ///< rand; selects the scale row
    double allowanceReceived = 0;     ///< rand; 0 means the claim has no limit
    double closingReading = 0;        ///< km
    double openingReading = 0;        ///< km
    double businessDistance = 0;      ///< km from a logbook; 0 when none is kept
    double fuelAndOil = 0;            ///< rand, actual cost
    double repairsAndMaintenance = 0; ///< rand, actual cost
    double insuranceAndLicence = 0;   ///< rand, actual cost
    double otherExpenses = 0;         ///< rand, actual cost
    double wearAndTear = 0;           ///< rand, actual cost
    double leasePayments = 0;         ///< rand, actual cost
    double periodDays = 0;            ///< days of the period (end - start + 1)

    short accurateRecord = 0;         ///< 0 = No (deemed cost), 1 = Yes (actual cost)
    short includeFuel = 1;            ///< nonzero = include the fuel cost
    short includeMaintenance = 1;     ///< nonzero = include the maintenance cost
    QString carDescription;           ///< at most 25 characters
};

struct TravelClaimResult {
    double businessDistance = 0;      ///< km
    double privateDistance = 0;       ///< km
    double totalDistance = 0;         ///< km
    double totalCosts = 0;            ///< rand (actual-cost method)
    double privateUse = 0;            ///< rand (actual-cost method)
    double deductionClaim = 0;        ///< rand
    double fixedCostPerYear = 0;      ///< rand (deemed-cost method)
    double fixedCostPerKm = 0;        ///< cents per km (deemed-cost method)
    double fuelCostPerKm = 0;         ///< cents per km after the claim; rand per km in between
    double maintenanceCostPerKm = 0;  ///< cents per km after the claim; rand per km in between
    double totalCostPerKm = 0;        ///< cents per km, shown to one decimal
};

}  // namespace kestrel
