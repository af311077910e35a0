// The report store over the SQLite file Zidazura.mdb. One ReportStore is one transaction:
// the write lock is taken when it opens (so a database that another program holds fails at
// once, before anything changes), every step after the first error does nothing, and
// Close() commits only when every step succeeded.
#include "reports/reportstore.h"

#include "common/database.h"
#include "reports/reportschema.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <vector>

namespace kestrel {

struct ReportStore::Impl {
    struct OpenTable {
        QString table;  // as the database spells it
        QList<TableColumn> columns;
        enum class Mode { None, Editing, Adding } mode = Mode::None;
        qlonglong editRow = 0;
        QList<QPair<int, QVariant>> pending;  // column index and converted value
        bool closed = false;
    };

    QString path;
    std::unique_ptr<Database> db;
    QString error;
    bool closed = false;
    bool committed = false;
    std::vector<OpenTable> tables;

    bool fail(const QString& text)
    {
        if (error.isEmpty())
            error = text;
        return false;
    }
    bool usable() const { return error.isEmpty() && !closed && db && db->isOpen(); }

    // The recordset a handle addresses, when the store can still work with it.
    OpenTable* table(int id)
    {
        if (!usable() || id < 0 || id >= static_cast<int>(tables.size()))
            return nullptr;
        OpenTable& open = tables[static_cast<size_t>(id)];
        if (open.closed) {
            fail(QStringLiteral("Operation is not allowed when the object is closed: the recordset of table %1 "
                                "was already closed.")
                     .arg(open.table));
            return nullptr;
        }
        return &open;
    }

    QString databaseName() const { return QFileInfo(path).fileName(); }
};

namespace {

QString lockedOrOther(const QString& engineText, const QString& path)
{
    if (engineText.contains(QLatin1String("locked"), Qt::CaseInsensitive))
        return QStringLiteral("The report-data database %1 is in use by another program. Nothing was written; "
                              "close the other program and print again.")
            .arg(path);
    return engineText;
}

}  // namespace

// --- Recordset ----------------------------------------------------------------------

Recordset::Recordset(ReportStore* store, int id) : store_(store), id_(id) {}

void Recordset::Edit()
{
    if (!store_)
        return;
    ReportStore::Impl& s = *store_->d;
    ReportStore::Impl::OpenTable* open = s.table(id_);
    if (!open)
        return;
    QSqlQuery query(s.db->connection());
    if (!query.exec(QStringLiteral("SELECT rowid FROM %1 ORDER BY rowid LIMIT 1").arg(Database::quoted(open->table)))) {
        s.fail(lockedOrOther(query.lastError().text(), s.path));
        return;
    }
    if (!query.next()) {
        s.fail(QStringLiteral("No current record: the table %1 of %2 holds no record to edit.")
                   .arg(open->table, s.databaseName()));
        return;
    }
    open->editRow = query.value(0).toLongLong();
    open->mode = ReportStore::Impl::OpenTable::Mode::Editing;
    open->pending.clear();
}

void Recordset::AddNew()
{
    if (!store_)
        return;
    ReportStore::Impl::OpenTable* open = store_->d->table(id_);
    if (!open)
        return;
    open->mode = ReportStore::Impl::OpenTable::Mode::Adding;
    open->pending.clear();
}

void Recordset::setField(const QString& name, const QVariant& value)
{
    if (!store_)
        return;
    ReportStore::Impl& s = *store_->d;
    ReportStore::Impl::OpenTable* open = s.table(id_);
    if (!open)
        return;
    if (open->mode == ReportStore::Impl::OpenTable::Mode::None) {
        s.fail(QStringLiteral("Update or CancelUpdate without AddNew or Edit: the field %1 of table %2 was set "
                              "outside an edit.")
                   .arg(name, open->table));
        return;
    }
    int index = -1;
    for (int i = 0; i < open->columns.size(); ++i) {
        if (open->columns[i].name.compare(name, Qt::CaseInsensitive) == 0) {
            index = i;
            break;
        }
    }
    if (index < 0) {
        s.fail(QStringLiteral("Item not found in this collection: the table %1 has no field '%2'.")
                   .arg(open->table, name));
        return;
    }
    QString error;
    const QVariant converted = convertForField(value, open->columns[index], open->table, &error);
    if (!error.isEmpty()) {
        s.fail(error);
        return;
    }
    for (auto& [column, pendingValue] : open->pending) {
        if (column == index) {
            pendingValue = converted;
            return;
        }
    }
    open->pending.append({index, converted});
}

void Recordset::Update()
{
    if (!store_)
        return;
    ReportStore::Impl& s = *store_->d;
    ReportStore::Impl::OpenTable* open = s.table(id_);
    if (!open)
        return;
    using Mode = ReportStore::Impl::OpenTable::Mode;
    if (open->mode == Mode::None) {
        s.fail(QStringLiteral("Update or CancelUpdate without AddNew or Edit (table %1).").arg(open->table));
        return;
    }
    QStringList names;
    for (const auto& [column, value] : open->pending)
        names << Database::quoted(open->columns[column].name);
    QSqlQuery query(s.db->connection());
    const QString table = Database::quoted(open->table);
    bool run = true;
    if (open->mode == Mode::Editing) {
        if (names.isEmpty()) {
            run = false;  // nothing was set: the record stays as it is
        } else {
            query.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                              .arg(table, names.join(QStringLiteral(" = ?, "))));
        }
    } else if (names.isEmpty()) {
        query.prepare(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table));
    } else {
        QStringList marks;
        for (qsizetype i = 0; i < names.size(); ++i)
            marks << QStringLiteral("?");
        query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    }
    if (run) {
        for (const auto& [column, value] : open->pending)
            query.addBindValue(value);
        if (open->mode == Mode::Editing)
            query.addBindValue(open->editRow);
        if (!query.exec()) {
            s.fail(lockedOrOther(query.lastError().text(), s.path));
            return;
        }
    }
    open->mode = Mode::None;
    open->pending.clear();
}

