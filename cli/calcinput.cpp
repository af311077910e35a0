#include "cli/calcinput.h"

#include "common/numberformat.h"

#include <cmath>

namespace kestrel::cli {

CalcInput::CalcInput(QJsonObject object, QString path) : object_(std::move(object)), path_(std::move(path)) {}

bool CalcInput::has(const QString& key) const
{
    return object_.contains(key) && !object_.value(key).isNull();
}

QString CalcInput::qualified(const QString& key) const
{
    return path_.isEmpty() ? key : path_ + QLatin1Char('.') + key;
}

QJsonValue CalcInput::take(const QString& key)
{
    read_.insert(key);
    return object_.value(key);
}

double CalcInput::toNumber(const QString& key, const QJsonValue& value) const
{
    if (value.isDouble())
        return value.toDouble();
    if (value.isString()) {
        // CSV cells arrive as texts; they must hold a number and nothing else.
        const QString text = value.toString().trimmed();
        bool ok = false;
        const double number = text.toDouble(&ok);
        if (ok && std::isfinite(number))
            return number;
    }
    throw InputError(QStringLiteral("%1: a number is required").arg(qualified(key)));
}

void CalcInput::checkLimits(const QString& key, double value, const FieldLimits& limits) const
{
    const bool below = limits.minimum && value < *limits.minimum;
    const bool above = limits.maximum && value > *limits.maximum;
    if (!below && !above)
        return;
    if (!limits.message.isEmpty())
        throw InputError(limits.message);
    throw InputError(QStringLiteral("%1: %2 is outside the limits %3 to %4")
                         .arg(qualified(key), formatPlain(value),
                              limits.minimum ? formatPlain(*limits.minimum) : QStringLiteral("-"),
                              limits.maximum ? formatPlain(*limits.maximum) : QStringLiteral("-")));
}

double CalcInput::number(const QString& key, double defaultValue, const FieldLimits& limits)
{
    const QJsonValue value = take(key);
    if (value.isUndefined() || value.isNull())
        return defaultValue;
    const double number = toNumber(key, value);
    checkLimits(key, number, limits);
    return number;
}

long long CalcInput::whole(const QString& key, long long defaultValue, const FieldLimits& limits)
{
    const QJsonValue value = take(key);
    if (value.isUndefined() || value.isNull())
        return defaultValue;
    const double number = toNumber(key, value);
    if (number != std::floor(number) || std::fabs(number) > 9.0e15)
        throw InputError(QStringLiteral("%1: a whole number is required").arg(qualified(key)));
    checkLimits(key, number, limits);
    return static_cast<long long>(number);
}

bool CalcInput::flag(const QString& key, bool defaultValue)
{
    const QJsonValue value = take(key);
    if (value.isUndefined() || value.isNull())
        return defaultValue;
    if (value.isBool())
        return value.toBool();
    if (value.isDouble() && (value.toDouble() == 0 || value.toDouble() == 1))
        return value.toDouble() != 0;
    if (value.isString()) {
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true") || text == QLatin1String("1"))
            return true;
        if (text == QLatin1String("false") || text == QLatin1String("0"))
            return false;
    }
    throw InputError(QStringLiteral("%1: true or false is required").arg(qualified(key)));
}

QString CalcInput::text(const QString& key, const QString& defaultValue, int maximumLength)
{
    const QJsonValue value = take(key);
    if (value.isUndefined() || value.isNull())
        return defaultValue;
    QString text;
    if (value.isString())
        text = value.toString();
    else if (value.isDouble())
        text = formatPlain(value.toDouble());
    else
        throw InputError(QStringLiteral("%1: a text is required").arg(qualified(key)));
    if (maximumLength >= 0 && text.size() > maximumLength)
        throw InputError(
            QStringLiteral("%1: at most %2 characters are allowed").arg(qualified(key)).arg(maximumLength));
    return text;
}

DayNumber CalcInput::date(const QString& key, const QString& defaultValue)
{
    const QJsonValue value = take(key);
    const QString text = (value.isUndefined() || value.isNull()) ? defaultValue : value.toString();
    if (!(value.isUndefined() || value.isNull() || value.isString()))
        throw InputError(QStringLiteral("%1: a date dd/mm/yyyy is required").arg(qualified(key)));
    const auto day = parseDate(text);
    if (!day)
        throw InputError(QStringLiteral("%1: '%2' is not a date dd/mm/yyyy").arg(qualified(key), text));
    return *day;
}

QString CalcInput::choice(const QString& key, const QStringList& allowed, const QString& defaultValue)
{
    const QString value = text(key, defaultValue);
    if (!allowed.contains(value))
        throw InputError(QStringLiteral("%1: '%2' is not one of: %3")
                             .arg(qualified(key), value, allowed.join(QStringLiteral(", "))));
    return value;
}

CalcInput* CalcInput::object(const QString& key)
{
    const QJsonValue value = take(key);
    if (value.isUndefined() || value.isNull())
        return nullptr;
    if (!value.isObject())
        throw InputError(QStringLiteral("%1: an object is required").arg(qualified(key)));
    children_.emplace_back(value.toObject(), qualified(key));
    return &children_.back();
}

std::vector<double> CalcInput::numbers(const QString& key, int maximumItems, const FieldLimits& limits)
{
    const QJsonValue value = take(key);
    std::vector<double> list;
    if (value.isUndefined() || value.isNull())
        return list;
    if (!value.isArray())
        throw InputError(QStringLiteral("%1: a list of numbers is required").arg(qualified(key)));
    const QJsonArray array = value.toArray();
    if (array.size() > maximumItems)
        throw InputError(QStringLiteral("%1: at most %2 entries are allowed").arg(qualified(key)).arg(maximumItems));
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString itemKey = key + QLatin1Char('.') + QString::number(i);
        const QJsonValue item = array.at(i);
        if (item.isNull() || item.isUndefined()) {
            list.push_back(0);
            continue;
        }
        const double number = toNumber(itemKey, item);
        checkLimits(itemKey, number, limits);
        list.push_back(number);
    }
    return list;
}

std::vector<CalcInput*> CalcInput::objects(const QString& key, int maximumItems)
{
    const QJsonValue value = take(key);
    std::vector<CalcInput*> list;
    if (value.isUndefined() || value.isNull())
        return list;
    if (!value.isArray())
        throw InputError(QStringLiteral("%1: a list of objects is required").arg(qualified(key)));
    const QJsonArray array = value.toArray();
    if (array.size() > maximumItems)
        throw InputError(QStringLiteral("%1: at most %2 entries are allowed").arg(qualified(key)).arg(maximumItems));
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString itemKey = qualified(key) + QLatin1Char('.') + QString::number(i);
        if (!array.at(i).isObject())
            throw InputError(QStringLiteral("%1: an object is required").arg(itemKey));
        children_.emplace_back(array.at(i).toObject(), itemKey);
        list.push_back(&children_.back());
    }
    return list;
}

QStringList CalcInput::unreadKeys() const
{
    QStringList unread;
    for (auto it = object_.begin(); it != object_.end(); ++it)
        if (!read_.contains(it.key()))
            unread << qualified(it.key());
    for (const CalcInput& child : children_)
        unread << child.unreadKeys();
    return unread;
}

}  // namespace kestrel::cli
