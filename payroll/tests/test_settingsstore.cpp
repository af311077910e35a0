// The settings store: the delivered Setup record, saving some columns without touching
// the others, damaged or locked-down databases that are reported and never overwritten,
// a save killed half-way, and kestrel-calc --settings.
#include "payroll/settingsstore.h"
#include "tests/support/testsupport.h"

#include "common/apppaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>

#include <csignal>

using namespace kestrel;
using namespace kestrel::test;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs one statement on a database with a connection of its own; returns the first value.
QVariant sqlValue(const QString& path, const QString& sql)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(sql) && query.next())
                value = query.value(0);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    return value;
}

// Settings in which every column tells which save wrote it.
PayrollSettings numbered(int k)
{
    PayrollSettings s;
    s.EmployeeUIF = k + 0.01;
    s.EmployerUIF = k + 0.02;
    s.UIFLimit = k + 0.03;
    s.SkillLevy = k + 0.04;
    s.TAIncRate8020 = k + 0.05;
    s.PensionCont = k + 0.06;
    s.EmployerPenCont = k + 0.07;
    s.ProvCont = k + 0.08;
    s.EmployerProvCont = k + 0.09;
    s.CompCarFBRate8020 = k + 0.10;
    s.CompCarMPYesNo = k % 2 == 1;
    return s;
}

bool sameSettings(const PayrollSettings& a, const PayrollSettings& b)
{
    return a.EmployeeUIF == b.EmployeeUIF && a.EmployerUIF == b.EmployerUIF && a.UIFLimit == b.UIFLimit
           && a.SkillLevy == b.SkillLevy && a.TAIncRate8020 == b.TAIncRate8020 && a.PensionCont == b.PensionCont
           && a.EmployerPenCont == b.EmployerPenCont && a.ProvCont == b.ProvCont
           && a.EmployerProvCont == b.EmployerProvCont && a.CompCarFBRate8020 == b.CompCarFBRate8020
           && a.CompCarMPYesNo == b.CompCarMPYesNo;
}

}  // namespace

class TestSettingsStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void theDeliveredRecordHoldsTheDefaults()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        QCOMPARE(sqlValue(path, QStringLiteral("SELECT count(*) FROM Setup")).toInt(), 1);
        QStringList columns;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("columns"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("PRAGMA table_info(Setup)")));
            while (query.next())
                columns << query.value(1).toString();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("columns"));
        QCOMPARE(columns, payrollSettingsColumns());

        const SettingsLoad load = LoadPayrollSettings(path);
        QVERIFY2(load.settings, qPrintable(load.errorText));
        PayrollSettings expected;
        expected.EmployeeUIF = 1;
        expected.EmployerUIF = 1;
        expected.UIFLimit = 14872;
        expected.SkillLevy = 1;
        expected.TAIncRate8020 = 0.8;
        expected.PensionCont = expected.EmployerPenCont = expected.ProvCont = expected.EmployerProvCont = 0;
        expected.CompCarFBRate8020 = 0.8;
        expected.CompCarMPYesNo = false;
        QVERIFY(sameSettings(*load.settings, expected));
    }

    void allElevenColumnsRoundTrip()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        const PayrollSettings written = numbered(7);
        QCOMPARE(SavePayrollSettings(path, written, payrollSettingsColumns()), QString());
        const SettingsLoad load = LoadPayrollSettings(path);
        QVERIFY2(load.settings, qPrintable(load.errorText));
        QVERIFY(sameSettings(*load.settings, written));
        QCOMPARE(sqlValue(path, QStringLiteral("SELECT count(*) FROM Setup")).toInt(), 1);
    }

    void savingThePayPeriodColumnsLeavesThePackageColumns()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        QCOMPARE(SavePayrollSettings(path, numbered(3), payrollSettingsColumns()), QString());
        PayrollSettings window = numbered(8);  // a window's copy: other package values
        QCOMPARE(SavePayrollSettings(path, window, payPeriodSettingsColumns()), QString());
        const PayrollSettings stored = *LoadPayrollSettings(path).settings;
        QCOMPARE(stored.EmployeeUIF, 8.01);
        QCOMPARE(stored.UIFLimit, 8.03);
        QCOMPARE(stored.TAIncRate8020, 8.05);
        QCOMPARE(stored.PensionCont, 3.06);
        QCOMPARE(stored.EmployerProvCont, 3.09);
        QCOMPARE(stored.CompCarFBRate8020, 3.10);
        QCOMPARE(stored.CompCarMPYesNo, true);
    }

    void aDamagedDatabaseIsReportedAndNeverOverwritten_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing-file") << "remove"
                                      << "Could not find file";
        QTest::newRow("not-a-database") << "garbage"
                                        << "not a readable database";
        QTest::newRow("truncated") << "truncate"
                                   << "malformed";
        QTest::newRow("no-setup-table") << "drop"
                                        << "has no table Setup";
        QTest::newRow("empty-setup-table") << "empty"
                                           << "No current record";
        QTest::newRow("missing-column") << "column"
                                        << "has no column UIFLimit";
        QTest::newRow("not-a-number") << "text"
                                      << "holds no number";
    }

    void aDamagedDatabaseIsReportedAndNeverOverwritten()
    {
        QFETCH(QString, damage);
        QFETCH(QString, error);
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        if (damage == QLatin1String("remove")) {
            QFile::remove(path);
        } else if (damage == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray("Standard Jet DB\0\0\0\0 this is not a database at all", 48).repeated(100));
        } else if (damage == QLatin1String("truncate")) {
            QVERIFY(QFile::resize(path, fileBytes(path).size() / 2));
        } else if (damage == QLatin1String("drop")) {
            sqlValue(path, QStringLiteral("DROP TABLE Setup"));
        } else if (damage == QLatin1String("empty")) {
            sqlValue(path, QStringLiteral("DELETE FROM Setup"));
        } else if (damage == QLatin1String("column")) {
            sqlValue(path, QStringLiteral("ALTER TABLE Setup DROP COLUMN UIFLimit"));
        } else {
            sqlValue(path, QStringLiteral("CREATE TABLE s2 AS SELECT * FROM Setup"));
            sqlValue(path, QStringLiteral("DROP TABLE Setup"));
            sqlValue(path, QStringLiteral("CREATE TABLE Setup AS SELECT * FROM s2"));
            sqlValue(path, QStringLiteral("UPDATE Setup SET SkillLevy = 'one per cent'"));
        }
        const QByteArray before = fileBytes(path);

        const SettingsLoad load = LoadPayrollSettings(path);
        QVERIFY(!load.settings);
        QVERIFY2(load.errorText.contains(error), qPrintable(load.errorText));

        const QString saved = SavePayrollSettings(path, numbered(5), payPeriodSettingsColumns());
        if (damage != QLatin1String("text")) {  // a text in a column does not stop a save of numbers
            QVERIFY(!saved.isEmpty());
            QVERIFY2(saved.contains(error) || damage == QLatin1String("truncate"), qPrintable(saved));
            QCOMPARE(fileBytes(path), before);
        }
        QCOMPARE(QFile::exists(path), damage != QLatin1String("remove"));
    }

    void aReadOnlyDatabaseIsReadButNotWritten()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        const QByteArray before = fileBytes(path);
        QVERIFY(LoadPayrollSettings(path).settings);
        const QString saved = SavePayrollSettings(path, numbered(5), payrollSettingsColumns());
        QVERIFY2(saved.contains(QLatin1String("read-only")), qPrintable(saved));
        QCOMPARE(fileBytes(path), before);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void aLockedDatabaseIsNotWritten()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        {
            QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            other.setDatabaseName(path);
            QVERIFY(other.open());
            QSqlQuery lock(other);
            QVERIFY(lock.exec(QStringLiteral("BEGIN IMMEDIATE")));
            const QString saved = SavePayrollSettings(path, numbered(4), payPeriodSettingsColumns());
            QVERIFY2(saved.contains(QLatin1String("in use by another program")), qPrintable(saved));
            lock.exec(QStringLiteral("ROLLBACK"));
            other.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QCOMPARE(LoadPayrollSettings(path).settings->EmployeeUIF, 1.0);
    }

    void aSettingThatIsNoNumberIsNotSaved()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        PayrollSettings s = numbered(2);
        s.SkillLevy = qQNaN();
        const QString saved = SavePayrollSettings(path, s, payPeriodSettingsColumns());
        QVERIFY2(saved.contains(QLatin1String("SkillLevy")), qPrintable(saved));
        QCOMPARE(LoadPayrollSettings(path).settings->SkillLevy, 1.0);
    }

    // The child of the next test: saves numbered records until it is killed.
    void saveLoopChild()
    {
        const QString path = qEnvironmentVariable("KESTREL_SAVE_LOOP_PATH");
        if (path.isEmpty())
            QSKIP("runs only as the child process of killedWhileSavingLeavesOneWholeRecord");
        std::printf("saving\n");
        std::fflush(stdout);
        for (int k = 1;; ++k) {
            const QString error = SavePayrollSettings(path, numbered(k), payrollSettingsColumns());
            if (!error.isEmpty())
                QFAIL(qPrintable(error));
        }
    }

    void killedWhileSavingLeavesOneWholeRecord()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        for (const int delay : {30, 90, 170, 260, 400}) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("KESTREL_SAVE_LOOP_PATH"), path);
            child.setProcessEnvironment(environment);
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("saveLoopChild")});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(10000));
            QThread::msleep(delay);
            ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);

            const SettingsLoad load = LoadPayrollSettings(path);
            QVERIFY2(load.settings, qPrintable(load.errorText));
            // The record of one whole save, or the one before the first save (the defaults).
            const int k = static_cast<int>(load.settings->EmployeeUIF);
            QVERIFY2(sameSettings(*load.settings, numbered(k)) || sameSettings(*load.settings, PayrollSettings{}),
                     qPrintable(QStringLiteral("record %1 is mixed").arg(k)));
            QCOMPARE(sqlValue(path, QStringLiteral("SELECT count(*) FROM Setup")).toInt(), 1);
            QCOMPARE(sqlValue(path, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        }
    }

    void kestrelCalcReadsTheSettingsFile()
    {
        TempAppFolder folder;
        const QString path = folder.file(QStringLiteral("Settings.mdb"));
        PayrollSettings s;
        s.EmployeeUIF = 2;
        QCOMPARE(SavePayrollSettings(path, s, payPeriodSettingsColumns()), QString());
        const QString program = QDir(qEnvironmentVariable("KESTREL_APP_DIR")).filePath(QStringLiteral("kestrel-calc"));

        QProcess calc;
        calc.start(program, {QStringLiteral("pay-period"), QStringLiteral("--settings"), path});
        QVERIFY(calc.waitForStarted());
        calc.write(R"({"salary": 10000})");
        calc.closeWriteChannel();
        QVERIFY(calc.waitForFinished(30000));
        const QString errors = QString::fromUtf8(calc.readAllStandardError());
        if (errors.contains(QLatin1String("unknown calculator")))
            QSKIP("kestrel-calc has no pay-period calculator in this build");
        QCOMPARE(calc.exitCode(), 0);
        const QByteArray out = calc.readAllStandardOutput();
        QVERIFY2(out.contains("\"employeeUIF\":200"), out.constData());

        // A damaged settings file is a usage error that names the file.
        QFile damaged(folder.file(QStringLiteral("Damaged.mdb")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(2048, 'x'));
        damaged.close();
        QProcess bad;
        bad.start(program, {QStringLiteral("pay-period"), QStringLiteral("--settings"), damaged.fileName()});
        bad.closeWriteChannel();
        QVERIFY(bad.waitForFinished(30000));
        QCOMPARE(bad.exitCode(), 2);
        QVERIFY(QString::fromUtf8(bad.readAllStandardError()).contains(damaged.fileName()));
    }
};

KESTREL_TEST_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
