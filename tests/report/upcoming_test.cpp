// What comes next from a moment: the moment's text, the time left, the season.
#include "report/upcoming.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnex {
namespace {

TEST(Upcoming, MomentsInIso8601) {
    // JD 2461100.5 is 2026-03-01 00:00 UT.
    const std::pair<const char*, double> moments[] = {
        {"2026-03-01T00:00:00Z", 2461100.5},        {"2026-03-01", 2461100.5},
        {"2026-03-01T05:30+05:30", 2461100.5},      {"2026-02-28T19:00:00-05:00", 2461100.5},
        {"2026-03-01 12:00Z", 2461101.0},           {"2026-03-01T00:00:00.5Z", 2461100.5 + 0.5 / 86400},
        {"0001-01-01T00:00Z", 1721425.5},          {"2026-03-01t00:00:00z", 2461100.5}, {"3000-12-31T23:59:59Z", 2817152.5 - 1.0 / 86400}};
    for (const auto& [text, jd] : moments) {
        const auto parsed = parseMoment(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_NEAR(*parsed, jd, 1e-6) << text;
    }
    for (const char* bad : {"2026-02-30", "2026-03-01T24:00Z", "2026-03-01T10:00", "3001-01-01", "0000-12-31",
                            "0001-01-01T00:00:00+14:00", "3000-12-31T23:59:59-12:00",
                            "2026-3-1", "2026-03-01T10:00+5", "tomorrow", ""})
        EXPECT_FALSE(parseMoment(bad)) << bad;
}

TEST(Upcoming, TimeLeftInItsTwoLargestUnits) {
    const std::pair<double, const char*> spans[] = {
        {19 * 86400 + 14 * 3600 + 45 * 60 + 35.9, "in 19 days 14 hours"}, {86400 + 59, "in 1 day 0 hours"},
        {3 * 3600 + 120, "in 3 hours 2 minutes"},  {3600, "in 1 hour 0 minutes"},
        {61, "in 1 minute 1 second"},              {335.5, "in 5 minutes 35 seconds"},
        {59.9, "in 59 seconds"},                   {1, "in 1 second"}};
    for (const auto& [seconds, text] : spans) EXPECT_EQ(timeLeftText(seconds, intEnglish), text) << seconds;
}

}  // namespace
}  // namespace varnex
