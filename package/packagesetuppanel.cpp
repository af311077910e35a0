#include "package/packagesetuppanel.h"

#include "common/fields.h"
#include "common/formstyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kestrel {

namespace {

// Two option buttons that exclude each other, side by side.
QWidget* optionPair(QWidget* parent, QRadioButton* first, QRadioButton* second)
{
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    first->setParent(box);
    second->setParent(box);
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addStretch();
    return box;
}

QRadioButton* option(const char* name, const QString& caption)
{
    auto* button = new QRadioButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// Checks one of two option buttons, or neither.
void check(QRadioButton* first, QRadioButton* second, int which)
{
    first->setAutoExclusive(false);
    second->setAutoExclusive(false);
    first->setChecked(which == 0);
    second->setChecked(which == 1);
    first->setAutoExclusive(true);
    second->setAutoExclusive(true);
}

}  // namespace

PackageSetupPanel::PackageSetupPanel(PackageDirection direction, PackagePeriod period, QWidget* parent)
    : QFrame(parent), direction_(direction)
{
    setObjectName(QStringLiteral("fraSetup"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 12, 16, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);

    auto* title = new QLabel(QStringLiteral("Setup"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 4);

    int row = 1;
    auto addRow = [&](const QString& label, QWidget* field, const QString& before = {}, const QString& after = {}) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        if (!before.isEmpty())
            grid->addWidget(new QLabel(before, this), row, 1, Qt::AlignRight);
        // Option buttons take the field's column and the unit column beside it.
        if (qobject_cast<NumberField*>(field))
            grid->addWidget(field, row, 2);
        else
            grid->addWidget(field, row, 2, 1, 2);
        if (!after.isEmpty())
            grid->addWidget(new QLabel(after, this), row, 3);
        ++row;
        return caption;
    };

    employeeFund_ = addNumber("numPenContPerc", 3);
    employerFund_ = addNumber("numPenPercentage", 3);
    employeeUif_ = addNumber("numEmpEUIF", 3);
    employerUif_ = addNumber("numEmpRUIF", 3);
    uifLimit_ = addNumber("numUIFLimit", 0);
    skillsLevy_ = addNumber("numSkillPercent", 3);
    employeeProvident_ = addNumber("numProvContPerc", 3);
    employerProvident_ = addNumber("numCCProvContPerc", 3);

    const QString percent = QStringLiteral("%");
    addRow(QStringLiteral("Employee R/Fund contributions"), employeeFund_, {}, percent);
    addRow(QStringLiteral("Employer R/Fund contributions"), employerFund_, {}, percent);
    addRow(QStringLiteral("Employee UIF portion"), employeeUif_, {}, percent);
    addRow(QStringLiteral("Employer UIF portion"), employerUif_, {}, percent);
    addRow(QStringLiteral("UIF monthly limit"), uifLimit_, QStringLiteral("  R"));
    addRow(QStringLiteral("Skills levy"), skillsLevy_, {}, percent);

    travel80_ = option("optTAIncRate80", QStringLiteral("80%"));
    travel20_ = option("optTAIncRate20", QStringLiteral("20%"));
    carRate80_ = option("optCompCarFBRate80", QStringLiteral("80%"));
    carRate20_ = option("optCompCarFBRate20", QStringLiteral("20%"));
    planYes_ = option("optCompCarMPYes", QStringLiteral("Yes"));
    planNo_ = option("optCompCarMPNo", QStringLiteral("No"));
    const bool backwardMonthly = direction == PackageDirection::Backward && period == PackagePeriod::Monthly;
    addRow(backwardMonthly ? QStringLiteral("Travel allowance inclusion rate")
                           : QStringLiteral("Travel allowance inclusion rate :"),
           optionPair(this, travel80_, travel20_));
    addRow(QStringLiteral("Company car fringe benefit rate "), optionPair(this, carRate80_, carRate20_));
    addRow(QStringLiteral("Company car has maintenance plan "), optionPair(this, planYes_, planNo_));

    // The provident percentages are kept and saved with the record; only the R/A
    // explanation reads them, so they are not shown.
    for (NumberField* hidden : {employeeProvident_, employerProvident_}) {
        QLabel* caption = addRow(hidden == employeeProvident_ ? QStringLiteral("Employee provident contribution")
                                                              : QStringLiteral("Employer's provident contribution"),
                                 hidden);
        caption->hide();
        hidden->hide();
    }

    ok_ = new QPushButton(QStringLiteral("O&K"), this);
    ok_->setObjectName(QStringLiteral("cmdSetupOK"));
    grid->addWidget(ok_, row, 2, 1, 2, Qt::AlignRight);
    grid->setColumnStretch(3, 1);

    // Every change counts for the window at once.
    auto store = [this](NumberField* field, double PayrollSettings::*column) {
        connect(field, &NumberField::valueChanged, this, [this, column](double value) {
            if (showing_)
                return;
            settings_.*column = value;
        });
    };
    store(employeeUif_, &PayrollSettings::EmployeeUIF);
    store(employerUif_, &PayrollSettings::EmployerUIF);
    store(uifLimit_, &PayrollSettings::UIFLimit);
    store(skillsLevy_, &PayrollSettings::SkillLevy);
    store(employeeProvident_, &PayrollSettings::ProvCont);
    store(employerProvident_, &PayrollSettings::EmployerProvCont);
    store(employeeFund_, &PayrollSettings::PensionCont);
    store(employerFund_, &PayrollSettings::EmployerPenCont);
    for (NumberField* fund : {employeeFund_, employerFund_})
        connect(fund, &NumberField::valueChanged, this, [this] {
            if (!showing_)
                applyFundLimit();
        });

    connect(travel80_, &QRadioButton::clicked, this, [this] { settings_.TAIncRate8020 = 0.8; });
    connect(travel20_, &QRadioButton::clicked, this, [this] { settings_.TAIncRate8020 = 0.2; });
    connect(carRate80_, &QRadioButton::clicked, this, [this] { settings_.CompCarFBRate8020 = 0.8; });
    connect(carRate20_, &QRadioButton::clicked, this, [this] { settings_.CompCarFBRate8020 = 0.2; });
    connect(planYes_, &QRadioButton::clicked, this, [this] { settings_.CompCarMPYesNo = true; });
    connect(planNo_, &QRadioButton::clicked, this, [this] { settings_.CompCarMPYesNo = false; });
    connect(ok_, &QPushButton::clicked, this, &PackageSetupPanel::okClicked);

    hide();
}

NumberField* PackageSetupPanel::addNumber(const char* name, int decimals)
{
    auto* field = new NumberField(decimals, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(90);
    setInputStyle(field);
    // A left field shows its value in the field's format.
    connect(field, &EntryField::committed, field, [field] { field->setValue(field->value()); });
    return field;
}

void PackageSetupPanel::showSettings(const PayrollSettings& settings)
{
    settings_ = settings;
    showing_ = true;
    employeeFund_->setValue(settings.PensionCont);
    employerFund_->setValue(settings.EmployerPenCont);
    employeeUif_->setValue(settings.EmployeeUIF);
    employerUif_->setValue(settings.EmployerUIF);
    uifLimit_->setValue(settings.UIFLimit);
    skillsLevy_->setValue(settings.SkillLevy);
    employeeProvident_->setValue(settings.ProvCont);
    employerProvident_->setValue(settings.EmployerProvCont);
    selectRate(travel80_, travel20_, settings.TAIncRate8020);
    selectRate(carRate80_, carRate20_, settings.CompCarFBRate8020);
    selectPlan(settings.CompCarMPYesNo);
    showing_ = false;
}

void PackageSetupPanel::selectRate(QRadioButton* eighty, QRadioButton* twenty, double rate)
{
    check(eighty, twenty, rate == 0.8 ? 0 : rate == 0.2 ? 1 : -1);
}

void PackageSetupPanel::selectPlan(bool plan)
{
    check(planYes_, planNo_, plan ? 0 : 1);
}

void PackageSetupPanel::applyFundLimit()
{
    if (direction_ != PackageDirection::Backward)
        return;
    if (applyCombinedFundLimit(settings_)) {
        showing_ = true;
        employeeFund_->setValue(0);
        employerFund_->setValue(0);
        showing_ = false;
    }
}

void PackageSetupPanel::takeShownValues()
{
    settings_.UIFLimit = uifLimit_->value();
    settings_.ProvCont = employeeProvident_->value();
    settings_.EmployerProvCont = employerProvident_->value();
}

void PackageSetupPanel::showInFront()
{
    adjustSize();
    if (QWidget* owner = parentWidget())
        move(qMax(0, (owner->width() - width()) / 2), qMax(0, (owner->height() - height()) / 4));
    show();
    raise();
    employeeFund_->setFocus();
}

}  // namespace kestrel
