#include "report/timezones.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(TimezoneEntries, FortyNineHalfHourSteps) {
    const auto& entries = TimezoneEntries();
    const struct {
        int item;
        const char* text;
        int minutes;
    } rows[] = {{0, "GMT-12:00", -720}, {1, "GMT-11:30", -690}, {22, "GMT-01:00", -60}, {23, "GMT-00:30", -30},
                {24, "GMT", 0},          {25, "GMT+00:30", 30},   {26, "GMT+01:00", 60},  {35, "GMT+05:30", 330},
                {47, "GMT+11:30", 690},  {48, "GMT+12:00", 720}};
    for (const auto& row : rows) {
        EXPECT_EQ(entries[static_cast<std::size_t>(row.item)].text, row.text);
        EXPECT_EQ(entries[static_cast<std::size_t>(row.item)].offsetMinutes, row.minutes);
    }
    for (std::size_t i = 1; i < entries.size(); ++i) EXPECT_EQ(entries[i].offsetMinutes - entries[i - 1].offsetMinutes, 30);
}

TEST(TimezoneSuffix, GmtOrTheListText) {
    EXPECT_EQ(TimezoneSuffix(0), " GMT");
    EXPECT_EQ(TimezoneSuffix(330), " GMT+05:30");
    EXPECT_EQ(TimezoneSuffix(-30), " GMT-00:30");
}

TEST(TimezoneOffsetOfIndex, NoSelectionCountsAsGmt) {
    EXPECT_EQ(TimezoneOffsetOfIndex(24), 0);
    EXPECT_EQ(TimezoneOffsetOfIndex(0), -720);
    EXPECT_EQ(TimezoneOffsetOfIndex(-1), 0);
    EXPECT_EQ(TimezoneOffsetOfIndex(49), 0);
}

TEST(ParseTimezone, ListTextsAndHours) {
    const struct {
        const char* text;
        int minutes;
    } accepted[] = {{"GMT+05:30", 330}, {"gmt-12:00", -720}, {"GMT", 0}, {"UTC+1", 60}, {"+05:30", 330},
                    {"-1", -60},        {"0", 0},             {"5.5", 330}, {"-0.5", -30}, {"+12", 720}};
    for (const auto& a : accepted) {
        const auto offset = ParseTimezone(a.text);
        ASSERT_TRUE(offset.has_value()) << a.text;
        EXPECT_EQ(*offset, a.minutes) << a.text;
    }
    for (const char* rejected : {"", "GMT+", "+13", "-12:30", "+05:15", "5.25", "+5:3", "abc", "GMT+05:30x",
                                 "99999999999", ":30", "+-1"})
        EXPECT_FALSE(ParseTimezone(rejected).has_value()) << rejected;
}

}  // namespace
}  // namespace varnex
