// JSON export: an array of one object per record, one object a line, written as it goes.
#include "writers.h"

#include <nlohmann/json.hpp>

#include <string>

namespace varnex {
namespace {

// A row as a JSON object with the CSV's column names as keys, in the same order (hence
// ordered_json): numbers as numbers, the method null where the event has none.
nlohmann::ordered_json rowObject(const ExportRow& row) {
    nlohmann::ordered_json object;
    object["year"] = row.year;
    object["event"] = eventKey(row);
    object["method"] = row.method == Method::None ? nlohmann::ordered_json(nullptr)
                                                  : nlohmann::ordered_json(methodKey(row.method));
    object["calendar"] = calendarKey(row);
    object["zone"] = row.zone;
    object["utc"] = utcText(row.jdUT);
    object["jd_ut"] = row.jdUT;
    object["deltat_seconds"] = row.deltaTSeconds;
    object["local_date"] = isoDateText(row.localDate);
    object["local_time"] = localTimeText(row);
    object["utc_offset"] = offsetText(row.offset);
    object["weekday"] = weekdayText(row);
    object["name"] = row.name;
    return object;
}

// The object on one line. nlohmann writes doubles in the shortest text that reads back to the
// same value. A byte that is not UTF-8 (the zone is the user's text) becomes U+FFFD rather than
// throwing halfway through the file.
std::string rowLine(const ExportRow& row) {
    return rowObject(row).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace

void writeJson(const std::vector<ExportRow>& rows, std::ostream& out, std::string_view lineEnd) {
    // Each object is made and written on its own, so the whole array is never held in memory.
    out << '[' << lineEnd;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        out << "  " << rowLine(rows[i]);
        if (i + 1 < rows.size()) out << ',';
        out << lineEnd;
    }
    out << ']' << lineEnd;
}

}  // namespace varnex
