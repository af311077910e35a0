// The car-allowance claim on the 2018/19 vehicle cost scale: the distance split, the
// deemed-cost claim and the actual-cost claim, on worked figures.
#include "rules/travelclaim.h"
#include "rules/vehiclescale.h"
#include "tests/support/testsupport.h"

using namespace kestrel;

namespace {

// Compares amounts to a tenth of a cent (the steps themselves cut to cents of a km).
bool near(double a, double b)
{
    return qAbs(a - b) < 1e-6;
}

#define COMPARE_NEAR(actual, expected)                                                                                 \
    QVERIFY2(near(actual, expected), qPrintable(QStringLiteral("%1 is %2, expected %3")                                \
                                                    .arg(QStringLiteral(#actual))                                      \
                                                    .arg(actual, 0, 'f', 9)                                            \
                                                    .arg(expected, 0, 'f', 9)))

TravelClaimInputs distanceInputs(double days, double closing, double opening, double entered)
{
    TravelClaimInputs in;
    in.periodDays = days;
    in.closingReading = closing;
    in.openingReading = opening;
    in.businessDistance = entered;
    return in;
}

}  // namespace

class TestTravelClaim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void scaleRows_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("fixed");
        QTest::addColumn<double>("fuel");
        QTest::addColumn<double>("maintenance");
        QTest::newRow("negative") << -1.0 << 28352.0 << 0.957 << 0.344;
        QTest::newRow("85000") << 85000.0 << 28352.0 << 0.957 << 0.344;
        QTest::newRow("85000.01") << 85000.01 << 50631.0 << 1.068 << 0.431;
        QTest::newRow("85001") << 85001.0 << 50631.0 << 1.068 << 0.431;
        QTest::newRow("300000") << 300000.0 << 92683.0 << 1.248 << 0.519;
        QTest::newRow("595000") << 595000.0 << 153850.0 << 1.584 << 0.889;
        QTest::newRow("1000000") << 1000000.0 << 153850.0 << 1.584 << 0.889;
    }
    void scaleRows()
    {
        QFETCH(double, value);
        QFETCH(double, fixed);
        QFETCH(double, fuel);
        QFETCH(double, maintenance);
        const VehicleScaleValues v = VehicleScaleLookup(value);
        QCOMPARE(v.fixedCostPerYear, fixed);
        QCOMPARE(v.fuelPerKm, fuel);
        QCOMPARE(v.maintenancePerKm, maintenance);
    }

    void split_data()
    {
        QTest::addColumn<double>("days");
        QTest::addColumn<double>("closing");
        QTest::addColumn<double>("opening");
        QTest::addColumn<double>("entered");
        QTest::addColumn<double>("business");
        QTest::addColumn<double>("privateKm");
        QTest::addColumn<double>("total");
        // Step 2 gives 9 863.01 / 136.99, step 3 sets 0 / 10 000, step 5 puts 9 863.01 back.
        QTest::newRow("200-days") << 200.0 << 10000.0 << 0.0 << 0.0 << 136.99 << 9863.01 << 10000.0;
        QTest::newRow("year-18000-private") << 365.0 << 20000.0 << 0.0 << 0.0 << 2000.0 << 18000.0 << 20000.0;
        QTest::newRow("year-below-18000") << 365.0 << 10000.0 << 0.0 << 0.0 << 0.0 << 10000.0 << 10000.0;
        QTest::newRow("year-14000-business") << 365.0 << 40000.0 << 0.0 << 0.0 << 14000.0 << 26000.0 << 40000.0;
        QTest::newRow("entered-wins") << 365.0 << 40000.0 << 0.0 << 15000.0 << 15000.0 << 25000.0 << 40000.0;
        QTest::newRow("entered-short") << 365.0 << 12000.0 << 2000.0 << 4000.0 << 4000.0 << 6000.0 << 10000.0;
        // 181 days, 20 000 km: above the prorated 15 868.49 km, so business is held to
        // floor2(15 868.49 - 8 926.03) = 6 942.46.
        QTest::newRow("181-days-above-limit") << 181.0 << 20000.0 << 0.0 << 0.0 << 6942.46 << 13057.54 << 20000.0;
        QTest::newRow("100-days-over-32000")
            << 100.0 << 40000.0 << 0.0 << 0.0 << 100 * 14000 / 365.0 << 36164.38 << 40000.0;
        QTest::newRow("opening-above-closing") << 365.0 << 0.0 << 5000.0 << 0.0 << 0.0 << -5000.0 << -5000.0;
    }
    void split()
    {
        QFETCH(double, days);
        QFETCH(double, closing);
        QFETCH(double, opening);
        QFETCH(double, entered);
        QFETCH(double, business);
        QFETCH(double, privateKm);
        QFETCH(double, total);
        const TravelClaimResult r = SplitTravelDistance(distanceInputs(days, closing, opening, entered));
        COMPARE_NEAR(r.businessDistance, business);
        COMPARE_NEAR(r.privateDistance, privateKm);
        QCOMPARE(r.totalDistance, total);
    }

