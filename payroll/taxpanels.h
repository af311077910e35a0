#pragma once
// The two other panels that the tax windows show in front of their controls: the
// "General Information" text and the print panel with its language and employee name.

#include "common/printchoicepanel.h"
#include "payroll/payrollreports.h"

#include <QFrame>

#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace kestrel {

class TextField;

/// "General Information": what belongs in the salary field and how fund contributions are
/// treated; "&OK" hides it.
class GeneralInfoPanel : public QFrame {
    Q_OBJECT
public:
    explicit GeneralInfoPanel(QWidget* window);
    static QString text();
    void showInFront();
    QPushButton* okButton() const { return ok_; }

private:
    QLabel* text_;
    QPushButton* ok_;
};

/// The print panel of the tax windows: "&English print" (selected at first) or
/// "&Afrikaans print", the employee name (at most 50 characters) and the print choice.
class TaxPrintPanel : public PrintChoicePanel {
    Q_OBJECT
public:
    explicit TaxPrintPanel(QWidget* window);

    /// The language chosen; nothing when neither option is selected.
    std::optional<PrintLanguage> language() const;
    QString employeeName() const;

    QRadioButton* englishButton() const { return optEnglish_; }
    QRadioButton* afrikaansButton() const { return optAfrikaans_; }
    TextField* nameField() const { return txtEmployeeName_; }

Q_SIGNALS:
    /// Every change of the employee name.
    void employeeNameChanged(const QString& name);

private:
    QRadioButton* optEnglish_;
    QRadioButton* optAfrikaans_;
    TextField* txtEmployeeName_;
};

}  // namespace kestrel
