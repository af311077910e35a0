#include "payroll/payperiodwindow.h"

#include "common/fields.h"
#include "common/formstyle.h"
#include "common/rounding.h"
#include "payroll/payrollmessages.h"
#include "payroll/taxpanels.h"
#include "shell/session.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kestrel {

using namespace payroll;

QString PayPeriodWindow::captionFor(PayPeriod period)
{
    switch (period) {
    case PayPeriod::Fortnightly:
        return QStringLiteral("Fortnightly");
    case PayPeriod::Weekly:
        return QStringLiteral("Weekly");
    case PayPeriod::Daily:
        return QStringLiteral("Daily");
    case PayPeriod::Monthly:
        break;
    }
    return QStringLiteral("Monthly");
}

PayPeriodWindow::PayPeriodWindow(PayPeriod period, QWidget* parent)
    : TaxWindow(parent), period_(period), inputs_(defaultPayPeriodInputs(period))
{
    setWindowTitle(captionFor(period));
    buildForm();
    loadSettings();
    showDefaults();
    calculate();
}

void PayPeriodWindow::buildForm()
{
    const bool monthly = period_ == PayPeriod::Monthly;
    const bool money = !monthly;  // the other windows take rand and cents

    age_ = wholeField(monthly                       ? "silgEdit9"
                      : period_ == PayPeriod::Daily ? "silgEdit23"
                                                    : "silgEdit14",
                      0, kMaximumAge, kMessageAgeRange);
    numSalRemun_ = amountField("numSalRemun", !money, money);
    numEmpERMedAidCont_ = amountField("numEmpERMedAidCont", !money);
    numEmpEEMedAidCont_ = amountField("numEmpEEMedAidCont", !money);
    numEmpRRFundCont_ = amountField("numEmpRRFundCont", true);
    numEmpERFundCont_ = amountField("numEmpERFundCont", true);
    numComm_ = amountField("numComm", !money, money);
    bonus_ = amountField(monthly ? "silgEdit12" : "sidbEdit4", !money, money);
    travel_ = amountField(monthly ? "silgEdit13" : "sidbEdit6", !money, money);
    numMedAidBens_ = wholeField("numMedAidBens", 0, kMaximumBeneficiaries, kMessageBeneficiaryRange);
    numAllowableRFundDed_ = resultField("numAllowableRFundDed", 0);

    // Inputs, label left and field right, in the order of the pay slip.
    auto* inputs = new FieldGroup(QStringLiteral("Employee and pay"), this);
    inputs->addRow(QStringLiteral("Age"), age_);
    inputs->addRow(QStringLiteral("Salary/remuneration"), numSalRemun_);
    inputs->addRow(QStringLiteral("Employer's med aid contrib."), numEmpERMedAidCont_);
    inputs->addRow(QStringLiteral("Employee's med aid contrib."), numEmpEEMedAidCont_);
    inputs->addRow(QStringLiteral(" Employer's R/Fund contributions "), numEmpRRFundCont_);
    inputs->addRow(QStringLiteral("Employee's R/Fund contributions"), numEmpERFundCont_);
    inputs->addRow(QStringLiteral("Commissions"), numComm_);
    inputs->addRow(QStringLiteral("Bonus"), bonus_);
    if (monthly) {
        numMTAAns_ = resultField("numMTAAns", 0);
        numMTAAns_->setToolTip(QStringLiteral("Taxable travel allowance"));
        inputs->addRow(QStringLiteral("Travel Allowance R"), travel_, false, numMTAAns_);
    } else {
        inputs->addRow(QStringLiteral("Travel allowance received"), travel_);
    }
    inputs->addRow(QStringLiteral("Medical aid fund beneficiaries"), numMedAidBens_);
    inputs->addRow(QStringLiteral("Allowable R/Fund deduction"), numAllowableRFundDed_);

    switch (period_) {
    case PayPeriod::Monthly: {
        dtMStartDate_ = new DateField(this);
        dtMStartDate_->setObjectName(QStringLiteral("dtMStartDate"));
        dtMEndDate_ = new DateField(this);
        dtMEndDate_->setObjectName(QStringLiteral("dtMEndDate"));
        for (DateField* field : {dtMStartDate_, dtMEndDate_}) {
            field->setLowerDate(TaxYearStart);
            field->setUpperDate(TaxYearEnd);
            field->setFixedWidth(110);
            field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            field->setToolTip(QStringLiteral("dd/mm/yyyy"));
            setInputStyle(field);
        }
        inputs->addRow(QStringLiteral("Start date"), dtMStartDate_);
        inputs->addRow(QStringLiteral("End date"), dtMEndDate_);
        break;
    }
    case PayPeriod::Fortnightly:
    case PayPeriod::Weekly: {
        const bool fortnight = period_ == PayPeriod::Fortnightly;
        normalDays_ = wholeField("silgEdit21", -32768, 32767, kMessageDaysRange);
        thisDays_ = wholeField("silgEdit22", -32768, 32767, kMessageDaysRange);
        inputs->addRow(fortnight ? QStringLiteral("Normal fortnight") : QStringLiteral("Normal work week"),
                       normalDays_);
        inputs->addRow(fortnight ? QStringLiteral("This fortnight") : QStringLiteral("This work week"), thisDays_);
        break;
    }
    case PayPeriod::Daily:
        break;
    }

    // Results of the period, in the order the deductions are made.
    numMAns1_ = resultField("numMAns1", 2);
    numMAns2_ = resultField("numMAns2", 2);
    numMAns3_ = resultField("numMAns3", 2);
    numMAns_ = resultField("numMAns", 2);
    numTaxCredit_ = resultField("numTaxCredit", 2);
    numMTCForContri_ = resultField("numMTCForContri", 2);
    numTaxLiability_ = resultField("numTaxLiability", 2);
    QFont bold = numTaxLiability_->font();
    bold.setBold(true);
    numTaxLiability_->setFont(bold);

    auto* results = new FieldGroup(QStringLiteral("Deductions"), this);
    results->addRow(QStringLiteral("UIF contribution Employee"), numMAns1_);
    results->addRow(QStringLiteral("UIF contribution Employer"), numMAns2_);
    results->addRow(QStringLiteral("S.D.L."), numMAns3_);
    results->addRow(QStringLiteral("Tax liability"), numMAns_);
    results->addRow(QStringLiteral("Tax credits for beneficiaries"), numTaxCredit_);
    results->addRow(QStringLiteral("Tax credits for contributions"), numMTCForContri_);
    results->addRow(QStringLiteral("Total tax deduction"), numTaxLiability_, true);
    results->keepRowsAtTop();

    auto* form = new QHBoxLayout;
    form->setSpacing(12);
    form->addWidget(inputs, 0, Qt::AlignTop);
    form->addWidget(results, 0, Qt::AlignTop);
    setForm(form);

    // Every field stores its value at each change.
    connect(age_, &NumberField::valueChanged, this, [this](double v) { inputs_.age = toInt16(v); });
    connect(numSalRemun_, &NumberField::valueChanged, this, [this](double v) { inputs_.salary = v; });
    connect(numEmpERMedAidCont_, &NumberField::valueChanged, this,
            [this](double v) { inputs_.employerMedicalAid = v; });
    connect(numEmpEEMedAidCont_, &NumberField::valueChanged, this,
            [this](double v) { inputs_.employeeMedicalAid = v; });
    connect(numEmpRRFundCont_, &NumberField::valueChanged, this, [this](double v) { inputs_.employerFund = v; });
    connect(numEmpERFundCont_, &NumberField::valueChanged, this, [this](double v) { inputs_.employeeFund = v; });
    connect(numComm_, &NumberField::valueChanged, this, [this](double v) { inputs_.commissions = v; });
    connect(bonus_, &NumberField::valueChanged, this, [this](double v) { inputs_.bonus = v; });
    connect(travel_, &NumberField::valueChanged, this, [this](double v) { inputs_.travelAllowance = v; });
    connect(numMedAidBens_, &NumberField::valueChanged, this, [this](double v) { inputs_.beneficiaries = toInt16(v); });
    if (dtMStartDate_) {
        connect(dtMStartDate_, &DateField::dateChanged, this, [this](DayNumber d) { inputs_.startDate = d; });
        connect(dtMEndDate_, &DateField::dateChanged, this, [this](DayNumber d) { inputs_.endDate = d; });
        connect(dtMStartDate_, &DateField::rejected, this,
                [this] { refuse(startDateMessage(), kCaptionIncorrectDate, dtMStartDate_); });
        connect(dtMEndDate_, &DateField::rejected, this,
                [this] { refuse(endDateMessage(dtMStartDate_->text()), kCaptionIncorrectDate, dtMEndDate_); });
    }
    if (normalDays_) {
        connect(normalDays_, &NumberField::valueChanged, this, [this](double v) { inputs_.normalDays = toInt32(v); });
        connect(thisDays_, &NumberField::valueChanged, this, [this](double v) { inputs_.thisDays = toInt32(v); });
    }
}

