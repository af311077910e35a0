#include "common/printchoicepanel.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrel {

PrintChoicePanel::PrintChoicePanel(QWidget* parent, const QString& cancelCaption)
    : QFrame(parent), content_(new QVBoxLayout), view_(new QPushButton(QStringLiteral("&View/Export report"), this)),
      print_(new QPushButton(QStringLiteral("P&rint directly to printer"), this)),
      cancel_(new QPushButton(cancelCaption, this)), title_(new QLabel(this))
{
    setObjectName(QStringLiteral("fraPrint"));
    view_->setObjectName(QStringLiteral("cmdView"));
    print_->setObjectName(QStringLiteral("cmdPrinter"));
    cancel_->setObjectName(QStringLiteral("cmdCancelPrint"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    QFont titleFont = title_->font();
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setText(QStringLiteral("Print"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(8);
    layout->addWidget(title_);
    layout->addLayout(content_);
    layout->addWidget(view_);
    layout->addWidget(print_);
    layout->addWidget(cancel_);

    connect(view_, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT viewChosen();
    });
    connect(print_, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT printChosen();
    });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        hide();
        Q_EMIT cancelled();
    });
    hide();
}

void PrintChoicePanel::addContent(QWidget* widget)
{
    content_->addWidget(widget);
}

void PrintChoicePanel::setTitle(const QString& title)
{
    title_->setText(title);
}

void PrintChoicePanel::showInFront()
{
    adjustSize();
    if (QWidget* owner = parentWidget()) {
        const QSize area = owner->size();
        move(qMax(0, (area.width() - width()) / 2), qMax(0, (area.height() - height()) / 3));
    }
    show();
    raise();
    view_->setFocus();
}

}  // namespace kestrel
