// kestrel-calc's loan, loan-buster, loan-comparison, daily-balance and inflation records:
// keys, defaults, the windows' messages for field limits and refused calculations.
#include "cli/runner.h"
#include "common/numberformat.h"
#include "tests/support/testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace kestrel;
using namespace kestrel::cli;

namespace {

QJsonObject runOne(const QString& calculator, const QByteArray& record)
{
    const Calculator* c = calculators().find(calculator);
    if (!c)
        qFatal("no calculator %s", qPrintable(calculator));
    const RunOutput out = runRecords(*c, InputFormat::Json, record, {});
    return QJsonDocument::fromJson(out.text.trimmed()).object();
}

QString cents(const QJsonValue& value)
{
    return formatMoney(value.toDouble());
}

}  // namespace

class TestCalcFinance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void results_data()
    {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("loan-default-mode")
            << "loan" << QByteArray(R"({"principal":100000,"period":240,"rate":12})") << "repayment"
            << "1101.09";
        QTest::newRow("loan-charges") << "loan" << QByteArray(R"({"principal":100000,"period":240,"rate":12})")
                                      << "totalInterest"
                                      << "164261.60";
        QTest::newRow("loan-period")
            << "loan" << QByteArray(R"({"mode":"Repayment period","principal":100000,"rate":10,"repayment":1000})")
            << "period"
            << "215.00";
        QTest::newRow("loan-period-repayment")
            << "loan" << QByteArray(R"({"mode":"Repayment period","principal":100000,"rate":10,"repayment":1000})")
            << "repayment"
            << "1001.52";
        QTest::newRow("loan-rate")
            << "loan" << QByteArray(R"({"mode":"Interest rate","principal":100000,"period":240,"repayment":1101.09})")
            << "rate"
            << "12.00";
        QTest::newRow("buster-saving") << "loan-buster"
                                       << QByteArray(R"({"principal":500000,"period":240,"rate":10,"extra":1000})")
                                       << "totalSaving"
                                       << "277317.23";
        QTest::newRow("buster-extra") << "loan-buster"
                                      << QByteArray(R"({"principal":500000,"period":240,"rate":10,"extra":1000})")
                                      << "extra"
                                      << "1007.40";
        QTest::newRow("daily-interest")
            << "daily-balance"
            << QByteArray(R"({"capital":100000,"rate":10,"startDate":"01/03/2018","endDate":"28/02/2019"})")
            << "interest"
            << "9972.60";
        QTest::newRow("daily-one-date") << "daily-balance"
                                        << QByteArray(R"({"capital":100000,"rate":10,"endDate":"28/02/2019"})")
                                        << "days"
                                        << "0.00";
        QTest::newRow("inflation-future")
            << "inflation" << QByteArray(R"({"presentCost":1000,"period":10,"rate":6})") << "futureValue"
            << "1790.85";
        QTest::newRow("inflation-power") << "inflation" << QByteArray(R"({"presentCost":1000,"period":10,"rate":-5})")
                                         << "buyingPower"
                                         << "1670.18";
    }
    void results()
    {
        QFETCH(QString, calculator);
        QFETCH(QByteArray, record);
        QFETCH(QString, key);
        const QJsonObject out = runOne(calculator, record);
        QVERIFY2(!out.contains(QStringLiteral("error")), qPrintable(out.value(QStringLiteral("error")).toString()));
        QTEST(cents(out.value(key)), "value");
    }

    void errors_data()
    {
        QTest::addColumn<QString>("calculator");
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("hasLine");
        QTest::newRow("loan-rate") << "loan" << QByteArray(R"({"rate":50.001})")
                                   << "The maximum interest rate allowed is 50%" << true;
        QTest::newRow("loan-period") << "loan" << QByteArray(R"({"period":601})")
                                     << "The maximum period  allowed is 600 months" << true;
        QTest::newRow("loan-mode") << "loan" << QByteArray(R"({"mode":"Balloon"})") << "" << true;
        QTest::newRow("loan-first-month")
            << "loan" << QByteArray(R"({"mode":"Repayment period","principal":1000,"rate":10,"repayment":2000})")
            << "The monthly repayment is more than the principal plus one month's interest: the first instalment "
               "already repays the whole loan."
            << false;
        QTest::newRow("buster-rate") << "loan-buster" << QByteArray(R"({"rate":60})")
                                     << "The maximum interest rate allowed is 50%" << true;
        QTest::newRow("comparison-rate") << "loan-comparison" << QByteArray(R"({"rate":51})")
                                         << "The maximum interest rate allowed is 50%" << true;
        QTest::newRow("daily-rate") << "daily-balance" << QByteArray(R"({"rate":40.5})")
                                    << "The maximum Interest Rate allowed is 40%" << true;
        QTest::newRow("daily-end-before-start")
            << "daily-balance" << QByteArray(R"({"startDate":"01/03/2018","endDate":"28/02/2018"})")
            << "The date entered is more than 30 years(360 months) after 01/03/2018." << true;
        QTest::newRow("daily-invalid") << "daily-balance" << QByteArray(R"({"startDate":"30/02/2018"})")
                                       << "The date entered is invalid please enter a valid date." << true;
        QTest::newRow("inflation-rate") << "inflation" << QByteArray(R"({"rate":-5.5})")
                                        << "The range of the Inflation Rate is between -5% and 40%" << true;
        QTest::newRow("inflation-period")
            << "inflation" << QByteArray(R"({"period":41})") << "The maximum period allowed 40 years" << true;
        QTest::newRow("unknown-key") << "inflation" << QByteArray(R"({"years":4})") << "" << true;
    }
    void errors()
    {
        QFETCH(QString, calculator);
        QFETCH(QByteArray, record);
        QFETCH(QString, error);
        QFETCH(bool, hasLine);
        const QJsonObject out = runOne(calculator, record);
        QVERIFY(out.contains(QStringLiteral("error")));
        if (!error.isEmpty())
            QCOMPARE(out.value(QStringLiteral("error")).toString(), error);
        QCOMPARE(out.contains(QStringLiteral("line")), hasLine);
    }

    void loanScheduleFollowsTheTablePanel()
    {
        const QJsonObject monthly =
            runOne(QStringLiteral("loan"), R"({"principal":12000,"period":12,"rate":12,"schedule":"monthly"})");
        const QJsonArray rows = monthly.value(QStringLiteral("schedule")).toArray();
        QCOMPARE(rows.size(), 12);
        QCOMPARE(rows.first().toObject().value(QStringLiteral("n")).toInt(), 1);
        QCOMPARE(cents(rows.last().toObject().value(QStringLiteral("balance"))), QStringLiteral("0.00"));
        double capital = 0;
        for (const QJsonValue& row : rows)
            capital += row.toObject().value(QStringLiteral("capital")).toDouble();
        QCOMPARE(formatMoney(capital), QStringLiteral("12000.00"));
        // Twelve months make no annual table; thirty make two years and a part year.
        QVERIFY(runOne(QStringLiteral("loan"), R"({"principal":12000,"period":12,"rate":12,"schedule":"annual"})")
                    .value(QStringLiteral("schedule"))
                    .toArray()
                    .isEmpty());
        const QJsonArray years =
            runOne(QStringLiteral("loan"), R"({"principal":12000,"period":30,"rate":12,"schedule":"annual"})")
                .value(QStringLiteral("schedule"))
                .toArray();
        QCOMPARE(years.size(), 3);
        QCOMPARE(years.last().toObject().value(QStringLiteral("balance")).toDouble(), 0.0);
        QVERIFY(runOne(QStringLiteral("loan"), R"({"principal":12000,"period":12,"rate":12})")
                    .value(QStringLiteral("schedule"))
                    .toArray()
                    .isEmpty());
    }

    void comparisonRowsAndInflationFlag()
    {
        const QJsonArray rows = runOne(QStringLiteral("loan-comparison"), R"({"amount":100000,"rate":12})")
                                    .value(QStringLiteral("rows"))
                                    .toArray();
        QCOMPARE(rows.size(), 6);
        QCOMPARE(rows.first().toObject().value(QStringLiteral("months")).toInt(), 60);
        QCOMPARE(rows.last().toObject().value(QStringLiteral("label")).toString(), QStringLiteral("30 yrs."));
        const QJsonObject row20 = rows.at(3).toObject();
        QCOMPARE(cents(row20.value(QStringLiteral("totalPaid"))), QStringLiteral("264260.67"));
        const QJsonObject large =
            runOne(QStringLiteral("inflation"), R"({"presentCost":2147483647,"period":40,"rate":40})");
        QVERIFY(large.value(QStringLiteral("tooLarge")).toBool());
        const QJsonObject small = runOne(QStringLiteral("inflation"), R"({"presentCost":1000})");
        QVERIFY(!small.value(QStringLiteral("tooLarge")).toBool());
    }
};

KESTREL_TEST_MAIN(TestCalcFinance)
#include "test_calc_finance.moc"
