// kestrel-calc package: records in, the results of a freshly opened package window out.
#include "cli/runner.h"
#include "package/packagecalc.h"
#include "tests/support/testsupport.h"

#include <QJsonDocument>

using namespace kestrel;
using namespace kestrel::cli;

namespace {

QJsonObject runOne(const QByteArray& record)
{
    const Calculator* package = calculators().find(QStringLiteral("package"));
    if (!package)
        qFatal("no package calculator");
    const RunOutput out = runRecords(*package, InputFormat::Json, record, {});
    return QJsonDocument::fromJson(out.text.trimmed()).object();
}

}  // namespace

class TestCalcPackage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void records_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("expected");
        const QByteArray n5000 = R"({"amount": 5000, "age": 30})";
        QTest::newRow("trial") << n5000 << "trialSalary" << QJsonValue(5051);
        QTest::newRow("gross") << n5000 << "grossSalary" << QJsonValue(5050.51);
        QTest::newRow("total") << n5000 << "totalCostToCompany" << QJsonValue(5151.53);
        QTest::newRow("uif") << n5000 << "employeeUIF" << QJsonValue(50.51);
        QTest::newRow("ra-a") << n5000 << "raLineA" << QJsonValue("ie: R 3 500 - R0.00 = R3 500.00");
        const QByteArray p10000 = R"({"direction": "forward", "amount": 10000, "age": 40})";
        QTest::newRow("net") << p10000 << "netSalary" << QJsonValue(9272.25);
        QTest::newRow("fwd-total") << p10000 << "totalCostToCompany" << QJsonValue(10200);
        QTest::newRow("fwd-ra-c") << p10000 << "raLineC" << QJsonValue("ie: R 120 000.00 X 15% = R18 000.00");
        QTest::newRow("fringe") << QByteArray(R"({"amount": 1000, "travelAllowance": 2000})") << "error"
                                << QJsonValue("Fringe benefits more than salary required!");
        QTest::newRow("annual-fringe") << QByteArray(R"({"period": "annual", "amount": 10000, "travelAllowance": 8000,
                                                        "employeeFund": 3000})")
                                       << "error" << QJsonValue("Fringe benefits more than salary required!");
        QTest::newRow("zero") << QByteArray(R"({"amount": 0, "beneficiaries": 2})") << "refused" << QJsonValue(true);
        QTest::newRow("zero-keeps-fields")
            << QByteArray(R"({"amount": 0, "beneficiaries": 2})") << "beneficiaries" << QJsonValue(2);
        QTest::newRow("cleared-beneficiaries")
            << QByteArray(R"({"amount": 9000, "beneficiaries": 2})") << "beneficiaries" << QJsonValue(0);
        QTest::newRow("cleared-deductions") << QByteArray(R"({"amount": 9000, "age": 64, "medicalDeductions": 300})")
                                            << "medicalDeductions" << QJsonValue(0);
        QTest::newRow("fund-percentage") << QByteArray(R"({"amount": 20000, "age": 40,
                                                          "settings": {"PensionCont": 7.5, "EmployerPenCont": 10}})")
                                         << "employeeFund" << QJsonValue(1936.2);
        QTest::newRow("over-limit") << QByteArray(R"({"amount": 10000, "employeeFund": 5000})") << "limitWarning"
                                    << QJsonValue(true);
        QTest::newRow("once-off") << QByteArray(R"({"direction": "forward", "amount": 30000, "carValue": 250000})")
                                  << "onceOffCarCost" << QJsonValue(250000);
        QTest::newRow("other-expenses") << QByteArray(R"({"amount": 5000, "otherExpenses": [100, 0, 0, 50]})")
                                        << "raLineC" << QJsonValue("ie: R 1 800.00 X 15% = R270.00");
        QTest::newRow("unknown-key") << QByteArray(R"({"amuont": 5000})") << "line" << QJsonValue(1);
        QTest::newRow("bad-direction") << QByteArray(R"({"direction": "sideways", "amount": 5000})") << "line"
                                       << QJsonValue(1);
        QTest::newRow("unreachable") << QByteArray(R"({"period": "annual", "amount": 300000,
                                                      "settings": {"PensionCont": 99.9}})")
                                     << "error" << QJsonValue(searchBoundMessage(PackagePeriod::Annual));
    }
    void records()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, key);
        QFETCH(QJsonValue, expected);
        const QJsonObject out = runOne(record.simplified());
        QVERIFY2(out.contains(key), QJsonDocument(out).toJson(QJsonDocument::Compact).constData());
        const QJsonValue actual = out.value(key);
        if (expected.isDouble())
            QVERIFY2(qAbs(actual.toDouble() - expected.toDouble()) < 0.005,
                     qPrintable(QString::number(actual.toDouble(), 'g', 17)));
        else
            QCOMPARE(actual, expected);
    }

    void everyResultKey()
    {
        const QStringList common{"taxDue",
                                 "taxCredit",
                                 "taxDeduction",
                                 "medicalSchemeFeesCredit",
                                 "additionalMedicalCredit",
                                 "employeeUIF",
                                 "employerUIF",
                                 "skillsLevy",
                                 "employeeFund",
                                 "employerFund",
                                 "allowableFundDeduction",
                                 "totalCostToCompany",
                                 "onceOffCarCost",
                                 "limitWarning",
                                 "refused",
                                 "beneficiaries",
                                 "medicalDeductions",
                                 "raLineA",
                                 "raLineC"};
        const QJsonObject backward = runOne(R"({"amount": 5000})");
        const QJsonObject forward = runOne(R"({"direction": "forward", "amount": 5000})");
        QCOMPARE(backward.keys().size(), common.size() + 2);
        QCOMPARE(forward.keys().size(), common.size() + 1);
        for (const QString& key : common) {
            QVERIFY2(backward.contains(key), qPrintable(key));
            QVERIFY2(forward.contains(key), qPrintable(key));
        }
        QVERIFY(backward.contains("grossSalary") && backward.contains("trialSalary"));
        QVERIFY(forward.contains("netSalary") && !forward.contains("trialSalary"));
    }

    void csvPayroll()
    {
        const Calculator* package = calculators().find(QStringLiteral("package"));
        QVERIFY(package);
        const QByteArray csv = "period,amount,age,otherExpenses.1,settings.UIFLimit\n"
                               "annual,60000,30,0,14872\n"
                               "monthly,5000,30,0,14872\n"
                               "monthly,1000,30,2000,14872\n";
        const RunOutput out = runRecords(*package, InputFormat::Csv, csv, {});
        QCOMPARE(out.errorRecords, 1);
        const QList<QByteArray> lines = out.text.trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[0].startsWith("period,amount,age,otherExpenses.1,settings.UIFLimit,"));
        QVERIFY(lines[0].contains(",grossSalary,"));
        QVERIFY(lines[2].contains(",5050.51,"));
        QVERIFY(lines[3].contains("Fringe benefits more than salary required!"));
    }
};

KESTREL_TEST_MAIN(TestCalcPackage)
#include "test_calc_package.moc"
