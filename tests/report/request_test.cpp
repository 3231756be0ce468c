#include "report/request.h"

#include "astro/delta_t.h"
#include "astro/solar_events.h"
#include "report/timezones.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace varnex {
namespace {

class Request : public ::testing::Test {
protected:
    void SetUp() override { InitPeriodicTerms(); }
    const EventNameTable names_ = BuildEventNames(DefaultEventCaptions());

    std::vector<std::string> texts(const CalculateRequest& request) const {
        std::vector<std::string> result;
        for (const RequestLine& line : RequestLines(request, names_)) result.push_back(line.text);
        return result;
    }
    static CalculateRequest only(std::size_t event, std::int32_t year = 2015) {
        CalculateRequest request{year, 'G', 0, FullSelection(), false};
        request.selection.events.fill(false);
        request.selection.events[event] = true;
        return request;
    }
};

TEST_F(Request, SelectionMessages) {
    Selection none = FullSelection();
    none.events.fill(false);
    const auto noEvent = CheckSelection(none, "Calculate");
    ASSERT_TRUE(noEvent);
    EXPECT_EQ(noEvent->prompt, "At least one event must be selected.");
    EXPECT_EQ(noEvent->title, "Calculate");
    EXPECT_EQ(noEvent->icon, MessageIcon::None);

    Selection noMethod = FullSelection();
    noMethod.trueSun = noMethod.meanSun = false;
    const auto method = CheckSelection(noMethod, "Calculate");
    ASSERT_TRUE(method);
    EXPECT_EQ(method->prompt,
              "When calculating cross-quarter days at least one of 'True sun' and 'Mean sun' must be selected.");
    EXPECT_EQ(method->icon, MessageIcon::Information);

    Selection equinoxOnly = noMethod;
    equinoxOnly.events = {false, true, false, false, false, false, false, false};
    EXPECT_FALSE(CheckSelection(equinoxOnly, "Calculate"));
}

TEST_F(Request, TwelveLinesInTheOrderOfTheTable) {
    const auto lines = RequestLines({2015, 'G', 0, FullSelection(), false}, names_);
    const char* expected[] = {"Imbolc (true sun)",      "Imbolc (mean sun)",         "Spring (March) equinox",
                              "Beltane (true sun)",     "Beltane (mean sun)",        "Summer (June) solstice",
                              "Lughnassad (mean sun)",  "Lughnassad (true sun)",     "Autumn (September) equinox",
                              "Samhain (mean sun)",     "Samhain (true sun)",        "Winter (December) solstice"};
    ASSERT_EQ(lines.size(), 12u);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text.rfind(expected[i], 0), 0u) << lines[i].text;
        EXPECT_EQ(lines[i].text.substr(32, 5), "2015-") << "the date starts in column 33: " << lines[i].text;
        EXPECT_EQ(lines[i].text.substr(lines[i].text.size() - 6), " GMT\r\n");
    }
}

TEST_F(Request, MethodsFollowTheirBoxes) {
    EXPECT_EQ(texts(only(0)).size(), 2u);
    EXPECT_NE(texts(only(0))[0].find("(true sun)"), std::string::npos);  // Imbolc: true first
    EXPECT_NE(texts(only(6))[0].find("(mean sun)"), std::string::npos);  // Samhain: mean first
    CalculateRequest meanOnly = only(6);
    meanOnly.selection.trueSun = false;
    ASSERT_EQ(texts(meanOnly).size(), 1u);
    EXPECT_NE(texts(meanOnly)[0].find("(mean sun)"), std::string::npos);
    CalculateRequest equinoxWithoutMethods = only(1);
    equinoxWithoutMethods.selection.trueSun = equinoxWithoutMethods.selection.meanSun = false;
    EXPECT_EQ(texts(equinoxWithoutMethods).size(), 1u);
}

TEST_F(Request, March2015InTwoZonesWithWeekday) {
    // The March equinox of 2015 fell at 22:45 UT on Friday 20 March (USNO).
    CalculateRequest request = only(1);
    request.includeWeekday = true;
    EXPECT_EQ(texts(request)[0], "Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT, Friday\r\n");
    request.offsetMinutes = 330;
    EXPECT_EQ(texts(request)[0], "Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\r\n");
}

TEST_F(Request, JulianCalendarForEveryLine) {
    CalculateRequest request{800, 'J', 0, FullSelection(), false};
    for (const std::string& line : texts(request)) EXPECT_EQ(line.substr(32, 4), "800-") << line;
    for (const std::string& line : texts(request)) EXPECT_NE(line.find(" JC "), std::string::npos) << line;
}

// Equinoxes and solstices as published by the U.S. Naval Observatory (UT, to the minute).
struct AlmanacCase {
    std::int32_t year;
    std::size_t event;  // index in kEventTable
    const char* date;
    int minuteOfDay;
};

