// The tax windows and QuickTax: typing into the named fields and pressing the named
// buttons reaches the calculation and its results; the date, day and beneficiary checks;
// the "Setup" panel; a missing settings database; QuickTax showing the last income.
#include "common/fields.h"
#include "payroll/annualwindow.h"
#include "payroll/payperiodwindow.h"
#include "payroll/payrollmessages.h"
#include "payroll/quicktaxwindow.h"
#include "payroll/settingsstore.h"
#include "payroll/setuppanel.h"
#include "payroll/taxpanels.h"
#include "payrolltestsupport.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace kestrel;
using namespace kestrel::test;

Q_DECLARE_METATYPE(kestrel::PayPeriod)

namespace {

// A private application folder with the delivered Settings.mdb, or one that holds
// `settings`.
struct Folder {
    Folder() = default;
    explicit Folder(const PayrollSettings& settings)
    {
        writeSettingsDatabase(app.file(QStringLiteral("Settings.mdb")), settings);
    }
    TempAppFolder app;
};

PayrollSettings storedSettings()
{
    return LoadPayrollSettings(session().SettingsDbPath).settings.value_or(PayrollSettings{});
}

bool inside(QWidget* panel, QWidget* window)
{
    return QRect(QPoint(0, 0), window->size()).contains(panel->geometry());
}

}  // namespace

class TestPayrollWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { ResetSession(); }

    void payPeriodWiring_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<QString>("ageField");
        QTest::addColumn<QString>("bonusField");
        QTest::addColumn<QString>("salary");
        QTest::addColumn<QString>("bonus");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tax");
        QTest::addColumn<QString>("uif");
        QTest::addColumn<double>("lookedUp");
        QTest::newRow("monthly") << PayPeriod::Monthly << "silgEdit9"
                                 << "silgEdit12"
                                 << "20000"
                                 << "10000"
                                 << "Monthly"
                                 << "5322.08"
                                 << "148.72" << 240000.0;
        QTest::newRow("fortnightly") << PayPeriod::Fortnightly << "silgEdit14"
                                     << "sidbEdit4"
                                     << "10000"
                                     << "0"
                                     << "Fortnightly"
                                     << "1456.35"
                                     << "68.64" << 260000.0;
        QTest::newRow("weekly") << PayPeriod::Weekly << "silgEdit14"
                                << "sidbEdit4"
                                << "5000"
                                << "10000"
                                << "Weekly"
                                << "3328.17"
                                << "34.32" << 260000.0;
        QTest::newRow("daily") << PayPeriod::Daily << "silgEdit23"
                               << "sidbEdit4"
                               << "1000"
                               << "0"
                               << "Daily"
                               << "145.63"
                               << "6.86" << 260000.0;
    }
    void payPeriodWiring()
    {
        QFETCH(PayPeriod, period);
        QFETCH(QString, ageField);
        QFETCH(QString, bonusField);
        QFETCH(QString, salary);
        QFETCH(QString, bonus);
        QFETCH(QString, caption);
        QFETCH(QString, tax);
        QFETCH(QString, uif);
        QFETCH(double, lookedUp);
        Folder folder;
        MessageRecorder messages;
        PayPeriodWindow window(period);
        window.show();
        QCOMPARE(window.windowTitle(), caption);
        // A fresh window has calculated its zero inputs.
        QCOMPARE(fieldText(&window, "numTaxLiability"), QStringLiteral("0.00"));
        typeInto(&window, ageField.toLatin1().constData(), QStringLiteral("40"));
        typeInto(&window, "numSalRemun", salary);
        typeInto(&window, bonusField.toLatin1().constData(), bonus);
        click(&window, "cmdCalculate");
        QVERIFY(messages.isEmpty());
        QCOMPARE(fieldText(&window, "numMAns"), tax);
        QCOMPARE(fieldText(&window, "numTaxLiability"), tax);
        QCOMPARE(fieldText(&window, "numMAns1"), uif);
        QCOMPARE(fieldText(&window, "numMAns2"), uif);
        // The exchange holds the lookup without the bonus.
        QCOMPARE(session().taxScale.income, lookedUp);
        grabForReview(&window, QStringLiteral("window-") + caption);
    }

    void everyInputReachesTheCalculation()
    {
        Folder folder;
        MessageRecorder messages;
        PayPeriodWindow window(PayPeriod::Monthly);
        window.show();
        typeInto(&window, "silgEdit9", QStringLiteral("66"));
        typeInto(&window, "numSalRemun", QStringLiteral("20000"));
        typeInto(&window, "numEmpERMedAidCont", QStringLiteral("3000"));
        typeInto(&window, "numEmpEEMedAidCont", QStringLiteral("1000"));
        typeInto(&window, "numEmpRRFundCont", QStringLiteral("1500"));
        typeInto(&window, "numEmpERFundCont", QStringLiteral("500"));
        typeInto(&window, "numComm", QStringLiteral("2000"));
        typeInto(&window, "silgEdit13", QStringLiteral("5001"));
        typeInto(&window, "numMedAidBens", QStringLiteral("2"));
        typeInto(&window, "dtMStartDate", QStringLiteral("01/04/2018"));
        typeInto(&window, "dtMEndDate", QStringLiteral("30/04/2018"));
        click(&window, "cmdCalculate");
        QVERIFY(messages.isEmpty());
        const PayPeriodInputs& in = window.inputs();
        QCOMPARE(in.age, short(66));
        QCOMPARE(in.employerMedicalAid, 3000.0);
        QCOMPARE(in.employeeMedicalAid, 1000.0);
        QCOMPARE(in.employerFund, 1500.0);
        QCOMPARE(in.employeeFund, 500.0);
        QCOMPARE(in.commissions, 2000.0);
        QCOMPARE(in.travelAllowance, 5001.0);
        QCOMPARE(in.beneficiaries, short(2));
        QCOMPARE(formatDate(in.startDate), QStringLiteral("01/04/2018"));
        QCOMPARE(formatDate(in.endDate), QStringLiteral("30/04/2018"));
        // Shown to the whole rand, half to even: 4 000.80 and 2 000.
        QCOMPARE(fieldText(&window, "numMTAAns"), QStringLiteral("4001"));
        QCOMPARE(fieldText(&window, "numAllowableRFundDed"), QStringLiteral("2000"));
        QCOMPARE(fieldText(&window, "numTaxCredit"), QStringLiteral("620.00"));
        QCOMPARE(fieldText(&window, "numMTCForContri"), QStringLiteral("712.62"));
        // Commissions carry the levy: (20 000 + 3 000 + 4 000.80 + 1 500 - 2 000 + 2 000) x 1 %.
        QCOMPARE(fieldText(&window, "numMAns3"), QStringLiteral("285.01"));
    }

    void moneyFieldsShowZeroWhenLeftEmpty()
    {
        Folder folder;
        PayPeriodWindow window(PayPeriod::Weekly);
        window.show();
        typeInto(&window, "sidbEdit6", QString());
        QCOMPARE(fieldText(&window, "sidbEdit6"), QStringLiteral("0"));
        typeInto(&window, "numSalRemun", QStringLiteral("abc"));
        QCOMPARE(fieldText(&window, "numSalRemun"), QStringLiteral("0"));
    }

    void dateEntriesOutsideTheYear()
    {
        Folder folder;
        MessageRecorder messages;
        PayPeriodWindow window(PayPeriod::Monthly);
        window.show();
        typeInto(&window, "dtMStartDate", QStringLiteral("01/03/2019"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(
            messages.last().text,
            QStringLiteral("The date entered is not correct please enter a date between 01/03/2018 and 28/02/2019"));
        QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Date"));
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QCOMPARE(fieldText(&window, "dtMStartDate"), QStringLiteral("01/03/2018"));
        typeInto(&window, "dtMStartDate", QStringLiteral("05/03/2018"));
        typeInto(&window, "dtMEndDate", QStringLiteral("31/02/2019"));  // no such day
        QCOMPARE(messages.count(), 2);
        QCOMPARE(
            messages.last().text,
            QStringLiteral("The date entered is not correct please enter a date between 05/03/2018 and 28/02/2019"));
        QCOMPARE(fieldText(&window, "dtMEndDate"), QStringLiteral("31/03/2018"));
    }

    void refusedPeriodKeepsTheResults_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::newRow("months") << PayPeriod::Monthly << "dtMEndDate"
                                << "15/04/2018" << payroll::kMessageSameMonth << payroll::kCaptionIncorrectDate;
        QTest::newRow("start-after-end") << PayPeriod::Monthly << "dtMStartDate"
                                         << "31/03/2018"
                                         << ""
                                         << "";  // 31/03 to 31/03 is one day: accepted
        QTest::newRow("week-longer") << PayPeriod::Weekly << "silgEdit22"
                                     << "8" << payroll::kMessageWeekDays << payroll::kCaptionIncorrectDays;
        QTest::newRow("week-of-0-days") << PayPeriod::Weekly << "silgEdit22"
                                        << "0" << payroll::kMessageWeekNoDays << payroll::kCaptionIncorrectDays;
        QTest::newRow("fortnight-of-0") << PayPeriod::Fortnightly << "silgEdit21"
                                        << "0" << payroll::kMessageFortnightDays << payroll::kCaptionIncorrectDays;
    }
    void refusedPeriodKeepsTheResults()
    {
        QFETCH(PayPeriod, period);
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        Folder folder;
        MessageRecorder messages;
        PayPeriodWindow window(period);
        window.show();
        typeInto(&window, "numSalRemun", QStringLiteral("20000"));
        click(&window, "cmdCalculate");
        const QString before = fieldText(&window, "numMAns");
        QVERIFY(before != QLatin1String("0.00"));
        typeInto(&window, "numSalRemun", QStringLiteral("40000"));
        typeInto(&window, field.toLatin1().constData(), entry);
        click(&window, "cmdCalculate");
        if (message.isEmpty()) {
            QVERIFY(messages.isEmpty());
            return;
        }
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, message);
        QCOMPARE(messages.last().caption, caption);
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QCOMPARE(fieldText(&window, "numMAns"), before);
    }

    void absurdEntriesAreRefusedAtTheField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("salary") << "numSalRemun"
                                << "1e300" << payroll::kMessageAmountRange;
        QTest::newRow("bonus") << "sidbEdit4"
                               << "-2e12" << payroll::kMessageAmountRange;
        QTest::newRow("age") << "silgEdit14"
                             << "40000" << payroll::kMessageAgeRange;
        QTest::newRow("beneficiaries") << "numMedAidBens"
                                       << "70000" << payroll::kMessageBeneficiaryRange;
        QTest::newRow("days") << "silgEdit21"
                              << "99999" << payroll::kMessageDaysRange;
    }
    void absurdEntriesAreRefusedAtTheField()
    {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        Folder folder;
        MessageRecorder messages;
        PayPeriodWindow window(PayPeriod::Fortnightly);
        window.show();
        const QString before = fieldText(&window, field.toLatin1().constData());
        typeInto(&window, field.toLatin1().constData(), entry);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, message);
        QCOMPARE(fieldText(&window, field.toLatin1().constData()), before);
        click(&window, "cmdCalculate");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(fieldText(&window, "numMAns"), QStringLiteral("0.00"));
    }

    void setupPanelShowsAndSavesTheSettings()
    {
        PayrollSettings stored;
        stored.TAIncRate8020 = 0.5;  // written by another program
        stored.PensionCont = 7.5;
        stored.EmployerProvCont = 3;
        Folder folder(stored);
        MessageRecorder messages;
        PayPeriodWindow window(PayPeriod::Monthly);
        window.show();
        PayrollSetupPanel* setup = window.setupPanel();
        QVERIFY(!setup->rate80Button()->isChecked());
        QVERIFY(!setup->rate20Button()->isChecked());
        typeInto(&window, "silgEdit13", QStringLiteral("1000"));
        click(&window, "cmdCalculate");
        QCOMPARE(fieldText(&window, "numMTAAns"), QStringLiteral("500"));  // the stored 0.5 is used

        click(&window, "cmdSettings");
        QVERIFY(setup->isVisible());
        QVERIFY(inside(setup, &window));
        for (const char* name : {"cmdOK", "cmdCalculate", "cmdSettings", "cmdPrint"})
            QVERIFY2(!window.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled(), name);
        grabForReview(&window, QStringLiteral("window-Monthly-setup"));
        typeInto(setup, "numSkillPercent", QStringLiteral("2"));
        typeInto(setup, "numUIFLimit", QStringLiteral("10000"));
        setup->rate20Button()->click();
        typeInto(&window, "numSalRemun", QStringLiteral("20000"));
        click(setup, "cmdSetupOK");
        QVERIFY(messages.isEmpty());
        QVERIFY(!setup->isVisible());
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->isEnabled());
        // Recalculated with the new settings.
        QCOMPARE(fieldText(&window, "numMTAAns"), QStringLiteral("200"));
        QCOMPARE(fieldText(&window, "numMAns1"), QStringLiteral("100.00"));
        QCOMPARE(fieldText(&window, "numMAns3"), QStringLiteral("404.00"));
        const PayrollSettings saved = storedSettings();
        QCOMPARE(saved.SkillLevy, 2.0);
        QCOMPARE(saved.UIFLimit, 10000.0);
        QCOMPARE(saved.TAIncRate8020, 0.2);
        QCOMPARE(saved.PensionCont, 7.5);  // the package columns stay as stored
        QCOMPARE(saved.EmployerProvCont, 3.0);

        // A window that opens later reads what was saved; one already open keeps its copy.
        PayPeriodWindow later(PayPeriod::Weekly);
        later.show();
        QCOMPARE(later.settings().SkillLevy, 2.0);
        QVERIFY(later.setupPanel()->rate20Button()->isChecked());
    }

    void missingSettingsDatabaseLeavesAWorkingWindow()
    {
        TempAppFolder app;
        QFile::remove(app.file(QStringLiteral("Settings.mdb")));
        session().SettingsDbPath = app.file(QStringLiteral("Settings.mdb"));
        MessageRecorder messages;
        PayPeriodWindow window(PayPeriod::Monthly);
        window.show();
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.last().text.contains(QStringLiteral("Settings.mdb")), qPrintable(messages.last().text));
        QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        QCOMPARE(window.settings().UIFLimit, PayrollSettings{}.UIFLimit);
        typeInto(&window, "numSalRemun", QStringLiteral("20000"));
        click(&window, "cmdCalculate");
        QCOMPARE(fieldText(&window, "numMAns"), QStringLiteral("2722.08"));
        // Saving fails with a message; the panel closes and the window goes on.
        click(&window, "cmdSettings");
        click(window.setupPanel(), "cmdSetupOK");
        QCOMPARE(messages.count(), 2);
        QVERIFY(!window.setupPanel()->isVisible());
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("cmdCalculate"))->isEnabled());
    }

    void panelsFitTheWindow_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::newRow("monthly") << PayPeriod::Monthly;
        QTest::newRow("daily") << PayPeriod::Daily;
    }
    void panelsFitTheWindow()
    {
        QFETCH(PayPeriod, period);
        Folder folder;
        PayPeriodWindow window(period);
        window.show();
        click(&window, "cmdInfo");
        QVERIFY(window.infoPanel()->isVisible());
        QVERIFY(inside(window.infoPanel(), &window));
        QCOMPARE(window.infoPanel()->findChild<QLabel*>(QStringLiteral("lblGeneralInfo"))->text(),
                 GeneralInfoPanel::text());
        grabForReview(&window, QStringLiteral("window-") + window.windowTitle() + QStringLiteral("-info"));
        click(window.infoPanel(), "cmdInfoOK");
        QVERIFY(!window.infoPanel()->isVisible());
        click(&window, "cmdPrint");
        QVERIFY(window.printPanel()->isVisible());
        QVERIFY(inside(window.printPanel(), &window));
        QVERIFY(window.printPanel()->englishButton()->isChecked());
        grabForReview(&window, QStringLiteral("window-") + window.windowTitle() + QStringLiteral("-print"));
        click(window.printPanel(), "cmdCancelPrint");
        QVERIFY(!window.printPanel()->isVisible());
    }

    void printErrorKeepsTheWindow()
    {
        Folder folder;
        QFile::remove(folder.app.file(QStringLiteral("Zidazura.mdb")));  // the report data is gone
        MessageRecorder messages;
        PayPeriodWindow window(PayPeriod::Monthly);
        window.show();
        typeInto(&window, "numSalRemun", QStringLiteral("20000"));
        click(&window, "cmdCalculate");
        click(&window, "cmdPrint");
        click(window.printPanel(), "cmdView");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QCOMPARE(session().PrintDestination, short(0));
        QVERIFY(!window.printPanel()->isVisible());
        QCOMPARE(fieldText(&window, "numSalRemun"), QStringLiteral("20000"));
        QCOMPARE(fieldText(&window, "numMAns"), QStringLiteral("2722.08"));
    }

    void employeeNameTakesFiftyCharacters()
    {
        Folder folder;
        PayPeriodWindow window(PayPeriod::Weekly);
        window.show();
        const QString name(60, QLatin1Char('x'));
        QTest::keyClicks(window.printPanel()->nameField(), name);
        QCOMPARE(window.employeeName(), name.left(50));
    }

    void annualWiring()
    {
        Folder folder;
        MessageRecorder messages;
        AnnualWindow window;
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Annual"));
        QCOMPARE(fieldText(&window, "dtStartDate"), QStringLiteral("01/03/2018"));
        QCOMPARE(fieldText(&window, "dtEndDate"), QStringLiteral("28/02/2019"));
        typeInto(&window, "silgEdit1", QStringLiteral("40"));
        typeInto(&window, "silgEdit2", QStringLiteral("240000"));
        typeInto(&window, "silgEdit4", QStringLiteral("20000"));
        typeInto(&window, "silgEdit8", QStringLiteral("50000"));
        typeInto(&window, "numDirFees", QStringLiteral("0"));
        typeInto(&window, "numEmpEEMedAidCont", QStringLiteral("1200"));
        typeInto(&window, "numAnnCalcBens3", QStringLiteral("1"));
        click(&window, "cmdDuplicate");
        click(&window, "cmdCalculate");
        QVERIFY(messages.isEmpty());
        // G = 280 000 with the bonus 20 000 on top: 48 265 + 5 200 before the 12 x 310 credit.
        QCOMPARE(fieldText(&window, "numMAns"), QStringLiteral("48265.00"));
        QCOMPARE(fieldText(&window, "numTaxCredit"), QStringLiteral("3720.00"));
        QCOMPARE(fieldText(&window, "numTaxLiability"), QStringLiteral("44545.00"));
        QCOMPARE(fieldText(&window, "numAns1"), QStringLiteral("44545.00"));
        QCOMPARE(session().taxScale.income, 280000.0);
        grabForReview(&window, QStringLiteral("window-Annual"));
    }

    void annualBeneficiaryLimit()
    {
        Folder folder;
        MessageRecorder messages;
        AnnualWindow window;
        window.show();
        typeInto(&window, "numAnnCalcBens5", QStringLiteral("30"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, payroll::kMessageMaximumBeneficiaries);
        QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        QCOMPARE(messages.last().buttons, MessageButtons::Ok);
        QCOMPARE(fieldText(&window, "numAnnCalcBens5"), QStringLiteral("24"));
        QCOMPARE(window.inputs().beneficiaries[2], short(24));  // May

        // Duplicate checks every month first, then copies March everywhere.
        window.beneficiaryField(7)->setText(QStringLiteral("99"));
        window.beneficiaryField(3)->setText(QStringLiteral("2"));
        click(&window, "cmdDuplicate");
        QCOMPARE(messages.count(), 2);
        for (int month = 1; month <= 12; ++month)
            QCOMPARE(window.beneficiaryField(month)->text(), QStringLiteral("2"));
    }

    void annualSpanClearsMonthsOutsideIt()
    {
        Folder folder;
        MessageRecorder messages;
        AnnualWindow window;
        window.show();
        for (int month = 1; month <= 12; ++month)
            window.beneficiaryField(month)->setText(QStringLiteral("2"));
        typeInto(&window, "dtStartDate", QStringLiteral("01/06/2018"));
        typeInto(&window, "dtEndDate", QStringLiteral("30/11/2018"));
        click(&window, "cmdCalculate");
        QCOMPARE(window.beneficiaryField(3)->text(), QStringLiteral("2"));  // no contribution: kept
        typeInto(&window, "numEmpERMedAidCont", QStringLiteral("600"));
        click(&window, "cmdCalculate");
        QVERIFY(messages.isEmpty());
        const QString after = [&] {
            QStringList counts;
            for (int month : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2})
                counts << window.beneficiaryField(month)->text();
            return counts.join(QLatin1Char(','));
        }();
        QCOMPARE(after, QStringLiteral("0,0,0,2,2,2,2,2,2,0,0,0"));
        QCOMPARE(fieldText(&window, "numTaxCredit"), QStringLiteral("3720.00"));
    }

    void annualDateBounds()
    {
        Folder folder;
        MessageRecorder messages;
        AnnualWindow window;
        window.show();
        auto* start = window.findChild<DateField*>(QStringLiteral("dtStartDate"));
        auto* end = window.findChild<DateField*>(QStringLiteral("dtEndDate"));
        typeInto(&window, "dtEndDate", QStringLiteral("31/08/2018"));
        Q_EMIT start->focusEntered();  // the start date's upper bound follows the end date
        typeInto(&window, "dtStartDate", QStringLiteral("01/09/2018"));
        QCOMPARE(messages.count(), 1);
        QCOMPARE(
            messages.last().text,
            QStringLiteral("The date entered is not correct please enter a date between 01/03/2018 and 28/02/2019"));
        QCOMPARE(start->text(), QStringLiteral("01/03/2018"));
        typeInto(&window, "dtStartDate", QStringLiteral("01/06/2018"));
        Q_EMIT end->focusEntered();
        typeInto(&window, "dtEndDate", QStringLiteral("31/05/2018"));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(
            messages.last().text,
            QStringLiteral("The date entered is not correct please enter a date between 01/06/2018 and 28/02/2019"));
        QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Date"));
        QCOMPARE(end->text(), QStringLiteral("31/08/2018"));
    }

    void quickTaxShowsTheLastIncomeLookedUp()
    {
        Folder folder;
        MessageRecorder messages;
        {
            AnnualWindow annual;
            annual.show();
            typeInto(&annual, "silgEdit2", QStringLiteral("120000"));
            typeInto(&annual, "dtEndDate", QStringLiteral("31/08/2018"));
            click(&annual, "cmdCalculate");
        }
        QuickTaxWindow quick;
        quick.show();
        quick.windowActivated();
        QCOMPARE(fieldText(&quick, "numTaxableIncome"), QStringLiteral("238043.48"));
        // The exchange keeps the unrounded income.
        QCOMPARE(session().quickTax.quickTaxIncome, 120000 * 365 / 184.0);

        typeInto(&quick, "numTaxableIncome", QStringLiteral("250000"));
        typeInto(&quick, "numAge", QStringLiteral("40"));
        click(&quick, "cmdCalculate");
        QVERIFY(messages.isEmpty());
        QCOMPARE(fieldText(&quick, "numTaxOnIncome"), QStringLiteral("35253.00"));
        QCOMPARE(fieldText(&quick, "numMarginalRate"), QStringLiteral("26"));
        QCOMPARE(fieldText(&quick, "numPortion"), QStringLiteral("14079.00"));
        QCOMPARE(fieldText(&quick, "numTotalTax"), QStringLiteral("49332.00"));
        QCOMPARE(fieldText(&quick, "numRebate"), QStringLiteral("14067.00"));
        QCOMPARE(fieldText(&quick, "numTaxCommitment"), QStringLiteral("35265.00"));
        QCOMPARE(fieldText(&quick, "numAvRateBefore"), QStringLiteral("19.7"));
        QCOMPARE(fieldText(&quick, "numAvRateAfter"), QStringLiteral("14.1"));
        grabForReview(&quick, QStringLiteral("window-QuickTax"));

        // Another window's lookup shows when QuickTax comes to the front again.
        PayPeriodWindow monthly(PayPeriod::Monthly);
        monthly.show();
        typeInto(&monthly, "numSalRemun", QStringLiteral("20000"));
        click(&monthly, "cmdCalculate");
        quick.windowActivated();
        QCOMPARE(fieldText(&quick, "numTaxableIncome"), QStringLiteral("240000.00"));
        QCOMPARE(fieldText(&quick, "numAge"), QStringLiteral("40"));
        QCOMPARE(fieldText(&quick, "numTaxCommitment"), QStringLiteral("32665.00"));
    }

    void quickTaxShowsTheLargestIncomeAnyWindowLooksUp()
    {
        Folder folder;
        MessageRecorder messages;
        // A day's pay at the amount limit, annualised over one day of the annual check.
        session().taxScale.income = payroll::kMaximumAmount * 365;
        QuickTaxWindow quick;
        quick.show();
        quick.windowActivated();
        QVERIFY(messages.isEmpty());
        QCOMPARE(fieldText(&quick, "numMarginalRate"), QStringLiteral("45"));
        QCOMPARE(fieldText(&quick, "numAvRateBefore"), QStringLiteral("45.0"));
    }

    void quickTaxAgeIsKeptWhole()
    {
        Folder folder;
        QuickTaxWindow quick;
        quick.show();
        typeInto(&quick, "numAge", QStringLiteral("64.5"));
        QCOMPARE(session().quickTax.age, short(64));
        typeInto(&quick, "numAge", QStringLiteral("65.5"));
        QCOMPARE(session().quickTax.age, short(66));
    }
};

KESTREL_TEST_MAIN(TestPayrollWindows)
#include "test_payrollwindows.moc"
