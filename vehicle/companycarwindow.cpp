#include "vehicle/companycarwindow.h"

#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/printchoicepanel.h"
#include "common/rounding.h"
#include "shell/session.h"
#include "vehicle/vehicleformparts.h"
#include "vehicle/vehicleprintouts.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

using vehicleui::groupedAmount;
using vehicleui::groupedWhole;
using vehicleui::label;
using vehicleui::resultField;
using vehicleui::wholeInput;

namespace {

constexpr int kAmountDigits = 9;  // 0 to 999 999 999

TextField* textInput(QWidget* parent, const QString& name, int width)
{
    auto* field = new TextField(32767, parent);
    field->setObjectName(name);
    field->setFixedWidth(width);
    setInputStyle(field);
    return field;
}

DateField* dateInput(QWidget* parent, const QString& name)
{
    auto* field = new DateField(parent);
    field->setObjectName(name);
    field->setFixedWidth(110);
    setInputStyle(field);
    return field;
}

QGroupBox* group(QWidget* parent, const QString& title, QGridLayout*& grid)
{
    auto* box = new QGroupBox(title, parent);
    grid = new QGridLayout(box);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    return box;
}

QCheckBox* checkBox(QWidget* parent, const QString& text, const QString& name)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

}  // namespace

CompanyCarWindow::CompanyCarWindow(QWidget* parent) : ChildWindow(parent)
{
    setWindowTitle(QStringLiteral("Full use of Company Car"));
    buildLayout();
    connectFields();
    openWindow();
}

QString CompanyCarWindow::captionFor(int shownNumber, int count)
{
    return QStringLiteral("Full use of Company Car : ") + QStringLiteral(" Vehicle number ")
           + QString::number(shownNumber) + QStringLiteral(" of ") + QString::number(count);
}

CompanyCarSet& CompanyCarWindow::set() const
{
    return session().companyCar.set;
}

CompanyCarRecord& CompanyCarWindow::record() const
{
    CompanyCarSet& s = set();
    if (s.current < 0 || s.current >= int(s.records.size()))
        s.current = 0;
    return s.records[s.current];
}

// ---------------------------------------------------------------------------------------
// Layout

