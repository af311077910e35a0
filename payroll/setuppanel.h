#pragma once
// The "Setup" panel of the pay-period windows and the annual tax check: the UIF portions,
// the UIF monthly limit, the skills levy and the travel-allowance inclusion rate. It holds
// the window's own copy of these settings; every change is taken at once, and "O&K" saves
// the five columns to Settings.mdb (the package columns stay as stored).

#include "payroll/payrollsettings.h"

#include <QFrame>
#include <QList>

class QButtonGroup;
class QPushButton;
class QRadioButton;

namespace kestrel {

class NumberField;
class WholeField;

/// Reads the five pay-period columns of the Setup record. A database error is shown in a
/// message box and the default settings are returned, so that the window still opens.
PayrollSettings loadPayPeriodSettings();

class PayrollSetupPanel : public QFrame {
    Q_OBJECT
public:
    explicit PayrollSetupPanel(QWidget* window);

    /// Shows the settings; selects "80%" for 0.8, "20%" for 0.2 and neither option for any
    /// other stored rate (which is still used).
    void setSettings(const PayrollSettings& settings);
    const PayrollSettings& settings() const { return settings_; }

    /// The window's buttons that are disabled while the panel is shown.
    void setLockedButtons(const QList<QPushButton*>& buttons) { locked_ = buttons; }

    /// Shows the panel in front of the other controls and disables the locked buttons.
    void showInFront();

    NumberField* employeeUifField() const { return numEmpEUIF_; }
    NumberField* employerUifField() const { return numEmpRUIF_; }
    WholeField* uifLimitField() const { return numUIFLimit_; }
    NumberField* skillsLevyField() const { return numSkillPercent_; }
    QRadioButton* rate80Button() const { return optTAIncRate80_; }
    QRadioButton* rate20Button() const { return optTAIncRate20_; }
    QPushButton* okButton() const { return cmdSetupOK_; }

Q_SIGNALS:
    /// "O&K" was pressed: the settings were saved (or the error shown), the panel hidden and
    /// the buttons enabled again; the window recalculates.
    void accepted();

private:
    void onOk();
    void selectRate(double rate);

    PayrollSettings settings_;
    NumberField* numEmpEUIF_;
    NumberField* numEmpRUIF_;
    WholeField* numUIFLimit_;
    NumberField* numSkillPercent_;
    QRadioButton* optTAIncRate80_;
    QRadioButton* optTAIncRate20_;
    QButtonGroup* rates_;
    QPushButton* cmdSetupOK_;
    QList<QPushButton*> locked_;
};

}  // namespace kestrel
