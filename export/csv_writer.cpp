// CSV export: a header line, then one row per record, fields quoted only where RFC 4180 needs it.
#include "writers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {
namespace {

constexpr std::string_view kHeader =
    "year,event,method,calendar,zone,utc,jd_ut,deltat_seconds,local_date,local_time,utc_offset,weekday,name,"
    "local_time_seconds,uncertainty_seconds,day_uncertain,gap_hours,dates_differ,other_date,other_weekday,fixed_offset_days,"
    "zone_abbreviation";

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

// A number with `decimals` fixed decimals: the gap in hours to 0.01 h.
void appendFixed(std::string& line, double value, int decimals) {
    std::array<char, 32> text{};
    const auto result =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    line.append(text.data(), result.ptr);
}

void appendFlag(std::string& line, bool flag) { line += flag ? "true" : "false"; }

// One row in the header's column order, without its line end. A traditional date, a whole
// day, leaves the fields of an instant empty.
void appendRow(std::string& line, const ExportRow& row) {
    const bool instant = !isAllDay(row);
    appendNumber(line, row.year);
    const std::string key = eventKey(row), utc = instant ? utcText(row) : std::string();
    for (const std::string_view text : {std::string_view(key), methodKey(row.method), calendarKey(row),
                                        std::string_view(row.zone), std::string_view(utc)}) {
        line += ',';
        appendText(line, text);
    }
    line += ',';
    if (instant) appendNumber(line, row.jdUT);
    line += ',';
    if (instant) appendNumber(line, row.deltaTSeconds);
    const std::string date = isoDateText(row.localDate), time = instant ? localTimeText(row) : std::string(),
                      offset = instant ? offsetText(row.offset) : std::string(), weekday = weekdayText(row),
                      seconds = instant ? localTimeSecondsText(row) : std::string();
    for (const std::string_view text : {std::string_view(date), std::string_view(time), std::string_view(offset),
                                        std::string_view(weekday), std::string_view(row.name),
                                        std::string_view(seconds)}) {
        line += ',';
        appendText(line, text);
    }
    line += ',';
    if (instant) appendNumber(line, static_cast<std::int64_t>(row.uncertaintySeconds));
    line += ',';
    appendFlag(line, row.dayUncertain);
    line += ',';
    if (row.gapHours) appendFixed(line, *row.gapHours, 2);
    line += ',';
    if (row.datesDiffer) appendFlag(line, *row.datesDiffer);
    line += ',';
    if (row.otherDate) line += isoDateText(*row.otherDate) + ',' + weekdayText(row);
    else line += ',';
    line += ',';
    if (row.fixedOffsetDays) appendNumber(line, static_cast<std::int64_t>(*row.fixedOffsetDays));
    line += ',';
    appendText(line, zoneAbbreviationText(row));
}

// The columns of --next (whole seconds) and of a day rule (the margin to 0.1 s), after the
// others where the output has them.
void appendExtraColumns(std::string& line, const ExportRow& row, const CsvColumns& columns) {
    if (columns.secondsUntil) {
        line += ',';
        if (row.secondsUntil) appendNumber(line, static_cast<std::int64_t>(std::llround(*row.secondsUntil)));
    }
    if (columns.rule) {
        line += ',';
        if (row.ruleMarginSeconds) appendFixed(line, *row.ruleMarginSeconds, 1);
        line += ',';
        if (row.ruleUncertain) appendFlag(line, *row.ruleUncertain);
    }
}

class CsvFormat final : public RowFormat {
public:
    CsvFormat(std::string_view lineEnd, CsvColumns columns) : lineEnd_(lineEnd), columns_(columns) {}
    void begin(std::ostream& out) const override {
        out << kHeader << (columns_.secondsUntil ? ",seconds_until" : "")
            << (columns_.rule ? ",rule_margin_seconds,rule_uncertain" : "") << lineEnd_;
    }
    // Each row is put together in one buffer and written at once: one stream call a row.
    void row(const ExportRow& row, std::ostream& out) const override {
        std::string line;
        appendRow(line, row);
        appendExtraColumns(line, row, columns_);
        line += lineEnd_;
        out.write(line.data(), static_cast<std::streamsize>(line.size()));
    }
    void end(bool, std::ostream&) const override {}

private:
    std::string lineEnd_;
    CsvColumns columns_;
};

}  // namespace

std::unique_ptr<RowFormat> csvFormat(std::string_view lineEnd, CsvColumns columns) {
    return std::make_unique<CsvFormat>(lineEnd, columns);
}

}  // namespace varnex
