// The record reading and writing of kestrel-calc, on a small calculator of the test's own.
#include "cli/runner.h"
#include "tests/support/testsupport.h"

#include <QJsonDocument>

using namespace kestrel;
using namespace kestrel::cli;

namespace {

// Doubles `amount`; refuses 13 with a window message; "limited" has the limits 0..100.
Calculator sampleCalculator()
{
    Calculator c;
    c.name = QStringLiteral("sample");
    c.run = [](CalcInput& in, const RunContext& context) {
        const double amount = in.number(QStringLiteral("amount"));
        const double limited =
            in.number(QStringLiteral("limited"), 0, {0.0, 100.0, QStringLiteral("The maximum allowed is 100")});
        const bool flag = in.flag(QStringLiteral("flag"));
        const DayNumber day = in.date(QStringLiteral("date"), QStringLiteral("01/03/2018"));
        const std::vector<double> list = in.numbers(QStringLiteral("list"), 3);
        const PayrollSettings settings = readSettings(in, context);
        if (amount == 13)
            return errorResult(QStringLiteral("Unlucky amount!"));
        QJsonObject out{{QStringLiteral("twice"), amount * 2},
                        {QStringLiteral("limited"), limited},
                        {QStringLiteral("flag"), flag},
                        {QStringLiteral("day"), day},
                        {QStringLiteral("uifLimit"), settings.UIFLimit},
                        {QStringLiteral("list"), toJsonArray(list)}};
        return out;
    };
    return c;
}

QList<QJsonObject> jsonLines(const QByteArray& text)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : text.split('\n'))
        if (!line.isEmpty())
            objects << QJsonDocument::fromJson(line).object();
    return objects;
}

}  // namespace

class TestCliRunner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void singleObjectAcrossLines()
    {
        const RunOutput out = runRecords(sampleCalculator(), InputFormat::Json, "{\n  \"amount\": 21.5\n}\n", {});
        const auto results = jsonLines(out.text);
        QCOMPARE(results.size(), 1);
        QCOMPARE(results[0].value("twice").toDouble(), 43.0);
        QCOMPARE(results[0].value("day").toInt(), 43160);
        QCOMPARE(results[0].value("uifLimit").toDouble(), 14872.0);
        QCOMPARE(out.errorRecords, 0);
    }

    void jsonLinesKeepOrderAndReportBadRecords()
    {
        const QByteArray input = "{\"amount\": 1}\n"
                                 "\n"
                                 "not json\n"
                                 "{\"amount\": \"ten\"}\n"
                                 "{\"amuont\": 3}\n"
                                 "{\"limited\": 101}\n"
                                 "{\"amount\": 13}\n"
                                 "{\"date\": \"31/02/2018\"}\n"
                                 "{\"settings\": {\"UIFLimit\": 8000, \"Typo\": 1}}\n"
                                 "{\"amount\": 2, \"settings\": {\"UIFLimit\": 8000}, \"list\": [1, 2]}\n";
        const RunOutput out = runRecords(sampleCalculator(), InputFormat::Json, input, {});
        const auto r = jsonLines(out.text);
        QCOMPARE(r.size(), 9);
        QCOMPARE(r[0].value("twice").toDouble(), 2.0);
        QCOMPARE(r[1].value("line").toInt(), 3);
        QVERIFY(r[1].value("error").toString().startsWith("not JSON"));
        QCOMPARE(r[2].value("line").toInt(), 4);
        QCOMPARE(r[3].value("error").toString(), QStringLiteral("unknown key: amuont"));
        QCOMPARE(r[4].value("error").toString(), QStringLiteral("The maximum allowed is 100"));
        QCOMPARE(r[4].value("line").toInt(), 6);
        QCOMPARE(r[5].value("error").toString(), QStringLiteral("Unlucky amount!"));
        QVERIFY(!r[5].contains("line"));
        QCOMPARE(r[6].value("line").toInt(), 8);
        QCOMPARE(r[7].value("error").toString(), QStringLiteral("unknown key: settings.Typo"));
        QCOMPARE(r[8].value("uifLimit").toDouble(), 8000.0);
        QCOMPARE(r[8].value("list").toArray().size(), 2);
        QCOMPARE(out.errorRecords, 7);
    }

    void numbersRoundTrip()
    {
        const RunOutput out = runRecords(sampleCalculator(), InputFormat::Json, "{\"amount\": 0.1}", {});
        QVERIFY2(out.text.contains("\"twice\":0.2"), out.text.constData());
    }

    void csvNestsColumnsAndAppendsResults()
    {
        const QByteArray input = "amount,settings.UIFLimit,list.0,list.1,flag,date\n"
                                 "5,9000,1,2,true,15/03/2018\n"
                                 "\"7\",,,,false,\n"
                                 "x,,,,,\n";
        const RunOutput out = runRecords(sampleCalculator(), InputFormat::Csv, input, {});
        const QStringList lines = QString::fromUtf8(out.text).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        // Result columns follow the input columns, result keys in alphabetical order.
        QCOMPARE(lines[0], QStringLiteral("amount,settings.UIFLimit,list.0,list.1,flag,date,day,flag,limited,list.0,"
                                          "list.1,twice,uifLimit,error,line"));
        QCOMPARE(lines[1], QStringLiteral("5,9000,1,2,true,15/03/2018,43174,true,0,1,2,10,9000,,"));
        QCOMPARE(lines[2], QStringLiteral("7,,,,false,,43160,false,0,,,14,14872,,"));
        QCOMPARE(lines[3], QStringLiteral("x,,,,,,,,,,,,,amount: a number is required,4"));
        QCOMPARE(out.errorRecords, 1);
    }

    void csvQuoting()
    {
        QString error;
        const auto rows = parseCsv("a,b\n\"x,\"\"y\"\"\",2\r\n", &error);
        QVERIFY(error.isEmpty());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[1].cells, (QStringList{QStringLiteral("x,\"y\""), QStringLiteral("2")}));
        QCOMPARE(rows[1].line, 2);
    }
};

KESTREL_TEST_MAIN(TestCliRunner)
#include "test_cli_runner.moc"
