#pragma once
// Entry fields of the calculator windows.
//
// Every field stores its value at each change of its text (valueChanged/dateChanged/
// textChanged fire for typed and for programmatic changes alike). A field "commits" when
// the user leaves it or presses Enter: then a numeric field outside its minimum and
// maximum, or a date field with an unreadable or out-of-range date, puts back the last
// accepted text and reports the rejection to its window through a signal; the window shows
// its own message and gives the focus back. Esc can put back the text that the field had
// when it received the focus (setEscapeRestores).

#include "common/dates.h"

#include <QLineEdit>

#include <optional>

namespace kestrel {

class EntryField : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryField(QWidget* parent = nullptr);

    /// Esc puts back the text that the field had when it received the focus.
    void setEscapeRestores(bool on) { escapeRestores_ = on; }

    /// The text that the field had when it last received the focus.
    QString textOnFocus() const { return textOnFocus_; }

    /// Runs the commit check as if the user had left the field (used by tests and by
    /// windows that validate before a command).
    void commit();

Q_SIGNALS:
    /// The field received the focus (windows adjust date limits here).
    void focusEntered();
    /// The user left the field or pressed Enter, after the field's own checks passed.
    void committed();
    /// Enter or Return was pressed in the field.
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    /// Checks the entry; returns false after putting back the last accepted text and
    /// emitting the field's rejection signal.
    virtual bool validateOnCommit() { return true; }
    /// Called after a successful commit: remember the text as the accepted one.
    virtual void acceptCurrent() {}

private:
    QString textOnFocus_;
    bool escapeRestores_ = false;
    bool committing_ = false;
};

/// A numeric entry or result field. Its value is the leading number of its text.
class NumberField : public EntryField {
    Q_OBJECT
public:
    enum class Style {
        Fixed,    ///< "0.00" with the field's decimals
        Grouped,  ///< "### ### ##0.00"
    };

    explicit NumberField(QWidget* parent = nullptr);
    NumberField(int decimals, QWidget* parent = nullptr);

    void setDecimals(int decimals) { decimals_ = decimals; }
    int decimals() const { return decimals_; }
    void setStyle(Style style) { style_ = style; }

    void setMinimum(double minimum) { minimum_ = minimum; }
    void setMaximum(double maximum) { maximum_ = maximum; }
    void setRange(double minimum, double maximum)
    {
        minimum_ = minimum;
        maximum_ = maximum;
    }
    std::optional<double> minimum() const { return minimum_; }
    std::optional<double> maximum() const { return maximum_; }

    /// On leaving, an empty entry or one that reads as zero is shown as "0".
    void setZeroWhenEmptyOnLeave(bool on) { zeroOnLeave_ = on; }

    /// The leading number of the text (0 when there is none).
    double value() const;
    /// Shows the value in the field's format (decimals or grouping).
    void setValue(double value);
    /// Shows a text in place of a number (for example "Amount too large to display").
    void setDisplayText(const QString& text) { setText(text); }

Q_SIGNALS:
    /// Every change of the text, typed or set.
    void valueChanged(double value);
    /// The user left the field with a value below its minimum or above its maximum. The
    /// field has already put back its last accepted text.
    void outOfRange(double rejectedValue);

protected:
    bool validateOnCommit() override;
    void acceptCurrent() override { acceptedText_ = text(); }

private:
    int decimals_ = 2;
    Style style_ = Style::Fixed;
    std::optional<double> minimum_;
    std::optional<double> maximum_;
    bool zeroOnLeave_ = false;
    QString acceptedText_;
};

/// A whole-number field: a NumberField without decimals.
class WholeField : public NumberField {
    Q_OBJECT
public:
    explicit WholeField(QWidget* parent = nullptr);
    /// The value rounded half to even and clamped to 16 bits (ages and counts).
    short int16Value() const;
    /// The value rounded half to even and clamped to 32 bits.
    int int32Value() const;
};

/// A date field showing dd/mm/yyyy, with optional lower and upper dates and an optional
/// "__/__/____" input mask. An empty field (nothing typed) has no date.
class DateField : public EntryField {
    Q_OBJECT
public:
    enum class Rejection { Invalid, OutOfRange };

    explicit DateField(QWidget* parent = nullptr);

    /// Shows the "__/__/____" mask; the field then starts empty.
    void setMasked(bool masked);

    void setLowerDate(std::optional<DayNumber> lower) { lower_ = lower; }
    void setUpperDate(std::optional<DayNumber> upper) { upper_ = upper; }
    std::optional<DayNumber> lowerDate() const { return lower_; }
    std::optional<DayNumber> upperDate() const { return upper_; }

    /// The date shown, or nothing when the field is empty or unreadable.
    std::optional<DayNumber> date() const;
    bool isEmpty() const;
    void setDate(DayNumber day);
    void clearDate();

Q_SIGNALS:
    /// The text changed and now reads as a date (in range or not).
    void dateChanged(kestrel::DayNumber day);
    /// The user left the field with an unreadable date or one outside the limits; the field
    /// has already put back its last accepted text. An empty field is not rejected.
    void rejected(kestrel::DateField::Rejection reason);

protected:
    bool validateOnCommit() override;
    void acceptCurrent() override { acceptedText_ = text(); }

private:
    std::optional<DayNumber> lower_;
    std::optional<DayNumber> upper_;
    QString acceptedText_;
    bool masked_ = false;
};

/// A text field with a maximum length.
class TextField : public EntryField {
    Q_OBJECT
public:
    explicit TextField(int maximumLength = 32767, QWidget* parent = nullptr);
};

}  // namespace kestrel