void CompanyCarWindow::buildLayout()
{
    auto* top = new QVBoxLayout(this);
    setWindowMargins(top);

    auto addRow = [](QGridLayout* grid, QWidget* labelWidget, QWidget* field) {
        const int row = grid->rowCount();
        grid->addWidget(labelWidget, row, 0);
        grid->addWidget(field, row, 1, Qt::AlignRight);
    };
    auto addWide = [](QGridLayout* grid, QWidget* widget) { grid->addWidget(widget, grid->rowCount(), 0, 1, 2); };

    QGridLayout* grid = nullptr;
    QGroupBox* vehicle = group(this, QStringLiteral("Vehicle"), grid);
    lblCCRegNumber = label(vehicle, QStringLiteral("Vehicle registration number"), QStringLiteral("lblCCRegNumber"));
    txtCCRegNumber = textInput(vehicle, QStringLiteral("txtCCRegNumber"), 150);
    addRow(grid, lblCCRegNumber, txtCCRegNumber);
    txtCCMake = textInput(vehicle, QStringLiteral("txtCCMake"), 150);
    addRow(grid, label(vehicle, QStringLiteral("Car Make")), txtCCMake);
    txtCCModel = textInput(vehicle, QStringLiteral("txtCCModel"), 150);
    addRow(grid, label(vehicle, QStringLiteral("Car Model")), txtCCModel);
    txtYearOfManfact = textInput(vehicle, QStringLiteral("txtYearOfManfact"), 110);
    addRow(grid, label(vehicle, QStringLiteral("Year of manufacture")), txtYearOfManfact);
    numCCPrice = wholeInput(vehicle, QStringLiteral("numCCPrice"), kAmountDigits);
    addRow(grid, label(vehicle, QStringLiteral("Price of vehicle (incl VAT)")), numCCPrice);
    chkMaintIncluded = checkBox(vehicle, QStringLiteral("Maint. plan included?"), QStringLiteral("chkMaintIncluded"));
    addWide(grid, chkMaintIncluded);
    dtCCStartDate = dateInput(vehicle, QStringLiteral("dtCCStartDate"));
    addRow(grid, label(vehicle, QStringLiteral("Start date")), dtCCStartDate);
    dtCCEndDate = dateInput(vehicle, QStringLiteral("dtCCEndDate"));
    addRow(grid, label(vehicle, QStringLiteral("End date")), dtCCEndDate);
    numDays = resultField(vehicle, QStringLiteral("numDays"));
    addRow(grid, label(vehicle, QStringLiteral("No of days")), numDays);

    QGroupBox* distance = group(this, QStringLiteral("Distance"), grid);
    numEndMileage = wholeInput(distance, QStringLiteral("numEndMileage"), kAmountDigits);
    addRow(grid, label(distance, QStringLiteral("End mileage")), numEndMileage);
    numStartMileage = wholeInput(distance, QStringLiteral("numStartMileage"), kAmountDigits);
    addRow(grid, label(distance, QStringLiteral("Start mileage")), numStartMileage);
    numTotalDistance = wholeInput(distance, QStringLiteral("numTotalDistance"), kAmountDigits);
    addRow(grid, label(distance, QStringLiteral("Total distance")), numTotalDistance);
    numBusDistance = wholeInput(distance, QStringLiteral("numBusDistance"), kAmountDigits);
    addRow(grid, label(distance, QStringLiteral("Business distance")), numBusDistance);
    numPrivateDistance = resultField(distance, QStringLiteral("numPrivateDistance"));
    addRow(grid, label(distance, QStringLiteral("Private distance")), numPrivateDistance);
    chkBussMilage = checkBox(distance, QStringLiteral("Did you keep a log book detailing business mileage?"),
                             QStringLiteral("chkBussMilage"));
    addWide(grid, chkBussMilage);

    QGroupBox* costs = group(this, QStringLiteral("Fuel and costs borne by the employee"), grid);
    numActualExpEmployee = wholeInput(costs, QStringLiteral("numActualExpEmployee"), kAmountDigits);
    addRow(grid, label(costs, QStringLiteral("Actual fuel expenses paid by the employee")), numActualExpEmployee);
    chkSARSTable =
        checkBox(costs, QStringLiteral("Or use SARS's cents/km fuel table?"), QStringLiteral("chkSARSTable"));
    addWide(grid, chkSARSTable);
    numFuelComponent = resultField(costs, QStringLiteral("numFuelComponent"));
    addRow(grid, label(costs, QStringLiteral("Fuel component")), numFuelComponent);
    numFuelReimbEmployer = wholeInput(costs, QStringLiteral("numFuelReimbEmployer"), kAmountDigits);
    addRow(grid, label(costs, QStringLiteral("Fuel expenses reimbursement by employer")), numFuelReimbEmployer);
    numEmpPaidInsurance = wholeInput(costs, QStringLiteral("numEmpPaidInsurance"), kAmountDigits);
    addRow(grid, label(costs, QStringLiteral("Employee paid ALL insurance costs")), numEmpPaidInsurance);
    numEmpPaidLicence = wholeInput(costs, QStringLiteral("numEmpPaidLicence"), kAmountDigits);
    addRow(grid, label(costs, QStringLiteral("Employee paid ALL licensing fees")), numEmpPaidLicence);
    numEmpPaidMaintenance = wholeInput(costs, QStringLiteral("numEmpPaidMaintenance"), kAmountDigits);
    addRow(grid, label(costs, QStringLiteral("Employee paid ALL maintenance costs")), numEmpPaidMaintenance);

    QGroupBox* irp5 = group(this, QStringLiteral("Code 3802 fringe benefit"), grid);
    auto result = [&](QWidget* parent, const QString& name) {
        NumberField* field = resultField(parent, name, 100);
        resultFields_ << field;
        return field;
    };
    auto addRight = [](QGridLayout* g, QWidget* labelWidget, QWidget* field) {
        const int row = g->rowCount();
        g->addWidget(labelWidget, row, 0);
        g->addWidget(field, row, 2, Qt::AlignRight);
    };
    numActual3802 = wholeInput(irp5, QStringLiteral("numActual3802"), kAmountDigits);
    addRight(grid, label(irp5, QStringLiteral("Total code 3802 f/benefits on IRP5's")), numActual3802);
    chkAutoSplit = checkBox(irp5, QStringLiteral("Auto-calculate f/benefit splits"), QStringLiteral("chkAutoSplit"));
    grid->addWidget(chkAutoSplit, grid->rowCount(), 0, 1, 3);
    numFB3802ThisCar = wholeInput(irp5, QStringLiteral("numFB3802ThisCar"), kAmountDigits);
    addRight(grid, label(irp5, QStringLiteral("Code 3802 f/benefit for this car")), numFB3802ThisCar);
    numIRP53802 = result(irp5, QStringLiteral("numIRP53802"));
    numIRP53802->setFixedWidth(110);
    addRight(grid, label(irp5, QStringLiteral("IRP5 code 3802 amount for this car")), numIRP53802);
    // The benefit per pay at both inclusion rates.
    int row = grid->rowCount();
    for (const auto& [text, column] : {std::pair{"80%", 1}, std::pair{"20%", 2}}) {
        QLabel* heading = label(irp5, QString::fromLatin1(text));
        heading->setFixedWidth(90);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, row, column, Qt::AlignRight);
    }
    numMonFB80 = result(irp5, QStringLiteral("numMonFB80"));
    numMonFB20 = result(irp5, QStringLiteral("numMonFB20"));
    numFortFB80 = result(irp5, QStringLiteral("numFortFB80"));
    numFortFB20 = result(irp5, QStringLiteral("numFortFB20"));
    numWeekFB80 = result(irp5, QStringLiteral("numWeekFB80"));
    numWeekFB20 = result(irp5, QStringLiteral("numWeekFB20"));
    for (NumberField* f : {numMonFB80, numMonFB20, numFortFB80, numFortFB20, numWeekFB80, numWeekFB20})
        f->setFixedWidth(90);
    const QList<std::tuple<const char*, NumberField*, NumberField*>> perPay{
        {"Monthly f/benefit amount for this car", numMonFB80, numMonFB20},
        {"Fortnightly f/benefit amount for this car", numFortFB80, numFortFB20},
        {"Weekly f/benefit amount for this car", numWeekFB80, numWeekFB20}};
    for (const auto& [text, eighty, twenty] : perPay) {
        row = grid->rowCount();
        grid->addWidget(label(irp5, QString::fromLatin1(text)), row, 0);
        grid->addWidget(eighty, row, 1);
        grid->addWidget(twenty, row, 2, Qt::AlignRight);
    }

    auto* inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    inputs->setVerticalSpacing(6);
    inputs->addWidget(vehicle, 0, 0);
    inputs->addWidget(distance, 1, 0);
    inputs->addWidget(costs, 0, 1);
    inputs->addWidget(irp5, 1, 1);
    top->addLayout(inputs);

    // From the true inclusion to the adjustment of this vehicle, and the totals of all,
    // each with what SARS awards against taxable income.
    auto* resultsBox = new QGroupBox(QStringLiteral("Adjustment to taxable income"), this);
    auto* results = new QGridLayout(resultsBox);
    results->setContentsMargins(10, 8, 10, 8);
    results->setHorizontalSpacing(8);
    results->setVerticalSpacing(4);
    numTrueInclusion = result(resultsBox, QStringLiteral("numTrueInclusion"));
    numFuelClaim = result(resultsBox, QStringLiteral("numFuelClaim"));
    numTotAddExpense = result(resultsBox, QStringLiteral("numTotAddExpense"));
    numTrueInclusion2 = result(resultsBox, QStringLiteral("numTrueInclusion2"));
    numFuelExp = result(resultsBox, QStringLiteral("numFuelExp"));
    numAdjustTaxableInc = result(resultsBox, QStringLiteral("numAdjustTaxableInc"));
    numSARSAdjustment = result(resultsBox, QStringLiteral("numSARSAdjustment"));
    numTotalAdjustment = result(resultsBox, QStringLiteral("numTotalAdjustment"));
    numTotalSARSAdjustment = result(resultsBox, QStringLiteral("numTotalSARSAdjustment"));

    auto* trueInclusionLabel = new QWidget(resultsBox);
    auto* trueInclusionLines = new QVBoxLayout(trueInclusionLabel);
    trueInclusionLines->setContentsMargins(0, 0, 0, 0);
    trueInclusionLines->setSpacing(0);
    trueInclusionLines->addWidget(label(resultsBox, QStringLiteral("True inclusion amount")));
    QLabel* adjusted = label(resultsBox, QStringLiteral("(adjusted for private mileage)"));
    QFont small = adjusted->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    adjusted->setFont(small);
    trueInclusionLines->addWidget(adjusted);
    results->addWidget(trueInclusionLabel, 0, 0);
    results->addWidget(numTrueInclusion, 0, 1, Qt::AlignTop);
    results->addWidget(label(resultsBox, QStringLiteral("Fuel claim (adjusted for mileage)")), 1, 0);
    results->addWidget(numFuelClaim, 1, 1);
    results->addWidget(label(resultsBox, QStringLiteral("Total additional expenses (adjusted for mileage)")), 2, 0);
    results->addWidget(numTotAddExpense, 2, 1);
    results->addWidget(label(resultsBox, QStringLiteral("True inclusion amount")), 3, 0);
    results->addWidget(numTrueInclusion2, 3, 1);
    // "Less fuel && expenses": the double ampersand shows as one.
    results->addWidget(label(resultsBox, QStringLiteral("Less fuel & expenses")), 4, 0);
    results->addWidget(numFuelExp, 4, 1);
    results->setColumnMinimumWidth(2, 8);
    results->setColumnStretch(2, 1);

    for (NumberField* f : {numAdjustTaxableInc, numSARSAdjustment, numTotalAdjustment, numTotalSARSAdjustment}) {
        f->setFixedWidth(110);
        QFont bold = f->font();
        bold.setBold(true);
        f->setFont(bold);
    }
    const QString sarsText = QStringLiteral("(SARS's claim awarded against taxable income)");
    results->addWidget(label(resultsBox, QStringLiteral("Adjustment to taxable income")), 0, 3);
    results->addWidget(numAdjustTaxableInc, 0, 4);
    results->addWidget(label(resultsBox, sarsText), 1, 3);
    results->addWidget(numSARSAdjustment, 1, 4);
    auto* rule = new QFrame(resultsBox);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    results->addWidget(rule, 2, 3, 1, 2);
    QLabel* totalLabel = label(resultsBox, QStringLiteral("Total Adjustment to taxable income"));
    QFont boldLabel = totalLabel->font();
    boldLabel.setBold(true);
    totalLabel->setFont(boldLabel);
    results->addWidget(totalLabel, 3, 3);
    results->addWidget(numTotalAdjustment, 3, 4);
    results->addWidget(label(resultsBox, sarsText), 4, 3);
    results->addWidget(numTotalSARSAdjustment, 4, 4);
    top->addWidget(resultsBox);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    top->addWidget(line);

    // Buttons along the bottom, left to right.
    auto* buttons = new QHBoxLayout;
    cmdOk = new QPushButton(QStringLiteral("&Ok"), this);
    cmdBack = new QPushButton(QStringLiteral("&Back"), this);
    cmdAdd = new QPushButton(QStringLiteral("&Add"), this);
    cmdDelete = new QPushButton(QStringLiteral("&Delete"), this);
    cmdForward = new QPushButton(QStringLiteral("&Forward"), this);
    cmdCalculate = new QPushButton(QStringLiteral("&Calculate"), this);
    cmdPrint = new QPushButton(QStringLiteral("&Print"), this);
    const QList<std::pair<QPushButton*, const char*>> named{
        {cmdOk, "cmdOk"},           {cmdBack, "cmdBack"},           {cmdAdd, "cmdAdd"},    {cmdDelete, "cmdDelete"},
        {cmdForward, "cmdForward"}, {cmdCalculate, "cmdCalculate"}, {cmdPrint, "cmdPrint"}};
    for (const auto& [button, name] : named) {
        button->setObjectName(QLatin1String(name));
        button->setMinimumWidth(96);
        buttons->addWidget(button);
    }
    buttons->insertStretch(5);
    top->addLayout(buttons);

    fraPrint = new PrintChoicePanel(this);
    zeroResults();

    // The controls that "all on" and "all off" switch: everything but the print panel.
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w == fraPrint || fraPrint->isAncestorOf(w) || qobject_cast<QGroupBox*>(w))
            continue;
        if (qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w))
            controls_ << w;
    }
}

