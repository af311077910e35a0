// The report store: single-record edits, multi-row refills, type conversion, and that a
// failure anywhere leaves the tables as they were.
#include "reports/reportstore.h"
#include "reports/tests/reportfixture.h"
#include "tests/support/testsupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <cmath>
#include <limits>

using namespace kestrel;
using namespace kestrel::test;

namespace {

QVariant statementField(const ReportTestFolder& folder, const QString& field)
{
    const auto rows = folder.query(QStringLiteral("SELECT \"%1\" FROM Statement").arg(field));
    return rows.isEmpty() ? QVariant() : rows.first().value(0);
}

// Writes the Statement record with one field set; returns the store's error.
QString writeOne(const QString& field, const QVariant& value)
{
    ReportStore store(session().ReportDbPath);
    Recordset rs = store.OpenRecordset(QStringLiteral("Statement"));
    rs.Edit();
    rs.setField(field, value);
    rs.Update();
    rs.Close();
    store.Close();
    return store.errorText();
}

void fillAmort(int rows)
{
    ReportStore store(session().ReportDbPath);
    store.Execute(QStringLiteral("DELETE * FROM Amort "));
    Recordset rs = store.OpenRecordset(QStringLiteral("Amort"));
    for (int i = 1; i <= rows; ++i) {
        rs.AddNew();
        rs.setField(QStringLiteral("Year"), i);
        rs.setField(QStringLiteral("Capital"), i * 100.0);
        rs.Update();
    }
    rs.Close();
    QVERIFY2(store.Close(), qPrintable(store.errorText()));
}

}  // namespace

