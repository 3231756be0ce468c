// The parts of a result: the names of the events, the local date and time.
#include "text/language.h"
#include "report/events.h"
#include "report/result_text.h"

#include <gtest/gtest.h>

#include <tuple>

namespace varnex {
namespace {

TEST(RemoveParenthesizedPart, DropsTheBracketAndTheBlankAfterIt) {
    EXPECT_EQ(RemoveParenthesizedPart("Imbolc"), "Imbolc");
    EXPECT_EQ(RemoveParenthesizedPart("Trailing (part)"), "Trailing");
    EXPECT_EQ(RemoveParenthesizedPart("Wrong ) order ("), "Wrong ) order (");
}

TEST(BuildEventNames, SixKindsFromTheCaptionsAsTheyStand) {
    EXPECT_EQ(buildEventNames(defaultEventCaptions()),
              (EventNameTable{{{"Spring (March) equinox", "Summer (June) solstice", "Autumn (September) equinox",
                                "Winter (December) solstice"},
                               {"Imbolc", "Beltane", "Lughnassad", "Samhain"},
                               {"Spring equinox", "Summer solstice", "Autumn equinox", "Winter solstice"},
                               {"Autumn equinox", "Winter solstice", "Spring equinox", "Summer solstice"},
                               {"Lughnassad", "Samhain", "Imbolc", "Beltane"},
                               {"Autumn (March) equinox", "Winter (June) solstice", "Spring (September) equinox",
                                "Summer (December) solstice"}}}));
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

}  // namespace
}  // namespace varnex
