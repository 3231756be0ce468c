// Speed of the core: single instants, one year's lines, the whole range as CSV.
//
//   build/default/bench/varnex_core_bench [--benchmark_filter=...]
#include "astro/apsides.h"
#include "astro/constants.h"
#include "astro/solar_events.h"
#include "astro/solar_longitude.h"
#include "astro/sun_crossings.h"
#include "astro/sun_position.h"
#include "cli/options.h"
#include "cli/run.h"
#include "report/events.h"
#include "report/request.h"
#include "platform/time_zone_folder.h"
#include "text/program_text.h"
#include "zones/named_zone.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

using namespace varnex;

// One instant of each year 1 to 3000 in turn, the kind going round with the year.
template <typename Instant>
void overTheYears(benchmark::State& state, Instant instant) {
    std::int32_t year = 1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(instant(year));
        year = year % 3000 + 1;
    }
}

void BM_EquinoxSolsticeUT(benchmark::State& state) {
    overTheYears(state, [](std::int32_t year) { return EquinoxSolsticeUT(0, year); });
}
BENCHMARK(BM_EquinoxSolsticeUT);

void BM_TrueCrossQuarterJD(benchmark::State& state) {
    overTheYears(state, [](std::int32_t year) { return TrueCrossQuarterJD(year, static_cast<CrossQuarterKind>(year % 4)); });
}
BENCHMARK(BM_TrueCrossQuarterJD);

void BM_TrueEquinoxSolsticeJD(benchmark::State& state) {
    overTheYears(state, [](std::int32_t year) { return TrueEquinoxSolsticeJD(year, static_cast<EventKind>(year % 4)); });
}
BENCHMARK(BM_TrueEquinoxSolsticeJD);

void BM_TrueSolarLongitudeJD(benchmark::State& state) {
    overTheYears(state, [](std::int32_t year) { return TrueSolarLongitudeJD(year, 15.0 * (year % 24)); });
}
BENCHMARK(BM_TrueSolarLongitudeJD);

void BM_PerihelionJD(benchmark::State& state) {
    overTheYears(state, [](std::int32_t year) { return PerihelionJD(year); });
}
BENCHMARK(BM_PerihelionJD);
// The brackets of the true-sun cross-quarter days of 1-3000 (one a year, the kind going round),
// made once, so that the searches below are timed alone.
struct CrossingBracket {
    double targetDeg, firstTT, secondTT;
};
const std::vector<CrossingBracket>& crossQuarterBrackets() {
    static const std::vector<CrossingBracket> brackets = [] {
        std::vector<CrossingBracket> made;
        for (std::int32_t year = 1; year <= 3000; ++year) {
            const auto kind = static_cast<EventKind>(year % 4);
            made.push_back({std::fmod(315.0 + 90.0 * kind, 360.0),
                            EquinoxSolsticeJDE(kind == 0 ? 3 : static_cast<EventKind>(kind - 1), kind == 0 ? year - 1 : year),
                            EquinoxSolsticeJDE(kind, year)});
        }
        return made;
    }();
    return brackets;
}

// A crossing computed (the counter: evaluations of the full chain per instant), and the same
// from the table of every 15 degrees.
void BM_ComputedSunCrossing(benchmark::State& state) {
    std::size_t i = 0;
    double evaluations = 0, instants = 0;
    for (auto _ : state) {
        const CrossingBracket& b = crossQuarterBrackets()[i++ % 3000];
        const LongitudeCrossing c = computedSunCrossing(radiansFromDegrees(b.targetDeg), b.firstTT, b.secondTT);
        benchmark::DoNotOptimize(c.jdTT);
        evaluations += c.evaluations;
        ++instants;
    }
    state.counters["full_evals"] = evaluations / instants;
}
BENCHMARK(BM_ComputedSunCrossing);

void BM_TabulatedSunCrossing(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        const CrossingBracket& b = crossQuarterBrackets()[i++ % 3000];
        benchmark::DoNotOptimize(tabulatedSunCrossing(b.targetDeg, b.firstTT, b.secondTT));
    }
}
BENCHMARK(BM_TabulatedSunCrossing);

void BM_ApparentSolarLongitude(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(apparentSolarLongitude(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_ApparentSolarLongitude);

// Sunset at Tehran (35.7 N, 51.4 E, civil days of UTC+03:30), a day at a time over 2000-2099.
void BM_Sunset(benchmark::State& state) {
    const double firstDayStartUT = 2451544.5 - 3.5 / 24;  // 2000 January 1, 00:00 at UTC+03:30
    int day = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sunsetUT(firstDayStartUT + day, 35.7, 51.4));
        day = (day + 1) % 36524;
    }
}
BENCHMARK(BM_Sunset);

