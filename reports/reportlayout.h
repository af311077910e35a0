#pragma once
// The layout step of the report engine: a template and its data become a list of A4
// pages of positioned text items, rules and shaded bands, in points (1/72 inch) from the
// top-left corner of the paper. The layout does not depend on any paint device, so it can
// be compared with checked-in reference text (referenceText) and painted on the preview,
// a PDF or a printer alike (reports/reportpainter.h).

#include "reports/reportdata.h"
#include "reports/reporttemplate.h"

#include <QColor>
#include <QDate>
#include <QFont>
#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace kestrel::report {

/// The kinds of type on a page; each has one font, size and colour (fontFor, colorFor).
enum class TextStyle {
    Product,     ///< "Kestrel 2019" at the head of every page
    PageHeader,  ///< the date of printing, the title on later pages
    Title,
    Subtitle,
    Heading,
    Body,
    BodyBold,       ///< totals
    ColumnHeading,  ///< `columns` and grid headings
    GridCell,
    Paragraph,  ///< `text`
    Note,
    Footer
};

struct LayoutItem {
    enum class Kind { Text, Rule, Band };
    Kind kind = Kind::Text;
    QRectF box;        ///< Text: the box the text is aligned in; Band: the shaded area
    QLineF line;       ///< Rule
    double width = 0;  ///< Rule: line width in points
    QString text;
    TextStyle style = TextStyle::Body;
    Qt::Alignment align = Qt::AlignLeft;
    QColor color;  ///< Rule and Band
};

struct LayoutPage {
    QList<LayoutItem> items;
};

struct ReportLayout {
    QSizeF pageSize;  ///< points; A4 portrait 595.28 x 841.89
    bool landscape = false;
    QString title;  ///< the report's title as laid out (for the PDF's title)
    QList<LayoutPage> pages;
};

struct LayoutContext {
    QDate printDate = QDate::currentDate();
};

/// Lays the report out. The data must have been loaded for this template
/// (loadReportData), which also checked its fields.
ReportLayout layoutReport(const ReportTemplate& report, const ReportData& data, const LayoutContext& context = {});

/// The layout as text, one item per line with its position rounded to 0.1 pt: what the
/// layout tests compare with their reference files.
QString referenceText(const ReportLayout& layout);

/// The text of every page, items in reading order (top to bottom, left to right).
QStringList pageTexts(const ReportLayout& layout);

/// The font (size in points) and colour of a style.
QFont fontFor(TextStyle style);
QColor colorFor(TextStyle style);

/// How a value is shown in a format (docs/report-templates.md); null shows as nothing.
QString formatValue(const QVariant& value, FieldType type, const ValueFormat& format);

}  // namespace kestrel::report
