#include "reports/reportlayout.h"

#include "common/dates.h"
#include "common/numberformat.h"
#include "common/rounding.h"

#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <map>
#include <memory>

namespace kestrel::report {

namespace {

// --- Page geometry (points) ------------------------------------------------------------
constexpr double kA4Width = 595.2756;   // 210 mm
constexpr double kA4Height = 841.8898;  // 297 mm
constexpr double kMarginSide = 56.69;   // 20 mm
constexpr double kMarginTop = 42.52;    // 15 mm
constexpr double kMarginBottom = 42.52;
constexpr double kHeaderRule = 14;   // below the top margin
constexpr double kBodyTop = 30;      // below the top margin
constexpr double kValueColumn = 98;  // width of one value column of a statement
constexpr double kLabelGap = 12;
constexpr double kPageNumberWidth = 90;
constexpr double kCellPadding = 4;

// --- Colours ---------------------------------------------------------------------------
const QColor kAccent(0x1f, 0x3a, 0x5f);
const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kMuted(0x5b, 0x66, 0x73);
const QColor kRuleLight(0xc3, 0xcc, 0xd6);
const QColor kRowSeparator(0xe1, 0xe6, 0xec);
const QColor kHeaderBand(0xe6, 0xeb, 0xf2);
const QColor kZebraBand(0xf4, 0xf6, 0xf9);

// Markers for the page number and count, which are known only when every page is laid
// out; a marker character that comes from a value is escaped, so values print literally.
constexpr QChar kPageMarker(0xE000);
constexpr QChar kPagesMarker(0xE001);
constexpr QChar kEscapeMarker(0xE002);

QString escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == kPageMarker || c == kPagesMarker || c == kEscapeMarker)
            out += kEscapeMarker;
        out += c;
    }
    return out;
}

QString decoded(const QString& text, int page, int pages)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == kEscapeMarker && i + 1 < text.size())
            out += text.at(++i);
        else if (c == kPageMarker)
            out += QString::number(page);
        else if (c == kPagesMarker)
            out += QString::number(pages);
        else
            out += c;
    }
    return out;
}

// The text as it will be measured: page markers stand for two digits.
QString forMeasure(const QString& text)
{
    return decoded(text, 88, 88);
}

struct StyleSpec {
    double size;
    bool bold;
    QColor color;
    double line;  // line height
};

StyleSpec specOf(TextStyle style)
{
    switch (style) {
    case TextStyle::Product:
        return {7.5, true, kAccent, 10};
    case TextStyle::PageHeader:
        return {7.5, false, kMuted, 10};
    case TextStyle::Title:
        return {17, true, kAccent, 23};
    case TextStyle::Subtitle:
        return {10.5, false, QColor(0x3d, 0x46, 0x50), 15};
    case TextStyle::Heading:
        return {10, true, kAccent, 15};
    case TextStyle::Body:
        return {9.5, false, kInk, 15};
    case TextStyle::BodyBold:
        return {9.5, true, kInk, 15};
    case TextStyle::ColumnHeading:
        return {8, true, kMuted, 11};
    case TextStyle::GridCell:
        return {8.5, false, kInk, 12};
    case TextStyle::Paragraph:
        return {9.5, false, kInk, 13.5};
    case TextStyle::Note:
        return {7.5, false, kMuted, 10.5};
    case TextStyle::Footer:
        return {7.5, false, kMuted, 10};
    }
    return {9.5, false, kInk, 15};
}

// Widths of text in points, measured on a 1200 dpi device so that the result does not
// depend on the screen.
class Metrics {
public:
    static Metrics& instance()
    {
        static Metrics metrics;
        return metrics;
    }

    double width(const QString& text, TextStyle style)
    {
        return metrics(style).horizontalAdvance(forMeasure(text)) * 72.0 / kDpi;
    }

