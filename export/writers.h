// The exports of varnex-cli: rows of events as CSV, JSON and iCalendar.
#pragma once

#include "event_record.h"

#include <ostream>
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
