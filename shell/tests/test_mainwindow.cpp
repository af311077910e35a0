// The main window: menus, one instance per window kind, "&Initialise All", the start-up
// with About and disclaimer, the help viewer and the desktop calculator.
#include "common/apppaths.h"
#include "common/childwindow.h"
#include "common/fields.h"
#include "common/preferences.h"
#include "reports/reportengine.h"
#include "shell/aboutwindow.h"
#include "shell/disclaimerwindow.h"
#include "shell/helpbrowser.h"
#include "shell/mainwindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPdfDocument>
#include <QPdfView>
#include <QPushButton>
#include <QSettings>

using namespace kestrel;

namespace {

// A stand-in calculator window with one field, so tests can see whether it kept its values.
class DummyWindow : public ChildWindow {
public:
    DummyWindow()
    {
        field = new NumberField(2, this);
        field->setObjectName(QStringLiteral("numValue"));
    }
    void windowActivated() override { ++activations; }
    NumberField* field;
    int activations = 0;
};

QStringList allKinds()
{
    QStringList kinds = MDIForm1::initialiseAllClosingList();
    kinds.removeAll(QStringLiteral("frmHelpBrowser"));
    kinds << QStringLiteral("frmFortNight") << QStringLiteral("frmMerlin");
    return kinds;
}

WindowRegistry dummyRegistry()
{
    WindowRegistry registry;
    for (const QString& kind : allKinds())
        registry.add(kind, [] { return new DummyWindow; });
    return registry;
}

void setPreferences(bool viewAbout, const QString& var1)
{
    QSettings store(preferencesFile(), QSettings::IniFormat);
    store.clear();
    store.setValue(QStringLiteral("ViewAbout"), viewAbout);
    if (!var1.isNull())
        store.setValue(QStringLiteral("Var1"), var1);
    store.sync();
}

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { setPreferences(false, QStringLiteral("110")); }

    void captionAndVersion()
    {
        QCOMPARE(kProgramVersion.display(), QStringLiteral("1.01.000"));
        QCOMPARE(kProgramVersion.digits(), QStringLiteral("110"));
        const ProgramVersion v153{1, 5, 3};
        QCOMPARE(v153.display(), QStringLiteral("1.05.003"));
        QCOMPARE(MDIForm1::disclaimerNumber(v153.digits()), 153LL);
        QVERIFY(MDIForm1::captionFor(kProgramVersion).startsWith(QStringLiteral("Kestrel 2019 Ver: 1.01.000  ")));
        QCOMPARE(MDIForm1::disclaimerNumber(QString()), 0LL);
        QCOMPARE(MDIForm1::disclaimerNumber(QStringLiteral("garbage")), 0LL);
    }

    void menusInOrderWithExactCaptions()
    {
        const WindowRegistry registry;
        MDIForm1 main(registry);
        QStringList bar;
        for (QAction* action : main.menuBar()->actions())
            bar << action->text();
        QCOMPARE(bar, (QStringList{"&File", "&Kestrel", "&Osprey", "&TaxCalcs", "QuickTax", "&Car Calculations",
                                   "Bu&siness Calculations", "&MS-Calculator", "&Help/Videos"}));
        auto entries = [&](const char* menu) {
            return captionsOf(main.menuAction(QString::fromLatin1(menu))->menu()->actions());
        };
        QCOMPARE(entries("mnuFile"), (QStringList{"&Initialise All", "-", "&Printer Setup", "-", "E&xit"}));
        QCOMPARE(entries("mnuKest"), (QStringList{"&Monthly", "&Annual"}));
        QCOMPARE(entries("mnuOspr"), (QStringList{"&Monthly", "&Annual"}));
        QCOMPARE(entries("mnuTaxCalc"), (QStringList{"&Annual", "&Monthly", "&FortNightly", "&Weekly", "&Daily"}));
        QCOMPARE(entries("mnuCarCalcs"), (QStringList{"&Company car", "Car Allowance"}));
        QCOMPARE(entries("mnuBusinessCalcs"),
                 (QStringList{"Inflation Projections", "Loans", "Loan buster", "Loan comparison", "Daily balance"}));
        QCOMPARE(entries("mnuHelp"), (QStringList{"Kestrel 2019 Help", "Video Lectures", "&Search For Help On...", "-",
                                                  "&About Kestrel2019..."}));
        // Without a registered window the entry cannot be chosen.
        QVERIFY(!main.menuAction(QStringLiteral("mnuMonthly"))->isEnabled());
        QVERIFY(main.menuAction(QStringLiteral("mnuAbout"))->isEnabled());
    }

