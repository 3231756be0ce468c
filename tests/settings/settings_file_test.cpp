#include "settings/settings_file.h"

#include <gtest/gtest.h>

namespace varnex {
namespace {

constexpr std::string_view kDefaultFile =
    "\"2015\"\r\n"
    " 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n 1 \r\n"
    " 0 \r\n"
    " 24 \r\n"
    "#FALSE#\r\n"
    "\"\"\r\n";

TEST(SettingsFile, DefaultsByteForByte) { EXPECT_EQ(FormatSettings(Settings{}), kDefaultFile); }

TEST(SettingsFile, NumberFieldsAndHemisphere) {
    Settings s;
    s.boxes[kBoxSamhain] = TickState::Greyed;
    s.boxes[kBoxIncludeWeekday] = TickState::Ticked;
    s.timezoneIndex = -1;
    s.southernHemisphere = true;
    s.outputText = "line one\r\nline two\r\n";
    const std::string file = FormatSettings(s);
    EXPECT_NE(file.find("\r\n 2 \r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n-1 \r\n#TRUE#\r\n\"line one\r\nline two\r\n\"\r\n"), std::string::npos) << file;
}

TEST(SettingsFile, RoundTrip) {
    Settings s;
    s.yearText = "02015";
    s.boxes[kBoxVE] = TickState::Clear;
    s.boxes[kBoxTrueSun] = TickState::Greyed;
    s.timezoneIndex = 35;
    s.southernHemisphere = true;
    s.outputText = "Imbolc (true sun) ............. 2015-02-04 CE 03:58 GMT\r\n--------------------\r\nX\r\n";
    const RestoredSettings r = ParseSettings(FormatSettings(s));
    EXPECT_EQ(r.fieldsRead, kSettingsFieldCount);
    EXPECT_EQ(r.values.yearText, s.yearText);
    EXPECT_EQ(r.values.boxes, s.boxes);
    EXPECT_EQ(r.values.timezoneIndex, 35);
    EXPECT_TRUE(r.values.southernHemisphere);
    EXPECT_EQ(r.values.outputText, s.outputText);
}

struct PartialCase {
    const char* name;
    std::string content;
    int fieldsRead;
};

class SettingsRestore : public ::testing::TestWithParam<PartialCase> {};

TEST_P(SettingsRestore, StopsAtTheFirstFault) { EXPECT_EQ(ParseSettings(GetParam().content).fieldsRead, GetParam().fieldsRead); }

const std::string kNineFields = "\"1999\"\r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsRestore,
    ::testing::Values(PartialCase{"Empty", "", 0}, PartialCase{"OnlyTheYear", "\"1999\"\r\n", 1},
                      PartialCase{"EndsAfterField9", kNineFields, 9},
                      PartialCase{"BoxValue5", kNineFields + " 5 \r\n 1 \r\n", 9},
                      PartialCase{"BoxNegative", kNineFields + "-1 \r\n", 9},
                      PartialCase{"NotANumber", kNineFields + " x \r\n", 9},
                      PartialCase{"TwoSigns", kNineFields + "+-0 \r\n", 9},
                      PartialCase{"SignedZero", kNineFields + "-0 \r\n+1 \r\n", 11},
                      PartialCase{"EmptyNumber", kNineFields + "\r\n", 9},
                      PartialCase{"HugeNumber", kNineFields + " 99999999999999999999 \r\n", 9},
                      PartialCase{"ZoneOutOfRange", kNineFields + " 1 \r\n 1 \r\n 0 \r\n 49 \r\n", 12},
                      PartialCase{"ZoneNone", kNineFields + " 1 \r\n 1 \r\n 0 \r\n-1 \r\n#FALSE#\r\n\"\"\r\n", 15},
                      PartialCase{"OutputNeverCloses", kNineFields + " 1 \r\n 1 \r\n 0 \r\n 3 \r\n#TRUE#\r\n\"abc", 14},
                      PartialCase{"LfOnlyAndUnquotedYear", "2015\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 1\n 0\n 24\n#FALSE#\n\"\"\n", 15},
                      // The rest of the line after a quoted field is ignored, commas included.
                      PartialCase{"CommasAfterAQuotedField", "\"2015\",1,1,1,1,1,1,1,1,1,1,0,24,#FALSE#,\"x\"\r\n", 1},
                      PartialCase{"CommasBetweenNumbers", "\"2015\"\r\n1,1,1,1,1,1,1,1,1,1,0,24,#FALSE#\r\n\"x\"\r\n", 15},
                      PartialCase{"Binary", std::string("\0\xff\xfe\x01 \x80\r\n", 8), 1}),
    [](const ::testing::TestParamInfo<PartialCase>& param) { return std::string(param.param.name); });

TEST(SettingsRestore, ValuesOfAPartialFile) {
    const RestoredSettings r = ParseSettings(kNineFields);
    EXPECT_EQ(r.values.yearText, "1999");
    EXPECT_EQ(r.values.boxes[kBoxSS], TickState::Clear);
    EXPECT_EQ(r.values.boxes[kBoxSamhain], TickState::Clear);
}

TEST(SettingsRestore, HemisphereIsFalseOnlyForExactlyFalse) {
    const std::string head = kNineFields + " 1 \r\n 1 \r\n 0 \r\n 24 \r\n";
    EXPECT_FALSE(ParseSettings(head + "#FALSE#\r\n\"\"\r\n").values.southernHemisphere);
    EXPECT_TRUE(ParseSettings(head + "#TRUE#\r\n\"\"\r\n").values.southernHemisphere);
    EXPECT_TRUE(ParseSettings(head + "#false#\r\n\"\"\r\n").values.southernHemisphere);
    EXPECT_TRUE(ParseSettings(head + "anything\r\n\"\"\r\n").values.southernHemisphere);
}

TEST(SettingsRestore, OutputIsCutAtAQuoteAndAt10240CharactersThenTrimmed) {
    const std::string head = kNineFields + " 1 \r\n 1 \r\n 0 \r\n 24 \r\n#FALSE#\r\n";
    EXPECT_EQ(ParseSettings(head + "\"  say \"hello\" \r\n").values.outputText, "say");
    const std::string longText = std::string(10239, 'a') + "bc";
    EXPECT_EQ(ParseSettings(head + "\"" + longText + "\"\r\n").values.outputText, std::string(10239, 'a') + "b");
    // Characters, not bytes: 10240 two-byte characters fit whole.
    std::string wide;
    for (int i = 0; i < 10241; ++i) wide += "\xC3\xA4";
    EXPECT_EQ(ParseSettings(head + "\"" + wide + "\"\r\n").values.outputText.size(), 2u * 10240);
    // Line breaks are not blanks.
    EXPECT_EQ(ParseSettings(head + "\"  a\r\n  \"\r\n").values.outputText, "a\r\n");
}

}  // namespace
}  // namespace varnex
