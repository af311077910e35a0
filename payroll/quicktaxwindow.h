#pragma once
// frmMerlin ("QuickTax"): the tax on the annual taxable income that any window last
// looked up on the tax scale (or one typed in), broken down into the tax on the bracket
// floor, the portion at the marginal rate, the rebate and the average rates. Its values
// live in the session, so the window shows them again when it comes to the front.

#include "common/childwindow.h"

class QPushButton;

namespace kestrel {

class NumberField;
class PrintChoicePanel;

class QuickTaxWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit QuickTaxWindow(QWidget* parent = nullptr);

    /// Coming to the front recalculates, so the last income looked up is shown.
    void windowActivated() override;

    /// "&Calculate": breaks the session's taxable income down and fills the ten fields.
    void calculate();

    PrintChoicePanel* printPanel() const { return fraPrint_; }

private:
    void print(int destination);

    NumberField* numTaxableIncome_;
    NumberField* numAge_;
    NumberField* numTaxOnIncome_;
    NumberField* numMarginalRate_;
    NumberField* numPortion_;
    NumberField* numTotalTax_;
    NumberField* numRebate_;
    NumberField* numTaxCommitment_;
    NumberField* numAvRateBefore_;
    NumberField* numAvRateAfter_;
    PrintChoicePanel* fraPrint_;
    bool filling_ = false;
};

}  // namespace kestrel
