#include "export/writers.h"
#include "platform/time_zone_folder.h"
#include "zones/fixed_offsets.h"
#include "zones/named_zone.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <sstream>

namespace varnex {
namespace {

const std::string kColumns =
    "year,event,method,calendar,zone,utc,jd_ut,deltat_seconds,local_date,local_time,utc_offset,weekday,name,"
    "local_time_seconds,uncertainty_seconds,day_uncertain,gap_hours,dates_differ,other_date,other_weekday,"
    "fixed_offset_days,zone_abbreviation";

// What a test row is made of, and the texts the writers must give for it: a Julian date in year
// 800, a cross-quarter day by both methods, and year 1 with a comma and quotes in its zone and
// a line break in its name. The instants lie half a second into their second (half a minute
// into the local minute), so cutting them is unambiguous; some doubles need 17 digits.
struct RowCase {
    std::int32_t year;
    std::size_t event;  // in kEventTable
    Method method;
    std::int32_t calendar;
    int localYear, localMonth, localDay, localMinute;  // local date and minute of the day
    int utcYear, utcMonth, utcDay, utcSecond;          // the instant, Gregorian UTC
    std::int32_t offsetSeconds;
    double deltaTSeconds;
    std::string zone, name;
    std::vector<std::string> texts;  // event, method, calendar, utc, local date, local time, offset, weekday
};

const std::vector<RowCase> kCases = {
    {800, 7, Method::None, kJulianCode, 800, 12, 17, 6 * 60 + 12, 800, 12, 21, 5 * 3600 + 12 * 60 + 9, 3600, 3917.25,
     "GMT+01:00", "Winter (December) solstice",
     {"december", "", "julian", "0800-12-21T05:12:09Z", "0800-12-17", "06:12", "+01:00", "Thursday"}},
    {2026, 0, Method::TrueSun, kGregorianCode, 2026, 2, 4, 2 * 60 + 13, 2026, 2, 4, 2 * 3600 + 13 * 60 + 41, 0,
     69.18432, "Europe/London", "Imbolc",
     {"imbolc", "true", "gregorian", "2026-02-04T02:13:41Z", "2026-02-04", "02:13", "+00:00", "Wednesday"}},
    {2026, 0, Method::MeanSun, kGregorianCode, 2026, 2, 3, 20 * 60 + 3, 2026, 2, 3, 20 * 3600 + 3 * 60 + 12, -75,
     0.1 + 0.2, "Europe/London", "Imbolc",
     {"imbolc", "mean", "gregorian", "2026-02-03T20:03:12Z", "2026-02-03", "20:03", "-00:01:15", "Tuesday"}},
    {1, 1, Method::None, kGregorianCode, 1, 3, 23, 5 * 60 + 29, 1, 3, 22, 86399, 19800, 10580.5,
     "GMT+05:30, \"IST\"", "Spring (March)\nequinox",
     {"march", "", "gregorian", "0001-03-22T23:59:59Z", "0001-03-23", "05:29", "+05:30", "Friday"}}};

ExportRow rowOf(const RowCase& c) {
    ExportRow row{.year = c.year, .event = c.event, .method = c.method, .deltaTSeconds = c.deltaTSeconds,
                  .offset = {c.offsetSeconds, ""}, .zone = c.zone, .name = c.name};
    const std::int64_t utcDay = dayNumberFromDate(c.utcYear, c.utcMonth, c.utcDay, kGregorianCode);
    row.jdUT = static_cast<double>(utcDay) - 0.5 + (c.utcSecond + 0.5) / 86400.0;
    row.localDate = {c.localYear, c.localMonth, c.localDay, c.calendar,
                     static_cast<std::int32_t>(dayNumberFromDate(c.localYear, c.localMonth, c.localDay, c.calendar))};
    row.localDayFraction = (c.localMinute + 0.5) / 1440.0;
    return row;
}

const std::vector<ExportRow> kRecords = [] {
    std::vector<ExportRow> rows;
    for (const RowCase& c : kCases) rows.push_back(rowOf(c));
    return rows;
}();

// All of `rows` in `format`, as varnex-cli writes a year's: begin, the rows with their
// separators, end.
std::string written(const RowFormat& format, const std::vector<ExportRow>& rows = kRecords) {
    std::ostringstream out;
    format.begin(out);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) format.separator(out);
        format.row(rows[i], out);
    }
    format.end(!rows.empty(), out);
    return out.str();
}

