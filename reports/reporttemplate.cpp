#include "reports/reporttemplate.h"

#include <QStringList>

#include <functional>

namespace kestrel::report {

namespace {

struct ParseError {
    int line;
    QString message;
};

// A token of a statement line: a quoted text, a {field} reference or a bare word.
struct Token {
    enum class Kind { Word, Text, FieldRef };
    Kind kind = Kind::Word;
    QString value;
};

QList<Token> tokenize(const QString& line, int lineNumber)
{
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n) {
        const QChar c = line.at(i);
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == QLatin1Char('"')) {
            QString text;
            ++i;
            bool closed = false;
            while (i < n) {
                const QChar t = line.at(i);
                if (t == QLatin1Char('\\') && i + 1 < n
                    && (line.at(i + 1) == QLatin1Char('"') || line.at(i + 1) == QLatin1Char('\\'))) {
                    text += line.at(i + 1);
                    i += 2;
                    continue;
                }
                if (t == QLatin1Char('"')) {
                    closed = true;
                    ++i;
                    break;
                }
                text += t;
                ++i;
            }
            if (!closed)
                throw ParseError{lineNumber, QStringLiteral("the text \"%1 has no closing quote").arg(text)};
            tokens << Token{Token::Kind::Text, text};
            continue;
        }
        if (c == QLatin1Char('{')) {
            const qsizetype close = line.indexOf(QLatin1Char('}'), i);
            if (close < 0)
                throw ParseError{lineNumber, QStringLiteral("a '{' without its closing '}'")};
            tokens << Token{Token::Kind::FieldRef, line.mid(i + 1, close - i - 1).trimmed()};
            i = close + 1;
            continue;
        }
        qsizetype end = i;
        while (end < n && !line.at(end).isSpace() && line.at(end) != QLatin1Char('"'))
            ++end;
        tokens << Token{Token::Kind::Word, line.mid(i, end - i)};
        i = end;
    }
    return tokens;
}

ValueFormat parseFormat(const QString& name, int line)
{
    const QString f = name.trimmed().toLower();
    ValueFormat format;
    if (f == QLatin1String("money")) {
        format.kind = ValueFormat::Kind::Money;
    } else if (f == QLatin1String("money0")) {
        format.kind = ValueFormat::Kind::Money0;
    } else if (f == QLatin1String("int")) {
        format.kind = ValueFormat::Kind::Fixed;
        format.decimals = 0;
    } else if (f == QLatin1String("date")) {
        format.kind = ValueFormat::Kind::Date;
    } else if (f.size() == 6 && f.startsWith(QLatin1String("fixed")) && f.at(5) >= QLatin1Char('0')
               && f.at(5) <= QLatin1Char('6')) {
        format.kind = ValueFormat::Kind::Fixed;
        format.decimals = f.at(5).digitValue();
    } else {
        throw ParseError{
            line,
            QStringLiteral("unknown format '%1' (money, money0, fixed0 to fixed6, int or date)").arg(name.trimmed())};
    }
    return format;
}

TextTemplate parseText(const QString& source, int line)
{
    TextTemplate t;
    t.source = source;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty()) {
            t.parts << TextPart{TextPart::Kind::Literal, literal, {}};
            literal.clear();
        }
    };
    const qsizetype n = source.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('{') && i + 1 < n && source.at(i + 1) == QLatin1Char('{')) {
            literal += QLatin1Char('{');
            ++i;
            continue;
        }
        if (c == QLatin1Char('}') && i + 1 < n && source.at(i + 1) == QLatin1Char('}')) {
            literal += QLatin1Char('}');
            ++i;
            continue;
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            continue;
        }
        const qsizetype close = source.indexOf(QLatin1Char('}'), i + 1);
        if (close < 0)
            throw ParseError{
                line, QStringLiteral("a '{' without its closing '}' in \"%1\" (write {{ for a brace)").arg(source)};
        const QString inside = source.mid(i + 1, close - i - 1);
        i = close;
        const qsizetype colon = inside.indexOf(QLatin1Char(':'));
        const QString name = (colon < 0 ? inside : inside.left(colon)).trimmed();
        TextPart part;
        if (colon >= 0)
            part.format = parseFormat(inside.mid(colon + 1), line);
        if (name.isEmpty())
            throw ParseError{line, QStringLiteral("an empty field name {} in \"%1\"").arg(source)};
        if (name.startsWith(QLatin1Char('@'))) {
            const QString builtin = name.mid(1).toLower();
            if (builtin == QLatin1String("page"))
                part.kind = TextPart::Kind::PageNumber;
            else if (builtin == QLatin1String("pages"))
                part.kind = TextPart::Kind::PageCount;
            else if (builtin == QLatin1String("date"))
                part.kind = TextPart::Kind::PrintDate;
            else
                throw ParseError{line,
                                 QStringLiteral("unknown built-in value {%1} (@page, @pages or @date)").arg(name)};
        } else {
            part.kind = TextPart::Kind::Field;
            part.text = name;
        }
        flush();
        t.parts << part;
    }
    flush();
    return t;
}

