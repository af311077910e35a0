#pragma once
// Small building blocks shared by the business-calculator windows.

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace kestrel {

/// A plain form label.
QLabel* formLabel(const QString& text, QWidget* parent);

/// A command button with its control name.
QPushButton* commandButton(const QString& caption, const QString& name, QWidget* parent);

/// Gives the focus to a widget once the current event is handled (a refusal during the
/// field's own focus change must not be overtaken by that change).
void focusLater(QWidget* widget);

/// Refuses an entry: the message box with the error icon, then the focus back to the field.
void refuseEntry(QLineEdit* field, const QString& text, const QString& caption);

/// The main layout of a calculator window: the window margins and the title line
/// ("Loans :") at the top.
QVBoxLayout* titledWindowLayout(QWidget* window, const QString& title);

/// The grid of labels and entry fields of a calculator window.
QGridLayout* formGrid();

/// The buttons of a calculator window without further commands.
struct CommandButtons {
    QPushButton* calculate;
    QPushButton* print;
    QPushButton* ok;
};

/// Adds the button row below the form: "&Calculate" and "&Print" on the left, "&OK" on
/// the right.
CommandButtons addCommandButtons(QVBoxLayout* top, QWidget* window);

/// Width of an amount field.
inline constexpr int kAmountFieldWidth = 110;

}  // namespace kestrel
