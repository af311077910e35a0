// Placeholder until the report store and engine are built: every call fails with a
// clear error, so printing windows show a message and carry on.
#include "reports/reportengine.h"
#include "reports/reportstore.h"

#include "common/apppaths.h"
#include "common/dialogs.h"

namespace kestrel {

struct ReportStore::Impl {
    QString error = QStringLiteral("The report store is not available in this build.");
};

Recordset::Recordset(ReportStore* store, const QString& table) : store_(store), table_(table) {}
void Recordset::Edit() {}
void Recordset::AddNew() {}
void Recordset::setField(const QString&, const QVariant&) {}
void Recordset::Update() {}
void Recordset::Close() {}

ReportStore::ReportStore(const QString&) : d(std::make_unique<Impl>()) {}
ReportStore::~ReportStore() = default;
void ReportStore::Execute(const QString&) {}
Recordset ReportStore::OpenRecordset(const QString& table) { return Recordset(this, table); }
bool ReportStore::Close() { return false; }
bool ReportStore::ok() const { return false; }
QString ReportStore::errorText() const { return d->error; }

void showReportError(const QString& errorText)
{
    showMessage(errorText, QString(), MessageIcon::Critical);
}

struct ReportEngine::Impl {};
ReportEngine::ReportEngine(QObject* parent) : QObject(parent) {}
ReportEngine::~ReportEngine() = default;
bool ReportEngine::run()
{
    errorText_ = QStringLiteral("The report engine is not available in this build.");
    return false;
}
QWidget* ReportEngine::lastPreview() const { return nullptr; }

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
