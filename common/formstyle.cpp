#include "common/formstyle.h"

#include <QLayout>
#include <QLineEdit>
#include <QPalette>

namespace kestrel {

namespace {
// Colours the field while it is enabled; a disabled field keeps the platform's greyed look.
void setBase(QLineEdit* field, const QColor& color)
{
    QPalette palette = field->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, color);
        palette.setColor(group, QPalette::Text, QColor(0, 0, 0));
    }
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