// ---------------------------------------------------------------------------------------
// Field events: every edit goes into the record of the vehicle shown at once.

void CompanyCarWindow::storeNumber(WholeField* field, double CompanyCarRecord::*member)
{
    connect(field, &NumberField::valueChanged, this, [this, member](double value) {
        if (!filling_)
            record().*member = roundHalfEven(value);
    });
}

void CompanyCarWindow::storeText(TextField* field, QString CompanyCarRecord::*member)
{
    connect(field, &QLineEdit::textChanged, this, [this, member](const QString& text) {
        if (!filling_)
            record().*member = text;
    });
}

void CompanyCarWindow::connectFields()
{
    storeText(txtCCMake, &CompanyCarRecord::CCMake);
    storeText(txtCCModel, &CompanyCarRecord::CCModel);
    storeText(txtYearOfManfact, &CompanyCarRecord::YearOfManfact);
    storeNumber(numCCPrice, &CompanyCarRecord::CCPrice);
    storeNumber(numEndMileage, &CompanyCarRecord::EndMileage);
    storeNumber(numStartMileage, &CompanyCarRecord::StartMileage);
    storeNumber(numTotalDistance, &CompanyCarRecord::TotalDistance);
    storeNumber(numBusDistance, &CompanyCarRecord::BusDistance);
    storeNumber(numActualExpEmployee, &CompanyCarRecord::ActualExpEmployee);
    storeNumber(numFuelReimbEmployer, &CompanyCarRecord::FuelReimbEmployer);
    storeNumber(numEmpPaidInsurance, &CompanyCarRecord::EmpPaidInsurance);
    storeNumber(numEmpPaidLicence, &CompanyCarRecord::EmpPaidLicence);
    storeNumber(numEmpPaidMaintenance, &CompanyCarRecord::EmpPaidMaintenance);
    storeNumber(numFB3802ThisCar, &CompanyCarRecord::FB3802ThisCar);
    connect(numActual3802, &NumberField::valueChanged, this, [this](double value) {
        if (!filling_)
            set().Actual3802 = roundHalfEven(value);
    });

    connect(txtCCRegNumber, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!filling_)
            registrationChanged(text);
    });

    connect(chkMaintIncluded, &QCheckBox::clicked, this, [this](bool on) { record().MaintIncluded = on ? 1 : 0; });
    connect(chkBussMilage, &QCheckBox::clicked, this, [this](bool on) { record().BussMilage = on ? 1 : 0; });
    connect(chkSARSTable, &QCheckBox::clicked, this, [this](bool on) {
        // The fuel is valued either from the scale or as paid, never both.
        record().SARSTable = on ? 1 : 0;
        if (on)
            numActualExpEmployee->setValue(0);
        else
            numFuelComponent->setText(groupedAmount(0));
    });
    connect(chkAutoSplit, &QCheckBox::clicked, this, [this](bool on) {
        set().autoSplit = on ? 1 : 0;
        numFB3802ThisCar->setEnabled(!on);
    });

    // Dates: the start may lie up to the end date, the end from the start date on.
    connect(dtCCStartDate, &EntryField::focusEntered, this,
            [this] { dtCCStartDate->setUpperDate(record().CCEndDate); });
    connect(dtCCEndDate, &EntryField::focusEntered, this, [this] { dtCCEndDate->setLowerDate(record().CCStartDate); });
    connect(dtCCStartDate, &DateField::dateChanged, this, [this] { storeDate(true); });
    connect(dtCCEndDate, &DateField::dateChanged, this, [this] { storeDate(false); });
    connect(dtCCStartDate, &DateField::rejected, this, [this] { dateRejected(true); });
    connect(dtCCEndDate, &DateField::rejected, this, [this] { dateRejected(false); });
    // The end date counts as invalid from its message until the field is left with a good date.
    connect(dtCCEndDate, &EntryField::committed, this, [this] { endDateInvalid_ = false; });

    connect(cmdOk, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(cmdBack, &QPushButton::clicked, this, &CompanyCarWindow::back);
    connect(cmdForward, &QPushButton::clicked, this, &CompanyCarWindow::forward);
    connect(cmdAdd, &QPushButton::clicked, this, &CompanyCarWindow::add);
    connect(cmdDelete, &QPushButton::clicked, this, &CompanyCarWindow::remove);
    connect(cmdCalculate, &QPushButton::clicked, this, &CompanyCarWindow::calculateCommand);
    connect(cmdPrint, &QPushButton::clicked, this, [this] {
        calculateCommand();
        fraPrint->showInFront();
    });
    connect(fraPrint, &PrintChoicePanel::viewChosen, this, [this] { print(0); });
    connect(fraPrint, &PrintChoicePanel::printChosen, this, [this] { print(1); });
}

