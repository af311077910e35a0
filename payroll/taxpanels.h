#pragma once
// The panels that the tax windows show in front of their controls (the "General
// Information" text and the print panel with its language and employee name), and the
// titled group of labelled rows that holds their inputs and results.

#include "common/printchoicepanel.h"
#include "payroll/payrollreports.h"

#include <QFrame>
#include <QGroupBox>

#include <optional>

class QGridLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kestrel {

class TextField;

/// A titled group of rows, each with its label left and its field right.
class FieldGroup : public QGroupBox {
    Q_OBJECT
public:
    FieldGroup(const QString& title, QWidget* parent);
    /// Adds a row: the label (bold when `strong`) is the field's buddy; `beside` stands in a
    /// third column of the same row.
    void addRow(const QString& label, QWidget* field, bool strong = false, QWidget* beside = nullptr);
    /// Keeps the rows at the top when the group is taller than they need.
    void keepRowsAtTop();

private:
    QGridLayout* grid_;
    int rows_ = 0;
};

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
