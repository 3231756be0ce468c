// JSON export: an array of one object per record, one object a line, written as it goes.
#include "writers.h"

#include <nlohmann/json.hpp>

#include <string>

namespace varnex {
namespace {

// A record as a JSON object with the CSV's column names as keys, in the same order (hence
// ordered_json): numbers as numbers, the method null where the event has none.
nlohmann::ordered_json RecordObject(const EventRecord& record) {
    nlohmann::ordered_json object;
    object["year"] = record.year;
    object["event"] = record.event;
    object["method"] = record.method.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(record.method);
    object["calendar"] = record.calendar;
    object["zone"] = record.zone;
    object["utc"] = record.utc;
    object["jd_ut"] = record.jdUT;
    object["deltat_seconds"] = record.deltaTSeconds;
    object["local_date"] = record.localDate;
    object["local_time"] = record.localTime;
    object["utc_offset"] = record.utcOffset;
    object["weekday"] = record.weekday;
    object["name"] = record.name;
    return object;
}

// The object on one line. nlohmann writes doubles in the shortest text that reads back to the
// same value. A byte that is not UTF-8 (the zone is the user's text) becomes U+FFFD rather than
// throwing halfway through the file.
std::string RecordLine(const EventRecord& record) {
    return RecordObject(record).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace

void WriteJson(const std::vector<EventRecord>& records, std::ostream& out, std::string_view lineEnd) {
    // Each object is made and written on its own, so the whole array is never held in memory.
    out << '[' << lineEnd;
    for (std::size_t i = 0; i < records.size(); ++i) {
        out << "  " << RecordLine(records[i]);
        if (i + 1 < records.size()) out << ',';
        out << lineEnd;
    }
    out << ']' << lineEnd;
}

}  // namespace varnex
