#include "finance/loancomparisonwindow.h"

#include "common/busycursor.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/numberformat.h"
#include "common/printchoicepanel.h"
#include "common/rounding.h"
#include "finance/financereports.h"
#include "finance/financeui.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"
#include "shell/session.h"

#include <QApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrel {

namespace {

LoanComparisonState& comparison()
{
    return session().loanComparison;
}

const QStringList kHeadings{QStringLiteral(" Period "), QStringLiteral("Monthly repayment"),
                            QStringLiteral("   Total Interest   "), QStringLiteral("  Total Paid    ")};

// "# ### ### ##0.00 ": blank-grouped thousands, two decimals and one trailing blank.
QString tableAmount(double value)
{
    return formatGrouped(value) + QLatin1Char(' ');
}

}  // namespace

LoanComparisonWindow::LoanComparisonWindow(QWidget* parent) : ChildWindow(parent)
{
    setWindowTitle(QStringLiteral("Loan Comparison"));
    auto* top = titledWindowLayout(this, QStringLiteral("Loan Comparison :"));

    auto* grid = formGrid();
    top->addLayout(grid);
    numBondAmount_ = new NumberField(2, this);
    numBondAmount_->setObjectName(QStringLiteral("numBondAmount"));
    numBondAmount_->setRange(0, 99999999.99);
    numBondAmount_->setFixedWidth(kAmountFieldWidth);
    numRate_ = new NumberField(3, this);
    numRate_->setObjectName(QStringLiteral("numRate"));
    numRate_->setRange(0, 50);
    numRate_->setFixedWidth(70);
    for (NumberField* field : {numBondAmount_, numRate_}) {
        field->setZeroWhenEmptyOnLeave(true);
        setInputStyle(field);
    }
    grid->addWidget(formLabel(QStringLiteral("Bond amount"), this), 0, 0);
    grid->addWidget(formLabel(QStringLiteral(": R"), this), 0, 1);
    grid->addWidget(numBondAmount_, 0, 2);
    grid->addWidget(formLabel(QStringLiteral("Interest rate"), this), 1, 0);
    grid->addWidget(numRate_, 1, 2, Qt::AlignRight);
    grid->addWidget(formLabel(QStringLiteral("%p.a."), this), 1, 3);
    grid->setColumnStretch(4, 1);

    grdComp_ = new QTableWidget(6, 4, this);
    grdComp_->setObjectName(QStringLiteral("grdComp"));
    grdComp_->setHorizontalHeaderLabels(kHeadings);
    grdComp_->verticalHeader()->hide();
    grdComp_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdComp_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    grdComp_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdComp_->horizontalHeader()->setHighlightSections(false);
    grdComp_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdComp_->setSelectionMode(QAbstractItemView::NoSelection);
    grdComp_->setFocusPolicy(Qt::NoFocus);
    grdComp_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdComp_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The period column is as wide as its heading times 1.2; the amount columns as wide
    // as their heading or the largest amount, whichever is wider.
    const QFontMetrics headerMetrics = grdComp_->horizontalHeader()->fontMetrics();
    const int amountWidth = grdComp_->fontMetrics().horizontalAdvance(tableAmount(9999999999.99)) + 12;
    int tableWidth = 0;
    for (int c = 0; c < 4; ++c) {
        const int headingWidth = headerMetrics.horizontalAdvance(kHeadings[c]);
        const int w = c == 0 ? static_cast<int>(headingWidth * 1.2) : std::max(headingWidth + 12, amountWidth);
        grdComp_->setColumnWidth(c, w);
        tableWidth += w;
    }
    grdComp_->setFixedSize(tableWidth + 2 * grdComp_->frameWidth(),
                           grdComp_->horizontalHeader()->sizeHint().height()
                               + 6 * grdComp_->verticalHeader()->defaultSectionSize() + 2 * grdComp_->frameWidth());
    top->addWidget(grdComp_);

    const CommandButtons buttons = addCommandButtons(top, this);
    cmdCalculate_ = buttons.calculate;
    cmdPrint_ = buttons.print;
    cmdOK_ = buttons.ok;
    setTabOrder(numBondAmount_, numRate_);
    setTabOrder(numRate_, cmdCalculate_);
    setTabOrder(cmdCalculate_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdOK_);

    fraPrint_ = new PrintChoicePanel(this, QStringLiteral("C&ancel"));

    connect(numBondAmount_, &NumberField::valueChanged, this, [](double v) { comparison().amount = v; });
    connect(numRate_, &NumberField::valueChanged, this, [](double v) { comparison().rate = toSingle(v); });
    connect(numRate_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numRate_, QStringLiteral("The maximum interest rate allowed is 50%"),
                    QStringLiteral("Incorrect Interest Rate!"));
    });
    connect(numBondAmount_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });
    connect(cmdCalculate_, &QPushButton::clicked, this, [this] {
        if (commitEditing())
            calculate();
    });
    connect(cmdPrint_, &QPushButton::clicked, this, &LoanComparisonWindow::onPrint);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(fraPrint_, &PrintChoicePanel::viewChosen, this,
            [] { PrintReport(kLoanComparisonReport, kLoanComparisonTitle, 0); });
    connect(fraPrint_, &PrintChoicePanel::printChosen, this,
            [] { PrintReport(kLoanComparisonReport, std::nullopt, 1); });

    numBondAmount_->setValue(comparison().amount);
    numRate_->setValue(comparison().rate);
    calculate();
    numBondAmount_->setFocus();
    setMinimumSize(sizeHint());
}

void LoanComparisonWindow::windowActivated()
{
    numBondAmount_->setValue(comparison().amount);
    numRate_->setValue(comparison().rate);
    calculate();
}

void LoanComparisonWindow::calculate()
{
    rows_ = compareLoanTerms(comparison().amount, comparison().rate);
    BusyCursor busy;
    for (int r = 0; r < 6; ++r) {
        const ComparisonRow& row = rows_[static_cast<std::size_t>(r)];
        auto* label = new QTableWidgetItem(row.label);
        label->setTextAlignment(Qt::AlignCenter);
        grdComp_->setItem(r, 0, label);
        const std::array<double, 3> amounts{row.repayment, row.totalInterest, row.totalPaid};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(tableAmount(amounts[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdComp_->setItem(r, c + 1, item);
        }
    }
}

void LoanComparisonWindow::onPrint()
{
    if (!commitEditing())
        return;
    const LoanComparisonState& s = comparison();
    if (!(s.amount > 0 && s.rate > 0)) {
        cmdOK_->setFocus(Qt::OtherFocusReason);
        return;
    }
    BusyCursor busy;
    // The printout shows the table of the current entries.
    calculate();
    offerPrintChoice(writeLoanComparisonRecord(session().ReportDbPath, s.amount, s.rate, rows_), kLoanComparisonReport,
                     fraPrint_);
}

}  // namespace kestrel
