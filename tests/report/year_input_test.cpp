#include "report/year_input.h"

#include "text/program_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace varnex {
namespace {

TEST(IsDigitString, SignsCommasAndBlanks) {
    EXPECT_TRUE(IsDigitString(" 2015 ", true, false));
    EXPECT_TRUE(IsDigitString("+2015", true, false));
    EXPECT_TRUE(IsDigitString("-", true, false));  // a lone sign passes
    EXPECT_FALSE(IsDigitString("+2015", false, false));
    EXPECT_FALSE(IsDigitString("--5", true, false));
    EXPECT_FALSE(IsDigitString("2,015", true, false));
    EXPECT_TRUE(IsDigitString("2,015", true, true));
    EXPECT_FALSE(IsDigitString("", true, true));
    EXPECT_FALSE(IsDigitString("   ", true, true));
    EXPECT_FALSE(IsDigitString("20 15", true, false));
}

struct YearCase {
    const char* text;
    YearCheckStatus status;
    std::int32_t year;       // checked for Accepted and OutOfRange
    const char* trimmed;
};

class CheckYear : public ::testing::TestWithParam<YearCase> {};

TEST_P(CheckYear, StatusValueAndTrimmedText) {
    const YearCheck check = CheckYearText(GetParam().text);
    EXPECT_EQ(check.status, GetParam().status);
    EXPECT_EQ(check.trimmedText, GetParam().trimmed);
    if (check.status == YearCheckStatus::Accepted || check.status == YearCheckStatus::OutOfRange) {
        EXPECT_EQ(check.year, GetParam().year);
    }
}

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckYear,
    ::testing::Values(YearCase{" 2015 ", YearCheckStatus::Accepted, 2015, "2015"},
                      YearCase{"+2015", YearCheckStatus::Accepted, 2015, "+2015"},
                      YearCase{"02015", YearCheckStatus::Accepted, 2015, "02015"},
                      YearCase{"1", YearCheckStatus::Accepted, 1, "1"},
                      YearCase{"3000", YearCheckStatus::Accepted, 3000, "3000"},
                      YearCase{"-5", YearCheckStatus::OutOfRange, -5, "-5"},
                      YearCase{"+", YearCheckStatus::OutOfRange, 0, "+"},
                      YearCase{"-", YearCheckStatus::OutOfRange, 0, "-"},
                      YearCase{"0", YearCheckStatus::OutOfRange, 0, "0"},
                      YearCase{"3001", YearCheckStatus::OutOfRange, 3001, "3001"},
                      YearCase{"99999999999", YearCheckStatus::OutOfRange, kMax, "99999999999"},
                      YearCase{"-99999999999", YearCheckStatus::OutOfRange, -kMax - 1, "-99999999999"},
                      YearCase{"2,015", YearCheckStatus::NotANumber, 0, "2,015"},
                      YearCase{"2015.0", YearCheckStatus::NotANumber, 0, "2015.0"},
                      YearCase{"20 15", YearCheckStatus::NotANumber, 0, "20 15"},
                      YearCase{"--5", YearCheckStatus::NotANumber, 0, "--5"},
                      YearCase{"abc", YearCheckStatus::NotANumber, 0, "abc"},
                      YearCase{"", YearCheckStatus::Empty, 0, ""},
                      YearCase{"    ", YearCheckStatus::Empty, 0, ""}));

TEST(YearMessage, TextsTitlesAndIcons) {
    ASSERT_TRUE(LoadProgramText(std::string(VARNEX_SOURCE_DIR) + "/data", "varnex.dat").ok());
    const Message empty = YearMessage(YearCheckStatus::Empty);
    EXPECT_EQ(empty.prompt, "Year must be specified.");
    EXPECT_EQ(empty.title, "Invalid input");
    EXPECT_EQ(empty.icon, MessageIcon::Information);
    EXPECT_EQ(YearMessage(YearCheckStatus::NotANumber).prompt, "Invalid input for year.");
    const Message range = YearMessage(YearCheckStatus::OutOfRange);
    EXPECT_EQ(range.prompt, GetProgramText(24));
    EXPECT_EQ(range.title, GetProgramText(25));
    EXPECT_EQ(range.icon, MessageIcon::Information);
}

}  // namespace
}  // namespace varnex
