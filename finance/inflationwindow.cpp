#include "finance/inflationwindow.h"

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

InflationState& inflation()
{
    return session().inflation;
}

}  // namespace

InflationWindow::InflationWindow(QWidget* parent) : ChildWindow(parent)
{
    setWindowTitle(QStringLiteral("Inflation"));
    auto* top = titledWindowLayout(this, QStringLiteral("Inflation :"));

    auto* grid = formGrid();
    top->addLayout(grid);

    numPresCost_ = new WholeField(this);
    numPresCost_->setObjectName(QStringLiteral("numPresCost"));
    numPresCost_->setRange(0, 2147483647.0);
    numPresCost_->setFixedWidth(kAmountFieldWidth);
    numPeriod_ = new WholeField(this);
    numPeriod_->setObjectName(QStringLiteral("numPeriod"));
    numPeriod_->setRange(0, kInflationMaximumYears);
    numPeriod_->setFixedWidth(60);
    numInflaRate_ = new NumberField(3, this);
    numInflaRate_->setObjectName(QStringLiteral("numInflaRate"));
    numInflaRate_->setRange(-5, 40);
    numInflaRate_->setFixedWidth(70);
    for (NumberField* field :
         {static_cast<NumberField*>(numPresCost_), static_cast<NumberField*>(numPeriod_), numInflaRate_}) {
        field->setZeroWhenEmptyOnLeave(true);
        setInputStyle(field);
    }
    numFutureValue_ = new NumberField(2, this);
    numFutureValue_->setObjectName(QStringLiteral("numFutureValue"));
    numFutureValue_->setFixedWidth(kAmountFieldWidth);
    numBuyingPower_ = new NumberField(2, this);
    numBuyingPower_->setObjectName(QStringLiteral("numBuyingPower"));
    numBuyingPower_->setFixedWidth(kAmountFieldWidth);
    setResultStyle(numFutureValue_);
    setResultStyle(numBuyingPower_);
    lblTooLarge_ = new QLabel(QStringLiteral("Amount too large to display"), this);
    lblTooLarge_->setObjectName(QStringLiteral("lblTooLarge"));
    QPalette warning = lblTooLarge_->palette();
    warning.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblTooLarge_->setPalette(warning);
    lblTooLarge_->hide();
    spnPeriod_ = new SpinButton(this);
    spnPeriod_->setObjectName(QStringLiteral("spnPeriod"));
    spnRate_ = new SpinButton(this);
    spnRate_->setObjectName(QStringLiteral("spnRate"));

    grid->addWidget(formLabel(QStringLiteral("Present cost"), this), 0, 0);
    grid->addWidget(formLabel(QStringLiteral("R"), this), 0, 1);
    grid->addWidget(numPresCost_, 0, 2);
    grid->addWidget(formLabel(QStringLiteral("Period"), this), 1, 0);
    grid->addWidget(numPeriod_, 1, 2, Qt::AlignRight);
    grid->addWidget(spnPeriod_, 1, 3);
    grid->addWidget(formLabel(QStringLiteral("year/s."), this), 1, 4);
    grid->addWidget(formLabel(QStringLiteral("Inflation rate"), this), 2, 0);
    grid->addWidget(numInflaRate_, 2, 2, Qt::AlignRight);
    grid->addWidget(spnRate_, 2, 3);
    grid->addWidget(formLabel(QStringLiteral("% p.a."), this), 2, 4);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, 3, 0, 1, 5);
    grid->addWidget(formLabel(QStringLiteral("Future value/cost"), this), 4, 0);
    grid->addWidget(formLabel(QStringLiteral("R"), this), 4, 1);
    grid->addWidget(numFutureValue_, 4, 2);
    grid->addWidget(lblTooLarge_, 4, 2, 1, 3);
    grid->addWidget(formLabel(QStringLiteral("Buying power"), this), 5, 0);
    grid->addWidget(formLabel(QStringLiteral("R"), this), 5, 1);
    grid->addWidget(numBuyingPower_, 5, 2);
    grid->setColumnMinimumWidth(4, fontMetrics().horizontalAdvance(QStringLiteral("year/s.")) + 4);
    grid->setColumnStretch(5, 1);

    const CommandButtons buttons = addCommandButtons(top, this);
    cmdCalculate_ = buttons.calculate;
    cmdPrint_ = buttons.print;
    cmdOK_ = buttons.ok;
    setTabOrder(numPresCost_, numPeriod_);
    setTabOrder(numPeriod_, numInflaRate_);
    setTabOrder(numInflaRate_, cmdCalculate_);
    setTabOrder(cmdCalculate_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdOK_);

    fraPrint_ = new PrintChoicePanel(this, QStringLiteral("C&ancel"));

    // Every change of an entry is stored at once; the cost and the period are whole.
    connect(numPresCost_, &NumberField::valueChanged, this,
            [](double v) { inflation().presentCost = roundHalfEven(v); });
    connect(numPeriod_, &NumberField::valueChanged, this, [](double v) { inflation().period = roundHalfEven(v); });
    connect(numInflaRate_, &NumberField::valueChanged, this, [](double v) { inflation().rate = v; });
    connect(numPresCost_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });
    connect(numPeriod_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numPeriod_, inflationPeriodMessage(), QStringLiteral("Incorrect Period!"));
    });
    connect(numInflaRate_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numInflaRate_, inflationRateMessage(), QStringLiteral("Incorrect Inflation Rate!"));
    });
    connect(spnPeriod_, &SpinButton::stepUp, this, [this] { stepPeriod(true); });
    connect(spnPeriod_, &SpinButton::stepDown, this, [this] { stepPeriod(false); });
    connect(spnRate_, &SpinButton::stepUp, this, [this] { stepRate(true); });
    connect(spnRate_, &SpinButton::stepDown, this, [this] { stepRate(false); });
    connect(cmdCalculate_, &QPushButton::clicked, this, [this] {
        if (commitEditing())
            calculate();
    });
    connect(cmdPrint_, &QPushButton::clicked, this, &InflationWindow::onPrint);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(fraPrint_, &PrintChoicePanel::viewChosen, this, [] { PrintReport(kInflationReport, kInflationTitle, 0); });
    connect(fraPrint_, &PrintChoicePanel::printChosen, this, [] { PrintReport(kInflationReport, std::nullopt, 1); });

    windowActivated();
    numPresCost_->setFocus();
    setMinimumSize(sizeHint());
}

