// The uncertainty of an instant against its promise: the truth falls inside it. The truth is
// the DE431-based sample (TT) taken to UT with each credible Delta T: the model's own, the
// spline as first published in 2016 followed by the HM Nautical Almanac Office extrapolation
// (what an ephemeris program with the 2016 model prints), and Espenak & Meeus 2006; and the
// naval observatory's tables, with their own Delta T. The coverage is printed by era and method.
#include "astro/delta_t.h"
#include "astro/uncertainty.h"
#include "report/request.h"
#include "support/reference_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace varnex {
namespace {

constexpr double kSecondsPerDay = 86400.0;

double decimalYearOf(double jd) { return 2000.0 + (jd - 2451545.0) / 365.25; }

// delta_t_alternatives.csv: the published models on 1 January of each year.
class CredibleDeltaT {
public:
    enum Model { Published2016, ThisModel, EspenakMeeus };
    static constexpr std::array<const char*, 3> kNames = {"SMH 2016 + HMNAO", "SMH 2020 (this)", "Espenak-Meeus"};

    CredibleDeltaT() {
        for (const auto& row : test::csvRows("delta_t_alternatives.csv")) {
            const auto value = [](const std::string& text) { return text.empty() ? std::nan("") : std::stod(text); };
            rows_[std::stoi(row.at(0))] = {value(row.at(1)), value(row.at(2)), value(row.at(3))};
        }
    }

    double seconds(Model model, double y) const {
        constexpr double kObserved = 2026.0;  // the model's last observed value: the others join it
        const double joined = deltaTSeconds(kObserved);
        switch (model) {
        case ThisModel: return deltaTSeconds(y);
        case Published2016:
            if (y < 2016.0) return at(0, y);
            return y < kObserved ? deltaTSeconds(y) : at(1, y) - at(1, kObserved) + joined;
        case EspenakMeeus: return y < kObserved ? at(2, y) : at(2, y) - at(2, kObserved) + joined;
        }
        return std::nan("");
    }

private:
    double at(std::size_t column, double y) const {
        const int year = static_cast<int>(std::floor(y));
        const double a = rows_.at(year)[column];
        return a + (y - year) * (rows_.at(year + 1)[column] - a);
    }
    std::map<int, std::array<double, 3>> rows_;
};

enum Era { Ancient, Medieval, Modern, Future };
constexpr std::array<const char*, 4> kEraNames = {"1-999", "1000-1599", "1600-2200", "2201-3000"};
Era eraOf(int year) { return year < 1000 ? Ancient : year < 1600 ? Medieval : year <= 2200 ? Modern : Future; }

// Each instant's error and its uncertainty, in seconds, by era, method and truth.
struct Tally {
    std::map<std::string, std::vector<std::array<double, 2>>> cells;
    void add(Era era, const std::string& method, const std::string& truth, double error, double u) {
        cells[std::string(kEraNames[era]) + " | " + method + " | " + truth].push_back({std::abs(error), u});
    }
};

struct Coverage {
    double share, worst, medianU, p95Error;
};
Coverage coverageOf(std::vector<std::array<double, 2>> v) {
    Coverage c{0, 0, 0, 0};
    std::vector<double> errors, us;
    for (const auto& [error, u] : v) {
        c.share += error <= u ? 1.0 : 0.0;
        c.worst = std::max(c.worst, error / u);
        errors.push_back(error);
        us.push_back(u);
    }
    c.share /= static_cast<double>(v.size());
    std::ranges::sort(errors);
    std::ranges::sort(us);
    c.medianU = us[us.size() / 2];
    c.p95Error = errors[static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(errors.size()))) - 1];
    return c;
}

const EventRow& eventAt(int longitudeDeg) {
    // kEventTable: imbolc, march, beltane, june, lughnassad, september, samhain, december.
    return kEventTable[static_cast<std::size_t>(((longitudeDeg + 45) / 45) % 8)];
}

