#pragma once
// Report templates (.rpt): the parsed form of a template file, as docs/report-templates.md
// describes the format. Parsing checks everything that can be checked without the data
// (statements, arguments, nesting, formats); an error names the line.

#include <QList>
#include <QString>

#include <optional>

namespace kestrel::report {

/// How a substituted value is shown ({Field:format}).
struct ValueFormat {
    enum class Kind { Plain, Money, Money0, Fixed, Date };
    Kind kind = Kind::Plain;
    int decimals = 0;  ///< for Fixed
};

/// One piece of a text argument: literal text, a field, or a built-in value.
struct TextPart {
    enum class Kind { Literal, Field, PageNumber, PageCount, PrintDate };
    Kind kind = Kind::Literal;
    QString text;  ///< the literal text, or the field name
    ValueFormat format;
};

/// A text argument with its {Field} substitutions.
struct TextTemplate {
    QList<TextPart> parts;
    QString source;  ///< as written in the template
};

/// The condition of `if`: a field that holds something, or a field compared with a text.
struct Condition {
    enum class Test { HasValue, Equal, NotEqual };
    QString field;
    bool negate = false;
    Test test = Test::HasValue;
    TextTemplate compareWith;
};

struct GridColumn {
    TextTemplate heading;
    TextTemplate value;
    enum class Align { Left, Right, Center } align = Align::Right;
    double widthPercent = 0;  ///< 0: an equal share of what the other columns leave
    int line = 0;
};

struct Statement {
    enum class Kind {
        Title,
        Subtitle,
        Heading,
        Columns,
        Row,
        Total,
        Text,
        Note,
        Rule,
        Space,
        NewPage,
        If,
        Keep,
        Grid,
        Each
    };
    Kind kind = Kind::Text;
    int line = 0;
    QList<TextTemplate> texts;  ///< the text arguments
    Condition condition;        ///< If
    QList<Statement> body;      ///< If (the statements laid out when the condition holds), Keep, Each
    QList<Statement> elseBody;  ///< If
    QString table;              ///< Grid, Each
    QString orderBy;            ///< Grid, Each: empty for the order the rows were added
    QList<GridColumn> columns;  ///< Grid
    /// Columns, Row, Total: how many value columns the section of this statement has (the
    /// most values of any row between two headings, or what a `columns` statement names).
    int valueColumns = 0;
};

struct ReportTemplate {
    QString fileName;  ///< for messages
    QString table;     ///< the single-record table, or empty
    int tableLine = 0;
    bool landscape = false;
    QList<Statement> body;
    QList<TextTemplate> footers;
    int footerLine = 0;
};

/// Parses a template. On an error returns nothing and sets `error` to
/// "line N: what is wrong".
std::optional<ReportTemplate> parseTemplate(const QString& text, QString* error);

}  // namespace kestrel::report
