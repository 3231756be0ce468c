#include "calendar/date_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnex {
namespace {

TEST(WeekdayName, NamesPaddingAndRange) {
    EXPECT_EQ(WeekdayName(0, false, kLanguageEnglish), "Sunday");
    EXPECT_EQ(WeekdayName(6, false, kLanguageEnglish), "Saturday");
    EXPECT_EQ(WeekdayName(4, false, kLanguageGerman), "Donnerstag");
    EXPECT_EQ(WeekdayName(6, false, 7), "Saturday");  // any language but 1 is English
    EXPECT_EQ(WeekdayName(2, true, kLanguageEnglish), "Tuesday  ");
    EXPECT_EQ(WeekdayName(3, true, kLanguageEnglish), "Wednesday");
    EXPECT_EQ(WeekdayName(4, true, kLanguageGerman), "Donnerstag");  // longer than 9: whole
    EXPECT_EQ(WeekdayName(7, false, kLanguageEnglish), "");
    EXPECT_EQ(WeekdayName(-1, true, kLanguageEnglish), "");
}

struct TimeCase {
    double fraction;
    bool withSeconds;
    const char* text;
};

class TimeOfDayTextCases : public ::testing::TestWithParam<TimeCase> {};

TEST_P(TimeOfDayTextCases, CutsNeverRounds) {
    EXPECT_EQ(TimeOfDayText(GetParam().fraction, GetParam().withSeconds), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TimeOfDayTextCases,
    ::testing::Values(TimeCase{0.0, false, "00:00"}, TimeCase{0.5, true, "12:00:00"},
                      // 2451545.1 UT at -300 min: 33839.99999 s without the nudge would read 09:23
                      TimeCase{0.3916666666045785, false, "09:24"},
                      TimeCase{0.999999995, false, "23:59"}, TimeCase{0.999999995, true, "23:59:59"},
                      TimeCase{(12 * 3600 + 34 * 60 + 59.9) / 86400.0, true, "12:34:59"},
                      TimeCase{(12 * 3600 + 34 * 60 + 59.9) / 86400.0, false, "12:34"},
                      TimeCase{1.0, false, "XX:XX:XX"}, TimeCase{-0.1, false, "XX:XX:XX"},
                      TimeCase{std::numeric_limits<double>::quiet_NaN(), true, "XX:XX:XX"}));

TEST(TimeOfDay, UsesTheFractionOfTheLocalValue) {
    EXPECT_EQ(TimeOfDay(2451545.3916666666), "09:24");
    EXPECT_EQ(TimeOfDay(2451545.0), "00:00");
    EXPECT_EQ(TimeOfDay(-0.25), "18:00");  // the fraction above the floor
}

CalendarDate date(std::int32_t year, std::int32_t month, std::int32_t day, std::int32_t calendar) {
    return {year, month, day, calendar, 0};
}

TEST(DateText, OrdersSeparatorsAndSuffixes) {
    EXPECT_EQ(DateText(date(2015, 3, 20, kGregorianCode), DateOrderYMD, "-", ",", true), "2015-03-20 CE");
    EXPECT_EQ(DateText(date(2015, 3, 20, kJulianCode), DateOrderYMD, "-", ",", true), "2015-03-20 JC");
    EXPECT_EQ(DateText(date(2015, 3, 20, kGregorianCode), DateOrderYMD, "-", ",", false), "2015-03-20");
    EXPECT_EQ(DateText(date(800, 1, 5, kGregorianCode), DateOrderYMD, "-", ",", false), "800-01-05");
    EXPECT_EQ(DateText(date(2015, 3, 20, kGregorianCode), DateOrderDMY, ".", ",", false), "20.03.2015");
    EXPECT_EQ(DateText(date(2015, 3, 20, kGregorianCode), DateOrderMDY, "/", ",", false), "03/20/2015");
    EXPECT_EQ(DateText(date(2015, 3, 20, kGregorianCode), 9, "/", ",", false), "03/20/2015");
    EXPECT_EQ(DateText(date(-44, 3, 20, kJulianCode), DateOrderYMD, "-", ",", false), "-44-03-20");
    EXPECT_EQ(DateText(date(-44, 3, 20, kJulianCode), DateOrderDMY, "-", ",", false), "20-03-(-44)");
    EXPECT_EQ(DateText(date(-44, 3, 20, kJulianCode), DateOrderMDY, "-", ",", false), "03-20-(-44)");
    EXPECT_EQ(DateText(date(12345, 3, 20, kGregorianCode), DateOrderYMD, "-", ",", false), "12,345-03-20");
    EXPECT_EQ(DateText(date(9999, 3, 20, kGregorianCode), DateOrderYMD, "-", ",", false), "9999-03-20");
    EXPECT_EQ(DateText(date(-12345, 3, 20, kGregorianCode), DateOrderDMY, "-", ",", false), "20-03-(-12,345)");
    EXPECT_EQ(DateText(date(2015, 123, 7, kGregorianCode), DateOrderYMD, "-", ",", false), "2015-123-07");
}

TEST(SeparateThousands, GroupsFromTheRight) {
    EXPECT_EQ(SeparateThousands("12345", ","), "12,345");
    EXPECT_EQ(SeparateThousands("123456", ","), "123,456");
    EXPECT_EQ(SeparateThousands("1234567", "."), "1.234.567");
    EXPECT_EQ(SeparateThousands("-2147483648", ","), "-2,147,483,648");
    EXPECT_EQ(SeparateThousands("999", ","), "999");
    EXPECT_EQ(SeparateThousands("12345", ""), "12345");             // no separator: unchanged
    EXPECT_EQ(SeparateThousands("12345", ", "), "12,345");          // first character only
    EXPECT_EQ(SeparateThousands("12345", "\xE2\x80\x99"), "12\xE2\x80\x99" "345");  // a whole UTF-8 character
    EXPECT_EQ(SeparateThousands("12a45", ","), "12a45");            // not a number: unchanged
    // 20 digits would need 26 bytes with separators: kept whole rather than cut.
    EXPECT_EQ(SeparateThousands("12345678901234567890", ","), "12345678901234567890");
}

}  // namespace
}  // namespace varnex
