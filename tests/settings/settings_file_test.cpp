#include "settings/settings_file.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

TEST(SettingsFile, DefaultsAndEveryFieldByteForByteThenRoundTrip) {
    EXPECT_EQ(formatSettings(Settings{}),
              "\"2015\"\r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 0 \r\n 24 \r\n"
              "#FALSE#\r\n\"\"\r\n");
    Settings s;
    s.yearText = "02015";
    s.boxes[kBoxVE] = TickState::Clear;
    s.boxes[kBoxSamhain] = TickState::Greyed;
    s.boxes[kBoxIncludeWeekday] = TickState::Ticked;
    s.timezoneIndex = -1;
    s.southernHemisphere = true;
    s.outputText = "Imbolc (true sun) ............. 2015-02-04 CE 03:58 GMT\r\n--------------------\r\nX\r\n";
    const std::string file = formatSettings(s);
    EXPECT_EQ(file, "\"02015\"\r\n 0 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 2 \r\n 1 \r\n 1 \r\n 1 \r\n-1 \r\n"
                    "#TRUE#\r\n\"" + s.outputText + "\"\r\n");
    const RestoredSettings r = parseSettings(file);
    EXPECT_EQ(r.fieldsRead, kSettingsFieldCount);
    const auto fields = [](const Settings& x) {
        return std::tie(x.yearText, x.boxes, x.timezoneIndex, x.southernHemisphere, x.outputText);
    };
    EXPECT_EQ(fields(r.values), fields(s));
}

const std::string kNineFields = "\"1999\"\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n";
const std::string kTwelveFields = kNineFields + " 1 \r\n 1 \r\n 0 \r\n";

TEST(SettingsRestore, StopsAtTheFirstFaultKeepingTheFieldsBefore) {
    const std::vector<std::pair<std::string, int>> files = {
        {"", 0}, {"\"1999\"\r\n", 1}, {kNineFields, 9}, {kNineFields + " 5 \r\n 1 \r\n", 9},
        {kNineFields + "-1 \r\n", 9}, {kNineFields + " x \r\n", 9}, {kNineFields + "+-0 \r\n", 9},
        {kNineFields + "-0 \r\n+1 \r\n", 11}, {kNineFields + "\r\n", 9}, {kNineFields + " 99999999999999999999 \r\n", 9},
        {kTwelveFields + " 49 \r\n", 12}, {kTwelveFields + "-1 \r\n#FALSE#\r\n\"\"\r\n", 15},
        {kTwelveFields + " 3 \r\n#TRUE#\r\n\"abc", 14},  // the output never closes
        {"2015\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 0\n 24\n#FALSE#\n\"\"\n", 15},  // LF only, year unquoted
        // The rest of the line after a quoted field is ignored, commas included.
        {"\"2015\",1,1,1,1,1,1,1,1,1,1,0,24,#FALSE#,\"x\"\r\n", 1},
        {"\"2015\"\r\n1,1,1,1,1,1,1,1,1,1,0,24,#FALSE#\r\n\"x\"\r\n", 15}, {std::string("\0\xff\xfe\x01 \x80\r\n", 8), 1}};
    for (const auto& [content, fields] : files) EXPECT_EQ(parseSettings(content).fieldsRead, fields) << content;
    using enum TickState;
    EXPECT_EQ(parseSettings(kNineFields).values.yearText, "1999");
    EXPECT_EQ(parseSettings(kNineFields).values.boxes,
              (std::array{Ticked, Clear, Ticked, Clear, Ticked, Clear, Ticked, Clear, Ticked, Ticked, Clear}));
}

TEST(SettingsRestore, SouthUnlessExactlyFalseOutputCutAtAQuoteOr10240CharactersThenTrimmed) {
    const auto restored = [](const std::string& tail) { return parseSettings(kTwelveFields + " 24 \r\n" + tail).values; };
    for (const std::string field : {"#FALSE#", "#TRUE#", "#false#", "anything"})
        EXPECT_EQ(restored(field + "\r\n\"\"\r\n").southernHemisphere, field != "#FALSE#") << field;
    const auto output = [&](const std::string& text) { return restored("#FALSE#\r\n\"" + text + "\"\r\n").outputText; };
    EXPECT_EQ(output("  say \"hello"), "say");
    EXPECT_EQ(output(std::string(10239, 'a') + "bc"), std::string(10239, 'a') + "b");
    std::string wide;  // characters, not bytes: 10240 two-byte characters fit whole
    for (int i = 0; i < 10241; ++i) wide += "\xC3\xA4";
    EXPECT_EQ(output(wide).size(), 2u * 10240);
    EXPECT_EQ(output("  a\r\n  "), "a\r\n");  // line breaks are not blanks
    EXPECT_EQ(output(" \ta\t "), "\ta\t");     // nor are tabs
}

}  // namespace
}  // namespace varnex