    void secondChoiceBringsTheSameWindowToTheFront()
    {
        MDIForm1 main(dummyRegistry());
        main.show();
        main.menuAction(QStringLiteral("mnuMonthly"))->trigger();
        auto* first = static_cast<DummyWindow*>(main.openedWindow(QStringLiteral("frmMonthly")));
        QVERIFY(first);
        first->field->setText(QStringLiteral("2722.08"));
        main.menuAction(QStringLiteral("mnuWeekly"))->trigger();
        QCOMPARE(main.mdiArea()->activeSubWindow()->widget()->objectName(), QStringLiteral("frmWeekly"));
        main.menuAction(QStringLiteral("mnuMonthly"))->trigger();
        QCOMPARE(main.openedWindow(QStringLiteral("frmMonthly")), first);
        QCOMPARE(main.mdiArea()->subWindowList().size(), 2);
        QCOMPARE(main.mdiArea()->activeSubWindow()->widget(), first);
        QCOMPARE(first->field->text(), QStringLiteral("2722.08"));
        QVERIFY(first->activations >= 2);
    }

    void closedWindowStartsAfresh()
    {
        MDIForm1 main(dummyRegistry());
        main.show();
        auto* window = static_cast<DummyWindow*>(main.openWindow(QStringLiteral("frmLoans")));
        window->field->setText(QStringLiteral("5"));
        window->closeWindow();
        QVERIFY(!main.openedWindow(QStringLiteral("frmLoans")));
        auto* again = static_cast<DummyWindow*>(main.openWindow(QStringLiteral("frmLoans")));
        QCOMPARE(again->field->text(), QString());
    }

    void initialiseAllClosesTheListedWindowsOnly()
    {
        MDIForm1 main(dummyRegistry());
        main.show();
        for (const QString& kind : allKinds())
            QVERIFY(main.openWindow(kind));
        main.showAbout();
        auto* fortnight = static_cast<DummyWindow*>(main.openedWindow(QStringLiteral("frmFortNight")));
        fortnight->field->setText(QStringLiteral("14"));
        main.showHelp();
        session().loan.principal = 250000;
        session().loan.period = 240;
        session().loan.calculateMode = QStringLiteral("Principal amount");

        main.menuAction(QStringLiteral("mnuNew"))->trigger();

        QStringList stillOpen;
        for (const QString& kind : allKinds() + QStringList{QStringLiteral("frmAbout")})
            if (main.openedWindow(kind))
                stillOpen << kind;
        QCOMPARE(stillOpen, (QStringList{"frmFortNight", "frmMerlin", "frmAbout"}));
        QCOMPARE(fortnight->field->text(), QStringLiteral("14"));
        QVERIFY(!main.helpBrowser() || !main.helpBrowser()->isVisible());
        QCOMPARE(session().loan.principal, 250000.0);
        QCOMPARE(session().loan.period, 0.0);
        QCOMPARE(session().loan.calculateMode, QStringLiteral("Monthly repayment"));
    }