    QString elided(const QString& text, TextStyle style, double width)
    {
        return metrics(style).elidedText(text, Qt::ElideRight, width * kDpi / 72.0);
    }

private:
    static constexpr double kDpi = 1200;
    Metrics() : device_(1, 1, QImage::Format_RGB32)
    {
        const int dotsPerMeter = static_cast<int>(std::lround(kDpi / 0.0254));
        device_.setDotsPerMeterX(dotsPerMeter);
        device_.setDotsPerMeterY(dotsPerMeter);
    }
    QFontMetricsF& metrics(TextStyle style)
    {
        auto it = cache_.find(style);
        if (it == cache_.end())
            it = cache_.emplace(style, std::make_unique<QFontMetricsF>(fontFor(style), &device_)).first;
        return *it->second;
    }
    QImage device_;
    std::map<TextStyle, std::unique_ptr<QFontMetricsF>> cache_;
};

double measure(const QString& text, TextStyle style)
{
    return Metrics::instance().width(text, style);
}

// Greedy word wrap; a word wider than the line is broken between characters.
QStringList wrap(const QString& text, TextStyle style, double width)
{
    QStringList lines;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString& paragraph : paragraphs) {
        const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QString current;
        for (QString word : words) {
            const QString candidate = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
            if (measure(candidate, style) <= width) {
                current = candidate;
                continue;
            }
            if (!current.isEmpty())
                lines << current;
            current.clear();
            while (measure(word, style) > width && word.size() > 1) {
                qsizetype fit = 1;
                while (fit < word.size() && measure(word.left(fit + 1), style) <= width)
                    ++fit;
                // Never split an escape marker from the character it escapes.
                if (word.at(fit - 1) == kEscapeMarker && fit < word.size())
                    ++fit;
                lines << word.left(fit);
                word = word.mid(fit);
            }
            current = word;
        }
        if (!current.isEmpty() || lines.isEmpty() || paragraphs.size() > 1)
            lines << current;
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

QString groupDigits(const QString& plain)
{
    // plain: optional '-', digits, optional decimals
    const bool negative = plain.startsWith(QLatin1Char('-'));
    QString digits = negative ? plain.mid(1) : plain;
    QString decimals;
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        decimals = digits.mid(point);
        digits = digits.left(point);
    }
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += QLatin1Char(' ');
        grouped += digits.at(i);
    }
    return (negative ? QStringLiteral("-") : QString()) + grouped + decimals;
}

QString shortestSingle(double value)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value), std::chars_format::fixed);
    if (result.ec != std::errc())
        return formatPlain(value);
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

std::optional<double> numericValue(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return value.toDouble();
    default:
        return std::nullopt;
    }
}

bool hasValue(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return false;
    if (const std::optional<double> number = numericValue(value))
        return *number != 0;
    return !value.toString().isEmpty();
}

QString alignName(Qt::Alignment align)
{
    if (align & Qt::AlignRight)
        return QStringLiteral("right");
    if (align & Qt::AlignHCenter)
        return QStringLiteral("center");
    return QStringLiteral("left");
}

QString styleName(TextStyle style)
{
    switch (style) {
    case TextStyle::Product:
        return QStringLiteral("product");
    case TextStyle::PageHeader:
        return QStringLiteral("pageheader");
    case TextStyle::Title:
        return QStringLiteral("title");
    case TextStyle::Subtitle:
        return QStringLiteral("subtitle");
    case TextStyle::Heading:
        return QStringLiteral("heading");
    case TextStyle::Body:
        return QStringLiteral("body");
    case TextStyle::BodyBold:
        return QStringLiteral("bold");
    case TextStyle::ColumnHeading:
        return QStringLiteral("colhead");
    case TextStyle::GridCell:
        return QStringLiteral("cell");
    case TextStyle::Paragraph:
        return QStringLiteral("paragraph");
    case TextStyle::Note:
        return QStringLiteral("note");
    case TextStyle::Footer:
        return QStringLiteral("footer");
    }
    return QString();
}

// --- The layouter ----------------------------------------------------------------------

// A piece of the page flow that is never split: items with y measured from its top.
struct Block {
    double height = 0;
    double spaceBefore = 0;  // dropped at the top of a page
    double keepBelow = 0;    // room the following blocks need on the same page (headings)
    bool breakBefore = false;
    QList<LayoutItem> items;
};

LayoutItem textItem(const QRectF& box, const QString& text, TextStyle style, Qt::Alignment align = Qt::AlignLeft)
{
    LayoutItem item;
    item.kind = LayoutItem::Kind::Text;
    item.box = box;
    item.text = text;
    item.style = style;
    item.align = align;
    return item;
}

