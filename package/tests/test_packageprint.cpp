// The salary-package printout: what the windows write into SalPackage, the report each one
// runs with its preview title, the PDF read back, and a failing database that leaves the
// window as it was. Set KESTREL_GRAB_DIR to a folder to keep pictures of the pages.
#include "common/fields.h"
#include "common/numberformat.h"
#include "package/packagewindow.h"
#include "reports/reportengine.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

using namespace kestrel;
using kestrel::test::MessageRecorder;
using kestrel::test::TempAppFolder;

namespace {

template <typename T = QLineEdit> T* child(QWidget* window, const char* name)
{
    return kestrel::test::child<T>(window, name);
}

void type(QWidget* window, const char* name, const QString& text)
{
    auto* field = child(window, name);
    field->selectAll();
    QTest::keyClicks(field, text);
}

void click(QWidget* window, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

QString pages(const QStringList& texts)
{
    return texts.join(QLatin1Char('\n'));
}

void keepPictures(const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!dir.isEmpty())
        kestrel::test::saveLastReportPngs(dir, name, 70);
}

}  // namespace

class TestPackagePrint : public QObject {
    Q_OBJECT

    std::unique_ptr<TempAppFolder> folder_;

private Q_SLOTS:
    void init() { folder_ = std::make_unique<TempAppFolder>(); }
    void cleanup() { folder_.reset(); }

