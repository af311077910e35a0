#include "payroll/quicktaxwindow.h"

#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/printchoicepanel.h"
#include "common/rounding.h"
#include "payroll/payrollmessages.h"
#include "payroll/payrollprint.h"
#include "payroll/quicktax.h"
#include "shell/session.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace kestrel {

using namespace payroll;

namespace {

NumberField* field(QWidget* parent, const char* name, int decimals, int width = 110)
{
    auto* f = new NumberField(decimals, parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFixedWidth(width);
    setResultStyle(f);
    return f;
}

QuickTaxResult lastQuickTax()
{
    const QuickTaxState& q = session().quickTax;
    QuickTaxResult r;
    r.income = q.quickTaxIncome;
    r.age = q.age;
    r.rebate = q.rebate;
    r.lookup = q.breakdown;
    r.totalTax = q.totalTax;
    r.taxCommitment = q.taxCommitment;
    r.averageRateBefore = q.averageRateBefore;
    r.averageRateAfter = q.averageRateAfter;
    r.monthlyTax = q.taxCommitment / 12;
    return r;
}

}  // namespace

QuickTaxWindow::QuickTaxWindow(QWidget* parent)
    : ChildWindow(parent), numTaxableIncome_(field(this, "numTaxableIncome", 2)), numAge_(field(this, "numAge", 0)),
      numTaxOnIncome_(field(this, "numTaxOnIncome", 2)), numMarginalRate_(field(this, "numMarginalRate", 0, 44)),
      numPortion_(field(this, "numPortion", 2)), numTotalTax_(field(this, "numTotalTax", 2)),
      numRebate_(field(this, "numRebate", 2)), numTaxCommitment_(field(this, "numTaxCommitment", 2)),
      numAvRateBefore_(field(this, "numAvRateBefore", 1)), numAvRateAfter_(field(this, "numAvRateAfter", 1)),
      fraPrint_(new PrintChoicePanel(this, QStringLiteral("&Cancel")))
{
    setWindowTitle(QStringLiteral("QuickTax"));
    setInputStyle(numTaxableIncome_);
    setInputStyle(numAge_);
    numTaxableIncome_->setRange(-kMaximumAmount, kMaximumAmount);
    numAge_->setRange(0, kMaximumAge);
    QFont bold = numTaxCommitment_->font();
    bold.setBold(true);
    numTaxCommitment_->setFont(bold);

    // Label, "R" or the rate, amount, "%": the amounts line up in one column.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    int row = 0;
    auto label = [this](const QString& text, bool strong = false) {
        auto* l = new QLabel(text, this);
        if (strong) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    };
    auto addAmount = [&](const QString& text, NumberField* amount, bool strong = false) {
        grid->addWidget(label(text, strong), row, 0);
        grid->addWidget(label(QStringLiteral("R")), row, 2, Qt::AlignRight);
        grid->addWidget(amount, row, 3);
        ++row;
    };
    addAmount(QStringLiteral("Taxable Income"), numTaxableIncome_);
    grid->addWidget(label(QStringLiteral("Age")), row, 0);
    grid->addWidget(numAge_, row, 3);
    ++row;
    grid->addItem(new QSpacerItem(0, 8), row++, 0);
    addAmount(QStringLiteral("Tax on taxable income"), numTaxOnIncome_);
    grid->addWidget(label(QStringLiteral("+ Portion @ M/Rate (")), row, 0);
    grid->addWidget(numMarginalRate_, row, 1);
    grid->addWidget(label(QStringLiteral("%) R")), row, 2, Qt::AlignRight);
    grid->addWidget(numPortion_, row, 3);
    ++row;
    addAmount(QStringLiteral("Total tax"), numTotalTax_);
    addAmount(QStringLiteral("Less rebates"), numRebate_);
    addAmount(QStringLiteral("Tax commitment"), numTaxCommitment_, true);
    grid->addItem(new QSpacerItem(0, 8), row++, 0);
    grid->addWidget(label(QStringLiteral("Average rate before rebates    ")), row, 0);
    grid->addWidget(numAvRateBefore_, row, 3);
    grid->addWidget(label(QStringLiteral("%")), row, 4);
    ++row;
    grid->addWidget(label(QStringLiteral("Average rate after rebates       ")), row, 0);
    grid->addWidget(numAvRateAfter_, row, 3);
    grid->addWidget(label(QStringLiteral("%")), row, 4);
    grid->setColumnMinimumWidth(4, 14);

    auto* cmdCalculate = new QPushButton(QStringLiteral("&Calculate"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdCalculate->setDefault(true);
    auto* cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    auto* cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    setWindowMargins(layout);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The income typed is the taxable income that the next lookup takes; the age is kept
    // as a whole number.
    connect(numTaxableIncome_, &NumberField::valueChanged, this, [this](double v) {
        if (filling_)
            return;
        session().taxScale.income = v;
        session().quickTax.quickTaxIncome = v;
    });
    connect(numAge_, &NumberField::valueChanged, this, [this](double v) {
        if (!filling_)
            session().quickTax.age = toInt16(v);
    });
    auto refuseEntry = [](NumberField* entry, const QString& message) {
        showMessage(message, QString(), MessageIcon::Exclamation);
        QTimer::singleShot(0, entry, [entry] { entry->setFocus(); });
    };
    connect(numTaxableIncome_, &NumberField::outOfRange, this,
            [this, refuseEntry] { refuseEntry(numTaxableIncome_, kMessageAmountRange); });
    connect(numAge_, &NumberField::outOfRange, this, [this, refuseEntry] { refuseEntry(numAge_, kMessageAgeRange); });
    connect(cmdCalculate, &QPushButton::clicked, this, &QuickTaxWindow::calculate);
    connect(cmdPrint, &QPushButton::clicked, fraPrint_, &PrintChoicePanel::showInFront);
    connect(cmdOK, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(fraPrint_, &PrintChoicePanel::viewChosen, this, [this] { print(0); });
    connect(fraPrint_, &PrintChoicePanel::printChosen, this, [this] { print(1); });

    calculate();
}

void QuickTaxWindow::windowActivated()
{
    calculate();
}

void QuickTaxWindow::calculate()
{
    Session& s = session();
    // Every window's income is bounded by its amount fields; only a broken value is refused.
    if (!std::isfinite(s.taxScale.income)) {
        showMessage(kMessageAmountRange, QString(), MessageIcon::Exclamation);
        return;
    }
    const QuickTaxResult r = calculateQuickTax(s.taxScale.income, s.quickTax.age);
    s.taxScale = r.lookup;  // QuickTax looks the income up like any other window
    QuickTaxState& q = s.quickTax;
    q.quickTaxIncome = r.income;
    q.rebate = r.rebate;
    q.totalTax = r.totalTax;
    q.taxCommitment = r.taxCommitment;
    q.averageRateBefore = r.averageRateBefore;
    q.averageRateAfter = r.averageRateAfter;
    q.breakdown = r.lookup;

    // Showing the values must not store their rounded text back.
    filling_ = true;
    numTaxableIncome_->setValue(r.income);
    numAge_->setValue(r.age);
    numTaxOnIncome_->setValue(r.lookup.baseTax);
    numMarginalRate_->setValue(r.lookup.marginalRate);
    numPortion_->setValue(r.lookup.taxOnExcess);
    numTotalTax_->setValue(r.totalTax);
    numRebate_->setValue(r.rebate);
    numTaxCommitment_->setValue(r.taxCommitment);
    numAvRateBefore_->setValue(r.averageRateBefore);
    numAvRateAfter_->setValue(r.averageRateAfter);
    filling_ = false;
}

void QuickTaxWindow::print(int destination)
{
    session().PrintDestination = static_cast<short>(destination);
    printTaxReport(quickTaxReportTarget(), quickTaxReportRecord(lastQuickTax()), destination);
}

}  // namespace kestrel
