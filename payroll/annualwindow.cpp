#include "payroll/annualwindow.h"

#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/rounding.h"
#include "payroll/payrollmessages.h"
#include "payroll/taxpanels.h"
#include "shell/session.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

using namespace payroll;

namespace {

// The month of a field index (1 January ... 12 December) in tax-year order (0 = March).
std::size_t yearIndex(int month)
{
    return static_cast<std::size_t>(taxYearMonthIndex(month));
}

}  // namespace

AnnualWindow::AnnualWindow(QWidget* parent) : TaxWindow(parent)
{
    setWindowTitle(QStringLiteral("Annual"));
    buildForm();
    loadSettings();
    showDefaults();
    calculate();
}

void AnnualWindow::buildForm()
{
    silgEdit1_ = wholeField("silgEdit1", 0, kMaximumAge, kMessageAgeRange);
    silgEdit2_ = amountField("silgEdit2", true);
    numEmpERMedAidCont_ = amountField("numEmpERMedAidCont", true);
    numEmpEEMedAidCont_ = amountField("numEmpEEMedAidCont", true);
    numEmpRRFundCont_ = amountField("numEmpRRFundCont", true);
    numEmpERFundCont_ = amountField("numEmpERFundCont", true);
    numDirFees_ = amountField("numDirFees", true);
    silgEdit4_ = amountField("silgEdit4", true);
    silgEdit8_ = amountField("silgEdit8", true);
    numAllowableRFundDed_ = resultField("numAllowableRFundDed", 0);
    dtStartDate_ = new DateField(this);
    dtStartDate_->setObjectName(QStringLiteral("dtStartDate"));
    dtEndDate_ = new DateField(this);
    dtEndDate_->setObjectName(QStringLiteral("dtEndDate"));
    for (DateField* field : {dtStartDate_, dtEndDate_}) {
        field->setLowerDate(TaxYearStart);
        field->setUpperDate(TaxYearEnd);
        field->setFixedWidth(110);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setToolTip(QStringLiteral("dd/mm/yyyy"));
        setInputStyle(field);
    }

    auto* inputs = new FieldGroup(QStringLiteral("Employee and income of the span"), this);
    inputs->addRow(QStringLiteral("Age"), silgEdit1_);
    inputs->addRow(QStringLiteral("Salary/remuneration"), silgEdit2_);
    inputs->addRow(QStringLiteral("Employer's med aid contrib."), numEmpERMedAidCont_);
    inputs->addRow(QStringLiteral("Employee's med aid contrib."), numEmpEEMedAidCont_);
    inputs->addRow(QStringLiteral(" Employer's R/Fund contributions "), numEmpRRFundCont_);
    inputs->addRow(QStringLiteral("Employee's R/Fund contributions"), numEmpERFundCont_);
    inputs->addRow(QStringLiteral("Commissions"), numDirFees_);
    inputs->addRow(QStringLiteral("Bonus"), silgEdit4_);
    inputs->addRow(QStringLiteral("Travel allowance received"), silgEdit8_);
    inputs->addRow(QStringLiteral("Allowable R/Fund deduction"), numAllowableRFundDed_);
    inputs->addRow(QStringLiteral("Start date"), dtStartDate_);
    inputs->addRow(QStringLiteral("End date"), dtEndDate_);

    numMAns_ = resultField("numMAns", 2);
    numTaxCredit_ = resultField("numTaxCredit", 2);
    numMTCForContri_ = resultField("numMTCForContri", 2);
    numTaxLiability_ = resultField("numTaxLiability", 2);
    numAns1_ = resultField("numAns1", 2);
    QFont bold = numTaxLiability_->font();
    bold.setBold(true);
    numTaxLiability_->setFont(bold);
    numAns1_->setFont(bold);

    auto* results = new FieldGroup(QStringLiteral("Tax of the span"), this);
    results->addRow(QStringLiteral("Tax liability"), numMAns_);
    results->addRow(QStringLiteral("Tax credits for beneficiaries"), numTaxCredit_);
    results->addRow(QStringLiteral("Tax credits for contributions"), numMTCForContri_);
    results->addRow(QStringLiteral("Total tax deduction"), numTaxLiability_, true);
    results->addRow(QStringLiteral("PAYE"), numAns1_, true);
    results->keepRowsAtTop();

    // The beneficiaries of each month, March first.
    auto* months = new QGroupBox(QStringLiteral("Number of Medical Aid Beneficiaries "), this);
    months->setObjectName(QStringLiteral("fraBeneficiaries"));
    auto* monthGrid = new QGridLayout(months);
    monthGrid->setHorizontalSpacing(6);
    monthGrid->setVerticalSpacing(3);
    static const char* const names[] = {"Mar", "Apr", "May", "Jun", "Jul", "Aug",
                                        "Sep", "Oct", "Nov", "Dec", "Jan", "Feb"};
    for (int index = 0; index < kTaxYearMonths; ++index) {
        const int month = (index + 2) % 12 + 1;
        auto* field = new WholeField(months);
        field->setObjectName(QStringLiteral("numAnnCalcBens%1").arg(month));
        field->setFixedWidth(40);
        field->setAlignment(Qt::AlignCenter);
        setInputStyle(field);
        numAnnCalcBens_[static_cast<std::size_t>(month - 1)] = field;
        auto* label = new QLabel(QString::fromLatin1(names[index]), months);
        label->setAlignment(Qt::AlignCenter);
        label->setBuddy(field);
        monthGrid->addWidget(label, 0, index, Qt::AlignHCenter);
        monthGrid->addWidget(field, 1, index, Qt::AlignHCenter);
        connect(field, &NumberField::valueChanged, this,
                [this, month](double v) { inputs_.beneficiaries[yearIndex(month)] = toInt16(v); });
        connect(field, &EntryField::committed, this, [this, month] { checkBeneficiaryField(month); });
    }
    cmdDuplicate_ = new QPushButton(QStringLiteral("Duplicate March to all 12 months "), months);
    cmdDuplicate_->setObjectName(QStringLiteral("cmdDuplicate"));
    monthGrid->addWidget(cmdDuplicate_, 2, 0, 1, kTaxYearMonths, Qt::AlignLeft);
    connect(cmdDuplicate_, &QPushButton::clicked, this, &AnnualWindow::duplicateMarch);

    auto* top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(inputs, 0, Qt::AlignTop);
    top->addWidget(results, 0, Qt::AlignTop);
    auto* form = new QVBoxLayout;
    form->setSpacing(10);
    form->addLayout(top);
    form->addWidget(months);
    setForm(form);

    connect(silgEdit1_, &NumberField::valueChanged, this, [this](double v) { inputs_.age = toInt16(v); });
    connect(silgEdit2_, &NumberField::valueChanged, this, [this](double v) { inputs_.salary = v; });
    connect(numEmpERMedAidCont_, &NumberField::valueChanged, this,
            [this](double v) { inputs_.employerMedicalAid = v; });
    connect(numEmpEEMedAidCont_, &NumberField::valueChanged, this,
            [this](double v) { inputs_.employeeMedicalAid = v; });
    connect(numEmpRRFundCont_, &NumberField::valueChanged, this, [this](double v) { inputs_.employerFund = v; });
    connect(numEmpERFundCont_, &NumberField::valueChanged, this, [this](double v) { inputs_.employeeFund = v; });
    connect(numDirFees_, &NumberField::valueChanged, this, [this](double v) { inputs_.commissions = v; });
    connect(silgEdit4_, &NumberField::valueChanged, this, [this](double v) { inputs_.bonus = v; });
    connect(silgEdit8_, &NumberField::valueChanged, this, [this](double v) { inputs_.travelAllowance = v; });

    // The start may not pass the end date and the end may not come before the start.
    connect(dtStartDate_, &DateField::dateChanged, this, [this](DayNumber d) { inputs_.startDate = d; });
    connect(dtEndDate_, &DateField::dateChanged, this, [this](DayNumber d) { inputs_.endDate = d; });
    connect(dtStartDate_, &EntryField::focusEntered, this,
            [this] { dtStartDate_->setUpperDate(dtEndDate_->date().value_or(TaxYearEnd)); });
    connect(dtEndDate_, &EntryField::focusEntered, this,
            [this] { dtEndDate_->setLowerDate(dtStartDate_->date().value_or(TaxYearStart)); });
    connect(dtStartDate_, &DateField::rejected, this,
            [this] { refuse(startDateMessage(), kCaptionIncorrectDate, dtStartDate_); });
    connect(dtEndDate_, &DateField::rejected, this,
            [this] { refuse(endDateMessage(dtStartDate_->text()), kCaptionIncorrectDate, dtEndDate_); });
}