LayoutItem ruleItem(double x1, double y, double x2, double width, const QColor& color)
{
    LayoutItem item;
    item.kind = LayoutItem::Kind::Rule;
    item.line = QLineF(x1, y, x2, y);
    item.width = width;
    item.color = color;
    return item;
}

LayoutItem bandItem(const QRectF& rect, const QColor& color)
{
    LayoutItem item;
    item.kind = LayoutItem::Kind::Band;
    item.box = rect;
    item.color = color;
    return item;
}

class Layouter {
public:
    Layouter(const ReportTemplate& report, const ReportData& data, const LayoutContext& context)
        : report_(report), data_(data), context_(context)
    {
        out_.landscape = report.landscape;
        out_.pageSize = report.landscape ? QSizeF(kA4Height, kA4Width) : QSizeF(kA4Width, kA4Height);
        left_ = kMarginSide;
        right_ = out_.pageSize.width() - kMarginSide;
        width_ = right_ - left_;
        bodyTop_ = kMarginTop + kBodyTop;

        for (const TextTemplate& footer : report.footers)
            footerLines_ << wrap(substitute(footer), TextStyle::Footer, width_ - kPageNumberWidth);
        const double footerLine = specOf(TextStyle::Footer).line;
        footerTop_ =
            out_.pageSize.height() - kMarginBottom - 4 - std::max<qsizetype>(1, footerLines_.size()) * footerLine;
        bodyBottom_ = footerTop_ - 8;
    }

    ReportLayout run()
    {
        newPage();
        statements(report_.body);
        finish();
        return out_;
    }

private:
    const ReportTemplate& report_;
    const ReportData& data_;
    const LayoutContext& context_;
    ReportLayout out_;
    double left_ = 0, right_ = 0, width_ = 0, bodyTop_ = 0, bodyBottom_ = 0, footerTop_ = 0;
    double y_ = 0;
    QList<Block>* sink_ = nullptr;
    const TableData* rowTable_ = nullptr;
    const QList<QVariant>* row_ = nullptr;
    QString title_;
    QStringList footerLines_;

    // --- values ---

    const QVariant* lookup(const QString& field, FieldType* type) const
    {
        if (rowTable_ && row_) {
            const int i = rowTable_->indexOf(field);
            if (i >= 0) {
                *type = rowTable_->columns[i].type;
                return &(*row_)[i];
            }
        }
        if (data_.record) {
            const int i = data_.record->indexOf(field);
            if (i >= 0) {
                *type = data_.record->columns[i].type;
                return &data_.record->rows.first()[i];
            }
        }
        return nullptr;
    }

    QString substitute(const TextTemplate& t) const
    {
        QString out;
        for (const TextPart& part : t.parts) {
            switch (part.kind) {
            case TextPart::Kind::Literal:
                out += escaped(part.text);
                break;
            case TextPart::Kind::Field: {
                FieldType type = FieldType::Other;
                if (const QVariant* value = lookup(part.text, &type))
                    out += escaped(formatValue(*value, type, part.format));
                break;
            }
            case TextPart::Kind::PageNumber:
                out += kPageMarker;
                break;
            case TextPart::Kind::PageCount:
                out += kPagesMarker;
                break;
            case TextPart::Kind::PrintDate:
                out += formatDate(context_.printDate);
                break;
            }
        }
        return out;
    }

    bool holds(const Condition& condition) const
    {
        FieldType type = FieldType::Other;
        const QVariant* value = lookup(condition.field, &type);
        bool result = false;
        switch (condition.test) {
        case Condition::Test::HasValue:
            result = value && hasValue(*value);
            break;
        case Condition::Test::Equal:
        case Condition::Test::NotEqual: {
            const QString shown = value ? formatValue(*value, type, {}) : QString();
            const bool equal = shown == decoded(substitute(condition.compareWith), 0, 0);
            result = condition.test == Condition::Test::Equal ? equal : !equal;
            break;
        }
        }
        return condition.negate ? !result : result;
    }

    // --- page flow ---

    void newPage()
    {
        out_.pages.append(LayoutPage{});
        y_ = bodyTop_;
    }

    bool atPageTop() const { return y_ <= bodyTop_ + 0.01; }

    void emit(Block block)
    {
        if (sink_)
            sink_->append(std::move(block));
        else
            place(block);
    }

