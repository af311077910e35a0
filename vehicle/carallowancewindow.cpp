#include "vehicle/carallowancewindow.h"

#include "common/busycursor.h"
#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/numberformat.h"
#include "common/printchoicepanel.h"
#include "shell/session.h"
#include "vehicle/travelallowance.h"
#include "vehicle/vehicleformparts.h"
#include "vehicle/vehicleprintouts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrel {

using vehicleui::groupedWhole;
using vehicleui::label;
using vehicleui::resultField;
using vehicleui::wholeInput;

namespace {

const QString kStartDateMessage =
    QStringLiteral("The date entered is not correct please enter a date between 01/03/2018 and 28/02/2019");

QFrame* dividingLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString oneDecimal(double value)
{
    return formatFixed(value, 1);
}

}  // namespace

CarAllowanceWindow::CarAllowanceWindow(QWidget* parent)
    : ChildWindow(parent), startDate_(TaxYearStart), endDate_(TaxYearEnd)
{
    setWindowTitle(QStringLiteral("Travel Allowance"));
    buildLayout();
    connectFields();

    // Opening: the full tax year, the fields from the session, the panel of the mode,
    // then a calculation.
    fillFromSession();
    applyMode();
    calculate();
}

// ---------------------------------------------------------------------------------------
// Layout

