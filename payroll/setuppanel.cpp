#include "payroll/setuppanel.h"

#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "common/numberformat.h"
#include "payroll/payrollmessages.h"
#include "payroll/settingsstore.h"
#include "shell/session.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kestrel {

PayrollSettings loadPayPeriodSettings()
{
    const SettingsLoad load = LoadPayrollSettings(session().SettingsDbPath, payPeriodSettingsColumns());
    if (!load.settings) {
        showMessage(load.errorText, QString(), MessageIcon::Critical);
        return PayrollSettings{};
    }
    return *load.settings;
}

namespace {

// Settings have no range of their own; the limit only keeps every result a finite number.
template <typename Field> Field* settingField(QWidget* parent, const char* name, int decimals)
{
    auto* field = new Field(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setDecimals(decimals);
    field->setRange(-payroll::kMaximumAmount, payroll::kMaximumAmount);
    field->setFixedWidth(110);
    setInputStyle(field);
    QObject::connect(field, &NumberField::outOfRange, field, [field] {
        showMessage(payroll::kMessageSettingRange, QString(), MessageIcon::Exclamation);
        field->setFocus();
    });
    return field;
}

}  // namespace

PayrollSetupPanel::PayrollSetupPanel(QWidget* window)
    : QFrame(window), numEmpEUIF_(settingField<NumberField>(this, "numEmpEUIF", 3)),
      numEmpRUIF_(settingField<NumberField>(this, "numEmpRUIF", 3)),
      numUIFLimit_(settingField<WholeField>(this, "numUIFLimit", 0)),
      numSkillPercent_(settingField<NumberField>(this, "numSkillPercent", 3)),
      optTAIncRate80_(new QRadioButton(QStringLiteral("80%"), this)),
      optTAIncRate20_(new QRadioButton(QStringLiteral("20%"), this)), rates_(new QButtonGroup(this)),
      cmdSetupOK_(new QPushButton(QStringLiteral("O&K"), this))
{
    setObjectName(QStringLiteral("fraSetup"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    optTAIncRate80_->setObjectName(QStringLiteral("optTAIncRate80"));
    optTAIncRate20_->setObjectName(QStringLiteral("optTAIncRate20"));
    cmdSetupOK_->setObjectName(QStringLiteral("cmdSetupOK"));
    rates_->addButton(optTAIncRate80_);
    rates_->addButton(optTAIncRate20_);

    auto* title = new QLabel(QStringLiteral("Setup"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* field, const QString& before = QString()) {
        grid->addWidget(new QLabel(label, this), row, 0);
        if (!before.isEmpty())
            grid->addWidget(new QLabel(before, this), row, 1, Qt::AlignRight);
        grid->addWidget(field, row, 2);
        ++row;
    };
    addRow(QStringLiteral("Employee UIF portion"), numEmpEUIF_);
    addRow(QStringLiteral("Employer UIF portion"), numEmpRUIF_);
    addRow(QStringLiteral("UIF monthly limit"), numUIFLimit_, QStringLiteral("  R"));
    addRow(QStringLiteral("Skills levy"), numSkillPercent_);

    auto* rates = new QHBoxLayout;
    rates->addWidget(new QLabel(QStringLiteral("Travel allowance inclusion rate :"), this));
    rates->addSpacing(8);
    rates->addWidget(optTAIncRate80_);
    rates->addWidget(optTAIncRate20_);
    rates->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSetupOK_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(title);
    layout->addLayout(grid);
    layout->addLayout(rates);
    layout->addLayout(buttons);

    // Every change is the window's setting at once.
    connect(numEmpEUIF_, &NumberField::valueChanged, this, [this](double v) { settings_.EmployeeUIF = v; });
    connect(numEmpRUIF_, &NumberField::valueChanged, this, [this](double v) { settings_.EmployerUIF = v; });
    connect(numUIFLimit_, &NumberField::valueChanged, this, [this](double v) { settings_.UIFLimit = v; });
    connect(numSkillPercent_, &NumberField::valueChanged, this, [this](double v) { settings_.SkillLevy = v; });
    connect(optTAIncRate80_, &QRadioButton::clicked, this, [this] { settings_.TAIncRate8020 = 0.8; });
    connect(optTAIncRate20_, &QRadioButton::clicked, this, [this] { settings_.TAIncRate8020 = 0.2; });
    connect(cmdSetupOK_, &QPushButton::clicked, this, &PayrollSetupPanel::onOk);
    hide();
}

void PayrollSetupPanel::setSettings(const PayrollSettings& settings)
{
    settings_ = settings;
    numEmpEUIF_->setValue(settings.EmployeeUIF);
    numEmpRUIF_->setValue(settings.EmployerUIF);
    numUIFLimit_->setValue(settings.UIFLimit);
    numSkillPercent_->setValue(settings.SkillLevy);
    // The fields show rounded values; the window keeps the stored ones.
    settings_ = settings;
    selectRate(settings.TAIncRate8020);
}

void PayrollSetupPanel::selectRate(double rate)
{
    if (rate == 0.8) {
        optTAIncRate80_->setChecked(true);
    } else if (rate == 0.2) {
        optTAIncRate20_->setChecked(true);
    } else {
        // Neither option: an exclusive group keeps one button checked, so lift that for a moment.
        rates_->setExclusive(false);
        optTAIncRate80_->setChecked(false);
        optTAIncRate20_->setChecked(false);
        rates_->setExclusive(true);
    }
}

void PayrollSetupPanel::showInFront()
{
    for (QPushButton* button : locked_)
        button->setEnabled(false);
    adjustSize();
    if (QWidget* owner = parentWidget())
        move(qMax(0, (owner->width() - width()) / 2), qMax(0, (owner->height() - height()) / 3));
    show();
    raise();
    numEmpEUIF_->setFocus();
}

void PayrollSetupPanel::onOk()
{
    // The limit is taken from the field's text as it stands.
    settings_.UIFLimit = leadingNumber(numUIFLimit_->text());
    const QString error = SavePayrollSettings(session().SettingsDbPath, settings_, payPeriodSettingsColumns());
    if (!error.isEmpty())
        showMessage(error, QString(), MessageIcon::Critical);
    hide();
    for (QPushButton* button : locked_)
        button->setEnabled(true);
    QCoreApplication::processEvents();
    Q_EMIT accepted();
}

}  // namespace kestrel
