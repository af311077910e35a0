#include "payroll/taxpanels.h"

#include "common/fields.h"
#include "common/formstyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kestrel {

FieldGroup::FieldGroup(const QString& title, QWidget* parent) : QGroupBox(title, parent), grid_(new QGridLayout(this))
{
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(5);
}

void FieldGroup::addRow(const QString& label, QWidget* field, bool strong, QWidget* beside)
{
    auto* text = new QLabel(label, this);
    text->setBuddy(field);
    if (strong) {
        QFont font = text->font();
        font.setBold(true);
        text->setFont(font);
    }
    grid_->addWidget(text, rows_, 0);
    grid_->addWidget(field, rows_, 1);
    if (beside)
        grid_->addWidget(beside, rows_, 2);
    ++rows_;
}

void FieldGroup::keepRowsAtTop()
{
    grid_->setRowStretch(rows_, 1);
}

namespace {

void styleAsPanel(QFrame* panel)
{
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
}

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void centreOver(QWidget* panel, double heightShare)
{
    if (QWidget* owner = panel->parentWidget())
        panel->move(qMax(0, (owner->width() - panel->width()) / 2),
                    qMax(0, static_cast<int>((owner->height() - panel->height()) * heightShare)));
}

}  // namespace

// ---------------------------------------------------------------------------------------

GeneralInfoPanel::GeneralInfoPanel(QWidget* window)
    : QFrame(window), text_(new QLabel(text(), this)), ok_(new QPushButton(QStringLiteral("&OK"), this))
{
    setObjectName(QStringLiteral("fraGeneralInfo"));
    styleAsPanel(this);
    text_->setObjectName(QStringLiteral("lblGeneralInfo"));
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    ok_->setObjectName(QStringLiteral("cmdInfoOK"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(boldLabel(QStringLiteral("General Information"), this));
    layout->addWidget(text_);
    layout->addLayout(buttons);
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);
    hide();
}

QString GeneralInfoPanel::text()
{
    return QString::fromUtf8(
        "The amount entered in the Salary/remuneration field should contain the fringe benefit amounts such as the "
        "code 3802 fringe benefit amount for the use of a company car but must not include any travel allowance in "
        "this Salary/remuneration amount.  Note that both employer\u2019s and employee\u2019s R/Fund contributions "
        "qualify as a tax deduction off taxable income.  Employer\u2019s contributions paid to R/Funds i.r.o. the "
        "employee are taxable in the hands of the employee as a fringe benefit.  Kestrel will include the "
        "employer\u2019s R/Fund contributions, that you enter here, in with Salary/Remuneration to determine total "
        "income so enter Salary/Remuneration as being without the employer\u2019s R/Fund contribution fringe benefit. "
        " A portion of contributions paid by both the employer and the employee to Pension, R/A and Provident funds "
        "may qualify as a deduction from taxable income.  The deduction is limited to the lessor of contributions "
        "paid or 27.5% of remuneration/salary/income.  The deduction is capped at R350,000 per year. ");
}

void GeneralInfoPanel::showInFront()
{
    // As wide as the window allows, so that the text reads in full.
    if (QWidget* owner = parentWidget())
        setFixedWidth(qMin(owner->width() - 24, 560));
    adjustSize();
    centreOver(this, 0.3);
    show();
    raise();
    ok_->setFocus();
}

// ---------------------------------------------------------------------------------------

TaxPrintPanel::TaxPrintPanel(QWidget* window)
    : PrintChoicePanel(window, QStringLiteral("&Cancel")),
      optEnglish_(new QRadioButton(QStringLiteral("&English print"))),
      optAfrikaans_(new QRadioButton(QStringLiteral("&Afrikaans print"))), txtEmployeeName_(new TextField(50))
{
    optEnglish_->setObjectName(QStringLiteral("optEnglish"));
    optAfrikaans_->setObjectName(QStringLiteral("optAfrikaans"));
    txtEmployeeName_->setObjectName(QStringLiteral("txtEmployeeName"));
    setInputStyle(txtEmployeeName_);
    txtEmployeeName_->setMinimumWidth(260);
    optEnglish_->setChecked(true);

    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 4);
    grid->setHorizontalSpacing(8);
    auto* languages = new QHBoxLayout;
    languages->addWidget(optEnglish_);
    languages->addSpacing(12);
    languages->addWidget(optAfrikaans_);
    languages->addStretch();
    grid->addLayout(languages, 0, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Employee name : ")), 1, 0);
    grid->addWidget(txtEmployeeName_, 1, 1);
    auto* hint = new QLabel(QStringLiteral("(max.50 chrs.)"));
    hint->setObjectName(QStringLiteral("lblNameHint"));
    grid->addWidget(hint, 2, 1);
    addContent(content);

    connect(txtEmployeeName_, &QLineEdit::textChanged, this, &TaxPrintPanel::employeeNameChanged);
}

std::optional<PrintLanguage> TaxPrintPanel::language() const
{
    if (optEnglish_->isChecked())
        return PrintLanguage::English;
    if (optAfrikaans_->isChecked())
        return PrintLanguage::Afrikaans;
    return std::nullopt;
}

QString TaxPrintPanel::employeeName() const
{
    return txtEmployeeName_->text();
}

}  // namespace kestrel