TEST(Uncertainty, TheTruthFallsInsideIt) {
    const CredibleDeltaT credible;
    std::map<std::pair<int, int>, double> reference;  // (year, longitude) -> JDE
    for (const test::Crossing& c : test::referenceCrossings()) reference[{c.year, c.longitudeDeg}] = c.jdTT;
    const auto truthUT = [&](CredibleDeltaT::Model model, double jdTT) {
        return jdTT - credible.seconds(model, decimalYearOf(jdTT)) / kSecondsPerDay;
    };
    Tally tally;
    for (const auto& [key, jdTT] : reference) {
        const auto [year, longitude] = key;
        const EventRow& row = eventAt(longitude);
        const bool quarterDay = longitude % 90 == 0;
        for (const auto model : {CredibleDeltaT::Published2016, CredibleDeltaT::ThisModel, CredibleDeltaT::EspenakMeeus}) {
            const char* truth = CredibleDeltaT::kNames[model];
            const auto add = [&](const char* method, const EventInstant& ours, double truthJD) {
                tally.add(eraOf(year), method, truth, (ours.jdUT - truthJD) * kSecondsPerDay, ours.uncertaintySeconds);
            };
            add(quarterDay ? "true sun, equinoxes" : "true sun, cross-quarter", instantOf(row, Method::TrueSun, year),
                truthUT(model, jdTT));
            if (quarterDay) add("Meeus", instantOf(row, Method::None, year), truthUT(model, jdTT));
            // The mean sun: the midpoint of the events around the day, where the sample has both.
            const auto first = reference.find({longitude == 315 ? year - 1 : year, (longitude + 315) % 360});
            const auto second = reference.find({year, (longitude + 45) % 360});
            if (!quarterDay && first != reference.end() && second != reference.end()) {
                const double a = truthUT(model, first->second);
                add("mean sun", instantOf(row, Method::MeanSun, year), a + (truthUT(model, second->second) - a) / 2);
            }
        }
    }
    // The naval observatory: UT with its own Delta T and its own computation, rounded to the
    // minute (30 s more). Beyond the rounding its instants differ from the DE431-based ones by
    // 5-15 s in the decades' means before 2030 (where Delta T is known to a second), and by 20-30 s
    // in 2040-2090 (its prediction of Delta T, from before the Earth's recent speeding up): the
    // seasons are printed, not promised; the apsides, which the DE431-based sample lacks, are.
    for (const auto& row : test::csvRows("usno_seasons_1800_2100.csv")) {
        const int year = std::stoi(row.at(0));
        const auto found = std::ranges::find(kEventTable, row.at(1), &EventRow::key);
        for (const Method method : {Method::None, Method::TrueSun}) {
            const EventInstant ours = instantOf(*found, method, year);
            const double error = (ours.jdUT - test::julianDayOf(row.at(2), row.at(3))) * kSecondsPerDay;
            tally.add(eraOf(year), method == Method::None ? "Meeus" : "true sun, equinoxes", "naval observatory (printed)",
                      std::abs(error) - 30, ours.uncertaintySeconds);
        }
    }
    for (const auto& row : test::csvRows("usno_apsides.csv")) {
        const int year = std::stoi(row.at(0));
        const TurningPoint point{row.at(1) == "perihelion" ? TurningKind::Perihelion : TurningKind::Aphelion, 0};
        const double published = test::julianDayOf(row.at(2), row.at(3));
        EventInstant nearest = instantOf(point, year);
        if (const EventInstant next = instantOf(point, year + 1); std::abs(next.jdUT - published) < std::abs(nearest.jdUT - published))
            nearest = next;
        tally.add(eraOf(year), "apsides", "naval observatory", std::abs(nearest.jdUT - published) * kSecondsPerDay - 30,
                  nearest.uncertaintySeconds);
    }
    std::printf("%-58s %4s %7s %6s %7s %7s\n", "era | method | truth", "n", "inside", "worst", "med. ±", "p95 err");
    for (const auto& [name, cell] : tally.cells) {
        const Coverage c = coverageOf(cell);
        std::printf("%-58s %4zu %6.1f%% %6.2f %6.0fs %6.0fs\n", name.c_str(), cell.size(), 100 * c.share, c.worst,
                    c.medianU, c.p95Error);
        if (name.ends_with(CredibleDeltaT::kNames[CredibleDeltaT::EspenakMeeus]) || name.ends_with("(printed)")) continue;
        EXPECT_GE(c.share, 0.95) << name;
        EXPECT_LE(c.worst, 2.0) << name;
        // Not inflated: against an ephemeris with the 2016 model, as an outside check uses.
        if (name.ends_with(CredibleDeltaT::kNames[CredibleDeltaT::Published2016])) {
            EXPECT_LE(c.medianU, 2.5 * c.p95Error) << name;
        }
    }
}

TEST(Uncertainty, SharpWhereDeltaTIsKnown) {
    // 1900-2030: a true-sun instant within 10 s, a Meeus one within 2 minutes.
    for (int year = 1900; year <= 2030; ++year) {
        for (std::size_t event = 0; event < kEventTable.size(); ++event) {
            const EventRow& row = kEventTable[event];
            EXPECT_LE(instantOf(row, Method::TrueSun, year).uncertaintySeconds, 10) << year << " " << event;
            if (row.family != EventFamily::CrossQuarter) {
                EXPECT_LE(instantOf(row, Method::None, year).uncertaintySeconds, 120) << year << " " << event;
            }
        }
    }
}

TEST(Uncertainty, DeltaTPartsFollowThePublishedFigures) {
    // The 2016 -> 2020 revision of the spline moved Delta T by -134 s at the year 1 and +183 s
    // at 1000 (as the authors' tables give it); the extrapolations in use span 3292 to 4436 s at
    // 3000 against the model's 4167 s; and twice Morrison & Stephenson's standard error is
    // 530 s at the year 0 and 108 s at 1000. Seconds, low and high.
    const struct { double year, low, high; } cases[] = {
        {1.0, 134 + 2 * 264, 135 + 2 * 266}, {1000.0, 182 + 2 * 53, 184 + 2 * 55}, {1500.0, 40, 41},
        {1900.0, 0.2, 0.3}, {2026.0, 0.2, 0.3}, {3000.0, 874, 877}};
    for (const auto& c : cases) {
        EXPECT_GE(deltaTBoundSeconds(c.year), c.low) << c.year;
        EXPECT_LE(deltaTBoundSeconds(c.year), c.high) << c.year;
    }
    // Continuous: steps below 0.5 s a tenth of a year apart.
    for (double y = -700.0; y < 3100.0; y += 0.1)
        EXPECT_LT(std::abs(deltaTBoundSeconds(y + 0.1) - deltaTBoundSeconds(y)), 0.5) << y;
}

TEST(Uncertainty, ShownAsTheLinesPrintIt) {
    const struct { double seconds, shown; const char* text; } cases[] = {
        {5.2, 6, "\u00B1 6 s"}, {119.0, 119, "\u00B1 119 s"}, {119.5, 120, "\u00B1 2 min"}, {121, 180, "\u00B1 3 min"}};
    for (const auto& c : cases) {
        EXPECT_EQ(shownUncertaintySeconds(c.seconds), c.shown) << c.seconds;
        EXPECT_EQ(uncertaintyText(c.seconds), c.text) << c.seconds;
    }
}

}  // namespace
}  // namespace varnex
