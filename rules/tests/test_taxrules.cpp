// The income-tax scale, rebates, medical tax credits and the retirement-fund deduction of
// the 2018/19 year, on the published figures.
#include "rules/payrules.h"
#include "rules/taxrules.h"
#include "rules/vehiclescale.h"
#include "tests/support/testsupport.h"

using namespace kestrel;

class TestTaxRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void taxScale_data()
    {
        QTest::addColumn<double>("income");
        QTest::addColumn<double>("rate");
        QTest::addColumn<double>("tax");
        QTest::newRow("zero") << 0.0 << 18.0 << 0.0;
        QTest::newRow("primary-threshold") << 78150.0 << 18.0 << 14067.0;
        QTest::newRow("top-of-bracket-1") << 195850.0 << 18.0 << 35253.0;
        QTest::newRow("bottom-of-bracket-2") << 195851.0 << 26.0 << 35253.26;
        QTest::newRow("bracket-3") << 400000.0 << 31.0 << 63853 + (400000 - 305850) * 0.31;
        QTest::newRow("jump-at-423300") << 423300.0 << 31.0 << 100262.5;
        QTest::newRow("above-423300") << 423300.01 << 36.0 << 100263.0036;
        QTest::newRow("top-of-bracket-6") << 1500000.0 << 41.0 << 532040.90;
        QTest::newRow("bracket-7") << 1500001.0 << 45.0 << 532041.45;
        QTest::newRow("negative") << -1000.0 << 18.0 << -180.0;
    }
    void taxScale()
    {
        QFETCH(double, income);
        QFETCH(double, rate);
        QFETCH(double, tax);
        const TaxScaleResult r = TaxScaleLookup(income);
        QCOMPARE(r.marginalRate, rate);
        QVERIFY2(qAbs(r.taxBeforeRebates - tax) < 1e-6, qPrintable(QString::number(r.taxBeforeRebates, 'f', 6)));
        QCOMPARE(r.taxBeforeRebates, r.baseTax + r.taxOnExcess);
        QCOMPARE(r.taxOnExcess, (income - r.bracketFloor) * rate / 100);
        QCOMPARE(taxBeforeRebates(income), r.taxBeforeRebates);
        QCOMPARE(r.income, income);
    }

    void topBracketCeilingIsForDisplay()
    {
        const TaxScaleResult r = TaxScaleLookup(5e10);
        QCOMPARE(r.marginalRate, 45.0);
        QCOMPARE(r.bracketCeiling, 9999999999.0);
    }

    void rebates_data()
    {
        QTest::addColumn<int>("age");
        QTest::addColumn<double>("rebate");
        QTest::newRow("0") << 0 << 14067.0;
        QTest::newRow("64") << 64 << 14067.0;
        QTest::newRow("65") << 65 << 21780.0;
        QTest::newRow("74") << 74 << 21780.0;
        QTest::newRow("75") << 75 << 24354.0;
        QTest::newRow("110") << 110 << 24354.0;
    }
    void rebates()
    {
        QFETCH(int, age);
        QFETCH(double, rebate);
        QCOMPARE(RebateForAge(age), rebate);
    }

    void medicalSchemeFeesCredit_data()
    {
        QTest::addColumn<int>("beneficiaries");
        QTest::addColumn<double>("employer");
        QTest::addColumn<double>("employee");
        QTest::addColumn<double>("credit");
        QTest::newRow("one") << 1 << 0.0 << 500.0 << 310.0;
        QTest::newRow("two") << 2 << 500.0 << 0.0 << 620.0;
        QTest::newRow("three") << 3 << 1.0 << 1.0 << 829.0;
        QTest::newRow("five") << 5 << 1.0 << 0.0 << 1247.0;
        QTest::newRow("none") << 0 << 1.0 << 1.0 << 0.0;
        QTest::newRow("no-contribution") << 4 << 0.0 << 0.0 << 0.0;
        QTest::newRow("negative-contributions") << 4 << -10.0 << -10.0 << 0.0;
        QTest::newRow("negative-count") << -3 << 100.0 << 0.0 << 0.0;
        QTest::newRow("int16-limit") << 32767 << 1.0 << 0.0 << 620 + 209 * 32765.0;
    }
    void medicalSchemeFeesCredit()
    {
        QFETCH(int, beneficiaries);
        QFETCH(double, employer);
        QFETCH(double, employee);
        QFETCH(double, credit);
        QCOMPARE(MedicalSchemeFeesCredit(beneficiaries, employer, employee), credit);
    }

    void beneficiaryMonths()
    {
        QCOMPARE(MedicalSchemeFeesCreditForBeneficiaryMonths(24, 1, 0), 7440.0);
        QCOMPARE(MedicalSchemeFeesCreditForBeneficiaryMonths(25, 1, 0), 7649.0);
        QCOMPARE(MedicalSchemeFeesCreditForBeneficiaryMonths(12, 0, 1), 3720.0);
        QCOMPARE(MedicalSchemeFeesCreditForBeneficiaryMonths(25, 0, 0), 0.0);
    }

    void additionalMedicalCredit()
    {
        QCOMPARE(AdditionalMedicalCredit(65, 3000, 1000, 620), (4000 - 1860) * 0.333);
        QVERIFY(qAbs(AdditionalMedicalCredit(65, 3000, 1000, 620) - 712.62) < 1e-9);
        QCOMPARE(AdditionalMedicalCredit(64, 3000, 1000, 620), 0.0);
        QCOMPARE(AdditionalMedicalCredit(70, 500, 500, 620), 0.0);  // below 3 x credit
        QCOMPARE(AdditionalMedicalCredit(70, 3000, 1000, 0), 0.0);  // no credit
        QCOMPARE(AdditionalMedicalCredit(70, 0, 0, 620), 0.0);      // no contribution
    }

    void retirementFundDeduction_data()
    {
        QTest::addColumn<double>("contributions");
        QTest::addColumn<double>("base");
        QTest::addColumn<double>("periods");
        QTest::addColumn<double>("deduction");
        QTest::newRow("limited-to-27.5%") << 5000.0 << 10000.0 << 12.0 << 2750.0;
        QTest::newRow("contributions") << 2000.0 << 10000.0 << 12.0 << 2000.0;
        QTest::newRow("equal-takes-contributions") << 2750.0 << 10000.0 << 12.0 << 2750.0;
        QTest::newRow("monthly-cap") << 40000.0 << 200000.0 << 12.0 << 350000 / 12.0;
        QTest::newRow("annual-cap") << 400000.0 << 2000000.0 << 1.0 << 350000.0;
        QTest::newRow("daily-cap") << 5000.0 << 100000.0 << 260.0 << 350000 / 260.0;
    }
    void retirementFundDeduction()
    {
        QFETCH(double, contributions);
        QFETCH(double, base);
        QFETCH(double, periods);
        QFETCH(double, deduction);
        QCOMPARE(RetirementFundDeduction(contributions, base, periods), deduction);
    }

    void travelAllowanceAndUif()
    {
        QCOMPARE(TaxableTravelAllowance(5000, 0.8), 4000.0);
        QCOMPARE(TaxableTravelAllowance(5000, 0.2), 1000.0);
        QCOMPARE(uifLimitForPeriod(14872, PayPeriod::Monthly), 14872.0);
        QCOMPARE(uifLimitForPeriod(14872, PayPeriod::Weekly), 14872 * 12 / 52.0);
        QCOMPARE(uifLimitForPeriod(14872, PayPeriod::Daily), 14872 * 12 / 260.0);
        const UifContributions capped = uifContributions(20000, 14872, 1, 1);
        QCOMPARE(capped.employee, 148.72);
        const UifContributions under = uifContributions(10000, 14872, 1, 2);
        QCOMPARE(under.employee, 100.0);
        QCOMPARE(under.employer, 200.0);
        QCOMPARE(skillsLevy(10000, 500, 1000, 1), 105.0);
    }

    void vehicleScale_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("fixed");
        QTest::addColumn<double>("fuel");
        QTest::addColumn<double>("maintenance");
        QTest::newRow("zero") << 0.0 << 28352.0 << 0.957 << 0.344;
        QTest::newRow("85000") << 85000.0 << 28352.0 << 0.957 << 0.344;
        QTest::newRow("85000.01") << 85000.01 << 50631.0 << 1.068 << 0.431;
        QTest::newRow("85001") << 85001.0 << 50631.0 << 1.068 << 0.431;
        QTest::newRow("595000") << 595000.0 << 153850.0 << 1.584 << 0.889;
        QTest::newRow("1000000") << 1000000.0 << 153850.0 << 1.584 << 0.889;
    }
    void vehicleScale()
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
};

KESTREL_TEST_MAIN(TestTaxRules)
#include "test_taxrules.moc"
