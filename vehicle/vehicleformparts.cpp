#include "vehicle/vehicleformparts.h"

#include "common/fields.h"
#include "common/formstyle.h"
#include "common/numberformat.h"
#include "common/rounding.h"

#include <QLabel>
#include <QRegularExpressionValidator>

#include <cmath>

namespace kestrel::vehicleui {

WholeField* wholeInput(QWidget* parent, const QString& objectName, int maximumDigits)
{
    auto* field = new WholeField(parent);
    field->setObjectName(objectName);
    field->setMaxLength(maximumDigits);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setFixedWidth(110);
    field->setZeroWhenEmptyOnLeave(true);
    setInputStyle(field);
    field->setValue(0);
    return field;
}

NumberField* resultField(QWidget* parent, const QString& objectName, int width)
{
    auto* field = new NumberField(0, parent);
    field->setObjectName(objectName);
    field->setFixedWidth(width);
    setResultStyle(field);
    field->setText(QStringLiteral("0"));
    return field;
}

QLabel* label(QWidget* parent, const QString& text, const QString& objectName)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    if (!objectName.isEmpty())
        l->setObjectName(objectName);
    return l;
}

QString groupedWhole(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("Overflow");
    QString text = formatGrouped(roundHalfEven(value));
    if (text.endsWith(QLatin1String(".00")))
        text.chop(3);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString groupedAmount(double value)
{
    return formatGrouped(value);
}

void setTextIfDifferent(QLineEdit* field, const QString& text)
{
    if (field->text() != text)
        field->setText(text);
}

}  // namespace kestrel::vehicleui
