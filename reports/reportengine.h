#pragma once
// The report engine (rptMainPrint): one instance for the whole program, owned by the main
// window. It keeps the last values set on it until they are set again. Running it lays a
// template out from the table that the template names, in Zidazura.mdb of the data folder
// (common/apppaths.h: the application folder, or an installed program's user copy, the
// same file that session().ReportDbPath names), and either shows the preview window (destination 0: page navigation,
// zoom, print and the export "suitcase" button) or prints to the default printer without a preview (destination 1). The
// call returns at once; the preview stays open beside the calculator.
//
// A printout, after writing its table through the ReportStore:
//
//     PrintReport(QStringLiteral("Inflatin"),
//                 QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help"),
//                 session().PrintDestination);
//
// PrintReport shows any error in a message box; the window carries on either way.

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QWidget;

namespace kestrel {

namespace report {
struct ReportLayout;
}

class ReportEngine : public QObject {
    Q_OBJECT
    /// The printer chosen under File, Printer Setup (PrinterName).
    Q_PROPERTY(QString printerName MEMBER PrinterName)
public:
    explicit ReportEngine(QObject* parent = nullptr);
    ~ReportEngine() override;

    QString ReportFileName;  ///< full path of the template (.rpt)
    QString WindowTitle;     ///< title of the preview window
    int Destination = 0;     ///< 0 preview window, 1 default printer
    /// The printer of destination 1 and of the preview's print button; empty for the
    /// system's default printer (File, Printer Setup may set it).
    QString PrinterName;

    /// Action = 1: runs the report. Returns false and keeps errorText() when the template,
    /// the database or its table is missing or unreadable, the template has an error (the
    /// text names its line), or no printer is installed.
    bool run();
    QString errorText() const { return errorText_; }

    /// The preview window of the last run with destination 0 (nullptr when none is open).
    QWidget* lastPreview() const;

    /// The layout of the last run that succeeded, whatever its destination (nullptr before
    /// the first). Tests read it; reports/reportlayout.h has pageTexts() and referenceText().
    const report::ReportLayout* lastLayout() const;

    /// Writes the last report laid out as a PDF file (what the preview's export writes).
    /// Returns false and sets errorText() when there is none or the file cannot be written.
    bool exportPdf(const QString& path);

private:
    QString errorText_;
    struct Impl;
    std::unique_ptr<Impl> d;
};

/// The engine owned by the main window. When no main window registered one (tests of a
/// single window), an engine is created on first use.
ReportEngine& mainReportEngine();
void setMainReportEngine(ReportEngine* engine);

/// PrintReport: report file = application folder + "/" + stem + ".rpt"; the window title
/// when one is given; the destination; run. An error of the engine is shown in a message
/// box and false returned; the caller carries on.
bool PrintReport(const QString& stem, const std::optional<QString>& title, int destination);

}  // namespace kestrel
