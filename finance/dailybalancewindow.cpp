#include "finance/dailybalancewindow.h"

#include "common/busycursor.h"
#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/printchoicepanel.h"
#include "common/rounding.h"
#include "common/spinbutton.h"
#include "finance/financereports.h"
#include "finance/financeui.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"
#include "shell/session.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

namespace {

DailyBalanceState& daily()
{
    return session().dailyBalance;
}

}  // namespace

DailyBalanceWindow::DailyBalanceWindow(QWidget* parent) : ChildWindow(parent)
{
    setWindowTitle(QStringLiteral("Daily Balance"));
    auto* top = titledWindowLayout(this, QStringLiteral("Daily Balance :"));

    auto* grid = formGrid();
    top->addLayout(grid);

    numCapital_ = new NumberField(2, this);
    numCapital_->setObjectName(QStringLiteral("numCapital"));
    // Kept in single precision: beyond ten digits the cents would be lost.
    numCapital_->setRange(0, 9999999999.99);
    numCapital_->setFixedWidth(kAmountFieldWidth);
    dtStartDate_ = new DateField(this);
    dtStartDate_->setObjectName(QStringLiteral("dtStartDate"));
    dtEndDate_ = new DateField(this);
    dtEndDate_->setObjectName(QStringLiteral("dtEndDate"));
    for (DateField* field : {dtStartDate_, dtEndDate_}) {
        field->setMasked(true);
        field->setFixedWidth(kAmountFieldWidth);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setInputStyle(field);
    }
    numRate_ = new NumberField(3, this);
    numRate_->setObjectName(QStringLiteral("numRate"));
    numRate_->setRange(0, kDailyBalanceMaximumRate);
    numRate_->setFixedWidth(70);
    numInterest_ = new NumberField(2, this);
    numInterest_->setObjectName(QStringLiteral("numInterest"));
    numInterest_->setFixedWidth(kAmountFieldWidth);
    numDays_ = new NumberField(0, this);
    numDays_->setObjectName(QStringLiteral("numDays"));
    numDays_->setFixedWidth(70);
    for (NumberField* field : {numCapital_, numRate_}) {
        field->setZeroWhenEmptyOnLeave(true);
        setInputStyle(field);
    }
    setResultStyle(numInterest_);
    setResultStyle(numDays_);
    spnDate_ = new SpinButton(this);
    spnDate_->setObjectName(QStringLiteral("spnDate"));
    spnDate_->setToolTip(QStringLiteral("Moves the end date a day on or back"));
    spnRate_ = new SpinButton(this);
    spnRate_->setObjectName(QStringLiteral("spnRate"));

    grid->addWidget(formLabel(QStringLiteral("Capital amount"), this), 0, 0);
    grid->addWidget(formLabel(QStringLiteral("R"), this), 0, 1);
    grid->addWidget(numCapital_, 0, 2);
    grid->addWidget(formLabel(QStringLiteral("Start date"), this), 1, 0);
    grid->addWidget(dtStartDate_, 1, 2);
    grid->addWidget(formLabel(QStringLiteral("End date"), this), 2, 0);
    grid->addWidget(dtEndDate_, 2, 2);
    grid->addWidget(spnDate_, 2, 3);
    grid->addWidget(formLabel(QStringLiteral("Date"), this), 2, 4);
    grid->addWidget(formLabel(QStringLiteral("Interest rate"), this), 3, 0);
    grid->addWidget(numRate_, 3, 2, Qt::AlignRight);
    grid->addWidget(spnRate_, 3, 3);
    grid->addWidget(formLabel(QStringLiteral("% p.a."), this), 3, 4);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, 4, 0, 1, 5);
    grid->addWidget(formLabel(QStringLiteral("Interest accrued"), this), 5, 0);
    grid->addWidget(formLabel(QStringLiteral("R"), this), 5, 1);
    grid->addWidget(numInterest_, 5, 2);
    grid->addWidget(formLabel(QStringLiteral("Number of days"), this), 6, 0);
    grid->addWidget(numDays_, 6, 2, Qt::AlignRight);
    grid->setColumnStretch(5, 1);

    const CommandButtons buttons = addCommandButtons(top, this);
    cmdCalculate_ = buttons.calculate;
    cmdPrint_ = buttons.print;
    cmdOK_ = buttons.ok;
    setTabOrder(numCapital_, dtStartDate_);
    setTabOrder(dtStartDate_, dtEndDate_);
    setTabOrder(dtEndDate_, numRate_);
    setTabOrder(numRate_, cmdCalculate_);
    setTabOrder(cmdCalculate_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdOK_);

    fraPrint_ = new PrintChoicePanel(this, QStringLiteral("C&ancel"));

    // Every change is stored at once: amounts and the rate in single precision, dates as
    // day numbers, an emptied date field as the no-date marker.
    connect(numCapital_, &NumberField::valueChanged, this, [](double v) { daily().capital = toSingle(v); });
    connect(numRate_, &NumberField::valueChanged, this, [](double v) { daily().rate = toSingle(v); });
    connect(dtStartDate_, &DateField::dateChanged, this, [](DayNumber d) { daily().startDate = d; });
    connect(dtEndDate_, &DateField::dateChanged, this, [](DayNumber d) { daily().endDate = d; });
    connect(dtStartDate_, &QLineEdit::textChanged, this, [this] {
        if (dtStartDate_->isEmpty())
            daily().startDate = kNoDateMarker;
    });
    connect(dtEndDate_, &QLineEdit::textChanged, this, [this] {
        if (dtEndDate_->isEmpty())
            daily().endDate = kNoDateMarker;
    });
    connect(dtStartDate_, &EntryField::focusEntered, this, [this] { setDateLimits(true); });
    connect(dtEndDate_, &EntryField::focusEntered, this, [this] { setDateLimits(false); });
    connect(dtStartDate_, &DateField::rejected, this,
            [this](DateField::Rejection reason) { onDateRejected(true, reason == DateField::Rejection::Invalid); });
    connect(dtEndDate_, &DateField::rejected, this,
            [this](DateField::Rejection reason) { onDateRejected(false, reason == DateField::Rejection::Invalid); });
    connect(numCapital_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });
    connect(numRate_, &NumberField::outOfRange, this, [this](double rejected) {
        // The rate spin runs up to 50 %; a rate it set stays until the user types another.
        // The field has put back its last accepted value: when that is the one refused,
        // nothing was typed.
        if (rejected == numRate_->value())
            return;
        markEntryRefused();
        refuseEntry(numRate_, dailyBalanceRateMessage(), QStringLiteral("Incorrect Interest Rate!"));
    });

    connect(spnRate_, &SpinButton::stepUp, this, [this] { stepRate(true); });
    connect(spnRate_, &SpinButton::stepDown, this, [this] { stepRate(false); });
    connect(spnDate_, &SpinButton::stepUp, this, [this] { stepEndDate(true); });
    connect(spnDate_, &SpinButton::stepDown, this, [this] { stepEndDate(false); });
    connect(cmdCalculate_, &QPushButton::clicked, this, &DailyBalanceWindow::onCalculate);
    connect(cmdPrint_, &QPushButton::clicked, this, &DailyBalanceWindow::onPrint);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(fraPrint_, &PrintChoicePanel::viewChosen, this,
            [] { PrintReport(kDailyBalanceReport, kDailyBalanceTitle, 0); });
    connect(fraPrint_, &PrintChoicePanel::printChosen, this, [] { PrintReport(kDailyBalanceReport, std::nullopt, 1); });

    windowActivated();
    numCapital_->setFocus();
    setMinimumSize(sizeHint());
}