// RFC 4180 read back: the rows' fields, unquoted, "" read as ".
std::vector<std::vector<std::string>> splitCsv(std::string_view text, std::string_view lineEnd) {
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
        const std::string text = written(*csvFormat(lineEnd));
        const auto rows = splitCsv(text, lineEnd);
        ASSERT_EQ(rows.size(), kRecords.size() + 1);
        EXPECT_TRUE(text.starts_with(kColumns + std::string(lineEnd)));
        EXPECT_EQ(text.find('\r'), lineEnd == "\n" ? std::string::npos : kColumns.size());
        for (std::size_t i = 0; i < kRecords.size(); ++i) {
            const ExportRow& r = kRecords[i];
            const std::vector<std::string>& t = kCases[i].texts;
            const auto& row = rows[i + 1];
            // The local time to the second: the test instants lie 30 s into their local minute.
            EXPECT_EQ(row, (std::vector<std::string>{std::to_string(r.year), t[0], t[1], t[2], r.zone, t[3], row.at(6),
                                                     row.at(7), t[4], t[5], t[6], t[7], r.name, t[5] + ":30", "0",
                                                     "false", "", "", "", "", "", r.offset.abbreviation}));
            EXPECT_EQ(std::stod(row[6]), r.jdUT);
            EXPECT_EQ(std::stod(row[7]), r.deltaTSeconds);
        }
    }
}

TEST(Export, JsonReadsBackWithTheColumnsAsKeys) {
    const std::string text = written(*jsonFormat("\r\n"));
    EXPECT_TRUE(text.starts_with("[\r\n  {") && text.ends_with("}\r\n]\r\n"));
    const auto array = nlohmann::ordered_json::parse(text);
    ASSERT_EQ(array.size(), kRecords.size());
    for (std::size_t i = 0; i < kRecords.size(); ++i) {
        const ExportRow& r = kRecords[i];
        const std::string& method = kCases[i].texts[1];
        std::string keys;
        for (const auto& item : array[i].items()) keys += (keys.empty() ? "" : ",") + item.key();
        EXPECT_EQ(keys, kColumns);
        EXPECT_EQ(array[i]["year"], r.year);
        EXPECT_EQ(array[i]["method"], method.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(method));
        EXPECT_EQ(array[i]["jd_ut"].get<double>(), r.jdUT);
        EXPECT_EQ(array[i]["deltat_seconds"].get<double>(), r.deltaTSeconds);
    }
}

// The UIDs of the records' calendar, after checking its lines, DTSTARTs and SUMMARYs.
std::vector<std::string> checkedUids(const std::vector<ExportRow>& records) {
    const std::string text = written(*iCalendarFormat({.stampUnixSeconds = 1'780'000'000}), records);
    EXPECT_TRUE(text.ends_with("END:VCALENDAR\r\n"));
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(end - start, 75U) << text.substr(start, end - start);
        EXPECT_EQ(text.substr(start, end - start).find_first_of("\r\n"), std::string::npos);
    }
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    std::vector<std::string> uids;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const ExportRow& r = records.at(uids.size());
        const std::vector<std::string>& texts = kCases.at(uids.size()).texts;
        const icaltimetype t = icalcomponent_get_dtstart(event);
        char utc[48];
        std::snprintf(utc, sizeof utc, "%04d-%02d-%02dT%02d:%02d:%02d%s", t.year, t.month, t.day, t.hour, t.minute,
                      t.second, icaltime_is_utc(t) ? "Z" : " (not UTC)");
        EXPECT_EQ(utc, texts[3]);
        EXPECT_EQ(icalcomponent_get_summary(event), texts[1].empty() ? r.name : r.name + " (" + texts[1] + " sun)");
        uids.emplace_back(icalcomponent_get_uid(event));
    }
    icalcomponent_free(calendar);
    EXPECT_EQ(uids.size(), records.size());
    return uids;
}

// With --all-day each instant is its local day as a Gregorian DATE (the Julian 17 December 800
// is 21 December), under a UID of its own, with one display alarm for each reminder.
TEST(Export, ICalendarAllDayEventsWithReminders) {
    const std::string text = written(*iCalendarFormat({.allDay = true, .reminderMinutes = {10080, 90}}));
    icalcomponent* calendar = icalparser_parse_string(text.c_str());
    std::size_t i = 0;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++i) {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        const RowCase& c = kCases.at(i);
        CalendarDate gregorian{0, 0, 0, kGregorianCode, kRecords[i].localDate.dayNumber};
        DayNumberToDate(gregorian);
        EXPECT_TRUE(start.is_date);
        EXPECT_EQ(std::vector({start.year, start.month, start.day}), std::vector({gregorian.year, gregorian.month, gregorian.day}));
        EXPECT_TRUE(std::string(icalcomponent_get_uid(event)).ends_with("-allday@varnex.ostrel.example")) << c.name;
        std::vector<std::string> triggers;
        for (icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); alarm;
             alarm = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT))
            triggers.emplace_back(icalproperty_get_value_as_string(
                icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY)));
        EXPECT_EQ(triggers, std::vector<std::string>({"-P1W", "-PT90M"}));
    }
    icalcomponent_free(calendar);
    EXPECT_EQ(i, kRecords.size());
}

