#pragma once
// The four salary-package windows: frmKestrelMon and frmKestrelAnn work backward from the
// net salary required, frmOsprMon and frmOsprAnn forward from a total package amount, each
// for a month or a year. One class, parameterised by direction and period.
//
// The window keeps its inputs and results itself (lost when it closes) and its own copy of
// the payroll settings, read from Settings.mdb when it opens and written back from its
// "Setup" panel. Its panels ("Setup", the print choice, "R/A Explained(Annual Figures
// Shown)") are shown in front of the other controls.

#include "common/childwindow.h"
#include "package/packagecalc.h"

#include <array>

class QLabel;
class QPushButton;
class QWidget;

namespace kestrel {

class NumberField;
class WholeField;
class TextField;
class PackageSetupPanel;
class PrintChoicePanel;

class PackageWindow : public ChildWindow {
    Q_OBJECT
public:
    PackageWindow(PackageDirection direction, PackagePeriod period, QWidget* parent = nullptr);

    PackageDirection direction() const { return direction_; }
    PackagePeriod period() const { return period_; }

    /// What the entry fields hold.
    const PackageInputs& inputs() const { return inputs_; }
    /// The results of the last calculation that was not refused.
    const PackageResult& keptResults() const { return kept_; }

    /// "&Calculate": runs the window's calculation and shows the results. Returns false
    /// when the calculation was refused (the previous results stay).
    bool calculate();

private:
    NumberField* amountField(const char* name);
    NumberField* resultField(const char* name);
    void buildPanels();
    void setButtonsForPanel(bool panelShown, bool includingPrint);
    void showResults(const PackageResult& result);
    void onPrint();
    void onSetupOk();
    void onRaExplained();
    void salPackPrint(int destination);

    PackageDirection direction_;
    PackagePeriod period_;
    PackageInputs inputs_;
    PackageResult kept_;

    // Inputs and their copies in the cost-to-company column.
    WholeField* numAge_;
    NumberField* numNetMonSalReq_;
    NumberField* numCCNetMonSalReq_ = nullptr;  // forward windows
    NumberField* numCompCar_;
    NumberField* numCCCompCar_;
    NumberField* numTravAll_;
    NumberField* numCCTravAll_;
    NumberField* numMedAidCont_;
    NumberField* numCCMedAidCont_;
    WholeField* numPMems_;
    NumberField* numOTaxFB_;
    NumberField* numCCOTaxFB_;
    NumberField* numRFundCont_;
    NumberField* numCCRFundCont_;
    NumberField* numMedDeduct_ = nullptr;  // backward windows
    std::array<TextField*, 4> txtOtherDet_{};
    std::array<NumberField*, 4> numOtherDet_{};
    std::array<NumberField*, 4> numOtherDetCC_{};

    // Results.
    NumberField* numMAns_;
    NumberField* numTaxCredit_;
    NumberField* numTaxDeduct_;
    NumberField* numUIFCont_;
    NumberField* numCCUIFCont_;
    NumberField* numCCSkillLev_;
    NumberField* numGrossSal_;
    NumberField* numTotCostComp_;
    NumberField* numOnceOff_;
    QWidget* onceOffNote_;
    QLabel* lblWarning_;

    QPushButton* cmdOK_;
    QPushButton* cmdRAExplained_;
    QPushButton* cmdCalculate_;
    QPushButton* cmdSettings_;
    QPushButton* cmdPrint_;

    PackageSetupPanel* setup_ = nullptr;
    PrintChoicePanel* print_ = nullptr;
    TextField* Text1_ = nullptr;
    QWidget* raPanel_ = nullptr;
    QLabel* raLineA_ = nullptr;
    QLabel* raLineC_ = nullptr;
};

}  // namespace kestrel
