#include "reports/reportdata.h"

#include "common/database.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <functional>

namespace kestrel::report {

int TableData::indexOf(const QString& field) const
{
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

const TableData* ReportData::table(const QString& name) const
{
    auto it = tables.constFind(name.toLower());
    return it == tables.constEnd() ? nullptr : &it.value();
}

namespace {

struct LoadError {
    QString message;
};

QString engineError(const QString& text, const QString& databasePath)
{
    if (text.contains(QLatin1String("locked"), Qt::CaseInsensitive))
        return QStringLiteral("The report-data database %1 is in use by another program. Close the other "
                              "program and print again.")
            .arg(databasePath);
    return text;
}

TableData readTable(Database& db, const QString& name, int line, bool firstRecordOnly)
{
    const QString databaseName = QFileInfo(db.path()).fileName();
    TableData data;
    data.name = storedTableName(db.connection(), name);
    if (data.name.isEmpty()) {
        QSqlQuery probe(db.connection());
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            throw LoadError{engineError(probe.lastError().text(), db.path())};
        throw LoadError{QStringLiteral("line %1: the report-data database %2 has no table '%3'.")
                            .arg(line)
                            .arg(databaseName, name)};
    }
    data.columns = tableColumns(db.connection(), data.name);
    QStringList names;
    for (const TableColumn& column : data.columns)
        names << Database::quoted(column.name);
    QSqlQuery query(db.connection());
    query.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid%3")
                            .arg(names.join(QStringLiteral(", ")), Database::quoted(data.name),
                                 firstRecordOnly ? QStringLiteral(" LIMIT 1") : QString());
    if (!query.exec(sql))
        throw LoadError{engineError(query.lastError().text(), db.path())};
    while (query.next()) {
        QList<QVariant> row;
        row.reserve(data.columns.size());
        for (int i = 0; i < data.columns.size(); ++i)
            row << query.value(i);
        data.rows << row;
    }
    if (query.lastError().isValid())
        throw LoadError{engineError(query.lastError().text(), db.path())};
    if (firstRecordOnly && data.rows.isEmpty())
        throw LoadError{QStringLiteral("No current record: the table %1 of %2 holds no record to print.")
                            .arg(data.name, databaseName)};
    return data;
}

// Checks every {Field} of the template against the tables it reads.
class FieldCheck {
public:
    FieldCheck(const ReportTemplate& report, const ReportData& data) : report_(report), data_(data) {}

    void run()
    {
        for (const TextTemplate& footer : report_.footers)
            text(footer, report_.footerLine, nullptr);
        statements(report_.body, nullptr);
    }

private:
    const ReportTemplate& report_;
    const ReportData& data_;

    void field(const QString& name, int line, const TableData* row) const
    {
        if (row && row->indexOf(name) >= 0)
            return;
        if (data_.record && data_.record->indexOf(name) >= 0)
            return;
        if (!row && !data_.record)
            throw LoadError{
                QStringLiteral("line %1: {%2} needs a 'table' statement that names its table.").arg(line).arg(name)};
        if (row && data_.record)
            throw LoadError{QStringLiteral("line %1: neither the table %2 nor the table %3 has a field '%4'.")
                                .arg(line)
                                .arg(row->name, data_.record->name, name)};
        throw LoadError{QStringLiteral("line %1: the table %2 has no field '%3'.")
                            .arg(line)
                            .arg(row ? row->name : data_.record->name, name)};
    }

    void text(const TextTemplate& t, int line, const TableData* row) const
    {
        for (const TextPart& part : t.parts)
            if (part.kind == TextPart::Kind::Field)
                field(part.text, line, row);
    }

    void statements(const QList<Statement>& list, const TableData* row) const
    {
        for (const Statement& s : list) {
            for (const TextTemplate& t : s.texts)
                text(t, s.line, row);
            switch (s.kind) {
            case Statement::Kind::If:
                field(s.condition.field, s.line, row);
                text(s.condition.compareWith, s.line, row);
                statements(s.body, row);
                statements(s.elseBody, row);
                break;
            case Statement::Kind::Keep:
                statements(s.body, row);
                break;
            case Statement::Kind::Grid:
            case Statement::Kind::Each: {
                const TableData* rows = data_.table(s.table);
                if (!s.orderBy.isEmpty() && rows->indexOf(s.orderBy) < 0)
                    throw LoadError{QStringLiteral("line %1: the table %2 has no field '%3' to order by.")
                                        .arg(s.line)
                                        .arg(rows->name, s.orderBy)};
                for (const GridColumn& column : s.columns) {
                    text(column.heading, column.line, nullptr);
                    text(column.value, column.line, rows);
                }
                statements(s.body, rows);
                break;
            }
            default:
                break;
            }
        }
    }
};

void collectTables(const QList<Statement>& list, QList<const Statement*>& out)
{
    for (const Statement& s : list) {
        if (s.kind == Statement::Kind::Grid || s.kind == Statement::Kind::Each)
            out << &s;
        collectTables(s.body, out);
        collectTables(s.elseBody, out);
    }
}

}  // namespace

std::optional<ReportData> loadReportData(const QString& databasePath, const ReportTemplate& report, QString* error)
{
    error->clear();
    Database db(databasePath);
    if (!db.isOpen()) {
        const QString text = db.errorText();
        *error = text.contains(QLatin1String("locked"), Qt::CaseInsensitive)
                     ? engineError(text, databasePath)
                     : QStringLiteral("The report-data database could not be opened: %1").arg(text);
        return std::nullopt;
    }
    try {
        ReportData data;
        if (!report.table.isEmpty())
            data.record = readTable(db, report.table, report.tableLine, true);
        QList<const Statement*> uses;
        collectTables(report.body, uses);
        for (const Statement* use : uses) {
            const QString key = use->table.toLower();
            if (!data.tables.contains(key))
                data.tables.insert(key, readTable(db, use->table, use->line, false));
        }
        FieldCheck(report, data).run();
        return data;
    } catch (const LoadError& e) {
        *error = e.message;
        return std::nullopt;
    }
}

}  // namespace kestrel::report