void CarAllowanceWindow::buildLayout()
{
    auto* top = new QVBoxLayout(this);
    setWindowMargins(top);

    // Car description, method and the two include flags.
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(8);
    header->addWidget(label(this, QStringLiteral("Car :"), QStringLiteral("lblCar")), 0, 0);
    txtCar = new TextField(25, this);
    txtCar->setObjectName(QStringLiteral("txtCar"));
    txtCar->setMinimumWidth(230);
    setInputStyle(txtCar);
    txtCar->setEscapeRestores(true);
    header->addWidget(txtCar, 0, 1);
    header->addWidget(label(this, QStringLiteral("Accurate record kept"), QStringLiteral("lblAccurate")), 1, 0);
    auto* modes = new QHBoxLayout;
    optNo = new QRadioButton(QStringLiteral("&No"), this);
    optNo->setObjectName(QStringLiteral("optNo"));
    optYes = new QRadioButton(QStringLiteral("&Yes"), this);
    optYes->setObjectName(QStringLiteral("optYes"));
    auto* modeGroup = new QButtonGroup(this);
    modeGroup->addButton(optNo);
    modeGroup->addButton(optYes);
    modes->addWidget(optNo);
    modes->addWidget(optYes);
    modes->addStretch();
    header->addLayout(modes, 1, 1);
    header->setColumnStretch(2, 1);
    chkIncludeFuel = new QCheckBox(QStringLiteral("Include Fuel Costs"), this);
    chkIncludeFuel->setObjectName(QStringLiteral("chkIncludeFuel"));
    chkIncludeMaint = new QCheckBox(QStringLiteral("Include Maintenance Costs"), this);
    chkIncludeMaint->setObjectName(QStringLiteral("chkIncludeMaint"));
    header->addWidget(chkIncludeFuel, 0, 3);
    header->addWidget(chkIncludeMaint, 1, 3);
    top->addLayout(header);
    top->addWidget(dividingLine(this));

    auto* body = new QHBoxLayout;
    body->setSpacing(18);

    // Inputs: label, "R" for amounts, field, remark.
    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(6);
    inputs->setVerticalSpacing(5);
    int row = 0;
    auto addInput = [&](const QString& text, const QString& name, bool rand, QWidget* field,
                        QList<QWidget*>* group) -> QLabel* {
        QLabel* l = label(this, text, QStringLiteral("lbl") + name);
        inputs->addWidget(l, row, 0);
        QLabel* r = nullptr;
        if (rand) {
            r = label(this, QStringLiteral("R"), QStringLiteral("lbl") + name + QStringLiteral("R"));
            inputs->addWidget(r, row, 1, Qt::AlignRight);
        }
        inputs->addWidget(field, row, 2);
        if (group) {
            group->append(l);
            if (r)
                group->append(r);
            group->append(field);
        }
        ++row;
        return l;
    };

    numVehicleValue = wholeInput(this, QStringLiteral("numVehicleValue"), 7);
    lblVehicleValue = addInput(QStringLiteral("Original value of vehicle"), QStringLiteral("VehicleValue"), true,
                               numVehicleValue, nullptr);
    lblVehicleValueR = findChild<QLabel*>(QStringLiteral("lblVehicleValueR"));
    numAllowance = wholeInput(this, QStringLiteral("numAllowance"), 7);
    addInput(QStringLiteral("Allowance received"), QStringLiteral("Allowance"), true, numAllowance, nullptr);
    numCloseKm = wholeInput(this, QStringLiteral("numCloseKm"), 7);
    addInput(QStringLiteral("Close km reading"), QStringLiteral("CloseKm"), false, numCloseKm, nullptr);
    numOpenKm = wholeInput(this, QStringLiteral("numOpenKm"), 7);
    addInput(QStringLiteral("Open km reading"), QStringLiteral("OpenKm"), false, numOpenKm, nullptr);
    numBusinessKm = wholeInput(this, QStringLiteral("numBusinessKm"), 7);
    addInput(QStringLiteral("Business km"), QStringLiteral("BusinessKm"), false, numBusinessKm, nullptr);
    lblIfKept = label(this, QStringLiteral(" (if kept)"), QStringLiteral("lblIfKept"));
    inputs->addWidget(lblIfKept, row - 1, 3);

    inputs->addItem(new QSpacerItem(0, 6), row++, 0);
    numFuelOil = wholeInput(this, QStringLiteral("numFuelOil"), 7);
    addInput(QStringLiteral("Fuel/Oil"), QStringLiteral("FuelOil"), true, numFuelOil, &costWidgets_);
    numRepairs = wholeInput(this, QStringLiteral("numRepairs"), 7);
    addInput(QStringLiteral("Repairs/Miantenance"), QStringLiteral("Repairs"), true, numRepairs, &costWidgets_);
    numInsurance = wholeInput(this, QStringLiteral("numInsurance"), 7);
    addInput(QStringLiteral("Insurance/Licence"), QStringLiteral("Insurance"), true, numInsurance, &costWidgets_);
    numOtherExp = wholeInput(this, QStringLiteral("numOtherExp"), 7);
    addInput(QStringLiteral("Other expenses"), QStringLiteral("OtherExp"), true, numOtherExp, &costWidgets_);
    numWearTear = wholeInput(this, QStringLiteral("numWearTear"), 7);
    addInput(QStringLiteral("Wear and tear"), QStringLiteral("WearTear"), true, numWearTear, &costWidgets_);
    numLease = wholeInput(this, QStringLiteral("numLease"), 7);
    addInput(QStringLiteral("Lease payments"), QStringLiteral("Lease"), true, numLease, &costWidgets_);

    inputs->addItem(new QSpacerItem(0, 6), row++, 0);
    dtStartDate = new DateField(this);
    dtStartDate->setObjectName(QStringLiteral("dtStartDate"));
    dtStartDate->setFixedWidth(110);
    setInputStyle(dtStartDate);
    dtStartDate->setEscapeRestores(true);
    addInput(QStringLiteral("Start Date"), QStringLiteral("StartDate"), false, dtStartDate, &dateWidgets_);
    dtEndDate = new DateField(this);
    dtEndDate->setObjectName(QStringLiteral("dtEndDate"));
    dtEndDate->setFixedWidth(110);
    setInputStyle(dtEndDate);
    dtEndDate->setEscapeRestores(true);
    addInput(QStringLiteral("End Date"), QStringLiteral("EndDate"), false, dtEndDate, &dateWidgets_);

    numPeriod = wholeInput(this, QStringLiteral("numPeriod"), 3);
    numPeriod->setRange(0, 365);
    lblPeriod =
        addInput(QStringLiteral("Period (number of days)"), QStringLiteral("Period"), false, numPeriod, nullptr);
    // In Yes mode an empty field covers the period.
    txtPeriodCover = new QLineEdit(this);
    txtPeriodCover->setObjectName(QStringLiteral("txtPeriodCover"));
    txtPeriodCover->setFixedWidth(110);
    txtPeriodCover->setEnabled(false);
    inputs->addWidget(txtPeriodCover, row - 1, 2);
    inputs->setRowStretch(row, 1);
    inputs->setColumnMinimumWidth(3, lblIfKept->sizeHint().width());
    body->addLayout(inputs);

    // Results: the deemed-cost panel or the actual-cost panel, in the same place.
    auto* results = new QVBoxLayout;
    results->addWidget(buildDeemedPanel());
    results->addWidget(buildActualPanel());
    results->addStretch();
    body->addLayout(results, 1);
    top->addLayout(body);

    top->addWidget(dividingLine(this));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdCalculate = new QPushButton(QStringLiteral("&Calculate"), this);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    for (QPushButton* b : {cmdCalculate, cmdPrint, cmdOK}) {
        b->setMinimumWidth(96);
        buttons->addWidget(b);
    }
    top->addLayout(buttons);

    // The print panel, shown in front of the other controls by "&Print".
    fraPrint = new PrintChoicePanel(this);
    auto* nameRow = new QWidget(fraPrint);
    auto* nameLayout = new QHBoxLayout(nameRow);
    nameLayout->setContentsMargins(0, 0, 0, 4);
    nameLayout->addWidget(label(nameRow, QStringLiteral("Employee name :"), QStringLiteral("lblEmployeeName")));
    txtEmployeeName = new TextField(50, nameRow);
    txtEmployeeName->setObjectName(QStringLiteral("txtEmployeeName"));
    txtEmployeeName->setMinimumWidth(240);
    setInputStyle(txtEmployeeName);
    nameLayout->addWidget(txtEmployeeName);
    nameLayout->addWidget(label(nameRow, QStringLiteral("(max.50 chrs.)"), QStringLiteral("lblMaxChars")));
    fraPrint->addContent(nameRow);

    // Esc puts back what a field held on entry, in every input but the period.
    for (EntryField* field : findChildren<EntryField*>())
        if (field != numPeriod && field != txtEmployeeName && !field->isReadOnly())
            field->setEscapeRestores(true);
}

