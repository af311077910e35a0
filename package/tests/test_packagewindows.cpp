// The four package windows through their named fields and buttons: the backward and the
// forward calculation, the Setup panel (its 27.5 % check, saving all eleven columns), the
// refusals, the limit warning, the once-off car note, the other-expense copies, the R/A
// panel. Set KESTREL_GRAB_DIR to a folder to keep pictures of the windows.
#include "common/fields.h"
#include "common/numberformat.h"
#include "package/packagewindow.h"
#include "package/packagewindows.h"
#include "payroll/settingsstore.h"
#include "shell/mainwindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace kestrel;
using kestrel::test::MessageRecorder;
using kestrel::test::TempAppFolder;

namespace {

void storeSettings(const PayrollSettings& s)
{
    QCOMPARE(SavePayrollSettings(session().SettingsDbPath, s, payrollSettingsColumns()), QString());
}

PayrollSettings plainSettings()
{
    PayrollSettings s;
    s.EmployeeUIF = 1;
    s.EmployerUIF = 1;
    s.SkillLevy = 1;
    s.UIFLimit = 14872;
    return s;
}

template <typename T = NumberField> T* child(QWidget* window, const char* name)
{
    return kestrel::test::child<T>(window, name);
}

void type(QWidget* window, const char* name, const QString& text)
{
    auto* field = child<QLineEdit>(window, name);
    field->selectAll();
    QTest::keyClicks(field, text);
}

QString shown(QWidget* window, const char* name)
{
    return child<QLineEdit>(window, name)->text();
}

void click(QWidget* window, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

void grab(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!dir.isEmpty())
        window->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

}  // namespace

Q_DECLARE_METATYPE(kestrel::PackageDirection)
Q_DECLARE_METATYPE(kestrel::PackagePeriod)

class TestPackageWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TempAppFolder> folder_;

