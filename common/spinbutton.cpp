#include "common/spinbutton.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace kestrel {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(18, 12);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &SpinButton::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::stepDown);
}

}  // namespace kestrel
