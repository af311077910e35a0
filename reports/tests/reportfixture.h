#pragma once
// A private application folder for the report tests: Zidazura.mdb made from the test
// schema, the test templates, the session's database path and the application folder
// pointing into it.
#include "common/apppaths.h"
#include "reports/reportschema.h"
#include "shell/session.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

namespace kestrel::test {

inline QString reportTestData(const QString& name)
{
    return QDir(QStringLiteral(KESTREL_REPORTS_TEST_DATA)).filePath(name);
}

inline QString readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

class ReportTestFolder {
public:
    ReportTestFolder()
    {
        const QString error =
            createDatabaseFromSchema(databasePath(), readTextFile(reportTestData(QStringLiteral("test-schema.sql"))));
        if (!error.isEmpty())
            qFatal("test schema: %s", qPrintable(error));
        for (const QString& name : QDir(QStringLiteral(KESTREL_REPORTS_TEST_DATA)).entryList({QStringLiteral("*.rpt")}))
            QFile::copy(reportTestData(name), dir_.filePath(name));
        setApplicationFolder(dir_.path());
        session().ReportDbPath = databasePath();
    }
    ~ReportTestFolder() { setApplicationFolder(QString()); }

    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString databasePath() const { return dir_.filePath(QStringLiteral("Zidazura.mdb")); }

    void writeTemplate(const QString& stem, const QString& text) const
    {
        QFile file(dir_.filePath(stem + QStringLiteral(".rpt")));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    /// Runs one SQL statement on the database with a connection of its own.
    QList<QList<QVariant>> query(const QString& sql) const
    {
        QList<QList<QVariant>> rows;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
            db.setDatabaseName(databasePath());
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(sql)) {
                    while (q.next()) {
                        QList<QVariant> row;
                        for (int i = 0; i < q.record().count(); ++i)
                            row << q.value(i);
                        rows << row;
                    }
                }
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
        return rows;
    }

private:
    QTemporaryDir dir_;
};

}  // namespace kestrel::test