void CompanyCarWindow::storeDate(bool isStart)
{
    if (filling_)
        return;
    // Only a date within the field's limits goes into the record; anything else is refused
    // when the field is left and the last accepted date comes back.
    DateField* field = isStart ? dtCCStartDate : dtCCEndDate;
    const auto day = field->date();
    CompanyCarRecord& car = record();
    const DayNumber lower = isStart ? TaxYearStart : car.CCStartDate;
    const DayNumber upper = isStart ? car.CCEndDate : TaxYearEnd;
    if (!day || *day < lower || *day > upper)
        return;
    (isStart ? car.CCStartDate : car.CCEndDate) = *day;
}

void CompanyCarWindow::dateRejected(bool isStart)
{
    const QString text =
        isStart
            ? QStringLiteral("The date entered is not correct please enter a date between 01/03/2018 and 28/02/2019")
            : QStringLiteral("The date entered is not correct please enter a date between ") + dtCCStartDate->text()
                  + QStringLiteral(" and 28/02/2019");
    if (!isStart)
        endDateInvalid_ = true;
    showMessage(text, QStringLiteral("Incorrect Date"), MessageIcon::Critical, MessageButtons::Ok, this);
    DateField* field = isStart ? dtCCStartDate : dtCCEndDate;
    if (isVisible()) {
        field->setFocus();
    } else {
        CompanyCarRecord& car = record();
        (isStart ? car.CCStartDate : car.CCEndDate) = isStart ? TaxYearStart : TaxYearEnd;
        filling_ = true;
        field->setDate(isStart ? TaxYearStart : TaxYearEnd);
        filling_ = false;
    }
}