DailyBalanceInputs DailyBalanceWindow::inputs() const
{
    const DailyBalanceState& s = daily();
    return {s.capital, s.rate, s.startDate, s.endDate};
}

void DailyBalanceWindow::windowActivated()
{
    const DailyBalanceState s = daily();
    numCapital_->setValue(s.capital);
    numRate_->setValue(s.rate);
    if (isChosenDate(s.startDate))
        dtStartDate_->setDate(s.startDate);
    else
        dtStartDate_->clearDate();
    if (isChosenDate(s.endDate))
        dtEndDate_->setDate(s.endDate);
    else
        dtEndDate_->clearDate();
    calculate();
}

void DailyBalanceWindow::calculate()
{
    BusyCursor busy;
    result_ = calculateDailyBalance(inputs());
    if (result_.computed) {
        numInterest_->setValue(result_.interest);
        numDays_->setValue(result_.days);
    } else {
        // Until both dates are chosen there is nothing to show.
        numInterest_->clear();
        numDays_->clear();
    }
}

void DailyBalanceWindow::onCalculate()
{
    if (!commitEditing())
        return;
    if (dtStartDate_->isEmpty()) {
        dtStartDate_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (dtEndDate_->isEmpty()) {
        dtEndDate_->setFocus(Qt::OtherFocusReason);
        return;
    }
    calculate();
}

void DailyBalanceWindow::setDateLimits(bool forStart)
{
    const DailyBalanceState& s = daily();
    const DateLimits limits = forStart ? startDateLimits(s.endDate) : endDateLimits(s.startDate);
    DateField* field = forStart ? dtStartDate_ : dtEndDate_;
    field->setLowerDate(limits.lower);
    field->setUpperDate(limits.upper);
}

void DailyBalanceWindow::onDateRejected(bool isStart, bool invalid)
{
    markEntryRefused();
    DateField* field = isStart ? dtStartDate_ : dtEndDate_;
    if (invalid) {
        refuseEntry(field, invalidDateMessage(), QStringLiteral("INVALID DATE"));
        return;
    }
    const DailyBalanceState& s = daily();
    refuseEntry(field, isStart ? startDateOutOfRangeMessage(s.endDate) : endDateOutOfRangeMessage(s.startDate),
                QStringLiteral("DATE OUT OF RANGE"));
}

void DailyBalanceWindow::stepRate(bool up)
{
    DailyBalanceState& s = daily();
    if (s.rate == 0)
        return;
    const SpinStep step = stepDailyBalanceRate(s.rate, s.rateStep, up);
    if (step.beep)
        beep();
    numRate_->setValue(step.value);
    calculate();
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

void DailyBalanceWindow::stepEndDate(bool up)
{
    const auto start = dtStartDate_->date();
    if (!start || !isChosenDate(*start))
        return;
    // Without an end date the spin starts from the start date. The end date stays between
    // the start date and the latest date its field accepts.
    const DailyBalanceState& s = daily();
    const DayNumber from = isChosenDate(s.endDate) ? s.endDate : *start;
    DayNumber next = up ? from + 1 : from - 1;
    if (next < *start)
        next = *start;
    if (next > *start + kDailyBalanceMaximumDays) {
        next = *start + kDailyBalanceMaximumDays;
        beep();
    }
    dtEndDate_->setDate(next);
    calculate();
}

void DailyBalanceWindow::onPrint()
{
    if (!commitEditing())
        return;
    // The printout shows the current entries with their own result.
    calculate();
    if (!(result_.interest > 0 && result_.days > 0)) {
        cmdOK_->setFocus(Qt::OtherFocusReason);
        return;
    }
    BusyCursor busy;
    offerPrintChoice(writeDailyBalanceRecord(session().ReportDbPath, inputs(), result_), kDailyBalanceReport,
                     fraPrint_);
}

}  // namespace kestrel
