#include "finance/loanswindow.h"

#include "common/busycursor.h"
#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/numberformat.h"
#include "common/printchoicepanel.h"
#include "common/rounding.h"
#include "finance/financeui.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"
#include "shell/session.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kestrel {

namespace {

constexpr int kVisibleScheduleRows = 10;

const QStringList kMonthlyHeadings{QStringLiteral(" Month   "), QStringLiteral("Capital payment "),
                                   QStringLiteral("Interest payment"), QStringLiteral("    Balance    ")};
const QStringList kAnnualHeadings{QStringLiteral(" Year "), QStringLiteral("Capital payments"),
                                  QStringLiteral("Interest payment"), QStringLiteral("    Balance      ")};
// Each column is as wide as its heading text times these factors.
constexpr std::array<double, 4> kColumnFactors{1.2, 1.3, 1.4, 1.9};

const QString kRateMessage = QStringLiteral("The maximum interest rate allowed is 50%");
const QString kRateCaption = QStringLiteral("Incorrect Interest Rate!");
const QString kPeriodMessage = QStringLiteral("The maximum period  allowed is 600 months");
const QString kPeriodCaption = QStringLiteral("Incorrect Period!");

LoanState& loan()
{
    return session().loan;
}

}  // namespace

LoansWindow::LoansWindow(QWidget* parent) : ChildWindow(parent)
{
    setWindowTitle(QStringLiteral("Loans"));
    buildForm();
    buildSchedulePanel();
    buildPrintPanel();
    connectFields();

    const LoanMode stored = loanModeFromText(loan().calculateMode).value_or(LoanMode::MonthlyRepayment);
    modeButtons_[static_cast<std::size_t>(stored)]->setChecked(true);
    applyModeLayout(stored);
    fillFromSession();
    setFinanceChargesVisible(loan().financeChargeState == QLatin1String("DOWN"));
    if (loan().financeChargeState == QLatin1String("DOWN"))
        fillFinanceCharges();
    (stored == LoanMode::PrincipalAmount ? static_cast<QWidget*>(numPeriod_) : numPrincipal_)->setFocus();

    // Room for the schedule panel in front of the form.
    fraAmort_->adjustSize();
    const QSize form = sizeHint();
    setMinimumSize(std::max(form.width(), fraAmort_->width() + 24), std::max(form.height(), fraAmort_->height() + 24));
}

// ---------------------------------------------------------------------------------------
// Building the window

