#pragma once
// Test helpers. Every test program starts with KESTREL_TEST_MAIN, which runs headless,
// pins a locale whose number format differs from the program's (so a format that follows
// the system locale fails), keeps preferences in a temporary folder and fails any test
// during which a modal dialog appears.

#include "common/dialogs.h"

#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QVariantMap>
#include <QWidget>

#include <deque>

namespace kestrel::test {

/// Answers every message box while alive and records what was asked. Answers come from
/// the queue given (then Ok, or the first button of the box).
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void answerWith(MessageResult result) { answers_.push_back(result); }

    const QList<MessageRequest>& messages() const { return messages_; }
    int count() const { return static_cast<int>(messages_.size()); }
    bool isEmpty() const { return messages_.isEmpty(); }
    const MessageRequest& last() const { return messages_.last(); }
    void clear() { messages_.clear(); }

private:
    QList<MessageRequest> messages_;
    std::deque<MessageResult> answers_;
    MessageHandler previous_;
};

/// Answers every save-file question with the given path while alive.
class SaveFileAnswer {
public:
    explicit SaveFileAnswer(const QString& path);
    ~SaveFileAnswer();
    int asked() const { return asked_; }

private:
    QString path_;
    int asked_ = 0;
    SaveFileHandler previous_;
};

/// A private application folder: a temporary copy of the databases, templates, picture
/// and manual that the build laid out, with the session's database paths pointing into it.
class TempAppFolder {
public:
    TempAppFolder();
    ~TempAppFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const;

private:
    QTemporaryDir dir_;
};

/// The text of each page of a PDF file (empty when it cannot be read).
QStringList pdfPageTexts(const QString& pdfPath);

// --- Printouts --------------------------------------------------------------------------
// A window's print goes through PrintReport on mainReportEngine(). After it, a test reads
// what was printed in one of three ways:
//   - the table: readReportRecord("IRP5Mon").value("SDateNum"), readReportRows("Amort");
//   - the printout as a PDF, through the same export as the preview's suitcase button:
//     lastReportPdfTexts() (works for destination 0 and 1 alike);
//   - the preview window: mainReportEngine().lastPreview() (its windowTitle(), say).
// saveLastReportPngs() writes the pages as pictures for looking at a layout.
// Destination 1 prints on the machine's default printer: under scripts/test.sh that is a
// real queue (scripts/print-queue.sh), elsewhere there may be none and PrintReport shows
// "No printer is installed...". A test that prints with destination 1 takes the queue for
// itself: set_tests_properties(NAME PROPERTIES RESOURCE_LOCK print_queue).

/// Exports the last report that mainReportEngine() laid out to a PDF file (`pdfPath`, or a
/// temporary file when empty) and returns the text of each page, read back with QtPdf.
/// Empty when nothing was printed yet or the PDF could not be written.
QStringList lastReportPdfTexts(const QString& pdfPath = QString());

/// The one record of a report table in the session's Zidazura.mdb (session().ReportDbPath),
/// by field name; empty when the table or record is missing.
QVariantMap readReportRecord(const QString& table);

/// The rows of a multi-row report table, in the order they were added.
QList<QVariantMap> readReportRows(const QString& table);

/// Saves the pages of the last report as PNG files `baseName`-N.png in `folder` at `dpi`;
/// returns their paths.
QStringList saveLastReportPngs(const QString& folder, const QString& baseName, double dpi = 60);

/// Installs the modal-dialog watchdog and the test environment (called by KESTREL_TEST_MAIN).
void initTestEnvironment();

/// Modal dialogs that appeared since the last call (the watchdog closes them).
QStringList takeModalDialogs();

/// The control of a window by its control name; a missing control ends the test program, since
/// every later step would only fail less clearly.
template <typename T = QWidget> T* child(QWidget* window, const char* name)
{
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

}  // namespace kestrel::test

/// main() of a test program: QApplication, test environment, QTest::qExec, and a failure
/// when a modal dialog appeared during the run.
#define KESTREL_TEST_MAIN(TestClass)                                                                                   \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        qputenv("QT_QPA_PLATFORM",                                                                                     \
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));          \
        QApplication app(argc, argv);                                                                                  \
        kestrel::test::initTestEnvironment();                                                                          \
        TestClass testObject;                                                                                          \
        int result = QTest::qExec(&testObject, argc, argv);                                                            \
        const QStringList modal = kestrel::test::takeModalDialogs();                                                   \
        if (!modal.isEmpty()) {                                                                                        \
            qCritical("A modal dialog appeared during the tests: %s", qPrintable(modal.join(QStringLiteral(", "))));   \
            result = result ? result : 1;                                                                              \
        }                                                                                                              \
        return result;                                                                                                 \
    }
