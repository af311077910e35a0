// Renders the manual KS2019Help.pdf from its Markdown chapters: each file is one or more
// chapters, taken in the order given on the command line.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cstdio>

namespace {

const QColor kHeadingColour(28, 46, 74);

// Markdown gives a plain document; give it the look of a manual: coloured headings, a new
// page for each chapter, tables with thin rules and a shaded heading row.
void styleDocument(QTextDocument& document)
{
    bool firstChapter = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level == 0)
            continue;
        QTextCursor cursor(block);
        QTextBlockFormat format = block.blockFormat();
        format.setTopMargin(level == 1 ? 0 : 14);
        format.setBottomMargin(6);
        if (level == 1) {
            if (!firstChapter)
                format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            firstChapter = false;
        }
        cursor.setBlockFormat(format);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat chars;
        chars.setForeground(kHeadingColour);
        chars.setFontPointSize(level == 1 ? 20 : level == 2 ? 14 : 11.5);
        chars.setFontWeight(QFont::Bold);
        cursor.mergeCharFormat(chars);
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(0.5);
        format.setBorderBrush(QColor(150, 160, 175));
        format.setBorderCollapse(true);
        format.setCellPadding(4);
        format.setCellSpacing(0);
        format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
        format.setHeaderRowCount(1);
        table->setFormat(format);
        for (int column = 0; column < table->columns(); ++column) {
            QTextTableCell cell = table->cellAt(0, column);
            QTextCharFormat cellFormat = cell.format();
            cellFormat.setBackground(QColor(226, 232, 242));
            cell.setFormat(cellFormat);
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: mkmanual OUTPUT.pdf CHAPTER.md...\n");
        return 2;
    }
    QString markdown;
    for (int i = 2; i < argc; ++i) {
        QFile chapter(QString::fromLocal8Bit(argv[i]));
        if (!chapter.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "mkmanual: cannot read %s\n", argv[i]);
            return 1;
        }
        const QString text = QString::fromUtf8(chapter.readAll()).trimmed();
        if (!text.isEmpty())
            markdown += text + QStringLiteral("\n\n");
    }

    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
    styleDocument(document);

    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setTitle(QStringLiteral("Kestrel 2019 manual"));
    writer.setCreator(QStringLiteral("Kestrel 2019"));
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 18, 20, 16),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    document.documentLayout()->setPaintDevice(&writer);
    const QRect page = writer.pageLayout().paintRectPixels(writer.resolution());
    const int footerHeight = writer.resolution() * 10 / 25;  // 10 mm
    const QSizeF body(page.width(), page.height() - footerHeight);
    document.setPageSize(body);
    const int pages = document.pageCount();
    QFont footerFont = font;
    footerFont.setPointSizeF(8);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, i * body.height()), body));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(QColor(110, 110, 110));
        const QRectF footer(0, body.height(), body.width(), footerHeight);
        painter.drawLine(QPointF(0, footer.top() + footerHeight * 0.3),
                         QPointF(body.width(), footer.top() + footerHeight * 0.3));
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Kestrel 2019 manual"));
        painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages));
    }
    painter.end();
    return 0;
}
