// The two vehicle windows opened from the main window's "&Car Calculations" menu: their
// captions on the child frames, the company car window fitting the widened main window,
// and "&Initialise All" closing both and clearing what they kept.
#include "common/childwindow.h"
#include "shell/application.h"
#include "shell/mainwindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>

using namespace kestrel;

class TestVehicleMenus : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openFromTheMenuAndInitialiseAll()
    {
        ResetSession();
        MDIForm1 main(applicationWindows());
        main.resize(700, 760);
        main.show();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        main.menuAction(QStringLiteral("mnuCompCar"))->trigger();
        ChildWindow* cars = main.openedWindow(QStringLiteral("frmCompCar"));
        QVERIFY(cars);
        auto* frame = qobject_cast<QMdiSubWindow*>(cars->parentWidget());
        QCOMPARE(frame->windowTitle(), QStringLiteral("Full use of Company Car :  Vehicle number 0 of 0"));
        // The main window is widened to 13 405 twips: the whole window fits across it.
        QCOMPARE(main.width(), 13405 / 15);
        QVERIFY2(frame->width() <= main.mdiArea()->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(frame->width()).arg(main.mdiArea()->viewport()->width())));

        main.menuAction(QStringLiteral("mnuCarAll1"))->trigger();
        ChildWindow* allowance = main.openedWindow(QStringLiteral("frmCarAll1"));
        QVERIFY(allowance);
        QCOMPARE(allowance->parentWidget()->windowTitle(), QStringLiteral("Travel Allowance"));
        const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
        if (!dir.isEmpty())
            main.grab().save(QDir(dir).filePath(QStringLiteral("MDIForm1-vehicles.png")));

        session().travelInputs.vehicleValue = 100000;
        session().travelInputs.includeFuel = 0;
        session().companyCar.set.count = 1;
        session().companyCar.set.records.resize(2);
        main.initialiseAll();
        QTest::qWait(10);
        QVERIFY(!main.openedWindow(QStringLiteral("frmCompCar")));
        QVERIFY(!main.openedWindow(QStringLiteral("frmCarAll1")));
        QCOMPARE(session().travelInputs.vehicleValue, 0.0);
        QCOMPARE(session().travelInputs.includeFuel, short(1));
        QCOMPARE(session().companyCar.set.count, short(0));
    }
};

KESTREL_TEST_MAIN(TestVehicleMenus)
#include "test_vehiclemenus.moc"
