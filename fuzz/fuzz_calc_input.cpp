// Fuzz target: kestrel-calc's input reading. The first byte chooses the calculator and the
// format (JSON or CSV); the rest is the input. Every record must give a complete result or
// an error record, never a crash.
#include "cli/runner.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const auto& all = kestrel::cli::calculators().all();
    const QByteArray input(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const bool csv = data[0] & 0x80;
    const kestrel::cli::InputFormat format = csv ? kestrel::cli::InputFormat::Csv : kestrel::cli::InputFormat::Json;
    if (all.empty()) {
        // Only the framework itself: a calculator that reads nothing.
        kestrel::cli::Calculator probe;
        probe.name = QStringLiteral("probe");
        probe.run = [](kestrel::cli::CalcInput&, const kestrel::cli::RunContext&) { return QJsonObject(); };
        (void)kestrel::cli::runRecords(probe, format, input, {});
        return 0;
    }
    const auto& calculator = all[static_cast<std::size_t>(data[0] & 0x7f) % all.size()];
    // A backward package may search for up to half a second by design; a few records of it
    // say as much about the reading as a hundred, and keep each run short.
    QByteArray records = input;
    if (calculator.name == QLatin1String("package")) {
        qsizetype cut = -1;
        for (int line = 0; line < 3; ++line) {
            cut = records.indexOf('\n', cut + 1);
            if (cut < 0)
                break;
        }
        if (cut >= 0)
            records.truncate(cut);
    }
    const kestrel::cli::RunOutput out = kestrel::cli::runRecords(calculator, format, records, {});
    if (out.errorRecords > out.records)
        std::abort();
    return 0;
}
