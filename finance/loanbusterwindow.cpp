#include "finance/loanbusterwindow.h"

#include "common/busycursor.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/printchoicepanel.h"
#include "common/rounding.h"
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

LoanBusterState& buster()
{
    return session().loanBuster;
}

QLabel* columnHeading(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    return label;
}

}  // namespace

LoanBusterWindow::LoanBusterWindow(QWidget* parent) : ChildWindow(parent)
{
    setWindowTitle(QStringLiteral("Loan Buster"));
    auto* top = titledWindowLayout(this, QStringLiteral("Loan Buster :"));

    auto* grid = formGrid();
    top->addLayout(grid);

    auto amount = [this](const QString& name) {
        auto* field = new NumberField(2, this);
        field->setObjectName(name);
        field->setFixedWidth(kAmountFieldWidth);
        return field;
    };
    numPrincipal_ = amount(QStringLiteral("numPrincipal"));
    numPrincipal_->setRange(0, 99999999.99);
    numPeriod_ = new WholeField(this);
    numPeriod_->setObjectName(QStringLiteral("numPeriod"));
    numPeriod_->setRange(0, kMaximumLoanMonths);
    numPeriod_->setFixedWidth(60);
    numRate_ = new NumberField(3, this);
    numRate_->setObjectName(QStringLiteral("numRate"));
    numRate_->setRange(0, 50);
    numRate_->setFixedWidth(70);
    numRepayment_ = amount(QStringLiteral("numRepayment"));
    numTotInterest_ = amount(QStringLiteral("numTotInterest"));
    numTotRepayments_ = amount(QStringLiteral("numTotRepayments"));
    numExtra_ = amount(QStringLiteral("numExtra"));
    numExtra_->setRange(0, 99999999.99);
    numTotSaving_ = amount(QStringLiteral("numTotSaving"));
    numXPrincipal_ = amount(QStringLiteral("numXPrincipal"));
    numXPeriod_ = new NumberField(0, this);
    numXPeriod_->setObjectName(QStringLiteral("numXPeriod"));
    numXPeriod_->setFixedWidth(60);
    numXRate_ = new NumberField(3, this);
    numXRate_->setObjectName(QStringLiteral("numXRate"));
    numXRate_->setFixedWidth(70);
    numXRepayment_ = amount(QStringLiteral("numXRepayment"));
    numXTotInterest_ = amount(QStringLiteral("numXTotInterest"));
    numXTotRepayments_ = amount(QStringLiteral("numXTotRepayments"));

    for (NumberField* field :
         {static_cast<NumberField*>(numPrincipal_), static_cast<NumberField*>(numPeriod_), numRate_, numExtra_}) {
        field->setZeroWhenEmptyOnLeave(true);
        setInputStyle(field);
    }
    for (NumberField* field : {numRepayment_, numTotInterest_, numTotRepayments_, numTotSaving_, numXPrincipal_,
                               numXPeriod_, numXRate_, numXRepayment_, numXTotInterest_, numXTotRepayments_})
        setResultStyle(field);

    grid->addWidget(columnHeading(QStringLiteral("Normal loan"), this), 0, 2);
    grid->addWidget(columnHeading(QStringLiteral("With extra payments"), this), 0, 5);
    auto addRow = [&](int row, const QString& label, const QString& prefix, QWidget* left, QWidget* right,
                      const QString& unit) {
        grid->addWidget(formLabel(label, this), row, 0);
        if (!prefix.isEmpty())
            grid->addWidget(formLabel(prefix, this), row, 1);
        grid->addWidget(left, row, 2, Qt::AlignRight);
        if (!unit.isEmpty())
            grid->addWidget(formLabel(unit, this), row, 3);
        if (right) {
            grid->addWidget(right, row, 5, Qt::AlignRight);
            if (!unit.isEmpty())
                grid->addWidget(formLabel(unit, this), row, 6);
        }
    };
    addRow(1, QStringLiteral("Principal amount"), QStringLiteral(": R"), numPrincipal_, numXPrincipal_, QString());
    addRow(2, QStringLiteral("Period"), QString(), numPeriod_, numXPeriod_, QStringLiteral("months"));
    addRow(3, QStringLiteral("Interest rate"), QString(), numRate_, numXRate_, QStringLiteral("% p.a."));
    addRow(4, QStringLiteral("Monthly repayment"), QStringLiteral(": R"), numRepayment_, numXRepayment_, QString());
    addRow(5, QStringLiteral("Total interest"), QStringLiteral(": R"), numTotInterest_, numXTotInterest_, QString());
    addRow(6, QStringLiteral("Total repayments"), QStringLiteral(": R"), numTotRepayments_, numXTotRepayments_,
           QString());
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, 7, 0, 1, 7);
    addRow(8, QStringLiteral("Extra voluntary payments"), QStringLiteral(": R"), numExtra_, nullptr, QString());
    addRow(9, QStringLiteral("Total saving"), QStringLiteral(": R"), numTotSaving_, nullptr, QString());
    grid->setColumnMinimumWidth(3, fontMetrics().horizontalAdvance(QStringLiteral("months")) + 4);
    grid->setColumnMinimumWidth(4, 24);
    grid->setColumnStretch(7, 1);

    const CommandButtons buttons = addCommandButtons(top, this);
    cmdCalculate_ = buttons.calculate;
    cmdPrint_ = buttons.print;
    cmdOK_ = buttons.ok;

    setTabOrder(numPrincipal_, numPeriod_);
    setTabOrder(numPeriod_, numRate_);
    setTabOrder(numRate_, numExtra_);
    setTabOrder(numExtra_, cmdCalculate_);
    setTabOrder(cmdCalculate_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdOK_);

    fraPrint_ = new PrintChoicePanel(this, QStringLiteral("C&ancel"));

    // Every change of an entry is stored at once.
    connect(numPrincipal_, &NumberField::valueChanged, this, [](double v) { buster().principal = v; });
    connect(numPeriod_, &NumberField::valueChanged, this, [this](double v) { period_ = toInt16(v); });
    connect(numRate_, &NumberField::valueChanged, this, [](double v) { buster().rate = toSingle(v); });
    connect(numExtra_, &NumberField::valueChanged, this, [](double v) { buster().extra = v; });
    connect(numRate_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numRate_, QStringLiteral("The maximum interest rate allowed is 50%"),
                    QStringLiteral("Incorrect Interest Rate!"));
    });
    connect(numPeriod_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numPeriod_, QStringLiteral("The maximum period  allowed is 600 months"),
                    QStringLiteral("Incorrect Period!"));
    });
    connect(numPrincipal_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });
    connect(numExtra_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });

    connect(cmdCalculate_, &QPushButton::clicked, this, &LoanBusterWindow::onCalculate);
    connect(cmdPrint_, &QPushButton::clicked, this, &LoanBusterWindow::onPrint);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { closeWindow(); });
    // The report file was named when "&Print" was pressed; the choice sets the title and
    // the destination and runs the report.
    connect(fraPrint_, &PrintChoicePanel::viewChosen, this,
            [] { PrintReport(kLoanBusterReport, kLoanBusterTitle, 0); });
    connect(fraPrint_, &PrintChoicePanel::printChosen, this, [] { PrintReport(kLoanBusterReport, std::nullopt, 1); });

    windowActivated();
    numPrincipal_->setFocus();
    setMinimumSize(sizeHint());
}

