#pragma once
// The car-allowance (travel) claim: its inputs and results, and the three computations on
// the vehicle cost scale. The records live in the session so that a claim survives
// closing and reopening the car allowance window.
//
// Each computation takes the result record as it stands and gives it back with the fields
// it sets overwritten; the fields it does not set keep their values (the actual-cost panel
// shows the costs of the last actual-cost claim after a deemed-cost claim, and so on).

#include <QString>

namespace kestrel {

struct TravelClaimInputs {
    double vehicleValue = 0;           ///< rand; selects the scale row
    double allowanceReceived = 0;      ///< rand; 0 means the claim has no limit
    double closingReading = 0;         ///< km
    double openingReading = 0;         ///< km
    double businessDistance = 0;       ///< km from a logbook; 0 when none is kept
    double fuelAndOil = 0;             ///< rand, actual cost
    double repairsAndMaintenance = 0;  ///< rand, actual cost
    double insuranceAndLicence = 0;    ///< rand, actual cost
    double otherExpenses = 0;          ///< rand, actual cost
    double wearAndTear = 0;            ///< rand, actual cost
    double leasePayments = 0;          ///< rand, actual cost
    double periodDays = 0;             ///< days of the period (end - start + 1)

    short accurateRecord = 0;      ///< 0 = No (deemed cost), 1 = Yes (actual cost)
    short includeFuel = 1;         ///< nonzero = include the fuel cost
    short includeMaintenance = 1;  ///< nonzero = include the maintenance cost
    QString carDescription;        ///< at most 25 characters
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

/// The highest claim when no allowance limits it (rand).
inline constexpr double kUnlimitedClaimCap = 9999999.97;

/// SplitTravelDistance: business, private and total distance of the period from the
/// closing and opening readings, the business distance entered and the days of the period.
/// Without a business distance entered, 18 000 km a year (prorated by days over 365) are
/// deemed private and the rest is business, the business distance being held to 14 000 km
/// a year when the total is above 32 000 km; a business distance entered always wins.
/// Private distances deemed from the year are cut down to whole cents of a km (floor2).
/// Sets businessDistance, privateDistance and totalDistance.
TravelClaimResult SplitTravelDistance(const TravelClaimInputs& inputs, TravelClaimResult result = {});

/// TravelDeemedClaim: the claim by the deemed-cost method. The scale row of the vehicle
/// value gives the fixed cost per year, spread over the total distance (prorated by
/// days / 365 for a period shorter than a year, cut to six decimals of a rand), and the fuel
/// and maintenance cost per km (0 when not included). The claim is the business distance
/// times the unrounded total in cents, in rand, not rounded; the total per km kept is the
/// one-decimal figure (half to even). The claim is limited to the allowance received, or
/// to 9 999 999.97 when no allowance is given. Sets the distances, fixedCostPerYear, the
/// four per-km costs (cents) and deductionClaim.
TravelClaimResult TravelDeemedClaim(const TravelClaimInputs& inputs, TravelClaimResult result = {});

/// TravelActualClaim: the claim by the actual-cost method. Without any distance (both
/// readings and the business distance 0) the private use is deemed from the vehicle value
/// (2.5 % a month, less 0.22 % for fuel and 0.18 % for maintenance when included, prorated
/// by days / 365); otherwise the claim is the business share of the total costs. Sets the
/// distances, totalCosts, privateUse and deductionClaim.
TravelClaimResult TravelActualClaim(const TravelClaimInputs& inputs, TravelClaimResult result = {});

}  // namespace kestrel
