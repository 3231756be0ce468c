// The festivals' days by their rules against the published calendars.
#include "report/day_rules.h"

#include "support/reference_data.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace varnex {
namespace {

std::string isoDate(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

TEST(DayRules, NowruzByEitherNoonIsTheCalendarCentresEveryYear1206To1498) {
    // The Calendar Center's 1 Farvardin of every year 1206-1498 AP (1827-2119): so also every leap
    // year of its list, a leap year being one whose next Nowruz is 366 days on. The two statements
    // of noon part first in 1798 and 2124 (an equinox between 12:00 and Tehran's true noon).
    for (const DayRuleKind kind : {DayRuleKind::Nowruz, DayRuleKind::NowruzTrueNoon}) {
        std::size_t years = 0;
        for (const auto& row : test::csvRows("iran_leap_years.csv")) {  // year_ap,leap,nowruz_gregorian
            const std::int32_t year = std::stoi(row.at(0)) + 621;
            const RuleDay day = ruleDayOf({kind}, year, kProlepticGregorian, Zone{});
            EXPECT_EQ(isoDate(day.day), row.at(2)) << dayRuleKey({kind}) << " " << row.at(0) << " AP";
            ++years;
        }
        EXPECT_EQ(years, 293u);
    }
}

TEST(DayRules, NawRuzIsTheWorldCentresDate2015To2064) {
    // 2026 and 2059 are the close ones: the equinox within 10 s and 71 s of sunset in Tehran.
    std::size_t years = 0;
    for (const auto& row : test::csvRows("naw_ruz_dates.csv")) {  // gregorian_year,march_day
        const std::int32_t year = std::stoi(row.at(0));
        const RuleDay day = ruleDayOf({DayRuleKind::NawRuz}, year, kProlepticGregorian, Zone{});
        EXPECT_EQ(day.day.month * 100 + day.day.day, 300 + std::stoi(row.at(1))) << year;
        ++years;
    }
    EXPECT_EQ(years, 50u);
}

TEST(DayRules, BeforeAClockTimeInTheZoneAndTheWordsOfTheRules) {
    // 2026's equinox is 14:45:57 UT: before 15:00 in London (that day), after 14:00 (the next).
    EXPECT_EQ(isoDate(ruleDayOf(*parseDayRule("before:15:00"), 2026, kProlepticGregorian, Zone{}).day), "2026-03-20");
    const RuleDay after = ruleDayOf(*parseDayRule("before:14:00"), 2026, kProlepticGregorian, Zone{});
    EXPECT_EQ(isoDate(after.day), "2026-03-21");
    EXPECT_NEAR(after.marginSeconds, 45 * 60 + 57, 1);
    for (const char* bad : {"before:24:00", "before:9:00", "before:09:60", "nowruz ", "before:", "noon"})
        EXPECT_FALSE(parseDayRule(bad)) << bad;
    EXPECT_EQ(dayRuleKey(*parseDayRule("before:09:05")), "before-09:05");
}

}  // namespace
}  // namespace varnex