// ---------------------------------------------------------------------------------------
// Enabling

void CompanyCarWindow::allOn()
{
    for (QWidget* w : std::as_const(controls_))
        w->setEnabled(true);
    applyAutoSplitBox();
}

void CompanyCarWindow::allOff()
{
    for (QWidget* w : std::as_const(controls_))
        w->setEnabled(false);
}

void CompanyCarWindow::enable(std::initializer_list<QWidget*> widgets)
{
    for (QWidget* w : widgets)
        w->setEnabled(true);
}

void CompanyCarWindow::applyAutoSplitBox()
{
    // The split box is there only while there is more than one vehicle; while it is on,
    // the code 3802 amount of the car is the split and is not typed.
    chkAutoSplit->setVisible(set().count > 1);
    if (chkAutoSplit->isEnabled() && set().count > 1 && set().autoSplit == 1)
        numFB3802ThisCar->setEnabled(false);
}

void CompanyCarWindow::registrationChanged(const QString& text)
{
    CompanyCarSet& s = set();
    record().CCRegNumber = text;
    if (!text.isEmpty()) {
        allOn();
        if (s.count <= 1) {
            cmdBack->setEnabled(false);
            cmdForward->setEnabled(false);
        }
    } else {
        // A vehicle without a registration number blocks the window around it.
        allOff();
        if (s.count <= 1) {
            enable({cmdOk, cmdAdd, lblCCRegNumber, txtCCRegNumber});
            txtCCRegNumber->setFocus();
        } else {
            enable({cmdDelete, lblCCRegNumber, txtCCRegNumber});
        }
    }
    // An empty set has no vehicle to delete.
    if (s.count < 1)
        cmdDelete->setEnabled(false);
}

