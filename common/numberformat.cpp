#include "common/numberformat.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kestrel {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QChar(0x00A0) || c == QChar(0x202F)
           || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isAsciiDigit(QChar c)
{
    return c.unicode() >= '0' && c.unicode() <= '9';
}

QString overflowText()
{
    return QStringLiteral("Overflow");
}

// Fixed notation of |value| with `decimals` places. The value is first written with 15
// significant digits, the precision a double reliably carries, so that 2722.075 counts as
// the half that the user sees rather than as its binary neighbour 2722.07499...; that
// decimal is then rounded to the nearest, an exact half going to the even digit.
std::string fixedDigits(double magnitude, int decimals)
{
    if (magnitude >= 1e15) {
        // Beyond 15 digits every double is (nearly) whole: write its exact value.
        std::array<char, 400> exact{};
        const auto out =
            std::to_chars(exact.data(), exact.data() + exact.size(), magnitude, std::chars_format::fixed, decimals);
        return std::string(exact.data(), out.ptr);
    }
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, 14);
    const std::string sci(buffer.data(), written.ptr);
    const auto ePos = sci.find('e');
    std::string mantissa;
    for (std::size_t i = 0; i < ePos; ++i)
        if (sci[i] != '.')
            mantissa.push_back(sci[i]);
    // The mantissa's digits with the decimal point after `pointPos` of them.
    const int pointPos = std::stoi(sci.substr(ePos + 1)) + 1;
    const int length = static_cast<int>(mantissa.size());
    std::string integerPart;
    std::string fraction;
    if (pointPos <= 0) {
        integerPart = "0";
        fraction = std::string(static_cast<std::size_t>(-pointPos), '0') + mantissa;
    } else if (pointPos >= length) {
        integerPart = mantissa + std::string(static_cast<std::size_t>(pointPos - length), '0');
    } else {
        integerPart = mantissa.substr(0, static_cast<std::size_t>(pointPos));
        fraction = mantissa.substr(static_cast<std::size_t>(pointPos));
    }
    if (static_cast<int>(fraction.size()) < decimals + 1)
        fraction.append(static_cast<std::size_t>(decimals + 1) - fraction.size(), '0');
    std::string kept = integerPart + fraction.substr(0, static_cast<std::size_t>(decimals));
    const std::string rest = fraction.substr(static_cast<std::size_t>(decimals));
    const bool restBeyondFirst = rest.find_first_not_of('0', 1) != std::string::npos;
    const bool roundUp = rest[0] > '5' || (rest[0] == '5' && restBeyondFirst)
                         || (rest[0] == '5' && !restBeyondFirst && ((kept.back() - '0') % 2 == 1));
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        for (; i >= 0 && kept[static_cast<std::size_t>(i)] == '9'; --i)
            kept[static_cast<std::size_t>(i)] = '0';
        if (i >= 0)
            ++kept[static_cast<std::size_t>(i)];
        else
            kept.insert(kept.begin(), '1');
    }
    integerPart = kept.substr(0, kept.size() - static_cast<std::size_t>(decimals));
    fraction = kept.substr(kept.size() - static_cast<std::size_t>(decimals));
    while (integerPart.size() > 1 && integerPart.front() == '0')
        integerPart.erase(integerPart.begin());
    return decimals > 0 ? integerPart + "." + fraction : integerPart;
}

bool allZeroDigits(const std::string& digits)
{
    for (char c : digits)
        if (c >= '1' && c <= '9')
            return false;
    return true;
}

QString grouped(double value, bool leadingZero)
{
    if (!std::isfinite(value))
        return overflowText();
    std::string digits = fixedDigits(std::fabs(value), 2);
    const bool negative = value < 0 && !allZeroDigits(digits);
    const auto point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = digits.substr(point);
    if (!leadingZero && whole == "0")
        whole.clear();
    std::string out;
    const int n = static_cast<int>(whole.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.push_back(' ');
        out.push_back(whole[static_cast<std::size_t>(i)]);
    }
    out += fraction;
    if (negative)
        out.insert(out.begin(), '-');
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

}  // namespace

double leadingNumber(QStringView text)
{
    std::string number;
    number.reserve(32);
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skipBlanks = [&] {
        while (i < n && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        if (text[i] == QLatin1Char('-'))
            number.push_back('-');
        ++i;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    for (;; ++i) {
        skipBlanks();
        if (i >= n)
            break;
        const QChar c = text[i];
        if (isAsciiDigit(c)) {
            anyDigit = true;
            number.push_back(static_cast<char>(c.unicode()));
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
            number.push_back('.');
        } else {
            break;
        }
    }
    if (!anyDigit)
        return 0.0;
    // Optional exponent: E or D, an optional sign and at least one digit.
    if (i < n
        && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E') || text[i] == QLatin1Char('d')
            || text[i] == QLatin1Char('D'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        while (j < n && isBlank(text[j]))
            ++j;
        if (j < n && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+'))) {
            if (text[j] == QLatin1Char('-'))
                exponent.push_back('-');
            ++j;
        }
        bool expDigit = false;
        int expLength = 0;
        for (; j < n; ++j) {
            while (j < n && isBlank(text[j]))
                ++j;
            if (j >= n || !isAsciiDigit(text[j]))
                break;
            expDigit = true;
            // Longer exponents change nothing but the overflow below.
            if (expLength < 6)
                exponent.push_back(static_cast<char>(text[j].unicode()));
            ++expLength;
        }
        if (expDigit)
            number += exponent;
    }
    double value = 0.0;
    const char* first = number.data();
    const char* last = number.data() + number.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Either overflow or underflow: decide by the size of the mantissa's exponent.
        const bool negative = number.front() == '-';
        const auto ePos = number.find('e');
        const bool negativeExponent = ePos != std::string::npos && ePos + 1 < number.size() && number[ePos + 1] == '-';
        if (negativeExponent)
            return 0.0;
        const double big = std::numeric_limits<double>::max();
        return negative ? -big : big;
    }
    if (result.ec != std::errc())
        return 0.0;
    return value == 0.0 ? 0.0 : value;  // no negative zero
}

QString formatFixed(double value, int decimals)
{
    if (!std::isfinite(value))
        return overflowText();
    if (decimals < 0)
        decimals = 0;
    if (decimals > 15)
        decimals = 15;
    const std::string digits = fixedDigits(std::fabs(value), decimals);
    const bool negative = value < 0 && !allZeroDigits(digits);
    QString out = QString::fromLatin1(digits.data(), static_cast<qsizetype>(digits.size()));
    if (negative)
        out.prepend(QLatin1Char('-'));
    return out;
}

QString formatGrouped(double value)
{
    return grouped(value, true);
}

QString formatGroupedNoLeadingZero(double value)
{
    return grouped(value, false);
}

QString formatPlain(double value)
{
    if (!std::isfinite(value))
        return overflowText();
    if (value == 0.0)
        return QStringLiteral("0");
    std::array<char, 400> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
    if (written.ec != std::errc())
        return overflowText();
    return QString::fromLatin1(buffer.data(), static_cast<qsizetype>(written.ptr - buffer.data()));
}

}  // namespace kestrel