void InflationWindow::windowActivated()
{
    const InflationState s = inflation();
    numPresCost_->setValue(s.presentCost);
    numPeriod_->setValue(s.period);
    numInflaRate_->setValue(s.rate);
    calculate();
}

void InflationWindow::calculate()
{
    BusyCursor busy;
    InflationState& s = inflation();
    lblTooLarge_->hide();
    numFutureValue_->show();
    const InflationResult r = projectInflation(s.presentCost, static_cast<int>(s.period), s.rate);
    s.futureValue = r.futureValue;
    s.buyingPower = r.buyingPower;
    if (r.tooLarge) {
        numFutureValue_->hide();
        lblTooLarge_->show();
        numFutureValue_->clear();
    } else {
        numFutureValue_->setValue(r.futureValue);
    }
    numBuyingPower_->setValue(r.buyingPower);
}

void InflationWindow::stepPeriod(bool up)
{
    InflationState& s = inflation();
    if (s.period == 0)
        return;
    const SpinStep step = stepInflationPeriod(s.period, up);
    if (step.beep)
        beep();
    numPeriod_->setValue(step.value);
    calculate();
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

void InflationWindow::stepRate(bool up)
{
    const SpinStep step = stepInflationRate(inflation().rate, up);
    if (step.beep)
        beep();
    numInflaRate_->setValue(step.value);
    calculate();
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

void InflationWindow::onPrint()
{
    if (!commitEditing())
        return;
    // The printout shows the current entries with their own results.
    calculate();
    const InflationState& s = inflation();
    if (s.futureValue == 0 || s.futureValue > kLargestDisplayableFutureValue) {
        cmdOK_->setFocus(Qt::OtherFocusReason);
        return;
    }
    BusyCursor busy;
    offerPrintChoice(writeInflationRecord(session().ReportDbPath, s.presentCost, s.period, s.rate,
                                          {s.futureValue, s.buyingPower, false}),
                     kInflationReport, fraPrint_);
}

}  // namespace kestrel
