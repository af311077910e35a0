// QuickTax: the breakdown of the tax on an annual taxable income.
#include "common/numberformat.h"
#include "payroll/quicktax.h"
#include "tests/support/testsupport.h"

using namespace kestrel;

class TestQuickTax : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void breakdown_data()
    {
        QTest::addColumn<double>("income");
        QTest::addColumn<short>("age");
        // base tax, rate, excess, total, rebate, commitment, average before, after, monthly
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("250000-40") << 250000.0 << short(40)
                                   << QStringList{"35253.00", "26",   "14079.00", "49332.00", "14067.00",
                                                  "35265.00", "19.7", "14.1",     "2938.75"};
        QTest::newRow("250000-65") << 250000.0 << short(65)
                                   << QStringList{"35253.00", "26",   "14079.00", "49332.00", "21780.00",
                                                  "27552.00", "19.7", "11.0",     "2296.00"};
        QTest::newRow("250000-75") << 250000.0 << short(75)
                                   << QStringList{"35253.00", "26",   "14079.00", "49332.00", "24354.00",
                                                  "24978.00", "19.7", "10.0",     "2081.50"};
        // No tax: the average rate before rebates is the first bracket's marginal rate.
        QTest::newRow("zero") << 0.0 << short(40)
                              << QStringList{"0.00", "18", "0.00", "0.00", "14067.00", "0.00", "18.0", "0.0", "0.00"};
        QTest::newRow("below-rebate") << 70000.0 << short(30)
                                      << QStringList{"0.00", "18",   "12600.00", "12600.00", "14067.00",
                                                     "0.00", "18.0", "0.0",      "0.00"};
        QTest::newRow("top-bracket") << 2000000.0 << short(40)
                                     << QStringList{"532041.00", "45",   "225000.00", "757041.00", "14067.00",
                                                    "742974.00", "37.9", "37.1",      "61914.50"};
        QTest::newRow("negative") << -1000.0 << short(40)
                                  << QStringList{"0.00", "18",   "-180.00", "-180.00", "14067.00",
                                                 "0.00", "18.0", "0.0",     "0.00"};
    }
    void breakdown()
    {
        QFETCH(double, income);
        QFETCH(short, age);
        QFETCH(QStringList, expected);
        const QuickTaxResult r = calculateQuickTax(income, age);
        const QStringList actual{formatMoney(r.lookup.baseTax),
                                 formatWhole(r.lookup.marginalRate),
                                 formatMoney(r.lookup.taxOnExcess),
                                 formatMoney(r.totalTax),
                                 formatMoney(r.rebate),
                                 formatMoney(r.taxCommitment),
                                 formatFixed(r.averageRateBefore, 1),
                                 formatFixed(r.averageRateAfter, 1),
                                 formatMoney(r.monthlyTax)};
        QCOMPARE(actual, expected);
        QCOMPARE(r.income, income);
    }
};

KESTREL_TEST_MAIN(TestQuickTax)
#include "test_quicktax.moc"
