#include "common/database.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace kestrel {

namespace {
QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kestrel-db-%1").arg(++counter);
}
}  // namespace

Database::Database(const QString& path) : path_(path), connectionName_(nextConnectionName())
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || !info.isFile()) {
        error_ = QStringLiteral("Could not find file '%1'.").arg(QFileInfo(path).absoluteFilePath());
        return;
    }
    // A file without any write permission is opened read-only. The permission bits are
    // asked, not access(): an administrator may write anything, but must not change a
    // file that the user made read-only.
    // (WriteUser is left out: Qt derives it from access().)
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    readOnly_ = !(info.permissions() & anyWrite) || !info.isWritable();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db.setDatabaseName(path);
    // Wait a little for another program's lock before reporting the database as locked.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500");
    if (readOnly_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        error_ = db.lastError().text();
        return;
    }
    // SQLite opens any file lazily; reading the schema proves it is a database.
    QSqlQuery probe(db);
    if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString engineText = probe.lastError().text();
        if (probe.lastError().nativeErrorCode() == QLatin1String("5"))  // SQLITE_BUSY: another program's lock
            error_ = QStringLiteral("The database '%1' is locked by another program (%2).")
                         .arg(QFileInfo(path).fileName(), engineText);
        else
            error_ = QStringLiteral("'%1' is not a readable database: %2").arg(QFileInfo(path).fileName(), engineText);
        probe.finish();
        db.close();
        return;
    }
    probe.finish();
    open_ = true;
}

Database::~Database()
{
    if (inTransaction_)
        rollback();
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isValid())
            db.close();
    }
    if (QSqlDatabase::contains(connectionName_))
        QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(connectionName_, false);
}

bool Database::beginTransaction()
{
    if (!open_)
        return false;
    if (readOnly_)
        return fail(QStringLiteral("The database '%1' is read-only; nothing was changed.").arg(path_));
    QSqlQuery query(connection());
    // IMMEDIATE takes the write lock now, so a locked database fails before any change.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(query.lastError().text());
    inTransaction_ = true;
    return true;
}

bool Database::commit()
{
    if (!inTransaction_)
        return open_ && error_.isEmpty();
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("COMMIT"))) {
        fail(query.lastError().text());
        rollback();
        return false;
    }
    inTransaction_ = false;
    return true;
}

void Database::rollback()
{
    if (!inTransaction_)
        return;
    QSqlQuery query(connection());
    query.exec(QStringLiteral("ROLLBACK"));
    inTransaction_ = false;
}

bool Database::fail(const QString& text)
{
    if (error_.isEmpty())
        error_ = text;
    return false;
}

bool Database::hasTable(const QString& table) const
{
    if (!open_)
        return false;
    QSqlQuery query(connection());
    query.prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    query.addBindValue(table);
    return query.exec() && query.next();
}

QString Database::quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

}  // namespace kestrel