class Almanac : public Request, public ::testing::WithParamInterface<AlmanacCase> {};

TEST_P(Almanac, LineShowsThePublishedDateAndMinute) {
    const AlmanacCase& c = GetParam();
    const std::string line = texts(only(c.event, c.year))[0];
    EXPECT_EQ(line.substr(32, 10), c.date) << line;
    const int minute = std::atoi(line.substr(46, 2).c_str()) * 60 + std::atoi(line.substr(49, 2).c_str());
    EXPECT_LE(std::abs(minute - c.minuteOfDay), 1) << line;  // the method errs by some seconds
}

INSTANTIATE_TEST_SUITE_P(
    Usno, Almanac,
    ::testing::Values(AlmanacCase{2000, 1, "2000-03-20", 7 * 60 + 35}, AlmanacCase{2000, 3, "2000-06-21", 1 * 60 + 48},
                      AlmanacCase{2000, 5, "2000-09-22", 17 * 60 + 28}, AlmanacCase{2000, 7, "2000-12-21", 13 * 60 + 37},
                      AlmanacCase{2015, 1, "2015-03-20", 22 * 60 + 45}, AlmanacCase{2015, 3, "2015-06-21", 16 * 60 + 38},
                      AlmanacCase{2015, 5, "2015-09-23", 8 * 60 + 20}, AlmanacCase{2015, 7, "2015-12-22", 4 * 60 + 48},
                      AlmanacCase{2024, 1, "2024-03-20", 3 * 60 + 6}, AlmanacCase{2024, 3, "2024-06-20", 20 * 60 + 51},
                      AlmanacCase{2024, 5, "2024-09-22", 12 * 60 + 44}, AlmanacCase{2024, 7, "2024-12-21", 9 * 60 + 20}));

TEST_F(Request, InstantsCarryTheirDeltaT) {
    const auto lines = RequestLines({1000, 'G', 0, FullSelection(), false}, names_);
    // Mean Imbolc halves an interval that starts in 999: its Delta T is the mean of two years.
    EXPECT_DOUBLE_EQ(lines[1].instant.deltaTSeconds, (DeltaTMinutes(999) + DeltaTMinutes(1000)) * 30);
    EXPECT_DOUBLE_EQ(lines[0].instant.deltaTSeconds, DeltaTMinutes(1000) * 60);
    EXPECT_DOUBLE_EQ(lines[2].instant.jdUT, EquinoxSolsticeUT(0, 1000));
}

TEST_F(Request, SummaryCellsNorthAndSouth) {
    const auto north = SummaryCells(2015, 'G', 0, Hemisphere::North, names_);
    const auto south = SummaryCells(2015, 'G', 0, Hemisphere::South, names_);
    EXPECT_EQ(north[4], "");
    EXPECT_EQ(north[0].rfind("Imbolc\r\nTrue sun: 2015-02-04 CE ", 0), 0u) << north[0];
    EXPECT_EQ(south[0].rfind("Lughnassad\r\nTrue sun: 2015-02-04 CE ", 0), 0u) << south[0];
    EXPECT_EQ(north[1], "Spring equinox\r\n2015-03-20 CE 22:45 GMT");
    EXPECT_EQ(south[1], "Autumn equinox\r\n2015-03-20 CE 22:45 GMT");
    EXPECT_EQ(south[3].rfind("Summer solstice\r\n2015-12-22", 0), 0u) << south[3];
    EXPECT_NE(north[8].find("\r\nMean sun: "), std::string::npos);
    EXPECT_LT(north[8].find("Mean sun"), north[8].find("True sun"));  // bottom right: mean first
    EXPECT_LT(north[2].find("True sun"), north[2].find("Mean sun"));  // top right: true first
    for (const int cell : kSummaryReadingOrder) {
        EXPECT_EQ(north[static_cast<std::size_t>(cell)].find("day"), std::string::npos) << "no weekday";
        EXPECT_NE(north[static_cast<std::size_t>(cell)].find(" GMT"), std::string::npos);
    }
}

TEST(SummaryCaption, CapitalHemisphere) {
    EXPECT_EQ(SummaryCaption("02015", Hemisphere::South), "All dates and times for 02015 CE in the Southern Hemisphere");
    EXPECT_EQ(SummaryCaption("2015", Hemisphere::North), "All dates and times for 2015 CE in the Northern Hemisphere");
}

TEST(CalendarCodeOfIndex, JulianOnlyForItemOne) {
    EXPECT_EQ(CalendarCodeOfIndex(1), 'J');
    EXPECT_EQ(CalendarCodeOfIndex(0), 'G');
    EXPECT_EQ(CalendarCodeOfIndex(-1), 'G');
}

}  // namespace
}  // namespace varnex
