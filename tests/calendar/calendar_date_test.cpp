#include "calendar/calendar_date.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace varnex {
namespace {

constexpr std::int32_t kJdnOfUnixEpoch = 2440588;  // 1970-01-01, Gregorian

CalendarDate dateOf(std::int32_t dayNumber, std::int32_t calendar) {
    CalendarDate date{0, 0, 0, calendar, dayNumber};
    DayNumberToDate(date);
    return date;
}

TEST(LocalCivilJD, MovesTheDayStartToMidnightAndAddsTheZone) {
    EXPECT_EQ(LocalCivilJD(2451544.5, 0), 2451545.0);
    const double v = LocalCivilJD(2451545.1, -300);
    EXPECT_NEAR(v, 2451545.3916666666, 1e-9);
    EXPECT_EQ(static_cast<std::int32_t>(std::floor(v)), 2451545);
    EXPECT_NEAR(LocalCivilJD(2451545.0, 720), 2451546.0, 1e-12);
}

TEST(DayNumberToDate, KnownAnchors) {
    struct Anchor {
        std::int32_t dayNumber, calendar, year, month, day;
    };
    const Anchor anchors[] = {
        {2451545, kGregorianCode, 2000, 1, 1},   {2451545, kJulianCode, 1999, 12, 19},
        {2299161, kGregorianCode, 1582, 10, 15}, {2299160, kJulianCode, 1582, 10, 4},
        {1721426, kGregorianCode, 1, 1, 1},      {1721424, kJulianCode, 1, 1, 1},
        {0, kJulianCode, -4712, 1, 1},           {1721060, kGregorianCode, 0, 1, 1},
        {1757642, kJulianCode, 100, 2, 29},      {2817152, kGregorianCode, 3000, 12, 31},
    };
    for (const Anchor& a : anchors) {
        const CalendarDate d = dateOf(a.dayNumber, a.calendar);
        EXPECT_EQ(d.year, a.year) << a.dayNumber;
        EXPECT_EQ(d.month, a.month) << a.dayNumber;
        EXPECT_EQ(d.day, a.day) << a.dayNumber;
        EXPECT_EQ(d.calendar, a.calendar) << "calendar left as it was";
        EXPECT_EQ(d.dayNumber, a.dayNumber) << "day number left as it was";
    }
}

TEST(DayNumberToDate, AnyCodeButJulianIsGregorian) {
    const CalendarDate d = dateOf(2451545, 0);
    EXPECT_EQ(d.year, 2000);
    EXPECT_EQ(d.calendar, 0);
}

class EveryDay : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(EveryDay, RoundTripsAndRunsOnDayByDay) {
    // Every day of the years 0 to 3001: back to the same day number, consecutive dates,
    // the weekday advancing by one.
    const std::int32_t calendar = GetParam();
    const auto first = static_cast<std::int32_t>(dayNumberFromDate(0, 1, 1, calendar));
    const auto last = static_cast<std::int32_t>(dayNumberFromDate(3001, 12, 31, calendar));
    CalendarDate previous = dateOf(first - 1, calendar);
    for (std::int32_t n = first; n <= last; ++n) {
        const CalendarDate d = dateOf(n, calendar);
        ASSERT_EQ(dayNumberFromDate(d.year, d.month, d.day, calendar), n);
        const bool nextDay = d.year == previous.year && d.month == previous.month && d.day == previous.day + 1;
        const bool nextMonth = d.year == previous.year && d.month == previous.month + 1 && d.day == 1;
        const bool nextYear = d.year == previous.year + 1 && d.month == 1 && d.day == 1 && previous.month == 12;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << n;
        ASSERT_EQ(DayOfWeek(n), (DayOfWeek(n - 1) + 1) % 7) << n;
        previous = d;
    }
    EXPECT_EQ(previous.year, 3001);
}

INSTANTIATE_TEST_SUITE_P(BothCalendars, EveryDay, ::testing::Values(kGregorianCode, kJulianCode));

TEST(DayNumberToDate, GregorianAgreesWithChrono) {
    using namespace std::chrono;
    const sys_days first = year_month_day{year{0}, January, day{1}};
    const sys_days last = year_month_day{year{3001}, December, day{31}};
    for (sys_days d = first; d <= last; d += days{1}) {
        const year_month_day ymd{d};
        const auto n = static_cast<std::int32_t>(d.time_since_epoch().count() + kJdnOfUnixEpoch);
        const CalendarDate ours = dateOf(n, kGregorianCode);
        ASSERT_EQ(ours.year, static_cast<int>(ymd.year())) << n;
        ASSERT_EQ(ours.month, static_cast<int>(static_cast<unsigned>(ymd.month()))) << n;
        ASSERT_EQ(ours.day, static_cast<int>(static_cast<unsigned>(ymd.day()))) << n;
        ASSERT_EQ(DayOfWeek(n), static_cast<int>(weekday{d}.c_encoding())) << n;
    }
}

TEST(DayNumberToDate, JulianLeapYearsEveryFourthYear) {
    for (const std::int64_t year : {-4, 0, 100, 200, 300, 1500, 1700, 1900}) {
        const auto feb28 = static_cast<std::int32_t>(dayNumberFromDate(year, 2, 28, kJulianCode));
        EXPECT_EQ(dateOf(feb28 + 1, kJulianCode).day, 29) << year;
    }
    const auto feb28 = static_cast<std::int32_t>(dayNumberFromDate(1900, 2, 28, kGregorianCode));
    EXPECT_EQ(dateOf(feb28 + 1, kGregorianCode).month, 3);
}

TEST(DayOfWeek, IsTheSameInBothCalendars) {
    EXPECT_EQ(DayOfWeek(2451545), 6);  // Saturday 1 January 2000 = 19 December 1999 Julian
    EXPECT_EQ(DayOfWeek(2299161), 5);  // Friday 15 October 1582
    EXPECT_EQ(DayOfWeek(2299160), 4);  // Thursday 4 October 1582 (Julian)
    EXPECT_EQ(DayOfWeek(0), 1);        // Monday 1 January 4713 BC (Julian)
    EXPECT_EQ(DayOfWeek(-1), 0);
    EXPECT_EQ(DayOfWeek(-2), 6);
    EXPECT_EQ(DayOfWeek(-8), 0);
}

}  // namespace
}  // namespace varnex
