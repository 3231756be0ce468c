// CSV export: a header line, then one row per record, fields quoted only where RFC 4180 needs it.
#include "writers.h"

#include <array>
#include <charconv>
#include <string>
#include <string_view>

namespace varnex {
namespace {

constexpr std::string_view kHeader =
    "year,event,method,calendar,zone,utc,jd_ut,deltat_seconds,local_date,local_time,utc_offset,weekday,name";

// A text field as it is, or in double quotes with its quotes doubled when it holds a comma,
// a quote or a line break (any of which would otherwise end the field or the row).
void appendText(std::string& line, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        line += field;
        return;
    }
    line += '"';
    for (const char c : field) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

// A number in the shortest text that reads back to the same value (std::to_chars without a
// precision): 2461120.1152430556, 69.2.
template <typename Number>
void appendNumber(std::string& line, Number value) {
    std::array<char, 32> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value);
    line.append(text.data(), result.ptr);
}

// One row in the header's column order, without its line end.
void appendRow(std::string& line, const ExportRow& row) {
    appendNumber(line, row.year);
    const std::string utc = utcText(row.jdUT);
    for (const std::string_view text : {eventKey(row), methodKey(row.method), calendarKey(row),
                                        std::string_view(row.zone), std::string_view(utc)}) {
        line += ',';
        appendText(line, text);
    }
    line += ',';
    appendNumber(line, row.jdUT);
    line += ',';
    appendNumber(line, row.deltaTSeconds);
    const std::string date = isoDateText(row.localDate), time = localTimeText(row), offset = offsetText(row.offset),
                      weekday = weekdayText(row);
    for (const std::string_view text : {std::string_view(date), std::string_view(time), std::string_view(offset),
                                        std::string_view(weekday), std::string_view(row.name)}) {
        line += ',';
        appendText(line, text);
    }
}

}  // namespace

void writeCsv(const std::vector<ExportRow>& rows, std::ostream& out, std::string_view lineEnd) {
    out << kHeader << lineEnd;
    // Each row is put together in one reused buffer and written at once: one stream call a row.
    std::string line;
    for (const ExportRow& row : rows) {
        line.clear();
        appendRow(line, row);
        line += lineEnd;
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
}

}  // namespace varnex