    void place(const Block& block)
    {
        if (block.breakBefore && !atPageTop())
            newPage();
        double before = atPageTop() ? 0 : block.spaceBefore;
        if (!atPageTop() && y_ + before + block.height + block.keepBelow > bodyBottom_) {
            newPage();
            before = 0;
        }
        if (block.items.isEmpty() && atPageTop())
            return;  // empty space at the top of a page
        y_ += before;
        LayoutPage& page = out_.pages.last();
        for (LayoutItem item : block.items) {
            item.box.translate(0, y_);
            item.line.translate(0, y_);
            page.items.append(item);
        }
        y_ += block.height;
    }

    // Blocks that stay on one page when they fit on one.
    void placeTogether(const QList<Block>& blocks)
    {
        double total = 0;
        for (qsizetype i = 0; i < blocks.size(); ++i)
            total += blocks[i].height + (i > 0 ? blocks[i].spaceBefore : 0);
        const double firstSpace = blocks.isEmpty() ? 0 : blocks.first().spaceBefore;
        if (!atPageTop() && y_ + firstSpace + total > bodyBottom_ && total <= bodyBottom_ - bodyTop_)
            newPage();
        for (const Block& block : blocks)
            place(block);
    }

    // --- statements ---

    void statements(const QList<Statement>& list)
    {
        for (const Statement& s : list)
            statement(s);
    }

    void statement(const Statement& s)
    {
        switch (s.kind) {
        case Statement::Kind::Title:
            lines(s, TextStyle::Title, 0, 0);
            break;
        case Statement::Kind::Subtitle:
            lines(s, TextStyle::Subtitle, 1, 0);
            break;
        case Statement::Kind::Heading:
            heading(s);
            break;
        case Statement::Kind::Columns:
            columns(s);
            break;
        case Statement::Kind::Row:
        case Statement::Kind::Total:
            row(s);
            break;
        case Statement::Kind::Text:
            lines(s, TextStyle::Paragraph, 3, 0);
            break;
        case Statement::Kind::Note:
            lines(s, TextStyle::Note, 4, 0);
            break;
        case Statement::Kind::Rule: {
            Block block;
            block.height = 8;
            block.items << ruleItem(left_, 4, right_, 0.5, kRuleLight);
            emit(block);
            break;
        }
        case Statement::Kind::Space: {
            Block block;
            block.height = 7;
            emit(block);
            break;
        }
        case Statement::Kind::NewPage: {
            Block block;
            block.breakBefore = true;
            emit(block);
            break;
        }
        case Statement::Kind::If:
            statements(holds(s.condition) ? s.body : s.elseBody);
            break;
        case Statement::Kind::Keep:
            together(s.body);
            break;
        case Statement::Kind::Each:
            each(s);
            break;
        case Statement::Kind::Grid:
            grid(s);
            break;
        }
    }

    void together(const QList<Statement>& body)
    {
        QList<Block> blocks;
        QList<Block>* outer = sink_;
        sink_ = &blocks;
        statements(body);
        sink_ = outer;
        if (sink_)
            sink_->append(blocks);
        else
            placeTogether(blocks);
    }

    // Title, subtitle, text and note: wrapped lines. The title and subtitle keep their
    // lines together; paragraphs may run over a page break between lines.
    void lines(const Statement& s, TextStyle style, double spaceBefore, double spaceAfter)
    {
        const QString text = substitute(s.texts.value(0));
        if (decoded(text, 1, 1).trimmed().isEmpty())
            return;
        const StyleSpec spec = specOf(style);
        const QStringList wrapped = wrap(text, style, width_);
        if (style == TextStyle::Title && title_.isEmpty())
            title_ = text;
        const bool keep = style == TextStyle::Title || style == TextStyle::Subtitle;
        if (keep) {
            Block block;
            block.spaceBefore = spaceBefore;
            for (qsizetype i = 0; i < wrapped.size(); ++i)
                block.items << textItem(QRectF(left_, i * spec.line, width_, spec.line), wrapped[i], style);
            block.height = wrapped.size() * spec.line + spaceAfter;
            emit(block);
            return;
        }
        for (qsizetype i = 0; i < wrapped.size(); ++i) {
            Block block;
            block.spaceBefore = i == 0 ? spaceBefore : 0;
            block.height = spec.line;
            block.items << textItem(QRectF(left_, 0, width_, spec.line), wrapped[i], style);
            emit(block);
        }
    }

