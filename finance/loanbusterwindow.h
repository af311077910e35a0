#pragma once
// frmLoanBuster, the window "Loan Buster": the normal repayment of a loan with its totals
// beside the shorter period, the totals and the saving when a fixed extra payment is added
// to every instalment. Principal, rate and extra payment live in the session state; the
// period and the results belong to the window.

#include "common/childwindow.h"
#include "finance/loanbustercalc.h"

class QPushButton;

namespace kestrel {

class NumberField;
class WholeField;
class PrintChoicePanel;

class LoanBusterWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit LoanBusterWindow(QWidget* parent = nullptr);

    /// Fills the entries from the stored values and runs the calculation.
    void windowActivated() override;

private:
    void calculate(bool showMessages);
    void showResults();
    void onCalculate();
    void onPrint();
    LoanBusterInputs inputs() const;

    NumberField* numPrincipal_ = nullptr;
    WholeField* numPeriod_ = nullptr;
    NumberField* numRate_ = nullptr;
    NumberField* numRepayment_ = nullptr;
    NumberField* numTotInterest_ = nullptr;
    NumberField* numTotRepayments_ = nullptr;
    NumberField* numExtra_ = nullptr;
    NumberField* numTotSaving_ = nullptr;
    NumberField* numXPrincipal_ = nullptr;
    NumberField* numXPeriod_ = nullptr;
    NumberField* numXRate_ = nullptr;
    NumberField* numXRepayment_ = nullptr;
    NumberField* numXTotInterest_ = nullptr;
    NumberField* numXTotRepayments_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    PrintChoicePanel* fraPrint_ = nullptr;

    short period_ = 0;  ///< the window's own: 0 each time the window opens
    LoanBusterResult result_;
};

}  // namespace kestrel