QWidget* CarAllowanceWindow::buildDeemedPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("fraDeemed"));
    panel->setFrameShape(QFrame::StyledPanel);
    fraDeemed = panel;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    int row = 0;
    auto addRow = [&](const QString& text, NumberField* field, const QString& unit) {
        grid->addWidget(label(panel, text), row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(label(panel, unit), row, 2);
        ++row;
    };
    numDeemedBusiness = resultField(panel, QStringLiteral("numDeemedBusiness"));
    addRow(QStringLiteral("Business distance"), numDeemedBusiness, QStringLiteral("Kms."));
    numDeemedPrivate = resultField(panel, QStringLiteral("numDeemedPrivate"));
    addRow(QStringLiteral("Private distance"), numDeemedPrivate, QStringLiteral("Kms."));
    numDeemedTotal = resultField(panel, QStringLiteral("numDeemedTotal"));
    addRow(QStringLiteral("Total distance"), numDeemedTotal, QStringLiteral("Kms."));
    grid->addWidget(dividingLine(panel), row++, 0, 1, 3);

    // Fixed cost: R fixed cost per year over the total Kms., times days over 365 days.
    auto* fraction = new QGridLayout;
    fraction->setHorizontalSpacing(4);
    fraction->setVerticalSpacing(2);
    numFixedCostYear = resultField(panel, QStringLiteral("numFixedCostYear"), 80);
    numFixedKms = resultField(panel, QStringLiteral("numFixedKms"), 80);
    numFixedDays = resultField(panel, QStringLiteral("numFixedDays"), 50);
    numFixedYearDays = resultField(panel, QStringLiteral("numFixedYearDays"), 50);
    fraction->addWidget(label(panel, QStringLiteral("R")), 0, 0, Qt::AlignRight);
    fraction->addWidget(numFixedCostYear, 0, 1);
    fraction->addWidget(dividingLine(panel), 1, 0, 1, 3);
    fraction->addWidget(numFixedKms, 2, 1);
    fraction->addWidget(label(panel, QStringLiteral("Kms.")), 2, 2);
    fraction->addWidget(label(panel, QStringLiteral("x")), 1, 3, Qt::AlignCenter);
    fraction->addWidget(numFixedDays, 0, 4);
    fraction->addWidget(label(panel, QStringLiteral("days")), 0, 5);
    fraction->addWidget(dividingLine(panel), 1, 4, 1, 2);
    fraction->addWidget(numFixedYearDays, 2, 4);
    fraction->addWidget(label(panel, QStringLiteral("days")), 2, 5);
    fraction->setColumnStretch(6, 1);
    grid->addWidget(label(panel, QStringLiteral("Fixed cost")), row, 0, Qt::AlignTop | Qt::AlignLeft);
    grid->addLayout(fraction, row++, 1, 1, 2);
    grid->addWidget(dividingLine(panel), row++, 0, 1, 3);

    numFixedCostKm = resultField(panel, QStringLiteral("numFixedCostKm"));
    addRow(QStringLiteral("Fixed cost"), numFixedCostKm, QStringLiteral("cents/km"));
    numFuelCostKm = resultField(panel, QStringLiteral("numFuelCostKm"));
    addRow(QStringLiteral("Fuel costs"), numFuelCostKm, QStringLiteral("cents/km"));
    numMaintCostKm = resultField(panel, QStringLiteral("numMaintCostKm"));
    addRow(QStringLiteral("Maintenance costs"), numMaintCostKm, QStringLiteral("cents/km"));
    grid->addWidget(dividingLine(panel), row++, 0, 1, 3);
    numTotalCostKm = resultField(panel, QStringLiteral("numTotalCostKm"));
    addRow(QStringLiteral("Total costs"), numTotalCostKm, QStringLiteral("cents/km"));
    numDeemedClaim = resultField(panel, QStringLiteral("numDeemedClaim"));
    QFont bold = numDeemedClaim->font();
    bold.setBold(true);
    numDeemedClaim->setFont(bold);
    grid->addWidget(label(panel, QStringLiteral("Deduction claim          R")), row, 0);
    grid->addWidget(numDeemedClaim, row++, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* CarAllowanceWindow::buildActualPanel()
{
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("fraActual"));
    panel->setFrameShape(QFrame::StyledPanel);
    fraActual = panel;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);
    int row = 0;
    auto addRow = [&](const QString& text, NumberField* field, bool rand) {
        grid->addWidget(label(panel, text), row, 0);
        if (rand)
            grid->addWidget(label(panel, QStringLiteral("R")), row, 1, Qt::AlignRight);
        grid->addWidget(field, row, 2);
        ++row;
    };
    numActBusiness = resultField(panel, QStringLiteral("numActBusiness"));
    addRow(QStringLiteral("Business Km's"), numActBusiness, false);
    numActPrivate = resultField(panel, QStringLiteral("numActPrivate"));
    addRow(QStringLiteral("Private Km's"), numActPrivate, false);
    numActTotal = resultField(panel, QStringLiteral("numActTotal"));
    addRow(QStringLiteral("Total Km's"), numActTotal, false);
    grid->addWidget(dividingLine(panel), row++, 0, 1, 3);
    numActTotalCosts = resultField(panel, QStringLiteral("numActTotalCosts"));
    addRow(QStringLiteral("Total costs"), numActTotalCosts, true);
    numActPrivateUse = resultField(panel, QStringLiteral("numActPrivateUse"));
    addRow(QStringLiteral("Less private use"), numActPrivateUse, true);
    grid->addWidget(dividingLine(panel), row++, 0, 1, 3);
    numActTravelExp = resultField(panel, QStringLiteral("numActTravelExp"));
    addRow(QStringLiteral("Travel expenses"), numActTravelExp, true);
    numActClaim = resultField(panel, QStringLiteral("numActClaim"));
    QFont bold = numActClaim->font();
    bold.setBold(true);
    numActClaim->setFont(bold);
    addRow(QStringLiteral("Deduction claim"), numActClaim, true);
    grid->setColumnStretch(3, 1);
    return panel;
}