void LoansWindow::buildForm()
{
    auto* top = titledWindowLayout(this, QStringLiteral("Loans :"));

    auto* middle = new QHBoxLayout;
    middle->setSpacing(18);
    top->addLayout(middle);

    auto* grid = formGrid();
    middle->addLayout(grid);

    numPrincipal_ = new NumberField(2, this);
    numPrincipal_->setObjectName(QStringLiteral("numPrincipal"));
    numPrincipal_->setRange(0, 99999999.99);
    numPeriod_ = new WholeField(this);
    numPeriod_->setObjectName(QStringLiteral("numPeriod"));
    numPeriod_->setRange(0, kMaximumLoanMonths);
    numRate_ = new NumberField(3, this);
    numRate_->setObjectName(QStringLiteral("numRate"));
    numRate_->setRange(0, 50);
    numRepayment_ = new NumberField(2, this);
    numRepayment_->setObjectName(QStringLiteral("numRepayment"));
    numRepayment_->setRange(0, 9999999.99);
    numTotInterest_ = new NumberField(2, this);
    numTotInterest_->setObjectName(QStringLiteral("numTotInterest"));
    numTotRepayments_ = new NumberField(2, this);
    numTotRepayments_->setObjectName(QStringLiteral("numTotRepayments"));
    for (NumberField* field : {numPrincipal_, numRepayment_, numTotInterest_, numTotRepayments_})
        field->setFixedWidth(kAmountFieldWidth);
    numPeriod_->setFixedWidth(60);
    numRate_->setFixedWidth(70);
    for (NumberField* field :
         {static_cast<NumberField*>(numPrincipal_), static_cast<NumberField*>(numPeriod_), numRate_, numRepayment_}) {
        field->setZeroWhenEmptyOnLeave(true);
        setInputStyle(field);
    }
    setResultStyle(numTotInterest_);
    setResultStyle(numTotRepayments_);

    auto addRow = [&](int row, const QString& label, const QString& prefix, QWidget* field, const QString& unit) {
        grid->addWidget(formLabel(label, this), row, 0);
        if (!prefix.isEmpty())
            grid->addWidget(formLabel(prefix, this), row, 1);
        grid->addWidget(field, row, 2, Qt::AlignRight);
        if (!unit.isEmpty())
            grid->addWidget(formLabel(unit, this), row, 3);
    };
    addRow(0, QStringLiteral("Principal amount"), QStringLiteral(": R"), numPrincipal_, QString());
    addRow(1, QStringLiteral("Period"), QString(), numPeriod_, QStringLiteral("months."));
    addRow(2, QStringLiteral("Interest rate"), QString(), numRate_, QStringLiteral("% p.a."));
    addRow(3, QStringLiteral("Monthly repayment"), QStringLiteral(": R"), numRepayment_, QString());

    lblError_ = new QLabel(QStringLiteral("   Error"), this);
    lblError_->setObjectName(QStringLiteral("lblError"));
    QFont errorFont = lblError_->font();
    errorFont.setBold(true);
    lblError_->setFont(errorFont);
    QPalette errorPalette = lblError_->palette();
    errorPalette.setColor(QPalette::WindowText, QColor(200, 0, 0));
    lblError_->setPalette(errorPalette);
    lblError_->hide();
    grid->addWidget(lblError_, 2, 4);

    // The finance charges, shown on request.
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    grid->addWidget(separator, 4, 0, 1, 5);
    auto* lblTotInterest = formLabel(QStringLiteral("Total Interest"), this);
    lblTotInterest->setObjectName(QStringLiteral("lblTotInterest"));
    auto* lblTotInterestR = formLabel(QStringLiteral(": R"), this);
    auto* lblTotRepayments = formLabel(QStringLiteral("Total Repayments"), this);
    lblTotRepayments->setObjectName(QStringLiteral("lblTotRepayments"));
    auto* lblTotRepaymentsR = formLabel(QStringLiteral(": R"), this);
    grid->addWidget(lblTotInterest, 5, 0);
    grid->addWidget(lblTotInterestR, 5, 1);
    grid->addWidget(numTotInterest_, 5, 2, Qt::AlignRight);
    grid->addWidget(lblTotRepayments, 6, 0);
    grid->addWidget(lblTotRepaymentsR, 6, 1);
    grid->addWidget(numTotRepayments_, 6, 2, Qt::AlignRight);
    financeChargeWidgets_ = {separator,        lblTotInterest,    lblTotInterestR,  numTotInterest_,
                             lblTotRepayments, lblTotRepaymentsR, numTotRepayments_};
    grid->setColumnMinimumWidth(4, fontMetrics().horizontalAdvance(QStringLiteral("   Error")) + 8);
    grid->setRowStretch(7, 1);

    // The calculate mode.
    auto* modeColumn = new QVBoxLayout;
    middle->addLayout(modeColumn);
    auto* fraMode = new QGroupBox(QStringLiteral("Calculate Mode"), this);
    fraMode->setObjectName(QStringLiteral("fraMode"));
    auto* modeLayout = new QVBoxLayout(fraMode);
    modeGroup_ = new QButtonGroup(this);
    const QStringList names{QStringLiteral("optMonthlyRepayment"), QStringLiteral("optPrincipalAmount"),
                            QStringLiteral("optRepaymentPeriod"), QStringLiteral("optInterestRate")};
    const QStringList texts = loanModeTexts();
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(texts[i], fraMode);
        option->setObjectName(names[i]);
        modeLayout->addWidget(option);
        modeGroup_->addButton(option, i);
        modeButtons_[static_cast<std::size_t>(i)] = option;
    }
    modeColumn->addWidget(fraMode);
    auto* modeLine = new QHBoxLayout;
    modeLine->addWidget(formLabel(QStringLiteral("Calculate mode:"), this));
    lblMode_ = new QLabel(this);
    lblMode_->setObjectName(QStringLiteral("lblMode"));
    QFont modeFont = lblMode_->font();
    modeFont.setBold(true);
    lblMode_->setFont(modeFont);
    lblMode_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Repayment period")) + 20);
    modeLine->addWidget(lblMode_);
    modeLine->addStretch();
    modeColumn->addLayout(modeLine);
    modeColumn->addStretch();
    middle->addStretch();

    top->addStretch();
    top->addSpacing(14);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    cmdCalculate_ = commandButton(QStringLiteral("&Calculate"), QStringLiteral("cmdCalculate"), this);
    cmdFinCharges_ = commandButton(QStringLiteral("&Fin. charges"), QStringLiteral("cmdFinCharges"), this);
    cmdMonthlyAmort_ = commandButton(QStringLiteral("Mo&nthly Amort."), QStringLiteral("cmdMonthlyAmort"), this);
    cmdAnnualAmort_ = commandButton(QStringLiteral("&Annual Amort."), QStringLiteral("cmdAnnualAmort"), this);
    cmdPrint_ = commandButton(QStringLiteral("&Print"), QStringLiteral("cmdPrint"), this);
    cmdOK_ = commandButton(QStringLiteral("&OK"), QStringLiteral("cmdOK"), this);
    for (QPushButton* button : {cmdCalculate_, cmdFinCharges_, cmdMonthlyAmort_, cmdAnnualAmort_, cmdPrint_, cmdOK_})
        buttons->addWidget(button);
    top->addLayout(buttons);

    // Tab runs through the inputs, then the commands; the yellow field is skipped.
    setTabOrder(numPrincipal_, numPeriod_);
    setTabOrder(numPeriod_, numRate_);
    setTabOrder(numRate_, numRepayment_);
    setTabOrder(numRepayment_, cmdCalculate_);
    setTabOrder(cmdCalculate_, cmdFinCharges_);
    setTabOrder(cmdFinCharges_, cmdMonthlyAmort_);
    setTabOrder(cmdMonthlyAmort_, cmdAnnualAmort_);
    setTabOrder(cmdAnnualAmort_, cmdPrint_);
    setTabOrder(cmdPrint_, cmdOK_);

    connect(modeGroup_, &QButtonGroup::idClicked, this, [this](int id) { chooseMode(static_cast<LoanMode>(id)); });
    connect(cmdCalculate_, &QPushButton::clicked, this, &LoansWindow::onCalculate);
    connect(cmdFinCharges_, &QPushButton::clicked, this, &LoansWindow::onFinanceCharges);
    connect(cmdMonthlyAmort_, &QPushButton::clicked, this, [this] { showSchedule(false); });
    connect(cmdAnnualAmort_, &QPushButton::clicked, this, [this] { showSchedule(true); });
    connect(cmdPrint_, &QPushButton::clicked, this, &LoansWindow::onPrint);
    connect(cmdOK_, &QPushButton::clicked, this, [this] { closeWindow(); });
}

