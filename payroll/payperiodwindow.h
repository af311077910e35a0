#pragma once
// frmMonthly, frmFortNight, frmWeekly and frmDaily: the tax of one pay. One window class
// for the four periods; the period decides the captions, the field kinds (whole rand in
// the monthly window, rand and cents in the others) and the period extent (start and end
// date, normal and this period's days, or nothing for a day).

#include "payroll/payperiod.h"
#include "payroll/taxwindow.h"

namespace kestrel {

class DateField;
class NumberField;

class PayPeriodWindow : public TaxWindow {
    Q_OBJECT
public:
    explicit PayPeriodWindow(PayPeriod period, QWidget* parent = nullptr);

    /// The caption of the period's window: "Monthly", "Fortnightly", "Weekly", "Daily".
    static QString captionFor(PayPeriod period);

    void calculate() override;

    PayPeriod period() const { return period_; }
    /// The inputs as the fields hold them now.
    const PayPeriodInputs& inputs() const { return inputs_; }
    /// The result of the last calculation that was not refused.
    const PayPeriodResult& lastResult() const { return result_; }

protected:
    ReportRecord reportRecord(PrintLanguage language) const override;
    ReportTarget reportTarget() const override;

private:
    void buildForm();
    void showDefaults();
    QWidget* focusFor(PayPeriodRefusal refusal) const;

    PayPeriod period_;
    PayPeriodInputs inputs_;
    PayPeriodInputs calculatedInputs_;
    PayPeriodResult result_;

    NumberField* age_ = nullptr;
    NumberField* numSalRemun_ = nullptr;
    NumberField* numEmpERMedAidCont_ = nullptr;
    NumberField* numEmpEEMedAidCont_ = nullptr;
    NumberField* numEmpRRFundCont_ = nullptr;
    NumberField* numEmpERFundCont_ = nullptr;
    NumberField* numComm_ = nullptr;
    NumberField* bonus_ = nullptr;
    NumberField* travel_ = nullptr;
    NumberField* numMTAAns_ = nullptr;  // monthly only
    NumberField* numMedAidBens_ = nullptr;
    NumberField* numAllowableRFundDed_ = nullptr;
    DateField* dtMStartDate_ = nullptr;  // monthly only
    DateField* dtMEndDate_ = nullptr;
    NumberField* normalDays_ = nullptr;  // fortnightly and weekly
    NumberField* thisDays_ = nullptr;
    NumberField* numMAns1_ = nullptr;
    NumberField* numMAns2_ = nullptr;
    NumberField* numMAns3_ = nullptr;
    NumberField* numMAns_ = nullptr;
    NumberField* numTaxCredit_ = nullptr;
    NumberField* numMTCForContri_ = nullptr;
    NumberField* numTaxLiability_ = nullptr;
};

}  // namespace kestrel