class TestReportStore : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void editWritesTheOneRecordByName()
    {
        ReportTestFolder folder;
        ReportStore store(session().ReportDbPath);
        Recordset rs = store.OpenRecordset(QStringLiteral("statement"));  // names match without case
        rs.Edit();
        rs.setField(QStringLiteral("Employee"), QStringLiteral("A. Person"));
        rs.setField(QStringLiteral("salary"), 25000.5);
        rs.setField(QStringLiteral("TAXCOM4/2"), 2938.75);
        rs.Update();
        rs.Close();
        QVERIFY2(store.Close(), qPrintable(store.errorText()));
        QVERIFY(store.ok());
        QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM Statement")).first().value(0).toInt(), 1);
        QCOMPARE(statementField(folder, QStringLiteral("Employee")).toString(), QStringLiteral("A. Person"));
        QCOMPARE(statementField(folder, QStringLiteral("Salary")).toDouble(), 25000.5);
        QCOMPARE(statementField(folder, QStringLiteral("TAXCOM4/2")).toDouble(), 2938.75);
    }

    void valuesTakeTheFieldType_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored");  // invalid: the write must fail
        QTest::addColumn<QString>("error");

        QTest::newRow("double") << "Salary" << QVariant(0.1) << QVariant(0.1) << "";
        QTest::newRow("double-from-int") << "Salary" << QVariant(7) << QVariant(7.0) << "";
        QTest::newRow("single-rounds") << "Rate" << QVariant(12.1) << QVariant(double(12.1f)) << "";
        QTest::newRow("smallint-half-even") << "Age" << QVariant(40.5) << QVariant(40) << "";
        QTest::newRow("smallint-max") << "Age" << QVariant(32767) << QVariant(32767) << "";
        QTest::newRow("smallint-over") << "Age" << QVariant(32768) << QVariant() << "16-bit";
        QTest::newRow("smallint-under") << "Age" << QVariant(-40000.0) << QVariant() << "16-bit";
        QTest::newRow("integer-day") << "StartDay" << QVariant(43160) << QVariant(43160) << "";
        QTest::newRow("integer-over") << "StartDay" << QVariant(3e9) << QVariant() << "32-bit";
        QTest::newRow("text-from-number") << "Remark" << QVariant(250000.0) << QVariant("250000") << "";
        QTest::newRow("text-kept") << "Remark" << QVariant(" For : ") << QVariant(" For : ") << "";
        QTest::newRow("number-from-text") << "Salary" << QVariant("1234.5") << QVariant(1234.5) << "";
        QTest::newRow("no-number") << "Salary" << QVariant("abc") << QVariant() << "no number";
        QTest::newRow("nan") << "Salary" << QVariant(std::nan("")) << QVariant() << "not a finite";
        QTest::newRow("single-too-big") << "Rate" << QVariant(1e39) << QVariant() << "single-precision";
        QTest::newRow("unknown-field") << "Salaryy" << QVariant(1.0) << QVariant() << "has no field 'Salaryy'";
    }

    void valuesTakeTheFieldType()
    {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        QFETCH(QString, error);
        ReportTestFolder folder;
        writeOne(QStringLiteral("Remark"), QStringLiteral("before"));
        const QString result = writeOne(field, value);
        if (error.isEmpty()) {
            QVERIFY2(result.isEmpty(), qPrintable(result));
            const QVariant read = statementField(folder, field);
            if (stored.typeId() == QMetaType::QString)
                QCOMPARE(read.toString(), stored.toString());
            else
                QCOMPARE(read.toDouble(), stored.toDouble());
        } else {
            QVERIFY2(result.contains(error), qPrintable(result));
            // Nothing of the failed print was kept.
            QCOMPARE(statementField(folder, QStringLiteral("Remark")).toString(), QStringLiteral("before"));
        }
    }

    void aFailureHalfWayLeavesTheTablesAsTheyWere()
    {
        ReportTestFolder folder;
        fillAmort(3);
        writeOne(QStringLiteral("Salary"), 100.0);

        ReportStore store(session().ReportDbPath);
        Recordset statement = store.OpenRecordset(QStringLiteral("Statement"));
        statement.Edit();
        statement.setField(QStringLiteral("Salary"), 999.0);
        statement.Update();
        store.Execute(QStringLiteral("DELETE * FROM Amort "));
        Recordset amort = store.OpenRecordset(QStringLiteral("Amort"));
        amort.AddNew();
        amort.setField(QStringLiteral("Year"), 70000);  // does not fit 16 bits
        amort.Update();
        amort.AddNew();  // ignored after the first error
        amort.setField(QStringLiteral("Year"), 1);
        amort.Update();
        amort.Close();
        QVERIFY(!store.ok());
        QVERIFY(!store.Close());
        QVERIFY2(store.errorText().contains(QLatin1String("Year")), qPrintable(store.errorText()));

        QCOMPARE(statementField(folder, QStringLiteral("Salary")).toDouble(), 100.0);
        QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM Amort")).first().value(0).toInt(), 3);
    }

    void aStoreNotClosedChangesNothing()
    {
        ReportTestFolder folder;
        writeOne(QStringLiteral("Salary"), 100.0);
        {
            ReportStore store(session().ReportDbPath);
            Recordset rs = store.OpenRecordset(QStringLiteral("Statement"));
            rs.Edit();
            rs.setField(QStringLiteral("Salary"), 5.0);
            rs.Update();
        }
        QCOMPARE(statementField(folder, QStringLiteral("Salary")).toDouble(), 100.0);
    }

    void multiRowTablesAreEmptiedAndRefilled()
    {
        ReportTestFolder folder;
        fillAmort(5);
        fillAmort(2);
        const auto rows = folder.query(QStringLiteral("SELECT Year, Capital FROM Amort ORDER BY rowid"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].value(0).toInt(), 1);
        QCOMPARE(rows[1].value(1).toDouble(), 200.0);
    }

    void executeRunsOnlyTheDeleteStatements_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("table");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("amort-trailing-blank") << "DELETE * FROM Amort "
                                              << "Amort" << true;
        QTest::newRow("compcar-no-blank") << "DELETE *FROM compcar"
                                          << "compcar" << true;
        QTest::newRow("lower-case") << "delete * from amort"
                                    << "Amort" << true;
        QTest::newRow("without-star") << "DELETE FROM Amort"
                                      << "Amort" << true;
        QTest::newRow("where") << "DELETE * FROM Amort WHERE Year > 1"
                               << "Amort" << false;
        QTest::newRow("two-statements") << "DELETE * FROM Amort; DROP TABLE Statement"
                                        << "Amort" << false;
        QTest::newRow("drop") << "DROP TABLE Amort"
                              << "Amort" << false;
        QTest::newRow("select") << "SELECT * FROM Amort"
                                << "Amort" << false;
        QTest::newRow("no-such-table") << "DELETE * FROM Amortisation"
                                       << "Amort" << false;
        QTest::newRow("quoted-injection") << "DELETE * FROM \"Amort\" --"
                                          << "Amort" << false;
    }

    void executeRunsOnlyTheDeleteStatements()
    {
        QFETCH(QString, statement);
        QFETCH(QString, table);
        QFETCH(bool, accepted);
        ReportTestFolder folder;
        folder.query(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
        folder.query(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
        ReportStore store(session().ReportDbPath);
        store.Execute(statement);
        QCOMPARE(store.Close(), accepted);
        QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM %1").arg(table)).first().value(0).toInt(),
                 accepted ? 0 : 2);
        QCOMPARE(folder.query(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = 'Statement'"))
                     .first()
                     .value(0)
                     .toInt(),
                 1);
    }

    void misuseIsAnError_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown-table") << "open-unknown"
                                       << "has no table 'Nope'";
        QTest::newRow("empty-single-record") << "edit-empty"
                                             << "No current record";
        QTest::newRow("set-without-edit") << "set-only"
                                          << "without AddNew or Edit";
        QTest::newRow("update-without-edit") << "update-only"
                                             << "without AddNew or Edit";
        QTest::newRow("use-after-close") << "after-close"
                                         << "closed";
    }

    void misuseIsAnError()
    {
        QFETCH(QString, step);
        QFETCH(QString, error);
        ReportTestFolder folder;
        ReportStore store(session().ReportDbPath);
        if (step == QLatin1String("open-unknown")) {
            store.OpenRecordset(QStringLiteral("Nope")).Edit();
        } else if (step == QLatin1String("edit-empty")) {
            store.OpenRecordset(QStringLiteral("Emptied")).Edit();
        } else if (step == QLatin1String("set-only")) {
            store.OpenRecordset(QStringLiteral("Statement")).setField(QStringLiteral("Salary"), 1.0);
        } else if (step == QLatin1String("update-only")) {
            store.OpenRecordset(QStringLiteral("Statement")).Update();
        } else {
            Recordset rs = store.OpenRecordset(QStringLiteral("Statement"));
            rs.Close();
            rs.Edit();
        }
        QVERIFY(!store.Close());
        QVERIFY2(store.errorText().contains(error), qPrintable(store.errorText()));
    }

    void unusableDatabasesAreReported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing") << "missing"
                                 << "Could not find file";
        QTest::newRow("not-a-database") << "garbage"
                                        << "not a readable database";
        QTest::newRow("read-only") << "read-only"
                                   << "read-only";
        QTest::newRow("locked") << "locked"
                                << "in use by another program";
    }

    void unusableDatabasesAreReported()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        ReportTestFolder folder;
        writeOne(QStringLiteral("Salary"), 100.0);
        const QString path = folder.databasePath();
        QSqlDatabase other;
        std::unique_ptr<QSqlQuery> lock;
        if (kind == QLatin1String("missing")) {
            QFile::remove(path);
        } else if (kind == QLatin1String("garbage")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QByteArray(4096, 'x'));
        } else if (kind == QLatin1String("read-only")) {
            QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        } else {
            other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            other.setDatabaseName(path);
            QVERIFY(other.open());
            lock = std::make_unique<QSqlQuery>(other);
            QVERIFY(lock->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        const QByteArray before = [&] {
            QFile f(path);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();

        const QString result = writeOne(QStringLiteral("Salary"), 5.0);
        QVERIFY2(result.contains(error), qPrintable(result));

        if (lock) {
            lock->exec(QStringLiteral("ROLLBACK"));
            lock.reset();
            other.close();
            other = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        }
        QFile after(path);
        if (after.open(QIODevice::ReadOnly))
            QCOMPARE(after.readAll(), before);
        if (kind == QLatin1String("read-only") || kind == QLatin1String("locked"))
            QCOMPARE(statementField(folder, QStringLiteral("Salary")).toDouble(), 100.0);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
};

KESTREL_TEST_MAIN(TestReportStore)
#include "test_reportstore.moc"