LoanBusterInputs LoanBusterWindow::inputs() const
{
    return {buster().principal, period_, buster().rate, buster().extra};
}

void LoanBusterWindow::windowActivated()
{
    numPrincipal_->setValue(buster().principal);
    numPeriod_->setValue(period_);
    numRate_->setValue(buster().rate);
    numExtra_->setValue(buster().extra);
    calculate(false);
}

void LoanBusterWindow::calculate(bool showMessages)
{
    result_ = calculateLoanBuster(inputs());
    showResults();
    if (showMessages && !result_.message.isEmpty())
        refuseEntry(numExtra_, result_.message, result_.messageCaption);
}

void LoanBusterWindow::showResults()
{
    numRepayment_->setValue(result_.repayment);
    numTotInterest_->setValue(result_.totalInterest);
    numTotRepayments_->setValue(result_.totalRepayments);
    // The extra payment as it was actually paid (the entry keeps the value shown).
    numExtra_->setValue(result_.extra);
    numXPrincipal_->setValue(buster().principal);
    numXPeriod_->setValue(result_.newPeriod);
    numXRate_->setValue(buster().rate);
    numXRepayment_->setValue(result_.newRepayment);
    numXTotInterest_->setValue(result_.newTotalInterest);
    numXTotRepayments_->setValue(result_.newTotalRepayments);
    numTotSaving_->setValue(result_.totalSaving);
}

void LoanBusterWindow::onCalculate()
{
    if (!commitEditing())
        return;
    BusyCursor busy;
    calculate(true);
}

void LoanBusterWindow::onPrint()
{
    if (!commitEditing())
        return;
    if (buster().principal <= 0) {
        cmdOK_->setFocus(Qt::OtherFocusReason);
        return;
    }
    BusyCursor busy;
    // The printout shows the current entries with their own results.
    calculate(true);
    if (!result_.message.isEmpty())
        return;
    offerPrintChoice(writeLoanBusterRecord(session().ReportDbPath, inputs(), result_), kLoanBusterReport, fraPrint_);
}

}  // namespace kestrel