void BM_EquationOfTime(benchmark::State& state) {
    double jd = 2451545.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(equationOfTimeSeconds(jd));
        jd += 0.37;
    }
}
BENCHMARK(BM_EquationOfTime);

void BM_YearLines(benchmark::State& state) {
    const EventNameTable names = buildEventNames(defaultEventCaptions());
    CalculateRequest request{.year = 2015, .selection = fullSelection(), .includeWeekday = true};
    for (auto _ : state) {
        benchmark::DoNotOptimize(requestLines(request, names));
        request.year = request.year % 3000 + 1;
    }
}
BENCHMARK(BM_YearLines);

// The whole range 1-3000, every event and both methods (36,000 rows), in each format of
// varnex-cli, into memory: parsing, computing and writing, as the program does them.
void BM_WholeRange(benchmark::State& state, std::vector<std::string> args) {
    args.insert(args.end(), {"--from", "1", "--to", "3000"});
    std::ostringstream answer;
    const ParsedCommandLine parsed = parseCommandLine(args, answer, answer);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream err;
        const CliOutput output = runCli(*parsed.options, 2015, 0, err);
        bytes = output.text.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK_CAPTURE(BM_WholeRange, text, {})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, csv, {"--format", "csv"})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, json, {"--format", "json"})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, ics, {"--format", "ics"})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, named_zone_csv, {"--format", "csv", "--zone", "Europe/London"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
// Every day rule (Naw-Ruz's sunset the costliest) and every name set, with the meteorological
// seasons and the rounding; the local mean and the apparent solar time of a longitude.
BENCHMARK_CAPTURE(BM_WholeRange, rule_nowruz, {"--rule", "nowruz"})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, rule_nowruz_true_noon, {"--rule", "nowruz-true-noon"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, rule_naw_ruz, {"--rule", "naw-ruz", "--format", "csv"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, rule_before, {"--rule", "before:18:00", "--zone", "Europe/London"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, names_neutral, {"--names", "neutral", "--events", "imbolc,march,meteorological", "--round"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, names_wiccan_south, {"--names", "wiccan", "--hemisphere", "south"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, names_de, {"--names", "de", "--format", "json"})->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_WholeRange, zone_solar, {"--zone", "solar:9.99", "--format", "csv"})
    ->Unit(benchmark::kMillisecond)->Iterations(3);

// The offset in force at an instant, over the whole range: a fixed offset, and a zone of the
// database (its listed transitions, and the rule after them).
void BM_ZoneOffset(benchmark::State& state, const char* zoneText) {
    const Zone zone = *parseZone(zoneText, platform::timeZoneFolder());
    double jd = 1721425.5;  // 1 January 1
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.offsetAt(jd).seconds);
        jd = jd < 2816787.5 ? jd + 29.53 : 1721425.5;  // to 3000, a lunation at a time
    }
}
BENCHMARK_CAPTURE(BM_ZoneOffset, fixed, "GMT+05:30");
BENCHMARK_CAPTURE(BM_ZoneOffset, named, "Europe/London");

// One year's wheel of the year as SVG, from the command line to the text.
void BM_OneYearWheel(benchmark::State& state) {
    std::ostringstream answer;
    const ParsedCommandLine parsed = parseCommandLine({"2026", "--format", "svg"}, answer, answer);
    for (auto _ : state) {
        std::ostringstream err;
        benchmark::DoNotOptimize(runCli(*parsed.options, 2015, 0, err).text.size());
    }
}
BENCHMARK(BM_OneYearWheel)->Unit(benchmark::kMillisecond);

// A 50 MB program-text file (100,000 lines of 500 bytes) is refused as too much program text;
// the counter is the growth of the process's peak memory while loading it.
void BM_RefuseHugeProgramText(benchmark::State& state) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "varnex-bench-huge.dat";
    {
        std::ofstream file(path, std::ios::binary);
        const std::string line = "1 " + std::string(497, 'x') + "\n";
        for (int i = 0; i < 100000; ++i) file << line;
    }
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    ProgramTextFile text;
    for (auto _ : state) benchmark::DoNotOptimize(text.load(path.string()));
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    state.counters["peak_growth_kib"] = static_cast<double>(after.ru_maxrss - before.ru_maxrss);
    state.counters["file_mib"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
    std::filesystem::remove(path);
}
BENCHMARK(BM_RefuseHugeProgramText)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
