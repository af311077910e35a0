// frmCompCar wired up: the set of vehicles in the session, adding, deleting and stepping
// through them with their enabling rules, the caption, the registration-number rule, the
// calculation through the named fields and the close refusal.
#include "common/fields.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"
#include "vehicle/companycarwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace kestrel;
using kestrel::test::MessageRecorder;

namespace {

void keepPicture(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!dir.isEmpty())
        window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

CompanyCarRecord car(const QString& registration, double price)
{
    CompanyCarRecord r;
    r.CCRegNumber = registration;
    r.CCPrice = price;
    return r;
}

// A set of vehicles in the session, as earlier work in the window would have left it.
void seedSession(const QStringList& registrations)
{
    ResetSession();
    CompanyCarSet& set = session().companyCar.set;
    for (int i = 0; i < registrations.size(); ++i)
        set.records.push_back(car(registrations[i], 100000.0 * (i + 1)));
    set.count = short(registrations.size());
}

const QStringList kButtons{"cmdOk", "cmdBack", "cmdAdd", "cmdDelete", "cmdForward", "cmdCalculate", "cmdPrint"};

}  // namespace

class TestCompanyCarWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<CompanyCarWindow> window;

    template <typename T = QWidget> T* get(const QString& name)
    {
        T* w = window->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString text(const QString& name) { return get<QLineEdit>(name)->text(); }
    void type(const QString& name, const QString& value)
    {
        QLineEdit* field = get<QLineEdit>(name);
        field->setFocus();
        field->selectAll();
        if (value.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, value);
    }
    void click(const QString& name)
    {
        // On the box itself: a check box may be wider than its box and text.
        QAbstractButton* button = get<QAbstractButton>(name);
        const QPoint at = qobject_cast<QCheckBox*>(button) ? QPoint(8, button->height() / 2) : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, at);
    }
    void open()
    {
        window = std::make_unique<CompanyCarWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    QString caption() const { return window->windowTitle(); }
    /// The buttons that are enabled, in their order along the bottom.
    QStringList enabledButtons()
    {
        QStringList on;
        for (const QString& name : kButtons)
            if (get(name)->isEnabled())
                on << name;
        return on;
    }
    const CompanyCarSet& set() const { return session().companyCar.set; }

private Q_SLOTS:
    void cleanup() { window.reset(); }

    void firstOpeningShowsAnEmptySet()
    {
        ResetSession();
        open();
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 0 of 0")));
        QCOMPARE(caption(), QStringLiteral("Full use of Company Car :  Vehicle number 0 of 0"));
        QCOMPARE(enabledButtons(), (QStringList{"cmdOk", "cmdAdd", "cmdCalculate", "cmdPrint"}));
        QVERIFY(!get("chkAutoSplit")->isVisible());
        QCOMPARE(text("dtCCStartDate"), QStringLiteral("01/03/2018"));
        QCOMPARE(text("dtCCEndDate"), QStringLiteral("28/02/2019"));
        QCOMPARE(text("numTrueInclusion"), QStringLiteral("0.00"));
        // Calculating the empty set does nothing and says nothing.
        MessageRecorder messages;
        click("cmdCalculate");
        QVERIFY(messages.isEmpty());
        QCOMPARE(text("numTotalAdjustment"), QStringLiteral("0.00"));
        keepPicture(window.get(), QStringLiteral("frmCompCar-open"));
    }

    void firstVehicleFromTheStartingRecord()
    {
        ResetSession();
        open();
        type("txtCCRegNumber", QStringLiteral("CA 123-456"));
        type("txtCCMake", QStringLiteral("Toyota"));
        type("numCCPrice", QStringLiteral("300000"));
        click("cmdAdd");
        QCOMPARE(set().count, short(1));
        QCOMPARE(set().records[1].CCRegNumber, QStringLiteral("CA 123-456"));
        QCOMPARE(set().records[1].CCMake, QStringLiteral("Toyota"));
        QCOMPARE(set().records[1].CCPrice, 300000.0);
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 1 of 1")));
        // The new vehicle waits for its registration number to be confirmed.
        QCOMPARE(enabledButtons(), (QStringList{"cmdOk", "cmdAdd", "cmdDelete"}));
        QVERIFY(get("txtCCRegNumber")->isEnabled());
        QVERIFY(!get("numCCPrice")->isEnabled());
        QCOMPARE(window->focusWidget(), get("txtCCRegNumber"));
        type("txtCCRegNumber", QStringLiteral("CA 123-457"));
        QVERIFY(get("numCCPrice")->isEnabled());
        QCOMPARE(enabledButtons(), (QStringList{"cmdOk", "cmdAdd", "cmdDelete", "cmdCalculate", "cmdPrint"}));
    }

    void logbookVehicleThroughTheWindow()
    {
        seedSession({QStringLiteral("CA 1")});
        session().companyCar.set.records[1].CCPrice = 0;
        open();
        type("numCCPrice", QStringLiteral("300000"));
        type("numEndMileage", QStringLiteral("40000"));
        type("numStartMileage", QStringLiteral("0"));
        type("numBusDistance", QStringLiteral("30000"));
        click("chkBussMilage");
        type("numActualExpEmployee", QStringLiteral("7000"));
        click("chkSARSTable");
        QCOMPARE(text("numActualExpEmployee"), QStringLiteral("0"));
        type("numEmpPaidInsurance", QStringLiteral("5000"));
        type("numEmpPaidLicence", QStringLiteral("1000"));
        type("numActual3802", QStringLiteral("126000"));
        click("cmdCalculate");
        QCOMPARE(text("numFB3802ThisCar"), QStringLiteral("126000"));
        QCOMPARE(text("numTotalDistance"), QStringLiteral("40000"));
        QCOMPARE(text("numPrivateDistance"), QStringLiteral("10 000"));
        QCOMPARE(text("numDays"), QStringLiteral("365"));
        QCOMPARE(text("numTrueInclusion"), QStringLiteral("31 500.00"));
        QCOMPARE(text("numTrueInclusion2"), QStringLiteral("31 500.00"));
        QCOMPARE(text("numFuelComponent"), QStringLiteral("49 920.00"));
        QCOMPARE(text("numFuelClaim"), QStringLiteral("12 480.00"));
        QCOMPARE(text("numTotAddExpense"), QStringLiteral("1 500.00"));
        QCOMPARE(text("numFuelExp"), QStringLiteral("13 980.00"));
        QCOMPARE(text("numAdjustTaxableInc"), QStringLiteral("-108 480.00"));
        QCOMPARE(text("numSARSAdjustment"), QStringLiteral("-108 480.00"));
        QCOMPARE(text("numIRP53802"), QStringLiteral("126 000.00"));
        QCOMPARE(text("numFortFB80"), QStringLiteral("3 876.80"));
        QCOMPARE(text("numWeekFB20"), QStringLiteral("484.60"));
        QCOMPARE(text("numTotalAdjustment"), QStringLiteral("-108 480.00"));
        QCOMPARE(set().records[1].AdjustTaxableInc, -108480.0);
        keepPicture(window.get(), QStringLiteral("frmCompCar-logbook"));
        // Clearing the fuel table box clears the fuel component shown.
        click("chkSARSTable");
        QCOMPARE(text("numFuelComponent"), QStringLiteral("0.00"));
        QCOMPARE(set().records[1].SARSTable, short(0));
    }

    void steppingWrapsRound_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("shown");
        QTest::newRow("forward-from-3") << 3 << "cmdForward" << 1;
        QTest::newRow("back-from-1") << 1 << "cmdBack" << 3;
        QTest::newRow("forward-from-1") << 1 << "cmdForward" << 2;
        QTest::newRow("back-from-3") << 3 << "cmdBack" << 2;
    }
    void steppingWrapsRound()
    {
        QFETCH(int, start);
        QFETCH(QString, button);
        QFETCH(int, shown);
        seedSession({QStringLiteral("A 1"), QStringLiteral("B 2"), QStringLiteral("C 3")});
        open();
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 1 of 3")));
        QVERIFY(get("chkAutoSplit")->isVisible());
        while (set().shownNumber != start)
            click(QStringLiteral("cmdForward"));
        click(button);
        QCOMPARE(int(set().current), shown);
        QCOMPARE(int(set().shownNumber), shown);
        QCOMPARE(text("txtCCRegNumber"), set().records[shown].CCRegNumber);
        QCOMPARE(text("numCCPrice"), QString::number(shown * 100000));
        QCOMPARE(caption(), CompanyCarWindow::captionFor(shown, 3));
        QCOMPARE(enabledButtons(), kButtons);
    }

    void deletingAVehicleMovesTheLaterOnesDown()
    {
        seedSession({QStringLiteral("A 1"), QStringLiteral("B 2"), QStringLiteral("C 3")});
        open();
        click(QStringLiteral("cmdForward"));
        click(QStringLiteral("cmdDelete"));
        QCOMPARE(set().count, short(2));
        QCOMPARE(set().records[1].CCRegNumber, QStringLiteral("A 1"));
        QCOMPARE(set().records[2].CCRegNumber, QStringLiteral("C 3"));
        QCOMPARE(text("txtCCRegNumber"), QStringLiteral("A 1"));
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 1 of 2")));
        QCOMPARE(set().records[0].CCRegNumber, QString());
        QVERIFY(get("chkAutoSplit")->isVisible());
        click(QStringLiteral("cmdDelete"));
        QVERIFY(!get("chkAutoSplit")->isVisible());
        QCOMPARE(enabledButtons(), (QStringList{"cmdOk", "cmdAdd", "cmdDelete", "cmdCalculate", "cmdPrint"}));
    }

    void deletingTheOnlyVehicleEmptiesTheSet()
    {
        seedSession({QStringLiteral("A 1")});
        session().companyCar.set.Actual3802 = 50000;
        open();
        QCOMPARE(text("numActual3802"), QStringLiteral("50000"));
        click(QStringLiteral("cmdDelete"));
        QCOMPARE(set().count, short(0));
        QCOMPARE(set().current, short(0));
        QCOMPARE(set().Actual3802, 0.0);
        QCOMPARE(text("numActual3802"), QStringLiteral("0"));
        QCOMPARE(text("txtCCRegNumber"), QString());
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 0 of 0")));
        QCOMPARE(enabledButtons(), (QStringList{"cmdOk", "cmdAdd", "cmdCalculate", "cmdPrint"}));
        QVERIFY(!get("txtCCRegNumber")->isEnabled());
        // Printing and calculating the empty set work; adding starts again from record 0.
        click(QStringLiteral("cmdAdd"));
        QCOMPARE(set().count, short(1));
        QVERIFY(get("txtCCRegNumber")->isEnabled());
    }

    void clearingTheRegistrationNumberBlocksTheWindow()
    {
        seedSession({QStringLiteral("A 1"), QStringLiteral("B 2"), QStringLiteral("C 3")});
        open();
        click(QStringLiteral("cmdForward"));
        type(QStringLiteral("txtCCRegNumber"), QString());
        QCOMPARE(set().records[2].CCRegNumber, QString());
        QCOMPARE(enabledButtons(), (QStringList{"cmdDelete"}));
        QVERIFY(get("txtCCRegNumber")->isEnabled());
        QVERIFY(get("lblCCRegNumber")->isEnabled());
        QVERIFY(!get("numCCPrice")->isEnabled());
        QVERIFY(!get("chkBussMilage")->isEnabled());
        keepPicture(window.get(), QStringLiteral("frmCompCar-blocked"));
        type(QStringLiteral("txtCCRegNumber"), QStringLiteral("B 9"));
        QCOMPARE(enabledButtons(), kButtons);
        QVERIFY(get("numCCPrice")->isEnabled());
    }

    void addingASecondVehicleSwitchesTheSplitOn()
    {
        seedSession({QStringLiteral("A 1")});
        open();
        QVERIFY(!get("chkAutoSplit")->isVisible());
        click(QStringLiteral("cmdAdd"));
        QCOMPARE(set().count, short(2));
        QCOMPARE(set().autoSplit, short(1));
        QVERIFY(get("chkAutoSplit")->isVisible());
        QVERIFY(get<QCheckBox>("chkAutoSplit")->isChecked());
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 2 of 2")));
        // The new vehicle's year and logbook flag start empty, its dates the full year.
        QCOMPARE(set().records[2].YearOfManfact, QString());
        QCOMPARE(set().records[2].CCStartDate, TaxYearStart);
    }

    void twoCarsSplitTheCode3802AmountByDaysOfUse()
    {
        seedSession({QStringLiteral("A 1"), QStringLiteral("B 2")});
        CompanyCarSet& s = session().companyCar.set;
        s.records[1].CCPrice = 300000;
        s.records[2].CCPrice = 200000;
        s.records[2].CCEndDate = dayNumber(2018, 6, 8);
        s.autoSplit = 1;
        open();
        type(QStringLiteral("numActual3802"), QStringLiteral("146000"));
        QVERIFY(!get("numFB3802ThisCar")->isEnabled());
        click(QStringLiteral("cmdCalculate"));
        QCOMPARE(set().records[1].FB3802ThisCar, 146000.0 * 365 / 465);
        QCOMPARE(set().records[2].FB3802ThisCar, 146000.0 * 100 / 465);
        QCOMPARE(text("numFB3802ThisCar"), QStringLiteral("114602"));
        QCOMPARE(text("numTotalAdjustment"), QStringLiteral("3 014.00"));
        // Clearing the split makes the car's own amount typed again.
        click(QStringLiteral("chkAutoSplit"));
        QCOMPARE(set().autoSplit, short(0));
        QVERIFY(get("numFB3802ThisCar")->isEnabled());
    }

    void addIsRefusedWhenTheSetIsFull()
    {
        ResetSession();
        CompanyCarSet& s = session().companyCar.set;
        s.records.assign(kMaximumVehicles + 1, car(QStringLiteral("GP 1"), 100000));
        s.count = short(kMaximumVehicles);
        open();
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 1 of 32767")));
        MessageRecorder messages;
        click(QStringLiteral("cmdAdd"));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(QStringLiteral("32 767")));
        QCOMPARE(set().count, short(kMaximumVehicles));
        QCOMPARE(set().records.size(), std::size_t(kMaximumVehicles + 1));
        click(QStringLiteral("cmdBack"));
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 32767 of 32767")));
    }

    void closingIsRefusedRightAfterABadEndDate()
    {
        seedSession({QStringLiteral("A 1")});
        session().companyCar.set.records[1].CCStartDate = dayNumber(2018, 9, 1);
        open();
        type(QStringLiteral("dtCCEndDate"), QStringLiteral("31/08/2018"));
        MessageRecorder messages;
        get<EntryField>(QStringLiteral("dtCCEndDate"))->commit();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("The date entered is not correct please enter a date between "
                                                      "01/09/2018 and 28/02/2019"));
        QCOMPARE(text("dtCCEndDate"), QStringLiteral("28/02/2019"));
        QVERIFY(!window->close());
        QCOMPARE(messages.count(), 2);
        QCOMPARE(messages.last().text,
                 QStringLiteral("The dates entered are not correct please enter a dates between 01/03/2018 and "
                                "28/02/2019"));
        QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Date"));
        QCOMPARE(window->focusWidget(), get("dtCCStartDate"));
        // Once the end date field was left, closing works and keeps the records.
        QVERIFY(window->close());
        QCOMPARE(set().count, short(1));
        QCOMPARE(set().records[1].CCEndDate, TaxYearEnd);
    }

    void vehiclesOutliveTheWindow()
    {
        seedSession({QStringLiteral("A 1"), QStringLiteral("B 2")});
        open();
        click(QStringLiteral("cmdForward"));
        type(QStringLiteral("txtCCModel"), QStringLiteral("Corolla"));
        click(QStringLiteral("cmdOk"));
        QVERIFY(!window->isVisible());
        open();
        QCOMPARE(set().current, short(1));
        QVERIFY(caption().endsWith(QStringLiteral("Vehicle number 1 of 2")));
        click(QStringLiteral("cmdForward"));
        QCOMPARE(text("txtCCModel"), QStringLiteral("Corolla"));
    }
};

KESTREL_TEST_MAIN(TestCompanyCarWindow)
#include "test_companycarwindow.moc"