    std::unique_ptr<PackageWindow> open(PackageDirection direction, PackagePeriod period)
    {
        auto window = std::make_unique<PackageWindow>(direction, period);
        window->show();
        return window;
    }

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<TempAppFolder>();
        storeSettings(plainSettings());
    }
    void cleanup() { folder_.reset(); }

    void menusOpenAndCascade()
    {
        WindowRegistry registry;
        registerPackageWindows(registry);
        MDIForm1 main(registry);
        main.resize(1100, 760);
        main.show();
        main.menuAction(QStringLiteral("mnuKestMon"))->trigger();
        main.menuAction(QStringLiteral("mnuOsprAnn"))->trigger();
        main.menuAction(QStringLiteral("mnuKestMon"))->trigger();  // brought to the front, not opened again
        const QList<QMdiSubWindow*> frames = main.mdiArea()->subWindowList();
        QCOMPARE(frames.size(), 2);
        QCOMPARE(frames[0]->windowTitle(), QStringLiteral("Kestrel : Monthly Calculation"));
        QCOMPARE(frames[1]->windowTitle(), QStringLiteral("Osprey : Annual Calculation"));
        // Cascaded: each frame below and to the right of the one before.
        QVERIFY(frames[1]->x() > frames[0]->x() && frames[1]->y() > frames[0]->y());
        // The whole window fits its frame.
        QVERIFY(frames[0]->widget()->size().width() >= frames[0]->widget()->minimumSizeHint().width());
        grab(&main, QStringLiteral("MDIForm1-packages"));
        // "&OK" closes the window.
        click(frames[1]->widget(), "cmdOK");
        QTRY_COMPARE(main.mdiArea()->subWindowList().size(), 1);
        main.close();
    }

    void backwardThroughTheFields()
    {
        MessageRecorder messages;
        auto w = open(PackageDirection::Backward, PackagePeriod::Monthly);
        QCOMPARE(w->windowTitle(), QStringLiteral("Kestrel : Monthly Calculation"));
        type(w.get(), "numAge", "30");
        type(w.get(), "numNetMonSalReq", "5000");
        click(w.get(), "cmdCalculate");
        QCOMPARE(shown(w.get(), "numUIFCont"), QStringLiteral("50.51"));
        QCOMPARE(shown(w.get(), "numCCUIFCont"), QStringLiteral("50.51"));
        QCOMPARE(shown(w.get(), "numCCSkillLev"), QStringLiteral("50.51"));
        QCOMPARE(shown(w.get(), "numMAns"), QStringLiteral("0.00"));
        QCOMPARE(shown(w.get(), "numGrossSal"), QStringLiteral("5050.51"));
        QCOMPARE(shown(w.get(), "numTotCostComp"), QStringLiteral("5151.53"));
        QVERIFY(messages.isEmpty());
        // The last income looked up goes to the tax-scale exchange: 12 x 5 051.
        QCOMPARE(session().taxScale.income, 60612.0);
        grab(w.get(), QStringLiteral("frmKestrelMon"));

        // A zero amount refuses silently; the results stay.
        type(w.get(), "numNetMonSalReq", "0");
        click(w.get(), "cmdCalculate");
        QVERIFY(messages.isEmpty());
        QCOMPARE(shown(w.get(), "numGrossSal"), QStringLiteral("5050.51"));

        // Fringe benefits above the net salary required: the message, no new results.
        type(w.get(), "numNetMonSalReq", "1000");
        type(w.get(), "numTravAll", "2000");
        click(w.get(), "cmdCalculate");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("Fringe benefits more than salary required!"));
        QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        QCOMPARE(shown(w.get(), "numTotCostComp"), QStringLiteral("5151.53"));
        QCOMPARE(shown(w.get(), "numCCTravAll"), QStringLiteral("2000.00"));
    }

    void forwardThroughTheFields()
    {
        MessageRecorder messages;
        auto w = open(PackageDirection::Forward, PackagePeriod::Monthly);
        QCOMPARE(w->windowTitle(), QStringLiteral("Osprey : Monthly Calculation"));
        type(w.get(), "numAge", "40");
        type(w.get(), "numNetMonSalReq", "10000");
        QCOMPARE(shown(w.get(), "numCCNetMonSalReq"), QStringLiteral("10000.00"));
        click(w.get(), "cmdCalculate");
        QCOMPARE(shown(w.get(), "numMAns"), QStringLiteral("627.75"));
        QCOMPARE(shown(w.get(), "numTaxDeduct"), QStringLiteral("627.75"));
        QCOMPARE(shown(w.get(), "numUIFCont"), QStringLiteral("100.00"));
        QCOMPARE(shown(w.get(), "numGrossSal"), QStringLiteral("9272.25"));
        QCOMPARE(shown(w.get(), "numTotCostComp"), QStringLiteral("10200.00"));
        QVERIFY(messages.isEmpty());
        grab(w.get(), QStringLiteral("frmOsprMon"));
    }

    void combinedFundCheck_data()
    {
        QTest::addColumn<PackageDirection>("direction");
        QTest::addColumn<double>("employeeAfter");
        QTest::addColumn<double>("employerAfter");
        QTest::newRow("backward") << PackageDirection::Backward << 0.0 << 0.0;
        QTest::newRow("forward") << PackageDirection::Forward << 20.0 << 10.0;
    }
    void combinedFundCheck()
    {
        QFETCH(PackageDirection, direction);
        QFETCH(double, employeeAfter);
        QFETCH(double, employerAfter);
        MessageRecorder messages;
        auto w = open(direction, PackagePeriod::Annual);
        type(w.get(), "numNetMonSalReq", "240000");
        click(w.get(), "cmdSettings");
        QVERIFY(child<QWidget>(w.get(), "fraSetup")->isVisible());
        for (const char* button : {"cmdOK", "cmdRAExplained", "cmdCalculate", "cmdSettings", "cmdPrint"})
            QVERIFY2(!child<QPushButton>(w.get(), button)->isEnabled(), button);
        grab(w.get(), direction == PackageDirection::Backward ? QStringLiteral("frmKestrelAnn-setup")
                                                              : QStringLiteral("frmOsprAnn-setup"));

        type(w.get(), "numPenContPerc", "20");
        type(w.get(), "numPenPercentage", "10");
        QCOMPARE(child(w.get(), "numPenContPerc")->value(), employeeAfter);
        QCOMPARE(child(w.get(), "numPenPercentage")->value(), employerAfter);

        // The other columns: a new UIF limit, 20 % travel inclusion, a maintenance plan.
        type(w.get(), "numUIFLimit", "15000");
        click(w.get(), "optTAIncRate20");
        click(w.get(), "optCompCarMPYes");
        click(w.get(), "cmdSetupOK");
        QVERIFY(!child<QWidget>(w.get(), "fraSetup")->isVisible());
        for (const char* button : {"cmdOK", "cmdRAExplained", "cmdCalculate", "cmdSettings", "cmdPrint"})
            QVERIFY2(child<QPushButton>(w.get(), button)->isEnabled(), button);
        QVERIFY(messages.isEmpty());

        const SettingsLoad stored = LoadPayrollSettings(session().SettingsDbPath);
        QVERIFY(stored.settings);
        QCOMPARE(stored.settings->PensionCont, employeeAfter);
        QCOMPARE(stored.settings->EmployerPenCont, employerAfter);
        QCOMPARE(stored.settings->UIFLimit, 15000.0);
        QCOMPARE(stored.settings->TAIncRate8020, 0.2);
        QCOMPARE(stored.settings->CompCarMPYesNo, true);
        QCOMPARE(stored.settings->CompCarFBRate8020, 0.8);
        // "O&K" recalculated with the new settings: the contributions are in their fields.
        QCOMPARE(child(w.get(), "numRFundCont")->value() > 0, employeeAfter > 0);
        QVERIFY(w->keptResults().calculated());
    }

    void storedRatesSelectTheirOptions()
    {
        PayrollSettings s = plainSettings();
        s.TAIncRate8020 = 0.5;  // written by another program
        s.CompCarFBRate8020 = 0.2;
        s.CompCarMPYesNo = true;
        s.PensionCont = 7.5;
        storeSettings(s);
        auto w = open(PackageDirection::Backward, PackagePeriod::Monthly);
        QVERIFY(!child<QRadioButton>(w.get(), "optTAIncRate80")->isChecked());
        QVERIFY(!child<QRadioButton>(w.get(), "optTAIncRate20")->isChecked());
        QVERIFY(child<QRadioButton>(w.get(), "optCompCarFBRate20")->isChecked());
        QVERIFY(child<QRadioButton>(w.get(), "optCompCarMPYes")->isChecked());
        QCOMPARE(shown(w.get(), "numPenContPerc"), QStringLiteral("7.500"));
        type(w.get(), "numNetMonSalReq", "20000");
        type(w.get(), "numTravAll", "4000");
        click(w.get(), "cmdCalculate");
        // The travel allowance is taxed at 0.5; the contribution shows in its field.
        QCOMPARE(w->keptResults().taxableIncome, w->keptResults().trialSalary + 2000 - w->keptResults().employeeFund);
        QCOMPARE(shown(w.get(), "numRFundCont"), formatMoney(w->keptResults().employeeFund));
    }

    void missingSettingsDatabaseIsReported()
    {
        QFile::remove(session().SettingsDbPath);
        MessageRecorder messages;
        auto w = open(PackageDirection::Forward, PackagePeriod::Annual);
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.contains(QStringLiteral("Settings.mdb")));
        // The window works on with the delivered defaults.
        QCOMPARE(shown(w.get(), "numUIFLimit"), QStringLiteral("14872"));
        type(w.get(), "numNetMonSalReq", "120000");
        click(w.get(), "cmdCalculate");
        QVERIFY(w->keptResults().calculated());
        // Saving fails with the database's message; the panel still closes and recalculates.
        click(w.get(), "cmdSettings");
        click(w.get(), "cmdSetupOK");
        QCOMPARE(messages.count(), 2);
        QVERIFY(child<QPushButton>(w.get(), "cmdCalculate")->isEnabled());
    }

    void limitWarningMovesTheButtonsAndDisablesPrint()
    {
        MessageRecorder messages;
        auto w = open(PackageDirection::Backward, PackagePeriod::Monthly);
        auto* warning = child<QLabel>(w.get(), "lblWarning");
        auto* print = child<QPushButton>(w.get(), "cmdPrint");
        const int buttonsAt = print->y();
        type(w.get(), "numNetMonSalReq", "10000");
        type(w.get(), "numRFundCont", "5000");
        click(w.get(), "cmdCalculate");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("R/Fund contributions exceed allowable limits!"));
        QVERIFY(!print->isEnabled());
        QTRY_VERIFY(print->y() > buttonsAt);
        QVERIFY(warning->geometry().bottom() < print->y());
        grab(w.get(), QStringLiteral("frmKestrelMon-warning"));
        type(w.get(), "numRFundCont", "500");
        click(w.get(), "cmdCalculate");
        QVERIFY(!warning->isVisible());
        QVERIFY(print->isEnabled());
        QTRY_COMPARE(print->y(), buttonsAt);
    }

    void onceOffCarNote()
    {
        auto w = open(PackageDirection::Forward, PackagePeriod::Annual);
        auto* note = child<QWidget>(w.get(), "fraOnceOff");
        type(w.get(), "numNetMonSalReq", "480000");
        type(w.get(), "numCompCar", "250000");
        click(w.get(), "cmdCalculate");
        QVERIFY(note->isVisible());
        QCOMPARE(shown(w.get(), "numOnceOff"), QStringLiteral("250000.00"));
        grab(w.get(), QStringLiteral("frmOsprAnn-onceoff"));
        type(w.get(), "numCCCompCar", "60000");
        click(w.get(), "cmdCalculate");
        QVERIFY(!note->isVisible());
        QCOMPARE(shown(w.get(), "numOnceOff"), QStringLiteral("0.00"));
    }

    void otherExpensesAndClearedFields()
    {
        auto w = open(PackageDirection::Backward, PackagePeriod::Annual);
        type(w.get(), "numOtherDet0", "150");
        QCOMPARE(shown(w.get(), "numOtherDetCC0"), QStringLiteral("150.00"));
        type(w.get(), "numOtherDetCC0", "175");
        QCOMPARE(shown(w.get(), "numOtherDet0"), QStringLiteral("150"));
        type(w.get(), "numOtherDet2", "50");
        QCOMPARE(w->inputs().otherExpensesTotal(), 200.0);
        QCOMPARE(w->inputs().otherExpensesCompany[0], 175.0);
        // Beneficiaries without a medical contribution, and medical deductions below 65,
        // are cleared by the calculation.
        type(w.get(), "numAge", "50");
        type(w.get(), "numPMems", "24");
        type(w.get(), "numMedDeduct", "3000");
        type(w.get(), "numNetMonSalReq", "240000");
        click(w.get(), "cmdCalculate");
        QCOMPARE(shown(w.get(), "numPMems"), QStringLiteral("0"));
        QCOMPARE(shown(w.get(), "numMedDeduct"), QStringLiteral("0.00"));
        QCOMPARE(w->inputs().medicalDeductions, 0.0);
    }

    void raExplainedPanel()
    {
        auto w = open(PackageDirection::Backward, PackagePeriod::Monthly);
        type(w.get(), "numNetMonSalReq", "10000");
        type(w.get(), "numRFundCont", "250");
        click(w.get(), "cmdCalculate");
        click(w.get(), "cmdRAExplained");
        QVERIFY(child<QWidget>(w.get(), "fraRAExplained")->isVisible());
        QCOMPARE(child<QLabel>(w.get(), "lblRALineA")->text(), QStringLiteral("ie: R 3 500 - R3 000.00 = R500.00"));
        QCOMPARE(child<QLabel>(w.get(), "lblRALineC")->text(), QStringLiteral("ie: R 0.00 X 15% = R0.00"));
        // No button is disabled while it is open.
        QVERIFY(child<QPushButton>(w.get(), "cmdCalculate")->isEnabled());
        grab(w.get(), QStringLiteral("frmKestrelMon-ra"));
        click(w.get(), "cmdRAOK");
        QVERIFY(!child<QWidget>(w.get(), "fraRAExplained")->isVisible());
    }

    void unreachableNetEndsWithAMessage()
    {
        PayrollSettings s = plainSettings();
        s.PensionCont = 99.9;
        storeSettings(s);
        MessageRecorder messages;
        auto w = open(PackageDirection::Backward, PackagePeriod::Annual);
        type(w.get(), "numNetMonSalReq", "300000");
        QElapsedTimer clock;
        clock.start();
        click(w.get(), "cmdCalculate");
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, searchBoundMessage(PackagePeriod::Annual));
        QCOMPARE(shown(w.get(), "numGrossSal"), QStringLiteral("0.00"));
    }

    void printPanel()
    {
        MessageRecorder messages;
        auto w = open(PackageDirection::Forward, PackagePeriod::Monthly);
        type(w.get(), "numNetMonSalReq", "10000");
        click(w.get(), "cmdPrint");
        QVERIFY(child<QWidget>(w.get(), "fraPrint")->isVisible());
        for (const char* button : {"cmdOK", "cmdRAExplained", "cmdCalculate", "cmdSettings"})
            QVERIFY2(!child<QPushButton>(w.get(), button)->isEnabled(), button);
        type(w.get(), "Text1", QString(60, QLatin1Char('x')));
        QCOMPARE(w->inputs().taxpayerName.size(), 50);
        grab(w.get(), QStringLiteral("frmOsprMon-print"));
        click(w.get(), "cmdCancelPrint");
        QVERIFY(!child<QWidget>(w.get(), "fraPrint")->isVisible());
        QVERIFY(child<QPushButton>(w.get(), "cmdCalculate")->isEnabled());
        // A refused calculation opens no print panel.
        type(w.get(), "numNetMonSalReq", "0");
        click(w.get(), "cmdPrint");
        QVERIFY(!child<QWidget>(w.get(), "fraPrint")->isVisible());
        QVERIFY(messages.isEmpty());
    }
};

KESTREL_TEST_MAIN(TestPackageWindows)
#include "test_packagewindows.moc"
