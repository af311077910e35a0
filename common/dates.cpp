#include "common/dates.h"

namespace kestrel {

namespace {
const QDate kEpoch(1899, 12, 30);
}

DayNumber dayNumber(int year, int month, int day)
{
    return dayNumber(QDate(year, month, day));
}

DayNumber dayNumber(const QDate& date)
{
    return static_cast<DayNumber>(kEpoch.daysTo(date));
}

QDate dateOfDayNumber(DayNumber day)
{
    return kEpoch.addDays(day);
}

QString formatDate(DayNumber day)
{
    return formatDate(dateOfDayNumber(day));
}

QString formatDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

std::optional<DayNumber> parseDate(QStringView text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    for (QChar c : text) {
        if (c == QLatin1Char('_') || c.isSpace())
            continue;
        cleaned.append(c);
    }
    if (cleaned.isEmpty() || cleaned.size() > 10)
        return std::nullopt;

    int day = 0;
    int month = 0;
    int year = 0;
    bool allDigits = true;
    for (QChar c : cleaned)
        allDigits = allDigits && c.isDigit() && c.unicode() < 128;
    if (allDigits) {
        if (cleaned.size() != 8)
            return std::nullopt;
        day = cleaned.mid(0, 2).toInt();
        month = cleaned.mid(2, 2).toInt();
        year = cleaned.mid(4, 4).toInt();
    } else {
        QChar separator;
        for (QChar c : cleaned) {
            if (c == QLatin1Char('/') || c == QLatin1Char('-') || c == QLatin1Char('.')) {
                separator = c;
                break;
            }
        }
        if (separator.isNull())
            return std::nullopt;
        const QStringList parts = cleaned.split(separator);
        if (parts.size() != 3)
            return std::nullopt;
        auto digitsOnly = [](const QString& s, int minLen, int maxLen) {
            if (s.size() < minLen || s.size() > maxLen)
                return false;
            for (QChar c : s)
                if (!(c.isDigit() && c.unicode() < 128))
                    return false;
            return true;
        };
        if (!digitsOnly(parts[0], 1, 2) || !digitsOnly(parts[1], 1, 2) || !digitsOnly(parts[2], 4, 4))
            return std::nullopt;
        day = parts[0].toInt();
        month = parts[1].toInt();
        year = parts[2].toInt();
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return dayNumber(date);
}

int monthOf(DayNumber day)
{
    return dateOfDayNumber(day).month();
}

int dayOfMonthOf(DayNumber day)
{
    return dateOfDayNumber(day).day();
}

}  // namespace kestrel
