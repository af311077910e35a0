#include "reports/reportpainter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace kestrel::report {

namespace {

QPageLayout pageLayoutOf(const ReportLayout& layout)
{
    return QPageLayout(QPageSize(QPageSize::A4), layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Point);
}

void paintAll(QPainter& painter, QPagedPaintDevice& device, const ReportLayout& layout)
{
    for (int i = 0; i < layout.pages.size(); ++i) {
        if (i > 0)
            device.newPage();
        paintPage(painter, layout, i);
    }
}

}  // namespace

void paintPage(QPainter& painter, const ReportLayout& layout, int page)
{
    if (page < 0 || page >= layout.pages.size())
        return;
    const QPaintDevice* device = painter.device();
    const double sx = device->logicalDpiX() / 72.0;
    const double sy = device->logicalDpiY() / 72.0;
    auto rect = [&](const QRectF& r) { return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const LayoutPage& items = layout.pages[page];
    // Shading first, then rules, then the text over them.
    for (const LayoutItem& item : items.items)
        if (item.kind == LayoutItem::Kind::Band)
            painter.fillRect(rect(item.box), item.color);
    for (const LayoutItem& item : items.items) {
        if (item.kind != LayoutItem::Kind::Rule)
            continue;
        QPen pen(item.color);
        pen.setWidthF(item.width * sy);
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        painter.drawLine(QLineF(item.line.x1() * sx, item.line.y1() * sy, item.line.x2() * sx, item.line.y2() * sy));
    }
    TextStyle current = TextStyle::Body;
    bool fontSet = false;
    for (const LayoutItem& item : items.items) {
        if (item.kind != LayoutItem::Kind::Text || item.text.isEmpty())
            continue;
        if (!fontSet || item.style != current) {
            painter.setFont(fontFor(item.style));
            painter.setPen(colorFor(item.style));
            current = item.style;
            fontSet = true;
        }
        // Plain text only: a value is never read as markup.
        painter.drawText(rect(item.box),
                         static_cast<int>(item.align | Qt::AlignVCenter | Qt::TextSingleLine) | Qt::TextDontClip,
                         item.text);
    }
    painter.restore();
}

QImage renderPage(const ReportLayout& layout, int page, double dotsPerInch)
{
    const QSize size(static_cast<int>(std::ceil(layout.pageSize.width() * dotsPerInch / 72.0)),
                     static_cast<int>(std::ceil(layout.pageSize.height() * dotsPerInch / 72.0)));
    QImage image(size, QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPage(painter, layout, page);
    painter.end();
    return image;
}

QString writePdf(const ReportLayout& layout, const QString& path, const QString& documentTitle)
{
    {
        QPdfWriter writer(path);
        writer.setResolution(1200);
        writer.setPageLayout(pageLayoutOf(layout));
        writer.setTitle(documentTitle);
        writer.setCreator(QStringLiteral("Kestrel 2019"));
        QPainter painter;
        if (!painter.begin(&writer))
            return QStringLiteral("The file %1 could not be written.").arg(path);
        paintAll(painter, writer, layout);
        if (!painter.end())
            return QStringLiteral("The file %1 could not be written.").arg(path);
    }
    const QFileInfo written(path);
    if (!written.exists() || written.size() == 0)
        return QStringLiteral("The file %1 could not be written.").arg(path);
    return QString();
}

QString resolvePrinter(const QString& printerName, QString* error)
{
    error->clear();
    if (!printerName.isEmpty()) {
        const QPrinterInfo named = QPrinterInfo::printerInfo(printerName);
        if (named.isNull()) {
            *error = QStringLiteral("The printer \"%1\" is not installed. Choose another printer under "
                                    "File, Printer Setup, or view the report and export it.")
                         .arg(printerName);
            return QString();
        }
        return named.printerName();
    }
    const QPrinterInfo standard = QPrinterInfo::defaultPrinter();
    if (standard.isNull()) {
        *error = QStringLiteral("No printer is installed, so the report could not be printed. Install a printer "
                                "and print again, or choose \"View/Export report\" to see the report and export it.");
        return QString();
    }
    return standard.printerName();
}

QString printLayout(const ReportLayout& layout, const QString& printerName, const QString& documentName)
{
    QString error;
    const QString name = resolvePrinter(printerName, &error);
    if (name.isEmpty())
        return error;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(name);
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(layout));
    printer.setDocName(documentName);
    printer.setCreator(QStringLiteral("Kestrel 2019"));
    QPainter painter;
    if (!painter.begin(&printer))
        return QStringLiteral("The printer \"%1\" could not be started; nothing was printed.").arg(name);
    paintAll(painter, printer, layout);
    if (!painter.end())
        return QStringLiteral("The report could not be sent to the printer \"%1\".").arg(name);
    return QString();
}

}  // namespace kestrel::report
