// The records the tax printouts write: every field of their tables with the texts of the
// chosen language and the values of the last calculation.
#include "payroll/payrollreports.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

using namespace kestrel;

Q_DECLARE_METATYPE(kestrel::PayPeriod)
Q_DECLARE_METATYPE(kestrel::PrintLanguage)

namespace {

QStringList fieldNames(const ReportRecord& record)
{
    QStringList names;
    for (const ReportField& field : record)
        names << field.name;
    return names;
}

// The columns of a table of the report-data schema, in their order.
QStringList schemaColumns(const QString& table)
{
    static const bool created = [] {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("schema"));
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        QFile file(QStringLiteral(KESTREL_SCHEMA_FILE));
        file.open(QIODevice::ReadOnly);
        QString sql;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')))
            if (!line.trimmed().startsWith(QLatin1String("--")))
                sql += line + QLatin1Char('\n');
        QSqlQuery query(db);
        for (const QString& statement : sql.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!statement.trimmed().isEmpty())
                query.exec(statement);
        return true;
    }();
    (void)created;
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("schema")));
    query.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    QStringList columns;
    while (query.next())
        columns << query.value(1).toString();
    return columns;
}

PayPeriodResult resultOf(const PayPeriodInputs& in)
{
    return calculatePayPeriod(in, PayrollSettings{});
}

}  // namespace

