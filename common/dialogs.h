#pragma once
// Every message box and file chooser of the program goes through these functions, so that
// tests can answer them without a modal dialog ever appearing.

#include <QString>

#include <functional>

class QDialog;
class QUrl;
class QWidget;

namespace kestrel {

/// The caption of every message box that names no caption of its own.
inline const QString kApplicationTitle = QStringLiteral("KS2019");

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageResult { Ok, Cancel, Yes, No, Retry };

struct MessageRequest {
    QString text;
    QString caption;  ///< already defaulted to kApplicationTitle when none was given
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

/// Shows a message box and returns the button chosen. An empty caption means
/// kApplicationTitle. With a handler installed (tests), the handler answers instead.
MessageResult showMessage(const QString& text, const QString& caption = QString(), MessageIcon icon = MessageIcon::None,
                          MessageButtons buttons = MessageButtons::Ok, QWidget* parent = nullptr);

using MessageHandler = std::function<MessageResult(const MessageRequest&)>;
/// Installs a handler for all later messages; returns the previous one. An empty handler
/// restores the real message box.
MessageHandler setMessageHandler(MessageHandler handler);

struct SaveFileRequest {
    QString caption;
    QString suggestedPath;
    QString filter;  ///< for example "PDF files (*.pdf)"
};
/// Asks for a file to save to; an empty result means the user cancelled.
QString chooseSaveFile(const SaveFileRequest& request, QWidget* parent = nullptr);

using SaveFileHandler = std::function<QString(const SaveFileRequest&)>;
SaveFileHandler setSaveFileHandler(SaveFileHandler handler);

/// Runs one of the program's own modal windows (the disclaimer, the printer setup) and
/// returns its result code. With a handler installed (tests), the handler runs it instead:
/// it may work the dialog's controls and must close it.
int runModal(QDialog* dialog);

using ModalHandler = std::function<int(QDialog*)>;
ModalHandler setModalHandler(ModalHandler handler);

/// Asks the desktop to open a web address or start a program; tests replace them.
using UrlOpener = std::function<bool(const QUrl&)>;
bool openUrl(const QUrl& url);
UrlOpener setUrlOpener(UrlOpener opener);

/// The system beep; counted so that tests can see it.
void beep();
int beepCount();

}  // namespace kestrel
