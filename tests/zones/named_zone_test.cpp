// Named zones against the C library's own reading of the same tzdata, and a few known facts.
#include "zones/named_zone.h"

#include "platform/time_zone_folder.h"

#include <date/tz.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <iostream>

namespace varnex {
namespace {

std::optional<Zone> find(std::string_view name) { return findNamedZone(name, platform::timeZoneFolder()); }

double julianDay(std::time_t t) { return 2440587.5 + static_cast<double>(t) / 86400.0; }

double julianDay(int year, int month, int day, int hour) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    return julianDay(timegm(&tm));
}

std::int32_t offsetOf(const char* name, double jd) {  // seconds
    const auto zone = find(name);
    return zone ? zone->offsetAt(jd).seconds : -99999;
}

// Every 13 days and a few hours, 1900 to 2150, so beyond the last listed transitions (2037)
// too, where the rule at the end of each zone file carries on.
TEST(NamedZone, AgreesWithTheCLibrary) {
    for (const char* name : {"Europe/London", "America/New_York", "Australia/Sydney", "Asia/Kolkata",
                             "Asia/Kathmandu", "Pacific/Chatham", "America/St_Johns", "America/Nuuk"}) {
        const auto zone = find(name);
        ASSERT_TRUE(zone) << name;
        EXPECT_EQ(zone->name(), name);
        setenv("TZ", name, 1);
        tzset();
        for (std::time_t t = -2208988800 + 12345; t < 5680281600; t += 13 * 86400 + 3607) {
            std::tm local{};
            ASSERT_NE(localtime_r(&t, &local), nullptr);
            ASSERT_EQ(zone->offsetAt(julianDay(t)).seconds, local.tm_gmtoff) << name << " at " << t;
        }
    }
    unsetenv("TZ");
    tzset();
}

// Every zone of the database, from the year 1 to 3000: every 290 days and a few hours by
// default; VARNEX_ZONE_GATE_DAYS=29 makes it the full gate (about 22 million comparisons).
TEST(NamedZone, EveryZoneAgreesWithTheCLibraryOverTheWholeRange) {
    const char* days = std::getenv("VARNEX_ZONE_GATE_DAYS");
    const std::time_t step = (days ? std::atol(days) : 290) * 86400 + 3607;
    long compared = 0;
    for (const date::time_zone& database : date::get_tzdb().zones) {
        const auto zone = find(database.name());
        ASSERT_TRUE(zone) << database.name();
        setenv("TZ", database.name().c_str(), 1);
        tzset();
        for (std::time_t t = -62135596800 + 4321; t < 32503680000; t += step, ++compared) {  // 0001 to 3000
            std::tm local{};
            ASSERT_NE(localtime_r(&t, &local), nullptr);
            ASSERT_EQ(zone->offsetAt(julianDay(t)).seconds, local.tm_gmtoff) << database.name() << " at " << t;
        }
    }
    unsetenv("TZ");
    tzset();
    std::cout << compared << " instants compared, no difference\n";
}

TEST(NamedZone, KnownOffsets) {
    EXPECT_EQ(offsetOf("Europe/London", 2461166.0), 3600);  // 2026-05-05 12:00 UT
    EXPECT_EQ(offsetOf("Europe/London", julianDay(2026, 11, 7, 12)), 0);
    EXPECT_EQ(offsetOf("Europe/London", julianDay(2040, 7, 1, 12)), 3600);
    EXPECT_EQ(offsetOf("Australia/Sydney", julianDay(2026, 1, 15, 0)), 11 * 3600);
    EXPECT_EQ(offsetOf("Australia/Sydney", julianDay(2026, 7, 15, 0)), 10 * 3600);
    EXPECT_EQ(offsetOf("Australia/Sydney", julianDay(2999, 7, 15, 0)), 10 * 3600);
    EXPECT_EQ(offsetOf("Asia/Kathmandu", julianDay(2026, 3, 20, 0)), 345 * 60);
    EXPECT_EQ(offsetOf("Pacific/Chatham", julianDay(2026, 1, 1, 0)), 825 * 60);
    // Local mean time before standard time, to the second.
    EXPECT_EQ(offsetOf("Europe/London", 1721425.5), -75);  // year 1: -0:01:15
    EXPECT_EQ(offsetOf("America/New_York", julianDay(1800, 1, 1, 0)), -17762);  // -4:56:02
}

TEST(NamedZone, LocalMeanAndApparentSolarTimeOfALongitude) {
    // 4 minutes a degree, to the nearest second: 9.99 degrees east is 39 min 57.6 s.
    const auto lmt = parseZone("lmt:9.99", "");
    ASSERT_TRUE(lmt);
    EXPECT_EQ(lmt->offsetAt(2461120.0).seconds, 39 * 60 + 58);
    EXPECT_EQ(lmt->offsetAt(2461120.0).abbreviation, "LMT");
    EXPECT_EQ(parseZone("LMT:-180", "")->offsetAt(2461120.0).seconds, -12 * 3600);
    // The sundial's time at Greenwich is the equation of time: +13 min 42.6 s on 1992 October 13.0 TT
    // (Meeus, Astronomical Algorithms, example 28.a; TT - UT was 59 s).
    const auto solar = parseZone("solar:0", "");
    ASSERT_TRUE(solar);
    const double meeus = 2448908.5 - 59.0 / 86400.0;
    EXPECT_NEAR(solar->offsetAt(meeus).seconds, 13 * 60 + 42.6, 1.0);
    EXPECT_EQ(solar->offsetAt(meeus).abbreviation, "LAT");
    for (const char* bad : {"lmt:", "lmt:180.5", "solar:east", "lmt:9.99e", "lmt:nan"}) EXPECT_FALSE(parseZone(bad, "")) << bad;
    // The tz database's own local mean time before standard time: Berlin until 1893.
    EXPECT_EQ(find("Europe/Berlin")->offsetAt(julianDay(1850, 3, 20, 12)).abbreviation, "LMT");
}

TEST(NamedZone, Names) {
    EXPECT_FALSE(find("Mars/Olympus"));
    EXPECT_FALSE(find(""));
    EXPECT_FALSE(find("GMT+05:30"));
    ASSERT_TRUE(find("europe/LONDON"));
    EXPECT_EQ(find("europe/LONDON")->name(), "Europe/London");
    // The system's zone: TZ when it names a zone (by name or by its file), else /etc/localtime.
    for (const char* tz : {"Asia/Tokyo", ":Asia/Tokyo", "/usr/share/zoneinfo/Asia/Tokyo"}) {
        setenv("TZ", tz, 1);
        EXPECT_EQ(find("local")->name(), "Asia/Tokyo") << tz;
    }
    setenv("TZ", "JST-9", 1);  // a rule, not a zone of the database
    EXPECT_FALSE(find("local"));
    unsetenv("TZ");
    const auto local = find("local");
    ASSERT_TRUE(local);
    EXPECT_FALSE(local->name().empty());
    ASSERT_TRUE(find("LOCAL"));
    EXPECT_EQ(find("LOCAL")->name(), local->name());
    EXPECT_TRUE(find(local->name()));
}

}  // namespace
}  // namespace varnex
