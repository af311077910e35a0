// Rounding, the leading-number rule and the number formats.
#include "common/numberformat.h"
#include "common/rounding.h"
#include "tests/support/testsupport.h"

#include <cmath>
#include <limits>

using namespace kestrel;

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundHalfEvenWhole_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        QTest::newRow("half-down-to-even") << 2.5 << 2.0;
        QTest::newRow("half-up-to-even") << 3.5 << 4.0;
        QTest::newRow("negative-half") << -2.5 << -2.0;
        QTest::newRow("negative-odd-half") << -3.5 << -4.0;
        QTest::newRow("below-half") << 2.4999 << 2.0;
        QTest::newRow("above-half") << 2.5001 << 3.0;
        QTest::newRow("zero-half") << 0.5 << 0.0;
        QTest::newRow("large") << 4503599627370497.0 << 4503599627370497.0;
    }
    void roundHalfEvenWhole()
    {
        QFETCH(double, value);
        QFETCH(double, expected);
        QCOMPARE(roundHalfEven(value), expected);
    }

    void roundHalfEvenDecimals_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<double>("expected");
        QTest::newRow("exact-tie-to-even") << 0.125 << 2 << 0.12;
        QTest::newRow("exact-tie-up") << 0.375 << 2 << 0.38;
        // 403.055 cents is not exactly representable; one decimal is not a tie at all.
        QTest::newRow("cents-per-km") << 403.055 << 1 << 403.1;
        QTest::newRow("tie-one-decimal") << 0.25 << 1 << 0.2;
        QTest::newRow("whole") << 2.5 << 0 << 2.0;
        // Written with the 15 digits a double carries, 2722.075 is the half the user sees.
        QTest::newRow("visible-half-up") << 2722.075 << 2 << 2722.08;
        QTest::newRow("visible-half-even") << 2722.085 << 2 << 2722.08;
        QTest::newRow("carry") << 9.995 << 2 << 10.0;
        QTest::newRow("negative") << -1.115 << 2 << -1.12;
        QTest::newRow("small") << 0.0004 << 2 << 0.0;
    }
    void roundHalfEvenDecimals()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(double, expected);
        QCOMPARE(roundHalfEven(value, decimals), expected);
    }

    void intAndFloor2()
    {
        QCOMPARE(vbInt(2.7), 2.0);
        QCOMPARE(vbInt(-2.3), -3.0);
        QCOMPARE(floor2(200 * 18000 / 365.0), 9863.01);
        QCOMPARE(floor2(-1.234), -1.24);
    }

    void clampingConversions()
    {
        QCOMPARE(toInt16(40000), short(32767));
        QCOMPARE(toInt16(-40000), short(-32768));
        QCOMPARE(toInt16(2.5), short(2));
        QCOMPARE(toInt16(std::nan("")), short(0));
        QCOMPARE(toSingle(1e300), std::numeric_limits<float>::max());
        QCOMPARE(toSingle(12345678.91), 12345679.0f);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "1234.56" << 1234.56;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("trailing-letters") << "12abc" << 12.0;
        QTest::newRow("grouped") << "1 234 567.89" << 1234567.89;
        QTest::newRow("no-break-space") << QString::fromUtf8("1\u00a0234") << 1234.0;
        QTest::newRow("leading-blanks") << "   42" << 42.0;
        QTest::newRow("negative") << "-15.5" << -15.5;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("two-signs") << "--5" << 0.0;
        QTest::newRow("sign-then-plus") << "-+5" << 0.0;
        QTest::newRow("second-point-stops") << "1.2.3" << 1.2;
        QTest::newRow("leading-point") << ".5" << 0.5;
        QTest::newRow("only-point") << "." << 0.0;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("exponent-d") << "2d2" << 200.0;
        QTest::newRow("exponent-without-digits") << "3e" << 3.0;
        QTest::newRow("exponent-negative") << "25e-1" << 2.5;
        QTest::newRow("comma-stops") << "1,234" << 1.0;
        QTest::newRow("huge") << "1e400" << std::numeric_limits<double>::max();
        QTest::newRow("huge-negative") << "-1e400" << -std::numeric_limits<double>::max();
        QTest::newRow("tiny") << "1e-400" << 0.0;
        QTest::newRow("many-digits") << QString(500, QLatin1Char('9')) << std::numeric_limits<double>::max();
        QTest::newRow("negative-zero") << "-0" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const double value = kestrel::leadingNumber(text);
        QVERIFY(std::isfinite(value));
        QCOMPARE(value, expected);
        QVERIFY(!std::signbit(value) || value < 0);
    }

    void formats_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("fixed2");
        QTest::addColumn<QString>("grouped");
        QTest::addColumn<QString>("groupedNoLeadingZero");
        QTest::newRow("zero") << 0.0 << "0.00"
                              << "0.00"
                              << ".00";
        QTest::newRow("below-one") << 0.5 << "0.50"
                                   << "0.50"
                                   << ".50";
        QTest::newRow("hundreds") << 123.456 << "123.46"
                                  << "123.46"
                                  << "123.46";
        QTest::newRow("thousands") << 1234.5 << "1234.50"
                                   << "1 234.50"
                                   << "1 234.50";
        QTest::newRow("millions") << 1234567.891 << "1234567.89"
                                  << "1 234 567.89"
                                  << "1 234 567.89";
        QTest::newRow("negative") << -1000.0 << "-1000.00"
                                  << "-1 000.00"
                                  << "-1 000.00";
        QTest::newRow("negative-rounds-to-zero") << -0.001 << "0.00"
                                                 << "0.00"
                                                 << ".00";
        QTest::newRow("tie-to-even") << 0.125 << "0.12"
                                     << "0.12"
                                     << ".12";
        QTest::newRow("visible-half") << 2722.075 << "2722.08"
                                      << "2 722.08"
                                      << "2 722.08";
        QTest::newRow("carry-to-thousand") << 999.995 << "1000.00"
                                           << "1 000.00"
                                           << "1 000.00";
        QTest::newRow("huge") << 1e20 << "100000000000000000000.00"
                              << "100 000 000 000 000 000 000.00"
                              << "100 000 000 000 000 000 000.00";
        QTest::newRow("billions") << 9999999999.0 << "9999999999.00"
                                  << "9 999 999 999.00"
                                  << "9 999 999 999.00";
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << "Overflow"
                                  << "Overflow"
                                  << "Overflow";
        QTest::newRow("nan") << std::nan("") << "Overflow"
                             << "Overflow"
                             << "Overflow";
    }
    void formats()
    {
        QFETCH(double, value);
        QFETCH(QString, fixed2);
        QFETCH(QString, grouped);
        QFETCH(QString, groupedNoLeadingZero);
        QCOMPARE(formatFixed(value, 2), fixed2);
        QCOMPARE(formatGrouped(value), grouped);
        QCOMPARE(formatGroupedNoLeadingZero(value), groupedNoLeadingZero);
    }

    void displayKinds()
    {
        QCOMPARE(formatPercent(27.5), QStringLiteral("27.500"));
        QCOMPARE(formatWhole(2722.5), QStringLiteral("2722"));
        QCOMPARE(formatWhole(2723.5), QStringLiteral("2724"));
        QCOMPARE(formatPlain(250000), QStringLiteral("250000"));
        QCOMPARE(formatPlain(1234.5), QStringLiteral("1234.5"));
        // A shown value reads back as itself.
        QCOMPARE(kestrel::leadingNumber(formatGrouped(1234567.89)), 1234567.89);
    }
};

KESTREL_TEST_MAIN(TestNumbers)
#include "test_numbers.moc"
