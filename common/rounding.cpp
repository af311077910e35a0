#include "common/rounding.h"

#include "common/numberformat.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace kestrel {

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    if (std::fabs(value) < 1e15) {
        // Away from a half the decimal view cannot change the answer: decide at once. Below
        // 1e9 a double carries at least six decimals, so 1e-5 is well clear of its noise.
        const double down = std::floor(value);
        const double diff = value - down;
        if (std::fabs(value) < 1e9 && std::fabs(diff - 0.5) > 1e-5)
            return diff < 0.5 ? down : down + 1.0;
        return roundHalfEven(value, 0);
    }
    // std::nearbyint follows the current rounding mode, which is round-to-nearest-even
    // unless somebody changed it; do the tie test by hand so the rule never depends on it.
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff < 0.5)
        return down;
    if (diff > 0.5)
        return down + 1.0;
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals < 0)
        decimals = 0;
    if (decimals > 15)
        decimals = 15;
    // The same decimal rounding as the display formats, so a value rounded here shows the
    // digits it was rounded to.
    const QString text = formatFixed(value, decimals);
    const QByteArray latin = text.toLatin1();
    double result = value;
    std::from_chars(latin.constData(), latin.constData() + latin.size(), result);
    return result;
}

double vbInt(double value)
{
    return std::floor(value);
}

double floor2(double value)
{
    return vbInt(value * 100.0) / 100.0;
}

short toInt16(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r >= std::numeric_limits<short>::max())
        return std::numeric_limits<short>::max();
    if (r <= std::numeric_limits<short>::min())
        return std::numeric_limits<short>::min();
    return static_cast<short>(r);
}

int toInt32(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = roundHalfEven(value);
    if (r >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (r <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

float toSingle(double value)
{
    if (std::isnan(value))
        return 0.0f;
    constexpr double maxFloat = std::numeric_limits<float>::max();
    if (value > maxFloat)
        return std::numeric_limits<float>::max();
    if (value < -maxFloat)
        return -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

}  // namespace kestrel