// ---------------------------------------------------------------------------------------
// Field events: each stores its value in the session at once.

void CarAllowanceWindow::connectFields()
{
    TravelClaimInputs& in = session().travelInputs;
    auto store = [this](WholeField* field, double* target) {
        connect(field, &NumberField::valueChanged, this, [this, target](double value) {
            if (!filling_)
                *target = value;
        });
    };
    store(numVehicleValue, &in.vehicleValue);
    store(numAllowance, &in.allowanceReceived);
    store(numCloseKm, &in.closingReading);
    store(numOpenKm, &in.openingReading);
    store(numBusinessKm, &in.businessDistance);
    store(numFuelOil, &in.fuelAndOil);
    store(numRepairs, &in.repairsAndMaintenance);
    store(numInsurance, &in.insuranceAndLicence);
    store(numOtherExp, &in.otherExpenses);
    store(numPeriod, &in.periodDays);
    connect(numWearTear, &NumberField::valueChanged, this, [this](double value) {
        singlePaymentChanged(numWearTear, value, &session().travelInputs.wearAndTear,
                             session().travelInputs.leasePayments);
    });
    connect(numLease, &NumberField::valueChanged, this, [this](double value) {
        singlePaymentChanged(numLease, value, &session().travelInputs.leasePayments,
                             session().travelInputs.wearAndTear);
    });
    // The period refuses a value outside 0 to 365 itself.
    connect(numPeriod, &NumberField::outOfRange, this, [] { beep(); });

    connect(txtCar, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!filling_)
            session().travelInputs.carDescription = text;
    });
    connect(chkIncludeFuel, &QCheckBox::clicked, this, [this](bool on) {
        session().travelInputs.includeFuel = on ? 1 : 0;
        calculate();
    });
    connect(chkIncludeMaint, &QCheckBox::clicked, this, [this](bool on) {
        session().travelInputs.includeMaintenance = on ? 1 : 0;
        calculate();
    });
    connect(optNo, &QRadioButton::clicked, this, [this] {
        session().travelInputs.accurateRecord = 0;
        applyMode();
    });
    connect(optYes, &QRadioButton::clicked, this, [this] {
        session().travelInputs.accurateRecord = 1;
        applyMode();
    });

    // Dates: the start may lie up to the end date, the end from the start date on.
    connect(dtStartDate, &EntryField::focusEntered, this, [this] { dtStartDate->setUpperDate(endDate_); });
    connect(dtEndDate, &EntryField::focusEntered, this, [this] { dtEndDate->setLowerDate(startDate_); });
    connect(dtStartDate, &DateField::dateChanged, this, [this] { storeDate(true); });
    connect(dtEndDate, &DateField::dateChanged, this, [this] { storeDate(false); });
    connect(dtStartDate, &DateField::rejected, this, [this] { dateRejected(true); });
    connect(dtEndDate, &DateField::rejected, this, [this] { dateRejected(false); });

    // Enter anywhere calculates and moves to "&OK".
    for (EntryField* field : findChildren<EntryField*>())
        if (field != txtEmployeeName)
            connect(field, &EntryField::enterPressed, this, &CarAllowanceWindow::enterPressed);

    connect(cmdCalculate, &QPushButton::clicked, this, &CarAllowanceWindow::calculate);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        calculate();
        closeWindow();
    });
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        calculate();
        fraPrint->showInFront();
        fraPrint->printButton()->setFocus();
    });
    connect(fraPrint, &PrintChoicePanel::viewChosen, this, [this] { print(0); });
    connect(fraPrint, &PrintChoicePanel::printChosen, this, [this] { print(1); });
}