    void deemed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("closing");
        QTest::addColumn<double>("entered");
        QTest::addColumn<double>("days");
        QTest::addColumn<short>("fuelFlag");
        QTest::addColumn<short>("maintenanceFlag");
        QTest::addColumn<double>("allowance");
        QTest::addColumn<double>("fixed");
        QTest::addColumn<double>("fuel");
        QTest::addColumn<double>("maintenance");
        QTest::addColumn<double>("shownTotal");
        QTest::addColumn<double>("claim");
        // 50 631 / 20 000 km = 2.53155 rand a km; 253.155 + 106.8 + 43.1 = 403.055 cents.
        QTest::newRow("worked") << 100000.0 << 20000.0 << 8000.0 << 365.0 << short(1) << short(1) << 40000.0 << 253.155
                                << 106.8 << 43.1 << 403.1 << 32244.40;
        QTest::newRow("no-fuel") << 100000.0 << 20000.0 << 8000.0 << 365.0 << short(0) << short(1) << 40000.0 << 253.155
                                 << 0.0 << 43.1 << 296.3 << 23700.40;
        QTest::newRow("no-maintenance") << 100000.0 << 20000.0 << 8000.0 << 365.0 << short(1) << short(0) << 0.0
                                        << 253.155 << 106.8 << 0.0 << 360.0 << 28796.40;
        QTest::newRow("allowance-cap") << 100000.0 << 20000.0 << 8000.0 << 365.0 << short(1) << short(1) << 30000.0
                                       << 253.155 << 106.8 << 43.1 << 403.1 << 30000.0;
        // 1 September 2018 to 28 February 2019: 2.53155 x 181 / 365 = 1.2553713..., cut to
        // 1.255371 rand.
        QTest::newRow("181-days") << 100000.0 << 20000.0 << 8000.0 << 181.0 << short(1) << short(1) << 0.0 << 125.5371
                                  << 106.8 << 43.1 << 275.4 << 22034.968;
        QTest::newRow("no-distance") << 100000.0 << 0.0 << 8000.0 << 365.0 << short(1) << short(1) << 0.0 << 0.0
                                     << 106.8 << 43.1 << 149.9 << 11992.0;
        QTest::newRow("unlimited-cap") << 1000000.0 << 1.0 << 9999999.0 << 365.0 << short(1) << short(1) << 0.0
                                       << 15385000.0 << 158.4 << 88.9 << 15385247.3 << 9999999.97;
    }
    void deemed()
    {
        QFETCH(double, value);
        QFETCH(double, closing);
        QFETCH(double, entered);
        QFETCH(double, days);
        QFETCH(short, fuelFlag);
        QFETCH(short, maintenanceFlag);
        QFETCH(double, allowance);
        QFETCH(double, fixed);
        QFETCH(double, fuel);
        QFETCH(double, maintenance);
        QFETCH(double, shownTotal);
        QFETCH(double, claim);
        TravelClaimInputs in = distanceInputs(days, closing, 0, entered);
        in.vehicleValue = value;
        in.includeFuel = fuelFlag;
        in.includeMaintenance = maintenanceFlag;
        in.allowanceReceived = allowance;
        TravelClaimResult before;
        before.totalCosts = 1234;  // set by an earlier actual-cost claim
        before.privateUse = 567;
        const TravelClaimResult r = TravelDeemedClaim(in, before);
        COMPARE_NEAR(r.fixedCostPerKm, fixed);
        COMPARE_NEAR(r.fuelCostPerKm, fuel);
        COMPARE_NEAR(r.maintenanceCostPerKm, maintenance);
        QCOMPARE(r.totalCostPerKm, shownTotal);
        COMPARE_NEAR(r.deductionClaim, claim);
        QCOMPARE(r.fixedCostPerYear, VehicleScaleLookup(value).fixedCostPerYear);
        QCOMPARE(r.totalCosts, 1234.0);
        QCOMPARE(r.privateUse, 567.0);
    }

    void actual_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("closing");
        QTest::addColumn<double>("opening");
        QTest::addColumn<double>("entered");
        QTest::addColumn<double>("costs");
        QTest::addColumn<short>("fuelFlag");
        QTest::addColumn<double>("allowance");
        QTest::addColumn<double>("totalCosts");
        QTest::addColumn<double>("privateUse");
        QTest::addColumn<double>("claim");
        // 60 000 x 15 000 / 30 000 = 30 000, cut to the allowance; private use stays 30 000.
        QTest::newRow("allowance-cap") << 0.0 << 40000.0 << 10000.0 << 15000.0 << 60000.0 << short(1) << 25000.0
                                       << 60000.0 << 30000.0 << 25000.0;
        // No distance: 200 000 x (0.025 - 0.0022 - 0.0018) x 12 = 50 400 deemed private.
        QTest::newRow("no-distance") << 200000.0 << 0.0 << 0.0 << 0.0 << 80000.0 << short(1) << 0.0 << 80000.0
                                     << 50400.0 << 29600.0;
        QTest::newRow("no-distance-fuel-excluded")
            << 200000.0 << 0.0 << 0.0 << 0.0 << 80000.0 << short(0) << 0.0 << 80000.0 << 55680.0 << 24320.0;
        QTest::newRow("no-distance-above-costs")
            << 200000.0 << 0.0 << 0.0 << 0.0 << 40000.0 << short(1) << 0.0 << 40000.0 << 0.0 << 0.0;
        QTest::newRow("no-distance-allowance")
            << 200000.0 << 0.0 << 0.0 << 0.0 << 80000.0 << short(1) << 20000.0 << 80000.0 << 50400.0 << 20000.0;
        QTest::newRow("one-km") << 0.0 << 1.0 << 0.0 << 1.0 << 5000.0 << short(1) << 0.0 << 5000.0 << 5000.0 << 0.0;
        QTest::newRow("opening-above-closing")
            << 0.0 << 10000.0 << 20000.0 << 0.0 << 5000.0 << short(1) << 0.0 << 5000.0 << 5000.0 << 0.0;
        QTest::newRow("unlimited-cap") << 0.0 << 30000.0 << 0.0 << 30000.0 << 59999994.0 << short(1) << 0.0
                                       << 59999994.0 << 0.0 << 9999999.97;
    }
    void actual()
    {
        QFETCH(double, value);
        QFETCH(double, closing);
        QFETCH(double, opening);
        QFETCH(double, entered);
        QFETCH(double, costs);
        QFETCH(short, fuelFlag);
        QFETCH(double, allowance);
        QFETCH(double, totalCosts);
        QFETCH(double, privateUse);
        QFETCH(double, claim);
        TravelClaimInputs in = distanceInputs(365, closing, opening, entered);
        in.vehicleValue = value;
        in.includeFuel = fuelFlag;
        in.allowanceReceived = allowance;
        // Spread over the six cost fields so that each one counts.
        in.fuelAndOil = costs / 2;
        in.repairsAndMaintenance = costs / 8;
        in.insuranceAndLicence = costs / 8;
        in.otherExpenses = costs / 8;
        in.wearAndTear = costs / 16;
        in.leasePayments = costs / 16;
        TravelClaimResult before;
        before.fixedCostPerYear = 50631;  // set by an earlier deemed-cost claim
        const TravelClaimResult r = TravelActualClaim(in, before);
        COMPARE_NEAR(r.totalCosts, totalCosts);
        COMPARE_NEAR(r.privateUse, privateUse);
        COMPARE_NEAR(r.deductionClaim, claim);
        QCOMPARE(r.fixedCostPerYear, 50631.0);
    }
};

KESTREL_TEST_MAIN(TestTravelClaim)
#include "test_travelclaim.moc"