void CompanyCarWindow::navigationEnabling()
{
    const CompanyCarSet& s = set();
    if (!record().CCRegNumber.isEmpty()) {
        allOn();
        if (s.count <= 1) {
            cmdBack->setEnabled(false);
            cmdForward->setEnabled(false);
        }
    } else {
        allOff();
        if (s.count <= 1)
            enable({cmdOk, cmdAdd});
        else
            enable({cmdBack, cmdForward, cmdAdd, cmdDelete});
        // The registration number can always be typed, so that the vehicle can be freed.
        enable({lblCCRegNumber, txtCCRegNumber});
    }
    if (s.count < 1)
        cmdDelete->setEnabled(false);
}

// ---------------------------------------------------------------------------------------
// Records to fields

void CompanyCarWindow::fillFrom(int index)
{
    CompanyCarSet& s = set();
    CompanyCarRecord& car = s.records[index];
    filling_ = true;
    auto show = [](WholeField* field, double value) {
        if (field->value() != value || field->text().isEmpty())
            field->setValue(value);
    };
    vehicleui::setTextIfDifferent(txtCCRegNumber, car.CCRegNumber);
    vehicleui::setTextIfDifferent(txtCCMake, car.CCMake);
    vehicleui::setTextIfDifferent(txtCCModel, car.CCModel);
    vehicleui::setTextIfDifferent(txtYearOfManfact, car.YearOfManfact);
    show(numCCPrice, car.CCPrice);
    chkMaintIncluded->setChecked(car.MaintIncluded == 1);
    if (dtCCStartDate->date() != car.CCStartDate)
        dtCCStartDate->setDate(car.CCStartDate);
    if (dtCCEndDate->date() != car.CCEndDate)
        dtCCEndDate->setDate(car.CCEndDate);
    dtCCStartDate->setLowerDate(TaxYearStart);
    dtCCStartDate->setUpperDate(car.CCEndDate);
    dtCCEndDate->setLowerDate(car.CCStartDate);
    dtCCEndDate->setUpperDate(TaxYearEnd);
    show(numEndMileage, car.EndMileage);
    show(numStartMileage, car.StartMileage);
    show(numTotalDistance, car.TotalDistance);
    show(numBusDistance, car.BusDistance);
    chkBussMilage->setChecked(car.BussMilage == 1);
    chkSARSTable->setChecked(car.SARSTable == 1);
    if (car.SARSTable == 1) {
        car.ActualExpEmployee = 0;
        show(numActualExpEmployee, 0);
    } else {
        show(numActualExpEmployee, car.ActualExpEmployee);
        numFuelComponent->setText(groupedAmount(0));
    }
    show(numFuelReimbEmployer, car.FuelReimbEmployer);
    show(numEmpPaidInsurance, car.EmpPaidInsurance);
    show(numEmpPaidLicence, car.EmpPaidLicence);
    show(numEmpPaidMaintenance, car.EmpPaidMaintenance);
    show(numFB3802ThisCar, roundHalfEven(car.FB3802ThisCar));
    show(numActual3802, s.Actual3802);
    chkAutoSplit->setChecked(s.autoSplit == 1);
    filling_ = false;
}

void CompanyCarWindow::windowActivated()
{
    fillFrom(set().current);
}

void CompanyCarWindow::updateCaption()
{
    setWindowTitle(captionFor(set().shownNumber, set().count));
}