void CarAllowanceWindow::singlePaymentChanged(WholeField* field, double value, double* target, double other)
{
    if (filling_)
        return;
    // Wear and tear and lease payments exclude each other: the second amount is refused.
    if (value > 0 && other > 0) {
        showMessage(QStringLiteral("Only one amount for either Wear & Tear or Lease payments will be accepted"),
                    QStringLiteral("Single Payment"), MessageIcon::Critical, MessageButtons::Ok, this);
        field->setValue(0);  // stores 0 through this handler again
        field->setFocus();
        return;
    }
    *target = value;
}

void CarAllowanceWindow::storeDate(bool isStart)
{
    if (filling_)
        return;
    // Only a date within the field's limits becomes the window's date; anything else is
    // refused when the field is left and the last accepted date comes back.
    DateField* field = isStart ? dtStartDate : dtEndDate;
    const auto day = field->date();
    const DayNumber lower = isStart ? TaxYearStart : startDate_;
    const DayNumber upper = isStart ? endDate_ : TaxYearEnd;
    if (!day || *day < lower || *day > upper)
        return;
    (isStart ? startDate_ : endDate_) = *day;
}

void CarAllowanceWindow::dateRejected(bool isStart)
{
    const QString text = isStart ? kStartDateMessage
                                 : QStringLiteral("The date entered is not correct please enter a date between ")
                                       + dtStartDate->text() + QStringLiteral(" and 28/02/2019");
    showMessage(text, QStringLiteral("Incorrect Date"), MessageIcon::Critical, MessageButtons::Ok, this);
    DateField* field = isStart ? dtStartDate : dtEndDate;
    if (isVisible()) {
        field->setFocus();
    } else {
        (isStart ? startDate_ : endDate_) = isStart ? TaxYearStart : TaxYearEnd;
        filling_ = true;
        field->setDate(isStart ? TaxYearStart : TaxYearEnd);
        filling_ = false;
    }
}

