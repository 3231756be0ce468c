// The summary's cells, its text and its caption.
#include "report/summary.h"
#include "text/language.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

const EventNameTable kNames = buildEventNames(defaultEventCaptions());

TEST(SummaryCells, RingOfBothHemispheres) {
    const auto north = summaryCells(2015, kProlepticGregorian, Zone(), Hemisphere::North, kNames, intEnglish);
    const auto south = summaryCells(2015, kProlepticGregorian, Zone(), Hemisphere::South, kNames, intEnglish);
    // Cells in row order: the same places in both hemispheres, other names, the same instants.
    std::string names;  // north/south
    for (std::size_t i = 0; i < 9; ++i)
        names += north[i].substr(0, north[i].find('\r')) + "/" + south[i].substr(0, south[i].find('\r')) + "|";
    EXPECT_EQ(names, "Imbolc/Lughnassad|Spring equinox/Autumn equinox|Beltane/Samhain|Winter solstice/Summer solstice|/|"
                     "Summer solstice/Winter solstice|Samhain/Beltane|Autumn equinox/Spring equinox|Lughnassad/Imbolc|");
    for (std::size_t i : kSummaryReadingOrder)
        EXPECT_EQ(north[i].substr(north[i].find('\r')), south[i].substr(south[i].find('\r'))) << "same instants";
    // The March equinox of 2015: 22:45 UT on 20 March (USNO).
    EXPECT_EQ(north[1], "Spring equinox\r\n2015-03-20 CE 22:45 GMT");
    // True sun first at top left and top right, mean sun first at the bottom corners.
    EXPECT_EQ(north[0].rfind("Imbolc\r\nTrue sun: 2015-02-04 CE ", 0), 0u) << north[0];
    EXPECT_LT(north[2].find("True sun"), north[2].find("Mean sun"));
    for (std::size_t i : {6u, 8u}) EXPECT_LT(north[i].find("Mean sun"), north[i].find("True sun")) << i;
}

TEST(SummaryText, EightCellsClockwiseWithEmptyLinesBetween) {
    const auto cells = summaryCells(2015, kProlepticJulian, Zone::fixed(-720), Hemisphere::North, kNames, intEnglish);
    const std::string text = summaryText(cells);
    EXPECT_EQ(text.rfind(cells[0] + "\r\n\r\n" + cells[1] + "\r\n\r\n" + cells[2] + "\r\n\r\n" + cells[5], 0), 0u);
    EXPECT_TRUE(text.ends_with("\r\n\r\n" + cells[3] + "\r\n"));
    EXPECT_TRUE(cells[1].find(" JC ") != std::string::npos && cells[1].ends_with(" GMT-12:00")) << cells[1];
}

TEST(SummaryCaption, YearAsTypedAndACapitalH) {
    EXPECT_EQ(summaryCaption("+02015", Hemisphere::South, intEnglish), "All dates and times for +02015 CE in the Southern Hemisphere");
    EXPECT_EQ(summaryCaption("800", Hemisphere::North, intEnglish), "All dates and times for 800 CE in the Northern Hemisphere");
}

}  // namespace
}  // namespace varnex
