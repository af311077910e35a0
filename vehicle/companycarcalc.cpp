#include "vehicle/companycarcalc.h"

#include "common/rounding.h"
#include "rules/vehiclescale.h"

#include <cmath>
#include <optional>

namespace kestrel {

namespace {

/// R(x): whole rand, halves to the even rand.
double R(double x)
{
    return roundHalfEven(x);
}

/// amount x part / whole, or nothing when it cannot be worked out (a whole of 0, or a
/// result beyond the range of a number): the step is then skipped.
std::optional<double> share(double amount, double part, double whole)
{
    if (whole == 0)
        return std::nullopt;
    const double value = amount * part / whole;
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool hasNeitherDistanceNorPrice(const CompanyCarRecord& record)
{
    return record.TotalDistance == 0 && record.CCPrice == 0;
}

/// The same test for the vehicle shown, with its total distance as its readings give it:
/// readings typed since the last calculation count as a distance.
bool shownVehicleIsEmpty(const CompanyCarRecord& record)
{
    const double distance = record.EndMileage > 0 ? record.EndMileage - record.StartMileage : record.TotalDistance;
    return distance == 0 && record.CCPrice == 0;
}

/// Steps 2.4 to 2.12 for one vehicle, after its days and total distance were worked out.
void calculateVehicle(CompanyCarSet& set, int i, double totalDays, CompanyCarResult& res)
{
    CompanyCarRecord& car = set.records[i];
    const double rate = car.MaintIncluded == 1 ? 3.25 : 3.5;  // per cent of the value a month

    // The business distance is held to the total distance, and stored so.
    if (car.BusDistance > car.TotalDistance)
        car.BusDistance = car.TotalDistance;
    res.privateDistance = car.TotalDistance - car.BusDistance;

    // The IRP5 amount for all vehicles split by days of use.
    if (set.autoSplit == 1) {
        if (hasNeitherDistanceNorPrice(car))
            car.FB3802ThisCar = 0;
        else if (const auto split = share(set.Actual3802, res.days, totalDays))
            car.FB3802ThisCar = *split;
    }

    // True inclusion: the benefit for the days of use; with a logbook only the private share.
    const double benefitForDays = rate * 12 / 36500 * car.CCPrice * res.days;
    if (car.BussMilage == 1) {
        if (const auto privateShare = share(benefitForDays, res.privateDistance, car.TotalDistance))
            res.trueInclusion = R(*privateShare);
    } else {
        res.trueInclusion = R(benefitForDays);
    }

    // Fuel borne by the employee, valued from the cost scale or as paid, less what the
    // employer reimbursed; only the private share counts.
    if (car.SARSTable == 1) {
        const double fuelPerKm = VehicleScaleLookup(car.CCPrice).fuelPerKm;  // FUEL_COMPONENT_TABLE
        car.FuelComponent = R(car.TotalDistance * fuelPerKm);
        if (const auto claim = share(car.FuelComponent - car.FuelReimbEmployer, res.privateDistance, car.TotalDistance))
            res.fuelClaim = R(*claim);
    } else {
        car.FuelComponent = 0;
        if (const auto claim =
                share(car.ActualExpEmployee - car.FuelReimbEmployer, res.privateDistance, car.TotalDistance))
            res.fuelClaim = R(*claim);
    }

    const double paid = car.EmpPaidInsurance + car.EmpPaidLicence + car.EmpPaidMaintenance;
    if (const auto expenses = share(paid, res.privateDistance, car.TotalDistance))
        res.totalAdditionalExpenses = R(*expenses);

    res.fuelAndExpenses = car.BusDistance > 0 ? R(res.fuelClaim + res.totalAdditionalExpenses) : 0.0;

    // The adjustment never takes away more than the IRP5 amount of all vehicles.
    car.AdjustTaxableInc = R(res.trueInclusion - res.fuelAndExpenses - car.FB3802ThisCar);
    if (car.AdjustTaxableInc < -set.Actual3802)
        car.AdjustTaxableInc = -set.Actual3802;

    // What SARS awards with a logbook: the business share of the code 3802 amount and the
    // costs borne.
    if (car.BusDistance > 0 && car.TotalDistance > 0 && car.BussMilage == 1)
        res.sarsAdjustment = -(car.BusDistance / car.TotalDistance * car.FB3802ThisCar + res.fuelAndExpenses);
    else
        res.sarsAdjustment = 0;

    // A vehicle without a price has no benefit of its own: its adjustment is what SARS
    // awards against it.
    if (car.CCPrice == 0)
        car.AdjustTaxableInc = res.sarsAdjustment;

    // The code 3802 amount for the days of use and the benefit per pay at both inclusion
    // rates; the fortnightly and weekly amounts are rounded before the 80/20 split.
    const double p = rate / 100;
    res.code3802Amount = R(car.CCPrice * p * 12 * res.days / 365);
    res.monthly80 = R(car.CCPrice * p * 0.8);
    res.monthly20 = R(car.CCPrice * p * 0.2);
    const double fortnightly = R(car.CCPrice * p * 12 / 26);
    res.fortnightly80 = fortnightly * 0.8;
    res.fortnightly20 = fortnightly * 0.2;
    const double weekly = R(car.CCPrice * p * 12 / 52);
    res.weekly80 = weekly * 0.8;
    res.weekly20 = weekly * 0.2;
}

enum class WhenEmpty { StopAtCurrent, SkipVehicle };

CompanyCarCalculation calculateSet(CompanyCarSet set, WhenEmpty rule)
{
    CompanyCarCalculation calc;
    const int count = qMax<int>(0, set.count);
    if (int(set.records.size()) < count + 1)
        set.records.resize(count + 1);
    calc.results.assign(count + 1, CompanyCarResult{});

    double totalDays = 0;
    for (int i = 1; i <= count; ++i)
        totalDays += daysOfUse(set.records[i]);

    const int current = (set.current >= 0 && set.current <= count) ? set.current : 0;
    for (int i = 1; i <= count; ++i) {
        CompanyCarRecord& car = set.records[i];
        CompanyCarResult& res = calc.results[i];
        res.days = daysOfUse(car);
        if (car.EndMileage > 0)
            car.TotalDistance = car.EndMileage - car.StartMileage;

        if (rule == WhenEmpty::StopAtCurrent && shownVehicleIsEmpty(set.records[current])) {
            calc.stopped = true;
            res = CompanyCarResult{};  // nothing of this calculation is shown
            break;
        }
        if (rule == WhenEmpty::SkipVehicle && hasNeitherDistanceNorPrice(car)) {
            calc.stopped = true;
            res = CompanyCarResult{};
            res.days = daysOfUse(car);
            continue;
        }
        calculateVehicle(set, i, totalDays, res);
    }

    for (int i = 1; i <= count; ++i) {
        calc.totalAdjustment += set.records[i].AdjustTaxableInc;
        if (!calc.stopped || rule == WhenEmpty::SkipVehicle)
            calc.totalSarsAdjustment += calc.results[i].sarsAdjustment;
    }
    calc.set = std::move(set);
    return calc;
}

QString yesNo(short flag)
{
    return flag == 1 ? QStringLiteral("Yes") : QStringLiteral("No");
}

}  // namespace

CompanyCarCalculation CompCarCalc(CompanyCarSet set)
{
    return calculateSet(std::move(set), WhenEmpty::StopAtCurrent);
}

CompanyCarCalculation PrintCalc(CompanyCarSet set)
{
    return calculateSet(std::move(set), WhenEmpty::SkipVehicle);
}

std::vector<ReportFields> compCarReportRows(const CompanyCarCalculation& calc)
{
    std::vector<ReportFields> rows;
    const CompanyCarSet& set = calc.set;
    for (int i = 1; i <= set.count && i < int(set.records.size()) && i < int(calc.results.size()); ++i) {
        const CompanyCarRecord& car = set.records[i];
        const CompanyCarResult& res = calc.results[i];
        rows.push_back({
            {QStringLiteral("CarNum"), QVariant::fromValue<short>(short(i))},
            {QStringLiteral("CMVMaxNum"), QVariant::fromValue<short>(set.count)},
            {QStringLiteral("CCRegNumber"), car.CCRegNumber},
            {QStringLiteral("CCMake"), car.CCMake},
            {QStringLiteral("CCModel"), car.CCModel},
            {QStringLiteral("CCPrice"), car.CCPrice},
            {QStringLiteral("MaintIncluded"), yesNo(car.MaintIncluded)},
            {QStringLiteral("CCMonths"), daysOfUse(car)},
            {QStringLiteral("EndMileage"), car.EndMileage},
            {QStringLiteral("StartMileage"), car.StartMileage},
            {QStringLiteral("TotalDistance"), car.TotalDistance},
            {QStringLiteral("BusDistance"), car.BusDistance},
            {QStringLiteral("ActualExpEmployee"), car.ActualExpEmployee},
            {QStringLiteral("SARSTable"), yesNo(car.SARSTable)},
            {QStringLiteral("FuelReimbEmployer"), car.FuelReimbEmployer},
            {QStringLiteral("EmpPaidInsurance"), car.EmpPaidInsurance},
            {QStringLiteral("EmpPaidLicence"), car.EmpPaidLicence},
            {QStringLiteral("EmpPaidMaintenance"), car.EmpPaidMaintenance},
            {QStringLiteral("Actual3802"), set.Actual3802},
            {QStringLiteral("FB3802ThisCar"), car.FB3802ThisCar},
            {QStringLiteral("AdjustTaxableInc"), car.CCPrice == 0 ? res.sarsAdjustment : car.AdjustTaxableInc},
            {QStringLiteral("SARSDeductionClaim"), res.sarsAdjustment},
            {QStringLiteral("TrueInclusion"), car.CCPrice == 0 ? 0.0 : res.trueInclusion},
            {QStringLiteral("PrivateDistance"), res.privateDistance},
            {QStringLiteral("FuelComponent"), car.FuelComponent},
            {QStringLiteral("Arr_FuelClaim"), res.fuelClaim},
            {QStringLiteral("TotAddExpense"), res.totalAdditionalExpenses},
            {QStringLiteral("FuelExp"), res.fuelAndExpenses},
            {QStringLiteral("BussMilage"), yesNo(car.BussMilage)},
            {QStringLiteral("YearOfManfact"), car.YearOfManfact},
            {QStringLiteral("CCStartDate"), formatDate(car.CCStartDate)},
            {QStringLiteral("CCEndDate"), formatDate(car.CCEndDate)},
            {QStringLiteral("IRP53802"), res.code3802Amount},
            {QStringLiteral("MonFB80"), res.monthly80},
            {QStringLiteral("MonFB20"), res.monthly20},
            {QStringLiteral("FortFB80"), res.fortnightly80},
            {QStringLiteral("FortFB20"), res.fortnightly20},
            {QStringLiteral("WeekFB80"), res.weekly80},
            {QStringLiteral("WeekFB20"), res.weekly20},
        });
    }
    return rows;
}

}  // namespace kestrel
