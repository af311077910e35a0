#pragma once
// frmDayBal, the window "Daily Balance": simple interest on a capital amount between two
// dates. Capital, rate, both dates and the rate step live in the session state; the
// number of days and the interest belong to the window.

#include "common/childwindow.h"
#include "finance/dailybalancecalc.h"

class QPushButton;

namespace kestrel {

class DateField;
class NumberField;
class PrintChoicePanel;
class SpinButton;

class DailyBalanceWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit DailyBalanceWindow(QWidget* parent = nullptr);

    /// Fills the capital, the rate and each chosen date from the session and runs the
    /// calculation.
    void windowActivated() override;

private:
    void calculate();
    void onCalculate();
    void stepRate(bool up);
    void stepEndDate(bool up);
    void onPrint();
    void onDateRejected(bool isStart, bool invalid);
    void setDateLimits(bool forStart);
    DailyBalanceInputs inputs() const;

    NumberField* numCapital_ = nullptr;
    DateField* dtStartDate_ = nullptr;
    DateField* dtEndDate_ = nullptr;
    SpinButton* spnDate_ = nullptr;
    NumberField* numRate_ = nullptr;
    SpinButton* spnRate_ = nullptr;
    NumberField* numInterest_ = nullptr;
    NumberField* numDays_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    PrintChoicePanel* fraPrint_ = nullptr;

    DailyBalanceResult result_;
};

}  // namespace kestrel
