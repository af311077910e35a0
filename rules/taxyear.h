#pragma once
// The rules of one tax year as data: the income-tax brackets, rebates, medical tax
// credits, the retirement-fund deduction limit and the vehicle cost scale. Every rule
// function reads its constants from here; a new tax year is a new TaxYear table.

#include "common/dates.h"

#include <array>

namespace kestrel {

struct TaxBracket {
    double floor;    ///< taxable income above which the bracket starts (rand)
    double ceiling;  ///< highest income of the bracket; an income on it belongs here
    double rate;     ///< marginal rate in per cent
    double baseTax;  ///< tax on the floor (rand)
};

struct VehicleScaleRow {
    double upTo;              ///< highest vehicle value of the row (rand); the last row has no limit
    double fixedCostPerYear;  ///< rand per year
    double fuelPerKm;         ///< rand per kilometre (0.957 is 95.7 cents)
    double maintenancePerKm;  ///< rand per kilometre
};

struct TaxYear {
    DayNumber firstDay;  ///< TaxYearStart
    DayNumber lastDay;   ///< TaxYearEnd

    std::array<TaxBracket, 7> brackets;

    double primaryRebate;            ///< below 65
    double secondaryRebate;          ///< added from 65
    double secondaryTertiaryRebate;  ///< secondary and tertiary together, added from 75
    int secondaryAge;                ///< 65
    int tertiaryAge;                 ///< 75

    double medicalCreditFirstTwo;  ///< per month for each of the first two beneficiaries
    double medicalCreditFurther;   ///< per month for each further beneficiary

    double additionalMedicalFactor;    ///< 0.333 (not one third exactly)
    double additionalMedicalMultiple;  ///< 3 times the medical scheme fees credit
    int additionalMedicalAge;          ///< 65

    double retirementFundRate;  ///< 27.5 % as 0.275
    double retirementFundCap;   ///< rand per year

    std::array<VehicleScaleRow, 8> vehicleScale;
};

/// The tax year 1 March 2018 to 28 February 2019 (the "2019" year of assessment),
/// from the rates and thresholds that SARS published with the 2018 Budget: the
/// income-tax table for individuals, rebates, the medical tax credit rates and the cost
/// scale for determining the rate per kilometre of a vehicle.
inline constexpr TaxYear kTaxYear2019{
    43160,  // 1 March 2018
    43524,  // 28 February 2019
    {{
        {0, 195850, 18, 0},
        {195850, 305850, 26, 35253},
        {305850, 423300, 31, 63853},
        {423300, 555600, 36, 100263},
        {555600, 708310, 39, 147891},
        {708310, 1500000, 41, 207448},
        {1500000, 9999999999.0, 45, 532041},
    }},
    14067,
    7713,
    10287,
    65,
    75,
    310,
    209,
    0.333,
    3,
    65,
    0.275,
    350000,
    {{
        {85000, 28352, 0.957, 0.344},
        {170000, 50631, 1.068, 0.431},
        {255000, 72983, 1.160, 0.475},
        {340000, 92683, 1.248, 0.519},
        {425000, 112443, 1.335, 0.609},
        {510000, 133147, 1.532, 0.716},
        {595000, 153850, 1.584, 0.889},
        // Over 595 000: the published scale has no further band; the last row repeats.
        {1.0e308, 153850, 1.584, 0.889},
    }},
};

/// The year that this build calculates.
inline constexpr const TaxYear& kTaxYear = kTaxYear2019;

/// First and last allowed date of every tax date field.
inline constexpr DayNumber TaxYearStart = kTaxYear.firstDay;
inline constexpr DayNumber TaxYearEnd = kTaxYear.lastDay;

}  // namespace kestrel
