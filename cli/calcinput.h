#pragma once
// What a calculator of kestrel-calc reads from one input record, and what it may raise.
// Every read marks its key as known; after the calculator ran, a key that nobody read is
// reported as unknown (it catches typos). An omitted number is 0 and an omitted flag is
// false unless the calculator gives another default.

#include "common/dates.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>

#include <deque>
#include <optional>
#include <stdexcept>
#include <vector>

namespace kestrel::cli {

/// Bad input in a record: the record's output is {"error": message, "line": N}.
class InputError : public std::runtime_error {
public:
    explicit InputError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

/// Limits of a window's entry field, with the window's own message where it has one.
struct FieldLimits {
    std::optional<double> minimum;
    std::optional<double> maximum;
    QString message;  ///< empty: a generic "... must be between ..." text
};

class CalcInput {
public:
    explicit CalcInput(QJsonObject object, QString path = QString());

    bool has(const QString& key) const;

    double number(const QString& key, double defaultValue = 0, const FieldLimits& limits = {});
    /// A whole number (rejects 2.5 and out-of-range values).
    long long whole(const QString& key, long long defaultValue = 0, const FieldLimits& limits = {});
    bool flag(const QString& key, bool defaultValue = false);
    QString text(const QString& key, const QString& defaultValue = QString(), int maximumLength = -1);
    /// A date "dd/mm/yyyy" as a day number.
    DayNumber date(const QString& key, const QString& defaultValue);
    /// One of the given texts.
    QString choice(const QString& key, const QStringList& allowed, const QString& defaultValue);

    /// A nested object (for example "settings"); nullptr when the key is absent. The
    /// nested input lives as long as this one, and its unread keys count as this one's.
    CalcInput* object(const QString& key);
    /// A list of numbers of at most `maximumItems` entries.
    std::vector<double> numbers(const QString& key, int maximumItems, const FieldLimits& limits = {});
    /// A list of objects (each nested as with object()).
    std::vector<CalcInput*> objects(const QString& key, int maximumItems);

    /// Keys of this record (and of the nested inputs taken from it) that nobody read.
    QStringList unreadKeys() const;

private:
    QString qualified(const QString& key) const;
    QJsonValue take(const QString& key);
    double toNumber(const QString& key, const QJsonValue& value) const;
    void checkLimits(const QString& key, double value, const FieldLimits& limits) const;

    QJsonObject object_;
    QString path_;
    QSet<QString> read_;
    std::deque<CalcInput> children_;
};

}  // namespace kestrel::cli
