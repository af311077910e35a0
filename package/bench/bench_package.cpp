// How long the backward search takes for an annual package with a net salary required of
// R 1 000 000, a company car, medical aid and fund percentages: per trial of the literal
// search (one rand at a time, over a million trials), and per calculation of the fast search.
#include "package/packagecalc.h"
#include "package/packagesearch.h"

#include <benchmark/benchmark.h>

using namespace kestrel;

namespace {

PackageInputs annualPackage()
{
    PackageInputs in;
    in.period = PackagePeriod::Annual;
    in.age = 45;
    in.mainAmount = 1000000;
    in.carValue = 450000;
    in.travelAllowance = 36000;
    in.employeeMedicalAid = 30000;
    in.employerMedicalAid = 30000;
    in.beneficiaries = 36;
    in.otherExpenses = {2400, 1200, 0, 0};
    return in;
}

PayrollSettings packageSettings()
{
    PayrollSettings s;
    s.PensionCont = 7.5;
    s.EmployerPenCont = 10;
    return s;
}

// The literal search through the whole calculation; the counter gives the time per trial.
void literalSearch(benchmark::State& state)
{
    const PackageInputs in = annualPackage();
    const PayrollSettings s = packageSettings();
    long long trials = 0;
    for (auto _ : state) {
        const PackageResult r = BackwardPackage(in, s, SearchMethod::Literal);
        benchmark::DoNotOptimize(r.salary);
        trials += r.trials;
    }
    state.counters["trials"] = benchmark::Counter(double(trials) / double(state.iterations()));
    // Seconds per trial (printed with an SI prefix: "8n" is 8 nanoseconds).
    state.counters["time_per_trial"] =
        benchmark::Counter(double(trials), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(literalSearch)->Unit(benchmark::kMillisecond);

void fastSearch(benchmark::State& state)
{
    const PackageInputs in = annualPackage();
    const PayrollSettings s = packageSettings();
    long long trials = 0;
    for (auto _ : state) {
        const PackageResult r = BackwardPackage(in, s, SearchMethod::Fast);
        benchmark::DoNotOptimize(r.salary);
        trials += r.trials;
    }
    state.counters["trials"] = benchmark::Counter(double(trials) / double(state.iterations()));
}
BENCHMARK(fastSearch)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
