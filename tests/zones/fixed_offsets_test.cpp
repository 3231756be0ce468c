// The fixed offsets: the window's list of zones, their suffixes, and the offsets varnex-cli takes.
#include "zones/fixed_offsets.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace varnex {
namespace {

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
