// NamedZone against the C library's own reading of the same tzdata, and a few known facts.
#include "zones/named_zone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace varnex {
namespace {

double JulianDay(std::time_t t) { return 2440587.5 + static_cast<double>(t) / 86400.0; }

double JulianDay(int year, int month, int day, int hour) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    return JulianDay(timegm(&tm));
}

std::int16_t Offset(const char* name, double jd) {
    const auto zone = NamedZone::Find(name);
    return zone ? zone->OffsetAt(jd) : std::int16_t{-9999};
}

// Every 13 days and a few hours, 1900 to 2150, so beyond the last listed transitions (2037)
// too, where the rule at the end of each zone file carries on.
TEST(NamedZone, AgreesWithTheCLibrary) {
    for (const char* name : {"Europe/London", "America/New_York", "Australia/Sydney", "Asia/Kolkata",
                             "Asia/Kathmandu", "Pacific/Chatham", "America/St_Johns", "America/Nuuk"}) {
        const auto zone = NamedZone::Find(name);
        ASSERT_TRUE(zone) << name;
        EXPECT_EQ(zone->Name(), name);
        setenv("TZ", name, 1);
        tzset();
        for (std::time_t t = -2208988800 + 12345; t < 5680281600; t += 13 * 86400 + 3607) {
            std::tm local{};
            ASSERT_NE(localtime_r(&t, &local), nullptr);
            ASSERT_EQ(zone->OffsetAt(JulianDay(t)), local.tm_gmtoff / 60) << name << " at " << t;
        }
    }
    unsetenv("TZ");
    tzset();
}

TEST(NamedZone, KnownOffsets) {
    EXPECT_EQ(Offset("Europe/London", 2461166.0), 60);  // 2026-05-05 12:00 UT
    EXPECT_EQ(Offset("Europe/London", JulianDay(2026, 11, 7, 12)), 0);
    EXPECT_EQ(Offset("Europe/London", JulianDay(2040, 7, 1, 12)), 60);
    EXPECT_EQ(Offset("Australia/Sydney", JulianDay(2026, 1, 15, 0)), 660);
    EXPECT_EQ(Offset("Australia/Sydney", JulianDay(2026, 7, 15, 0)), 600);
    EXPECT_EQ(Offset("Australia/Sydney", JulianDay(2999, 7, 15, 0)), 600);
    EXPECT_EQ(Offset("Asia/Kathmandu", JulianDay(2026, 3, 20, 0)), 345);
    EXPECT_EQ(Offset("Pacific/Chatham", JulianDay(2026, 1, 1, 0)), 825);
    // Local mean time before standard time: London -0:01:15, whole minutes toward zero.
    EXPECT_EQ(Offset("Europe/London", 1721425.5), -1);  // year 1
    EXPECT_EQ(Offset("America/New_York", JulianDay(1800, 1, 1, 0)), -296);  // -4:56:02
}

TEST(NamedZone, Names) {
    EXPECT_FALSE(NamedZone::Find("Mars/Olympus"));
    EXPECT_FALSE(NamedZone::Find(""));
    EXPECT_FALSE(NamedZone::Find("GMT+05:30"));
    ASSERT_TRUE(NamedZone::Find("europe/LONDON"));
    EXPECT_EQ(NamedZone::Find("europe/LONDON")->Name(), "Europe/London");
    // The system's zone (from /etc/localtime, whatever TZ says).
    const auto local = NamedZone::Find("local");
    ASSERT_TRUE(local);
    EXPECT_FALSE(local->Name().empty());
    ASSERT_TRUE(NamedZone::Find("LOCAL"));
    EXPECT_EQ(NamedZone::Find("LOCAL")->Name(), local->Name());
    EXPECT_TRUE(NamedZone::Find(local->Name()));
}

}  // namespace
}  // namespace varnex