    void companyCarWidensOnlyANormalMainWindow()
    {
        MDIForm1 main(dummyRegistry());
        main.resize(700, 500);
        main.showMaximized();
        const int widthBefore = main.width();
        main.openWindow(QStringLiteral("frmMonthly"));
        QMdiSubWindow* monthly = main.mdiArea()->subWindowList().first();
        monthly->move(40, 30);
        main.menuAction(QStringLiteral("mnuCompCar"))->trigger();
        QCOMPARE(main.width(), widthBefore);
        QCOMPARE(monthly->pos(), QPoint(40, 30));

        MDIForm1 normal(dummyRegistry());
        normal.resize(700, 500);
        normal.show();
        normal.menuAction(QStringLiteral("mnuCompCar"))->trigger();
        QCOMPARE(normal.width(), 13405 / 15);

        // A main window that is already wider is not narrowed.
        MDIForm1 wide(dummyRegistry());
        wide.resize(1200, 700);
        wide.show();
        wide.menuAction(QStringLiteral("mnuCompCar"))->trigger();
        QCOMPARE(wide.width(), 1200);
    }

    void startUpShowsTheDisclaimerForANewerVersion_data()
    {
        QTest::addColumn<QString>("storedVar1");
        QTest::addColumn<bool>("shown");
        QTest::newRow("first-run") << QString() << true;
        QTest::newRow("older-109") << QStringLiteral("109") << true;
        QTest::newRow("same-110") << QStringLiteral("110") << false;
        QTest::newRow("newer-153") << QStringLiteral("153") << false;
    }
    void startUpShowsTheDisclaimerForANewerVersion()
    {
        QFETCH(QString, storedVar1);
        QFETCH(bool, shown);
        setPreferences(false, storedVar1);
        int disclaimers = 0;
        const ModalHandler previous = setModalHandler([&](QDialog* dialog) {
            auto* disclaimer = qobject_cast<DisclaimerWindow*>(dialog);
            if (!disclaimer)
                return int(QDialog::Rejected);
            ++disclaimers;
            disclaimer->agreeBox()->setChecked(true);
            disclaimer->okButton()->click();
            return disclaimer->result();
        });
        MDIForm1 main(dummyRegistry());
        QVERIFY(main.startUp());
        setModalHandler(previous);
        QCOMPARE(disclaimers, shown ? 1 : 0);
        QCOMPARE(loadPreferences().Var1, shown ? QStringLiteral("110") : storedVar1);
        QCOMPARE(session().ReportDbPath, dataFile(QStringLiteral("Zidazura.mdb")));
        QCOMPARE(session().SettingsDbPath, dataFile(QStringLiteral("Settings.mdb")));
    }

    void decliningTheDisclaimerEndsWithoutStoringVar1()
    {
        setPreferences(false, QStringLiteral("109"));
        const ModalHandler previous = setModalHandler([](QDialog* dialog) {
            auto* disclaimer = qobject_cast<DisclaimerWindow*>(dialog);
            disclaimer->cancelButton()->click();
            return disclaimer->result();
        });
        MDIForm1 main(dummyRegistry());
        QVERIFY(!main.startUp());
        setModalHandler(previous);
        QVERIFY(!main.isVisible());
        QCOMPARE(loadPreferences().Var1, QStringLiteral("109"));
    }

    void disclaimerOkFollowsTheBox()
    {
        DisclaimerWindow disclaimer;
        QVERIFY(!disclaimer.okButton()->isEnabled());
        QVERIFY(disclaimer.agreeBox()->text().startsWith(QLatin1Char(' ')));
        disclaimer.agreeBox()->setChecked(true);
        QVERIFY(disclaimer.okButton()->isEnabled());
        disclaimer.agreeBox()->setChecked(false);
        QVERIFY(!disclaimer.okButton()->isEnabled());
    }

