// frmCarAll1 wired up: typing into the named fields, the commands, the two modes, the
// date limits and messages, Enter and Esc, and the session record behind the window.
#include "common/fields.h"
#include "common/printchoicepanel.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"
#include "vehicle/carallowancewindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace kestrel;
using kestrel::test::MessageRecorder;

namespace {

// With KESTREL_GRAB_DIR set, the test keeps a picture of the window to look at.
void keepPicture(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace

class TestCarAllowanceWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<CarAllowanceWindow> window;

    template <typename T = QWidget> T* get(const char* name)
    {
        T* w = window->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QString text(const char* name) { return get<QLineEdit>(name)->text(); }
    void type(const char* name, const QString& value)
    {
        QLineEdit* field = get<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, value);
    }
    void typeDate(const char* name, const QString& value)
    {
        type(name, value);
        get<EntryField>(name)->commit();
    }
    void open()
    {
        window = std::make_unique<CarAllowanceWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void typeWorkedExample()
    {
        type("numVehicleValue", QStringLiteral("100000"));
        type("numAllowance", QStringLiteral("40000"));
        type("numCloseKm", QStringLiteral("20000"));
        type("numOpenKm", QStringLiteral("0"));
        type("numBusinessKm", QStringLiteral("8000"));
    }

private Q_SLOTS:
    void init()
    {
        ResetSession();
        open();
    }
    void cleanup() { window.reset(); }

    void firstOpening()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Travel Allowance"));
        QVERIFY(get<QRadioButton>("optNo")->isChecked());
        QVERIFY(get<QCheckBox>("chkIncludeFuel")->isChecked());
        QVERIFY(get<QCheckBox>("chkIncludeMaint")->isChecked());
        QCOMPARE(text("numVehicleValue"), QStringLiteral("0"));
        QCOMPARE(text("numLease"), QStringLiteral("0"));
        QCOMPARE(text("numPeriod"), QStringLiteral("365"));
        QCOMPARE(text("dtStartDate"), QStringLiteral("01/03/2018"));
        QCOMPARE(text("dtEndDate"), QStringLiteral("28/02/2019"));
        QCOMPARE(text("numDeemedClaim"), QStringLiteral("0"));
        QCOMPARE(text("numFixedYearDays"), QStringLiteral("0"));
        QVERIFY(get("fraDeemed")->isVisible());
        QVERIFY(!get("fraActual")->isVisible());
        QVERIFY(!get("numFuelOil")->isEnabled());
        QVERIFY(get("dtStartDate")->isEnabled());
        keepPicture(window.get(), QStringLiteral("frmCarAll1-open"));
    }

    void deemedWorkedExample_data()
    {
        QTest::addColumn<bool>("clearFuel");
        QTest::addColumn<QString>("fuel");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("claim");
        QTest::newRow("fuel-included") << false << "106.8"
                                       << "403.1"
                                       << "32 244";
        QTest::newRow("fuel-cleared") << true << "0.0"
                                      << "296.3"
                                      << "23 700";
    }
    void deemedWorkedExample()
    {
        QFETCH(bool, clearFuel);
        QFETCH(QString, fuel);
        QFETCH(QString, total);
        QFETCH(QString, claim);
        typeWorkedExample();
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        if (clearFuel)  // the check box calculates by itself
            QTest::mouseClick(get<QCheckBox>("chkIncludeFuel"), Qt::LeftButton);
        QCOMPARE(text("numDeemedBusiness"), QStringLiteral("8 000"));
        QCOMPARE(text("numDeemedPrivate"), QStringLiteral("12 000"));
        QCOMPARE(text("numDeemedTotal"), QStringLiteral("20 000"));
        QCOMPARE(text("numFixedCostYear"), QStringLiteral("50 631"));
        QCOMPARE(text("numFixedKms"), QStringLiteral("20 000"));
        QCOMPARE(text("numFixedDays"), QStringLiteral("365"));
        QCOMPARE(text("numFixedYearDays"), QStringLiteral("365"));
        QCOMPARE(text("numFixedCostKm"), QStringLiteral("253.2"));
        QCOMPARE(text("numFuelCostKm"), fuel);
        QCOMPARE(text("numMaintCostKm"), QStringLiteral("43.1"));
        QCOMPARE(text("numTotalCostKm"), total);
        QCOMPARE(text("numDeemedClaim"), claim);
        QCOMPARE(session().travelInputs.includeFuel, short(clearFuel ? 0 : 1));
        if (!clearFuel)
            keepPicture(window.get(), QStringLiteral("frmCarAll1-deemed"));
    }

    void deemedPanelIsZeroWithoutBusinessDistance()
    {
        typeWorkedExample();
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        type("numBusinessKm", QStringLiteral("0"));
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        for (const char* name : {"numDeemedBusiness", "numDeemedTotal", "numFixedCostYear", "numFixedDays",
                                 "numFixedYearDays", "numDeemedClaim"})
            QCOMPARE(text(name), QStringLiteral("0"));
        QCOMPARE(text("numTotalCostKm"), QStringLiteral("0.0"));
        QCOMPARE(session().travelResult.deductionClaim, 0.0);
    }

    void wearAndTearRefusedWhileLeaseIsEntered()
    {
        QTest::mouseClick(get<QRadioButton>("optYes"), Qt::LeftButton);
        type("numLease", QStringLiteral("6000"));
        MessageRecorder messages;
        type("numWearTear", QStringLiteral("12000"));
        QVERIFY(!messages.isEmpty());
        QCOMPARE(messages.last().text,
                 QStringLiteral("Only one amount for either Wear & Tear or Lease payments will be accepted"));
        QCOMPARE(messages.last().caption, QStringLiteral("Single Payment"));
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QCOMPARE(text("numLease"), QStringLiteral("6000"));
        QCOMPARE(session().travelInputs.leasePayments, 6000.0);
        QCOMPARE(session().travelInputs.wearAndTear, 0.0);
        QCOMPARE(get<WholeField>("numWearTear")->value(), 0.0);
    }

    void startDateProratesThePeriod()
    {
        typeWorkedExample();
        typeDate("dtStartDate", QStringLiteral("01/09/2018"));
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QCOMPARE(text("numPeriod"), QStringLiteral("181"));
        QCOMPARE(text("numFixedDays"), QStringLiteral("181"));
        // 2.53155 x 181 / 365 = 1.255371 rand a km.
        QCOMPARE(text("numFixedCostKm"), QStringLiteral("125.5"));
        QCOMPARE(session().travelInputs.periodDays, 181.0);
    }

    void datesOutsideTheirLimits_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("start-before-year") << "dtStartDate"
                                           << "28/02/2018"
                                           << "The date entered is not correct please enter a date between "
                                              "01/03/2018 and 28/02/2019";
        QTest::newRow("start-unreadable") << "dtStartDate"
                                          << "31/02/2018"
                                          << "The date entered is not correct please enter a date between "
                                             "01/03/2018 and 28/02/2019";
        QTest::newRow("end-before-start") << "dtEndDate"
                                          << "31/08/2018"
                                          << "The date entered is not correct please enter a date between "
                                             "01/09/2018 and 28/02/2019";
        QTest::newRow("end-after-year") << "dtEndDate"
                                        << "01/03/2019"
                                        << "The date entered is not correct please enter a date between "
                                           "01/09/2018 and 28/02/2019";
    }
    void datesOutsideTheirLimits()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        typeDate("dtStartDate", QStringLiteral("01/09/2018"));
        const QByteArray name = field.toLatin1();
        const QString before = text(name.constData());
        MessageRecorder messages;
        typeDate(name.constData(), typed);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, message);
        QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Date"));
        QCOMPARE(text(name.constData()), before);
        QCOMPARE(window->focusWidget(), get(name.constData()));
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QCOMPARE(session().travelInputs.periodDays, 181.0);
    }

    void modesSwitchFieldsAndPanelsWithoutCalculating()
    {
        QTest::mouseClick(get<QRadioButton>("optYes"), Qt::LeftButton);
        QCOMPARE(session().travelInputs.accurateRecord, short(1));
        QVERIFY(get("numFuelOil")->isEnabled());
        QVERIFY(get("lblLease")->isEnabled());
        QVERIFY(!get("dtStartDate")->isEnabled());
        QVERIFY(!get("lblPeriod")->isEnabled());
        QVERIFY(get("txtPeriodCover")->isVisible());
        QVERIFY(!get("numPeriod")->isVisible());
        QVERIFY(get("fraActual")->isVisible());
        QVERIFY(!get("fraDeemed")->isVisible());

        type("numCloseKm", QStringLiteral("40000"));
        type("numOpenKm", QStringLiteral("10000"));
        type("numBusinessKm", QStringLiteral("15000"));
        type("numAllowance", QStringLiteral("25000"));
        type("numFuelOil", QStringLiteral("60000"));
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QCOMPARE(text("numActTotalCosts"), QStringLiteral("60 000"));
        QCOMPARE(text("numActPrivateUse"), QStringLiteral("30 000"));
        QCOMPARE(text("numActClaim"), QStringLiteral("25 000"));
        QCOMPARE(text("numActTravelExp"), QStringLiteral("25 000"));
        keepPicture(window.get(), QStringLiteral("frmCarAll1-actual"));

        // Changing an input and switching modes shows the last calculation until the next.
        type("numFuelOil", QStringLiteral("30000"));
        QTest::mouseClick(get<QRadioButton>("optNo"), Qt::LeftButton);
        QTest::mouseClick(get<QRadioButton>("optYes"), Qt::LeftButton);
        QCOMPARE(text("numActTotalCosts"), QStringLiteral("60 000"));
        QTest::mouseClick(get<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QCOMPARE(text("numActTotalCosts"), QStringLiteral("30 000"));
    }

    void enterCalculatesAndMovesToOk()
    {
        typeWorkedExample();
        QTest::keyClick(get("numBusinessKm"), Qt::Key_Return);
        QCOMPARE(text("numDeemedClaim"), QStringLiteral("32 244"));
        QCOMPARE(window->focusWidget(), get("cmdOK"));
        // Enter on a check box calculates too.
        type("numBusinessKm", QStringLiteral("4000"));
        get("chkIncludeMaint")->setFocus();
        QTest::keyClick(get("chkIncludeMaint"), Qt::Key_Enter);
        QCOMPARE(text("numDeemedBusiness"), QStringLiteral("4 000"));
    }

    void escapePutsBackTheValueOnEntry_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::newRow("amount") << "numVehicleValue"
                                << "250000";
        QTest::newRow("car") << "txtCar"
                             << "Golf";
        QTest::newRow("date") << "dtEndDate"
                              << "30/11/2018";
    }
    void escapePutsBackTheValueOnEntry()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        const QByteArray name = field.toLatin1();
        const QString before = text(name.constData());
        type(name.constData(), typed);
        QTest::keyClick(get(name.constData()), Qt::Key_Escape);
        QCOMPARE(text(name.constData()), before);
        QCOMPARE(window->focusWidget(), get(name.constData()));
    }

    void fieldsTakeDigitsOnlyWithinTheirLength()
    {
        type("numVehicleValue", QStringLiteral("-12a3456789"));
        QCOMPARE(text("numVehicleValue"), QStringLiteral("1234567"));
        QCOMPARE(session().travelInputs.vehicleValue, 1234567.0);
        type("txtCar", QStringLiteral("A description that is far too long for it"));
        QCOMPARE(session().travelInputs.carDescription.size(), 25);
        // The period refuses a value above 365 when it is left.
        type("numPeriod", QStringLiteral("400"));
        get<EntryField>("numPeriod")->commit();
        QCOMPARE(text("numPeriod"), QStringLiteral("365"));
    }

    void inputsOutliveTheWindow()
    {
        type("txtCar", QStringLiteral("Polo Vivo"));
        typeWorkedExample();
        QTest::mouseClick(get<QPushButton>("cmdOK"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(session().travelResult.deductionClaim, 32244.40);
        open();
        QCOMPARE(text("txtCar"), QStringLiteral("Polo Vivo"));
        QCOMPARE(text("numBusinessKm"), QStringLiteral("8000"));
        QCOMPARE(text("numDeemedClaim"), QStringLiteral("32 244"));
    }

    void printShowsThePanelAfterCalculating()
    {
        typeWorkedExample();
        QTest::mouseClick(get<QPushButton>("cmdPrint"), Qt::LeftButton);
        auto* panel = get<PrintChoicePanel>("fraPrint");
        QVERIFY(panel->isVisible());
        QCOMPARE(window->focusWidget(), panel->printButton());
        QCOMPARE(text("numDeemedClaim"), QStringLiteral("32 244"));
        keepPicture(window.get(), QStringLiteral("frmCarAll1-print"));
        QTest::mouseClick(panel->cancelButton(), Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }
};

KESTREL_TEST_MAIN(TestCarAllowanceWindow)
#include "test_carallowancewindow.moc"
