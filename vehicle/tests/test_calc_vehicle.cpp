// kestrel-calc travel-claim and company-car: records in, results out, with the windows'
// messages for refused input.
#include "cli/runner.h"
#include "tests/support/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace kestrel;
using namespace kestrel::cli;

namespace {

QJsonObject runOne(const char* calculator, const QByteArray& record)
{
    const Calculator* c = calculators().find(QString::fromLatin1(calculator));
    if (!c)
        qFatal("no calculator %s", calculator);
    const RunOutput out = runRecords(*c, InputFormat::Json, record, {});
    return QJsonDocument::fromJson(out.text.trimmed()).object();
}

bool near(double a, double b)
{
    return qAbs(a - b) < 1e-6;
}

}  // namespace

class TestCalcVehicle : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void travelClaim_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<double>("claim");
        QTest::addColumn<double>("totalCostPerKm");
        QTest::addColumn<double>("periodDays");
        const QByteArray worked =
            R"("vehicleValue":100000,"allowance":40000,"closingReading":20000,"businessDistance":8000)";
        QTest::newRow("deemed") << "{" + worked + "}" << 32244.40 << 403.1 << 365.0;
        QTest::newRow("deemed-no-fuel") << "{" + worked + R"(,"includeFuel":false})" << 23700.40 << 296.3 << 365.0;
        QTest::newRow("deemed-181-days") << "{" + worked + R"(,"startDate":"01/09/2018"})" << 22034.968 << 275.4
                                         << 181.0;
        QTest::newRow("deemed-needs-business-km")
            << QByteArray(R"({"vehicleValue":100000,"closingReading":20000})") << 0.0 << 0.0 << 365.0;
        // The actual-cost method leaves the deemed figures at 0.
        QTest::newRow("actual") << QByteArray(R"({"accurateRecord":true,"vehicleValue":100000,"openingReading":10000,)"
                                              R"("closingReading":40000,"businessDistance":15000,"fuelAndOil":60000,)"
                                              R"("allowance":25000})")
                                << 25000.0 << 0.0 << 365.0;
    }
    void travelClaim()
    {
        QFETCH(QByteArray, record);
        QFETCH(double, claim);
        QFETCH(double, totalCostPerKm);
        QFETCH(double, periodDays);
        const QJsonObject r = runOne("travel-claim", record);
        QVERIFY2(!r.contains(QStringLiteral("error")), qPrintable(r.value(QStringLiteral("error")).toString()));
        QVERIFY(near(r.value(QStringLiteral("deductionClaim")).toDouble(), claim));
        QCOMPARE(r.value(QStringLiteral("totalCostPerKm")).toDouble(), totalCostPerKm);
        QCOMPARE(r.value(QStringLiteral("periodDays")).toDouble(), periodDays);
        for (const char* key : {"businessDistance", "privateDistance", "totalDistance", "totalCosts", "privateUse",
                                "fixedCostPerYear", "fixedCostPerKm", "fuelCostPerKm", "maintenanceCostPerKm"})
            QVERIFY2(r.contains(QLatin1String(key)), key);
    }

    void refusedInput_data()
    {
        QTest::addColumn<QByteArray>("calculator");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("error");
        QTest::newRow("wear-and-lease") << QByteArray("travel-claim")
                                        << QByteArray(R"({"wearAndTear":12000,"leasePayments":6000})")
                                        << "Only one amount for either Wear & Tear or Lease payments will be accepted";
        QTest::newRow("end-before-start")
            << QByteArray("travel-claim") << QByteArray(R"({"startDate":"01/09/2018","endDate":"31/08/2018"})")
            << "The date entered is not correct please enter a date between 01/09/2018 and 28/02/2019";
        QTest::newRow("start-outside-year")
            << QByteArray("travel-claim") << QByteArray(R"({"startDate":"28/02/2018"})")
            << "The date entered is not correct please enter a date between 01/03/2018 and 28/02/2019";
        QTest::newRow("amount-too-large") << QByteArray("travel-claim") << QByteArray(R"({"vehicleValue":10000000})")
                                          << "vehicleValue: 10000000 is outside the limits 0 to 9999999";
        QTest::newRow("car-price-too-large")
            << QByteArray("company-car") << QByteArray(R"({"vehicles":[{"CCPrice":1000000000}]})")
            << "vehicles.0.CCPrice: 1000000000 is outside the limits 0 to 999999999";
        QTest::newRow("car-end-date") << QByteArray(
            "company-car") << QByteArray(R"({"vehicles":[{"CCStartDate":"01/06/2018","CCEndDate":"01/05/2018"}]})")
                                      << "The date entered is not correct please enter a date between 01/06/2018 and "
                                         "28/02/2019";
        QTest::newRow("current-outside-set")
            << QByteArray("company-car") << QByteArray(R"({"current":2,"vehicles":[{}]})")
            << "current: 2 is outside the limits 1 to 1";
        QTest::newRow("unknown-vehicle-key")
            << QByteArray("company-car") << QByteArray(R"({"vehicles":[{"CCPrise":1}]})") << "";
    }
    void refusedInput()
    {
        QFETCH(QByteArray, calculator);
        QFETCH(QByteArray, record);
        QFETCH(QString, error);
        const QJsonObject r = runOne(calculator.constData(), record);
        QVERIFY(r.contains(QStringLiteral("error")));
        if (!error.isEmpty())
            QCOMPARE(r.value(QStringLiteral("error")).toString(), error);
        QCOMPARE(r.value(QStringLiteral("line")).toInt(), 1);
    }

    void companyCarLogbookVehicle()
    {
        const QJsonObject r = runOne("company-car", R"({"Actual3802":126000,"vehicles":[{"CCPrice":300000,
            "BussMilage":true,"EndMileage":40000,"BusDistance":30000,"SARSTable":true,"ActualExpEmployee":999,
            "EmpPaidInsurance":5000,"EmpPaidLicence":1000}]})"
                                                    "\n");
        const QJsonObject v = r.value(QStringLiteral("vehicles")).toArray().at(0).toObject();
        QCOMPARE(v.value(QStringLiteral("FB3802ThisCar")).toDouble(), 126000.0);  // the IRP5 total, one vehicle
        QCOMPARE(v.value(QStringLiteral("privateDistance")).toDouble(), 10000.0);
        QCOMPARE(v.value(QStringLiteral("trueInclusion")).toDouble(), 31500.0);
        QCOMPARE(v.value(QStringLiteral("FuelComponent")).toDouble(), 49920.0);
        QCOMPARE(v.value(QStringLiteral("fuelClaim")).toDouble(), 12480.0);
        QCOMPARE(v.value(QStringLiteral("totalAdditionalExpenses")).toDouble(), 1500.0);
        QCOMPARE(v.value(QStringLiteral("fuelAndExpenses")).toDouble(), 13980.0);
        QCOMPARE(v.value(QStringLiteral("AdjustTaxableInc")).toDouble(), -108480.0);
        QCOMPARE(v.value(QStringLiteral("sarsAdjustment")).toDouble(), -108480.0);
        QCOMPARE(v.value(QStringLiteral("fortnightly80")).toDouble(), 3876.80);
        QCOMPARE(v.value(QStringLiteral("weekly20")).toDouble(), 484.60);
        QCOMPARE(r.value(QStringLiteral("totalAdjustment")).toDouble(), -108480.0);
        QCOMPARE(r.value(QStringLiteral("totalSarsAdjustment")).toDouble(), -108480.0);
    }

    void companyCarAutoSplit()
    {
        const QJsonObject r = runOne("company-car", R"({"Actual3802":146000,"autoSplit":true,"vehicles":[
            {"CCPrice":300000},{"CCPrice":200000,"CCEndDate":"08/06/2018"}]})"
                                                    "\n");
        const QJsonArray vehicles = r.value(QStringLiteral("vehicles")).toArray();
        QCOMPARE(vehicles.size(), 2);
        QCOMPARE(vehicles.at(1).toObject().value(QStringLiteral("days")).toDouble(), 100.0);
        QCOMPARE(vehicles.at(0).toObject().value(QStringLiteral("FB3802ThisCar")).toDouble(), 146000.0 * 365 / 465);
        QCOMPARE(vehicles.at(1).toObject().value(QStringLiteral("FB3802ThisCar")).toDouble(), 146000.0 * 100 / 465);
        QCOMPARE(r.value(QStringLiteral("totalAdjustment")).toDouble(), 3014.0);
    }

    void companyCarEmptySetAndStop()
    {
        const QJsonObject empty = runOne("company-car", "{}");
        QCOMPARE(empty.value(QStringLiteral("vehicles")).toArray().size(), 0);
        QCOMPARE(empty.value(QStringLiteral("totalAdjustment")).toDouble(), 0.0);
        // The vehicle shown has neither a price nor a distance: nothing is calculated.
        const QJsonObject stopped = runOne("company-car", R"({"current":2,"vehicles":[{"CCPrice":300000},{}]})");
        const QJsonObject first = stopped.value(QStringLiteral("vehicles")).toArray().at(0).toObject();
        QCOMPARE(first.value(QStringLiteral("trueInclusion")).toDouble(), 0.0);
        QCOMPARE(stopped.value(QStringLiteral("totalAdjustment")).toDouble(), 0.0);
    }
};

KESTREL_TEST_MAIN(TestCalcVehicle)
#include "test_calc_vehicle.moc"