// ---------------------------------------------------------------------------------------
// Calculation

CompanyCarCalculation CompanyCarWindow::runCalc()
{
    CompanyCarCalculation calc = CompCarCalc(set());
    set() = calc.set;
    showCalculation(calc);
    return calc;
}

void CompanyCarWindow::zeroResults()
{
    for (NumberField* f : std::as_const(resultFields_))
        f->setText(groupedAmount(0));
    numDays->setText(QStringLiteral("0"));
    numPrivateDistance->setText(QStringLiteral("0"));
    numFuelComponent->setText(groupedAmount(0));
}

void CompanyCarWindow::showCalculation(const CompanyCarCalculation& calc)
{
    const CompanyCarSet& s = set();
    if (calc.stopped) {
        zeroResults();
        numTotalAdjustment->setText(groupedAmount(calc.totalAdjustment));
        numTotalSARSAdjustment->setText(groupedAmount(0));
        return;
    }
    const int current = s.current;
    const CompanyCarRecord& car = s.records[current];
    const CompanyCarResult r = current < int(calc.results.size()) ? calc.results[current] : CompanyCarResult{};

    // The figures the calculation wrote into the record of the vehicle shown.
    filling_ = true;
    if (numTotalDistance->value() != car.TotalDistance)
        numTotalDistance->setValue(car.TotalDistance);
    if (numBusDistance->value() != car.BusDistance)
        numBusDistance->setValue(car.BusDistance);
    if (numFB3802ThisCar->value() != roundHalfEven(car.FB3802ThisCar))
        numFB3802ThisCar->setValue(roundHalfEven(car.FB3802ThisCar));
    filling_ = false;

    numDays->setText(groupedWhole(r.days));
    numPrivateDistance->setText(groupedWhole(car.TotalDistance - car.BusDistance));
    numTrueInclusion->setText(groupedAmount(r.trueInclusion));
    numTrueInclusion2->setText(groupedAmount(r.trueInclusion));
    numFuelComponent->setText(groupedAmount(car.FuelComponent));
    numFuelClaim->setText(groupedAmount(r.fuelClaim));
    numTotAddExpense->setText(groupedAmount(r.totalAdditionalExpenses));
    numFuelExp->setText(groupedAmount(r.fuelAndExpenses));
    numAdjustTaxableInc->setText(groupedAmount(current > 0 ? car.AdjustTaxableInc : 0.0));
    numSARSAdjustment->setText(groupedAmount(r.sarsAdjustment));
    numIRP53802->setText(groupedAmount(r.code3802Amount));
    numMonFB80->setText(groupedAmount(r.monthly80));
    numMonFB20->setText(groupedAmount(r.monthly20));
    numFortFB80->setText(groupedAmount(r.fortnightly80));
    numFortFB20->setText(groupedAmount(r.fortnightly20));
    numWeekFB80->setText(groupedAmount(r.weekly80));
    numWeekFB20->setText(groupedAmount(r.weekly20));
    numTotalAdjustment->setText(groupedAmount(calc.totalAdjustment));
    numTotalSARSAdjustment->setText(groupedAmount(calc.totalSarsAdjustment));
}

void CompanyCarWindow::calculateCommand()
{
    // With one vehicle its code 3802 amount is the IRP5 total.
    if (set().count == 1)
        numFB3802ThisCar->setValue(roundHalfEven(set().Actual3802));
    runCalc();
    runCalc();
}

// ---------------------------------------------------------------------------------------
// Opening, the list and closing

void CompanyCarWindow::openWindow()
{
    CompanyCarSet& s = set();
    cmdOk->setEnabled(true);
    if (s.count < 1) {
        // The empty set: the window edits the starting record 0.
        s.count = 0;
        s.shownNumber = 0;
        s.current = 0;
        s.autoSplit = 0;
        s.records.resize(1);
        CompanyCarRecord& start = s.records[0];
        start.BussMilage = 0;
        start.SARSTable = 0;
        start.CCStartDate = TaxYearStart;
        start.CCEndDate = TaxYearEnd;
        fillFrom(0);
        applyAutoSplitBox();
        // Nothing to step through or delete yet.
        cmdBack->setEnabled(false);
        cmdForward->setEnabled(false);
        cmdDelete->setEnabled(false);
    } else {
        s.current = 1;
        fillFrom(1);
        if (!s.records[1].CCRegNumber.isEmpty()) {
            allOn();
            if (s.count == 1) {
                cmdBack->setEnabled(false);
                cmdForward->setEnabled(false);
            }
            enable({cmdCalculate, cmdPrint, lblCCRegNumber, txtCCRegNumber});
        } else {
            registrationChanged(QString());
        }
        applyAutoSplitBox();
        s.shownNumber = 1;
        runCalc();
    }
    cmdCalculate->setEnabled(true);
    updateCaption();
}

