// Festivals whose day turns on a clock time: the day of the March equinox by a rule that asks
// whether the equinox falls before a threshold of that day, else the day after.
//
//   nowruz            the Iranian new year (1 Farvardin): the equinox before noon of Iran
//                     Standard Time (12:00 at the 52.5 degrees east meridian, UTC+03:30);
//   nowruz-true-noon  the same with Tehran's true (apparent) noon, which the rule is also
//                     stated with: 4 min 17 s later for Tehran's longitude, plus or minus the
//                     equation of time (some 7.5 min in March);
//   naw-ruz           the Baha'i new year: the day, counted from sunset to sunset in Tehran, in
//                     which the equinox falls, named by its daylight; so the equinox before
//                     sunset in Tehran gives that day, after it the next;
//   before:HH:MM      any other threshold, a clock time of the chosen zone.
//
// The equinox is the true sun's (the Sun's apparent longitude at 0 degrees), with its
// uncertainty: a rule is uncertain in a year whose equinox lies within that of its threshold.
#pragma once

#include "calendar/calendar_date.h"
#include "calendar/calendar_reform.h"
#include "report/request.h"
#include "zones/zone.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

enum class DayRuleKind { Nowruz, NowruzTrueNoon, NawRuz, Before };

struct DayRule {
    DayRuleKind kind = DayRuleKind::Nowruz;
    std::int32_t clockSeconds = 0;  // Before: the threshold's time of day, local
};

// Tehran, as the Baha'i calendar places it: 35.6944 degrees north, 51.4215 east.
inline constexpr double kTehranLatitudeDeg = 35.6944;
inline constexpr double kTehranLongitudeDeg = 51.4215;
inline constexpr std::int32_t kIranStandardSeconds = 3 * 3600 + 1800;  // UTC+03:30, IRST

// nowruz, nowruz-true-noon, naw-ruz (naw-rúz), before:HH:MM (00:01 to 23:59); empty for anything
// else.
std::optional<DayRule> parseDayRule(std::string_view text);

// The event id of the rows: nowruz, nowruz-true-noon, naw-ruz, before-18:00.
std::string dayRuleKey(const DayRule& rule);

struct RuleDay {
    std::int32_t year = 0;          // Gregorian (or Julian) year of the equinox
    EventInstant equinox{};         // the true sun's March equinox
    double thresholdJD = 0;         // the threshold on the equinox's local day (UT)
    double marginSeconds = 0;       // the equinox minus the threshold: negative is before
    bool uncertain = false;         // the margin within the equinox's shown uncertainty
    UtcOffset offset{};             // the rule's clock at the equinox: IRST, or the zone's
    CivilTime equinoxLocal{};       // the equinox's local day and time on that clock
    CalendarDate day{};             // the festival's day, in the calendar in force
};

// The festival of `year` by `rule`: Iran's clock for the three named rules, `zone` for before:.
RuleDay ruleDayOf(const DayRule& rule, std::int32_t year, const CalendarReform& calendar, const Zone& zone);

// The threshold's word in the lines: "noon", "true noon", "sunset", "18:00".
std::string thresholdText(const DayRule& rule, std::int16_t language);

// The festival's name and its year in its own era: "Nowruz 1404 AP", "Naw-Rúz 182 BE" ("Nowruz",
// "Naw-Rúz" before the era's first year, so also for year 0), "Equinox day" (before:).
std::string ruleDayName(const DayRule& rule, std::int32_t year, std::int16_t language);

// The line of a festival: name, day, and how the equinox stands to the threshold:
// "Nowruz 1404 AP ................ 2025-03-21 CE, equinox 12:31:29 IRST, 31 min after noon: the next day".
std::string ruleDayLine(const DayRule& rule, const RuleDay& day, bool includeWeekday, std::int16_t language);

}  // namespace varnex