void Recordset::Close()
{
    if (!store_)
        return;
    ReportStore::Impl& s = *store_->d;
    if (id_ < 0 || id_ >= static_cast<int>(s.tables.size()))
        return;
    ReportStore::Impl::OpenTable& open = s.tables[static_cast<size_t>(id_)];
    open.mode = ReportStore::Impl::OpenTable::Mode::None;
    open.pending.clear();
    open.closed = true;
}

// --- ReportStore --------------------------------------------------------------------

ReportStore::ReportStore(const QString& databasePath) : d(std::make_unique<Impl>())
{
    d->path = databasePath;
    d->db = std::make_unique<Database>(databasePath);
    if (!d->db->isOpen()) {
        d->fail(lockedOrOther(d->db->errorText(), databasePath));
        return;
    }
    if (!d->db->beginTransaction())
        d->fail(lockedOrOther(d->db->errorText(), databasePath));
}

ReportStore::~ReportStore()
{
    if (d->db && !d->closed)
        d->db->rollback();
}

void ReportStore::Execute(const QString& statement)
{
    if (!d->usable())
        return;
    // DELETE, an optional "*", FROM and one table name (plain, [bracketed] or "quoted").
    static const QRegularExpression deleteAll(
        QStringLiteral(
            R"re(^\s*DELETE(?:\s+\*?|\s*\*)\s*FROM\s*(?:\[([^\]]+)\]|"([^"]+)"|([A-Za-z_][A-Za-z0-9_]*))\s*;?\s*$)re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = deleteAll.match(statement);
    if (!match.hasMatch()) {
        d->fail(QStringLiteral("The report store executes only the statement DELETE * FROM <table>; '%1' was "
                               "not executed.")
                    .arg(statement));
        return;
    }
    QString name = match.captured(1);
    if (name.isEmpty())
        name = match.captured(2);
    if (name.isEmpty())
        name = match.captured(3);
    const QString table = storedTableName(d->db->connection(), name);
    if (table.isEmpty()) {
        d->fail(QStringLiteral("The report-data database %1 has no table '%2'.").arg(d->databaseName(), name));
        return;
    }
    QSqlQuery query(d->db->connection());
    if (!query.exec(QStringLiteral("DELETE FROM %1").arg(Database::quoted(table))))
        d->fail(lockedOrOther(query.lastError().text(), d->path));
}

Recordset ReportStore::OpenRecordset(const QString& table)
{
    if (!d->usable())
        return Recordset(this, -1);
    const QString stored = storedTableName(d->db->connection(), table);
    if (stored.isEmpty()) {
        d->fail(QStringLiteral("The report-data database %1 has no table '%2'.").arg(d->databaseName(), table));
        return Recordset(this, -1);
    }
    Impl::OpenTable open;
    open.table = stored;
    open.columns = tableColumns(d->db->connection(), stored);
    d->tables.push_back(std::move(open));
    return Recordset(this, static_cast<int>(d->tables.size()) - 1);
}

bool ReportStore::Close()
{
    if (d->closed)
        return d->committed;
    d->closed = true;
    if (!d->db || !d->db->isOpen())
        return false;
    if (!d->error.isEmpty()) {
        d->db->rollback();
        d->db.reset();
        return false;
    }
    if (!d->db->commit()) {
        d->fail(lockedOrOther(d->db->errorText(), d->path));
        d->db.reset();
        return false;
    }
    d->committed = true;
    d->db.reset();
    return true;
}

bool ReportStore::ok() const
{
    return d->error.isEmpty() && (d->committed || (d->db && d->db->isOpen()));
}

QString ReportStore::errorText() const
{
    return d->error;
}

}  // namespace kestrel
