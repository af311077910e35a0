#include "cli/runner.h"

#include "payroll/settingsstore.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <map>

namespace kestrel::cli {

namespace {

constexpr const char* kVersion = "1.01.000";

bool allFinite(const QJsonValue& value)
{
    if (value.isDouble())
        return std::isfinite(value.toDouble());
    if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            if (!allFinite(item))
                return false;
    }
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!allFinite(it.value()))
                return false;
    }
    return true;
}

QJsonObject inputErrorRecord(const QString& message, int line)
{
    return QJsonObject{{QStringLiteral("error"), message}, {QStringLiteral("line"), line}};
}

// Calculates one record; every failure becomes an error record.
QJsonObject calculateRecord(const Calculator& calculator, const QJsonObject& record, int line,
                            const RunContext& context)
{
    try {
        CalcInput input(record);
        QJsonObject result = calculator.run(input, context);
        const QStringList unknown = input.unreadKeys();
        if (!unknown.isEmpty())
            return inputErrorRecord(QStringLiteral("unknown key: %1").arg(unknown.join(QStringLiteral(", "))), line);
        if (!allFinite(result))
            return inputErrorRecord(QStringLiteral("the result is too large to calculate"), line);
        return result;
    } catch (const InputError& error) {
        return inputErrorRecord(error.message(), line);
    }
}

bool isError(const QJsonObject& result)
{
    return result.contains(QStringLiteral("error"));
}

QString jsonScalarText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::String:
        return value.toString();
    default:
        return QString();
    }
}

QString csvCell(const QString& text)
{
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n'))
        || text.contains(QLatin1Char('\r'))) {
        QString quoted = text;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    return text;
}

QJsonValue csvValue(const QString& cell)
{
    const QString trimmed = cell.trimmed();
    if (trimmed == QLatin1String("true"))
        return true;
    if (trimmed == QLatin1String("false"))
        return false;
    bool ok = false;
    const double number = trimmed.toDouble(&ok);
    if (ok && std::isfinite(number))
        return number;
    return cell;
}

// The record of a CSV row as a tree of its dotted keys: names become objects, numbers lists.
struct KeyNode {
    QJsonValue leaf;
    bool hasLeaf = false;
    std::map<QString, KeyNode> children;
};

void insertPath(KeyNode& node, const QStringList& parts, const QJsonValue& value, const QString& key)
{
    KeyNode* current = &node;
    for (const QString& part : parts) {
        if (current->hasLeaf)
            throw InputError(QStringLiteral("%1: the column does not fit the other columns").arg(key));
        current = &current->children[part];
    }
    if (current->hasLeaf)
        throw InputError(QStringLiteral("%1: the column is given twice").arg(key));
    if (!current->children.empty())
        throw InputError(QStringLiteral("%1: the column does not fit the other columns").arg(key));
    current->leaf = value;
    current->hasLeaf = true;
}

QJsonValue toJson(const KeyNode& node, const QString& path)
{
    if (node.hasLeaf)
        return node.leaf;
    bool allIndices = !node.children.empty();
    int highest = -1;
    for (const auto& [name, child] : node.children) {
        (void)child;
        bool isIndex = false;
        const int index = name.toInt(&isIndex);
        if (!isIndex || index < 0 || index >= 100000) {
            allIndices = false;
            break;
        }
        highest = std::max(highest, index);
    }
    if (allIndices) {
        QJsonArray array;
        for (int i = 0; i <= highest; ++i) {
            const auto it = node.children.find(QString::number(i));
            array.append(it == node.children.end() ? QJsonValue() : toJson(it->second, path));
        }
        return array;
    }
    QJsonObject object;
    for (const auto& [name, child] : node.children)
        object.insert(name, toJson(child, path.isEmpty() ? name : path + QLatin1Char('.') + name));
    return object;
}

QString usage()
{
    QString text =
        QStringLiteral("Usage: kestrel-calc CALCULATOR [--csv] [--settings PATH] < input > output\n"
                       "       kestrel-calc --help | --version | CALCULATOR --help\n\n"
                       "Runs a Kestrel 2019 calculator (tax year 1 March 2018 to 28 February 2019) without a\n"
                       "window. Input on standard input: one JSON object, JSON Lines, or with --csv a CSV file\n"
                       "whose header row holds the input keys. One result per input record, in input order.\n\n"
                       "Calculators:\n");
    for (const Calculator& calculator : calculators().all())
        text += QStringLiteral("  %1%2\n").arg(calculator.name.leftJustified(18), calculator.summary);
    text += QStringLiteral("\nOptions:\n"
                           "  --csv            read CSV and write CSV\n"
                           "  --settings PATH  take the payroll settings from that Settings.mdb\n\n"
                           "Exit codes: 0 every record calculated, 1 some record gave an error, 2 usage error.\n");
    return text;
}

void writeOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void writeErr(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

}  // namespace

void flattenJson(const QJsonValue& value, const QString& prefix, QList<QPair<QString, QJsonValue>>& out)
{
    auto join = [&](const QString& key) { return prefix.isEmpty() ? key : prefix + QLatin1Char('.') + key; };
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            flattenJson(it.value(), join(it.key()), out);
    } else if (value.isArray()) {
        const QJsonArray array = value.toArray();
        for (qsizetype i = 0; i < array.size(); ++i)
            flattenJson(array.at(i), join(QString::number(i)), out);
    } else {
        out.append({prefix, value});
    }
}

namespace {

// The header of a CSV file, split once: most columns are plain keys, put straight into the
// record; only dotted keys go through the tree.
struct CsvHeader {
    QStringList keys;
    QList<QStringList> parts;
    bool anyNested = false;

    explicit CsvHeader(const QStringList& header) : keys(header)
    {
        for (const QString& key : header) {
            parts << key.split(QLatin1Char('.'));
            anyNested = anyNested || parts.last().size() > 1;
        }
    }
};

QJsonObject recordFromCsv(const CsvHeader& header, const QStringList& cells)
{
    if (!header.anyNested) {
        QJsonObject record;
        for (qsizetype i = 0; i < header.keys.size(); ++i) {
            if (i >= cells.size() || header.keys[i].isEmpty() || cells[i].trimmed().isEmpty())
                continue;
            if (record.contains(header.keys[i]))
                throw InputError(QStringLiteral("%1: the column is given twice").arg(header.keys[i]));
            record.insert(header.keys[i], csvValue(cells[i]));
        }
        return record;
    }
    KeyNode root;
    for (qsizetype i = 0; i < header.keys.size(); ++i) {
        if (i >= cells.size() || header.keys[i].isEmpty() || cells[i].trimmed().isEmpty())
            continue;
        insertPath(root, header.parts[i], csvValue(cells[i]), header.keys[i]);
    }
    const QJsonValue record = toJson(root, QString());
    return record.isObject() ? record.toObject() : QJsonObject();
}

}  // namespace

QJsonObject recordFromCsv(const QStringList& keys, const QStringList& cells)
{
    return recordFromCsv(CsvHeader(keys), cells);
}

QList<CsvRow> parseCsv(const QByteArray& bytes, QString* error)
{
    QList<CsvRow> rows;
    const QString text = QString::fromUtf8(bytes);
    CsvRow row;
    QString cell;
    bool inQuotes = false;
    bool rowHasContent = false;
    int line = 1;
    row.line = 1;
    auto endCell = [&] {
        row.cells << cell;
        cell.clear();
    };
    auto endRow = [&] {
        endCell();
        if (rowHasContent)
            rows << row;
        row = CsvRow();
        rowHasContent = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += QLatin1Char('"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = true;
            rowHasContent = true;
        } else if (c == QLatin1Char(',')) {
            endCell();
            rowHasContent = true;
        } else if (c == QLatin1Char('\r')) {
            // part of a CRLF line end
        } else if (c == QLatin1Char('\n')) {
            endRow();
            ++line;
            row.line = line;
        } else {
            cell += c;
            if (!c.isSpace())
                rowHasContent = true;
        }
    }
    if (inQuotes && error)
        *error = QStringLiteral("line %1: a quoted cell is not closed").arg(row.line);
    endRow();
    return rows;
}

