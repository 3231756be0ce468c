#include "report/result_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace varnex {
namespace {

TEST(EventLabel, ThirtyTwoCharactersWithDotsToColumn31) {
    EXPECT_EQ(EventLabel("Spring (March) equinox", Method::None), "Spring (March) equinox ........ ");
    EXPECT_EQ(EventLabel("Imbolc", Method::TrueSun), "Imbolc (true sun) ............. ");
    EXPECT_EQ(EventLabel("Lughnassad", Method::MeanSun), "Lughnassad (mean sun) ......... ");
    for (const EventRow& row : kEventTable) {
        const auto methods = row.family == EventFamily::CrossQuarter ? std::vector{Method::TrueSun, Method::MeanSun}
                                                                     : std::vector{Method::None};
        for (const Method method : methods) {
            const std::string label = EventLabel(row.caption, method);
            EXPECT_EQ(label.size(), kLabelWidth) << row.caption;
            EXPECT_EQ(label.substr(label.size() - 5), ".... ") << row.caption << ": at least four dots";
        }
    }
}

TEST(FormatInstant, LocalDateTimeAndWeekday) {
    CalendarDate work{};
    // 2451545.1 UT at GMT-05:00 is 09:24 on Saturday 1 January 2000 (19 December 1999, Julian).
    const InstantText gregorian = FormatInstant(2451545.1, -300, kGregorianCode, work);
    EXPECT_EQ(gregorian.dateTime, "2000-01-01 CE 09:24");
    EXPECT_EQ(gregorian.weekday, "Saturday");
    EXPECT_EQ(gregorian.time, "09:24");
    EXPECT_EQ(FormatInstant(2451545.1, -300, kJulianCode, work).dateTime, "1999-12-19 JC 09:24");
    EXPECT_EQ(work.calendar, kJulianCode);
    EXPECT_EQ(work.dayNumber, 2451545);
}

TEST(FormatInstant, MidnightBelongsToTheNextDay) {
    CalendarDate work{};
    const double midnight = 2451544.5;  // 0h UT, 1 January 2000
    EXPECT_EQ(FormatInstant(midnight, 0, kGregorianCode, work).dateTime, "2000-01-01 CE 00:00");
    EXPECT_EQ(FormatInstant(midnight - 1e-6, 0, kGregorianCode, work).dateTime, "1999-12-31 CE 23:59");
    EXPECT_EQ(FormatInstant(midnight, 330, kGregorianCode, work).dateTime, "2000-01-01 CE 05:30");
    EXPECT_EQ(FormatInstant(midnight, -30, kGregorianCode, work).dateTime, "1999-12-31 CE 23:30");
    EXPECT_EQ(FormatInstant(midnight, -30, kGregorianCode, work).weekday, "Friday");
}

TEST(EventLineText, LabelDateZoneWeekdayCrLf) {
    const InstantText instant{"2015-03-20 CE 22:45", "Friday", {}, "22:45"};
    EXPECT_EQ(EventLineText("Spring (March) equinox", Method::None, instant, 0, false),
              "Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT\r\n");
    EXPECT_EQ(EventLineText("Imbolc", Method::MeanSun, instant, 330, true),
              "Imbolc (mean sun) ............. 2015-03-20 CE 22:45 GMT+05:30, Friday\r\n");
}

TEST(CellText, TwoOrThreeLinesWithoutAFinalBreak) {
    EXPECT_EQ(CrossQuarterCellText("Imbolc", 0, "T", "M", " GMT"), "Imbolc\r\nTrue sun: T GMT\r\nMean sun: M GMT");
    EXPECT_EQ(CrossQuarterCellText("Beltane", 1, "T", "M", " GMT"), "Beltane\r\nTrue sun: T GMT\r\nMean sun: M GMT");
    EXPECT_EQ(CrossQuarterCellText("Samhain", 3, "T", "M", " GMT+01:00"),
              "Samhain\r\nMean sun: M GMT+01:00\r\nTrue sun: T GMT+01:00");
    EXPECT_EQ(EquinoxSolsticeCellText("Spring equinox", "2015-03-20 CE 22:45", " GMT"),
              "Spring equinox\r\n2015-03-20 CE 22:45 GMT");
}

}  // namespace
}  // namespace varnex
