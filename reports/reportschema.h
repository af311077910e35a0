#pragma once
// The tables of the report-data database as the report store and the report engine see
// them: the declared field types, the columns of a table, and the build step that makes a
// database file from a readable SQL schema (reports/zidazura-schema.sql).

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlDatabase;

namespace kestrel {

/// The declared types of report fields (the header of reports/zidazura-schema.sql).
enum class FieldType { Double, Single, SmallInt, Integer, Text, Other };

/// DOUBLE, SINGLE, SMALLINT, INTEGER, TEXT (any case); anything else is Other.
FieldType fieldTypeOfDeclared(const QString& declared);
QString fieldTypeName(FieldType type);

struct TableColumn {
    QString name;      ///< as the schema spells it
    QString declared;  ///< the declared type as written
    FieldType type = FieldType::Other;
};

/// The name of `table` as stored in the database (names match without regard to case),
/// or an empty string when the database has no such table.
QString storedTableName(const QSqlDatabase& db, const QString& table);

/// The columns of an existing table, in schema order.
QList<TableColumn> tableColumns(const QSqlDatabase& db, const QString& table);

/// Converts a value to what a field of `column`'s type stores. Returns an invalid
/// QVariant and sets `error` when the value does not fit; a null value stays null.
QVariant convertForField(const QVariant& value, const TableColumn& column, const QString& table, QString* error);

/// One statement of an SQL text and the line on which it starts.
struct SqlStatement {
    QString text;
    int line = 0;
};

/// Splits an SQL text at the semicolons that end its statements, skipping "--" and
/// "/* */" comments and leaving quoted texts and names whole. Sets `error` (with the
/// line) for an unterminated quote or comment.
QList<SqlStatement> splitSqlStatements(const QString& sql, QString* error);

struct SchemaOptions {
    /// Every column must have one of the declared report field types.
    bool requireReportFieldTypes = true;
};

/// Creates the database file `path` from an SQL schema: every statement in one
/// transaction, into a temporary file that replaces `path` only when all went well, so a
/// failed build never leaves a half-made database. Returns the error text, empty on
/// success; an error names the line of the statement.
QString createDatabaseFromSchema(const QString& path, const QString& schemaSql, const SchemaOptions& options = {});

}  // namespace kestrel