    void heading(const Statement& s)
    {
        const QString text = substitute(s.texts.value(0));
        if (decoded(text, 1, 1).trimmed().isEmpty())
            return;
        Block block;
        block.spaceBefore = 12;
        block.keepBelow = 2 * specOf(TextStyle::Body).line;
        const QStringList wrapped = wrap(text, TextStyle::Heading, width_);
        const double line = specOf(TextStyle::Heading).line;
        for (qsizetype i = 0; i < wrapped.size(); ++i)
            block.items << textItem(QRectF(left_, i * line, width_, line), wrapped[i], TextStyle::Heading);
        const double ruleY = wrapped.size() * line + 2;
        block.items << ruleItem(left_, ruleY, right_, 0.75, kAccent);
        block.height = ruleY + 4;
        emit(block);
    }

    QRectF valueColumn(int index, int count, double top, double height) const
    {
        return QRectF(right_ - (count - index) * kValueColumn, top, kValueColumn, height);
    }

    double labelWidth(int valueColumns) const
    {
        return valueColumns > 0 ? width_ - valueColumns * kValueColumn - kLabelGap : width_;
    }

    void columns(const Statement& s)
    {
        const int count = std::max(s.valueColumns, static_cast<int>(s.texts.size()) - 1);
        const StyleSpec spec = specOf(TextStyle::ColumnHeading);
        Block block;
        block.spaceBefore = 4;
        block.keepBelow = specOf(TextStyle::Body).line;
        // Each heading as wrapped lines; headings of fewer lines sit down on the rule.
        QList<QStringList> headings;
        headings << wrap(substitute(s.texts.value(0)), TextStyle::ColumnHeading, labelWidth(count));
        for (int k = 1; k < s.texts.size(); ++k)
            headings << wrap(substitute(s.texts[k]), TextStyle::ColumnHeading, kValueColumn - 4);
        qsizetype rows = 1;
        for (const QStringList& heading : headings)
            rows = std::max(rows, heading.size());
        for (qsizetype h = 0; h < headings.size(); ++h) {
            const double offset = (rows - headings[h].size()) * spec.line;
            for (qsizetype i = 0; i < headings[h].size(); ++i) {
                const double top = offset + i * spec.line;
                if (h == 0)
                    block.items << textItem(QRectF(left_, top, labelWidth(count), spec.line), headings[h][i],
                                            TextStyle::ColumnHeading);
                else
                    block.items << textItem(valueColumn(static_cast<int>(h) - 1, count, top, spec.line), headings[h][i],
                                            TextStyle::ColumnHeading, Qt::AlignRight);
            }
        }
        const double height = rows * spec.line;
        block.items << ruleItem(left_, height + 2, right_, 0.5, kRuleLight);
        block.height = height + 4;
        emit(block);
    }

    void row(const Statement& s)
    {
        const bool total = s.kind == Statement::Kind::Total;
        const TextStyle style = total ? TextStyle::BodyBold : TextStyle::Body;
        const int count = s.valueColumns;
        const QString label = substitute(s.texts.value(0));
        QStringList values;
        bool empty = decoded(label, 1, 1).trimmed().isEmpty();
        for (int k = 1; k < s.texts.size(); ++k) {
            values << oneLine(substitute(s.texts[k])).trimmed();
            empty = empty && decoded(values.last(), 1, 1).trimmed().isEmpty();
        }
        if (empty)
            return;
        const StyleSpec spec = specOf(style);
        const QStringList wrapped = wrap(label, style, labelWidth(count));
        const double wrappedLine = 12.5;
        const double height = wrapped.size() <= 1 ? spec.line : wrapped.size() * wrappedLine + 2.5;
        Block block;
        block.height = height;
        if (total) {
            // The rule of a sum stands over each amount it totals (over the label when
            // the total has no amount).
            block.spaceBefore = 3;
            bool ruled = false;
            for (qsizetype k = 0; k < values.size(); ++k) {
                if (values[k].isEmpty())
                    continue;
                const QRectF column = valueColumn(static_cast<int>(k), count, 0, 0);
                block.items << ruleItem(column.left() + 8, 0, column.right(), 0.75, kInk);
                ruled = true;
            }
            if (!ruled)
                block.items << ruleItem(left_, 0, left_ + labelWidth(count), 0.75, kInk);
        }
        if (wrapped.size() <= 1) {
            block.items << textItem(QRectF(left_, 0, labelWidth(count), spec.line), wrapped.value(0), style);
        } else {
            for (qsizetype i = 0; i < wrapped.size(); ++i)
                block.items << textItem(QRectF(left_, 1.25 + i * wrappedLine, labelWidth(count), wrappedLine),
                                        wrapped[i], style);
        }
        for (qsizetype k = 0; k < values.size(); ++k) {
            if (values[k].isEmpty())
                continue;
            block.items << textItem(valueColumn(static_cast<int>(k), count, 0, spec.line), values[k], style,
                                    Qt::AlignRight);
        }
        if (!total)
            block.items << ruleItem(left_, height, right_, 0.4, kRowSeparator);
        emit(block);
    }

