#include "common/formstyle.h"

#include <QLayout>
#include <QLineEdit>
#include <QPalette>

namespace kestrel {

namespace {
void setBase(QLineEdit* field, const QColor& color)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Text, QColor(0, 0, 0));
    field->setPalette(palette);
}
}  // namespace

void setInputStyle(QLineEdit* field)
{
    field->setReadOnly(false);
    field->setFocusPolicy(Qt::StrongFocus);
    setBase(field, QColor(255, 255, 255));
}

void setResultStyle(QLineEdit* field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    setBase(field, QColor(238, 238, 238));
}

void setComputeTargetStyle(QLineEdit* field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    setBase(field, QColor(255, 255, 0));
}

void setWindowMargins(QLayout* layout)
{
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(6);
}

}  // namespace kestrel