void CarAllowanceWindow::enterPressed()
{
    calculate();
    cmdOK->setFocus();
}

void CarAllowanceWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A button with the focus is pressed; anywhere else Enter calculates.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        } else {
            enterPressed();
        }
        event->accept();
        return;
    }
    ChildWindow::keyPressEvent(event);
}

// ---------------------------------------------------------------------------------------
// Session to fields

void CarAllowanceWindow::fillFromSession()
{
    const TravelClaimInputs& in = session().travelInputs;
    filling_ = true;
    vehicleui::setTextIfDifferent(txtCar, in.carDescription);
    chkIncludeFuel->setChecked(in.includeFuel != 0);
    chkIncludeMaint->setChecked(in.includeMaintenance != 0);
    (in.accurateRecord == 1 ? optYes : optNo)->setChecked(true);
    auto show = [](WholeField* field, double value) {
        if (field->value() != value || field->text().isEmpty())
            field->setValue(value);
    };
    show(numVehicleValue, in.vehicleValue);
    show(numAllowance, in.allowanceReceived);
    show(numCloseKm, in.closingReading);
    show(numOpenKm, in.openingReading);
    show(numBusinessKm, in.businessDistance);
    show(numFuelOil, in.fuelAndOil);
    show(numRepairs, in.repairsAndMaintenance);
    show(numInsurance, in.insuranceAndLicence);
    show(numOtherExp, in.otherExpenses);
    show(numWearTear, in.wearAndTear);
    show(numLease, in.leasePayments);
    show(numPeriod, in.periodDays);
    if (dtStartDate->date() != startDate_)
        dtStartDate->setDate(startDate_);
    if (dtEndDate->date() != endDate_)
        dtEndDate->setDate(endDate_);
    dtStartDate->setLowerDate(TaxYearStart);
    dtStartDate->setUpperDate(endDate_);
    dtEndDate->setLowerDate(startDate_);
    dtEndDate->setUpperDate(TaxYearEnd);
    filling_ = false;
}