void PayPeriodWindow::showDefaults()
{
    inputs_ = defaultPayPeriodInputs(period_);
    for (NumberField* field : {age_, numSalRemun_, numEmpERMedAidCont_, numEmpEEMedAidCont_, numEmpRRFundCont_,
                               numEmpERFundCont_, numComm_, bonus_, travel_, numMedAidBens_})
        field->setValue(0);
    if (dtMStartDate_) {
        dtMStartDate_->setDate(inputs_.startDate);
        dtMEndDate_->setDate(inputs_.endDate);
    }
    if (normalDays_) {
        normalDays_->setValue(inputs_.normalDays);
        thisDays_->setValue(inputs_.thisDays);
    }
}

QWidget* PayPeriodWindow::focusFor(PayPeriodRefusal refusal) const
{
    switch (refusal) {
    case PayPeriodRefusal::StartDateOutsideYear:
    case PayPeriodRefusal::StartAfterEnd:
        return dtMStartDate_;
    case PayPeriodRefusal::EndDateOutsideYear:
    case PayPeriodRefusal::MonthsDiffer:
        return dtMEndDate_;
    case PayPeriodRefusal::DaysExceedNormal:
    case PayPeriodRefusal::NoDays:
    case PayPeriodRefusal::AmountOutOfRange:
    case PayPeriodRefusal::None:
        break;
    }
    return findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
}