// An open block while parsing: if, keep, grid or each.
struct OpenBlock {
    Statement statement;
    bool inElse = false;
};

QString keywordOf(Statement::Kind kind)
{
    switch (kind) {
    case Statement::Kind::If:
        return QStringLiteral("if");
    case Statement::Kind::Keep:
        return QStringLiteral("keep");
    case Statement::Kind::Grid:
        return QStringLiteral("grid");
    case Statement::Kind::Each:
        return QStringLiteral("each");
    default:
        return QString();
    }
}

class Parser {
public:
    ReportTemplate run(const QString& text)
    {
        QStringList lines = text.split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.first().startsWith(QChar(0xFEFF)))
            lines.first().remove(0, 1);
        for (int i = 0; i < lines.size(); ++i) {
            QString line = lines[i];
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString trimmed = line.trimmed();
            if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
                continue;
            statementLine(trimmed, i + 1);
        }
        if (!stack_.isEmpty()) {
            const OpenBlock& open = stack_.last();
            throw ParseError{open.statement.line,
                             QStringLiteral("'%1' is never closed (with '%2')")
                                 .arg(keywordOf(open.statement.kind), open.statement.kind == Statement::Kind::If
                                                                          ? QStringLiteral("endif")
                                                                          : QStringLiteral("end"))};
        }
        assignValueColumns(result_.body);
        return result_;
    }

