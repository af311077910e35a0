#pragma once
// The vehicle cost scale of the year: fixed cost per year and fuel and maintenance cost
// per kilometre by vehicle value.

#include "rules/taxyear.h"

namespace kestrel {

struct VehicleScaleValues {
    double fixedCostPerYear = 0;  ///< rand per year
    double fuelPerKm = 0;         ///< rand per km
    double maintenancePerKm = 0;  ///< rand per km
};

/// VehicleScaleLookup: the first row whose upper limit is not below the value (85 000 is
/// row 1, 85 000.01 row 2, 595 000 row 7, anything above row 8 which repeats row 7). A value
/// of 0 or less uses row 1.
inline VehicleScaleValues VehicleScaleLookup(double vehicleValue, const TaxYear& year = kTaxYear)
{
    for (const VehicleScaleRow& row : year.vehicleScale) {
        if (vehicleValue <= row.upTo)
            return {row.fixedCostPerYear, row.fuelPerKm, row.maintenancePerKm};
    }
    const VehicleScaleRow& last = year.vehicleScale.back();
    return {last.fixedCostPerYear, last.fuelPerKm, last.maintenancePerKm};
}

}  // namespace kestrel
