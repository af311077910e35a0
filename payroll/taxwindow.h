#pragma once
// What the five tax windows (the pay-period windows and the annual tax check) share: the
// command buttons along the bottom, the "Setup" panel with the window's copy of the
// payroll settings, the "General Information" panel and the print panel.

#include "common/childwindow.h"
#include "payroll/payrollreports.h"
#include "payroll/payrollsettings.h"

class QLayout;
class QLineEdit;
class QPushButton;

namespace kestrel {

class GeneralInfoPanel;
class NumberField;
class PayrollSetupPanel;
class TaxPrintPanel;

class TaxWindow : public ChildWindow {
    Q_OBJECT
public:
    /// "&Calculate": validates, computes and fills the result fields.
    virtual void calculate() = 0;

    PayrollSetupPanel* setupPanel() const { return setup_; }
    GeneralInfoPanel* infoPanel() const { return info_; }
    TaxPrintPanel* printPanel() const { return print_; }
    const PayrollSettings& settings() const;
    QString employeeName() const { return employeeName_; }

protected:
    explicit TaxWindow(QWidget* parent);

    /// Puts the window's form above the button row and fixes the window's size. `extra`
    /// buttons stand before "&OK".
    void setForm(QLayout* form);
    /// Reads the settings (a database error is shown; the defaults are used) and shows
    /// them on the "Setup" panel.
    void loadSettings();

    /// Writes the printout of the last calculation in the language chosen.
    virtual ReportRecord reportRecord(PrintLanguage language) const = 0;
    virtual ReportTarget reportTarget() const = 0;

    /// Shows a refusal with the critical-error icon (or none given) and gives the focus to
    /// `focus` once the message is closed.
    void refuse(const QString& message, const QString& caption, QWidget* focus);

    /// Entry fields of an amount, an age and a count, with their limits and messages.
    NumberField* amountField(const char* name, bool whole, bool zeroOnLeave = false);
    NumberField* wholeField(const char* name, double minimum, double maximum, const QString& message);
    NumberField* resultField(const char* name, int decimals);

private:
    void print(int destination);

    PayrollSetupPanel* setup_;
    GeneralInfoPanel* info_;
    TaxPrintPanel* print_;
    QPushButton* cmdCalculate_;
    QPushButton* cmdSettings_;
    QPushButton* cmdPrint_;
    QPushButton* cmdInfo_;
    QPushButton* cmdOK_;
    QString employeeName_;
};

}  // namespace kestrel
