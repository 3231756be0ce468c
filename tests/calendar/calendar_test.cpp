// Day numbers and dates in both calendars, and the text of dates, times and weekdays.
#include "calendar/calendar_date.h"
#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <limits>

namespace varnex {
namespace {

CalendarDate dateOf(std::int32_t dayNumber, std::int32_t calendar) {
    CalendarDate date{0, 0, 0, calendar, dayNumber};
    DayNumberToDate(date);
    return date;
}

TEST(DayNumberToDate, KnownAnchorsAndTheirWeekdays) {
    struct Anchor { std::int32_t dayNumber, calendar, year, month, day, weekday; };  // weekday 0 Sunday
    const Anchor anchors[] = {
        {2451545, kGregorianCode, 2000, 1, 1, 6},    {2451545, kJulianCode, 1999, 12, 19, 6},
        {2451545, 0, 2000, 1, 1, 6},  // any code but Julian is Gregorian
        {2299161, kGregorianCode, 1582, 10, 15, 5},  {2299160, kJulianCode, 1582, 10, 4, 4},
        {1721426, kGregorianCode, 1, 1, 1, 1},       {1721424, kJulianCode, 1, 1, 1, 6},
        {1721060, kGregorianCode, 0, 1, 1, 6},       {1757642, kJulianCode, 100, 2, 29, 6},
        {2415092, kJulianCode, 1900, 2, 29, 2},      {2817152, kGregorianCode, 3000, 12, 31, 3},
        {0, kJulianCode, -4712, 1, 1, 1},            {-2, kJulianCode, -4713, 12, 30, 6},
        {-8, kJulianCode, -4713, 12, 24, 0}};
    for (const Anchor& a : anchors) {
        const CalendarDate d = dateOf(a.dayNumber, a.calendar);
        EXPECT_TRUE(d.year == a.year && d.month == a.month && d.day == a.day)
            << a.dayNumber << " gave " << d.year << "-" << d.month << "-" << d.day;
        EXPECT_TRUE(d.calendar == a.calendar && d.dayNumber == a.dayNumber) << "left as they were";
        EXPECT_EQ(DayOfWeek(a.dayNumber), a.weekday) << a.dayNumber;
    }
}

TEST(DayNumberToDate, EveryDayOfTheYears0To3001InBothCalendars) {
    // Back to the same day number, dates running on day by day, the weekday advancing by one;
    // in the Gregorian calendar, the date and weekday std::chrono gives the day.
    using namespace std::chrono;
    constexpr std::int32_t kJdnOfUnixEpoch = 2440588;  // 1970-01-01, Gregorian
    for (const std::int32_t calendar : {kGregorianCode, kJulianCode}) {
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
            if (calendar == kGregorianCode) {
                const sys_days day{days{n - kJdnOfUnixEpoch}};
                ASSERT_EQ(year_month_day{day}, year_month_day(year{d.year}, month(static_cast<unsigned>(d.month)),
                                                              std::chrono::day(static_cast<unsigned>(d.day)))) << n;
                ASSERT_EQ(DayOfWeek(n), static_cast<int>(weekday{day}.c_encoding())) << n;
            }
            previous = d;
        }
        EXPECT_EQ(previous.year, 3001);
    }
}

TEST(TimeOfDayText, CutsNeverRounds) {
    struct Case { double fraction; bool withSeconds; const char* text; };
    const double t = (12 * 3600 + 34 * 60 + 59.9) / 86400.0;
    for (const Case& c : {Case{0.0, false, "00:00"}, Case{0.5, true, "12:00:00"}, Case{t, true, "12:34:59"},
                          Case{t, false, "12:34"},
                          // 2451545.1 UT at -300 min: 33839.99999 s without the nudge would read 09:23
                          Case{0.3916666666045785, false, "09:24"}, Case{0.999999995, false, "23:59"},
                          Case{0.999999995, true, "23:59:59"}, Case{1.0, false, "XX:XX:XX"},
                          Case{-0.1, false, "XX:XX:XX"}, Case{std::numeric_limits<double>::quiet_NaN(), true, "XX:XX:XX"}})
        EXPECT_EQ(TimeOfDayText(c.fraction, c.withSeconds), c.text) << c.fraction;
    EXPECT_EQ(TimeOfDay(2451545.3916666666), "09:24");  // the fraction of the local value
    EXPECT_EQ(TimeOfDay(-0.25), "18:00");               // above the floor
}

TEST(DateText, OrdersSeparatorsAndSuffixes) {
    struct Case { std::int32_t year, calendar; std::int16_t order; const char* separator; bool suffix; const char* text; };
    for (const Case& c : {Case{2015, kGregorianCode, DateOrderYMD, "-", true, "2015-03-20 CE"},
                          Case{2015, kJulianCode, DateOrderYMD, "-", true, "2015-03-20 JC"},
                          Case{800, kGregorianCode, DateOrderYMD, "-", false, "800-03-20"},
                          Case{2015, kGregorianCode, DateOrderDMY, ".", false, "20.03.2015"},
                          Case{2015, kGregorianCode, 9, "/", false, "03/20/2015"},  // any other order: MDY
                          Case{-12345, kGregorianCode, DateOrderDMY, "-", false, "20-03-(-12,345)"}})
        EXPECT_EQ(DateText({c.year, 3, 20, c.calendar, 0}, c.order, c.separator, ",", c.suffix), c.text);
    EXPECT_EQ(DateText({2015, 123, 7, kGregorianCode, 0}, DateOrderYMD, "-", ",", false), "2015-123-07");
}

}  // namespace
}  // namespace varnex