    QList<const QList<QVariant>*> orderedRows(const TableData& table, const QString& orderBy) const
    {
        QList<const QList<QVariant>*> rows;
        for (const QList<QVariant>& row : table.rows)
            rows << &row;
        const int column = orderBy.isEmpty() ? -1 : table.indexOf(orderBy);
        if (column < 0)
            return rows;
        std::stable_sort(rows.begin(), rows.end(), [column](const QList<QVariant>* a, const QList<QVariant>* b) {
            const QVariant& x = (*a)[column];
            const QVariant& y = (*b)[column];
            if (x.isNull() || y.isNull())
                return x.isNull() && !y.isNull();
            const std::optional<double> nx = numericValue(x);
            const std::optional<double> ny = numericValue(y);
            if (nx && ny)
                return *nx < *ny;
            return x.toString() < y.toString();
        });
        return rows;
    }

    void each(const Statement& s)
    {
        const TableData* table = data_.table(s.table);
        if (!table)
            return;
        const TableData* outerTable = rowTable_;
        const QList<QVariant>* outerRow = row_;
        for (const QList<QVariant>* row : orderedRows(*table, s.orderBy)) {
            rowTable_ = table;
            row_ = row;
            together(s.body);
        }
        rowTable_ = outerTable;
        row_ = outerRow;
    }