class TestPayrollReports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyColumnIsWritten_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::newRow("monthly") << PayPeriod::Monthly;
        QTest::newRow("fortnightly") << PayPeriod::Fortnightly;
        QTest::newRow("weekly") << PayPeriod::Weekly;
        QTest::newRow("daily") << PayPeriod::Daily;
    }
    void everyColumnIsWritten()
    {
        QFETCH(PayPeriod, period);
        const PayPeriodInputs in = defaultPayPeriodInputs(period);
        const ReportRecord record = payPeriodReportRecord(PrintLanguage::English, QString(), in, resultOf(in));
        QStringList columns = schemaColumns(payPeriodReportTarget(period).table);
        QVERIFY(!columns.isEmpty());
        if (period == PayPeriod::Daily) {
            for (const char* dateField : {"SDate", "SDateNum", "EDate", "EDateNum"})
                columns.removeOne(QString::fromLatin1(dateField));
        }
        QStringList written = fieldNames(record);
        written.sort();
        columns.sort();
        QCOMPARE(written, columns);
    }

    void annualAndQuickTaxColumnsAreWritten()
    {
        AnnualCheckInputs in;
        QStringList written = fieldNames(
            annualReportRecord(PrintLanguage::English, QString(), in, calculateAnnualCheck(in, PayrollSettings{})));
        QStringList columns = schemaColumns(QStringLiteral("IRP5Ann"));
        written.sort();
        columns.sort();
        QCOMPARE(written, columns);
        QStringList quick = fieldNames(quickTaxReportRecord(calculateQuickTax(250000, 40)));
        QStringList merlin = schemaColumns(QStringLiteral("merlin"));
        quick.sort();
        merlin.sort();
        QCOMPARE(quick, merlin);
    }

    void labels_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<PrintLanguage>("language");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        const PrintLanguage en = PrintLanguage::English;
        const PrintLanguage af = PrintLanguage::Afrikaans;
        const PayPeriod m = PayPeriod::Monthly;
        const PayPeriod f = PayPeriod::Fortnightly;
        const PayPeriod w = PayPeriod::Weekly;
        const PayPeriod d = PayPeriod::Daily;
        QTest::newRow("type-m-en") << m << en << "TypeAM"
                                   << "Monthly Check";
        QTest::newRow("type-f-af") << f << af << "TypeAM"
                                   << "Twee Weeklikse Inkomste";
        QTest::newRow("type-w-en") << w << en << "TypeAM"
                                   << "Weekly Check";
        QTest::newRow("type-d-af") << d << af << "TypeAM"
                                   << "Daaglikse Inkomste";
        QTest::newRow("employee-en") << m << en << "Employee"
                                     << " For : J. Dlamini";
        QTest::newRow("employee-af") << m << af << "Employee"
                                     << "Vir : J. Dlamini";
        QTest::newRow("age-af") << w << af << "Age"
                                << "Ouderdom : ";
        QTest::newRow("travel-m-af") << m << af << "TravAll"
                                     << "Reistoelae ";
        QTest::newRow("travel-d-af") << d << af << "TravAll"
                                     << "Reistoelae ";
        QTest::newRow("travel-w-af") << w << af << "TravAll"
                                     << "Reistoelae ontvang";
        QTest::newRow("travel-f-en") << f << en << "TravAll"
                                     << "Travel allowance ";
        QTest::newRow("pension-en") << m << en << "PenCont"
                                    << "Employer's R/Fund contributions ";
        QTest::newRow("pension-af") << m << af << "PenCont"
                                    << "Toelaatbare pension bydrae";
        QTest::newRow("start-f-af") << f << af << "SDate"
                                    << "Normale twee weke";
        QTest::newRow("end-w-en") << w << en << "EDate"
                                  << "This work week";
        QTest::newRow("end-m-af") << m << af << "EDate"
                                  << "Eind datum";
        QTest::newRow("eoe-af") << d << af << "EOE"
                                << "(B.& F.W.)";
        QTest::newRow("eoe-en") << d << en << "EOE"
                                << "(E.& O.E.)";
        QTest::newRow("bens-af") << m << af << "AnnCalcBens3"
                                 << "Getal mediesefondslede en afhanklikes";
        QTest::newRow("medaid-af") << m << af << "MedAidBens"
                                   << "Mediesfondsbydrae afrekking";
        QTest::newRow("total-af") << m << af << "TOTAL"
                                  << "Totaal belasting";
        QTest::newRow("uif-af") << m << af << "UIFEMPR"
                                << "U.I.F. bydrae werkgewer";
    }
    void labels()
    {
        QFETCH(PayPeriod, period);
        QFETCH(PrintLanguage, language);
        QFETCH(QString, field);
        QFETCH(QString, text);
        const PayPeriodInputs in = defaultPayPeriodInputs(period);
        const ReportRecord record = payPeriodReportRecord(language, QStringLiteral("J. Dlamini"), in, resultOf(in));
        QCOMPARE(reportFieldValue(record, field).toString(), text);
    }

    void periodExtentIsWrittenAsText()
    {
        PayPeriodInputs month = defaultPayPeriodInputs(PayPeriod::Monthly);
        month.startDate = *parseDate(u"01/03/2018");
        month.endDate = *parseDate(u"15/03/2018");
        const ReportRecord m = payPeriodReportRecord(PrintLanguage::English, QString(), month, resultOf(month));
        QCOMPARE(reportFieldValue(m, QStringLiteral("SDateNum")), QVariant(QStringLiteral("01/03/2018")));
        QCOMPARE(reportFieldValue(m, QStringLiteral("EDateNum")), QVariant(QStringLiteral("15/03/2018")));

        PayPeriodInputs week = defaultPayPeriodInputs(PayPeriod::Weekly);
        week.normalDays = 5;
        week.thisDays = 3;
        const ReportRecord w = payPeriodReportRecord(PrintLanguage::English, QString(), week, resultOf(week));
        QCOMPARE(reportFieldValue(w, QStringLiteral("SDateNum")), QVariant(QStringLiteral("5")));
        QCOMPARE(reportFieldValue(w, QStringLiteral("EDateNum")), QVariant(QStringLiteral("3")));
    }

    void valuesOfTheCalculation()
    {
        PayPeriodInputs in = defaultPayPeriodInputs(PayPeriod::Monthly);
        in.age = 40;
        in.salary = 8000;
        in.travelAllowance = 1001;
        in.employeeMedicalAid = 2000;
        in.beneficiaries = 4;  // the credit 1 038 exceeds the tax
        const PayPeriodResult r = resultOf(in);
        const QString fifty(50, QLatin1Char('N'));
        const ReportRecord record = payPeriodReportRecord(PrintLanguage::English, fifty, in, r);
        QCOMPARE(reportFieldValue(record, QStringLiteral("Employee")).toString(), QStringLiteral(" For : ") + fifty);
        QCOMPARE(reportFieldValue(record, QStringLiteral("TravOne")).toDouble(), 1001.0);
        QCOMPARE(reportFieldValue(record, QStringLiteral("TravTwo")).toDouble(), 800.8);  // unrounded
        QVERIFY(r.periodTax > 0);
        QCOMPARE(reportFieldValue(record, QStringLiteral("Taxliabilitynum")).toDouble(), r.periodTax);
        const QVariant total = reportFieldValue(record, QStringLiteral("TotalNum"));
        QCOMPARE(total.typeId(), QMetaType::Int);
        QCOMPARE(total.toInt(), 0);
        QCOMPARE(reportFieldValue(record, QStringLiteral("AnnCalcBens3num")).toInt(), 4);
        QCOMPARE(reportFieldValue(record, QStringLiteral("MedExpNum")).toDouble(), 0.0);
    }

    void uifIsWrittenAsShown()
    {
        PayPeriodInputs in = defaultPayPeriodInputs(PayPeriod::Daily);
        in.salary = 1000;  // UIF 6.864 and 13.728 of the ceiling 686.40
        PayrollSettings settings;
        settings.EmployerUIF = 2;
        const ReportRecord record =
            payPeriodReportRecord(PrintLanguage::English, QString(), in, calculatePayPeriod(in, settings));
        QCOMPARE(reportFieldValue(record, QStringLiteral("UIFEMPENum")).toDouble(), 6.86);
        QCOMPARE(reportFieldValue(record, QStringLiteral("UIFEMPRNum")).toDouble(), 13.73);
        QCOMPARE(reportFieldValue(record, QStringLiteral("SDLNum")).toDouble(), 10.0);
    }

    void annualRecord()
    {
        AnnualCheckInputs in;
        in.age = 40;
        in.salary = 240000;
        in.bonus = 20000;
        in.employeeMedicalAid = 12000;
        in.beneficiaries.fill(2);
        in.beneficiaries[11] = 3;  // February
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        const ReportRecord en = annualReportRecord(PrintLanguage::English, QStringLiteral("A"), in, r);
        QCOMPARE(reportFieldValue(en, QStringLiteral("SITENum")).toDouble(), 0.0);
        QCOMPARE(reportFieldValue(en, QStringLiteral("PAYENum")).toDouble(), r.totalTaxDeduction);
        QCOMPARE(reportFieldValue(en, QStringLiteral("TotalNum")).toDouble(), r.totalTaxDeduction);
        QCOMPARE(reportFieldValue(en, QStringLiteral("AnnCalcBens3")).toString(), QStringLiteral("Mar"));
        QCOMPARE(reportFieldValue(en, QStringLiteral("AnnCalcBens4")).toString(), QStringLiteral("Apr "));
        QCOMPARE(reportFieldValue(en, QStringLiteral("AnnCalcBens2num")).toInt(), 3);
        QCOMPARE(reportFieldValue(en, QStringLiteral("AnnCalcBens3num")).toInt(), 2);
        QCOMPARE(reportFieldValue(en, QStringLiteral("SDateNum")).toString(), QStringLiteral("01/03/2018"));
        QCOMPARE(reportFieldValue(en, QStringLiteral("MedAidBensnum")).typeId(), QMetaType::Int);
        const ReportRecord af = annualReportRecord(PrintLanguage::Afrikaans, QStringLiteral("A"), in, r);
        QCOMPARE(reportFieldValue(af, QStringLiteral("AnnCalcBens10")).toString(), QStringLiteral("Okt"));
        QCOMPARE(reportFieldValue(af, QStringLiteral("AnnCalcBens5")).toString(), QStringLiteral("Mei"));
        QCOMPARE(reportFieldValue(af, QStringLiteral("TOTAL")).toString(), QStringLiteral("Totaal"));
        QCOMPARE(reportFieldValue(af, QStringLiteral("SITE")).toString(), QStringLiteral("SIBW"));
        QCOMPARE(reportFieldValue(af, QStringLiteral("PAYE")).toString(), QStringLiteral("LBS"));
        QCOMPARE(reportFieldValue(af, QStringLiteral("TypeAM")).toString(), QStringLiteral("Jaarlikse Inkomste"));
    }

    void quickTaxRecord()
    {
        const ReportRecord record = quickTaxReportRecord(calculateQuickTax(250000, 40));
        QCOMPARE(reportFieldValue(record, QStringLiteral("TAXCOM4/2")).toDouble(), 2938.75);
        QCOMPARE(reportFieldValue(record, QStringLiteral("TAXTOPAY")).toDouble(), 35253.0);
        QCOMPARE(reportFieldValue(record, QStringLiteral("PORTION")).toDouble(), 14079.0);
        QCOMPARE(reportFieldValue(record, QStringLiteral("AGE")).toInt(), 40);
    }

    void targets()
    {
        QCOMPARE(payPeriodReportTarget(PayPeriod::Fortnightly).table, QStringLiteral("IRP5Week"));
        QCOMPARE(payPeriodReportTarget(PayPeriod::Fortnightly).stem, QStringLiteral("FortNightly"));
        QCOMPARE(payPeriodReportTarget(PayPeriod::Fortnightly).title,
                 QStringLiteral("FortNightly - To export printout click on the suitcase button or goto Help"));
        QCOMPARE(payPeriodReportTarget(PayPeriod::Weekly).table, QStringLiteral("IRP5Week"));
        QCOMPARE(payPeriodReportTarget(PayPeriod::Daily).table, QStringLiteral("IRP5Day"));
        QCOMPARE(annualReportTarget().title,
                 QStringLiteral("Annual - To export printout click on the suitcase button or goto Help"));
        QCOMPARE(quickTaxReportTarget().stem, QStringLiteral("merlinrp"));
        QCOMPARE(quickTaxReportTarget().title,
                 QStringLiteral("QuickTax - To export printout click on the suitcase button or goto Help"));
    }
};

KESTREL_TEST_MAIN(TestPayrollReports)
#include "test_payrollreports.moc"
