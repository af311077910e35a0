#pragma once
// frmInflation, the window "Inflation": a present cost projected over some years of
// compound inflation (the future value/cost) and the present amount's buying power then.
// Every value lives in the session state.

#include "common/childwindow.h"
#include "finance/inflationcalc.h"

class QLabel;
class QPushButton;

namespace kestrel {

class NumberField;
class WholeField;
class PrintChoicePanel;
class SpinButton;

class InflationWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit InflationWindow(QWidget* parent = nullptr);

    /// Fills the three entries from the session and runs the calculation.
    void windowActivated() override;

private:
    void calculate();
    void stepPeriod(bool up);
    void stepRate(bool up);
    void onPrint();

    WholeField* numPresCost_ = nullptr;
    WholeField* numPeriod_ = nullptr;
    NumberField* numInflaRate_ = nullptr;
    SpinButton* spnPeriod_ = nullptr;
    SpinButton* spnRate_ = nullptr;
    NumberField* numFutureValue_ = nullptr;
    QLabel* lblTooLarge_ = nullptr;
    NumberField* numBuyingPower_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdPrint_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    PrintChoicePanel* fraPrint_ = nullptr;
};

}  // namespace kestrel
