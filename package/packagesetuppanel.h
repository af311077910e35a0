#pragma once
// The "Setup" panel of the salary-package windows (fraSetup): all eleven columns of the
// payroll settings. It holds the window's copy of the settings: every change of a field or
// an option button counts for the window at once; "O&K" asks the window to make them
// permanent. The backward windows keep the two fund percentages together at no more than
// 27.5 % (above it both fall to 0, without a message).

#include "package/packagecalc.h"
#include "payroll/payrollsettings.h"

#include <QFrame>

class QPushButton;
class QRadioButton;

namespace kestrel {

class NumberField;

class PackageSetupPanel : public QFrame {
    Q_OBJECT
public:
    PackageSetupPanel(PackageDirection direction, PackagePeriod period, QWidget* parent);

    /// Shows stored settings: the numbers in their fields, the option buttons that match
    /// (a rate other than 0.8 or 0.2 selects neither and is kept as it is).
    void showSettings(const PayrollSettings& settings);
    /// The window's settings as they stand.
    const PayrollSettings& settings() const { return settings_; }

    /// The combined 27.5 % check of the backward windows (done again before saving).
    void applyFundLimit();

    /// Before saving: the UIF limit and the two provident percentages are taken as their
    /// fields show them.
    void takeShownValues();

    /// Shows the panel over its window, in front of the other controls.
    void showInFront();

    QPushButton* okButton() const { return ok_; }

Q_SIGNALS:
    void okClicked();

private:
    NumberField* addNumber(const char* name, int decimals);
    void selectRate(QRadioButton* eighty, QRadioButton* twenty, double rate);
    void selectPlan(bool plan);

    PackageDirection direction_;
    PayrollSettings settings_;
    bool showing_ = false;  // fields being filled from stored settings

    NumberField* employeeFund_;
    NumberField* employerFund_;
    NumberField* employeeUif_;
    NumberField* employerUif_;
    NumberField* uifLimit_;
    NumberField* skillsLevy_;
    NumberField* employeeProvident_;
    NumberField* employerProvident_;
    QRadioButton* travel80_;
    QRadioButton* travel20_;
    QRadioButton* carRate80_;
    QRadioButton* carRate20_;
    QRadioButton* planYes_;
    QRadioButton* planNo_;
    QPushButton* ok_;
};

}  // namespace kestrel