TEST(Export, ICalendarReadsBackWithUidsStableAcrossZonesAndCalendars) {
    std::vector<ExportRow> elsewhere = kRecords;
    for (ExportRow& r : elsewhere) r.zone = "America/Sao_Paulo", r.localDate.calendar = kGregorianCode, r.offset = {-10800, "-03"};
    const auto uids = checkedUids(kRecords);
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), uids.size());
    EXPECT_EQ(checkedUids(elsewhere), uids);
}

// The local day of an instant by the zone's offset in whole seconds, without the writers'
// path: floor(jd + 0.5 + offset).
std::int64_t localDay(double jdUT, const Zone& zone) {
    return static_cast<std::int64_t>(std::floor(jdUT + 0.5 + zone.offsetAt(jdUT).seconds / 86400.0));
}

// Every row of the years 1 to 3000 in every fixed zone of the list and three named zones: the
// printed local date and time of day are those of the instant plus the offset (no UTC date
// leaks into them), day_uncertain is set exactly when the instant give or take its
// uncertainty falls on two local days, and each cross-quarter day's gap and dates_differ
// match its three answers worked out here.
TEST(ExportRows, LocalDateDayFlagAndThreeAnswersOverTheWholeRange) {
    std::vector<std::pair<Zone, std::string>> zones;
    for (const TimezoneEntry& entry : timezoneEntries()) zones.emplace_back(Zone::fixed(entry.offsetMinutes), entry.text);
    for (const char* name : {"America/Chicago", "Europe/London", "Asia/Kolkata"})
        zones.emplace_back(findNamedZone(name, platform::timeZoneFolder()).value(), name);
    std::size_t rows = 0, uncertain = 0, sameDay = 0;
    for (std::int32_t year = 1; year <= 3000; ++year) {
        std::array<double, 8> trueJD{}, meanJD{};  // by event of the table
        for (std::size_t e = 0; e < kEventTable.size(); ++e) {
            if (kEventTable[e].family != EventFamily::CrossQuarter) continue;
            trueJD[e] = instantOf(kEventTable[e], Method::TrueSun, year).jdUT;
            meanJD[e] = instantOf(kEventTable[e], Method::MeanSun, year).jdUT;
        }
        for (const auto& [zone, text] : zones) {
            CalculateRequest request{.year = year, .zone = zone, .selection = fullSelection()};
            request.selection.fixedDate = true;
            for (const ExportRow& row : rowsOf(request, text, Hemisphere::North, RowNames::Lines)) {
                ++rows;
                const EventRow& event = kEventTable[row.event];
                const std::int64_t fixedDay = fixedDateOf(year, event.quarter, kProlepticGregorian).dayNumber;
                if (row.method == Method::Fixed) {
                    ASSERT_EQ(row.localDate.dayNumber, fixedDay);
                } else {
                    int h = 0, m = 0, sec = 0;
                    ASSERT_EQ(std::sscanf(localTimeSecondsText(row).c_str(), "%d:%d:%d", &h, &m, &sec), 3);
                    const double printed = row.localDate.dayNumber + (h * 3600 + m * 60 + sec) / 86400.0;
                    const double local = row.jdUT + 0.5 + zone.offsetAt(row.jdUT).seconds / 86400.0;
                    // Cut to the second after a nudge of 1e-8 day: printed - local in (-1 s, 0.001 s].
                    ASSERT_NEAR(printed, local - 0.5 / 86400, 0.501 / 86400) << year << ' ' << text;
                    // The mark agrees with the ± the line prints ("± 9 s", "± 4 min").
                    long shown = 0;
                    char unit[4] = {};
                    ASSERT_EQ(std::sscanf(uncertaintyText(row.uncertaintySeconds).c_str(), "\u00B1 %ld %3s", &shown, unit), 2);
                    const double u = static_cast<double>(shown) * (unit == std::string("min") ? 60 : 1) / 86400.0;
                    ASSERT_EQ(row.dayUncertain, localDay(row.jdUT - u, zone) != localDay(row.jdUT + u, zone));
                    uncertain += row.dayUncertain;
                }
                if (event.family != EventFamily::CrossQuarter) continue;
                const double t = trueJD[row.event], mean = meanJD[row.event];
                EXPECT_EQ(row.gapHours, (mean - t) * 24);
                const bool apart = localDay(t, zone) != localDay(mean, zone);
                ASSERT_EQ(row.datesDiffer, apart) << year << ' ' << text;
                ASSERT_EQ(row.fixedOffsetDays, localDay(t, zone) - fixedDay) << year << ' ' << text;
                sameDay += !apart;
            }
        }
    }
    std::printf("%zu rows in %zu zones: %zu with the day uncertain, %zu cross-quarter rows with the true and mean sun "
                "on one date\n", rows, zones.size(), uncertain, sameDay);
    EXPECT_GT(uncertain, 0U);
    EXPECT_GT(sameDay, 0U);  // dates_differ is neither always nor never true
    EXPECT_LT(sameDay, rows);
}

}  // namespace
}  // namespace varnex
