#include "vehicle/travelallowance.h"

namespace kestrel {

TravelAllowanceCalculation calculateTravelAllowance(TravelClaimInputs inputs, TravelClaimResult result,
                                                    DayNumber startDate, DayNumber endDate)
{
    TravelAllowanceCalculation calc;
    inputs.periodDays = double(endDate) - double(startDate) + 1;

    if (inputs.vehicleValue == 0 || inputs.periodDays == 0 || inputs.businessDistance == 0) {
        // No deemed claim without all three: its figures are 0 in the record as on the
        // panel, so that a printout never shows those of an earlier claim.
        result.businessDistance = 0;
        result.privateDistance = 0;
        result.totalDistance = 0;
        result.fixedCostPerYear = 0;
        result.fixedCostPerKm = 0;
        result.fuelCostPerKm = 0;
        result.maintenanceCostPerKm = 0;
        result.totalCostPerKm = 0;
        result.deductionClaim = 0;
    } else if (inputs.accurateRecord == 0) {
        result = TravelDeemedClaim(inputs, result);
        calc.deemedClaimRan = true;
        calc.scale = VehicleScaleLookup(inputs.vehicleValue);
    }

    if (inputs.accurateRecord == 1)
        result = TravelActualClaim(inputs, result);

    calc.inputs = inputs;
    calc.result = result;
    return calc;
}

ReportFields travelDeductionFields(const TravelClaimInputs& in, const TravelClaimResult& r, const QString& employeeName,
                                   DayNumber startDate, DayNumber endDate)
{
    ReportFields fields{
        {QStringLiteral("TPName"), employeeName},       {QStringLiteral("CARNO"), QVariant::fromValue<short>(1)},
        {QStringLiteral("mta01"), in.carDescription},   {QStringLiteral("mta04"), in.allowanceReceived},
        {QStringLiteral("mta05"), in.closingReading},   {QStringLiteral("mta06"), in.openingReading},
        {QStringLiteral("mta07"), in.businessDistance}, {QStringLiteral("tadeduction"), r.deductionClaim},
        {QStringLiteral("MTD"), r.totalDistance},       {QStringLiteral("MBD"), r.businessDistance},
        {QStringLiteral("mpd"), r.privateDistance},
    };
    if (in.accurateRecord == 1) {
        fields.insert(fields.end(), {
                                        {QStringLiteral("mta08"), in.fuelAndOil},
                                        {QStringLiteral("mta09"), in.repairsAndMaintenance},
                                        {QStringLiteral("mta10"), in.insuranceAndLicence},
                                        {QStringLiteral("mta11"), in.otherExpenses},
                                        {QStringLiteral("mta12"), in.wearAndTear},
                                        {QStringLiteral("mta13"), in.leasePayments},
                                        {QStringLiteral("totcost"), r.totalCosts},
                                        {QStringLiteral("pu"), r.privateUse},
                                    });
    } else {
        const bool fuel = in.includeFuel != 0;
        const bool maintenance = in.includeMaintenance != 0;
        fields.insert(fields.end(),
                      {
                          {QStringLiteral("mta03"), in.vehicleValue},
                          {QStringLiteral("mta14"), in.periodDays},
                          {QStringLiteral("cv"), r.fixedCostPerYear},
                          {QStringLiteral("fce"), r.fixedCostPerKm},
                          {QStringLiteral("fc"), fuel ? r.fuelCostPerKm : 0.0},
                          {QStringLiteral("mc"), maintenance ? r.maintenanceCostPerKm : 0.0},
                          {QStringLiteral("tatc"), r.totalCostPerKm},
                          {QStringLiteral("FCDet"),
                           fuel ? QStringLiteral("Fuel costs") : QStringLiteral("Fuel costs not included")},
                          {QStringLiteral("MCDet"), maintenance ? QStringLiteral("Maintenance costs")
                                                                : QStringLiteral("Maintenance costs not included")},
                          {QStringLiteral("DateStart"), formatDate(startDate)},
                          {QStringLiteral("DateEnd"), formatDate(endDate)},
                      });
    }
    return fields;
}

QString travelDeductionTemplate(const TravelClaimInputs& inputs)
{
    return inputs.accurateRecord == 1 ? QStringLiteral("caeprk") : QStringLiteral("caepnrk");
}

}  // namespace kestrel
