// The calendar in force under a reform: named reforms and their gaps, every date of the years
// 1 to 3000, dual dates, and the reform words.
#include "calendar/calendar_reform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ostream>

namespace varnex {
namespace {

struct Ymd {
    std::int32_t year, month, day;
    bool operator==(const Ymd&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Ymd& d) { return out << d.year << "-" << d.month << "-" << d.day; }
Ymd ymdOf(const CalendarDate& d) { return {d.year, d.month, d.day}; }

CalendarReform reformOf(std::string_view text) {
    std::string complaint;
    const auto reform = parseReform(text, complaint);
    EXPECT_TRUE(reform) << text << ": " << complaint;
    return reform.value_or(kProlepticGregorian);
}

// The Julian calendar date of a Julian Day Number (noon), by Meeus, Astronomical Algorithms,
// 2nd ed., ch. 7 (with A = Z, the Julian calendar), for day numbers above 0.
Ymd meeusJulianDate(std::int32_t jdn) {
    const double b = jdn + 1524.0;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    const auto month = static_cast<std::int32_t>(e < 14 ? e - 1 : e - 13);
    return {static_cast<std::int32_t>(month > 2 ? c - 4716 : c - 4715), month,
            static_cast<std::int32_t>(b - d - std::floor(30.6001 * e))};
}

TEST(CalendarReform, NamedReformsSkipTheirGapAndKeepTheWeekdays) {
    struct Case { const char* word; Ymd lastJulian, firstGregorian; int lastWeekday, gapDays; };  // 0 Sunday
    for (const Case& c : {Case{"Rome", {1582, 10, 4}, {1582, 10, 15}, 4, 10},
                          Case{"BRITAIN", {1752, 9, 2}, {1752, 9, 14}, 3, 11},
                          Case{"russia", {1918, 1, 31}, {1918, 2, 14}, 3, 13},
                          Case{"greece", {1923, 2, 15}, {1923, 3, 1}, 3, 13},
                          Case{"reform:1700-03-01", {1700, 2, 18}, {1700, 3, 1}, 0, 10}}) {
        const CalendarReform reform = reformOf(c.word);
        const std::int32_t first = reform.firstGregorianDay;
        const CalendarDate before = dateInForce(first - 1, reform), from = dateInForce(first, reform);
        EXPECT_TRUE(ymdOf(before) == c.lastJulian && before.calendar == kJulianCode) << c.word;
        EXPECT_TRUE(ymdOf(from) == c.firstGregorian && from.calendar == kGregorianCode) << c.word;
        EXPECT_EQ(DayOfWeek(first - 1), c.lastWeekday) << c.word;
        EXPECT_EQ(DayOfWeek(first), (c.lastWeekday + 1) % 7) << c.word;
        // The Gregorian dates after the last Julian one up to the first Gregorian one name no day.
        int gap = 0;
        for (auto n = static_cast<std::int32_t>(dayNumberFromDate(c.lastJulian.year, c.lastJulian.month,
                                                                   c.lastJulian.day, kGregorianCode)) + 1;
             n < first; ++n, ++gap) {
            const CalendarDate skipped = otherCalendarDate(n, kJulianCode);
            EXPECT_FALSE(dayNumberInForce(skipped.year, skipped.month, skipped.day, reform)) << c.word << " " << n;
        }
        EXPECT_EQ(gap, c.gapDays) << c.word;
    }
}

TEST(CalendarReform, EveryDateOfTheYears1To3000NamesTheNextDay) {
    // Every year, month and day 1 to 31 in order: the dates that name a day name consecutive
    // days, from Julian 1 January 1 to Gregorian 31 December 3000, each dated back as it reads.
    for (const char* word : {"rome", "britain", "russia", "greece", "reform:0200-03-01"}) {
        const CalendarReform reform = reformOf(word);
        std::int32_t expected = 1721424;  // Julian 0001-01-01
        for (std::int32_t year = 1; year <= 3000; ++year)
            for (std::int32_t month = 1; month <= 12; ++month)
                for (std::int32_t day = 1; day <= 31; ++day) {
                    const auto n = dayNumberInForce(year, month, day, reform);
                    if (!n) continue;
                    ASSERT_EQ(*n, expected) << word << " " << year << "-" << month << "-" << day;
                    const CalendarDate d = dateInForce(*n, reform);
                    ASSERT_TRUE(ymdOf(d) == (Ymd{year, month, day}) && d.dayNumber == *n) << word << " " << *n;
                    ASSERT_EQ(d.calendar, *n < reform.firstGregorianDay ? kJulianCode : kGregorianCode) << *n;
                    ++expected;
                }
        EXPECT_EQ(expected, 2817153) << word;  // the day after Gregorian 3000-12-31
    }
}

TEST(CalendarReform, DatesInForceAndTheirDays) {
    struct Case { const char* reform; Ymd date; std::int32_t calendar, dayNumber; };  // calendar 0: no day
    for (const Case& c : {Case{"rome", {1, 1, 1}, kJulianCode, 1721424},
                          Case{"rome", {99, 12, 31}, kJulianCode, 1757582},  // not 1999
                          Case{"rome", {1000, 2, 29}, kJulianCode, 2086367},  // Julian only
                          Case{"rome", {1582, 10, 5}, 0, 0}, Case{"rome", {1582, 10, 14}, 0, 0},
                          Case{"rome", {1700, 2, 29}, 0, 0},  // Gregorian by then
                          Case{"britain", {1700, 2, 29}, kJulianCode, 2342042}, Case{"britain", {1800, 2, 29}, 0, 0},
                          Case{"russia", {1918, 2, 1}, 0, 0}, Case{"greece", {1923, 2, 28}, 0, 0},
                          Case{"rome", {1582, 2, 30}, 0, 0}, Case{"rome", {1582, 13, 1}, 0, 0},
                          Case{"rome", {1582, 4, 31}, 0, 0}, Case{"rome", {1582, 0, 1}, 0, 0}}) {
        const CalendarReform reform = reformOf(c.reform);
        const auto n = dayNumberInForce(c.date.year, c.date.month, c.date.day, reform);
        EXPECT_EQ(n.value_or(0), c.dayNumber) << c.reform << " " << c.date;
        EXPECT_EQ(n ? dateInForce(*n, reform).calendar : 0, c.calendar) << c.reform << " " << c.date;
    }
    // The proleptic calendars as reforms.
    EXPECT_EQ(dayNumberInForce(1582, 10, 10, kProlepticGregorian), 2299156);
    EXPECT_EQ(dayNumberInForce(1582, 10, 10, kProlepticJulian), 2299166);
}

TEST(CalendarReform, DualDatesOf1582To1923AgreeWithIndependentConversions) {
    // Gregorian dates by std::chrono, Julian dates by Meeus: both of one day number.
    using namespace std::chrono;
    constexpr std::int32_t kJdnOfUnixEpoch = 2440588;  // 1970-01-01, Gregorian
    for (const char* word : {"rome", "britain", "russia", "greece"}) {
        const CalendarReform reform = reformOf(word);
        for (std::int32_t n = 2298884; n <= 2424151; ++n) {  // Gregorian 1582-01-01 to 1923-12-31
            const CalendarDate inForce = dateInForce(n, reform);
            const CalendarDate other = otherCalendarDate(n, inForce.calendar);
            ASSERT_NE(inForce.calendar, other.calendar);
            ASSERT_TRUE(inForce.dayNumber == n && other.dayNumber == n);
            const CalendarDate& gregorian = inForce.calendar == kGregorianCode ? inForce : other;
            const CalendarDate& julian = inForce.calendar == kJulianCode ? inForce : other;
            const year_month_day ymd{sys_days{days{n - kJdnOfUnixEpoch}}};
            const Ymd chrono{static_cast<int>(ymd.year()), static_cast<int>(unsigned{ymd.month()}),
                             static_cast<int>(unsigned{ymd.day()})};
            ASSERT_EQ(ymdOf(gregorian), chrono) << n;
            ASSERT_EQ(ymdOf(julian), meeusJulianDate(n)) << n;
        }
    }
}

TEST(CalendarReform, TheYearAsWrittenBeforeBritainBeganItOnTheFirstOfJanuary) {
    // England's legal year began on 25 March until 1751, which ended on 31 December.
    struct Case { const char* reform; Ymd julian; const char* written; };
    for (const Case& c : {Case{"britain", {1700, 2, 1}, "1699/1700"}, Case{"britain", {1751, 3, 24}, "1750/1751"},
                          Case{"britain", {1751, 3, 25}, ""}, Case{"britain", {1700, 12, 31}, ""},
                          Case{"britain", {1752, 2, 1}, ""}, Case{"britain", {1, 1, 1}, ""}, Case{"britain", {2, 1, 1}, "1/2"},
                          Case{"rome", {1500, 2, 1}, ""}, Case{"russia", {1700, 2, 1}, ""}}) {
        const CalendarReform reform = reformOf(c.reform);
        const auto day = dayNumberInForce(c.julian.year, c.julian.month, c.julian.day, reform);
        ASSERT_TRUE(day) << c.julian;
        EXPECT_EQ(oldStyleYearText(dateInForce(*day, reform), reform).value_or(""), c.written) << c.reform << " " << c.julian;
    }
    // A Gregorian date in Britain's calendar (after the reform) is written as it stands.
    EXPECT_FALSE(oldStyleYearText(dateInForce(*dayNumberInForce(1753, 2, 1, reformOf("britain")), reformOf("britain")),
                                  reformOf("britain")));
}

TEST(ParseReform, WordsAndFirstGregorianDays) {
    struct Case { const char* text; std::int32_t firstDay; const char* complaintPart; };  // firstDay 0: refused
    for (const Case& c : {Case{"ROME", 2299161, ""}, Case{"reform:1582-10-15", 2299161, ""},
                          Case{"Reform:1752-09-14", 2361222, ""}, Case{"reform:0200-03-01", 1794168, ""},
                          Case{"reform:3000-12-31", 2817152, ""},
                          Case{"", 0, "unknown calendar reform ''"}, Case{" rome", 0, "unknown"},
                          Case{"gregorian", 0, "unknown"}, Case{"reform:abc", 0, "no date YYYY-MM-DD"},
                          Case{"reform:", 0, "no date"}, Case{"reform:1582-10-15x", 0, "no date"},
                          Case{"reform:1582-10-5", 0, "no date"}, Case{"reform:1582-02-30", 0, "no Gregorian date"},
                          Case{"reform:1582-13-01", 0, "no Gregorian date"}, Case{"reform:0000-12-31", 0, "outside"},
                          Case{"reform:3001-01-01", 0, "outside"}, Case{"reform:0200-02-28", 0, "before 0200-03-01"},
                          Case{"reform:0100-01-01", 0, "before 0200-03-01"}}) {
        std::string complaint;
        const auto reform = parseReform(c.text, complaint);
        EXPECT_EQ(reform ? reform->firstGregorianDay : 0, c.firstDay) << c.text;
        if (reform) continue;
        EXPECT_NE(complaint.find(c.complaintPart), std::string::npos) << complaint;
        EXPECT_EQ(complaint.find("Accepted"), std::string::npos) << complaint;  // the caller says what is
    }
    EXPECT_TRUE(reformsAcceptedText().starts_with("rome, britain, russia, greece, or reform:YYYY-MM-DD"));
}

}  // namespace
}  // namespace varnex