void LoansWindow::buildSchedulePanel()
{
    fraAmort_ = new QFrame(this);
    fraAmort_->setObjectName(QStringLiteral("fraAmort"));
    fraAmort_->setFrameShape(QFrame::StyledPanel);
    fraAmort_->setFrameShadow(QFrame::Raised);
    fraAmort_->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(fraAmort_);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->setSpacing(8);
    lblAmortTitle_ = new QLabel(fraAmort_);
    lblAmortTitle_->setObjectName(QStringLiteral("lblAmortTitle"));
    QFont titleFont = lblAmortTitle_->font();
    titleFont.setBold(true);
    lblAmortTitle_->setFont(titleFont);
    layout->addWidget(lblAmortTitle_);

    grdAmort_ = new QTableWidget(0, 4, fraAmort_);
    grdAmort_->setObjectName(QStringLiteral("grdAmort"));
    grdAmort_->verticalHeader()->hide();
    grdAmort_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdAmort_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    grdAmort_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdAmort_->horizontalHeader()->setHighlightSections(false);
    grdAmort_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAmort_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdAmort_->setSelectionMode(QAbstractItemView::SingleSelection);
    grdAmort_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdAmort_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdAmort_->setAlternatingRowColors(true);
    layout->addWidget(grdAmort_);

    auto* buttons = new QHBoxLayout;
    cmdExportCsv_ = commandButton(QStringLiteral("&Export CSV..."), QStringLiteral("cmdExportCsv"), fraAmort_);
    cmdAmortOK_ = commandButton(QStringLiteral("&OK"), QStringLiteral("cmdAmortOK"), fraAmort_);
    buttons->addWidget(cmdExportCsv_);
    buttons->addStretch();
    buttons->addWidget(cmdAmortOK_);
    layout->addLayout(buttons);

    connect(cmdAmortOK_, &QPushButton::clicked, this, &LoansWindow::closeSchedule);
    connect(cmdExportCsv_, &QPushButton::clicked, this, &LoansWindow::exportSchedule);

    // Sized once for the widest (monthly) columns and a full ten rows, so that the window
    // leaves room for it.
    grdAmort_->setHorizontalHeaderLabels(kMonthlyHeadings);
    grdAmort_->setRowCount(kVisibleScheduleRows + 1);
    int width = 0;
    for (int c = 0; c < 4; ++c)
        width += static_cast<int>(grdAmort_->horizontalHeader()->fontMetrics().horizontalAdvance(kMonthlyHeadings[c])
                                  * kColumnFactors[static_cast<std::size_t>(c)]);
    grdAmort_->setFixedSize(width + 2 * grdAmort_->frameWidth() + grdAmort_->verticalScrollBar()->sizeHint().width(),
                            grdAmort_->horizontalHeader()->sizeHint().height()
                                + kVisibleScheduleRows * grdAmort_->verticalHeader()->defaultSectionSize()
                                + 2 * grdAmort_->frameWidth());
    grdAmort_->setRowCount(0);
    fraAmort_->hide();
}

