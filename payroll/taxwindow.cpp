#include "payroll/taxwindow.h"

#include "common/dialogs.h"
#include "common/fields.h"
#include "common/formstyle.h"
#include "payroll/payrollmessages.h"
#include "payroll/payrollprint.h"
#include "payroll/setuppanel.h"
#include "payroll/taxpanels.h"
#include "shell/session.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace kestrel {

namespace {

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setMinimumWidth(90);
    return button;
}

}  // namespace

TaxWindow::TaxWindow(QWidget* parent)
    : ChildWindow(parent), setup_(new PayrollSetupPanel(this)), info_(new GeneralInfoPanel(this)),
      print_(new TaxPrintPanel(this)), cmdCalculate_(commandButton(this, "cmdCalculate", QStringLiteral("&Calculate"))),
      cmdSettings_(commandButton(this, "cmdSettings", QStringLiteral("&Settings"))),
      cmdPrint_(commandButton(this, "cmdPrint", QStringLiteral("&Print"))), cmdInfo_(new QPushButton(this)),
      cmdOK_(commandButton(this, "cmdOK", QStringLiteral("&OK")))
{
    cmdInfo_->setObjectName(QStringLiteral("cmdInfo"));
    cmdInfo_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    cmdInfo_->setToolTip(QStringLiteral("General Information"));
    cmdInfo_->setAccessibleName(QStringLiteral("General Information"));
    cmdCalculate_->setDefault(true);
    setup_->setLockedButtons({cmdOK_, cmdCalculate_, cmdSettings_, cmdPrint_});

    connect(cmdCalculate_, &QPushButton::clicked, this, [this] { calculate(); });
    connect(cmdSettings_, &QPushButton::clicked, setup_, &PayrollSetupPanel::showInFront);
    connect(setup_, &PayrollSetupPanel::accepted, this, [this] { calculate(); });
    connect(cmdPrint_, &QPushButton::clicked, print_, &PrintChoicePanel::showInFront);
    connect(cmdInfo_, &QPushButton::clicked, info_, &GeneralInfoPanel::showInFront);
    connect(cmdOK_, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    connect(print_, &TaxPrintPanel::employeeNameChanged, this, [this](const QString& name) { employeeName_ = name; });
    connect(print_, &PrintChoicePanel::viewChosen, this, [this] { print(0); });
    connect(print_, &PrintChoicePanel::printChosen, this, [this] { print(1); });
}

const PayrollSettings& TaxWindow::settings() const
{
    return setup_->settings();
}

void TaxWindow::setForm(QLayout* form)
{
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addWidget(cmdCalculate_);
    buttons->addWidget(cmdSettings_);
    buttons->addWidget(cmdPrint_);
    buttons->addWidget(cmdInfo_);
    buttons->addStretch();
    buttons->addWidget(cmdOK_);
    auto* layout = new QVBoxLayout(this);
    setWindowMargins(layout);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TaxWindow::loadSettings()
{
    setup_->setSettings(loadPayPeriodSettings());
}

void TaxWindow::refuse(const QString& message, const QString& caption, QWidget* focus)
{
    showMessage(message, caption, caption.isEmpty() ? MessageIcon::Exclamation : MessageIcon::Critical);
    // After the message: a refusal on leaving a field must not fight the focus change.
    if (focus)
        QTimer::singleShot(0, focus, [focus] { focus->setFocus(); });
}

NumberField* TaxWindow::amountField(const char* name, bool whole, bool zeroOnLeave)
{
    NumberField* field = whole ? new WholeField(this) : new NumberField(2, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(-payroll::kMaximumAmount, payroll::kMaximumAmount);
    field->setZeroWhenEmptyOnLeave(zeroOnLeave);
    field->setFixedWidth(110);
    setInputStyle(field);
    connect(field, &NumberField::outOfRange, this,
            [this, field] { refuse(payroll::kMessageAmountRange, QString(), field); });
    return field;
}

NumberField* TaxWindow::wholeField(const char* name, double minimum, double maximum, const QString& message)
{
    auto* field = new WholeField(this);
    field->setObjectName(QString::fromLatin1(name));
    field->setRange(minimum, maximum);
    field->setFixedWidth(110);
    setInputStyle(field);
    connect(field, &NumberField::outOfRange, this, [this, field, message] { refuse(message, QString(), field); });
    return field;
}

NumberField* TaxWindow::resultField(const char* name, int decimals)
{
    auto* field = new NumberField(decimals, this);
    field->setObjectName(QString::fromLatin1(name));
    field->setFixedWidth(110);
    setResultStyle(field);
    return field;
}

void TaxWindow::print(int destination)
{
    session().PrintDestination = static_cast<short>(destination);
    const std::optional<PrintLanguage> language = print_->language();
    if (!language)
        return;
    printTaxReport(reportTarget(), reportRecord(*language), destination);
}

}  // namespace kestrel
