#include "rules/travelclaim.h"

#include "common/rounding.h"
#include "rules/vehiclescale.h"

namespace kestrel {

namespace {

// The claim without an allowance is cut to the highest amount the printout carries; with
// an allowance it is limited to the allowance.
double capClaim(double claim, double allowance)
{
    if (allowance == 0)
        return claim > kUnlimitedClaimCap ? kUnlimitedClaimCap : claim;
    return claim > allowance ? allowance : claim;
}

}  // namespace

TravelClaimResult SplitTravelDistance(const TravelClaimInputs& in, TravelClaimResult r)
{
    // The steps run in this order and each may overwrite what an earlier one set.
    const double days = in.periodDays;
    const double entered = in.businessDistance;
    const double total = in.closingReading - in.openingReading;
    double business = 0;
    double privateKm = 0;

    if (total > 32000) {
        business = days * 14000 / 365;
        privateKm = floor2(total - business);
        if (entered > 0) {
            business = entered;
            privateKm = total - entered;
        }
    } else {
        privateKm = floor2(days * 18000 / 365);
        if (privateKm > total) {
            business = 0;
            privateKm = total;
        } else {
            business = total - privateKm;
        }
    }

    if (total < 18000) {
        business = 0;
        privateKm = total;
        if (entered > 0) {
            business = entered;
            privateKm = total - entered;
        }
    }

    if (entered > 0) {
        business = entered;
        privateKm = total - entered;
    }

    // A period shorter than a year: the thresholds are prorated by days over 365.
    if (days < 365 && total < 32001) {
        const double limit = days * 32000 / 365;
        if (total > limit) {
            const double x = floor2(limit - days * 18000 / 365);
            privateKm = total - x;
            business = x;
        } else {
            privateKm = floor2(days * 18000 / 365);
            if (privateKm > total) {
                privateKm = total;
                business = 0;
            } else {
                business = total - privateKm;
            }
        }
    }

    if (entered > 0) {
        business = entered;
        privateKm = total - entered;
    }

    r.businessDistance = business;
    r.privateDistance = privateKm;
    r.totalDistance = total;
    return r;
}

TravelClaimResult TravelDeemedClaim(const TravelClaimInputs& in, TravelClaimResult r)
{
    r = SplitTravelDistance(in, r);
    const double days = in.periodDays;

    const VehicleScaleValues scale = VehicleScaleLookup(in.vehicleValue);
    r.fixedCostPerYear = scale.fixedCostPerYear;
    double fuel = in.includeFuel == 0 ? 0.0 : scale.fuelPerKm;
    double maintenance = in.includeMaintenance == 0 ? 0.0 : scale.maintenancePerKm;

    // The fixed cost per km in rand: the year's fixed cost over the distance travelled.
    double fixed = r.totalDistance >= 1 ? r.fixedCostPerYear / r.totalDistance : 0.0;
    // A period of 365 days or more is not prorated.
    if (days > 0 && days < 365)
        fixed = fixed * days / 365;
    fixed = vbInt(fixed * 1000000) / 1000000;  // cut to six decimals of a rand

    // Cents per km.
    fixed *= 100;
    fuel *= 100;
    maintenance *= 100;
    const double total = fixed + fuel + maintenance;

    r.fixedCostPerKm = fixed;
    r.fuelCostPerKm = fuel;
    r.maintenanceCostPerKm = maintenance;
    // The claim uses the unrounded total; the total kept for display is to one decimal.
    r.deductionClaim = capClaim(r.businessDistance * total / 100, in.allowanceReceived);
    r.totalCostPerKm = roundHalfEven(total, 1);
    return r;
}

TravelClaimResult TravelActualClaim(const TravelClaimInputs& in, TravelClaimResult r)
{
    r.totalCosts = in.fuelAndOil + in.repairsAndMaintenance + in.insuranceAndLicence + in.otherExpenses + in.wearAndTear
                   + in.leasePayments;
    r = SplitTravelDistance(in, r);
    const double days = in.periodDays;
    const double value = in.vehicleValue;

    if (in.closingReading == 0 && in.openingReading == 0 && in.businessDistance == 0) {
        // No distance given: the private use is deemed from the vehicle value, 2.5 % a
        // month less the parts for fuel and maintenance that the employee does not bear.
        double deemed = value * 0.025 * 12 * days / 365;
        if (value > 0) {
            if (in.includeFuel != 0)
                deemed -= 0.0022 * value * days / 365 * 12;
            if (in.includeMaintenance != 0)
                deemed -= 0.0018 * value * days / 365 * 12;
        }
        r.privateUse = deemed > r.totalCosts ? 0.0 : deemed;
        double claim = r.totalCosts - deemed;
        if (claim < 0)
            claim = 0;
        if (in.allowanceReceived != 0 && claim > in.allowanceReceived)
            claim = in.allowanceReceived;
        r.deductionClaim = claim;
        return r;
    }

    // The business share of the costs; a distance of 1 km or less claims nothing.
    const double claim =
        (in.closingReading - in.openingReading) > 1 ? r.totalCosts * r.businessDistance / r.totalDistance : 0.0;
    r.privateUse = r.totalCosts - claim;  // before the cap, and not recomputed after it
    r.deductionClaim = capClaim(claim, in.allowanceReceived);
    return r;
}

}  // namespace kestrel
