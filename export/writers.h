// The exports of varnex-cli: rows of events as CSV, JSON and iCalendar, and the wheel of a year.
#pragma once

#include "export/export_row.h"

#include <cstdint>
#include <memory>
#include <ostream>
#include <string_view>
#include <vector>

namespace varnex {

// An export format written a row at a time, for output made as it goes: begin, then the rows
// with a separator between two rows, then end. Rows may be formatted on several threads at once.
class RowFormat {
public:
    virtual ~RowFormat() = default;
    virtual void begin(std::ostream& out) const = 0;
    virtual void row(const ExportRow& row, std::ostream& out) const = 0;
    virtual void separator(std::ostream& out) const;  // nothing but in JSON
    virtual void end(bool anyRows, std::ostream& out) const = 0;
};

// The formats of the writers below.
std::unique_ptr<RowFormat> csvFormat(std::string_view lineEnd);
std::unique_ptr<RowFormat> jsonFormat(std::string_view lineEnd);
std::unique_ptr<RowFormat> iCalendarFormat(std::int64_t stampUnixSeconds);

// All of `rows` in `format`.
void writeRows(const RowFormat& format, const std::vector<ExportRow>& rows, std::ostream& out);

// RFC 4180 CSV: a header line, then one row per record, each line ending in `lineEnd`
// ("\n", or "\r\n" as RFC 4180 has it). A field holding a comma, a quote or a line break is
// quoted, its quotes doubled. Numbers in the shortest text that reads back to the same double.
void writeCsv(const std::vector<ExportRow>& rows, std::ostream& out, std::string_view lineEnd);

// A JSON array of one object per row, with the CSV's column names as keys; numbers as JSON
// numbers, the method null where the event has none. Lines end in `lineEnd`.
void writeJson(const std::vector<ExportRow>& rows, std::ostream& out, std::string_view lineEnd);

// An RFC 5545 calendar (lines end in CR LF, as the format requires): one VEVENT per row,
// DTSTART in UTC, a UID stable across exports (year, event and method), SUMMARY from the
// name (and the method of a cross-quarter day), a DESCRIPTION with the exact instant, the
// method and Delta T, CATEGORIES, TRANSP:TRANSPARENT. `stampUnixSeconds` is the DTSTAMP.
void writeICalendar(const std::vector<ExportRow>& rows, std::ostream& out, std::int64_t stampUnixSeconds);

// The wheel of the request's year as a standalone SVG picture: the year as a circle, January at
// the top and clockwise, every event by both methods (whatever the request selects) at the
// angle of its local date and time within the year, named as the summary names them for
// `hemisphere` and dated as the result lines date them, the cross-quarter days with two marks of
// different shapes, the seasons' lengths along their arcs, a legend and a title.
void writeWheelSvg(const CalculateRequest& request, std::string_view zoneText, Hemisphere hemisphere,
                   std::ostream& out);

}  // namespace varnex