void CompanyCarWindow::add()
{
    CompanyCarSet& s = set();
    if (s.count >= kMaximumVehicles) {
        showMessage(QStringLiteral("No more vehicles can be added: the list already holds the largest number of "
                                   "vehicles, 32 767."),
                    QString(), MessageIcon::Exclamation, MessageButtons::Ok, this);
        return;
    }
    if (record().CCRegNumber.isEmpty() && s.current != 0) {
        beep();  // the vehicle shown needs its registration number first
        return;
    }
    runCalc();
    allOff();
    enable({cmdAdd, cmdOk, cmdDelete});

    s.current = short(s.count + 1);
    s.records.resize(s.current + 1);
    s.count = s.current;
    if (s.count > 1)
        s.autoSplit = 1;

    // The new vehicle starts from the values of the starting record 0.
    CompanyCarRecord& start = s.records[0];
    start.SARSTable = 0;
    CompanyCarRecord car;
    car.CCRegNumber = start.CCRegNumber;
    car.CCMake = start.CCMake;
    car.CCModel = start.CCModel;
    car.CCPrice = start.CCPrice;
    car.MaintIncluded = start.MaintIncluded;
    car.EndMileage = start.EndMileage;
    car.StartMileage = start.StartMileage;
    car.TotalDistance = start.TotalDistance;
    car.BusDistance = start.BusDistance;
    car.ActualExpEmployee = start.ActualExpEmployee;
    car.FuelReimbEmployer = start.FuelReimbEmployer;
    car.EmpPaidInsurance = start.EmpPaidInsurance;
    car.EmpPaidLicence = start.EmpPaidLicence;
    car.EmpPaidMaintenance = start.EmpPaidMaintenance;
    car.FB3802ThisCar = start.FB3802ThisCar;
    car.AdjustTaxableInc = start.AdjustTaxableInc;
    s.records[s.current] = car;
    fillFrom(s.current);
    applyAutoSplitBox();

    s.shownNumber = s.current;
    updateCaption();
    runCalc();

    allOff();
    enable({cmdAdd, cmdOk, cmdDelete, lblCCRegNumber, txtCCRegNumber});
    txtCCRegNumber->setFocus();
}

void CompanyCarWindow::back()
{
    const CompanyCarSet& s = set();
    if (s.count < 1)
        return;
    runCalc();
    moveTo(s.shownNumber <= 1 ? s.count : s.shownNumber - 1);
}

void CompanyCarWindow::forward()
{
    const CompanyCarSet& s = set();
    if (s.count < 1)
        return;
    runCalc();
    moveTo(s.shownNumber + 1 > s.count ? 1 : s.shownNumber + 1);
}

void CompanyCarWindow::moveTo(int index)
{
    CompanyCarSet& s = set();
    s.current = short(qBound(1, index, int(s.count)));
    fillFrom(s.current);
    s.shownNumber = s.current;
    navigationEnabling();
    updateCaption();
    runCalc();
}

void CompanyCarWindow::remove()
{
    CompanyCarSet& s = set();
    if (s.count < 1 || s.current < 1 || s.current > s.count)
        return;
    s.records.erase(s.records.begin() + s.current);
    s.count = short(s.count - 1);
    s.records[0] = CompanyCarRecord{};
    s.current = 1;
    s.shownNumber = 1;
    updateCaption();
    if (s.count > 0) {
        fillFrom(1);
        navigationEnabling();
    } else {
        s.shownNumber = 0;
        s.current = 0;
        s.Actual3802 = 0;
        fillFrom(0);
        allOff();
        enable({cmdAdd, cmdOk, cmdCalculate, cmdPrint});
    }
    applyAutoSplitBox();
    if (s.count <= 1) {
        cmdBack->setEnabled(false);
        cmdForward->setEnabled(false);
    }
    runCalc();
    updateCaption();
}

void CompanyCarWindow::closeEvent(QCloseEvent* event)
{
    if (endDateInvalid_) {
        showMessage(QStringLiteral("The dates entered are not correct please enter a dates between 01/03/2018 and "
                                   "28/02/2019"),
                    QStringLiteral("Incorrect Date"), MessageIcon::Critical, MessageButtons::Ok, this);
        dtCCStartDate->setFocus();
        event->ignore();
        return;
    }
    runCalc();
    event->accept();
}

void CompanyCarWindow::print(int destination)
{
    session().PrintDestination = short(destination);
    CompanyCarCalculation calc = PrintCalc(set());
    set() = calc.set;
    if (calc.stopped)
        zeroResults();
    printCompanyCars(calc, destination);
}

}  // namespace kestrel
