// The exports of varnex-cli: rows of events as CSV, JSON and iCalendar.
#pragma once

#include "event_record.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// RFC 4180 CSV: a header line, then one row per record, each line ending in `lineEnd`
// ("\n", or "\r\n" as RFC 4180 has it). A field holding a comma, a quote or a line break is
// quoted, its quotes doubled. Numbers in the shortest text that reads back to the same double.
void WriteCsv(const std::vector<EventRecord>& records, std::ostream& out, std::string_view lineEnd);

// A JSON array of one object per record, with the CSV's column names as keys; numbers as JSON
// numbers, the method null where the event has none. Lines end in `lineEnd`.
void WriteJson(const std::vector<EventRecord>& records, std::ostream& out, std::string_view lineEnd);

// An RFC 5545 calendar (lines end in CR LF, as the format requires): one VEVENT per record,
// DTSTART in UTC, a UID stable across exports (year, event and method), SUMMARY from the
// name (and the method of a cross-quarter day), a DESCRIPTION with the exact instant, the
// method and Delta T, CATEGORIES, TRANSP:TRANSPARENT. `stampUnixSeconds` is the DTSTAMP.
void WriteICalendar(const std::vector<EventRecord>& records, std::ostream& out, std::int64_t stampUnixSeconds);

}  // namespace varnex

namespace varnex {

// What the picture of the year needs beyond the records of its events.
struct WheelOptions {
    std::int32_t year = 0;
    std::int32_t calendarCode = 'G';  // the calendar of the records' local dates
    std::string zone;                 // as the user gave it
    bool southern = false;
    double nextMarchEquinoxJD = 0;    // ends the season that begins at the December solstice
};

// The wheel of the year as a standalone SVG picture: the year as a circle, January at the top
// and clockwise, each event at the angle of its local date and time within the year, named
// and dated as in `records` (one year's: the four equinoxes and solstices and, for each
// cross-quarter day, its true-sun and mean-sun records), the cross-quarter days with two
// marks of different shapes, the seasons' lengths along their arcs, a legend and a title.
void WriteWheelSvg(const std::vector<EventRecord>& records, const WheelOptions& options, std::ostream& out);

}  // namespace varnex
