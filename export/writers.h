// The exports of varnex-cli: rows of events as CSV, JSON and iCalendar, and the wheel of a year.
#pragma once

#include "export/export_row.h"
#include "report/upcoming.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// An export format written a row at a time, for output made as it goes: begin, then the rows
// with a separator between two rows, then end. Rows may be formatted on several threads at once
// (varnex-cli does, cli/year_order.h): a row is written from the row alone and the format's
// constant state. CSV and JSON use the standard library only. iCalendar builds each event with
// libical: the objects are the row's own, their text comes back in a buffer the caller owns
// (icalcomponent_as_ical_string_r), libical 3 keeps its error number and its ring of temporary
// strings per thread (Debian's build links pthread_key_create for them), and the one object rows
// share, libical's UTC zone, is made by the format's constructor, before any thread starts.
class RowFormat {
public:
    virtual ~RowFormat() = default;
    virtual void begin(std::ostream& out) const = 0;
    virtual void row(const ExportRow& row, std::ostream& out) const = 0;
    virtual void separator(std::ostream& out) const;  // nothing but in JSON
    virtual void end(bool anyRows, std::ostream& out) const = 0;
};

// What an iCalendar file says beyond its rows: when it was made, how its events are shown,
// and what the calendar as a whole holds.
struct ICalendarOptions {
    std::int64_t stampUnixSeconds = 0;  // DTSTAMP of every event; SEQUENCE is its whole minutes
    bool allDay = false;                // each instant as its whole local day (VALUE=DATE)
    std::vector<std::int32_t> reminderMinutes{};  // a VALARM for each, that long before the start
    std::int32_t firstYear = 0, lastYear = 0;     // the years of the rows
    std::string zone{};                           // as the user gave it
    CalendarReform calendar = kProlepticGregorian;  // of the rows' local dates
    std::int16_t language = intEnglish;             // of the summaries, descriptions and the calendar's name
    std::string festival{};  // a day rule's festival ("Nowruz"): the calendar holds its days only
};

// The columns only some outputs have, after the others: varnex-cli --next's seconds_until, a
// day rule's rule_margin_seconds and rule_uncertain (whole seconds, the margin to 0.1 s; empty in
// a row without).
struct CsvColumns {
    bool secondsUntil = false;
    bool rule = false;
};

// RFC 4180 CSV: a header line, then one row per record, each line ending in `lineEnd`
// ("\n", or "\r\n" as RFC 4180 has it). A field holding a comma, a quote or a line break is
// quoted, its quotes doubled. Numbers in the shortest text that reads back to the same double.
std::unique_ptr<RowFormat> csvFormat(std::string_view lineEnd, CsvColumns columns = {});

// What varnex-cli --next writes before its rows in JSON: the moment and the season it is in.
struct JsonMoment {
    double nowJD = 0;
    std::optional<SeasonNow> season{};
    Hemisphere hemisphere = Hemisphere::North;
    std::int16_t language = intEnglish;
};

// A JSON array of one object per row, with the CSV's column names as keys; numbers as JSON
// numbers, the method null where the event has none. Lines end in `lineEnd`. With a moment,
// an object instead: {"now": "2026-03-01T00:00:00Z", "season": {"name", "key", "start", "end",
// "day", "days", "share"} (null outside the years), "events": [the rows]}.
std::unique_ptr<RowFormat> jsonFormat(std::string_view lineEnd, std::optional<JsonMoment> moment = std::nullopt);

// An RFC 5545 calendar (lines end in CR LF, as the format requires), named for its years (and
// the zone of its all-day dates) by X-WR-CALNAME, with X-WR-CALDESC and a refresh interval for
// subscribed copies. One VEVENT per row: by default the second that holds the instant, in UTC
// (DURATION:PT1S: a moment, not an hour); with `allDay`, and always for a traditional date,
// the local day as a DATE (iCalendar dates are Gregorian: a Julian day is written as the same
// day's Gregorian date) with the instant in the description. The UID is stable across exports
// (year, event, method, and "allday" for an instant shown as a day); SEQUENCE is the DTSTAMP in
// whole minutes since 1970, so a later export always supersedes an earlier one. SUMMARY from the
// name (and the method of a cross-quarter day), a DESCRIPTION with the exact instant, the method
// and Delta T, CATEGORIES, TRANSP:TRANSPARENT, and a display alarm for each reminder.
std::unique_ptr<RowFormat> iCalendarFormat(const ICalendarOptions& options);

// The wheel of the request's year as a standalone SVG picture: the year as a circle, January at
// the top and clockwise, every event by both methods (whatever the request selects; the
// equinoxes and solstices by its equinox method) at the angle of its local date and time
// within the year, named as the summary names them for the request's hemisphere and dated as
// the result lines date them, in the calendar in force on each day, the cross-quarter days
// with two marks of different shapes, the seasons' lengths along their arcs, a legend and a
// title; its texts in the language of the installed translator. In a year a reform falls in, the
// subtitle names it (Britain: Julian until 1752-09-02, Gregorian from 1752-09-14).
void writeWheelSvg(const CalculateRequest& request, std::string_view zoneText, std::ostream& out);

}  // namespace varnex
