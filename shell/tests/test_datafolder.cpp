// The data folder of an installed program: the delivered databases are copied into the
// user's own folder on first start and never written afterwards; an unwritable folder, a
// damaged copy or a full disk give a clear message and the program still starts.
#include "common/apppaths.h"
#include "common/childwindow.h"
#include "payroll/settingsstore.h"
#include "shell/application.h"
#include "shell/disclaimerwindow.h"
#include "shell/mainwindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <csignal>
#include <sys/resource.h>

using namespace kestrel;

namespace {

QByteArray digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// A delivered application folder (read-only files, as an installation leaves them) and
// an empty data folder of the user.
struct InstalledLayout {
    test::TempAppFolder delivered;
    QTemporaryDir user;
    QString dataPath;

    InstalledLayout() : dataPath(user.filePath(QStringLiteral("share/Kestrel2019")))
    {
        for (const QString& name : {kSettingsDatabase, kReportDatabase})
            QFile(delivered.file(name)).setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        setDataFolder(dataPath);
    }
    ~InstalledLayout() { setDataFolder(QString()); }
};

// Accepts the disclaimer and answers every message box.
struct QuietStartUp {
    ModalHandler previous = setModalHandler([](QDialog* dialog) {
        if (auto* disclaimer = qobject_cast<DisclaimerWindow*>(dialog)) {
            disclaimer->agreeBox()->setChecked(true);
            disclaimer->okButton()->click();
        }
        return dialog->result();
    });
    ~QuietStartUp() { setModalHandler(previous); }
};

}  // namespace

class TestDataFolder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstStartCopiesTheDeliveredDatabases()
    {
        InstalledLayout layout;
        const QByteArray deliveredSettings = digest(layout.delivered.file(kSettingsDatabase));
        QVERIFY(prepareDataFolder().isEmpty());
        for (const QString& name : {kSettingsDatabase, kReportDatabase}) {
            QVERIFY(QFile::exists(QDir(layout.dataPath).filePath(name)));
            QVERIFY(QFileInfo(QDir(layout.dataPath).filePath(name)).isWritable());
        }

        // The user's settings are saved into the copy; the delivered file stays as it was,
        // and a later start does not copy over the user's record.
        PayrollSettings changed;
        changed.SkillLevy = 2.5;
        QCOMPARE(SavePayrollSettings(dataFile(kSettingsDatabase), changed, payPeriodSettingsColumns()), QString());
        QVERIFY(prepareDataFolder().isEmpty());
        QCOMPARE(LoadPayrollSettings(dataFile(kSettingsDatabase)).settings->SkillLevy, 2.5);
        QCOMPARE(digest(layout.delivered.file(kSettingsDatabase)), deliveredSettings);
        QCOMPARE(LoadPayrollSettings(layout.delivered.file(kSettingsDatabase)).settings->SkillLevy, 1.0);
    }

    void startUpWorksOnTheUsersCopies()
    {
        InstalledLayout layout;
        QuietStartUp quiet;
        test::MessageRecorder messages;
        MDIForm1 main(applicationWindows());
        QVERIFY(main.startUp());
        QVERIFY(messages.isEmpty());
        QCOMPARE(session().SettingsDbPath, QDir(layout.dataPath).filePath(kSettingsDatabase));
        QCOMPARE(session().ReportDbPath, QDir(layout.dataPath).filePath(kReportDatabase));
        main.close();
    }

    void unwritableDataFolderStillStarts()
    {
        InstalledLayout layout;
        // A folder below a plain file can never be made, not even by the administrator.
        QFile blocker(layout.user.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        setDataFolder(layout.user.filePath(QStringLiteral("blocker/Kestrel2019")));
        const QByteArray delivered = digest(layout.delivered.file(kSettingsDatabase));

        QuietStartUp quiet;
        test::MessageRecorder messages;
        MDIForm1 main(applicationWindows());
        QVERIFY(main.startUp());
        QVERIFY(main.isVisible());
        QVERIFY(!messages.isEmpty());
        QVERIFY2(messages.messages().first().text.contains(QStringLiteral("cannot be created")),
                 qPrintable(messages.messages().first().text));

        // A calculator opens and reports the missing settings; the delivered file is untouched.
        messages.clear();
        QVERIFY(main.openWindow(QStringLiteral("frmMonthly")));
        QVERIFY(!messages.isEmpty());
        QCOMPARE(digest(layout.delivered.file(kSettingsDatabase)), delivered);
        main.close();
    }

    void damagedCopyIsReportedAndTheDeliveredCopyKept()
    {
        InstalledLayout layout;
        QVERIFY(prepareDataFolder().isEmpty());
        QFile copy(dataFile(kSettingsDatabase));
        QVERIFY(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
        copy.write(QByteArray(4096, '\x5a'));
        copy.close();
        const QByteArray delivered = digest(layout.delivered.file(kSettingsDatabase));

        QuietStartUp quiet;
        test::MessageRecorder messages;
        MDIForm1 main(applicationWindows());
        QVERIFY(main.startUp());
        ChildWindow* monthly = main.openWindow(QStringLiteral("frmMonthly"));
        QVERIFY(monthly);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        // The damaged copy is neither repaired behind the user's back nor replaced.
        QVERIFY(prepareDataFolder().isEmpty());
        QCOMPARE(QFileInfo(dataFile(kSettingsDatabase)).size(), 4096);
        QCOMPARE(digest(layout.delivered.file(kSettingsDatabase)), delivered);
        main.close();
    }

    void fullDiskWhileSavingKeepsTheOldRecord()
    {
        InstalledLayout layout;
        QVERIFY(prepareDataFolder().isEmpty());
        const QString path = dataFile(kSettingsDatabase);

        // Let no file grow beyond a few bytes: the journal and the changed page cannot be
        // written, as on a full disk.
        struct rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = saved;
        tiny.rlim_cur = 16;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
        PayrollSettings changed;
        changed.UIFLimit = 99999;
        const QString error = SavePayrollSettings(path, changed, payPeriodSettingsColumns());
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY2(!error.isEmpty(), "a save that could not be written must not report success");
        const SettingsLoad load = LoadPayrollSettings(path);
        QVERIFY2(load.settings, qPrintable(load.errorText));
        QCOMPARE(load.settings->UIFLimit, 14872.0);
    }
};

KESTREL_TEST_MAIN(TestDataFolder)
#include "test_datafolder.moc"
