// The parts of a result: the names of the events, the local date and time, the zone.
#include "text/language.h"
#include "report/events.h"
#include "report/result_text.h"
#include "zones/fixed_offsets.h"

#include <gtest/gtest.h>

#include <tuple>

namespace varnex {
namespace {

TEST(RemoveParenthesizedPart, DropsTheBracketAndTheBlankAfterIt) {
    EXPECT_EQ(RemoveParenthesizedPart("Imbolc"), "Imbolc");
    EXPECT_EQ(RemoveParenthesizedPart("Trailing (part)"), "Trailing");
    EXPECT_EQ(RemoveParenthesizedPart("Wrong ) order ("), "Wrong ) order (");
}

TEST(BuildEventNames, FiveKindsFromTheCaptionsAsTheyStand) {
    EXPECT_EQ(buildEventNames(defaultEventCaptions()),
              (EventNameTable{{{"Spring (March) equinox", "Summer (June) solstice", "Autumn (September) equinox",
                                "Winter (December) solstice"},
                               {"Imbolc", "Beltane", "Lughnassad", "Samhain"},
                               {"Spring equinox", "Summer solstice", "Autumn equinox", "Winter solstice"},
                               {"Autumn equinox", "Winter solstice", "Spring equinox", "Summer solstice"},
                               {"Lughnassad", "Samhain", "Imbolc", "Beltane"}}}));
}

TEST(FormatInstant, LocalDateWeekdayAndMidnightBelongsToTheNextDay) {
    CalendarDate work{};
    const auto text = [&work](double jd, std::int32_t minutes, std::int32_t calendar = kGregorianCode) {
        const InstantText instant = FormatInstant(jd, minutes * 60, prolepticReformOf(calendar), intEnglish, work);
        return instant.dateTime + " " + instant.weekday;
    };
    // 2451545.1 UT at GMT-05:00 is 09:24 on Saturday 1 January 2000 (19 December 1999, Julian).
    EXPECT_EQ(text(2451545.1, -300), "2000-01-01 CE 09:24 Saturday");
    EXPECT_EQ(text(2451545.1, -300, kJulianCode), "1999-12-19 JC 09:24 Saturday");
    const double midnight = 2451544.5;  // 0h UT, 1 January 2000
    EXPECT_EQ(text(midnight, 0), "2000-01-01 CE 00:00 Saturday");
    EXPECT_EQ(text(midnight - 1e-6, 0), "1999-12-31 CE 23:59 Friday");
    EXPECT_EQ(text(midnight, 330), "2000-01-01 CE 05:30 Saturday");
    EXPECT_EQ(text(midnight, -30), "1999-12-31 CE 23:30 Friday");
}

TEST(Timezones, FortyNineHalfHourStepsAndNoSelectionIsGmt) {
    const auto& entries = timezoneEntries();
    const std::tuple<std::size_t, std::string, int> items[] = {
        {0, "GMT-12:00", -720}, {1, "GMT-11:30", -690}, {22, "GMT-01:00", -60},  {23, "GMT-00:30", -30},
        {24, "GMT", 0},         {25, "GMT+00:30", 30},  {26, "GMT+01:00", 60},   {35, "GMT+05:30", 330},
        {47, "GMT+11:30", 690}, {48, "GMT+12:00", 720}};
    for (const auto& [item, text, minutes] : items) {
        EXPECT_EQ(entries[item].text, text);
        EXPECT_EQ(entries[item].offsetMinutes, minutes) << text;
        EXPECT_EQ(timezoneOffsetOfIndex(static_cast<int>(item)), minutes) << text;
    }
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_EQ(entries[i].offsetMinutes - entries[i - 1].offsetMinutes, 30);
    EXPECT_EQ(timezoneOffsetOfIndex(-1), 0);
    EXPECT_EQ(timezoneOffsetOfIndex(49), 0);
    EXPECT_EQ(TimezoneSuffix(0), " GMT");
    EXPECT_EQ(TimezoneSuffix(-30), " GMT-00:30");
}

TEST(ParseTimezone, ListTextsAndHours) {
    for (const auto& [text, minutes] : {std::pair<const char*, int>{"GMT+05:30", 330}, {"gmt-12:00", -720}, {"GMT", 0},
                                        {"UTC+1", 60}, {"+05:30", 330}, {"-1", -60}, {"0", 0}, {"5.5", 330},
                                        {"-0.5", -30}, {"+12", 720}, {"+05:45", 345}, {"+13", 780},
                                        {"GMT+14:00", 840}, {"12.75", 765}, {"-3.0", -180}})
        EXPECT_EQ(parseTimezone(text), minutes) << text;
    for (const char* rejected : {"", "GMT+", "+14:15", "-12:30", "+05:10", "5.3", "+5:3", "abc", "GMT+05:30x",
                                 "99999999999", ":30", "+-1"})
        EXPECT_FALSE(parseTimezone(rejected).has_value()) << rejected;
}

}  // namespace
}  // namespace varnex