void LoansWindow::buildPrintPanel()
{
    fraPrint_ = new PrintChoicePanel(this, QStringLiteral("C&ancel"));
    auto* box = new QWidget(fraPrint_);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 4);
    chkIncludeAmort_ = new QCheckBox(QStringLiteral("Include Amortization"), box);
    chkIncludeAmort_->setObjectName(QStringLiteral("chkIncludeAmort"));
    fraAmortType_ = new QGroupBox(box);
    fraAmortType_->setObjectName(QStringLiteral("fraAmortType"));
    auto* typeLayout = new QVBoxLayout(fraAmortType_);
    typeLayout->setContentsMargins(8, 4, 8, 4);
    optAnnual_ = new QRadioButton(QStringLiteral("Annual"), fraAmortType_);
    optAnnual_->setObjectName(QStringLiteral("optAnnual"));
    optMonthly_ = new QRadioButton(QStringLiteral("Monthly "), fraAmortType_);
    optMonthly_->setObjectName(QStringLiteral("optMonthly"));
    typeLayout->addWidget(optAnnual_);
    typeLayout->addWidget(optMonthly_);
    layout->addWidget(chkIncludeAmort_, 0, Qt::AlignVCenter);
    layout->addWidget(fraAmortType_);
    optAnnual_->setEnabled(false);
    optMonthly_->setEnabled(false);
    fraPrint_->addContent(box);

    connect(chkIncludeAmort_, &QCheckBox::toggled, this, [this](bool on) {
        optAnnual_->setEnabled(on);
        optMonthly_->setEnabled(on);
        if (on)
            optAnnual_->setChecked(true);
    });
    connect(fraPrint_, &PrintChoicePanel::viewChosen, this, [this] { print(0); });
    connect(fraPrint_, &PrintChoicePanel::printChosen, this, [this] { print(1); });
}

