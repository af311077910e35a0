// Fuzz target: any text typed into an entry field, read as a number and as a date, and
// every number shown in the program's formats and read back.
#include "common/dates.h"
#include "common/numberformat.h"
#include "common/rounding.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const double value = kestrel::leadingNumber(text);
    if (!std::isfinite(value))
        std::abort();  // the field value rule never yields infinity or NaN

    for (int decimals : {0, 2, 3}) {
        const QString shown = kestrel::formatFixed(value, decimals);
        // What a field shows reads back as the value rounded to its decimals.
        const double back = kestrel::leadingNumber(shown);
        if (std::fabs(value) < 1e15 && back != kestrel::roundHalfEven(value, decimals))
            std::abort();
    }
    const QString grouped = kestrel::formatGrouped(value);
    if (std::fabs(value) < 1e15 && kestrel::leadingNumber(grouped) != kestrel::roundHalfEven(value, 2))
        std::abort();
    (void)kestrel::formatGroupedNoLeadingZero(value);
    (void)kestrel::formatPlain(value);
    (void)kestrel::toInt16(value);
    (void)kestrel::toSingle(value);

    if (const auto day = kestrel::parseDate(text)) {
        // A date that reads back must show as itself and read back again.
        const QString shown = kestrel::formatDate(*day);
        if (kestrel::parseDate(shown) != day)
            std::abort();
    }

    // Raw bytes as a double, too: the formats must cope with any value at all.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        (void)kestrel::formatFixed(raw, 2);
        (void)kestrel::formatGrouped(raw);
        (void)kestrel::roundHalfEven(raw, 2);
        (void)kestrel::roundHalfEven(raw);
    }
    return 0;
}