    void grid(const Statement& s)
    {
        const TableData* table = data_.table(s.table);
        if (!table)
            return;
        // Column widths: the given per cents, the rest shared by the others; scaled to
        // the page width when they add up to more.
        QList<double> percents;
        double given = 0;
        int open = 0;
        for (const GridColumn& column : s.columns) {
            percents << column.widthPercent;
            given += column.widthPercent;
            if (column.widthPercent <= 0)
                ++open;
        }
        const double share = open > 0 ? std::max(100.0 - given, 8.0 * open) / open : 0;
        double sum = 0;
        for (double& p : percents) {
            if (p <= 0)
                p = share;
            sum += p;
        }
        QList<QRectF> cells;
        double x = left_;
        for (const double p : percents) {
            const double w = width_ * p / sum;
            cells << QRectF(x, 0, w, 0);
            x += w;
        }
        auto alignOf = [](GridColumn::Align align) -> Qt::Alignment {
            switch (align) {
            case GridColumn::Align::Left:
                return Qt::AlignLeft;
            case GridColumn::Align::Center:
                return Qt::AlignHCenter;
            case GridColumn::Align::Right:
                break;
            }
            return Qt::AlignRight;
        };
        auto cellBlock = [&](const QList<QString>& texts, TextStyle style, double line, bool band,
                             const QColor& bandColor) {
            Block block;
            QList<QStringList> wrapped;
            qsizetype rows = 1;
            for (qsizetype i = 0; i < texts.size(); ++i) {
                wrapped << wrap(oneLine(texts[i]), style, cells[i].width() - 2 * kCellPadding);
                rows = std::max(rows, wrapped.last().size());
            }
            const double height = rows * line + 3;
            if (band)
                block.items << bandItem(QRectF(left_, 0, width_, height), bandColor);
            for (qsizetype i = 0; i < texts.size(); ++i) {
                const QRectF cell = cells[i].adjusted(kCellPadding, 0, -kCellPadding, 0);
                for (qsizetype l = 0; l < wrapped[i].size(); ++l)
                    block.items << textItem(QRectF(cell.x(), 1.5 + l * line, cell.width(), line), wrapped[i][l], style,
                                            alignOf(s.columns[i].align));
            }
            block.height = height;
            return block;
        };

        const TableData* outerTable = rowTable_;
        const QList<QVariant>* outerRow = row_;
        rowTable_ = nullptr;
        row_ = nullptr;
        QList<QString> headings;
        for (const GridColumn& column : s.columns)
            headings << substitute(column.heading);
        Block header =
            cellBlock(headings, TextStyle::ColumnHeading, specOf(TextStyle::ColumnHeading).line, true, kHeaderBand);
        header.items << ruleItem(left_, header.height, right_, 0.6, kAccent);
        header.spaceBefore = 6;

        QList<Block> rows;
        int index = 0;
        for (const QList<QVariant>* row : orderedRows(*table, s.orderBy)) {
            rowTable_ = table;
            row_ = row;
            QList<QString> values;
            for (const GridColumn& column : s.columns)
                values << substitute(column.value);
            rows << cellBlock(values, TextStyle::GridCell, specOf(TextStyle::GridCell).line, index % 2 == 1,
                              kZebraBand);
            ++index;
        }
        rowTable_ = outerTable;
        row_ = outerRow;

        if (sink_) {
            sink_->append(header);
            sink_->append(rows);
            return;
        }
        // The header and the first row start together; every page the grid runs onto
        // starts with the header again.
        const double firstRow = rows.isEmpty() ? 0 : rows.first().height;
        if (!atPageTop() && y_ + header.spaceBefore + header.height + firstRow > bodyBottom_)
            newPage();
        place(header);
        for (const Block& row : rows) {
            if (y_ + row.height > bodyBottom_) {
                newPage();
                place(header);
            }
            place(row);
        }
        Block closing;
        closing.height = 4;
        closing.items << ruleItem(left_, 0, right_, 0.5, kRuleLight);
        place(closing);
    }

    // Page heads and feet, and the page numbers, once every page is laid out.
    void finish()
    {
        const int pages = static_cast<int>(out_.pages.size());
        const double top = kMarginTop;
        const StyleSpec head = specOf(TextStyle::Product);
        const StyleSpec foot = specOf(TextStyle::Footer);
        const QString title = decoded(title_, 1, pages).simplified();
        for (int i = 0; i < pages; ++i) {
            LayoutPage& page = out_.pages[i];
            for (LayoutItem& item : page.items)
                if (item.kind == LayoutItem::Kind::Text)
                    item.text = decoded(item.text, i + 1, pages);
            QList<LayoutItem> frame;
            frame << textItem(QRectF(left_, top, width_ / 2, head.line), QStringLiteral("Kestrel 2019"),
                              TextStyle::Product);
            QString right =
                i == 0 || title.isEmpty() ? QStringLiteral("Printed ") + formatDate(context_.printDate) : title;
            right = Metrics::instance().elided(right, TextStyle::PageHeader, width_ / 2);
            frame << textItem(QRectF(left_ + width_ / 2, top, width_ / 2, head.line), right, TextStyle::PageHeader,
                              Qt::AlignRight);
            frame << ruleItem(left_, top + kHeaderRule, right_, 0.5, kRuleLight);
            frame << ruleItem(left_, footerTop_, right_, 0.5, kRuleLight);
            for (qsizetype l = 0; l < footerLines_.size(); ++l)
                frame << textItem(QRectF(left_, footerTop_ + 4 + l * foot.line, width_ - kPageNumberWidth, foot.line),
                                  decoded(footerLines_[l], i + 1, pages), TextStyle::Footer);
            frame << textItem(QRectF(right_ - kPageNumberWidth, footerTop_ + 4, kPageNumberWidth, foot.line),
                              QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages), TextStyle::Footer, Qt::AlignRight);
            page.items = frame + page.items;
        }
        out_.title = title;
    }
};

}  // namespace

