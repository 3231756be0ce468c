#include "report/events.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(EventTable, OutputOrderAndMethodOrder) {
    const char* boxes[] = {"chkImbolc", "chkVE", "chkBeltane", "chkSS", "chkLughnassad", "chkAE", "chkSamhain", "chkWS"};
    for (std::size_t i = 0; i < kEventTable.size(); ++i) {
        EXPECT_EQ(kEventTable[i].checkBox, boxes[i]);
        EXPECT_EQ(kEventTable[i].quarter, static_cast<std::int16_t>(i / 2));
    }
    // True sun first for Imbolc and Beltane, mean sun first for Lughnassad and Samhain.
    EXPECT_EQ(methodOrder(kEventTable[0])[0], Method::TrueSun);
    EXPECT_EQ(methodOrder(kEventTable[2])[0], Method::TrueSun);
    EXPECT_EQ(methodOrder(kEventTable[4])[0], Method::MeanSun);
    EXPECT_EQ(methodOrder(kEventTable[6])[0], Method::MeanSun);
}

TEST(RemoveParenthesizedPart, DropsTheBracketAndTheBlankAfterIt) {
    EXPECT_EQ(RemoveParenthesizedPart("Spring (March) equinox"), "Spring equinox");
    EXPECT_EQ(RemoveParenthesizedPart("Winter (December) solstice"), "Winter solstice");
    EXPECT_EQ(RemoveParenthesizedPart("Imbolc"), "Imbolc");
    EXPECT_EQ(RemoveParenthesizedPart("Trailing (part)"), "Trailing ");
    EXPECT_EQ(RemoveParenthesizedPart("Wrong ) order ("), "Wrong ) order (");
}

TEST(BuildEventNames, FiveKindsFromTheCaptions) {
    const EventNameTable names = BuildEventNames(DefaultEventCaptions());
    const std::array<std::array<const char*, 4>, 5> expected = {{
        {"Spring (March) equinox", "Summer (June) solstice", "Autumn (September) equinox", "Winter (December) solstice"},
        {"Imbolc", "Beltane", "Lughnassad", "Samhain"},
        {"Spring equinox", "Summer solstice", "Autumn equinox", "Winter solstice"},
        {"Autumn equinox", "Winter solstice", "Spring equinox", "Summer solstice"},
        {"Lughnassad", "Samhain", "Imbolc", "Beltane"},
    }};
    for (std::size_t kind = 0; kind < 5; ++kind)
        for (std::size_t quarter = 0; quarter < 4; ++quarter)
            EXPECT_EQ(names[kind][quarter], expected[kind][quarter]) << kind << "," << quarter;
}

TEST(BuildEventNames, FollowsChangedCaptions) {
    EventCaptions captions = DefaultEventCaptions();
    captions[1] = "Vernal (March) equinox";
    captions[0] = "Candlemas";
    const EventNameTable names = BuildEventNames(captions);
    EXPECT_EQ(names[kNameFullEquinoxSolstice][0], "Vernal (March) equinox");
    EXPECT_EQ(names[kNameShortNorth][0], "Vernal equinox");
    EXPECT_EQ(names[kNameShortSouth][2], "Vernal equinox");
    EXPECT_EQ(names[kNameCrossQuarterSouth][2], "Candlemas");
}

}  // namespace
}  // namespace varnex