RunOutput runRecords(const Calculator& calculator, InputFormat format, const QByteArray& input,
                     const RunContext& context)
{
    RunOutput output;
    if (format == InputFormat::Json) {
        QList<QPair<int, QJsonObject>> results;
        QJsonParseError parseError{};
        const QJsonDocument whole = QJsonDocument::fromJson(input, &parseError);
        if (parseError.error == QJsonParseError::NoError && whole.isObject()) {
            results.append({1, calculateRecord(calculator, whole.object(), 1, context)});
        } else {
            int line = 0;
            for (const QByteArray& raw : input.split('\n')) {
                ++line;
                if (raw.trimmed().isEmpty())
                    continue;
                QJsonParseError lineError{};
                const QJsonDocument document = QJsonDocument::fromJson(raw, &lineError);
                if (lineError.error != QJsonParseError::NoError || !document.isObject()) {
                    const QString why = lineError.error != QJsonParseError::NoError
                                            ? QStringLiteral("not JSON: %1").arg(lineError.errorString())
                                            : QStringLiteral("a JSON object is required");
                    results.append({line, inputErrorRecord(why, line)});
                    continue;
                }
                results.append({line, calculateRecord(calculator, document.object(), line, context)});
            }
        }
        for (const auto& [line, result] : results) {
            (void)line;
            ++output.records;
            if (isError(result))
                ++output.errorRecords;
            output.text += QJsonDocument(result).toJson(QJsonDocument::Compact);
            output.text += '\n';
        }
        return output;
    }

    // CSV: the input columns, then one column per result key in order of first appearance.
    QString csvError;
    const QList<CsvRow> rows = parseCsv(input, &csvError);
    if (rows.isEmpty())
        return output;
    const QStringList header = [&] {
        QStringList keys;
        for (const QString& key : rows.first().cells)
            keys << key.trimmed();
        return keys;
    }();
    const CsvHeader csvHeader(header);
    QList<QList<QPair<QString, QJsonValue>>> flatResults;
    QStringList resultColumns;
    QHash<QString, int> columnIndex;
    for (qsizetype r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        QJsonObject result;
        if (!csvError.isEmpty() && r == rows.size() - 1) {
            result = inputErrorRecord(csvError, row.line);
        } else if (row.cells.size() > header.size()) {
            result = inputErrorRecord(QStringLiteral("the row has more cells than the header"), row.line);
        } else {
            try {
                result = calculateRecord(calculator, recordFromCsv(csvHeader, row.cells), row.line, context);
            } catch (const InputError& error) {
                result = inputErrorRecord(error.message(), row.line);
            }
        }
        ++output.records;
        if (isError(result))
            ++output.errorRecords;
        QList<QPair<QString, QJsonValue>> flat;
        flattenJson(result, QString(), flat);
        for (const auto& [key, value] : flat) {
            (void)value;
            if (!columnIndex.contains(key)) {
                columnIndex.insert(key, static_cast<int>(resultColumns.size()));
                resultColumns << key;
            }
        }
        flatResults << flat;
    }
    QStringList headerLine;
    for (const QString& key : header)
        headerLine << csvCell(key);
    for (const QString& key : resultColumns)
        headerLine << csvCell(key);
    QString text = headerLine.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (qsizetype r = 1; r < rows.size(); ++r) {
        QStringList line;
        const QStringList& cells = rows[r].cells;
        for (qsizetype i = 0; i < header.size(); ++i)
            line << csvCell(i < cells.size() ? cells[i] : QString());
        QStringList resultCells(resultColumns.size());
        for (const auto& [key, value] : flatResults[r - 1])
            resultCells[columnIndex.value(key)] = csvCell(jsonScalarText(value));
        line << resultCells;
        text += line.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    output.text = text.toUtf8();
    return output;
}

int runCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        writeErr(usage());
        return 2;
    }
    if (arguments.first() == QLatin1String("--help") || arguments.first() == QLatin1String("-h")) {
        writeOut(usage().toUtf8());
        return 0;
    }
    if (arguments.first() == QLatin1String("--version")) {
        writeOut(QByteArray("kestrel-calc (Kestrel 2019) ") + kVersion + "\n");
        return 0;
    }
    const Calculator* calculator = calculators().find(arguments.first());
    if (!calculator) {
        writeErr(QStringLiteral("kestrel-calc: unknown calculator '%1'\n\n").arg(arguments.first()) + usage());
        return 2;
    }
    InputFormat format = InputFormat::Json;
    QString settingsPath;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            writeOut((calculator->name + QStringLiteral(": ") + calculator->summary + QStringLiteral("\n\n")
                      + calculator->help + QLatin1Char('\n'))
                         .toUtf8());
            return 0;
        }
        if (argument == QLatin1String("--csv")) {
            format = InputFormat::Csv;
        } else if (argument == QLatin1String("--settings") && i + 1 < arguments.size()) {
            settingsPath = arguments[++i];
        } else if (argument.startsWith(QLatin1String("--settings="))) {
            settingsPath = argument.mid(11);
        } else {
            writeErr(QStringLiteral("kestrel-calc: unknown option '%1'\n\n").arg(argument) + usage());
            return 2;
        }
    }
    RunContext context;
    if (!settingsPath.isEmpty()) {
        const SettingsLoad load = LoadPayrollSettings(settingsPath);
        if (!load.settings) {
            writeErr(QStringLiteral("kestrel-calc: cannot read the payroll settings from %1: %2\n")
                         .arg(settingsPath, load.errorText));
            return 2;
        }
        context.settings = *load.settings;
    }
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly)) {
        writeErr(QStringLiteral("kestrel-calc: cannot read standard input\n"));
        return 2;
    }
    const QByteArray input = in.readAll();
    const RunOutput output = runRecords(*calculator, format, input, context);
    writeOut(output.text);
    return output.errorRecords > 0 ? 1 : 0;
}

}  // namespace kestrel::cli