void LoansWindow::connectFields()
{
    // Every change of an entry is stored in the session at once, typed or written by the
    // calculation (so a result keeps the value that its field shows).
    connect(numPrincipal_, &NumberField::valueChanged, this, [](double v) { loan().principal = v; });
    connect(numPeriod_, &NumberField::valueChanged, this, [](double v) { loan().period = roundHalfEven(v); });
    connect(numRate_, &NumberField::valueChanged, this, [](double v) { loan().rate = v; });
    connect(numRepayment_, &NumberField::valueChanged, this, [](double v) { loan().repayment = v; });

    connect(numRate_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numRate_, kRateMessage, kRateCaption);
    });
    connect(numPeriod_, &NumberField::outOfRange, this, [this] {
        markEntryRefused();
        refuseEntry(numPeriod_, kPeriodMessage, kPeriodCaption);
    });
    // The principal and the repayment take no more than their limits, without a message.
    connect(numPrincipal_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });
    connect(numRepayment_, &NumberField::outOfRange, this, [this] { markEntryRefused(); });
}

// ---------------------------------------------------------------------------------------
// Mode, calculation, finance charges

LoanMode LoansWindow::mode() const
{
    return loanModeFromText(loan().calculateMode).value_or(LoanMode::MonthlyRepayment);
}

void LoansWindow::applyModeLayout(LoanMode mode)
{
    lblMode_->setText(loanModeText(mode));
    modeButtons_[static_cast<std::size_t>(mode)]->setChecked(true);
    const std::array<NumberField*, 4> fields{numRepayment_, numPrincipal_, numPeriod_, numRate_};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i == static_cast<std::size_t>(mode))
            setComputeTargetStyle(fields[i]);
        else
            setInputStyle(fields[i]);
    }
}

void LoansWindow::chooseMode(LoanMode mode)
{
    loan().calculateMode = loanModeText(mode);
    applyModeLayout(mode);
    NumberField* first = mode == LoanMode::PrincipalAmount ? static_cast<NumberField*>(numPeriod_) : numPrincipal_;
    first->setFocus(Qt::OtherFocusReason);
    first->selectAll();
}

void LoansWindow::fillFromSession()
{
    const LoanState& s = loan();
    const double principal = s.principal;
    const double period = s.period;
    const double rate = s.rate;
    const double repayment = s.repayment;
    numPrincipal_->setValue(principal);
    numPeriod_->setValue(period);
    numRate_->setValue(rate);
    numRepayment_->setValue(repayment);
}

void LoansWindow::windowActivated()
{
    applyModeLayout(mode());
    fillFromSession();
    calculate(false);
    const bool down = loan().financeChargeState == QLatin1String("DOWN");
    setFinanceChargesVisible(down);
    if (down)
        fillFinanceCharges();
}

void LoansWindow::calculate(bool showMessages)
{
    lblError_->hide();
    LoanState& s = loan();
    const LoanMode m = mode();
    const LoanResult r = calculateLoan({m, s.principal, s.period, s.rate, s.repayment});
    switch (m) {
    case LoanMode::MonthlyRepayment:
        numRepayment_->setValue(r.repayment);
        break;
    case LoanMode::PrincipalAmount:
        numPrincipal_->setValue(r.principal);
        break;
    case LoanMode::RepaymentPeriod:
        s.targetPrincipal = s.principal;
        numPeriod_->setValue(r.period);
        numRepayment_->setValue(r.repayment);
        break;
    case LoanMode::InterestRate:
        numRate_->setValue(r.rate);
        if (r.rateError) {
            lblError_->show();
            lblError_->raise();
        }
        break;
    }
    if (s.financeChargeState == QLatin1String("DOWN"))
        fillFinanceCharges();
    if (!r.message.isEmpty() && showMessages)
        refuseEntry(numRepayment_, r.message, r.messageCaption);
}

void LoansWindow::onCalculate()
{
    if (!commitEditing())
        return;
    BusyCursor busy;
    calculate(true);
}

