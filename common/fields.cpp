#include "common/fields.h"

#include "common/numberformat.h"
#include "common/rounding.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>

namespace kestrel {

// ---------------------------------------------------------------------------------------
// EntryField

EntryField::EntryField(QWidget* parent) : QLineEdit(parent) {}

void EntryField::focusInEvent(QFocusEvent* event)
{
    textOnFocus_ = text();
    QLineEdit::focusInEvent(event);
    Q_EMIT focusEntered();
}

void EntryField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A popup (a menu, a completer) taking the focus is not leaving the field.
    if (event->reason() != Qt::PopupFocusReason)
        commit();
}

void EntryField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        if (escapeRestores_ && !isReadOnly()) {
            setText(textOnFocus_);
            selectAll();
            event->accept();
            return;
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commit();
        Q_EMIT enterPressed();
        event->accept();
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::commit()
{
    // Showing a rejection message moves the focus away again; do not check twice.
    if (committing_ || isReadOnly())
        return;
    committing_ = true;
    const bool ok = validateOnCommit();
    if (ok) {
        acceptCurrent();
        Q_EMIT committed();
    }
    committing_ = false;
}

// ---------------------------------------------------------------------------------------
// NumberField

NumberField::NumberField(QWidget* parent) : NumberField(2, parent) {}

NumberField::NumberField(int decimals, QWidget* parent) : EntryField(parent), decimals_(decimals)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, [this] { Q_EMIT valueChanged(value()); });
}

double NumberField::value() const
{
    return leadingNumber(text());
}

void NumberField::setValue(double value)
{
    setText(style_ == Style::Grouped ? formatGrouped(value) : formatFixed(value, decimals_));
    acceptedText_ = text();
}

bool NumberField::validateOnCommit()
{
    const double v = value();
    if ((minimum_ && v < *minimum_) || (maximum_ && v > *maximum_)) {
        setText(acceptedText_);
        Q_EMIT outOfRange(v);
        return false;
    }
    if (zeroOnLeave_ && v == 0.0 && text() != QLatin1String("0"))
        setText(QStringLiteral("0"));
    return true;
}

// ---------------------------------------------------------------------------------------
// WholeField

WholeField::WholeField(QWidget* parent) : NumberField(0, parent) {}

short WholeField::int16Value() const
{
    return toInt16(value());
}

int WholeField::int32Value() const
{
    return toInt32(value());
}

// ---------------------------------------------------------------------------------------
// DateField

DateField::DateField(QWidget* parent) : EntryField(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (const auto day = date())
            Q_EMIT dateChanged(*day);
    });
}

void DateField::setMasked(bool masked)
{
    masked_ = masked;
    setInputMask(masked ? QStringLiteral("99/99/9999;_") : QString());
    acceptedText_ = text();
}

std::optional<DayNumber> DateField::date() const
{
    return parseDate(text());
}

bool DateField::isEmpty() const
{
    if (!masked_)
        return text().trimmed().isEmpty();
    // A mask shows its separators even when nothing was typed.
    for (QChar c : text())
        if (c.isDigit())
            return false;
    return true;
}

void DateField::setDate(DayNumber day)
{
    setText(formatDate(day));
    acceptedText_ = text();
}

void DateField::clearDate()
{
    clear();
    acceptedText_ = text();
}

bool DateField::validateOnCommit()
{
    if (isEmpty())
        return true;
    const auto day = date();
    if (!day) {
        setText(acceptedText_);
        Q_EMIT rejected(Rejection::Invalid);
        return false;
    }
    if ((lower_ && *day < *lower_) || (upper_ && *day > *upper_)) {
        setText(acceptedText_);
        Q_EMIT rejected(Rejection::OutOfRange);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// TextField

TextField::TextField(int maximumLength, QWidget* parent) : EntryField(parent)
{
    setMaxLength(maximumLength);
}

}  // namespace kestrel
