#pragma once
// frmAnnual: the annual tax check of the whole tax year or part of it, with the medical
// aid beneficiaries month by month.

#include "payroll/annualcheck.h"
#include "payroll/taxwindow.h"

#include <array>

class QPushButton;

namespace kestrel {

class DateField;
class NumberField;

class AnnualWindow : public TaxWindow {
    Q_OBJECT
public:
    explicit AnnualWindow(QWidget* parent = nullptr);

    void calculate() override;
    /// "Duplicate March to all 12 months ": each count above 24 is first set to 24, then
    /// March's count is copied into every month.
    void duplicateMarch();

    const AnnualCheckInputs& inputs() const { return inputs_; }
    const AnnualCheckResult& lastResult() const { return result_; }
    /// The beneficiary field of a month: 1 January ... 12 December (numAnnCalcBens(1..12)).
    NumberField* beneficiaryField(int month) const { return numAnnCalcBens_[static_cast<std::size_t>(month - 1)]; }

protected:
    ReportRecord reportRecord(PrintLanguage language) const override;
    ReportTarget reportTarget() const override;

private:
    void buildForm();
    void showDefaults();
    /// Holds a month's count to 0 to 24 when its field is left.
    void checkBeneficiaryField(int month);

    AnnualCheckInputs inputs_;
    AnnualCheckInputs calculatedInputs_;
    AnnualCheckResult result_;

    NumberField* silgEdit1_ = nullptr;
    NumberField* silgEdit2_ = nullptr;
    NumberField* numEmpERMedAidCont_ = nullptr;
    NumberField* numEmpEEMedAidCont_ = nullptr;
    NumberField* numEmpRRFundCont_ = nullptr;
    NumberField* numEmpERFundCont_ = nullptr;
    NumberField* numDirFees_ = nullptr;
    NumberField* silgEdit4_ = nullptr;
    NumberField* silgEdit8_ = nullptr;
    std::array<NumberField*, 12> numAnnCalcBens_{};
    QPushButton* cmdDuplicate_ = nullptr;
    DateField* dtStartDate_ = nullptr;
    DateField* dtEndDate_ = nullptr;
    NumberField* numAllowableRFundDed_ = nullptr;
    NumberField* numMAns_ = nullptr;
    NumberField* numTaxCredit_ = nullptr;
    NumberField* numMTCForContri_ = nullptr;
    NumberField* numTaxLiability_ = nullptr;
    NumberField* numAns1_ = nullptr;
};

}  // namespace kestrel