void LoansWindow::onFinanceCharges()
{
    if (!commitEditing())
        return;
    LoanState& s = loan();
    if (s.financeChargeState == QLatin1String("UP")) {
        setFinanceChargesVisible(true);
        fillFinanceCharges();
        s.financeChargeState = QStringLiteral("DOWN");
    } else {
        setFinanceChargesVisible(false);
        s.financeChargeState = QStringLiteral("UP");
    }
}

void LoansWindow::setFinanceChargesVisible(bool visible)
{
    for (QWidget* widget : financeChargeWidgets_)
        widget->setVisible(visible);
}

void LoansWindow::fillFinanceCharges()
{
    const LoanState& s = loan();
    const FinanceCharges charges = financeCharges(s.principal, s.period, s.repayment);
    numTotInterest_->setValue(charges.totalInterest);
    numTotRepayments_->setValue(charges.totalRepayments);
}

// ---------------------------------------------------------------------------------------
// Schedules

void LoansWindow::storeScheduleInSession(const std::vector<ScheduleRow>& monthly, const AnnualSchedule* annual)
{
    LoanState& s = loan();
    const std::size_t last = s.balance.size() - 1;
    for (const ScheduleRow& row : monthly) {
        const auto i = static_cast<std::size_t>(row.number);
        if (i > last)
            break;
        s.monthlyCapital[i] = row.capital;
        s.monthlyInterest[i] = row.interest;
        s.balance[i] = row.balance;
    }
    if (!annual)
        return;
    for (const ScheduleRow& row : annual->rows) {
        const auto i = static_cast<std::size_t>(row.number);
        if (i > last)
            break;
        s.annualCapital[i] = row.capital;
        s.annualInterest[i] = row.interest;
        s.balance[i] = row.balance;
    }
    s.yearLayout = annual->yearLayout;
    s.wholeYears = annual->wholeYears;
    s.yearsWithPart = annual->yearsWithPart;
}

