// kestrel-calc's tax-scale, quicktax, pay-period and annual-check: the keys, defaults and
// window messages of the contract, and a whole payroll in one CSV file.
#include "cli/runner.h"
#include "tests/support/testsupport.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>

using namespace kestrel;
using namespace kestrel::cli;

namespace {

QJsonObject runOne(const char* calculator, const QByteArray& json)
{
    const Calculator* c = calculators().find(QString::fromLatin1(calculator));
    if (!c)
        return {};
    const RunOutput out = runRecords(*c, InputFormat::Json, json, RunContext{});
    return QJsonDocument::fromJson(out.text.trimmed()).object();
}

QString compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

}  // namespace

class TestPayrollCli : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void records_data()
    {
        QTest::addColumn<QByteArray>("calculator");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("value");
        QTest::newRow("scale-rate") << QByteArray("tax-scale") << QByteArray(R"({"income":195851})") << "marginalRate"
                                    << 26.0;
        QTest::newRow("scale-tax") << QByteArray("tax-scale") << QByteArray(R"({"income":1500001})")
                                   << "taxBeforeRebates" << 532041.45;
        QTest::newRow("scale-ceiling") << QByteArray("tax-scale") << QByteArray(R"({"income":2000000})")
                                       << "bracketCeiling" << 9999999999.0;
        QTest::newRow("quick-commitment")
            << QByteArray("quicktax") << QByteArray(R"({"income":250000,"age":40})") << "taxCommitment" << 35265.0;
        QTest::newRow("quick-monthly") << QByteArray("quicktax") << QByteArray(R"({"income":250000,"age":40})")
                                       << "monthlyTax" << 2938.75;
        // The window keeps the age rounded half to even: 64.5 is 64.
        QTest::newRow("quick-age-half") << QByteArray("quicktax") << QByteArray(R"({"income":250000,"age":64.5})")
                                        << "rebate" << 14067.0;
        QTest::newRow("quick-age-65") << QByteArray("quicktax") << QByteArray(R"({"income":250000,"age":65})")
                                      << "rebate" << 21780.0;
        QTest::newRow("pay-age-half") << QByteArray("pay-period") << QByteArray(R"({"age":74.5})") << "rebate"
                                      << 21780.0;
        QTest::newRow("month-default") << QByteArray("pay-period") << QByteArray(R"({"age":40,"salary":20000})")
                                       << "annualTaxableIncome" << 240000.0;
        QTest::newRow("month-half") << QByteArray("pay-period")
                                    << QByteArray(R"({"age":40,"salary":20000,"endDate":"15/03/2018"})")
                                    << "annualTaxableIncome" << 496000.0;
        QTest::newRow("week-default-days")
            << QByteArray("pay-period") << QByteArray(R"({"period":"weekly","age":40,"salary":5000})")
            << "annualTaxableIncome" << 260000.0;
        QTest::newRow("fortnight-uif") << QByteArray("pay-period")
                                       << QByteArray(R"({"period":"fortnightly","salary":8000,
                                                        "settings":{"EmployeeUIF":2}})")
                                       << "employeeUIF" << 137.28;
        QTest::newRow("daily-travel-20%")
            << QByteArray("pay-period") << QByteArray(R"({"period":"daily","travelAllowance":100,
                                                           "settings":{"TAIncRate8020":0.2}})")
            << "taxableTravelAllowance" << 20.0;
        QTest::newRow("annual-year") << QByteArray("annual-check") << QByteArray(R"({"age":40,"salary":240000})")
                                     << "taxLiability" << 32665.0;
        QTest::newRow("annual-bonus") << QByteArray("annual-check")
                                      << QByteArray(R"({"age":40,"salary":240000,"bonus":20000})") << "bonusTax"
                                      << 5200.0;
        QTest::newRow("annual-credit") << QByteArray("annual-check")
                                       << QByteArray(R"({"salary":240000,"employeeMedicalAid":1,
                                                        "beneficiaries":[3,3,3,3,3,3,3,3,3,3,3,3]})")
                                       << "medicalSchemeFeesCredit" << 9948.0;
        QTest::newRow("annual-paye") << QByteArray("annual-check")
                                     << QByteArray(R"({"age":40,"salary":240000,"travelAllowance":50000})") << "paye"
                                     << 43065.0;
    }
    void records()
    {
        QFETCH(QByteArray, calculator);
        QFETCH(QByteArray, input);
        QFETCH(QString, key);
        QFETCH(double, value);
        const QJsonObject result = runOne(calculator.constData(), QByteArray(input).replace('\n', ' '));
        QVERIFY2(result.contains(key), qPrintable(compact(result)));
        QCOMPARE(result.value(key).toDouble(), value);
    }

    void payPeriodPrintsFullPrecision()
    {
        const QJsonObject r = runOne("pay-period", R"({"age":40,"salary":20000})");
        QCOMPARE(r.value(QStringLiteral("periodTax")).toDouble(), 32665.0 / 12);
        QCOMPARE(r.keys().size(), 13);  // the contract's result keys, no more
    }

    void errors_data()
    {
        QTest::addColumn<QByteArray>("calculator");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("hasLine");  // bad input carries its line; a refused calculation does not
        QTest::newRow("months") << QByteArray("pay-period") << QByteArray(R"({"endDate":"15/04/2018"})")
                                << "The Start and End dates entered must be for the same Month" << false;
        QTest::newRow("start-after-end") << QByteArray("pay-period")
                                         << QByteArray(R"({"startDate":"15/03/2018","endDate":"14/03/2018"})")
                                         << "The Start date entered must be before the End date" << false;
        QTest::newRow("week-days") << QByteArray("pay-period")
                                   << QByteArray(R"({"period":"weekly","normalDays":5,"thisDays":6})")
                                   << "The number of 'Normal work-week' days must be = to or larger than "
                                      "'This work-week'."
                                   << false;
        QTest::newRow("fortnight-zero") << QByteArray("pay-period")
                                        << QByteArray(R"({"period":"fortnightly","thisDays":0})")
                                        << "The number of 'Normal fortnight' days and of 'This fortnight' days must "
                                           "be at least 1."
                                        << false;
        QTest::newRow("date-outside") << QByteArray("pay-period") << QByteArray(R"({"startDate":"01/03/2019"})")
                                      << "The date entered is not correct please enter a date between 01/03/2018 and "
                                         "28/02/2019"
                                      << true;
        QTest::newRow("end-outside") << QByteArray("annual-check")
                                     << QByteArray(R"({"startDate":"01/06/2018","endDate":"31/05/2018"})")
                                     << "The date entered is not correct please enter a date between 01/06/2018 and "
                                        "28/02/2019"
                                     << true;
        QTest::newRow("25-beneficiaries") << QByteArray("annual-check") << QByteArray(R"({"beneficiaries":[2,25]})")
                                          << "Only a maximum of 24 are allowed i.e. Principal member & first "
                                             "beneficiary!"
                                          << true;
        QTest::newRow("huge-amount") << QByteArray("pay-period") << QByteArray(R"({"salary":1e300})")
                                     << "The amount entered is out of range. Please enter an amount between "
                                        "-999 999 999 999 and 999 999 999 999."
                                     << true;
        QTest::newRow("unknown-key") << QByteArray("annual-check") << QByteArray(R"({"salry":1})")
                                     << "unknown key: salry" << true;
        QTest::newRow("period") << QByteArray("pay-period") << QByteArray(R"({"period":"yearly"})")
                                << "period: 'yearly' is not one of: monthly, fortnightly, weekly, daily" << true;
    }
    void errors()
    {
        QFETCH(QByteArray, calculator);
        QFETCH(QByteArray, input);
        QFETCH(QString, error);
        QFETCH(bool, hasLine);
        const QJsonObject result = runOne(calculator.constData(), input);
        QCOMPARE(result.value(QStringLiteral("error")).toString(), error);
        QCOMPARE(result.contains(QStringLiteral("line")), hasLine);
    }

    void annualCheckReturnsTheCountsAfterTheCalculation()
    {
        const QJsonObject r =
            runOne("annual-check", R"({"employeeMedicalAid":100,"beneficiaries":[1,1,1,1,1,1,1,1,1,1,1,1],
            "startDate":"01/06/2018","endDate":"30/11/2018"})");
        QCOMPARE(r.value(QStringLiteral("beneficiaries")).toArray(), (QJsonArray{0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0, 0}));
        QCOMPARE(r.value(QStringLiteral("medicalSchemeFeesCredit")).toDouble(), 1860.0);
    }

    void wholePayrollInOneCsv()
    {
        // 10 000 employees over the four periods; every fourth a weekly pay of 5 of 7 days.
        QByteArray csv = "period,age,salary,bonus,employeeMedicalAid,beneficiaries,normalDays,thisDays,"
                         "settings.SkillLevy\n";
        const char* periods[] = {"monthly", "fortnightly", "weekly", "daily"};
        for (int i = 0; i < 10000; ++i) {
            const int p = i % 4;
            csv += periods[p];
            csv += ',' + QByteArray::number(20 + i % 60) + ',' + QByteArray::number(1000 + (i * 37) % 60000) + ','
                   + (i % 10 == 0 ? "10000" : "0") + ',' + QByteArray::number(i % 3 * 500) + ','
                   + QByteArray::number(i % 5) + ',' + (p == 2 ? "7,5" : ",") + ",1\n";
        }
        QElapsedTimer timer;
        timer.start();
        const RunOutput out =
            runRecords(*calculators().find(QStringLiteral("pay-period")), InputFormat::Csv, csv, RunContext{});
        const qint64 elapsed = timer.elapsed();
        qInfo("10 000 pay-period records from CSV in %lld ms", elapsed);
        QCOMPARE(out.errorRecords, 0);
        QCOMPARE(out.records, 10000);
        // A linear run takes a fraction of a second; this bound only catches runaway work.
        QVERIFY2(elapsed < 15000, qPrintable(QString::number(elapsed)));

        const QList<QByteArray> lines = out.text.split('\n');
        const QList<QByteArray> header = lines[0].split(',');
        const int periodTax = static_cast<int>(header.indexOf("periodTax"));
        QVERIFY(periodTax > 0);
        // Row 3 (weekly, age 22, salary 1 074, 5 of 7 days): 52 x 7/5 x 1 074 = 78 187.2 a year.
        const QList<QByteArray> weekly = lines[3].split(',');
        QCOMPARE(weekly[0], QByteArray("weekly"));
        QCOMPARE(weekly[static_cast<int>(header.indexOf("annualTaxableIncome"))].toDouble(), 52 * 1.4 * 1074);
    }
};

KESTREL_TEST_MAIN(TestPayrollCli)
#include "test_payroll_cli.moc"
