// kestrel-calc calculators of the vehicle folder: the car allowance claim and the
// company-car fringe benefit, as their windows calculate them.
#include "cli/calculator.h"

#include "common/dates.h"
#include "common/rounding.h"
#include "rules/taxyear.h"
#include "vehicle/companycarcalc.h"
#include "vehicle/travelallowance.h"

#include <QJsonArray>

namespace kestrel::cli {

namespace {

const QString kStartDateMessage =
    QStringLiteral("The date entered is not correct please enter a date between 01/03/2018 and 28/02/2019");

QString endDateMessage(DayNumber start)
{
    return QStringLiteral("The date entered is not correct please enter a date between ") + formatDate(start)
           + QStringLiteral(" and 28/02/2019");
}

/// The start and end date as the windows' date fields take them: the start within the
/// tax year, the end from the start date to the end of the tax year.
std::pair<DayNumber, DayNumber> readPeriod(CalcInput& in, const QString& startKey, const QString& endKey)
{
    const DayNumber start = in.date(startKey, QStringLiteral("01/03/2018"));
    const DayNumber end = in.date(endKey, QStringLiteral("28/02/2019"));
    if (start < TaxYearStart || start > TaxYearEnd)
        throw InputError(kStartDateMessage);
    if (end < start || end > TaxYearEnd)
        throw InputError(endDateMessage(start));
    return {start, end};
}

Calculator travelClaim()
{
    Calculator c;
    c.name = QStringLiteral("travel-claim");
    c.summary = QStringLiteral("Car allowance: the deduction claim by the deemed-cost or the actual-cost method");
    c.help = QStringLiteral(
        "In:  accurateRecord (false: deemed cost, true: actual cost), vehicleValue, allowance,\n"
        "     closingReading, openingReading, businessDistance, fuelAndOil, repairsAndMaintenance,\n"
        "     insuranceAndLicence, otherExpenses, wearAndTear, leasePayments (whole numbers 0 to 9 999 999),\n"
        "     startDate, endDate (01/03/2018 and 28/02/2019), includeFuel, includeMaintenance (true).\n"
        "Out: periodDays, businessDistance, privateDistance, totalDistance, totalCosts, privateUse,\n"
        "     deductionClaim, fixedCostPerYear, fixedCostPerKm, fuelCostPerKm, maintenanceCostPerKm,\n"
        "     totalCostPerKm (cents per km).\n");
    c.run = [](CalcInput& in, const RunContext&) {
        const FieldLimits amount{0.0, 9999999.0, QString()};
        TravelClaimInputs t;
        t.accurateRecord = in.flag(QStringLiteral("accurateRecord")) ? 1 : 0;
        t.vehicleValue = double(in.whole(QStringLiteral("vehicleValue"), 0, amount));
        t.allowanceReceived = double(in.whole(QStringLiteral("allowance"), 0, amount));
        t.closingReading = double(in.whole(QStringLiteral("closingReading"), 0, amount));
        t.openingReading = double(in.whole(QStringLiteral("openingReading"), 0, amount));
        t.businessDistance = double(in.whole(QStringLiteral("businessDistance"), 0, amount));
        t.fuelAndOil = double(in.whole(QStringLiteral("fuelAndOil"), 0, amount));
        t.repairsAndMaintenance = double(in.whole(QStringLiteral("repairsAndMaintenance"), 0, amount));
        t.insuranceAndLicence = double(in.whole(QStringLiteral("insuranceAndLicence"), 0, amount));
        t.otherExpenses = double(in.whole(QStringLiteral("otherExpenses"), 0, amount));
        t.wearAndTear = double(in.whole(QStringLiteral("wearAndTear"), 0, amount));
        t.leasePayments = double(in.whole(QStringLiteral("leasePayments"), 0, amount));
        const auto [start, end] = readPeriod(in, QStringLiteral("startDate"), QStringLiteral("endDate"));
        t.includeFuel = in.flag(QStringLiteral("includeFuel"), true) ? 1 : 0;
        t.includeMaintenance = in.flag(QStringLiteral("includeMaintenance"), true) ? 1 : 0;
        // The window takes only one of the two amounts; the second one typed is refused.
        if (t.wearAndTear > 0 && t.leasePayments > 0)
            throw InputError(
                QStringLiteral("Only one amount for either Wear & Tear or Lease payments will be accepted"));

        // A freshly opened window calculates once on the reset session, then on the inputs.
        const TravelClaimResult opening =
            calculateTravelAllowance(TravelClaimInputs{}, TravelClaimResult{}, TaxYearStart, TaxYearEnd).result;
        const TravelAllowanceCalculation calc = calculateTravelAllowance(t, opening, start, end);
        const TravelClaimResult& r = calc.result;
        return QJsonObject{
            {QStringLiteral("periodDays"), calc.inputs.periodDays},
            {QStringLiteral("businessDistance"), r.businessDistance},
            {QStringLiteral("privateDistance"), r.privateDistance},
            {QStringLiteral("totalDistance"), r.totalDistance},
            {QStringLiteral("totalCosts"), r.totalCosts},
            {QStringLiteral("privateUse"), r.privateUse},
            {QStringLiteral("deductionClaim"), r.deductionClaim},
            {QStringLiteral("fixedCostPerYear"), r.fixedCostPerYear},
            {QStringLiteral("fixedCostPerKm"), r.fixedCostPerKm},
            {QStringLiteral("fuelCostPerKm"), r.fuelCostPerKm},
            {QStringLiteral("maintenanceCostPerKm"), r.maintenanceCostPerKm},
            {QStringLiteral("totalCostPerKm"), r.totalCostPerKm},
        };
    };
    return c;
}

CompanyCarRecord readVehicle(CalcInput& v)
{
    const FieldLimits amount{0.0, 999999999.0, QString()};
    auto number = [&](const char* key) { return double(v.whole(QString::fromLatin1(key), 0, amount)); };
    auto flag = [&](const char* key) { return short(v.flag(QString::fromLatin1(key)) ? 1 : 0); };
    CompanyCarRecord car;
    car.CCRegNumber = v.text(QStringLiteral("CCRegNumber"));
    car.CCMake = v.text(QStringLiteral("CCMake"));
    car.CCModel = v.text(QStringLiteral("CCModel"));
    car.YearOfManfact = v.text(QStringLiteral("YearOfManfact"));
    car.CCPrice = number("CCPrice");
    car.MaintIncluded = flag("MaintIncluded");
    const auto [start, end] = readPeriod(v, QStringLiteral("CCStartDate"), QStringLiteral("CCEndDate"));
    car.CCStartDate = start;
    car.CCEndDate = end;
    car.EndMileage = number("EndMileage");
    car.StartMileage = number("StartMileage");
    car.TotalDistance = number("TotalDistance");
    car.BusDistance = number("BusDistance");
    car.BussMilage = flag("BussMilage");
    car.ActualExpEmployee = number("ActualExpEmployee");
    car.SARSTable = flag("SARSTable");
    car.FuelReimbEmployer = number("FuelReimbEmployer");
    car.EmpPaidInsurance = number("EmpPaidInsurance");
    car.EmpPaidLicence = number("EmpPaidLicence");
    car.EmpPaidMaintenance = number("EmpPaidMaintenance");
    car.FB3802ThisCar = number("FB3802ThisCar");
    // Ticking the fuel table clears the actual fuel expenses.
    if (car.SARSTable == 1)
        car.ActualExpEmployee = 0;
    return car;
}

Calculator companyCar()
{
    Calculator c;
    c.name = QStringLiteral("company-car");
    c.summary = QStringLiteral("Company car: the fringe benefit of one or more vehicles against the code 3802 amount");
    c.help = QStringLiteral(
        "In:  Actual3802, autoSplit, current (the vehicle shown, 1 by default), vehicles: a list of\n"
        "     {CCRegNumber, CCMake, CCModel, YearOfManfact, CCPrice, MaintIncluded, CCStartDate, CCEndDate,\n"
        "     EndMileage, StartMileage, TotalDistance, BusDistance, BussMilage, ActualExpEmployee,\n"
        "     SARSTable, FuelReimbEmployer, EmpPaidInsurance, EmpPaidLicence, EmpPaidMaintenance,\n"
        "     FB3802ThisCar} (amounts whole numbers 0 to 999 999 999).\n"
        "Out: vehicles: {days, TotalDistance, BusDistance, privateDistance, trueInclusion, FuelComponent,\n"
        "     fuelClaim, totalAdditionalExpenses, fuelAndExpenses, FB3802ThisCar, AdjustTaxableInc,\n"
        "     sarsAdjustment, code3802Amount, monthly80, monthly20, fortnightly80, fortnightly20,\n"
        "     weekly80, weekly20}; totalAdjustment, totalSarsAdjustment.\n");
    c.run = [](CalcInput& in, const RunContext&) {
        CompanyCarSet set;
        set.Actual3802 = double(in.whole(QStringLiteral("Actual3802"), 0, FieldLimits{0.0, 999999999.0, QString()}));
        set.autoSplit = in.flag(QStringLiteral("autoSplit")) ? 1 : 0;
        const long long current = in.whole(QStringLiteral("current"), 1);
        for (CalcInput* v : in.objects(QStringLiteral("vehicles"), kMaximumVehicles))
            set.records.push_back(readVehicle(*v));
        set.count = short(set.records.size() - 1);
        if (set.count > 0 && (current < 1 || current > set.count))
            throw InputError(QStringLiteral("current: %1 is outside the limits 1 to %2").arg(current).arg(set.count));
        set.current = set.count > 0 ? short(current) : 0;
        set.shownNumber = set.current;

        // "&Calculate": one vehicle takes the IRP5 total as its own amount; then the
        // calculation runs twice.
        if (set.count == 1)
            set.records[1].FB3802ThisCar = roundHalfEven(set.Actual3802);
        CompanyCarCalculation calc = CompCarCalc(set);
        calc = CompCarCalc(calc.set);

        QJsonArray vehicles;
        for (int i = 1; i <= calc.set.count; ++i) {
            const CompanyCarRecord& car = calc.set.records[i];
            const CompanyCarResult& r = calc.results[i];
            vehicles.append(QJsonObject{
                {QStringLiteral("days"), r.days},
                {QStringLiteral("TotalDistance"), car.TotalDistance},
                {QStringLiteral("BusDistance"), car.BusDistance},
                {QStringLiteral("privateDistance"), r.privateDistance},
                {QStringLiteral("trueInclusion"), r.trueInclusion},
                {QStringLiteral("FuelComponent"), car.FuelComponent},
                {QStringLiteral("fuelClaim"), r.fuelClaim},
                {QStringLiteral("totalAdditionalExpenses"), r.totalAdditionalExpenses},
                {QStringLiteral("fuelAndExpenses"), r.fuelAndExpenses},
                {QStringLiteral("FB3802ThisCar"), car.FB3802ThisCar},
                {QStringLiteral("AdjustTaxableInc"), car.AdjustTaxableInc},
                {QStringLiteral("sarsAdjustment"), r.sarsAdjustment},
                {QStringLiteral("code3802Amount"), r.code3802Amount},
                {QStringLiteral("monthly80"), r.monthly80},
                {QStringLiteral("monthly20"), r.monthly20},
                {QStringLiteral("fortnightly80"), r.fortnightly80},
                {QStringLiteral("fortnightly20"), r.fortnightly20},
                {QStringLiteral("weekly80"), r.weekly80},
                {QStringLiteral("weekly20"), r.weekly20},
            });
        }
        return QJsonObject{{QStringLiteral("vehicles"), vehicles},
                           {QStringLiteral("totalAdjustment"), calc.totalAdjustment},
                           {QStringLiteral("totalSarsAdjustment"), calc.totalSarsAdjustment}};
    };
    return c;
}

}  // namespace

void registerVehicleCalculators(CalculatorRegistry& registry)
{
    registry.add(travelClaim());
    registry.add(companyCar());
}

}  // namespace kestrel::cli
