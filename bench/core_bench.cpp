// Speed of the core: single instants, one year's lines, the whole range as CSV.
//
//   build/default/bench/varnex_core_bench [--benchmark_filter=...]
#include "astro/solar_events.h"
#include "astro/solar_longitude.h"
#include "cli/cli.h"
#include "report/events.h"
#include "report/request.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

using namespace varnex;

void BM_EquinoxSolsticeUT(benchmark::State& state) {
    InitPeriodicTerms();
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EquinoxSolsticeUT(0, year));
        year = year % 3000 + 1;
    }
}
BENCHMARK(BM_EquinoxSolsticeUT);

void BM_TrueCrossQuarterJD(benchmark::State& state) {
    InitPeriodicTerms();
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(TrueCrossQuarterJD(year, static_cast<CrossQuarterKind>(year % 4)));
        year = year % 3000 + 1;
    }
}
BENCHMARK(BM_TrueCrossQuarterJD);

void BM_ApparentSolarLongitude(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(apparentSolarLongitude(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_ApparentSolarLongitude);

void BM_YearLines(benchmark::State& state) {
    InitPeriodicTerms();
    const EventNameTable names = BuildEventNames(DefaultEventCaptions());
    CalculateRequest request{2015, 'G', 0, FullSelection(), true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(RequestLines(request, names));
        request.year = request.year % 3000 + 1;
    }
}
BENCHMARK(BM_YearLines);

// The whole range 1-3000, every event and both methods, as CSV (into memory).
void BM_WholeRangeCsv(benchmark::State& state) {
    for (auto _ : state) {
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(RunCli({"--from", "1", "--to", "3000", "--csv"}, 2015, out, err));
        benchmark::DoNotOptimize(out.str().size());
    }
}
BENCHMARK(BM_WholeRangeCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
