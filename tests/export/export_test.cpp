#include "export/writers.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <set>
#include <sstream>

namespace varnex {
namespace {

const std::string kColumns =
    "year,event,method,calendar,zone,utc,jd_ut,deltat_seconds,local_date,local_time,utc_offset,weekday,name";

// A Julian date in year 800, a cross-quarter day by both methods, and year 1 with a comma and
// quotes in its zone and a line break in its name. Some doubles need 17 digits.
const std::vector<EventRecord> kRecords = {
    {800, "december", "", "julian", "GMT+01:00", "0800-12-21T05:12:09Z", 2013595.7167708334, 3917.25, "0800-12-17",
     "06:12", "+01:00", "Thursday", "Winter (December) solstice"},
    {2026, "imbolc", "true", "gregorian", "Europe/London", "2026-02-04T02:13:41Z", 2461075.5 + 1.0 / 3, 69.18432,
     "2026-02-04", "02:13", "+00:00", "Wednesday", "Imbolc"},
    {2026, "imbolc", "mean", "gregorian", "Europe/London", "2026-02-03T20:03:12Z", 2461075.3355555557, 0.1 + 0.2,
     "2026-02-03", "20:03", "+00:00", "Tuesday", "Imbolc"},
    {1, "march", "", "gregorian", "GMT+05:30, \"IST\"", "0001-03-22T23:59:59Z", 1721140.4999884, 10580.5,
     "0001-03-23", "05:29", "+05:30", "Friday", "Spring (March)\nequinox"}};

std::string Text(auto write, std::string_view lineEnd) {
    std::ostringstream out;
    write(kRecords, out, lineEnd);
    return out.str();
}

// RFC 4180 read back: the rows' fields, unquoted, "" read as ".
std::vector<std::vector<std::string>> SplitCsv(std::string_view text, std::string_view lineEnd) {
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (quoted && text.substr(i, 2) == "\"\"") rows.back().back() += text[i++];
        else if (text[i] == '"') quoted = !quoted;
        else if (!quoted && text[i] == ',') rows.back().emplace_back();
        else if (!quoted && text.substr(i, lineEnd.size()) == lineEnd) rows.emplace_back(1), i += lineEnd.size() - 1;
        else rows.back().back() += text[i];
    }
    EXPECT_EQ(rows.back(), std::vector<std::string>(1));  // the text ends in a line end
    rows.pop_back();
    return rows;
}

TEST(Export, CsvReadsBackFieldByFieldWithEitherLineEnd) {
    for (const std::string_view lineEnd : {"\n", "\r\n"}) {
        const std::string text = Text(WriteCsv, lineEnd);
        const auto rows = SplitCsv(text, lineEnd);
        ASSERT_EQ(rows.size(), kRecords.size() + 1);
        EXPECT_TRUE(text.starts_with(kColumns + std::string(lineEnd)));
        EXPECT_EQ(text.find('\r'), lineEnd == "\n" ? std::string::npos : kColumns.size());
        for (std::size_t i = 0; i < kRecords.size(); ++i) {
            const EventRecord& r = kRecords[i];
            const auto& row = rows[i + 1];
            EXPECT_EQ(row, (std::vector<std::string>{std::to_string(r.year), r.event, r.method, r.calendar, r.zone, r.utc,
                                                     row.at(6), row.at(7), r.localDate, r.localTime, r.utcOffset,
                                                     r.weekday, r.name}));
            EXPECT_EQ(std::stod(row[6]), r.jdUT);
            EXPECT_EQ(std::stod(row[7]), r.deltaTSeconds);
        }
    }
}

TEST(Export, JsonReadsBackWithTheColumnsAsKeys) {
    const std::string text = Text(WriteJson, "\r\n");
    EXPECT_TRUE(text.starts_with("[\r\n  {") && text.ends_with("}\r\n]\r\n"));
    const auto array = nlohmann::ordered_json::parse(text);
    ASSERT_EQ(array.size(), kRecords.size());
    for (std::size_t i = 0; i < kRecords.size(); ++i) {
        const EventRecord& r = kRecords[i];
        std::string keys;
        for (const auto& item : array[i].items()) keys += (keys.empty() ? "" : ",") + item.key();
        EXPECT_EQ(keys, kColumns);
        EXPECT_EQ(array[i]["year"], r.year);
        EXPECT_EQ(array[i]["method"], r.method.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(r.method));
        EXPECT_EQ(array[i]["jd_ut"].get<double>(), r.jdUT);
        EXPECT_EQ(array[i]["deltat_seconds"].get<double>(), r.deltaTSeconds);
    }
}

// The UIDs of the records' calendar, after checking its lines, DTSTARTs and SUMMARYs.
std::vector<std::string> CheckedUids(const std::vector<EventRecord>& records) {
    std::ostringstream out;
    WriteICalendar(records, out, 1'780'000'000);
    const std::string text = out.str();
    EXPECT_TRUE(text.ends_with("END:VCALENDAR\r\n"));
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(end - start, 75U) << text.substr(start, end - start);
        EXPECT_EQ(text.substr(start, end - start).find_first_of("\r\n"), std::string::npos);
    }
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    std::vector<std::string> uids;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const EventRecord& r = records.at(uids.size());
        const icaltimetype t = icalcomponent_get_dtstart(event);
        char utc[48];
        std::snprintf(utc, sizeof utc, "%04d-%02d-%02dT%02d:%02d:%02d%s", t.year, t.month, t.day, t.hour, t.minute,
                      t.second, icaltime_is_utc(t) ? "Z" : " (not UTC)");
        EXPECT_EQ(utc, r.utc);
        EXPECT_EQ(icalcomponent_get_summary(event), r.method.empty() ? r.name : r.name + " (" + r.method + " sun)");
        uids.emplace_back(icalcomponent_get_uid(event));
    }
    icalcomponent_free(calendar);
    EXPECT_EQ(uids.size(), records.size());
    return uids;
}

TEST(Export, ICalendarReadsBackWithUidsStableAcrossZonesAndCalendars) {
    std::vector<EventRecord> elsewhere = kRecords;
    for (EventRecord& r : elsewhere) r.zone = "America/Sao_Paulo", r.calendar = "gregorian", r.utcOffset = "-03:00";
    const auto uids = CheckedUids(kRecords);
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), uids.size());
    EXPECT_EQ(CheckedUids(elsewhere), uids);
}

}  // namespace
}  // namespace varnex
