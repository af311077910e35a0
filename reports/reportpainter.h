#pragma once
// Painting a laid-out report (reports/reportlayout.h) on any paint device: the preview's
// page images, a PDF file, a printer. Positions in points are scaled by the device's
// resolution; fonts are DejaVu Sans, embedded in the PDFs.

#include "reports/reportlayout.h"

#include <QImage>
#include <QString>

class QPainter;

namespace kestrel::report {

/// Paints page `page` (0-based) with its top-left corner at the painter's origin. The
/// painter's device gives the resolution.
void paintPage(QPainter& painter, const ReportLayout& layout, int page);

/// The page as an image on white at `dotsPerInch`.
QImage renderPage(const ReportLayout& layout, int page, double dotsPerInch);

/// Writes the report as a PDF file (A4, fonts embedded). Returns the error text, empty
/// when the file was written.
QString writePdf(const ReportLayout& layout, const QString& path, const QString& documentTitle);

/// The printer that a print goes to: `printerName`, or the default printer when empty.
/// Returns an empty name and sets `error` when no printer is installed or the named one
/// is not there.
QString resolvePrinter(const QString& printerName, QString* error);

/// Prints the report on the printer `printerName` (the default printer when empty),
/// without a dialog. Returns the error text, empty when the job was handed to the
/// printer.
QString printLayout(const ReportLayout& layout, const QString& printerName, const QString& documentName);

}  // namespace kestrel::report