void PayPeriodWindow::calculate()
{
    // A date field left empty or unreadable holds no date to calculate with.
    if (dtMStartDate_ && !dtMStartDate_->date()) {
        refuse(startDateMessage(), kCaptionIncorrectDate, dtMStartDate_);
        return;
    }
    if (dtMEndDate_ && !dtMEndDate_->date()) {
        refuse(endDateMessage(dtMStartDate_->text()), kCaptionIncorrectDate, dtMEndDate_);
        return;
    }
    const PayPeriodResult r = calculatePayPeriod(inputs_, settings());
    if (!r.ok()) {
        refuse(r.message, r.caption, focusFor(r.refusal));
        return;
    }
    // The lookup without the bonus was made last: QuickTax shows its income.
    session().taxScale = r.lastLookup;
    result_ = r;
    calculatedInputs_ = inputs_;

    numAllowableRFundDed_->setValue(r.allowableFundDeduction);
    if (numMTAAns_)
        numMTAAns_->setValue(r.taxableTravelAllowance);
    numMAns1_->setValue(r.employeeUIF);
    numMAns2_->setValue(r.employerUIF);
    numMAns3_->setValue(r.skillsLevy);
    numMAns_->setValue(r.periodTax);
    numTaxCredit_->setValue(r.medicalSchemeFeesCredit);
    numMTCForContri_->setValue(r.additionalMedicalCredit);
    numTaxLiability_->setValue(r.totalTaxDeduction);
}

ReportRecord PayPeriodWindow::reportRecord(PrintLanguage language) const
{
    return payPeriodReportRecord(language, employeeName(), calculatedInputs_, result_);
}

ReportTarget PayPeriodWindow::reportTarget() const
{
    return payPeriodReportTarget(period_);
}

}  // namespace kestrel
