#pragma once
// frmLoanComp, the window "Loan Comparison": one loan amount at one rate repaid over
// 5, 10, 15, 20, 25 and 30 years, side by side. The amount and the rate live in the
// session state; the table holds the results of the last calculation.

#include "common/childwindow.h"
#include "finance/loancomparisoncalc.h"

class QPushButton;
class QTableWidget;

namespace kestrel {

class NumberField;
class PrintChoicePanel;

class LoanComparisonWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit LoanComparisonWindow(QWidget* parent = nullptr);

    /// Fills both entries from the session and runs the calculation.
    void windowActivated() override;

private:
    void calculate();
    void onPrint();

    NumberField* numBondAmount_ = nullptr;
    NumberField* numRate_ = nullptr;
    QTableWidget* grdComp_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    PrintChoicePanel* fraPrint_ = nullptr;

    std::array<ComparisonRow, 6> rows_{};
};

}  // namespace kestrel