    void backwardWithOtherExpenses()
    {
        MessageRecorder messages;
        PackageWindow w(PackageDirection::Backward, PackagePeriod::Monthly);
        w.show();
        type(&w, "numAge", "40");
        type(&w, "numNetMonSalReq", "10000");
        type(&w, "numCompCar", "250000");
        type(&w, "txtOtherDet0", "Union fees");
        type(&w, "numOtherDet0", "100");
        type(&w, "txtOtherDet1", "Not printed");
        type(&w, "txtOtherDet2", "Canteen");
        type(&w, "numOtherDet2", "50");
        type(&w, "numOtherDetCC2", "80");
        click(&w, "cmdPrint");
        type(&w, "Text1", "Thandi Mokoena");
        click(&w, "cmdView");
        QVERIFY2(messages.isEmpty(), qPrintable(messages.isEmpty() ? QString() : messages.last().text));
        QCOMPARE(session().PrintDestination, short(0));
        QVERIFY(!child<QWidget>(&w, "fraPrint")->isVisible());
        QVERIFY(child<QPushButton>(&w, "cmdCalculate")->isEnabled());

        const QVariantMap record = kestrel::test::readReportRecord(QStringLiteral("SalPackage"));
        QCOMPARE(record.value("MonAnn").toString(), QStringLiteral("Kestrel Salary Package Calculation : Monthly"));
        QCOMPARE(record.value("TPName").toString(), QStringLiteral("Thandi Mokoena"));
        QCOMPARE(record.value("NetMonSal").toDouble(), 10000.0);
        QCOMPARE(record.value("OEXPTXT").toString(), QStringLiteral("Other Expenses :"));
        QCOMPARE(record.value("ODedTxt0").toString(), QStringLiteral("Union fees"));
        QCOMPARE(record.value("ODedR0").toString(), QStringLiteral("R"));
        QCOMPARE(record.value("ODedNum0").toDouble(), 100.0);
        QCOMPARE(record.value("ODedTxt1").toString(), QString());
        QCOMPARE(record.value("ODedR1").toString(), QString());
        QCOMPARE(record.value("ODedNumCC2").toDouble(), 80.0);
        QCOMPARE(record.value("GSal").toDouble(), child<NumberField>(&w, "numGrossSal")->value());
        QCOMPARE(record.value("TotCostComp").toDouble(), child<NumberField>(&w, "numTotCostComp")->value());
        QCOMPARE(record.value("PlusCompCar1").toString(), QStringLiteral("(plus a 'once-off' cost of R 250000"));
        QCOMPARE(record.value("RADirective").toString(), QStringLiteral("Med. aid fund beneficiaries"));

        QCOMPARE(mainReportEngine().lastPreview()->windowTitle(),
                 QStringLiteral("Kestrel2019 Monthly - To export printout click on the suitcase button or goto Help"));
        const QString text = pages(kestrel::test::lastReportPdfTexts());
        for (const QString& expected :
             {QStringLiteral("Kestrel Salary Package Calculation : Monthly"), QStringLiteral("Thandi Mokoena"),
              QStringLiteral("Net monthly salary required"), QStringLiteral("Other Expenses :"),
              QStringLiteral("Union fees"), QStringLiteral("R 100.00"), QStringLiteral("Canteen"),
              QStringLiteral("R 80.00"), QStringLiteral("Gross salary"),
              formatGrouped(child<NumberField>(&w, "numGrossSal")->value()),
              QStringLiteral("(plus a 'once-off' cost of R 250000"), QStringLiteral("(E.& O.E.)")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
        QVERIFY(!text.contains(QStringLiteral("Not printed")));
        keepPictures(QStringLiteral("Kestrel-monthly"));
    }

    void forwardAnnual()
    {
        MessageRecorder messages;
        PackageWindow w(PackageDirection::Forward, PackagePeriod::Annual);
        w.show();
        type(&w, "numAge", "52");
        type(&w, "numNetMonSalReq", "720000");
        type(&w, "numCompCar", "380000");
        type(&w, "numCCCompCar", "96000");
        type(&w, "numTravAll", "36000");
        type(&w, "numMedAidCont", "24000");
        type(&w, "numCCMedAidCont", "24000");
        type(&w, "numPMems", "36");
        click(&w, "cmdPrint");
        click(&w, "cmdView");
        QVERIFY(messages.isEmpty());
        const QVariantMap record = kestrel::test::readReportRecord(QStringLiteral("SalPackage"));
        QCOMPARE(record.value("CostToComp").toDouble(), 720000.0);
        QCOMPARE(record.value("OEXPTXT").toString(), QString());
        QCOMPARE(record.value("PlusCompCar1").toString(), QString());
        QCOMPARE(mainReportEngine().lastPreview()->windowTitle(),
                 QStringLiteral("Osprey2019 Annual - To export printout click on the suitcase button or goto Help"));
        QVERIFY(mainReportEngine().ReportFileName.endsWith(QStringLiteral("/Ospreyrp.rpt")));
        const QString text = pages(kestrel::test::lastReportPdfTexts());
        for (const QString& expected :
             {QStringLiteral("Osprey Salary Package Calculation : Annual"), QStringLiteral("Total package amount"),
              QStringLiteral("720 000.00"), QStringLiteral("Medical beneficiaries months"),
              QStringLiteral("Net salary(take-home)"), QStringLiteral("Total cost to company R")})
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
        QVERIFY(!text.contains(QStringLiteral("Other Expenses")));
        QVERIFY(!text.contains(QStringLiteral("once-off")));
        keepPictures(QStringLiteral("Ospreyrp-annual"));
    }

    void directPrintKeepsThePreviewTitle()
    {
        MessageRecorder messages;  // no printer installed is answered here
        mainReportEngine().WindowTitle = QStringLiteral("Earlier title");
        PackageWindow w(PackageDirection::Backward, PackagePeriod::Annual);
        w.show();
        type(&w, "numNetMonSalReq", "240000");
        click(&w, "cmdPrint");
        click(&w, "cmdPrinter");
        QCOMPARE(session().PrintDestination, short(1));
        QCOMPARE(mainReportEngine().WindowTitle, QStringLiteral("Earlier title"));
        QCOMPARE(mainReportEngine().Destination, 1);
        QCOMPARE(kestrel::test::readReportRecord(QStringLiteral("SalPackage")).value("MonAnn").toString(),
                 QStringLiteral("Kestrel Salary Package Calculation : Annual"));
        QVERIFY(child<QPushButton>(&w, "cmdOK")->isEnabled());
    }

    void missingDatabaseLeavesTheWindow()
    {
        MessageRecorder messages;
        PackageWindow w(PackageDirection::Forward, PackagePeriod::Monthly);
        w.show();
        type(&w, "numNetMonSalReq", "10000");
        click(&w, "cmdCalculate");
        const QString net = child(&w, "numGrossSal")->text();
        QVERIFY(QFile::remove(session().ReportDbPath));
        click(&w, "cmdPrint");
        click(&w, "cmdView");
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(QStringLiteral("Zidazura.mdb")));
        QCOMPARE(child(&w, "numGrossSal")->text(), net);
        QCOMPARE(child(&w, "numNetMonSalReq")->text(), QStringLiteral("10000"));
        QVERIFY(child<QPushButton>(&w, "cmdCalculate")->isEnabled());
    }
};

KESTREL_TEST_MAIN(TestPackagePrint)
#include "test_packageprint.moc"