void AnnualWindow::showDefaults()
{
    inputs_ = AnnualCheckInputs{};
    for (NumberField* field : {silgEdit1_, silgEdit2_, numEmpERMedAidCont_, numEmpEEMedAidCont_, numEmpRRFundCont_,
                               numEmpERFundCont_, numDirFees_, silgEdit4_, silgEdit8_})
        field->setValue(0);
    for (NumberField* field : numAnnCalcBens_)
        field->setValue(0);
    dtStartDate_->setDate(TaxYearStart);
    dtEndDate_->setDate(TaxYearEnd);
}

void AnnualWindow::checkBeneficiaryField(int month)
{
    NumberField* field = beneficiaryField(month);
    const double count = field->value();
    if (count > kMaximumMonthlyBeneficiaries) {
        showMessage(kMessageMaximumBeneficiaries);
        field->setValue(kMaximumMonthlyBeneficiaries);
    } else if (count < 0) {
        showMessage(kMessageNegativeBeneficiaries);
        field->setValue(0);
    }
}

void AnnualWindow::duplicateMarch()
{
    for (int month = 1; month <= kTaxYearMonths; ++month)
        checkBeneficiaryField(month);
    const double march = beneficiaryField(3)->value();
    for (int index = 0; index < kTaxYearMonths; ++index)
        beneficiaryField((index + 2) % 12 + 1)->setValue(march);
}

