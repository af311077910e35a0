// The tax windows reached from the main window's menu: one window per kind, under its
// caption, inside its frame.
#include "common/childwindow.h"
#include "common/windowregistry.h"
#include "payroll/payrollwindows.h"
#include "payrolltestsupport.h"
#include "shell/mainwindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace kestrel;
using namespace kestrel::test;

class TestPayrollMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuOpensEachWindowOnce_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::newRow("monthly") << "mnuMonthly"
                                 << "frmMonthly"
                                 << "Monthly";
        QTest::newRow("fortnightly") << "mnuFortNight"
                                     << "frmFortNight"
                                     << "Fortnightly";
        QTest::newRow("weekly") << "mnuWeekly"
                                << "frmWeekly"
                                << "Weekly";
        QTest::newRow("daily") << "mnuDaily"
                               << "frmDaily"
                               << "Daily";
        QTest::newRow("annual") << "mnuAnnual"
                                << "frmAnnual"
                                << "Annual";
        QTest::newRow("quicktax") << "QuickTax"
                                  << "frmMerlin"
                                  << "QuickTax";
    }
    void menuOpensEachWindowOnce()
    {
        QFETCH(QString, entry);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        TempAppFolder app;
        writeSettingsDatabase(app.file(QStringLiteral("Settings.mdb")), PayrollSettings{});
        MessageRecorder messages;
        WindowRegistry registry;
        registerPayrollWindows(registry);
        MDIForm1 main(registry);
        main.resize(1000, 720);
        main.show();
        QAction* action = main.menuAction(entry);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        action->trigger();
        action->trigger();
        QCOMPARE(main.mdiArea()->subWindowList().size(), 1);
        QMdiSubWindow* frame = main.mdiArea()->subWindowList().first();
        QCOMPARE(frame->windowTitle(), caption);
        QCOMPARE(main.openedWindow(kind)->objectName(), kind);
        // The frame shows the whole window.
        QVERIFY(frame->widget()->size().width() >= frame->widget()->sizeHint().width());
        QVERIFY(messages.isEmpty());
        grabForReview(&main, QStringLiteral("main-") + kind);
    }
};

KESTREL_TEST_MAIN(TestPayrollMenu)
#include "test_payrollmenu.moc"
