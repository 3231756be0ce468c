// One event of a year by one method, as the exports write it: the columns of the CSV, the
// fields of a JSON object, and what an iCalendar VEVENT needs.
#pragma once

#include <cstdint>
#include <string>

namespace varnex {

struct EventRecord {
    std::int32_t year = 0;
    std::string event;        // the event's key: imbolc, march, beltane, june, ...
    std::string method;       // "true" or "mean" for a cross-quarter day, empty otherwise
    std::string calendar;     // "gregorian" or "julian"
    std::string zone;         // the zone as the user gave it: "GMT+05:30", "Europe/London"
    std::string utc;          // the instant in UTC, proleptic Gregorian, seconds cut: 2026-03-20T14:45:57Z
    double jdUT = 0;          // the instant as a Julian day, UT
    double deltaTSeconds = 0; // TT - UT applied to it
    std::string localDate;    // the local date in the chosen calendar, four-digit year: 0800-12-21
    std::string localTime;    // the local time, the result line's cut minute: 14:45
    std::string utcOffset;    // the zone's offset in force at the instant: +05:30, -03:00, +00:00
    std::string weekday;      // of the local date: Friday
    std::string name;         // the result line's event name: "Spring (March) equinox", "Imbolc"
};

}  // namespace varnex
