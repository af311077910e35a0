// The report engine: template file -> parsed template -> data from Zidazura.mdb -> page
// layout -> preview window or printer. Every failure is an error text; nothing here ends
// the program or changes the caller's window.
#include "reports/reportengine.h"

#include "common/apppaths.h"
#include "common/dialogs.h"
#include "reports/reportdata.h"
#include "reports/reportlayout.h"
#include "reports/reportpainter.h"
#include "reports/reportpreview.h"
#include "reports/reportstore.h"
#include "reports/reporttemplate.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>

namespace kestrel {

void showReportError(const QString& errorText)
{
    showMessage(errorText, QString(), MessageIcon::Critical);
}

struct ReportEngine::Impl {
    std::optional<report::ReportLayout> lastLayout;
    QString lastTitle;
    QPointer<ReportPreview> lastPreview;
    QList<QPointer<ReportPreview>> previews;
};

ReportEngine::ReportEngine(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) {}

ReportEngine::~ReportEngine()
{
    for (const QPointer<ReportPreview>& preview : d->previews)
        delete preview.data();
}

namespace {

// The template of a report file, or the error text.
std::optional<report::ReportTemplate> readTemplate(const QString& path, QString* error)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        *error = QStringLiteral("The report file %1 could not be found.")
                     .arg(path.isEmpty() ? QStringLiteral("(none)") : path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("The report file %1 could not be read: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    QString parseError;
    std::optional<report::ReportTemplate> parsed =
        report::parseTemplate(QString::fromUtf8(file.readAll()), &parseError);
    if (!parsed) {
        *error = QStringLiteral("Error in the report file %1, %2").arg(name, parseError);
        return std::nullopt;
    }
    parsed->fileName = name;
    return parsed;
}

}  // namespace

bool ReportEngine::run()
{
    errorText_.clear();
    if (Destination != 0 && Destination != 1) {
        errorText_ =
            QStringLiteral("The report destination %1 is not known (0 shows the preview, 1 prints).").arg(Destination);
        return false;
    }
    const std::optional<report::ReportTemplate> parsed = readTemplate(ReportFileName, &errorText_);
    if (!parsed)
        return false;
    QString error;
    const std::optional<report::ReportData> data = report::loadReportData(dataFile(kReportDatabase), *parsed, &error);
    if (!data) {
        errorText_ = QStringLiteral("Report file %1, %2").arg(parsed->fileName, error);
        if (!error.startsWith(QLatin1String("line ")))
            errorText_ = error;
        return false;
    }
    report::ReportLayout layout = report::layoutReport(*parsed, *data);
    const QString stem = QFileInfo(ReportFileName).completeBaseName();
    d->lastLayout = layout;
    d->lastTitle = WindowTitle.isEmpty() ? stem : WindowTitle;

    if (Destination == 1) {
        const QString failure = report::printLayout(layout, PrinterName, d->lastTitle);
        if (!failure.isEmpty()) {
            errorText_ = failure;
            return false;
        }
        return true;
    }
    auto* owner = qobject_cast<QWidget*>(parent());
    QPointer<ReportEngine> self(this);
    auto* preview = new ReportPreview(
        std::move(layout), d->lastTitle, stem, [self] { return self ? self->PrinterName : QString(); }, owner);
    d->previews.removeAll(nullptr);
    d->previews << preview;
    d->lastPreview = preview;
    preview->show();
    preview->raise();
    preview->activateWindow();
    return true;
}

QWidget* ReportEngine::lastPreview() const
{
    return d->lastPreview.data();
}

const report::ReportLayout* ReportEngine::lastLayout() const
{
    return d->lastLayout ? &*d->lastLayout : nullptr;
}

bool ReportEngine::exportPdf(const QString& path)
{
    if (!d->lastLayout) {
        errorText_ = QStringLiteral("No report has been laid out yet, so there is nothing to export.");
        return false;
    }
    const QString error = report::writePdf(*d->lastLayout, path, d->lastTitle);
    if (!error.isEmpty()) {
        errorText_ = error;
        return false;
    }
    return true;
}

namespace {
ReportEngine*& registeredEngine()
{
    static ReportEngine* engine = nullptr;
    return engine;
}
}  // namespace

ReportEngine& mainReportEngine()
{
    if (!registeredEngine())
        registeredEngine() = new ReportEngine;
    return *registeredEngine();
}

void setMainReportEngine(ReportEngine* engine)
{
    registeredEngine() = engine;
}

bool PrintReport(const QString& stem, const std::optional<QString>& title, int destination)
{
    ReportEngine& engine = mainReportEngine();
    engine.ReportFileName = applicationFile(stem + QStringLiteral(".rpt"));
    if (title)
        engine.WindowTitle = *title;
    engine.Destination = destination;
    if (!engine.run()) {
        showReportError(engine.errorText());
        return false;
    }
    return true;
}

}  // namespace kestrel
