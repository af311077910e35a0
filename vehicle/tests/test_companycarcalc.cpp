// The company-car fringe benefit over a set of vehicles, on worked figures of the 2018/19
// year, and the rows of its printout.
#include "tests/support/testsupport.h"
#include "vehicle/companycarcalc.h"

using namespace kestrel;

namespace {

CompanyCarRecord fullYearCar(double price)
{
    CompanyCarRecord car;
    car.CCRegNumber = QStringLiteral("CA 123-456");
    car.CCPrice = price;
    return car;
}

CompanyCarSet setOf(std::vector<CompanyCarRecord> cars, short current = 1)
{
    CompanyCarSet set;
    set.count = short(cars.size());
    set.current = current;
    set.shownNumber = current;
    set.records.insert(set.records.end(), cars.begin(), cars.end());
    return set;
}

}  // namespace

class TestCompanyCarCalc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void oneVehicle_data()
    {
        QTest::addColumn<CompanyCarRecord>("car");
        QTest::addColumn<double>("actual3802");
        QTest::addColumn<QList<double>>("expected");
        // expected: private distance, true inclusion, fuel component, fuel claim, additional
        // expenses, fuel and expenses, adjustment, SARS adjustment, code 3802, monthly 80/20,
        // fortnightly 80/20, weekly 80/20.
        CompanyCarRecord plain = fullYearCar(300000);
        QTest::newRow("no-plan") << plain << 0.0
                                 << QList<double>{0,      126000, 0,    0,       0,      0,       126000, 0,
                                                  126000, 8400,   2100, 3876.80, 969.20, 1938.40, 484.60};
        CompanyCarRecord plan = plain;
        plan.MaintIncluded = 1;
        QTest::newRow("plan") << plan << 0.0 << QList<double>{0,      117000, 0,    0,    0,   0,    117000, 0,
                                                              117000, 7800,   1950, 3600, 900, 1800, 450};
        CompanyCarRecord logbook = plain;
        logbook.BussMilage = 1;
        logbook.EndMileage = 40000;
        logbook.BusDistance = 30000;
        logbook.SARSTable = 1;
        logbook.EmpPaidInsurance = 5000;
        logbook.EmpPaidLicence = 1000;
        logbook.FB3802ThisCar = 126000;
        // 40 000 km x R1.248 = 49 920; a quarter of the distance is private.
        QTest::newRow("logbook") << logbook << 126000.0
                                 << QList<double>{10000,  31500, 49920, 12480,   1500,   13980,   -108480, -108480,
                                                  126000, 8400,  2100,  3876.80, 969.20, 1938.40, 484.60};
        CompanyCarRecord noDistance = plain;
        noDistance.BussMilage = 1;
        noDistance.ActualExpEmployee = 3000;
        noDistance.EmpPaidInsurance = 2000;
        noDistance.FB3802ThisCar = 100000;
        // The private share of a total distance of 0 cannot be worked out: those steps are
        // skipped and their figures stay 0.
        QTest::newRow("logbook-no-distance")
            << noDistance << 100000.0
            << QList<double>{0, 0, 0, 0, 0, 0, -100000, 0, 126000, 8400, 2100, 3876.80, 969.20, 1938.40, 484.60};
        CompanyCarRecord floor = fullYearCar(100000);
        floor.FB3802ThisCar = 200000;
        QTest::newRow("adjustment-floor")
            << floor << 100000.0
            << QList<double>{0, 42000, 0, 0, 0, 0, -100000, 0, 42000, 2800, 700, 1292, 323, 646.40, 161.60};
        CompanyCarRecord noPrice = fullYearCar(0);
        noPrice.BussMilage = 1;
        noPrice.EndMileage = 20000;
        noPrice.BusDistance = 10000;
        noPrice.ActualExpEmployee = 4000;
        noPrice.FB3802ThisCar = 10000;
        // Without a price the adjustment is the SARS adjustment: -(0.5 x 10 000 + 2 000).
        QTest::newRow("no-price") << noPrice << 10000.0
                                  << QList<double>{10000, 0, 0, 2000, 0, 2000, -7000, -7000, 0, 0, 0, 0, 0, 0, 0};
        CompanyCarRecord halfYear = fullYearCar(300000);
        halfYear.CCStartDate = dayNumber(2018, 9, 1);  // 181 days
        // 3.5 x 12 / 36 500 x 300 000 x 181 = 62 482.19...
        QTest::newRow("181-days") << halfYear << 0.0
                                  << QList<double>{0,     62482, 0,    0,       0,      0,       62482, 0,
                                                   62482, 8400,  2100, 3876.80, 969.20, 1938.40, 484.60};
    }
    void oneVehicle()
    {
        QFETCH(CompanyCarRecord, car);
        QFETCH(double, actual3802);
        QFETCH(QList<double>, expected);
        CompanyCarSet set = setOf({car});
        set.Actual3802 = actual3802;
        const CompanyCarCalculation calc = CompCarCalc(set);
        QVERIFY(!calc.stopped);
        const CompanyCarResult& r = calc.results[1];
        const CompanyCarRecord& out = calc.set.records[1];
        const QList<double> actual{
            r.privateDistance, r.trueInclusion,      out.FuelComponent, r.fuelClaim,      r.totalAdditionalExpenses,
            r.fuelAndExpenses, out.AdjustTaxableInc, r.sarsAdjustment,  r.code3802Amount, r.monthly80,
            r.monthly20,       r.fortnightly80,      r.fortnightly20,   r.weekly80,       r.weekly20};
        for (int k = 0; k < expected.size(); ++k)
            QVERIFY2(
                qAbs(actual[k] - expected[k]) < 1e-6,
                qPrintable(
                    QStringLiteral("figure %1 is %2, expected %3").arg(k).arg(actual[k], 0, 'f', 6).arg(expected[k])));
        QCOMPARE(calc.totalAdjustment, out.AdjustTaxableInc);
        QCOMPARE(calc.totalSarsAdjustment, r.sarsAdjustment);
        QCOMPARE(r.days, daysOfUse(car));
    }

    void businessDistanceHeldToTotal()
    {
        CompanyCarRecord car = fullYearCar(300000);
        car.TotalDistance = 10000;  // entered, no readings
        car.BusDistance = 15000;
        const CompanyCarCalculation calc = CompCarCalc(setOf({car}));
        QCOMPARE(calc.set.records[1].BusDistance, 10000.0);
        QCOMPARE(calc.set.records[1].TotalDistance, 10000.0);
        QCOMPARE(calc.results[1].privateDistance, 0.0);
    }

    void readingsGiveTheTotalDistance()
    {
        CompanyCarRecord car = fullYearCar(300000);
        car.TotalDistance = 999;
        car.StartMileage = 30000;
        car.EndMileage = 10000;  // below the start reading: computed as it stands
        const CompanyCarCalculation calc = CompCarCalc(setOf({car}));
        QCOMPARE(calc.set.records[1].TotalDistance, -20000.0);
    }

    void autoSplitByDaysOfUse()
    {
        CompanyCarRecord first = fullYearCar(300000);
        CompanyCarRecord second = fullYearCar(200000);
        second.CCEndDate = dayNumber(2018, 6, 8);  // 100 days from 1 March
        CompanyCarSet set = setOf({first, second});
        set.Actual3802 = 146000;
        set.autoSplit = 1;
        const CompanyCarCalculation calc = CompCarCalc(set);
        QCOMPARE(calc.results[2].days, 100.0);
        QCOMPARE(calc.set.records[1].FB3802ThisCar, 146000.0 * 365 / 465);
        QCOMPARE(calc.set.records[2].FB3802ThisCar, 146000.0 * 100 / 465);
        // 126 000 - 114 602.15 and R(3.5 x 12 / 36 500 x 200 000 x 100) - 31 397.85.
        QCOMPARE(calc.set.records[1].AdjustTaxableInc, 11398.0);
        QCOMPARE(calc.set.records[2].AdjustTaxableInc, -8384.0);
        QCOMPARE(calc.totalAdjustment, 11398.0 - 8384.0);
    }

    void autoSplitLeavesOutAVehicleWithoutPriceOrDistance()
    {
        CompanyCarRecord empty = fullYearCar(0);
        CompanyCarSet set = setOf({fullYearCar(300000), empty});
        set.Actual3802 = 100000;
        set.autoSplit = 1;
        const CompanyCarCalculation calc = CompCarCalc(set);
        QCOMPARE(calc.set.records[2].FB3802ThisCar, 0.0);
        // Its days still count in the total days of use.
        QCOMPARE(calc.set.records[1].FB3802ThisCar, 50000.0);
    }

    void stopsWhenTheVehicleShownIsEmpty()
    {
        CompanyCarRecord first = fullYearCar(300000);
        first.AdjustTaxableInc = 5;  // from an earlier calculation
        CompanyCarRecord empty = fullYearCar(0);
        empty.AdjustTaxableInc = 7;
        const CompanyCarCalculation calc = CompCarCalc(setOf({first, empty}, 2));
        QVERIFY(calc.stopped);
        QCOMPARE(calc.results[1].trueInclusion, 0.0);
        QCOMPARE(calc.set.records[1].AdjustTaxableInc, 5.0);
        QCOMPARE(calc.totalAdjustment, 12.0);
        QCOMPARE(calc.totalSarsAdjustment, 0.0);
    }

    void emptySetHasNoFigures()
    {
        const CompanyCarCalculation calc = CompCarCalc(CompanyCarSet{});
        QVERIFY(!calc.stopped);
        QCOMPARE(calc.results.size(), size_t(1));
        QCOMPARE(calc.totalAdjustment, 0.0);
        QCOMPARE(calc.totalSarsAdjustment, 0.0);
        const CompanyCarCalculation print = PrintCalc(CompanyCarSet{});
        QVERIFY(compCarReportRows(print).empty());
    }

    void printCalcSkipsAVehicleWithoutPriceOrDistance()
    {
        CompanyCarRecord noPrice = fullYearCar(0);
        noPrice.BussMilage = 1;
        noPrice.EndMileage = 20000;
        noPrice.BusDistance = 10000;
        noPrice.FB3802ThisCar = 10000;
        // The vehicle shown is the empty one: the window's calculation stops there, the
        // printout still works out every other vehicle.
        CompanyCarSet set = setOf({fullYearCar(300000), fullYearCar(0), noPrice}, 2);
        set.Actual3802 = 136000;
        const CompanyCarCalculation print = PrintCalc(set);
        QVERIFY(print.stopped);
        QCOMPARE(print.results[1].trueInclusion, 126000.0);
        QCOMPARE(print.results[1].code3802Amount, 126000.0);
        QCOMPARE(print.results[2].trueInclusion, 0.0);
        QCOMPARE(print.results[2].days, 365.0);

        const std::vector<ReportFields> rows = compCarReportRows(print);
        QCOMPARE(rows.size(), size_t(3));
        QCOMPARE(reportValue(rows[0], QStringLiteral("CarNum")).toInt(), 1);
        QCOMPARE(reportValue(rows[2], QStringLiteral("CarNum")).toInt(), 3);
        QCOMPARE(reportValue(rows[2], QStringLiteral("CMVMaxNum")).toInt(), 3);
        QCOMPARE(reportValue(rows[0], QStringLiteral("MonFB80")).toDouble(), 8400.0);
        QCOMPARE(reportValue(rows[0], QStringLiteral("CCStartDate")).toString(), QStringLiteral("01/03/2018"));
        QCOMPARE(reportValue(rows[0], QStringLiteral("CCEndDate")).toString(), QStringLiteral("28/02/2019"));
        QCOMPARE(reportValue(rows[0], QStringLiteral("CCMonths")).toDouble(), 365.0);
        QCOMPARE(reportValue(rows[0], QStringLiteral("MaintIncluded")).toString(), QStringLiteral("No"));
        QCOMPARE(reportValue(rows[2], QStringLiteral("BussMilage")).toString(), QStringLiteral("Yes"));
        QCOMPARE(reportValue(rows[0], QStringLiteral("Actual3802")).toDouble(), 136000.0);
        // Without a price: no true inclusion, the SARS adjustment -(0.5 x 10 000) in both fields.
        QCOMPARE(reportValue(rows[2], QStringLiteral("TrueInclusion")).toDouble(), 0.0);
        QCOMPARE(reportValue(rows[2], QStringLiteral("SARSDeductionClaim")).toDouble(), -5000.0);
        QCOMPARE(reportValue(rows[2], QStringLiteral("AdjustTaxableInc")).toDouble(), -5000.0);
    }

    void totalDoesNotDependOnTheVehicleShown()
    {
        CompanyCarRecord noPrice = fullYearCar(0);
        noPrice.BussMilage = 1;
        noPrice.EndMileage = 20000;
        noPrice.BusDistance = 10000;
        noPrice.FB3802ThisCar = 10000;
        // Its readings have not been turned into a total distance yet; they count as one.
        CompanyCarSet set = setOf({fullYearCar(300000), noPrice}, 1);
        set.Actual3802 = 10000;
        const double shownFirst = CompCarCalc(set).totalAdjustment;
        set.current = 2;
        QCOMPARE(CompCarCalc(set).totalAdjustment, shownFirst);
        QCOMPARE(shownFirst, 126000.0 - 5000.0);
    }
};

KESTREL_TEST_MAIN(TestCompanyCarCalc)
#include "test_companycarcalc.moc"