void LoansWindow::showSchedule(bool annual)
{
    if (!commitEditing())
        return;
    const LoanState& s = loan();
    const int months = static_cast<int>(s.period);
    const bool complete = s.principal != 0 && s.period != 0 && s.rate != 0 && s.repayment != 0;
    if (!complete || (annual && months < 13)) {
        numPrincipal_->setFocus(Qt::OtherFocusReason);
        return;
    }
    BusyCursor busy;
    const std::vector<ScheduleRow> monthly = monthlySchedule(s.principal, months, s.rate);
    AnnualSchedule years;
    if (annual) {
        years = annualSchedule(s.principal, months, s.rate, s.repayment);
        storeScheduleInSession(monthly, &years);
        shownRows_ = years.rows;
    } else {
        storeScheduleInSession(monthly, nullptr);
        shownRows_ = monthly;
    }
    shownAnnual_ = annual;

    const QStringList& headings = annual ? kAnnualHeadings : kMonthlyHeadings;
    lblAmortTitle_->setText(annual ? QStringLiteral("Annual amortisation schedule")
                                   : QStringLiteral("Monthly amortisation schedule"));
    grdAmort_->clearContents();
    grdAmort_->setRowCount(static_cast<int>(shownRows_.size()));
    grdAmort_->setHorizontalHeaderLabels(headings);
    QHeaderView* header = grdAmort_->horizontalHeader();
    int columnsWidth = 0;
    for (int c = 0; c < 4; ++c) {
        const int w = static_cast<int>(header->fontMetrics().horizontalAdvance(headings[c])
                                       * kColumnFactors[static_cast<std::size_t>(c)]);
        grdAmort_->setColumnWidth(c, w);
        columnsWidth += w;
    }
    for (int r = 0; r < static_cast<int>(shownRows_.size()); ++r) {
        const ScheduleRow& row = shownRows_[static_cast<std::size_t>(r)];
        auto* number = new QTableWidgetItem(QString::number(row.number));
        number->setTextAlignment(Qt::AlignCenter);
        grdAmort_->setItem(r, 0, number);
        const std::array<double, 3> amounts{row.capital, row.interest, row.balance};
        for (int c = 0; c < 3; ++c) {
            auto* item = new QTableWidgetItem(formatGroupedNoLeadingZero(amounts[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdAmort_->setItem(r, c + 1, item);
        }
    }
    // More than ten rows scroll within the standard height; fewer shrink the table.
    const int rows = static_cast<int>(shownRows_.size());
    const bool scrolls = rows > kVisibleScheduleRows;
    const int frame = 2 * grdAmort_->frameWidth();
    const int rowHeight = grdAmort_->verticalHeader()->defaultSectionSize();
    grdAmort_->setFixedSize(columnsWidth + frame + (scrolls ? grdAmort_->verticalScrollBar()->sizeHint().width() : 0),
                            header->sizeHint().height() + std::min(rows, kVisibleScheduleRows) * rowHeight + frame);
    grdAmort_->scrollToTop();
    fraAmort_->adjustSize();
    fraAmort_->move(std::max(0, (width() - fraAmort_->width()) / 2), 8);
    fraAmort_->show();
    fraAmort_->raise();
    cmdAmortOK_->setFocus(Qt::OtherFocusReason);
}

void LoansWindow::closeSchedule()
{
    grdAmort_->clearContents();
    grdAmort_->setRowCount(0);
    shownRows_.clear();
    fraAmort_->hide();
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

void LoansWindow::exportSchedule()
{
    if (shownRows_.empty())
        return;
    SaveFileRequest request;
    request.caption = QStringLiteral("Export amortisation schedule");
    request.suggestedPath = QDir::home().filePath(shownAnnual_ ? QStringLiteral("Annual amortisation.csv")
                                                               : QStringLiteral("Monthly amortisation.csv"));
    request.filter = QStringLiteral("CSV files (*.csv)");
    const QString path = chooseSaveFile(request, this);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray text = scheduleCsv(shownRows_, shownAnnual_).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        showMessage(QStringLiteral("The schedule could not be saved to %1: %2")
                        .arg(QDir::toNativeSeparators(path), file.errorString()),
                    QString(), MessageIcon::Critical, MessageButtons::Ok, this);
    }
}

// ---------------------------------------------------------------------------------------
// Printing: the choice comes first, then the tables are written and the report runs.

void LoansWindow::onPrint()
{
    if (!commitEditing())
        return;
    fraPrint_->showInFront();
}

void LoansWindow::print(int destination)
{
    BusyCursor busy;
    calculate(true);
    const LoanState& s = loan();
    if (s.principal == 0 || s.period == 0 || s.rate == 0 || s.repayment == 0) {
        fraPrint_->showInFront();
        return;
    }
    LoanPrintout printout;
    printout.mode = mode();
    printout.principal = s.principal;
    printout.period = s.period;
    printout.rate = s.rate;
    printout.repayment = s.repayment;
    printout.financeChargesShown = s.financeChargeState == QLatin1String("DOWN");
    std::vector<ScheduleRow> rows;
    if (chkIncludeAmort_->isChecked()) {
        const int months = static_cast<int>(s.period);
        const std::vector<ScheduleRow> monthly = monthlySchedule(s.principal, months, s.rate);
        if (optMonthly_->isChecked()) {
            printout.schedule = LoanPrintSchedule::Monthly;
            storeScheduleInSession(monthly, nullptr);
            rows = monthly;
        } else {
            printout.schedule = LoanPrintSchedule::Annual;
            const AnnualSchedule years = annualSchedule(s.principal, months, s.rate, s.repayment);
            storeScheduleInSession(monthly, &years);
            rows = years.rows;
        }
    }
    const QString error = writeLoanTables(session().ReportDbPath, printout, rows);
    if (!error.isEmpty()) {
        showReportError(error);
        return;
    }
    PrintReport(loanReportStem(printout.mode, printout.schedule != LoanPrintSchedule::None),
                loanReportTitle(printout.mode, printout.schedule), destination);
}

}  // namespace kestrel
