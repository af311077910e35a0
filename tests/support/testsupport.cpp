#include "tests/support/testsupport.h"

#include "common/apppaths.h"
#include "common/database.h"
#include "reports/reportengine.h"
#include "reports/reportlayout.h"
#include "reports/reportpainter.h"
#include "shell/session.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPdfDocument>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

namespace kestrel::test {

namespace {

QStringList& modalLog()
{
    static QStringList log;
    return log;
}

QTemporaryDir& preferencesDir()
{
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

MessageRecorder::MessageRecorder()
{
    previous_ = setMessageHandler([this](const MessageRequest& request) {
        messages_.append(request);
        if (!answers_.empty()) {
            const MessageResult answer = answers_.front();
            answers_.pop_front();
            return answer;
        }
        switch (request.buttons) {
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageResult::Yes;
        case MessageButtons::RetryCancel:
            return MessageResult::Cancel;
        default:
            return MessageResult::Ok;
        }
    });
}

MessageRecorder::~MessageRecorder()
{
    setMessageHandler(std::move(previous_));
}

SaveFileAnswer::SaveFileAnswer(const QString& path) : path_(path)
{
    previous_ = setSaveFileHandler([this](const SaveFileRequest&) {
        ++asked_;
        return path_;
    });
}

SaveFileAnswer::~SaveFileAnswer()
{
    setSaveFileHandler(std::move(previous_));
}

TempAppFolder::TempAppFolder()
{
    const QDir built(qEnvironmentVariable("KESTREL_APP_DIR"));
    const QStringList patterns{QStringLiteral("*.mdb"), QStringLiteral("*.rpt"), QStringLiteral("*.jpg"),
                               QStringLiteral("*.pdf")};
    for (const QString& name : built.entryList(patterns, QDir::Files))
        QFile::copy(built.filePath(name), dir_.filePath(name));
    // Copies of read-only build outputs must be writable for the tests.
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files))
        QFile(dir_.filePath(name)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    setApplicationFolder(dir_.path());
    session().ReportDbPath = dir_.filePath(QStringLiteral("Zidazura.mdb"));
    session().SettingsDbPath = dir_.filePath(QStringLiteral("Settings.mdb"));
}

TempAppFolder::~TempAppFolder()
{
    setApplicationFolder(QString());
}

QString TempAppFolder::file(const QString& name) const
{
    return dir_.filePath(name);
}

QStringList pdfPageTexts(const QString& pdfPath)
{
    QPdfDocument document;
    if (document.load(pdfPath) != QPdfDocument::Error::None)
        return {};
    QStringList pages;
    for (int i = 0; i < document.pageCount(); ++i)
        pages << document.getAllText(i).text();
    return pages;
}

QStringList lastReportPdfTexts(const QString& pdfPath)
{
    static QTemporaryDir scratch;
    const QString path = pdfPath.isEmpty() ? scratch.filePath(QStringLiteral("last-report.pdf")) : pdfPath;
    QFile::remove(path);
    if (!mainReportEngine().exportPdf(path))
        return {};
    return pdfPageTexts(path);
}

namespace {

QList<QVariantMap> readRows(const QString& table, bool firstOnly)
{
    QList<QVariantMap> rows;
    Database db(session().ReportDbPath);
    if (!db.isOpen())
        return rows;
    QSqlQuery query(db.connection());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid%2")
                        .arg(Database::quoted(table), firstOnly ? QStringLiteral(" LIMIT 1") : QString())))
        return rows;
    while (query.next()) {
        QVariantMap row;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), query.value(i));
        rows << row;
    }
    return rows;
}

}  // namespace

QVariantMap readReportRecord(const QString& table)
{
    const QList<QVariantMap> rows = readRows(table, true);
    return rows.isEmpty() ? QVariantMap() : rows.first();
}

QList<QVariantMap> readReportRows(const QString& table)
{
    return readRows(table, false);
}

QStringList saveLastReportPngs(const QString& folder, const QString& baseName, double dpi)
{
    QStringList paths;
    const report::ReportLayout* layout = mainReportEngine().lastLayout();
    if (!layout)
        return paths;
    QDir().mkpath(folder);
    for (int i = 0; i < layout->pages.size(); ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(baseName).arg(i + 1));
        if (report::renderPage(*layout, i, dpi).save(path))
            paths << path;
    }
    return paths;
}

void initTestEnvironment()
{
    QStandardPaths::setTestModeEnabled(true);
    // A locale that writes 1234.5 as "1 234,5": the program's own formats must not follow it.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::SouthAfrica));
    qputenv("KESTREL_PREFERENCES", preferencesDir().filePath(QStringLiteral("Kestrel2019.ini")).toUtf8());

    // The watchdog: a modal dialog would block a headless test run for ever. Record it,
    // then close it so the run goes on and fails.
    auto* watchdog = new QTimer(qApp);
    watchdog->setInterval(50);
    QObject::connect(watchdog, &QTimer::timeout, qApp, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        modalLog() << (modal->windowTitle().isEmpty() ? QString::fromLatin1(modal->metaObject()->className())
                                                      : modal->windowTitle());
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    watchdog->start();
}

QStringList takeModalDialogs()
{
    QStringList taken = modalLog();
    modalLog().clear();
    return taken;
}

}  // namespace kestrel::test