void AnnualWindow::calculate()
{
    if (!dtStartDate_->date()) {
        refuse(startDateMessage(), kCaptionIncorrectDate, dtStartDate_);
        return;
    }
    if (!dtEndDate_->date()) {
        refuse(endDateMessage(dtStartDate_->text()), kCaptionIncorrectDate, dtEndDate_);
        return;
    }
    const AnnualCheckResult r = calculateAnnualCheck(inputs_, settings());
    if (!r.ok()) {
        QWidget* focus = findChild<QPushButton*>(QStringLiteral("cmdCalculate"));
        if (r.refusal == AnnualCheckRefusal::StartDateOutsideYear)
            focus = dtStartDate_;
        else if (r.refusal == AnnualCheckRefusal::EndDateOutOfRange)
            focus = dtEndDate_;
        refuse(r.message, r.caption, focus);
        return;
    }
    // Months outside the span lose their count when a contribution is present.
    for (int month = 1; month <= kTaxYearMonths; ++month) {
        const short count = r.beneficiaries[yearIndex(month)];
        if (count != inputs_.beneficiaries[yearIndex(month)])
            beneficiaryField(month)->setValue(count);
    }
    // The lookup without the bonus was made last: QuickTax shows its income.
    session().taxScale = r.lastLookup;
    result_ = r;
    calculatedInputs_ = inputs_;

    numAllowableRFundDed_->setValue(r.allowableFundDeduction);
    numMAns_->setValue(r.taxLiability);
    numTaxCredit_->setValue(r.medicalSchemeFeesCredit);
    numMTCForContri_->setValue(r.additionalMedicalCredit);
    numTaxLiability_->setValue(r.totalTaxDeduction);
    numAns1_->setValue(r.paye);
}

ReportRecord AnnualWindow::reportRecord(PrintLanguage language) const
{
    return annualReportRecord(language, employeeName(), calculatedInputs_, result_);
}

ReportTarget AnnualWindow::reportTarget() const
{
    return annualReportTarget();
}

}  // namespace kestrel