private:
    ReportTemplate result_;
    QList<OpenBlock> stack_;

    QList<Statement>& target()
    {
        if (stack_.isEmpty())
            return result_.body;
        OpenBlock& open = stack_.last();
        return open.inElse ? open.statement.elseBody : open.statement.body;
    }

    bool insideKind(Statement::Kind kind) const
    {
        for (const OpenBlock& open : stack_)
            if (open.statement.kind == kind)
                return true;
        return false;
    }

    static void expectTexts(const QList<Token>& args, int min, int max, const QString& keyword, int line)
    {
        for (const Token& t : args)
            if (t.kind != Token::Kind::Text)
                throw ParseError{
                    line, QStringLiteral("'%1' takes texts in double quotes; '%2' is not one").arg(keyword, t.value)};
        if (args.size() < min || (max >= 0 && args.size() > max)) {
            const QString count = min == max ? QString::number(min)
                                  : max < 0  ? QStringLiteral("at least %1").arg(min)
                                             : QStringLiteral("%1 to %2").arg(min).arg(max);
            throw ParseError{
                line,
                QStringLiteral("'%1' takes %2 text(s) in double quotes, not %3").arg(keyword, count).arg(args.size())};
        }
    }

    static void expectNothing(const QList<Token>& args, const QString& keyword, int line)
    {
        if (!args.isEmpty())
            throw ParseError{line, QStringLiteral("'%1' takes no arguments").arg(keyword)};
    }

    static QString nameArgument(const Token& token) { return token.value.trimmed(); }

    void add(Statement statement)
    {
        if (!stack_.isEmpty() && stack_.last().statement.kind == Statement::Kind::Grid)
            throw ParseError{statement.line, QStringLiteral("only 'column' lines may stand inside 'grid' … 'end'")};
        target().append(std::move(statement));
    }

    void open(Statement statement)
    {
        if (!stack_.isEmpty() && stack_.last().statement.kind == Statement::Kind::Grid)
            throw ParseError{statement.line, QStringLiteral("only 'column' lines may stand inside 'grid' … 'end'")};
        stack_.append(OpenBlock{std::move(statement), false});
    }

    void close(const QString& keyword, int line)
    {
        if (stack_.isEmpty())
            throw ParseError{line, QStringLiteral("'%1' without a block to close").arg(keyword)};
        OpenBlock block = stack_.takeLast();
        const bool isIf = block.statement.kind == Statement::Kind::If;
        if (isIf != (keyword == QLatin1String("endif"))) {
            throw ParseError{line, QStringLiteral("'%1' cannot close the '%2' of line %3; use '%4'")
                                       .arg(keyword, keywordOf(block.statement.kind))
                                       .arg(block.statement.line)
                                       .arg(isIf ? QStringLiteral("endif") : QStringLiteral("end"))};
        }
        if (block.statement.kind == Statement::Kind::Grid && block.statement.columns.isEmpty())
            throw ParseError{block.statement.line, QStringLiteral("'grid' needs at least one 'column' line")};
        target().append(std::move(block.statement));
    }

    void tableStatement(Statement& s, const QList<Token>& args, const QString& keyword)
    {
        // NAME [order COLUMN]
        if (args.isEmpty() || args.size() == 2 || args.size() > 3 || args[0].kind == Token::Kind::FieldRef)
            throw ParseError{s.line,
                             QStringLiteral("'%1' takes a table name and optionally 'order COLUMN'").arg(keyword)};
        s.table = nameArgument(args[0]);
        if (args.size() == 3) {
            if (args[1].value.compare(QLatin1String("order"), Qt::CaseInsensitive) != 0
                || args[1].kind != Token::Kind::Word || args[2].kind == Token::Kind::FieldRef)
                throw ParseError{s.line,
                                 QStringLiteral("'%1' takes a table name and optionally 'order COLUMN'").arg(keyword)};
            s.orderBy = nameArgument(args[2]);
        }
        if (s.table.isEmpty())
            throw ParseError{s.line, QStringLiteral("'%1' needs a table name").arg(keyword)};
    }

    void statementLine(const QString& line, int number)
    {
        QList<Token> tokens = tokenize(line, number);
        const Token head = tokens.takeFirst();
        if (head.kind != Token::Kind::Word)
            throw ParseError{number,
                             QStringLiteral("a line must start with a statement word, not '%1'").arg(head.value)};
        const QString keyword = head.value.toLower();
        Statement s;
        s.line = number;

        auto simpleText = [&](Statement::Kind kind) {
            expectTexts(tokens, 1, 1, keyword, number);
            s.kind = kind;
            s.texts << parseText(tokens[0].value, number);
            add(std::move(s));
        };

        if (keyword == QLatin1String("table")) {
            if (!stack_.isEmpty())
                throw ParseError{number, QStringLiteral("'table' cannot stand inside a block")};
            if (!result_.table.isEmpty())
                throw ParseError{number, QStringLiteral("'table' was already given on line %1").arg(result_.tableLine)};
            if (tokens.size() != 1 || tokens[0].kind == Token::Kind::FieldRef)
                throw ParseError{number, QStringLiteral("'table' takes one table name")};
            result_.table = nameArgument(tokens[0]);
            result_.tableLine = number;
        } else if (keyword == QLatin1String("page")) {
            if (tokens.size() != 1 || tokens[0].kind != Token::Kind::Word)
                throw ParseError{number, QStringLiteral("'page' takes 'portrait' or 'landscape'")};
            const QString orientation = tokens[0].value.toLower();
            if (orientation == QLatin1String("landscape"))
                result_.landscape = true;
            else if (orientation == QLatin1String("portrait"))
                result_.landscape = false;
            else
                throw ParseError{
                    number, QStringLiteral("'page' takes 'portrait' or 'landscape', not '%1'").arg(tokens[0].value)};
        } else if (keyword == QLatin1String("title")) {
            simpleText(Statement::Kind::Title);
        } else if (keyword == QLatin1String("subtitle")) {
            simpleText(Statement::Kind::Subtitle);
        } else if (keyword == QLatin1String("heading")) {
            simpleText(Statement::Kind::Heading);
        } else if (keyword == QLatin1String("text")) {
            simpleText(Statement::Kind::Text);
        } else if (keyword == QLatin1String("note")) {
            simpleText(Statement::Kind::Note);
        } else if (keyword == QLatin1String("columns") || keyword == QLatin1String("row")
                   || keyword == QLatin1String("total")) {
            expectTexts(tokens, 1, -1, keyword, number);
            s.kind = keyword == QLatin1String("columns") ? Statement::Kind::Columns
                     : keyword == QLatin1String("row")   ? Statement::Kind::Row
                                                         : Statement::Kind::Total;
            for (const Token& t : tokens)
                s.texts << parseText(t.value, number);
            add(std::move(s));
        } else if (keyword == QLatin1String("rule") || keyword == QLatin1String("space")
                   || keyword == QLatin1String("newpage")) {
            expectNothing(tokens, keyword, number);
            s.kind = keyword == QLatin1String("rule")    ? Statement::Kind::Rule
                     : keyword == QLatin1String("space") ? Statement::Kind::Space
                                                         : Statement::Kind::NewPage;
            add(std::move(s));
        } else if (keyword == QLatin1String("footer")) {
            if (!stack_.isEmpty())
                throw ParseError{number,
                                 QStringLiteral("'footer' belongs to every page and cannot stand inside a block")};
            expectTexts(tokens, 1, 1, keyword, number);
            result_.footers << parseText(tokens[0].value, number);
            if (!result_.footerLine)
                result_.footerLine = number;
        } else if (keyword == QLatin1String("if")) {
            s.kind = Statement::Kind::If;
            qsizetype at = 0;
            if (at < tokens.size() && tokens[at].kind == Token::Kind::Word
                && tokens[at].value.compare(QLatin1String("not"), Qt::CaseInsensitive) == 0) {
                s.condition.negate = true;
                ++at;
            }
            if (at >= tokens.size() || tokens[at].kind != Token::Kind::FieldRef || tokens[at].value.isEmpty())
                throw ParseError{number, QStringLiteral("'if' takes a field in braces: if {Field}, if not {Field}, "
                                                        "if {Field} = \"text\"")};
            s.condition.field = tokens[at].value;
            if (s.condition.field.contains(QLatin1Char(':')) || s.condition.field.startsWith(QLatin1Char('@')))
                throw ParseError{number, QStringLiteral("'if' tests a field of the table, without a format")};
            ++at;
            if (at < tokens.size()) {
                const Token& op = tokens[at];
                if (op.kind != Token::Kind::Word || (op.value != QLatin1String("=") && op.value != QLatin1String("!="))
                    || at + 2 != tokens.size() || tokens[at + 1].kind != Token::Kind::Text)
                    throw ParseError{number, QStringLiteral("'if' takes a field in braces: if {Field}, if not {Field}, "
                                                            "if {Field} = \"text\"")};
                s.condition.test = op.value == QLatin1String("=") ? Condition::Test::Equal : Condition::Test::NotEqual;
                s.condition.compareWith = parseText(tokens[at + 1].value, number);
            }
            open(std::move(s));
        } else if (keyword == QLatin1String("else")) {
            expectNothing(tokens, keyword, number);
            if (stack_.isEmpty() || stack_.last().statement.kind != Statement::Kind::If || stack_.last().inElse)
                throw ParseError{number, QStringLiteral("'else' without its 'if'")};
            stack_.last().inElse = true;
        } else if (keyword == QLatin1String("endif") || keyword == QLatin1String("end")) {
            expectNothing(tokens, keyword, number);
            close(keyword, number);
        } else if (keyword == QLatin1String("keep")) {
            expectNothing(tokens, keyword, number);
            if (insideKind(Statement::Kind::Keep) || insideKind(Statement::Kind::Each))
                throw ParseError{number, QStringLiteral("'keep' cannot stand inside 'keep' or 'each'")};
            s.kind = Statement::Kind::Keep;
            open(std::move(s));
        } else if (keyword == QLatin1String("grid") || keyword == QLatin1String("each")) {
            if (insideKind(Statement::Kind::Each) || insideKind(Statement::Kind::Keep)
                || insideKind(Statement::Kind::Grid))
                throw ParseError{number,
                                 QStringLiteral("'%1' cannot stand inside 'grid', 'each' or 'keep'").arg(keyword)};
            s.kind = keyword == QLatin1String("grid") ? Statement::Kind::Grid : Statement::Kind::Each;
            tableStatement(s, tokens, keyword);
            open(std::move(s));
        } else if (keyword == QLatin1String("column")) {
            if (stack_.isEmpty() || stack_.last().statement.kind != Statement::Kind::Grid)
                throw ParseError{number, QStringLiteral("'column' belongs inside 'grid' … 'end'")};
            GridColumn column;
            column.line = number;
            if (tokens.size() < 2 || tokens[0].kind != Token::Kind::Text || tokens[1].kind != Token::Kind::Text)
                throw ParseError{number,
                                 QStringLiteral("'column' takes \"HEADING\" \"VALUE\" [left|right|center] [WIDTH]")};
            column.heading = parseText(tokens[0].value, number);
            column.value = parseText(tokens[1].value, number);
            for (qsizetype i = 2; i < tokens.size(); ++i) {
                const QString word = tokens[i].value.toLower();
                if (tokens[i].kind != Token::Kind::Word)
                    throw ParseError{
                        number, QStringLiteral("'column' takes \"HEADING\" \"VALUE\" [left|right|center] [WIDTH]")};
                if (word == QLatin1String("left")) {
                    column.align = GridColumn::Align::Left;
                } else if (word == QLatin1String("right")) {
                    column.align = GridColumn::Align::Right;
                } else if (word == QLatin1String("center") || word == QLatin1String("centre")) {
                    column.align = GridColumn::Align::Center;
                } else {
                    QString digits = word;
                    if (digits.endsWith(QLatin1Char('%')))
                        digits.chop(1);
                    bool ok = false;
                    const double width = digits.toDouble(&ok);
                    if (!ok || !(width > 0 && width <= 100))
                        throw ParseError{number, QStringLiteral("the column width '%1' is not a per cent of the "
                                                                "page width between 1 and 100")
                                                     .arg(tokens[i].value)};
                    column.widthPercent = width;
                }
            }
            stack_.last().statement.columns << column;
        } else {
            throw ParseError{number, QStringLiteral("unknown statement '%1'").arg(head.value)};
        }
    }

    // A section runs from one `heading` or `columns` statement to the next; its rows share
    // one set of value columns, as many as its widest row (or its `columns` statement) has.
    static void assignValueColumns(QList<Statement>& body)
    {
        QList<Statement*> section;
        int widest = 0;
        auto finish = [&] {
            for (Statement* s : section)
                s->valueColumns = widest;
            section.clear();
            widest = 0;
        };
        std::function<void(QList<Statement>&)> walk = [&](QList<Statement>& statements) {
            for (Statement& s : statements) {
                switch (s.kind) {
                case Statement::Kind::Heading:
                    finish();
                    break;
                case Statement::Kind::Columns:
                    finish();
                    section << &s;
                    widest = std::max(widest, static_cast<int>(s.texts.size()) - 1);
                    break;
                case Statement::Kind::Row:
                case Statement::Kind::Total:
                    section << &s;
                    widest = std::max(widest, static_cast<int>(s.texts.size()) - 1);
                    break;
                case Statement::Kind::If:
                    walk(s.body);
                    walk(s.elseBody);
                    break;
                case Statement::Kind::Keep:
                case Statement::Kind::Each:
                    walk(s.body);
                    break;
                default:
                    break;
                }
            }
        };
        walk(body);
        finish();
    }
};

}  // namespace

std::optional<ReportTemplate> parseTemplate(const QString& text, QString* error)
{
    error->clear();
    try {
        Parser parser;
        return parser.run(text);
    } catch (const ParseError& e) {
        *error = QStringLiteral("line %1: %2").arg(e.line).arg(e.message);
        return std::nullopt;
    }
}

}  // namespace kestrel::report
