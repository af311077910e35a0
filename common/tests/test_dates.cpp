// Day numbers from 30 December 1899 and dd/mm/yyyy.
#include "common/dates.h"
#include "tests/support/testsupport.h"

using namespace kestrel;

class TestDates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dayNumbers_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("number");
        QTest::newRow("epoch") << 1899 << 12 << 30 << 0;
        QTest::newRow("tax-year-start") << 2018 << 3 << 1 << 43160;
        QTest::newRow("end-of-march") << 2018 << 3 << 31 << 43190;
        QTest::newRow("tax-year-end") << 2019 << 2 << 28 << 43524;
        QTest::newRow("no-date-marker") << 1800 << 1 << 1 << -36522;
    }
    void dayNumbers()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(int, number);
        QCOMPARE(dayNumber(year, month, day), number);
        QCOMPARE(dateOfDayNumber(number), QDate(year, month, day));
    }

    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");  // -1: rejected
        QTest::newRow("shown-form") << "01/03/2018" << 43160;
        QTest::newRow("short-parts") << "1/3/2018" << 43160;
        QTest::newRow("dashes") << "28-02-2019" << 43524;
        QTest::newRow("dots") << "31.03.2018" << 43190;
        QTest::newRow("eight-digits") << "01032018" << 43160;
        QTest::newRow("mask-filled") << "01/03/2018" << 43160;
        QTest::newRow("blanks-around") << "  01/03/2018 " << 43160;
        QTest::newRow("empty-mask") << "__/__/____" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("no-such-day") << "31/02/2018" << -1;
        QTest::newRow("month-13") << "01/13/2018" << -1;
        QTest::newRow("two-digit-year") << "01/03/18" << -1;
        QTest::newRow("letters") << "first of March" << -1;
        QTest::newRow("partly-typed-mask") << "01/0_/____" << -1;
        QTest::newRow("leap-day") << "29/02/2020" << dayNumber(2020, 2, 29);
        QTest::newRow("no-leap-day") << "29/02/2019" << -1;
    }
    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const auto day = parseDate(text);
        if (expected < 0)
            QVERIFY(!day);
        else
            QCOMPARE(day.value_or(-1), expected);
    }

    void formatting()
    {
        QCOMPARE(formatDate(43160), QStringLiteral("01/03/2018"));
        QCOMPARE(formatDate(43524), QStringLiteral("28/02/2019"));
        QCOMPARE(monthOf(43190), 3);
        QCOMPARE(dayOfMonthOf(43190), 31);
    }
};

KESTREL_TEST_MAIN(TestDates)
#include "test_dates.moc"
