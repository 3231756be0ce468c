// JSON export: an array of one object per record, one object a line, written as it goes.
#include "writers.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <string>

namespace varnex {
namespace {

// A row as a JSON object with the CSV's column names as keys, in the same order (hence
// ordered_json): numbers as numbers, flags as booleans, null where the CSV leaves a field
// empty (the method of an event that has none, the instant of a traditional date, the gap
// of an event that is no cross-quarter day, the other calendar's date when none is asked for).
nlohmann::ordered_json rowObject(const ExportRow& row) {
    using Json = nlohmann::ordered_json;
    const bool instant = !isAllDay(row);
    const auto ifInstant = [instant](auto value) { return instant ? Json(value) : Json(nullptr); };
    Json object;
    object["year"] = row.year;
    object["event"] = eventKey(row);
    object["method"] = row.method == Method::None ? Json(nullptr) : Json(methodKey(row.method));
    object["calendar"] = calendarKey(row);
    object["zone"] = row.zone;
    object["utc"] = ifInstant(instant ? utcText(row) : "");
    object["jd_ut"] = ifInstant(row.jdUT);
    object["deltat_seconds"] = ifInstant(row.deltaTSeconds);
    object["local_date"] = isoDateText(row.localDate);
    object["local_time"] = ifInstant(instant ? localTimeText(row) : "");
    object["utc_offset"] = ifInstant(instant ? offsetText(row.offset) : "");
    object["weekday"] = weekdayText(row);
    object["name"] = row.name;
    object["local_time_seconds"] = ifInstant(instant ? localTimeSecondsText(row) : "");
    object["uncertainty_seconds"] = ifInstant(static_cast<std::int64_t>(instant ? row.uncertaintySeconds : 0));
    object["day_uncertain"] = row.dayUncertain;
    // The gap to 0.01 h, as the CSV writes it.
    object["gap_hours"] = row.gapHours ? Json(std::round(*row.gapHours * 100.0) / 100.0) : Json(nullptr);
    object["dates_differ"] = row.datesDiffer ? Json(*row.datesDiffer) : Json(nullptr);
    object["other_date"] = row.otherDate ? Json(isoDateText(*row.otherDate)) : Json(nullptr);
    object["other_weekday"] = row.otherDate ? Json(weekdayText(row)) : Json(nullptr);
    object["fixed_offset_days"] = row.fixedOffsetDays ? Json(*row.fixedOffsetDays) : Json(nullptr);
    object["zone_abbreviation"] = ifInstant(zoneAbbreviationText(row));
    // Only in the outputs that have them (--next in whole seconds, a day rule's margin to 0.1 s).
    if (row.secondsUntil) object["seconds_until"] = std::llround(*row.secondsUntil);
    if (row.ruleMarginSeconds) object["rule_margin_seconds"] = std::round(*row.ruleMarginSeconds * 10.0) / 10.0;
    if (row.ruleUncertain) object["rule_uncertain"] = *row.ruleUncertain;
    return object;
}

// The object on one line. nlohmann writes doubles in the shortest text that reads back to the
// same value. A byte that is not UTF-8 (the zone is the user's text) becomes U+FFFD rather than
// throwing halfway through the file.
std::string rowLine(const ExportRow& row) {
    return rowObject(row).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

// The moment's members before the rows, one a line.
std::string momentLines(const JsonMoment& moment, std::string_view lineEnd) {
    using Json = nlohmann::ordered_json;
    Json season(nullptr);
    if (moment.season) {
        const SeasonNow& s = *moment.season;
        const std::string name = seasonName(s.quarter, moment.hemisphere, moment.language);
        season = Json::object();
        season["name"] = name;
        season["key"] = std::string(meteorologicalSeasonWord(s.quarter, moment.hemisphere));
        season["start"] = utcText(s.startJD);
        season["end"] = utcText(s.endJD);
        season["day"] = s.day;
        season["days"] = s.days;
        season["share"] = std::floor(s.share * 1000.0) / 1000.0;  // cut, as the text's per cent
    }
    const auto dump = [](const Json& value) { return value.dump(-1, ' ', false, Json::error_handler_t::replace); };
    return std::string("{") + std::string(lineEnd) + "  \"now\": " + dump(Json(utcText(moment.nowJD))) + "," +
           std::string(lineEnd) + "  \"season\": " + dump(season) + "," + std::string(lineEnd) + "  \"events\": [";
}

// The array's objects one a line: "  {...}", a comma and the line end between two; with a
// moment, inside its object.
class JsonFormat final : public RowFormat {
public:
    JsonFormat(std::string_view lineEnd, std::optional<JsonMoment> moment) : lineEnd_(lineEnd), moment_(std::move(moment)) {}
    void begin(std::ostream& out) const override {
        if (moment_) out << momentLines(*moment_, lineEnd_) << lineEnd_;
        else out << '[' << lineEnd_;
    }
    void row(const ExportRow& row, std::ostream& out) const override { out << (moment_ ? "    " : "  ") << rowLine(row); }
    void separator(std::ostream& out) const override { out << ',' << lineEnd_; }
    void end(bool anyRows, std::ostream& out) const override {
        if (anyRows) out << lineEnd_;
        if (moment_) out << "  ]" << lineEnd_ << '}' << lineEnd_;
        else out << ']' << lineEnd_;
    }

private:
    std::string lineEnd_;
    std::optional<JsonMoment> moment_;
};

}  // namespace

std::unique_ptr<RowFormat> jsonFormat(std::string_view lineEnd, std::optional<JsonMoment> moment) {
    return std::make_unique<JsonFormat>(lineEnd, std::move(moment));
}

}  // namespace varnex
