#include "reports/reportschema.h"

#include "common/database.h"
#include "common/numberformat.h"
#include "common/rounding.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>

namespace kestrel {

FieldType fieldTypeOfDeclared(const QString& declared)
{
    const QString type = declared.trimmed().toUpper();
    if (type == QLatin1String("DOUBLE"))
        return FieldType::Double;
    if (type == QLatin1String("SINGLE"))
        return FieldType::Single;
    if (type == QLatin1String("SMALLINT"))
        return FieldType::SmallInt;
    if (type == QLatin1String("INTEGER"))
        return FieldType::Integer;
    if (type == QLatin1String("TEXT"))
        return FieldType::Text;
    return FieldType::Other;
}

QString fieldTypeName(FieldType type)
{
    switch (type) {
    case FieldType::Double:
        return QStringLiteral("DOUBLE");
    case FieldType::Single:
        return QStringLiteral("SINGLE");
    case FieldType::SmallInt:
        return QStringLiteral("SMALLINT");
    case FieldType::Integer:
        return QStringLiteral("INTEGER");
    case FieldType::Text:
        return QStringLiteral("TEXT");
    case FieldType::Other:
        break;
    }
    return QStringLiteral("other");
}

QString storedTableName(const QSqlDatabase& db, const QString& table)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE"));
    query.addBindValue(table);
    if (!query.exec() || !query.next())
        return QString();
    return query.value(0).toString();
}

QList<TableColumn> tableColumns(const QSqlDatabase& db, const QString& table)
{
    QList<TableColumn> columns;
    QSqlQuery query(db);
    // table_info takes the name as a quoted identifier; the name comes from sqlite_master.
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Database::quoted(table))))
        return columns;
    while (query.next()) {
        TableColumn column;
        column.name = query.value(1).toString();
        column.declared = query.value(2).toString();
        column.type = fieldTypeOfDeclared(column.declared);
        columns << column;
    }
    return columns;
}

namespace {

// The number a value stands for: numbers, yes/no (1/0) and texts that are wholly a number.
std::optional<double> numberOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return value.toDouble();
    case QMetaType::Bool:
        return value.toBool() ? 1.0 : 0.0;
    case QMetaType::QString:
    case QMetaType::QByteArray: {
        bool ok = false;
        const double number = value.toString().trimmed().toDouble(&ok);
        if (ok)
            return number;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

QString textOf(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return formatPlain(value.toDouble());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return value.toString();
    }
}

QVariant wholeNumberField(double number, double lowest, double highest, const char* bits, const TableColumn& column,
                          const QString& table, QString* error)
{
    const double whole = roundHalfEven(number);
    if (!(whole >= lowest && whole <= highest)) {
        *error = QStringLiteral("Overflow: %1 does not fit the %2-bit integer field %3 of table %4.")
                     .arg(formatPlain(number), QLatin1String(bits), column.name, table);
        return {};
    }
    return QVariant(static_cast<qlonglong>(whole));
}

}  // namespace

QVariant convertForField(const QVariant& value, const TableColumn& column, const QString& table, QString* error)
{
    error->clear();
    if (!value.isValid() || value.isNull())
        return QVariant();
    if (column.type == FieldType::Text)
        return textOf(value);
    if (column.type == FieldType::Other)
        return value;

    const std::optional<double> number = numberOf(value);
    if (!number) {
        *error = QStringLiteral("Data type conversion error: '%1' is no number for the field %2 (%3) of table %4.")
                     .arg(value.toString(), column.name, fieldTypeName(column.type), table);
        return {};
    }
    if (!std::isfinite(*number)) {
        *error = QStringLiteral("Overflow: the value for the field %1 of table %2 is not a finite number.")
                     .arg(column.name, table);
        return {};
    }
    switch (column.type) {
    case FieldType::Double:
        return QVariant(*number);
    case FieldType::Single:
        if (std::fabs(*number) > static_cast<double>(FLT_MAX)) {
            *error = QStringLiteral("Overflow: %1 does not fit the single-precision field %2 of table %3.")
                         .arg(formatPlain(*number), column.name, table);
            return {};
        }
        return QVariant(static_cast<double>(static_cast<float>(*number)));
    case FieldType::SmallInt:
        return wholeNumberField(*number, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max(), "16",
                                column, table, error);
    case FieldType::Integer:
        return wholeNumberField(*number, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), "32",
                                column, table, error);
    case FieldType::Text:
    case FieldType::Other:
        break;
    }
    return value;
}