QFont fontFor(TextStyle style)
{
    const StyleSpec spec = specOf(style);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(spec.size);
    font.setBold(spec.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QColor colorFor(TextStyle style)
{
    return specOf(style).color;
}

QString formatValue(const QVariant& value, FieldType type, const ValueFormat& format)
{
    if (!value.isValid() || value.isNull())
        return QString();
    std::optional<double> number = numericValue(value);
    if (!number) {
        if (format.kind == ValueFormat::Kind::Plain)
            return value.toString();
        // A text holding a number takes the format; any other text prints as it is.
        bool ok = false;
        const double parsed = value.toString().trimmed().toDouble(&ok);
        if (!ok)
            return value.toString();
        number = parsed;
    }
    const double v = *number;
    switch (format.kind) {
    case ValueFormat::Kind::Plain:
        if (type == FieldType::Single && std::isfinite(v) && std::fabs(v) <= static_cast<double>(FLT_MAX))
            return shortestSingle(v);
        if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
            return QString::number(value.toLongLong());
        return formatPlain(v);
    case ValueFormat::Kind::Money:
        return formatGrouped(v);
    case ValueFormat::Kind::Money0: {
        const QString fixed = formatFixed(v, 0);
        return std::isfinite(v) ? groupDigits(fixed) : fixed;
    }
    case ValueFormat::Kind::Fixed:
        return formatFixed(v, format.decimals);
    case ValueFormat::Kind::Date:
        if (!std::isfinite(v) || std::fabs(v) > 2958465)  // beyond 31/12/9999
            return formatPlain(v);
        return formatDate(static_cast<DayNumber>(vbInt(v)));
    }
    return value.toString();
}

ReportLayout layoutReport(const ReportTemplate& report, const ReportData& data, const LayoutContext& context)
{
    Layouter layouter(report, data, context);
    return layouter.run();
}

QString referenceText(const ReportLayout& layout)
{
    auto n = [](double v) { return QString::number(std::round(v * 10) / 10, 'f', 1); };
    QString out;
    out += QStringLiteral("layout %1x%2 %3 pages=%4 title=\"%5\"\n")
               .arg(n(layout.pageSize.width()), n(layout.pageSize.height()),
                    layout.landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
               .arg(layout.pages.size())
               .arg(layout.title);
    for (qsizetype p = 0; p < layout.pages.size(); ++p) {
        out += QStringLiteral("page %1\n").arg(p + 1);
        for (const LayoutItem& item : layout.pages[p].items) {
            switch (item.kind) {
            case LayoutItem::Kind::Text:
                out += QStringLiteral("  text %1 %2 %3 %4 %5 %6 \"%7\"\n")
                           .arg(styleName(item.style), alignName(item.align), n(item.box.x()), n(item.box.y()),
                                n(item.box.width()), n(item.box.height()), item.text);
                break;
            case LayoutItem::Kind::Rule:
                out +=
                    QStringLiteral("  rule %1 %2 %3 %4 w=%5\n")
                        .arg(n(item.line.x1()), n(item.line.y1()), n(item.line.x2()), n(item.line.y2()), n(item.width));
                break;
            case LayoutItem::Kind::Band:
                out += QStringLiteral("  band %1 %2 %3 %4\n")
                           .arg(n(item.box.x()), n(item.box.y()), n(item.box.width()), n(item.box.height()));
                break;
            }
        }
    }
    return out;
}

QStringList pageTexts(const ReportLayout& layout)
{
    QStringList pages;
    for (const LayoutPage& page : layout.pages) {
        QList<const LayoutItem*> texts;
        for (const LayoutItem& item : page.items)
            if (item.kind == LayoutItem::Kind::Text && !item.text.isEmpty())
                texts << &item;
        std::stable_sort(texts.begin(), texts.end(), [](const LayoutItem* a, const LayoutItem* b) {
            if (std::fabs(a->box.top() - b->box.top()) > 0.5)
                return a->box.top() < b->box.top();
            return a->box.left() < b->box.left();
        });
        QStringList lines;
        double lineTop = -1000;
        for (const LayoutItem* item : texts) {
            if (!lines.isEmpty() && std::fabs(item->box.top() - lineTop) <= 0.5) {
                lines.last() += QStringLiteral("  ") + item->text;
            } else {
                lines << item->text;
                lineTop = item->box.top();
            }
        }
        pages << lines.join(QLatin1Char('\n'));
    }
    return pages;
}

}  // namespace kestrel::report
