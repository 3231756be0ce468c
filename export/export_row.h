// One event of a year by one method, as the exports write it: numbers, a calendar date and
// indexes into the event table, built once from the request lines. Each writer formats the
// fields through the functions below, so a date or an offset is written one way everywhere.
#pragma once

#include "calendar/calendar_date.h"
#include "report/day_rules.h"
#include "report/events.h"
#include "report/request.h"
#include "report/summary.h"
#include "zones/zone.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

struct ExportRow {
    std::int32_t year = 0;          // of the request
    std::size_t event = 0;          // index in kEventTable; kEventTable.size() for a turning point
    Method method = Method::None;   // None for an equinox or solstice by Meeus, and for an apsis
    double jdUT = 0;                // the instant, UT (NaN for Method::Fixed, a whole day)
    double deltaTSeconds = 0;       // TT - UT applied to it
    UtcOffset offset{};             // the zone's offset in force at the instant
    double localDayFraction = 0;    // the local time of day, [0, 1) (civilTimeOf)
    CalendarDate localDate{};       // its day in the request's calendar (calendar, dayNumber set)
    std::string zone{};             // the zone as the user gave it: "GMT+05:30", "Europe/London"
    std::string name{};             // the event's name (RowNames)
    std::optional<TurningPoint> turningPoint{};
    double uncertaintySeconds = 0;  // astro/uncertainty.h (NaN for Method::Fixed)
    bool dayUncertain = false;      // the local date could go either way (request.h, dayUncertain)
    std::int8_t otherDay = 0;       // then the other possible day: -1 the day before, +1 the day after
    // A cross-quarter day's three answers, whatever methods were asked for: the mean-sun
    // instant minus the true-sun one in hours, whether the true sun and the mean sun fall on
    // different local dates, and the true sun's local date minus the traditional date in days.
    std::optional<double> gapHours{};
    std::optional<bool> datesDiffer{};
    // The same day in the other calendar, where the request asks for dual dates (dualDatesApply).
    std::optional<CalendarDate> otherDate{};
    std::optional<std::int32_t> fixedOffsetDays{};
    std::int32_t cycleYear = 0;  // a turning point's: the year whose instantOf it is (request.h)
    std::optional<std::int16_t> meteorological{};  // a meteorological season's month quarter (request.h)
    // The times rounded to the nearest minute (local_time) and second (local_time_seconds,
    // utc) instead of cut; localDate and localDayFraction are then the minute's.
    bool round = false;
    // varnex-cli --next: the seconds from the moment asked about to the instant.
    std::optional<double> secondsUntil{};
    // A day rule's row (report/day_rules.h): the instant minus the rule's threshold, and whether
    // that is within the instant's uncertainty.
    std::optional<double> ruleMarginSeconds{};
    std::optional<bool> ruleUncertain{};
    std::optional<std::string> ruleKey{};  // its event id: nowruz, naw-ruz, before-18:00
};

// A whole day without an instant: a traditional date, a meteorological season's first day, a
// festival's day by a rule.
constexpr bool isAllDay(const ExportRow& row) { return row.method == Method::Fixed || row.meteorological.has_value(); }

// Which names the rows take: the result lines' ("Spring (March) equinox", "Imbolc"), or the
// summary's ("Spring equinox"). With the southern hemisphere both take the summary's southern
// names ("Autumn equinox", "Lughnassad" for Imbolc's slot).
enum class RowNames { Lines, Summary };

// The row of a festival's day by a rule: the equinox's instant, its local time on the rule's
// clock (local_time), and the festival's day (local_date).
ExportRow ruleRow(const DayRule& rule, const RuleDay& day, std::string_view zoneText, std::int16_t language);

// The rows of one year's request, in the order of its result lines.
std::vector<ExportRow> rowsOf(const CalculateRequest& request, std::string_view zoneText, Hemisphere hemisphere,
                              RowNames names);

// ---- One formatter for each kind of field ---------------------------------------------------

std::string eventKey(const ExportRow& row);          // imbolc, march, perihelion, term-015, ...
std::string_view calendarKey(const ExportRow& row);  // gregorian, julian
// 0800-12-21: the local date, the year in four digits at least.
std::string isoDateText(const CalendarDate& date);
// The instant in proleptic Gregorian UTC: its day and its second of the day, cut as the
// result lines cut their minute.
struct UtcParts {
    CalendarDate date;
    std::int32_t second;  // [0, 86399]
};
UtcParts utcPartsOf(double jdUT);
// 2026-03-20T14:45:57Z: utcPartsOf as text.
std::string utcText(double jdUT);
// The row's instant so: cut, or rounded to the second (row.round).
std::string utcText(const ExportRow& row);
// +05:30, -03:00, +00:00, +12:13:48: the offset, as the lines' suffix shows it (isoOffsetText).
std::string offsetText(const UtcOffset& offset);
std::string localTimeText(const ExportRow& row);         // 14:45: the result line's cut minute
std::string localTimeSecondsText(const ExportRow& row);  // 14:45:57, cut (or rounded) as the minute is
// BST, EDT, LMT, LAT, +0545, a fixed offset's name (GMT+05:30); empty for a whole day.
std::string zoneAbbreviationText(const ExportRow& row);
std::string weekdayText(const ExportRow& row);    // Friday
// 2026-11-07 CE 09:52 GMT+01:00: the date and time as the result lines write them.
std::string lineDateTimeText(const ExportRow& row);

}  // namespace varnex
