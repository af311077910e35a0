// The two vehicle printouts on the real report store and engine: what the windows write
// into "traveldeduction" and "compcar", the template of each method, the preview titles,
// the text of the PDF, and the database error that leaves the window as it was.
#include "common/fields.h"
#include "common/numberformat.h"
#include "common/printchoicepanel.h"
#include "reports/reportengine.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"
#include "vehicle/carallowancewindow.h"
#include "vehicle/companycarwindow.h"
#include "vehicle/vehicleprintouts.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

using namespace kestrel;
using kestrel::test::MessageRecorder;
using kestrel::test::TempAppFolder;

namespace {

void keepPages(const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!dir.isEmpty())
        kestrel::test::saveLastReportPngs(dir, name);
}

using kestrel::test::child;

void type(QWidget* window, const char* name, const QString& value)
{
    auto* field = child<QLineEdit>(window, name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, value);
}

void click(QWidget* window, const char* name)
{
    auto* button = child<QAbstractButton>(window, name);
    const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(8, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

void view(QWidget* window)
{
    click(window, "cmdPrint");
    QTest::mouseClick(child<PrintChoicePanel>(window, "fraPrint")->viewButton(), Qt::LeftButton);
}

CompanyCarRecord vehicle(const QString& registration, const QString& make, const QString& model, double price)
{
    CompanyCarRecord car;
    car.CCRegNumber = registration;
    car.CCMake = make;
    car.CCModel = model;
    car.YearOfManfact = QStringLiteral("2017");
    car.CCPrice = price;
    return car;
}

}  // namespace

class TestVehiclePrintouts : public QObject {
    Q_OBJECT

    std::unique_ptr<TempAppFolder> folder;

private Q_SLOTS:
    void init()
    {
        folder = std::make_unique<TempAppFolder>();
        ResetSession();
    }
    void cleanup()
    {
        if (QWidget* preview = mainReportEngine().lastPreview())
            preview->close();
        folder.reset();
    }

    void carAllowanceDeemedCosts()
    {
        CarAllowanceWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        type(&window, "txtCar", QStringLiteral("VW Polo Vivo 1.4"));
        type(&window, "numVehicleValue", QStringLiteral("100000"));
        type(&window, "numAllowance", QStringLiteral("40000"));
        type(&window, "numCloseKm", QStringLiteral("20000"));
        type(&window, "numBusinessKm", QStringLiteral("8000"));
        click(&window, "chkIncludeFuel");
        click(&window, "cmdPrint");
        type(&window, "txtEmployeeName", QStringLiteral("Thandi Mokoena"));
        MessageRecorder messages;
        QTest::mouseClick(child<PrintChoicePanel>(&window, "fraPrint")->viewButton(), Qt::LeftButton);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.isEmpty() ? QString() : messages.last().text));
        QCOMPARE(session().PrintDestination, short(0));

        const QVariantMap r = kestrel::test::readReportRecord(QStringLiteral("traveldeduction"));
        QCOMPARE(r.value(QStringLiteral("TPName")).toString(), QStringLiteral("Thandi Mokoena"));
        QCOMPARE(r.value(QStringLiteral("CARNO")).toInt(), 1);
        QCOMPARE(r.value(QStringLiteral("mta01")).toString(), QStringLiteral("VW Polo Vivo 1.4"));
        QCOMPARE(r.value(QStringLiteral("mta03")).toDouble(), 100000.0);
        QCOMPARE(r.value(QStringLiteral("mta14")).toDouble(), 365.0);
        QCOMPARE(r.value(QStringLiteral("cv")).toDouble(), 50631.0);
        QCOMPARE(r.value(QStringLiteral("fc")).toDouble(), 0.0);
        QCOMPARE(r.value(QStringLiteral("FCDet")).toString(), QStringLiteral("Fuel costs not included"));
        QCOMPARE(r.value(QStringLiteral("MCDet")).toString(), QStringLiteral("Maintenance costs"));
        QCOMPARE(r.value(QStringLiteral("tatc")).toDouble(), 296.3);
        QVERIFY(qAbs(r.value(QStringLiteral("tadeduction")).toDouble() - 23700.40) < 1e-6);
        QCOMPARE(r.value(QStringLiteral("DateStart")).toString(), QStringLiteral("01/03/2018"));

        QWidget* preview = mainReportEngine().lastPreview();
        QVERIFY(preview);
        QCOMPARE(preview->windowTitle(), kCarAllowancePreviewTitle);
        const QString text = kestrel::test::lastReportPdfTexts().join(QLatin1Char('\n'));
        QVERIFY(text.contains(QStringLiteral("Thandi Mokoena")));
        QVERIFY(text.contains(QStringLiteral("Fuel costs not included")));
        QVERIFY(text.contains(QStringLiteral("296.3 cents/km")));
        QVERIFY(text.contains(QStringLiteral("R 23 700.40")));
        QVERIFY(text.contains(QStringLiteral("(E.& O.E.)")));
        keepPages(QStringLiteral("caepnrk"));
    }

    void deemedPrintKeepsTheActualCostFields()
    {
        CarAllowanceWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        click(&window, "optYes");
        type(&window, "numVehicleValue", QStringLiteral("100000"));
        type(&window, "numAllowance", QStringLiteral("25000"));
        type(&window, "numCloseKm", QStringLiteral("40000"));
        type(&window, "numOpenKm", QStringLiteral("10000"));
        type(&window, "numBusinessKm", QStringLiteral("15000"));
        type(&window, "numFuelOil", QStringLiteral("42000"));
        type(&window, "numLease", QStringLiteral("18000"));
        view(&window);
        QVariantMap r = kestrel::test::readReportRecord(QStringLiteral("traveldeduction"));
        QCOMPARE(r.value(QStringLiteral("totcost")).toDouble(), 60000.0);
        QCOMPARE(r.value(QStringLiteral("pu")).toDouble(), 30000.0);
        QCOMPARE(r.value(QStringLiteral("tadeduction")).toDouble(), 25000.0);
        QString text = kestrel::test::lastReportPdfTexts().join(QLatin1Char('\n'));
        QVERIFY(text.contains(QStringLiteral("Actual cost method")));
        QVERIFY(text.contains(QStringLiteral("R 18 000.00")));
        QVERIFY(text.contains(QStringLiteral("R 25 000.00")));
        keepPages(QStringLiteral("caeprk"));

        click(&window, "optNo");
        view(&window);
        r = kestrel::test::readReportRecord(QStringLiteral("traveldeduction"));
        QCOMPARE(r.value(QStringLiteral("mta08")).toDouble(), 42000.0);
        QCOMPARE(r.value(QStringLiteral("mta13")).toDouble(), 18000.0);
        QCOMPARE(r.value(QStringLiteral("totcost")).toDouble(), 60000.0);
        QCOMPARE(r.value(QStringLiteral("MBD")).toDouble(), 15000.0);
        text = kestrel::test::lastReportPdfTexts().join(QLatin1Char('\n'));
        QVERIFY(text.contains(QStringLiteral("Deemed cost method")));
    }

    void companyCarsOneBlockPerVehicle()
    {
        CompanyCarSet& set = session().companyCar.set;
        CompanyCarRecord first = vehicle(QStringLiteral("CA 123-456"), QStringLiteral("Toyota"),
                                         QStringLiteral("Corolla 1.8 Prestige"), 300000);
        first.BussMilage = 1;
        first.EndMileage = 40000;
        first.BusDistance = 30000;
        first.SARSTable = 1;
        first.EmpPaidInsurance = 5000;
        first.EmpPaidLicence = 1000;
        CompanyCarRecord second =
            vehicle(QStringLiteral("ND 98-76"), QStringLiteral("Ford"), QStringLiteral("Ranger 2.2 XL"), 420000);
        second.MaintIncluded = 1;
        second.CCStartDate = dayNumber(2018, 9, 1);
        CompanyCarRecord third = vehicle(QStringLiteral("GP 555"), QStringLiteral("Pool"), QStringLiteral("Bakkie"), 0);
        third.BussMilage = 1;
        third.EndMileage = 20000;
        third.BusDistance = 10000;
        third.ActualExpEmployee = 4000;
        set.records.insert(set.records.end(), {first, second, third});
        set.count = 3;
        set.Actual3802 = 180000;
        set.autoSplit = 1;

        CompanyCarWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MessageRecorder messages;
        view(&window);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.isEmpty() ? QString() : messages.last().text));
        QCOMPARE(mainReportEngine().lastPreview()->windowTitle(), kCompanyCarPreviewTitle);
        keepPages(QStringLiteral("compcar"));

        const QList<QVariantMap> rows = kestrel::test::readReportRows(QStringLiteral("compcar"));
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(rows[i].value(QStringLiteral("CarNum")).toInt(), i + 1);
            QCOMPARE(rows[i].value(QStringLiteral("CMVMaxNum")).toInt(), 3);
            QCOMPARE(rows[i].value(QStringLiteral("Actual3802")).toDouble(), 180000.0);
        }
        QCOMPARE(rows[0].value(QStringLiteral("CCRegNumber")).toString(), QStringLiteral("CA 123-456"));
        QCOMPARE(rows[0].value(QStringLiteral("TrueInclusion")).toDouble(), 31500.0);
        QCOMPARE(rows[0].value(QStringLiteral("FuelComponent")).toDouble(), 49920.0);
        QCOMPARE(rows[0].value(QStringLiteral("SARSTable")).toString(), QStringLiteral("Yes"));
        QCOMPARE(rows[1].value(QStringLiteral("MaintIncluded")).toString(), QStringLiteral("Yes"));
        QCOMPARE(rows[1].value(QStringLiteral("CCMonths")).toDouble(), 181.0);
        QCOMPARE(rows[1].value(QStringLiteral("CCStartDate")).toString(), QStringLiteral("01/09/2018"));
        QCOMPARE(rows[1].value(QStringLiteral("MonFB80")).toDouble(), 10920.0);
        // The vehicle without a price: no true inclusion, the SARS adjustment twice.
        const double sars = rows[2].value(QStringLiteral("SARSDeductionClaim")).toDouble();
        QVERIFY(sars < 0);
        QCOMPARE(rows[2].value(QStringLiteral("AdjustTaxableInc")).toDouble(), sars);
        QCOMPARE(rows[2].value(QStringLiteral("TrueInclusion")).toDouble(), 0.0);

        // Each vehicle's block stands whole on one page.
        const QStringList pages = kestrel::test::lastReportPdfTexts();
        QVERIFY(!pages.isEmpty());
        for (const char* registration : {"CA 123-456", "ND 98-76", "GP 555"}) {
            int found = 0;
            for (const QString& page : pages) {
                const int at = page.indexOf(QLatin1String(registration));
                if (at < 0)
                    continue;
                ++found;
                QVERIFY2(page.indexOf(QStringLiteral("Weekly"), at) > at, registration);
            }
            QCOMPARE(found, 1);
        }
        const QString all = pages.join(QLatin1Char('\n'));
        QVERIFY(all.contains(QStringLiteral("Vehicle 2 of 3")));
        const double adjustment = rows[0].value(QStringLiteral("AdjustTaxableInc")).toDouble();
        QCOMPARE(adjustment, -54599.0);  // 31 500 - 13 980 - 180 000 x 365 / 911 days
        QVERIFY(all.contains(QStringLiteral("-54 599.00")));
    }

    void emptySetPrintsWithoutRows()
    {
        // Rows of an earlier print go.
        CompanyCarRecord old = vehicle(QStringLiteral("OLD 1"), QString(), QString(), 100000);
        CompanyCarCalculation calc;
        calc.set.records.push_back(old);
        calc.set.count = 1;
        calc.results.resize(2);
        QVERIFY(printCompanyCars(calc, 0));
        QCOMPARE(kestrel::test::readReportRows(QStringLiteral("compcar")).size(), 1);

        CompanyCarWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MessageRecorder messages;
        view(&window);
        QVERIFY(messages.isEmpty());
        QCOMPARE(kestrel::test::readReportRows(QStringLiteral("compcar")).size(), 0);
        QVERIFY(mainReportEngine().lastPreview());
        QVERIFY(
            kestrel::test::lastReportPdfTexts().join(QString()).contains(QStringLiteral("Full use of Company Car")));
    }

    void printingDirectlySetsNoTitle()
    {
        mainReportEngine().WindowTitle = QStringLiteral("Title of an earlier preview");
        CompanyCarWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MessageRecorder messages;  // "No printer is installed..." on a machine without a queue
        click(&window, "cmdPrint");
        QTest::mouseClick(child<PrintChoicePanel>(&window, "fraPrint")->printButton(), Qt::LeftButton);
        QCOMPARE(session().PrintDestination, short(1));
        QCOMPARE(mainReportEngine().Destination, 1);
        QCOMPARE(mainReportEngine().WindowTitle, QStringLiteral("Title of an earlier preview"));
        QVERIFY(mainReportEngine().ReportFileName.endsWith(QStringLiteral("/compcar.rpt")));
        QVERIFY(window.isVisible());
    }

    void databaseErrorLeavesTheWindowAsItWas()
    {
        session().ReportDbPath = folder->file(QStringLiteral("missing/Zidazura.mdb"));
        CarAllowanceWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        type(&window, "numVehicleValue", QStringLiteral("100000"));
        MessageRecorder messages;
        view(&window);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QVERIFY(window.isVisible());
        QCOMPARE(child<QLineEdit>(&window, "numVehicleValue")->text(), QStringLiteral("100000"));
        QCOMPARE(session().travelInputs.vehicleValue, 100000.0);
    }
};

KESTREL_TEST_MAIN(TestVehiclePrintouts)
#include "test_vehicleprintouts.moc"
