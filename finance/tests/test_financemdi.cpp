// The business calculators inside the main window: opened from the registry they refresh
// from the session as they come to the front, and "&Initialise All" closes them and puts
// the session back, the loan's principal excepted.
#include "common/childwindow.h"
#include "common/fields.h"
#include "common/windowregistry.h"
#include "finance/financewindows.h"
#include "shell/mainwindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace kestrel;

class TestFinanceMdi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void windowsRefreshAndInitialiseAll()
    {
        WindowRegistry registry;
        registerFinanceWindows(registry);
        MDIForm1 main(registry);
        main.resize(1000, 700);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        ResetSession();
        session().loan.principal = 100000;
        session().loan.period = 240;
        session().loan.rate = 12;
        session().inflation = {1000, 10, 6, 0, 0};

        // Coming to the front fills the fields from the session and calculates.
        ChildWindow* loans = main.openWindow(QStringLiteral("frmLoans"));
        QVERIFY(loans);
        QTRY_COMPARE(loans->findChild<NumberField*>(QStringLiteral("numRepayment"))->text(), QStringLiteral("1101.09"));
        ChildWindow* inflation = main.openWindow(QStringLiteral("frmInflation"));
        QTRY_COMPARE(inflation->findChild<NumberField*>(QStringLiteral("numFutureValue"))->text(),
                     QStringLiteral("1790.85"));
        for (const QString& kind :
             {QStringLiteral("frmLoanBuster"), QStringLiteral("frmLoanComp"), QStringLiteral("frmDayBal")})
            QVERIFY(main.openWindow(kind));
        main.cascade();
        main.openWindow(QStringLiteral("frmLoans"));
        if (const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR"); !dir.isEmpty()) {
            QDir().mkpath(dir);
            QTest::qWait(50);
            main.grab().save(QDir(dir).filePath(QStringLiteral("main-window-business.png")));
        }

        main.initialiseAll();
        for (const QString& kind :
             {QStringLiteral("frmLoans"), QStringLiteral("frmLoanBuster"), QStringLiteral("frmLoanComp"),
              QStringLiteral("frmDayBal"), QStringLiteral("frmInflation")})
            QVERIFY2(!main.openedWindow(kind), qPrintable(kind));
        loans = main.openWindow(QStringLiteral("frmLoans"));
        QTRY_COMPARE(loans->findChild<NumberField*>(QStringLiteral("numPrincipal"))->text(),
                     QStringLiteral("100000.00"));
        QCOMPARE(loans->findChild<NumberField*>(QStringLiteral("numPeriod"))->text(), QStringLiteral("0"));
        QCOMPARE(loans->findChild<NumberField*>(QStringLiteral("numRepayment"))->text(), QStringLiteral("0.00"));
        inflation = main.openWindow(QStringLiteral("frmInflation"));
        QCOMPARE(inflation->findChild<NumberField*>(QStringLiteral("numPresCost"))->text(), QStringLiteral("0"));
    }
};

KESTREL_TEST_MAIN(TestFinanceMdi)
#include "test_financemdi.moc"
