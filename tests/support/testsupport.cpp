#include "tests/support/testsupport.h"

#include "common/apppaths.h"
#include "shell/session.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPdfDocument>
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
