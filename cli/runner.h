#pragma once
// Reading the records of one kestrel-calc run, calculating each, and writing the results:
// one JSON object per input object in input order, or with CSV the input columns followed
// by the result columns. A record's output is complete or absent, never half written.

#include "cli/calculator.h"

#include <QByteArray>

namespace kestrel::cli {

enum class InputFormat { Json, Csv };

struct RunOutput {
    QByteArray text;       ///< what goes to standard output
    int errorRecords = 0;  ///< records that gave an error
    int records = 0;
};

/// Calculates every record of `input`. JSON input is one object, or JSON Lines (one object
/// per line, blank lines skipped).
RunOutput runRecords(const Calculator& calculator, InputFormat format, const QByteArray& input,
                     const RunContext& context);

/// The command line: kestrel-calc CALCULATOR [--csv] [--settings PATH], --help, --version.
/// Reads standard input, writes standard output and error; returns the exit code
/// (0 all calculated, 1 some record gave an error, 2 usage error).
int runCommandLine(const QStringList& arguments);

/// Flattens nested results for CSV: {"a": {"b": 1}, "c": [2, 3]} gives a.b, c.0, c.1.
void flattenJson(const QJsonValue& value, const QString& prefix, QList<QPair<QString, QJsonValue>>& out);

/// Builds a record from CSV header keys and cells (dotted keys nest, numeric parts index
/// lists). Throws InputError for a header that cannot be nested.
QJsonObject recordFromCsv(const QStringList& keys, const QStringList& cells);

/// Splits CSV text into rows of cells (RFC 4180 quoting); each row keeps its first line number.
struct CsvRow {
    int line = 0;
    QStringList cells;
};
QList<CsvRow> parseCsv(const QByteArray& text, QString* error);

}  // namespace kestrel::cli
