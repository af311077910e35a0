#include "common/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace kestrel {

namespace {

MessageHandler& messageHandler()
{
    static MessageHandler handler;
    return handler;
}

SaveFileHandler& saveFileHandler()
{
    static SaveFileHandler handler;
    return handler;
}

ModalHandler& modalHandler()
{
    static ModalHandler handler;
    return handler;
}

UrlOpener& urlOpener()
{
    static UrlOpener opener;
    return opener;
}

int& beeps()
{
    static int count = 0;
    return count;
}

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

MessageResult fromQt(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Retry:
        return MessageResult::Retry;
    default:
        return MessageResult::Ok;
    }
}

}  // namespace

MessageResult showMessage(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                          QWidget* parent)
{
    MessageRequest request{text, caption.isEmpty() ? kApplicationTitle : caption, icon, buttons};
    if (messageHandler())
        return messageHandler()(request);
    if (!parent)
        parent = QApplication::activeWindow();
    QMessageBox box(toQtIcon(icon), request.caption, request.text, toQtButtons(buttons), parent);
    return fromQt(box.exec());
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler previous = std::move(messageHandler());
    messageHandler() = std::move(handler);
    return previous;
}

QString chooseSaveFile(const SaveFileRequest& request, QWidget* parent)
{
    if (saveFileHandler())
        return saveFileHandler()(request);
    return QFileDialog::getSaveFileName(parent, request.caption, request.suggestedPath, request.filter);
}

SaveFileHandler setSaveFileHandler(SaveFileHandler handler)
{
    SaveFileHandler previous = std::move(saveFileHandler());
    saveFileHandler() = std::move(handler);
    return previous;
}

int runModal(QDialog* dialog)
{
    if (modalHandler())
        return modalHandler()(dialog);
    return dialog->exec();
}

ModalHandler setModalHandler(ModalHandler handler)
{
    ModalHandler previous = std::move(modalHandler());
    modalHandler() = std::move(handler);
    return previous;
}

bool openUrl(const QUrl& url)
{
    if (urlOpener())
        return urlOpener()(url);
    return QDesktopServices::openUrl(url);
}

UrlOpener setUrlOpener(UrlOpener opener)
{
    UrlOpener previous = std::move(urlOpener());
    urlOpener() = std::move(opener);
    return previous;
}

void beep()
{
    ++beeps();
    QApplication::beep();
}

int beepCount()
{
    return beeps();
}

}  // namespace kestrel
