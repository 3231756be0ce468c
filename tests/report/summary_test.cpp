// The summary's cells and caption, and the texts of the file viewer and of a failed launch.
#include "report/file_view.h"
#include "report/summary.h"
#include "report/weblink.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

const EventNameTable kNames = buildEventNames(defaultEventCaptions());

TEST(summaryCells, RingOfBothHemispheres) {
    const auto north = summaryCells(2015, 'G', Zone(), Hemisphere::North, kNames);
    const auto south = summaryCells(2015, 'G', Zone(), Hemisphere::South, kNames);
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

TEST(summaryText, EightCellsClockwiseWithEmptyLinesBetween) {
    const auto cells = summaryCells(2015, 'J', Zone::fixed(-720), Hemisphere::North, kNames);
    const std::string text = summaryText(cells);
    EXPECT_EQ(text.rfind(cells[0] + "\r\n\r\n" + cells[1] + "\r\n\r\n" + cells[2] + "\r\n\r\n" + cells[5], 0), 0u);
    EXPECT_TRUE(text.ends_with("\r\n\r\n" + cells[3] + "\r\n"));
    EXPECT_TRUE(cells[1].find(" JC ") != std::string::npos && cells[1].ends_with(" GMT-12:00")) << cells[1];
}

TEST(summaryCaption, YearAsTypedAndACapitalH) {
    EXPECT_EQ(summaryCaption("+02015", Hemisphere::South), "All dates and times for +02015 CE in the Southern Hemisphere");
    EXPECT_EQ(summaryCaption("800", Hemisphere::North), "All dates and times for 800 CE in the Northern Hemisphere");
}

TEST(viewerText, WholeBelow65530CharactersThenBetweenTheNotes) {
    EXPECT_EQ(viewerText(std::string(65529, 'a')), std::string(65529, 'a'));
    const std::string shown = viewerText(std::string(65306, 'a') + std::string(300, 'b'));
    EXPECT_EQ(shown.size(), 65534u);
    EXPECT_EQ(shown, std::string(kViewerHeadNote) + std::string(65306, 'a') + "\r\n\r\n" + std::string(kViewerTailNote));
    std::string wide;  // characters, not bytes: 65529 two-byte characters are shown whole
    for (int i = 0; i < 65529; ++i) wide += "\xC3\xA4";
    EXPECT_EQ(viewerText(wide), wide);
    EXPECT_EQ(utf8Length(viewerText(wide + "\xC3\xA4")), 65534u);
}

TEST(viewerText, TheFirstBytesOfALongFileDecideWhatIsShown) {
    std::string wide;  // four-byte characters, more than the viewer reads
    while (wide.size() <= kViewerByteLimit) wide += "\xF0\x9F\x8C\x9E";
    EXPECT_EQ(viewerText(wide.substr(0, kViewerByteLimit), true), viewerText(wide));
    const std::string malformed(100, '\x80');  // counts no characters, but the file goes on
    EXPECT_EQ(viewerText(malformed, true),
              std::string(kViewerHeadNote) + malformed + "\r\n\r\n" + std::string(kViewerTailNote));
}

TEST(GetFileExtension, OnlyTheLastPartCounts) {
    EXPECT_EQ(GetFileExtension("/usr/share/varnex/varnex-manual.HTML", true), "html");
    EXPECT_EQ(GetFileExtension("C:\\Program Files\\Varnex\\Help.TXT", false), "TXT");
    for (const char* path : {"C:\\my.folder\\readme", "/my.folder/readme", "archive.", "https://www.example.org/"})
        EXPECT_EQ(GetFileExtension(path, true), "") << path;
}

TEST(launchFailureText, ResultAndWhatItMeans) {
    const std::string head = "Error launching web browser, error code = ";
    const std::string unknown = " is not associated with any application program.";
    EXPECT_EQ(launchFailureText(31, "/p/manual.html"), head + "31.\r\n\r\nFile extension 'html'" + unknown);
    EXPECT_EQ(launchFailureText(31, "/p.d/readme"), head + "31.\r\n\r\nFile extension ''" + unknown);
    EXPECT_EQ(launchFailureText(8, "x"), head + "8.\r\n\r\nOut of memory.");
    EXPECT_EQ(launchFailureText(2, "x"), head + "2.\r\n\r\nPlease try once more.");
    EXPECT_EQ(launchFailureText(0, "x"), head + "0.");
}

TEST(resolveAddress, FileNamesLieInTheProgramFolder) {
    EXPECT_EQ(resolveAddress("varnex-manual.html", "/usr/share/varnex"), "/usr/share/varnex/varnex-manual.html");
    EXPECT_EQ(resolveAddress("https://www.example.org/x.html", "/p"), "https://www.example.org/x.html");
    EXPECT_EQ(resolveAddress("/srv/about.html", "/p"), "/srv/about.html");
    EXPECT_EQ(resolveAddress(" ", "/p"), "");  // not the folder itself
}

TEST(kindOfAddress, OnlyWebSchemesAreWebAddresses) {
    const std::vector<std::pair<const char*, AddressKind>> cases{
        {"", AddressKind::None}, {" \t", AddressKind::None},
        {"https://www.example.org/", AddressKind::Web}, {"HTTP://x", AddressKind::Web},
        {"mailto:ann@example.org", AddressKind::Web},
        {"file:///etc/shadow", AddressKind::OtherScheme}, {"smb://host/share/setup.exe", AddressKind::OtherScheme},
        {"javascript:alert(1)", AddressKind::OtherScheme}, {"x-y.z+1:a", AddressKind::OtherScheme},
        {"varnex-manual.html", AddressKind::File}, {"/etc/passwd", AddressKind::File},
        {"C:\\Varnex\\help.txt", AddressKind::File}, {"1x:y", AddressKind::File}, {":x", AddressKind::File}};
    for (const auto& [address, kind] : cases) EXPECT_EQ(kindOfAddress(address), kind) << address;
}

}  // namespace
}  // namespace varnex