void CarAllowanceWindow::windowActivated()
{
    fillFromSession();
}

void CarAllowanceWindow::applyMode()
{
    const bool accurate = session().travelInputs.accurateRecord == 1;
    for (QWidget* w : std::as_const(costWidgets_))
        w->setEnabled(accurate);
    for (QWidget* w : std::as_const(dateWidgets_))
        w->setEnabled(!accurate);
    lblPeriod->setEnabled(!accurate);
    numPeriod->setVisible(!accurate);
    txtPeriodCover->setVisible(accurate);
    lblIfKept->setVisible(!accurate);
    fraDeemed->setVisible(!accurate);
    fraActual->setVisible(accurate);
}

// ---------------------------------------------------------------------------------------
// Calculate

void CarAllowanceWindow::calculate()
{
    Session& s = session();
    const TravelAllowanceCalculation calc =
        calculateTravelAllowance(s.travelInputs, s.travelResult, startDate_, endDate_);
    s.travelInputs = calc.inputs;
    s.travelResult = calc.result;
    if (calc.deemedClaimRan)
        s.vehicleScale =
            VehicleScaleState{calc.scale.fixedCostPerYear, calc.scale.fuelPerKm, calc.scale.maintenancePerKm};

    filling_ = true;
    numPeriod->setValue(calc.inputs.periodDays);
    filling_ = false;

    const TravelClaimResult& r = calc.result;
    const bool inputsMissing =
        s.travelInputs.vehicleValue == 0 || s.travelInputs.periodDays == 0 || s.travelInputs.businessDistance == 0;
    // The deemed panel shows the deemed claim, or zeros while one of its inputs is 0; in
    // Yes mode it keeps what it showed. The actual panel shows each actual-cost claim.
    if (calc.deemedClaimRan || inputsMissing) {
        const bool zero = !calc.deemedClaimRan;
        numDeemedBusiness->setText(groupedWhole(r.businessDistance));
        numDeemedPrivate->setText(groupedWhole(r.privateDistance));
        numDeemedTotal->setText(groupedWhole(r.totalDistance));
        numFixedCostYear->setText(groupedWhole(r.fixedCostPerYear));
        numFixedKms->setText(groupedWhole(r.totalDistance));
        numFixedDays->setText(groupedWhole(zero ? 0.0 : calc.inputs.periodDays));
        numFixedYearDays->setText(groupedWhole(zero ? 0.0 : 365.0));
        numFixedCostKm->setText(oneDecimal(r.fixedCostPerKm));
        numFuelCostKm->setText(oneDecimal(s.travelInputs.includeFuel != 0 ? r.fuelCostPerKm : 0.0));
        numMaintCostKm->setText(oneDecimal(s.travelInputs.includeMaintenance != 0 ? r.maintenanceCostPerKm : 0.0));
        numTotalCostKm->setText(oneDecimal(r.totalCostPerKm));
        numDeemedClaim->setText(groupedWhole(r.deductionClaim));
    }
    if (s.travelInputs.accurateRecord == 1) {
        numActBusiness->setText(groupedWhole(r.businessDistance));
        numActPrivate->setText(groupedWhole(r.privateDistance));
        numActTotal->setText(groupedWhole(r.totalDistance));
        numActTotalCosts->setText(groupedWhole(r.totalCosts));
        numActPrivateUse->setText(groupedWhole(r.privateUse));
        numActTravelExp->setText(groupedWhole(r.deductionClaim));
        numActClaim->setText(groupedWhole(r.deductionClaim));
    }
}

void CarAllowanceWindow::closeEvent(QCloseEvent* event)
{
    calculate();
    event->accept();
}

void CarAllowanceWindow::print(int destination)
{
    session().PrintDestination = short(destination);
    printTravelDeduction(session().travelInputs, session().travelResult, txtEmployeeName->text(), startDate_, endDate_,
                         destination);
}

}  // namespace kestrel
