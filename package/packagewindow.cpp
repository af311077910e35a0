#include "package/packagewindow.h"

#include "common/busycursor.h"
#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/printchoicepanel.h"
#include "package/packagesetuppanel.h"
#include "package/raexplained.h"
#include "package/salpackagerecord.h"
#include "payroll/settingsstore.h"
#include "reports/reportengine.h"
#include "reports/reportstore.h"
#include "shell/session.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

namespace {

constexpr int kAmountWidth = 110;

QString caption(PackageDirection direction, PackagePeriod period)
{
    const bool monthly = period == PackagePeriod::Monthly;
    if (direction == PackageDirection::Backward)
        return monthly ? QStringLiteral("Kestrel : Monthly Calculation")
                       : QStringLiteral("Kestrel : Annual Calculation");
    return monthly ? QStringLiteral("Osprey : Monthly Calculation") : QStringLiteral("Osprey : Annual Calculation");
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

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* commandButton(const char* name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(100);
    return button;
}

// A framed panel shown in front of the window's controls.
QFrame* frontPanel(const char* name, QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setAutoFillBackground(true);
    frame->hide();
    return frame;
}

void showInFrontOf(QWidget* panel, QWidget* owner)
{
    panel->adjustSize();
    panel->move(qMax(0, (owner->width() - panel->width()) / 2), qMax(0, (owner->height() - panel->height()) / 4));
    panel->show();
    panel->raise();
}

}  // namespace

PackageWindow::PackageWindow(PackageDirection direction, PackagePeriod period, QWidget* parent)
    : ChildWindow(parent), direction_(direction), period_(period)
{
    const bool backward = direction == PackageDirection::Backward;
    const bool monthly = period == PackagePeriod::Monthly;
    inputs_.period = period;
    setWindowTitle(caption(direction, period));

    auto* top = new QVBoxLayout(this);
    setWindowMargins(top);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    top->addLayout(columns);

    // ----- Inputs ---------------------------------------------------------------------------
    auto* package =
        new QGroupBox(backward ? QStringLiteral("Net salary required and package") : QStringLiteral("Package"), this);
    package->setObjectName(QStringLiteral("fraInputs"));
    auto* in = new QGridLayout(package);
    in->setHorizontalSpacing(8);
    in->setVerticalSpacing(5);
    in->addWidget(columnHeading(QStringLiteral("Employee"), package), 0, 1);
    in->addWidget(columnHeading(QStringLiteral("Cost to company"), package), 0, 2);
    int row = 1;
    auto addRow = [&](const QString& label, QWidget* employee, QWidget* company = nullptr) {
        auto* text = new QLabel(label, package);
        text->setBuddy(employee);
        in->addWidget(text, row, 0);
        in->addWidget(employee, row, 1);
        if (company)
            in->addWidget(company, row, 2);
        ++row;
    };

    numAge_ = new WholeField(package);
    numAge_->setObjectName(QStringLiteral("numAge"));
    numAge_->setFixedWidth(kAmountWidth);
    setInputStyle(numAge_);
    numNetMonSalReq_ = amountField("numNetMonSalReq");
    if (!backward) {
        numCCNetMonSalReq_ = resultField("numCCNetMonSalReq");
    }
    numCompCar_ = amountField("numCompCar");
    numCCCompCar_ = amountField("numCCCompCar");
    numTravAll_ = amountField("numTravAll");
    numCCTravAll_ = resultField("numCCTravAll");
    numMedAidCont_ = amountField("numMedAidCont");
    numCCMedAidCont_ = amountField("numCCMedAidCont");
    numPMems_ = new WholeField(package);
    numPMems_->setObjectName(QStringLiteral("numPMems"));
    numPMems_->setFixedWidth(kAmountWidth);
    setInputStyle(numPMems_);
    numOTaxFB_ = amountField("numOTaxFB");
    numCCOTaxFB_ = resultField("numCCOTaxFB");
    numRFundCont_ = amountField("numRFundCont");
    numCCRFundCont_ = amountField("numCCRFundCont");

    addRow(QStringLiteral("Taxpayer's age"), numAge_);
    addRow(backward ? (monthly ? QStringLiteral("Net monthly salary required")
                               : QStringLiteral("Net annual salary required"))
                    : QStringLiteral("Total package amount"),
           numNetMonSalReq_, numCCNetMonSalReq_);
    addRow(QStringLiteral("Company car value"), numCompCar_, numCCCompCar_);
    addRow(QStringLiteral("Travel allowance"), numTravAll_, numCCTravAll_);
    addRow(QStringLiteral("Med. aid fund contributions"), numMedAidCont_, numCCMedAidCont_);
    addRow(monthly ? QStringLiteral("Med. aid fund beneficiaries") : QStringLiteral("Medical beneficiaries months"),
           numPMems_);
    addRow(QStringLiteral("Other taxable f/benefits"), numOTaxFB_, numCCOTaxFB_);
    addRow(QStringLiteral("R/Fund (Pension, Prov, R/A) "), numRFundCont_, numCCRFundCont_);
    if (backward) {
        numMedDeduct_ = amountField("numMedDeduct");
        addRow(QStringLiteral("Medical deductions"), numMedDeduct_);
    }
    in->addWidget(boldLabel(QStringLiteral("Other Expenses :"), package), row++, 0, 1, 3);
    for (std::size_t i = 0; i < 4; ++i) {
        txtOtherDet_[i] = new TextField(50, package);
        txtOtherDet_[i]->setObjectName(QStringLiteral("txtOtherDet%1").arg(i));
        txtOtherDet_[i]->setMinimumWidth(180);
        setInputStyle(txtOtherDet_[i]);
        numOtherDet_[i] = amountField(QStringLiteral("numOtherDet%1").arg(i).toLatin1().constData());
        numOtherDetCC_[i] = amountField(QStringLiteral("numOtherDetCC%1").arg(i).toLatin1().constData());
        in->addWidget(txtOtherDet_[i], row, 0);
        in->addWidget(numOtherDet_[i], row, 1);
        in->addWidget(numOtherDetCC_[i], row, 2);
        ++row;
    }
    in->setRowStretch(row, 1);
    columns->addWidget(package);

    // ----- Results --------------------------------------------------------------------------
    auto* results = new QGroupBox(QStringLiteral("Results"), this);
    results->setObjectName(QStringLiteral("fraResults"));
    auto* out = new QGridLayout(results);
    out->setHorizontalSpacing(8);
    out->setVerticalSpacing(5);
    out->addWidget(columnHeading(QStringLiteral("Employee"), results), 0, 1);
    out->addWidget(columnHeading(QStringLiteral("Cost to company"), results), 0, 2);
    int resultRow = 1;
    auto addResult = [&](const QString& label, NumberField* employee, NumberField* company = nullptr) {
        out->addWidget(new QLabel(label, results), resultRow, 0);
        if (employee)
            out->addWidget(employee, resultRow, 1);
        if (company)
            out->addWidget(company, resultRow, 2);
        ++resultRow;
    };
    numMAns_ = resultField("numMAns");
    numTaxCredit_ = resultField("numTaxCredit");
    numTaxDeduct_ = resultField("numTaxDeduct");
    numUIFCont_ = resultField("numUIFCont");
    numCCUIFCont_ = resultField("numCCUIFCont");
    numCCSkillLev_ = resultField("numCCSkillLev");
    numGrossSal_ = resultField("numGrossSal");
    numTotCostComp_ = resultField("numTotCostComp");
    addResult(QStringLiteral("Tax due"), numMAns_);
    addResult(QStringLiteral("Tax credit"), numTaxCredit_);
    addResult(QStringLiteral("Tax deduction"), numTaxDeduct_);
    addResult(QStringLiteral("UIF contribution"), numUIFCont_, numCCUIFCont_);
    addResult(!backward && monthly ? QStringLiteral("Skills Development Levy") : QStringLiteral("Skills levy"), nullptr,
              numCCSkillLev_);
    out->setRowMinimumHeight(resultRow++, 10);
    addResult(backward ? QStringLiteral("Gross salary") : QStringLiteral("Net salary(take-home)"), numGrossSal_);
    addResult(QStringLiteral("Total cost to company R"), nullptr, numTotCostComp_);
    for (NumberField* main : {numGrossSal_, numTotCostComp_}) {
        QFont font = main->font();
        font.setBold(true);
        main->setFont(font);
    }

    // The car as a once-off cost beside the total cost to company.
    onceOffNote_ = new QWidget(results);
    onceOffNote_->setObjectName(QStringLiteral("fraOnceOff"));
    auto* note = new QGridLayout(onceOffNote_);
    note->setContentsMargins(0, 6, 0, 0);
    note->setHorizontalSpacing(8);
    auto* noteStart = new QLabel(QStringLiteral("(plus a \"once-off\" cost of R"), onceOffNote_);
    noteStart->setObjectName(QStringLiteral("lblOnceOff1"));
    numOnceOff_ = resultField("numOnceOff");
    numOnceOff_->setParent(onceOffNote_);
    auto* noteEnd = new QLabel(QStringLiteral("for the company car and this does not include fuel, maintenance etc)."),
                               onceOffNote_);
    noteEnd->setObjectName(QStringLiteral("lblOnceOff2"));
    noteEnd->setWordWrap(true);
    note->addWidget(noteStart, 0, 0);
    note->addWidget(numOnceOff_, 0, 1, Qt::AlignLeft);
    note->addWidget(noteEnd, 1, 0, 1, 2);
    note->setColumnStretch(1, 1);
    out->addWidget(onceOffNote_, resultRow++, 0, 1, 3);
    // The note keeps its room when hidden, so the window does not change size.
    QSizePolicy keep = onceOffNote_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    onceOffNote_->setSizePolicy(keep);
    onceOffNote_->hide();
    out->setRowStretch(resultRow, 1);
    columns->addWidget(results);

    // ----- Warning line and buttons ---------------------------------------------------------
    // The warning takes the line under the results and moves the button row below it; the
    // room is reserved so that the window keeps its size.
    auto* bottom = new QWidget(this);
    auto* bottomLayout = new QVBoxLayout(bottom);
    bottomLayout->setContentsMargins(0, 4, 0, 0);
    bottomLayout->setSpacing(6);
    lblWarning_ = new QLabel(QStringLiteral("R/Fund contributions exceed allowable limits!"), bottom);
    lblWarning_->setObjectName(QStringLiteral("lblWarning"));
    QFont warningFont = lblWarning_->font();
    warningFont.setBold(true);
    lblWarning_->setFont(warningFont);
    QPalette warningPalette = lblWarning_->palette();
    warningPalette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    lblWarning_->setPalette(warningPalette);
    lblWarning_->setAlignment(Qt::AlignCenter);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    cmdOK_ = commandButton("cmdOK", QStringLiteral("&OK"), bottom);
    cmdRAExplained_ = commandButton("cmdRAExplained", QStringLiteral("&R/A Explained"), bottom);
    cmdCalculate_ = commandButton("cmdCalculate", QStringLiteral("&Calculate"), bottom);
    cmdSettings_ = commandButton("cmdSettings", QStringLiteral("&Settings"), bottom);
    cmdPrint_ = commandButton("cmdPrint", QStringLiteral("&Print"), bottom);
    buttons->addStretch();
    for (QPushButton* b : {cmdOK_, cmdRAExplained_, cmdCalculate_, cmdSettings_, cmdPrint_})
        buttons->addWidget(b);
    buttons->addStretch();
    bottomLayout->addWidget(lblWarning_);
    bottomLayout->addLayout(buttons);
    bottomLayout->addStretch();
    bottom->setFixedHeight(bottom->sizeHint().height());
    lblWarning_->hide();
    top->addWidget(bottom);

    buildPanels();

    // ----- Change events: every field stores its value at once ------------------------------
    auto store = [this](NumberField* field, double PackageInputs::*member) {
        connect(field, &NumberField::valueChanged, this, [this, member](double value) { inputs_.*member = value; });
    };
    connect(numAge_, &NumberField::valueChanged, this, [this] { inputs_.age = numAge_->int16Value(); });
    connect(numPMems_, &NumberField::valueChanged, this, [this] { inputs_.beneficiaries = numPMems_->int16Value(); });
    store(numNetMonSalReq_, &PackageInputs::mainAmount);
    if (numCCNetMonSalReq_)
        connect(numNetMonSalReq_, &NumberField::valueChanged, numCCNetMonSalReq_, &NumberField::setValue);
    store(numCompCar_, &PackageInputs::carValue);
    store(numCCCompCar_, &PackageInputs::carCost);
    store(numTravAll_, &PackageInputs::travelAllowance);
    connect(numTravAll_, &NumberField::valueChanged, numCCTravAll_, &NumberField::setValue);
    store(numMedAidCont_, &PackageInputs::employeeMedicalAid);
    store(numCCMedAidCont_, &PackageInputs::employerMedicalAid);
    store(numOTaxFB_, &PackageInputs::otherTaxableBenefits);
    connect(numOTaxFB_, &NumberField::valueChanged, numCCOTaxFB_, &NumberField::setValue);
    store(numRFundCont_, &PackageInputs::employeeFund);
    store(numCCRFundCont_, &PackageInputs::employerFund);
    if (numMedDeduct_)
        store(numMedDeduct_, &PackageInputs::medicalDeductions);
    for (std::size_t i = 0; i < 4; ++i) {
        connect(txtOtherDet_[i], &QLineEdit::textChanged, this,
                [this, i](const QString& text) { inputs_.otherDescriptions[i] = text; });
        // The company's cost of an expense starts as a copy of the employee's amount.
        connect(numOtherDet_[i], &NumberField::valueChanged, this, [this, i](double value) {
            inputs_.otherExpenses[i] = value;
            numOtherDetCC_[i]->setValue(value);
        });
        connect(numOtherDetCC_[i], &NumberField::valueChanged, this,
                [this, i](double value) { inputs_.otherExpensesCompany[i] = value; });
    }

    // ----- Commands -------------------------------------------------------------------------
    connect(cmdOK_, &QPushButton::clicked, this, [this] { closeWindow(); });
    connect(cmdCalculate_, &QPushButton::clicked, this, [this] { calculate(); });
    connect(cmdSettings_, &QPushButton::clicked, this, [this] {
        setup_->showInFront();
        setButtonsForPanel(true, true);
    });
    connect(setup_, &PackageSetupPanel::okClicked, this, &PackageWindow::onSetupOk);
    connect(cmdPrint_, &QPushButton::clicked, this, &PackageWindow::onPrint);
    connect(cmdRAExplained_, &QPushButton::clicked, this, &PackageWindow::onRaExplained);

    // ----- Opening: the settings of Setup, then every input and result at 0 -----------------
    const SettingsLoad load = LoadPayrollSettings(session().SettingsDbPath);
    if (!load.settings)
        showMessage(load.errorText, QString(), MessageIcon::Critical);
    setup_->showSettings(load.settings.value_or(PayrollSettings{}));
    for (NumberField* field : findChildren<NumberField*>()) {
        if (field->parent() == setup_)
            continue;
        field->setValue(0);
    }
    for (TextField* field : findChildren<TextField*>())
        field->clear();

    setMinimumSize(sizeHint());
}

NumberField* PackageWindow::amountField(const char* name)
{
    auto* field = new NumberField(2, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(kAmountWidth);
    setInputStyle(field);
    // A field that is left shows its value with two decimals.
    connect(field, &EntryField::committed, field, [field] { field->setValue(field->value()); });
    return field;
}

NumberField* PackageWindow::resultField(const char* name)
{
    auto* field = new NumberField(2, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(kAmountWidth);
    setResultStyle(field);
    return field;
}

void PackageWindow::buildPanels()
{
    setup_ = new PackageSetupPanel(direction_, period_, this);

    print_ = new PrintChoicePanel(this, QStringLiteral("&Cancel"));
    auto* name = new QWidget(print_);
    auto* nameLayout = new QVBoxLayout(name);
    nameLayout->setContentsMargins(0, 0, 0, 4);
    nameLayout->setSpacing(3);
    auto* nameLabel = new QLabel(QStringLiteral("Taxpayer's name :(max50Chrs."), name);
    Text1_ = new TextField(50, name);
    Text1_->setObjectName(QStringLiteral("Text1"));
    Text1_->setMinimumWidth(260);
    setInputStyle(Text1_);
    nameLabel->setBuddy(Text1_);
    auto* nameNote = new QLabel(QStringLiteral("(max.50 chrs.)"), name);
    nameLayout->addWidget(nameLabel);
    nameLayout->addWidget(Text1_);
    nameLayout->addWidget(nameNote);
    print_->addContent(name);
    connect(Text1_, &QLineEdit::textChanged, this, [this](const QString& text) { inputs_.taxpayerName = text; });
    connect(print_, &PrintChoicePanel::viewChosen, this, [this] { salPackPrint(0); });
    connect(print_, &PrintChoicePanel::printChosen, this, [this] { salPackPrint(1); });
    connect(print_, &PrintChoicePanel::cancelled, this, [this] { setButtonsForPanel(false, false); });

    // The retirement-annuity explanation.
    auto* ra = frontPanel("fraRAExplained", this);
    raPanel_ = ra;
    auto* raLayout = new QVBoxLayout(ra);
    raLayout->setContentsMargins(16, 12, 16, 12);
    raLayout->setSpacing(6);
    raLayout->addWidget(boldLabel(QStringLiteral("R/A Explained(Annual Figures Shown)"), ra));
    auto line = [ra, raLayout](const char* objectName, const QString& text, bool indented) {
        auto* label = new QLabel(text, ra);
        label->setObjectName(QString::fromLatin1(objectName));
        if (indented)
            label->setContentsMargins(24, 0, 0, 0);
        raLayout->addWidget(label);
        return label;
    };
    line("lblRALine1", QStringLiteral("The maximum R/A contribution allowed is the greater between A, B or C."), false);
    line("lblRALine2", QStringLiteral("A:  R 3 500 less employee pension contributions "), false);
    raLineA_ = line("lblRALineA", QString(), true);
    line("lblRALine4", QStringLiteral("B: R 1 750"), false);
    line("lblRALine5", QStringLiteral("C: 15% of non-retirement funding income. "), false);
    raLineC_ = line("lblRALineC", QString(), true);
    auto* raOk = new QPushButton(QStringLiteral("&OK"), ra);
    raOk->setObjectName(QStringLiteral("cmdRAOK"));
    raLayout->addWidget(raOk, 0, Qt::AlignRight);
    connect(raOk, &QPushButton::clicked, ra, &QWidget::hide);
}

void PackageWindow::setButtonsForPanel(bool panelShown, bool includingPrint)
{
    for (QPushButton* b : {cmdOK_, cmdRAExplained_, cmdCalculate_, cmdSettings_})
        b->setEnabled(!panelShown);
    if (includingPrint)
        cmdPrint_->setEnabled(!panelShown && !lblWarning_->isVisibleTo(this));
}

bool PackageWindow::calculate()
{
    PackageResult r;
    {
        BusyCursor busy;
        r = calculatePackage(direction_, inputs_, setup_->settings());
        // The once-off note belongs to a calculation that was not refused.
        onceOffNote_->hide();
        numOnceOff_->setValue(0);
        if (r.calculated()) {
            // Computed contributions and cleared fields go back into the form.
            const PayrollSettings& s = setup_->settings();
            if (s.PensionCont > 0)
                numRFundCont_->setValue(r.employeeFundField);
            if (s.EmployerPenCont > 0)
                numCCRFundCont_->setValue(r.employerFundField);
            if (r.beneficiariesField != inputs_.beneficiaries)
                numPMems_->setValue(r.beneficiariesField);
            if (numMedDeduct_ && r.medicalDeductionsField != inputs_.medicalDeductions)
                numMedDeduct_->setValue(r.medicalDeductionsField);
            kept_ = r;
            showResults(r);
            // The last annual income looked up is what QuickTax shows when it opens.
            TaxScaleLookupInSession(r.lookupIncome);
        } else if (direction_ == PackageDirection::Forward) {
            // A refused forward calculation hides the warning line; the results stay.
            lblWarning_->hide();
        }
    }
    if (r.status == PackageStatus::Refused)
        showMessage(r.message, QString(), MessageIcon::Critical, MessageButtons::Ok, this);
    return r.calculated();
}

void PackageWindow::showResults(const PackageResult& r)
{
    numMAns_->setValue(r.taxDue);
    numTaxCredit_->setValue(r.taxCredit);
    numTaxDeduct_->setValue(r.taxDeduction);
    numUIFCont_->setValue(r.employeeUIF);
    numCCUIFCont_->setValue(r.employerUIF);
    numCCSkillLev_->setValue(r.skillsLevy);
    numGrossSal_->setValue(r.salary);
    numTotCostComp_->setValue(r.totalCostToCompany);
    if (r.onceOffCarCost > 0) {
        numOnceOff_->setValue(r.onceOffCarCost);
        onceOffNote_->show();
    }
    lblWarning_->setVisible(r.limitWarning);
    cmdPrint_->setEnabled(!r.limitWarning);
}

void PackageWindow::onSetupOk()
{
    setup_->applyFundLimit();
    setup_->takeShownValues();
    const QString error = SavePayrollSettings(session().SettingsDbPath, setup_->settings(), payrollSettingsColumns());
    if (!error.isEmpty())
        showMessage(error, QString(), MessageIcon::Critical);
    // The settings count for this window even when they could not be stored.
    setup_->hide();
    setButtonsForPanel(false, true);
    QCoreApplication::processEvents();
    calculate();
}

void PackageWindow::onPrint()
{
    // The printout shows the current inputs with their results; a refused calculation has
    // none to show.
    if (!calculate())
        return;
    print_->showInFront();
    setButtonsForPanel(true, false);
}

void PackageWindow::onRaExplained()
{
    if (!withinCalculableRange(inputs_, setup_->settings())) {
        showMessage(tooLargeMessage(), QString(), MessageIcon::Critical, MessageButtons::Ok, this);
        return;
    }
    const RaExplanation lines =
        raExplained(direction_, inputs_, setup_->settings(), kept_.employeeFund, numGrossSal_->value());
    raLineA_->setText(lines.lineA);
    raLineC_->setText(lines.lineC);
    showInFrontOf(raPanel_, this);
}

void PackageWindow::salPackPrint(int destination)
{
    session().PrintDestination = static_cast<short>(destination);
    SalPackageShown shown;
    shown.employeeUIF = numUIFCont_->value();
    shown.employerUIF = numCCUIFCont_->value();
    shown.skillsLevy = numCCSkillLev_->value();
    shown.taxDue = numMAns_->value();
    shown.taxCredit = numTaxCredit_->value();
    shown.taxDeduction = numTaxDeduct_->value();
    shown.salary = numGrossSal_->value();
    shown.totalCostToCompany = numTotCostComp_->value();
    shown.onceOffCarCost = onceOffNote_->isVisibleTo(this) ? numOnceOff_->value() : 0.0;

    QString error;
    {
        BusyCursor busy;
        ReportStore store(session().ReportDbPath);
        Recordset table = store.OpenRecordset(QStringLiteral("SalPackage"));
        table.Edit();
        for (const SalPackageField& field : salPackageFields(direction_, inputs_, shown))
            table.setField(field.name, field.value);
        table.Update();
        table.Close();
        if (!store.Close())
            error = store.errorText();
    }
    if (!error.isEmpty()) {
        showReportError(error);
    } else {
        const int printDestination = session().PrintDestination;
        std::optional<QString> title;
        if (printDestination == 0)
            title = salPackagePreviewTitle(direction_, period_);
        BusyCursor busy;
        PrintReport(salPackageReportStem(direction_), title, printDestination);
    }
    setButtonsForPanel(false, false);
}

}  // namespace kestrel