QList<SqlStatement> splitSqlStatements(const QString& sql, QString* error)
{
    error->clear();
    QList<SqlStatement> statements;
    enum class State { Normal, SingleQuote, DoubleQuote, Bracket, LineComment, BlockComment };
    State state = State::Normal;
    QString current;
    int line = 1;
    int startLine = 0;  // line of the first character of the current statement
    int quoteLine = 0;
    auto finish = [&] {
        const QString text = current.trimmed();
        if (!text.isEmpty())
            statements << SqlStatement{text, startLine};
        current.clear();
        startLine = 0;
    };
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        const QChar next = i + 1 < sql.size() ? sql.at(i + 1) : QChar();
        switch (state) {
        case State::Normal:
            if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
                state = State::LineComment;
                ++i;
                continue;
            }
            if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
                state = State::BlockComment;
                quoteLine = line;
                ++i;
                continue;
            }
            if (c == QLatin1Char(';')) {
                finish();
                continue;
            }
            if (!c.isSpace() && startLine == 0)
                startLine = line;
            if (c == QLatin1Char('\'')) {
                state = State::SingleQuote;
                quoteLine = line;
            } else if (c == QLatin1Char('"')) {
                state = State::DoubleQuote;
                quoteLine = line;
            } else if (c == QLatin1Char('[')) {
                state = State::Bracket;
                quoteLine = line;
            }
            current += c;
            break;
        case State::SingleQuote:
        case State::DoubleQuote:
        case State::Bracket: {
            current += c;
            const QChar close = state == State::SingleQuote   ? QLatin1Char('\'')
                                : state == State::DoubleQuote ? QLatin1Char('"')
                                                              : QLatin1Char(']');
            if (c == close) {
                // A doubled quote stands for the quote itself and does not end the text.
                if (state != State::Bracket && next == close) {
                    current += next;
                    ++i;
                } else {
                    state = State::Normal;
                }
            }
            break;
        }
        case State::LineComment:
            if (c == QLatin1Char('\n'))
                state = State::Normal;
            break;
        case State::BlockComment:
            if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
                state = State::Normal;
                ++i;
            }
            break;
        }
        if (c == QLatin1Char('\n')) {
            ++line;
            if (state == State::Normal && !current.isEmpty())
                current += QLatin1Char(' ');
        }
    }
    switch (state) {
    case State::SingleQuote:
    case State::DoubleQuote:
    case State::Bracket:
        *error = QStringLiteral("line %1: a quote opened here is never closed").arg(quoteLine);
        return {};
    case State::BlockComment:
        *error = QStringLiteral("line %1: a comment opened here is never closed").arg(quoteLine);
        return {};
    case State::Normal:
    case State::LineComment:
        break;
    }
    finish();
    return statements;
}

namespace {

QString nextBuildConnection()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("kestrel-schema-%1").arg(++counter);
}

// Runs the statements into the open database; returns the error text.
QString runSchema(QSqlDatabase& db, const QList<SqlStatement>& statements, const SchemaOptions& options)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN")))
        return query.lastError().text();
    QHash<QString, int> tableLines;  // lower-case table name -> line of its CREATE TABLE
    for (const SqlStatement& statement : statements) {
        if (!query.exec(statement.text)) {
            const QString error = QStringLiteral("line %1: %2").arg(statement.line).arg(query.lastError().text());
            query.exec(QStringLiteral("ROLLBACK"));
            return error;
        }
        query.finish();
        const QString upper = statement.text.simplified().toUpper();
        if (upper.startsWith(QLatin1String("CREATE TABLE"))) {
            // Remember on which line each table was made, for the type check below.
            QSqlQuery tables(db);
            tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
            while (tables.next()) {
                const QString name = tables.value(0).toString().toLower();
                if (!tableLines.contains(name))
                    tableLines.insert(name, statement.line);
            }
        }
    }
    if (options.requireReportFieldTypes) {
        QSqlQuery tables(db);
        tables.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name"));
        QStringList names;
        while (tables.next())
            names << tables.value(0).toString();
        tables.finish();
        for (const QString& table : names) {
            for (const TableColumn& column : tableColumns(db, table)) {
                if (column.type == FieldType::Other) {
                    const QString error =
                        QStringLiteral("line %1: field %2 of table %3 has the type '%4'; use DOUBLE, SINGLE, "
                                       "SMALLINT, INTEGER or TEXT")
                            .arg(tableLines.value(table.toLower()))
                            .arg(column.name, table, column.declared);
                    query.exec(QStringLiteral("ROLLBACK"));
                    return error;
                }
            }
        }
    }
    // Writes the file header even for a schema without tables, so that the file is a
    // complete database and not an empty file.
    if (!query.exec(QStringLiteral("PRAGMA user_version = 2019")) || !query.exec(QStringLiteral("COMMIT")))
        return query.lastError().text();
    return QString();
}

}  // namespace

QString createDatabaseFromSchema(const QString& path, const QString& schemaSql, const SchemaOptions& options)
{
    QString error;
    const QList<SqlStatement> statements = splitSqlStatements(schemaSql, &error);
    if (!error.isEmpty())
        return error;

    const QString partial = path + QStringLiteral(".part");
    QFile::remove(partial);
    const QString connection = nextBuildConnection();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(partial);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            error = runSchema(db, statements, options);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty()) {
        QFile::remove(partial);
        return error;
    }
    // rename() replaces the old file in one step: readers see the old database or the new.
    std::error_code failure;
    std::filesystem::rename(std::filesystem::path(partial.toStdString()), std::filesystem::path(path.toStdString()),
                            failure);
    if (failure) {
        QFile::remove(partial);
        return QStringLiteral("Could not write %1: %2").arg(path, QString::fromStdString(failure.message()));
    }
    return QString();
}

}  // namespace kestrel
