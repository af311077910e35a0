#pragma once
// The print-choice panel that every printing window shows in front of its other controls:
// "&View/Export report" (preview with export), "P&rint directly to printer" and a cancel
// button that only hides the panel. Choosing view or print hides the panel before the
// window prints. Windows may put their own controls (a language choice, a name) above the
// buttons with addContent().

#include <QFrame>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kestrel {

class PrintChoicePanel : public QFrame {
    Q_OBJECT
public:
    /// `cancelCaption` is "&Cancel" or "C&ancel", as the window has it.
    explicit PrintChoicePanel(QWidget* parent, const QString& cancelCaption = QStringLiteral("&Cancel"));

    void addContent(QWidget* widget);
    void setTitle(const QString& title);

    QPushButton* viewButton() const { return view_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* cancelButton() const { return cancel_; }

    /// Shows the panel centred over its window, in front of the other controls.
    void showInFront();

Q_SIGNALS:
    /// Destination 0: preview window with export. The panel is already hidden when the
    /// window may keep it shown by calling showInFront() again.
    void viewChosen();
    /// Destination 1: straight to the default printer.
    void printChosen();
    void cancelled();

private:
    QVBoxLayout* content_;
    QPushButton* view_;
    QPushButton* print_;
    QPushButton* cancel_;
    QLabel* title_;
};

}  // namespace kestrel
