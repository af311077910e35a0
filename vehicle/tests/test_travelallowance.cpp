// The car allowance calculation as the window runs it, and the values of its printout.
#include "tests/support/testsupport.h"
#include "vehicle/travelallowance.h"

using namespace kestrel;

namespace {

TravelClaimInputs workedInputs()
{
    TravelClaimInputs in;
    in.vehicleValue = 100000;
    in.allowanceReceived = 40000;
    in.closingReading = 20000;
    in.businessDistance = 8000;
    return in;
}

}  // namespace

class TestTravelAllowance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void deemedNeedsValuePeriodAndBusinessDistance_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("business");
        QTest::addColumn<int>("endDay");
        QTest::addColumn<double>("claim");
        QTest::newRow("all-given") << 100000.0 << 8000.0 << int(TaxYearEnd) << 32244.40;
        QTest::newRow("no-value") << 0.0 << 8000.0 << int(TaxYearEnd) << 0.0;
        QTest::newRow("no-business") << 100000.0 << 0.0 << int(TaxYearEnd) << 0.0;
        // An end date the day before the start gives a period of 0 days.
        QTest::newRow("no-period") << 100000.0 << 8000.0 << int(TaxYearStart - 1) << 0.0;
    }
    void deemedNeedsValuePeriodAndBusinessDistance()
    {
        QFETCH(double, value);
        QFETCH(double, business);
        QFETCH(int, endDay);
        QFETCH(double, claim);
        TravelClaimInputs in = workedInputs();
        in.vehicleValue = value;
        in.businessDistance = business;
        // A result left by an earlier claim: the deemed figures must not survive a refusal.
        TravelClaimInputs earlier = workedInputs();
        earlier.periodDays = 365;
        TravelClaimResult previous = TravelDeemedClaim(earlier);
        previous.totalCosts = 777;
        const TravelAllowanceCalculation calc = calculateTravelAllowance(in, previous, TaxYearStart, endDay);
        QCOMPARE(calc.inputs.periodDays, double(endDay - TaxYearStart + 1));
        QVERIFY(qAbs(calc.result.deductionClaim - claim) < 1e-6);
        QCOMPARE(calc.deemedClaimRan, claim != 0);
        if (claim == 0) {
            QCOMPARE(calc.result.totalDistance, 0.0);
            QCOMPARE(calc.result.fixedCostPerYear, 0.0);
            QCOMPARE(calc.result.totalCostPerKm, 0.0);
        }
        QCOMPARE(calc.result.totalCosts, 777.0);
    }

    void accurateRecordRunsTheActualClaim()
    {
        TravelClaimInputs in;
        in.accurateRecord = 1;
        in.allowanceReceived = 25000;
        in.openingReading = 10000;
        in.closingReading = 40000;
        in.businessDistance = 15000;
        in.fuelAndOil = 60000;
        TravelClaimResult previous;
        previous.fixedCostPerKm = 253.155;
        const TravelAllowanceCalculation calc = calculateTravelAllowance(in, previous, TaxYearStart, TaxYearEnd);
        QCOMPARE(calc.result.deductionClaim, 25000.0);
        QCOMPARE(calc.result.privateUse, 30000.0);
        // No vehicle value: the deemed figures are 0 even in this mode.
        QCOMPARE(calc.result.fixedCostPerKm, 0.0);
        QVERIFY(!calc.deemedClaimRan);
    }

    void deemedPrintoutFields()
    {
        TravelClaimInputs in = workedInputs();
        in.includeFuel = 0;
        in.carDescription = QStringLiteral("Toyota Corolla 1.6");
        const TravelAllowanceCalculation calc = calculateTravelAllowance(in, {}, TaxYearStart, TaxYearEnd);
        const ReportFields f =
            travelDeductionFields(calc.inputs, calc.result, QStringLiteral("J. Smith"), TaxYearStart, TaxYearEnd);
        QCOMPARE(reportValue(f, QStringLiteral("TPName")).toString(), QStringLiteral("J. Smith"));
        QCOMPARE(reportValue(f, QStringLiteral("CARNO")).toInt(), 1);
        QCOMPARE(reportValue(f, QStringLiteral("mta01")).toString(), QStringLiteral("Toyota Corolla 1.6"));
        QCOMPARE(reportValue(f, QStringLiteral("mta03")).toDouble(), 100000.0);
        QCOMPARE(reportValue(f, QStringLiteral("mta14")).toDouble(), 365.0);
        QCOMPARE(reportValue(f, QStringLiteral("cv")).toDouble(), 50631.0);
        QCOMPARE(reportValue(f, QStringLiteral("fc")).toDouble(), 0.0);
        QCOMPARE(reportValue(f, QStringLiteral("FCDet")).toString(), QStringLiteral("Fuel costs not included"));
        QCOMPARE(reportValue(f, QStringLiteral("MCDet")).toString(), QStringLiteral("Maintenance costs"));
        QCOMPARE(reportValue(f, QStringLiteral("tatc")).toDouble(), 296.3);
        QVERIFY(qAbs(reportValue(f, QStringLiteral("tadeduction")).toDouble() - 23700.40) < 1e-6);
        QCOMPARE(reportValue(f, QStringLiteral("DateStart")).toString(), QStringLiteral("01/03/2018"));
        QCOMPARE(reportValue(f, QStringLiteral("DateEnd")).toString(), QStringLiteral("28/02/2019"));
        // The actual-cost fields keep the values of an earlier print.
        QVERIFY(!reportValue(f, QStringLiteral("totcost")).isValid());
        QVERIFY(!reportValue(f, QStringLiteral("mta08")).isValid());
        QCOMPARE(travelDeductionTemplate(calc.inputs), QStringLiteral("caepnrk"));
    }

    void actualPrintoutFields()
    {
        TravelClaimInputs in;
        in.accurateRecord = 1;
        in.fuelAndOil = 1000;
        in.leasePayments = 6000;
        in.closingReading = 30000;
        in.businessDistance = 15000;
        const TravelAllowanceCalculation calc = calculateTravelAllowance(in, {}, TaxYearStart, TaxYearEnd);
        const ReportFields f = travelDeductionFields(calc.inputs, calc.result, QString(), TaxYearStart, TaxYearEnd);
        QCOMPARE(reportValue(f, QStringLiteral("mta13")).toDouble(), 6000.0);
        QCOMPARE(reportValue(f, QStringLiteral("totcost")).toDouble(), 7000.0);
        QCOMPARE(reportValue(f, QStringLiteral("pu")).toDouble(), 3500.0);
        QCOMPARE(reportValue(f, QStringLiteral("tadeduction")).toDouble(), 3500.0);
        QVERIFY(!reportValue(f, QStringLiteral("cv")).isValid());
        QVERIFY(!reportValue(f, QStringLiteral("DateStart")).isValid());
        QCOMPARE(travelDeductionTemplate(calc.inputs), QStringLiteral("caeprk"));
    }
};

KESTREL_TEST_MAIN(TestTravelAllowance)
#include "test_travelallowance.moc"
