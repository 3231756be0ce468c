// One event of a year by one method, as the exports write it: numbers, a calendar date and
// indexes into the event table, built once from the request lines. Each writer formats the
// fields through the functions below, so a date or an offset is written one way everywhere.
#pragma once

#include "calendar/calendar_date.h"
#include "report/events.h"
#include "report/request.h"
#include "report/summary.h"
#include "zones/zone.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

struct ExportRow {
    std::int32_t year = 0;          // of the request
    std::size_t event = 0;          // index in kEventTable
    Method method = Method::None;   // None for an equinox or solstice by Meeus
    double jdUT = 0;                // the instant, UT
    double deltaTSeconds = 0;       // TT - UT applied to it
    UtcOffset offset;               // the zone's offset in force at the instant
    double localCivilJD = 0;        // local date and time as a local civil Julian value
    CalendarDate localDate{};       // its day in the request's calendar (calendar, dayNumber set)
    std::string zone;               // the zone as the user gave it: "GMT+05:30", "Europe/London"
    std::string name;               // the event's name (RowNames)
};

// Which names the rows take: the result lines' ("Spring (March) equinox", "Imbolc"), or the
// summary's ("Spring equinox"). With the southern hemisphere both take the summary's southern
// names ("Autumn equinox", "Lughnassad" for Imbolc's slot).
enum class RowNames { Lines, Summary };

// The rows of one year's request, in the order of its result lines.
std::vector<ExportRow> rowsOf(const CalculateRequest& request, std::string_view zoneText, Hemisphere hemisphere,
                              RowNames names);

// ---- One formatter for each kind of field ---------------------------------------------------

std::string_view eventKey(const ExportRow& row);     // imbolc, march, ...
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
// +05:30, -03:00, +00:00: the offset's whole minutes toward zero, as the lines' suffix shows it.
std::string offsetText(const UtcOffset& offset);
std::string localTimeText(const ExportRow& row);  // 14:45: the result line's cut minute
std::string weekdayText(const ExportRow& row);    // Friday
// 2026-11-07 CE 09:52 GMT+01:00: the date and time as the result lines write them.
std::string lineDateTimeText(const ExportRow& row);

}  // namespace varnex
