#pragma once
// A small layer over the SQLite files that stand in for the program's two databases
// (Settings.mdb and Zidazura.mdb). A Database is opened for one command and closed again;
// it never creates a file that does not exist. Errors are kept as text so that the window
// can show them.

#include <QSqlDatabase>
#include <QString>

namespace kestrel {

class Database {
public:
    /// Opens an existing database file (shared, read-write). A missing file, a file that
    /// is not a database or a locked one leaves the object closed with errorText() set.
    explicit Database(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    bool isOpen() const { return open_; }
    /// True when the file has no write permission: it is then opened read-only, so that
    /// nothing (not even a program running with administrator rights) writes to it, and
    /// beginTransaction() fails with a message that says so.
    bool isReadOnly() const { return readOnly_; }
    QString errorText() const { return error_; }
    QString path() const { return path_; }

    /// The connection for queries (valid while open).
    QSqlDatabase connection() const;

    bool beginTransaction();
    bool commit();
    void rollback();

    /// Records an error (the first one wins) and returns false.
    bool fail(const QString& text);

    /// True when `table` exists in the database.
    bool hasTable(const QString& table) const;

    /// Quotes an identifier for SQL ("name" with inner quotes doubled).
    static QString quoted(const QString& identifier);

private:
    QString path_;
    QString connectionName_;
    QString error_;
    bool open_ = false;
    bool readOnly_ = false;
    bool inTransaction_ = false;
};

}  // namespace kestrel