    void aboutAtStartUpAndItsPreference()
    {
        setPreferences(true, QStringLiteral("110"));
        MDIForm1 main(dummyRegistry());
        main.resize(900, 700);
        QVERIFY(main.startUp());
        auto* about = qobject_cast<AboutWindow*>(main.openedWindow(QStringLiteral("frmAbout")));
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("About Kestrel 2019..."));
        QVERIFY(!about->doNotDisplayBox()->isChecked());
        QMdiSubWindow* frame = main.mdiArea()->activeSubWindow();
        QCOMPARE(frame->x(), (main.mdiArea()->width() - frame->width()) / 2);
        QCOMPARE(frame->y(), (main.mdiArea()->height() - frame->height()) / 4);
        about->doNotDisplayBox()->setChecked(true);
        about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        QCOMPARE(loadPreferences().ViewAbout, false);

        // Opened again with ViewAbout no: the box is ticked, and closing keeps no.
        auto* again = qobject_cast<AboutWindow*>(main.showAbout());
        QVERIFY(again->doNotDisplayBox()->isChecked());
        again->closeWindow();
        QCOMPARE(loadPreferences().ViewAbout, false);
    }

    void missingBackgroundPictureStartsAllTheSame()
    {
        test::TempAppFolder folder;
        QFile::remove(folder.file(QStringLiteral("Kest.jpg")));
        QFile::remove(folder.file(QStringLiteral("KS2019Help.pdf")));
        MDIForm1 main(dummyRegistry());
        QVERIFY(main.startUp());
        HelpBrowser* help = main.showHelp();
        QVERIFY(help->isVisible());
        QCOMPARE(help->document()->pageCount(), 0);
    }

    void helpViewerShowsTheManualAndFollowsResizes()
    {
        MDIForm1 main(dummyRegistry());
        main.show();
        main.menuAction(QStringLiteral("mnuContents"))->trigger();
        HelpBrowser* help = main.helpBrowser();
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Kestrel Help"));
        QVERIFY(help->document()->pageCount() > 0);
        help->resize(600, 500);
        QTRY_COMPARE(help->view()->size(), QSize(600 - 7, 500 - 7));
        help->resize(900, 640);
        QTRY_COMPARE(help->view()->size(), QSize(900 - 7, 640 - 7));
        main.close();
        QVERIFY(!main.helpBrowser() || !main.helpBrowser()->isVisible());
    }

    void desktopCalculatorOrItsMessage()
    {
        QTemporaryDir bin;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8());
        MDIForm1 main(dummyRegistry());
        {
            test::MessageRecorder messages;
            main.menuAction(QStringLiteral("mnuMSCalculator"))->trigger();
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text,
                     QStringLiteral("The Microsoft Calculator is not installed or in the Windows directory"));
            QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        }
        const QString marker = bin.filePath(QStringLiteral("started"));
        QFile script(bin.filePath(QStringLiteral("galculator")));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\n/usr/bin/touch '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        {
            test::MessageRecorder messages;
            main.startDesktopCalculator();
            QVERIFY(messages.isEmpty());
            QTRY_VERIFY(QFile::exists(marker));
        }
        qputenv("PATH", oldPath);
    }

    void videoLecturesAsksTheDesktop()
    {
        MDIForm1 main(dummyRegistry());
        QList<QUrl> opened;
        const UrlOpener previous = setUrlOpener([&](const QUrl& url) {
            opened << url;
            return false;
        });
        main.menuAction(QStringLiteral("VideoLectures1"))->trigger();
        setUrlOpener(previous);
        QCOMPARE(opened, QList<QUrl>{MDIForm1::videoLecturesUrl()});
    }

    void printerSetupCancelledChangesNothing()
    {
        MDIForm1 main(dummyRegistry());
        int shown = 0;
        const ModalHandler previous = setModalHandler([&](QDialog* dialog) {
            ++shown;
            dialog->reject();
            return int(QDialog::Rejected);
        });
        main.menuAction(QStringLiteral("mnuPrinterSet"))->trigger();
        setModalHandler(previous);
        QCOMPARE(shown, 1);
        QVERIFY(main.reportEngine()->property("printerName").toString().isEmpty());
    }
};

KESTREL_TEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
