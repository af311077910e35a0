#pragma once
// The report engine (rptMainPrint): one instance for the whole program, owned by the main
// window. It keeps the last values set on it until they are set again. Running it lays a
// template out from the table that the template names, in Zidazura.mdb of the application
// folder, and either shows the preview window (destination 0: page navigation, zoom, print
// and the export "suitcase" button) or prints to the default printer without a preview
// (destination 1). The call returns at once; the preview stays open beside the calculator.

#include <QObject>
#include <QString>

#include <optional>

class QWidget;

namespace kestrel {

class ReportEngine : public QObject {
    Q_OBJECT
public:
    explicit ReportEngine(QObject* parent = nullptr);
    ~ReportEngine() override;

    QString ReportFileName;  ///< full path of the template (.rpt)
    QString WindowTitle;     ///< title of the preview window
    int Destination = 0;     ///< 0 preview window, 1 default printer

    /// Action = 1: runs the report. Returns false and keeps errorText() when the template,
    /// the database or its table is missing or unreadable, or no printer is installed.
    bool run();
    QString errorText() const { return errorText_; }

    /// The preview window of the last run with destination 0 (nullptr when none is open).
    QWidget* lastPreview() const;

private:
    QString errorText_;
    struct Impl;
    Impl* d = nullptr;
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
