// The texts of the file viewer, the addresses the links take, and the message of a failed launch.
#include "platform/file_view.h"
#include "platform/weblink.h"
#include "text/language.h"
#include "text/utf8.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(ViewerText, WholeBelow65530CharactersThenBetweenTheNotes) {
    EXPECT_EQ(viewerText(std::string(65529, 'a'), false, intEnglish), std::string(65529, 'a'));
    const std::string shown = viewerText(std::string(65306, 'a') + std::string(300, 'b'), false, intEnglish);
    EXPECT_EQ(shown.size(), 65534u);
    EXPECT_EQ(shown, std::string(kViewerHeadNote) + std::string(65306, 'a') + "\r\n\r\n" + std::string(kViewerTailNote));
    std::string wide;  // characters, not bytes: 65529 two-byte characters are shown whole
    for (int i = 0; i < 65529; ++i) wide += "\xC3\xA4";
    EXPECT_EQ(viewerText(wide, false, intEnglish), wide);
    EXPECT_EQ(utf8Length(viewerText(wide + "\xC3\xA4", false, intEnglish)), 65534u);
}

TEST(ViewerText, TheFirstBytesOfALongFileDecideWhatIsShown) {
    std::string wide;  // four-byte characters, more than the viewer reads
    while (wide.size() <= kViewerByteLimit) wide += "\xF0\x9F\x8C\x9E";
    EXPECT_EQ(viewerText(wide.substr(0, kViewerByteLimit), true, intEnglish), viewerText(wide, false, intEnglish));
    const std::string malformed(100, '\x80');  // counts no characters, but the file goes on
    EXPECT_EQ(viewerText(malformed, true, intEnglish),
              std::string(kViewerHeadNote) + malformed + "\r\n\r\n" + std::string(kViewerTailNote));
}

TEST(GetFileExtension, OnlyTheLastPartCounts) {
    EXPECT_EQ(GetFileExtension("/usr/share/varnex/varnex-manual.HTML", true), "html");
    EXPECT_EQ(GetFileExtension("C:\\Program Files\\Varnex\\Help.TXT", false), "TXT");
    for (const char* path : {"C:\\my.folder\\readme", "/my.folder/readme", "archive.", "https://www.example.org/"})
        EXPECT_EQ(GetFileExtension(path, true), "") << path;
}

TEST(LaunchFailureText, ResultAndWhatItMeans) {
    const std::string head = "Error launching web browser, error code = ";
    const std::string unknown = " is not associated with any application program.";
    EXPECT_EQ(launchFailureText(31, "/p/manual.html", intEnglish), head + "31.\r\n\r\nFile extension 'html'" + unknown);
    EXPECT_EQ(launchFailureText(31, "/p.d/readme", intEnglish), head + "31.\r\n\r\nFile extension ''" + unknown);
    EXPECT_EQ(launchFailureText(8, "x", intEnglish), head + "8.\r\n\r\nOut of memory.");
    EXPECT_EQ(launchFailureText(2, "x", intEnglish), head + "2.\r\n\r\nPlease try once more.");
    EXPECT_EQ(launchFailureText(0, "x", intEnglish), head + "0.");
}

TEST(ResolveAddress, FileNamesLieInTheProgramFolder) {
    EXPECT_EQ(resolveAddress("varnex-manual.html", "/usr/share/varnex"), "/usr/share/varnex/varnex-manual.html");
    EXPECT_EQ(resolveAddress("https://www.example.org/x.html", "/p"), "https://www.example.org/x.html");
    EXPECT_EQ(resolveAddress("/srv/about.html", "/p"), "/srv/about.html");
    EXPECT_EQ(resolveAddress(" ", "/p"), "");  // not the folder itself
}

TEST(KindOfAddress, OnlyWebSchemesAreWebAddresses) {
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
