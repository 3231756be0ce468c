#include "text/program_text.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace varnex {
namespace {

namespace fs = std::filesystem;

class ProgramTextFileTest : public ::testing::Test {
protected:
    test::TempFolder temp_;
    const fs::path& folder_ = temp_.path();
    std::string write(const std::string& content) {
        const fs::path path = folder_ / "varnex.dat";
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
};

struct LoadCase {
    const char* name;
    std::string content;
    int code;
};

class LoadResult : public ProgramTextFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadResult, CodeOfTheFile) {
    ProgramTextFile file;
    EXPECT_EQ(file.load(write(GetParam().content)), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LoadResult,
    ::testing::Values(LoadCase{"TwoTexts", "1 Varnex\n20 Show results\n", 2},
                      LoadCase{"CrLfAndComments", "# comment\r\n\r\n  # indented comment\r\n1 Varnex\r\n", 1},
                      LoadCase{"Sections", "1 Varnex\n[1] Deutsch\n1 Varnex\n", 2},
                      LoadCase{"Empty", "", -6}, LoadCase{"OnlyComments", "# nothing\n\n", 0},
                      LoadCase{"NoText", "1 Varnex\n# c\n24\n", -503},
                      LoadCase{"NoTextAfterTheBlank", "24 \n", -501},
                      LoadCase{"NotAnIdentifier", "1 Varnex\nabc text\n", -502},
                      LoadCase{"IdentifierTooLarge", "40000 text\n", -501},
                      LoadCase{"TooLong", "1 Varnex\n2 " + std::string(1025, 'x') + "\n", -1002},
                      LoadCase{"LongestAllowed", "2 " + std::string(1024, 'x') + "\n", 1},
                      LoadCase{"Duplicate", "1 Varnex\n2 a\n\n2 b\n", -1504},
                      LoadCase{"SameIdentifierOtherLanguage", "2 a\n[1]\n2 b\n", 2},
                      LoadCase{"TooManyLines", std::string(501, '\n'), -3},
                      LoadCase{"TooManyLinesWinsOverAnEarlierFault", "x\n" + std::string(500, '\n'), -3},
                      LoadCase{"ByteOrderMark", "\xEF\xBB\xBF# comment\r\n1 Varnex\r\n", 1},
                      LoadCase{"ByteOrderMarkOnly", "\xEF\xBB\xBF", 0},
                      LoadCase{"SignedIdentifier", "1 a\n-0 text\n", -502},
                      LoadCase{"PlusIdentifier", "+1 text\n", -501},
                      LoadCase{"SignedSection", "[-0]\n", -501},
                      LoadCase{"LongCommentLine", "# " + std::string(100000, 'x') + "\n1 a\n", 1},
                      LoadCase{"HugeEntryLine", "1 a\n2 " + std::string(100000, 'x') + "\n", -1002},
                      LoadCase{"HugeLineOfBlanks", std::string(100000, ' ') + "1 a\n", -501}),
    [](const ::testing::TestParamInfo<LoadCase>& param) { return std::string(param.param.name); });

TEST_F(ProgramTextFileTest, CountsCharactersNotBytes) {
    // 1024 two-byte characters fit; 1025 do not.
    std::string text;
    for (int i = 0; i < 1024; ++i) text += "\xC3\xA4";
    ProgramTextFile file;
    EXPECT_EQ(file.load(write("7 " + text + "\n")), 1);
    EXPECT_EQ(file.load(write("7 " + text + "\xC3\xA4\n")), -1001);
}

TEST_F(ProgramTextFileTest, MissingOrUnreadableFile) {
    ProgramTextFile file;
    EXPECT_EQ(file.load((folder_ / "absent.dat").string()), -1);
    fs::create_directory(folder_ / "varnex.dat");  // opens, but cannot be read
    EXPECT_EQ(file.load((folder_ / "varnex.dat").string()), -7);
    EXPECT_EQ(LoadProgramText(folder_.string(), "varnex.dat").message, "Error reading file.");
}

TEST_F(ProgramTextFileTest, LooksUpByLanguageAndKeepsTheTextExactly) {
    ProgramTextFile file;
    ASSERT_EQ(file.load(write("1 Varnex\n5 ~\n6 ~~\n7  ~\n8 two  blanks inside, one after \n[1] Deutsch\n1 Varnex DE\n")), 6);
    EXPECT_EQ(file.text(1, intEnglish), "Varnex");
    EXPECT_EQ(file.text(1, intGerman), "Varnex DE");
    EXPECT_EQ(file.text(5, intEnglish), "");    // "~" is the empty text
    EXPECT_EQ(file.text(6, intEnglish), "~~");
    EXPECT_EQ(file.text(7, intEnglish), " ~");
    EXPECT_EQ(file.text(8, intEnglish), "two  blanks inside, one after ");
    EXPECT_EQ(file.text(9, intEnglish), "");    // unknown identifier
    EXPECT_EQ(file.text(5, intGerman), "");     // not in that language
}

TEST(ProgramTextMessage, TheFailureTexts) {
    EXPECT_EQ(ProgramTextMessage(12, "/p/varnex.dat"), "");
    EXPECT_EQ(ProgramTextMessage(0, ""), "No program text was read.");
    EXPECT_EQ(ProgramTextMessage(-1, "/p/varnex.dat"), "Cannot open file containing program text.\r\n/p/varnex.dat");
    EXPECT_EQ(ProgramTextMessage(-2, ""), "Particular memory allocation error.");
    EXPECT_EQ(ProgramTextMessage(-3, ""), "Too much program text.");
    EXPECT_EQ(ProgramTextMessage(-4, ""), "Text not recovered.");
    EXPECT_EQ(ProgramTextMessage(-5, ""), "Error -5");
    EXPECT_EQ(ProgramTextMessage(-6, ""), "File is empty.");
    EXPECT_EQ(ProgramTextMessage(-7, ""), "Error reading file.");
    EXPECT_EQ(ProgramTextMessage(-8, ""), "General memory allocation error.");
    EXPECT_EQ(ProgramTextMessage(-9, ""), "Error -9");
    EXPECT_EQ(ProgramTextMessage(-500, ""), "Error -500");
    EXPECT_EQ(ProgramTextMessage(-501, ""), "Missing string at line 1.");
    EXPECT_EQ(ProgramTextMessage(-512, ""), "Missing string at line 12.");
    EXPECT_EQ(ProgramTextMessage(-1000, ""), "Missing string at line 500.");
    EXPECT_EQ(ProgramTextMessage(-1001, ""), "String too long at line 1.");
    EXPECT_EQ(ProgramTextMessage(-1500, ""), "String too long at line 500.");
    EXPECT_EQ(ProgramTextMessage(-1501, ""), "Duplicate in program text at line 1.");
}

TEST(JoinFolderAndFile, ExactlyOneSeparator) {
    EXPECT_EQ(JoinFolderAndFile("/opt/varnex", "varnex.dat"), "/opt/varnex/varnex.dat");
    EXPECT_EQ(JoinFolderAndFile("/", "varnex.dat"), "/varnex.dat");
    EXPECT_EQ(JoinFolderAndFile("/opt/varnex/", "varnex.dat"), "/opt/varnex/varnex.dat");
}

TEST_F(ProgramTextFileTest, LoadProgramTextReportsTheFullPath) {
    const ProgramTextLoad missing = LoadProgramText(folder_.string(), "varnex.dat");
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.message, "Cannot open file containing program text.\r\n" + (folder_ / "varnex.dat").string());
    write("24 Out of range\n");
    const ProgramTextLoad loaded = LoadProgramText(folder_.string() + "/", "varnex.dat");
    EXPECT_TRUE(loaded.ok());
    EXPECT_EQ(GetProgramText(24), "Out of range");
}

TEST(ShippedProgramText, HoldsEveryTextTheProgramUses) {
    const ProgramTextLoad loaded = LoadProgramText(std::string(VARNEX_SOURCE_DIR) + "/data", "varnex.dat");
    ASSERT_TRUE(loaded.ok()) << loaded.message;
    for (const int id : {1, 13, 14, 15, 16, 17, 20, 24, 25, 36, 50, 51, 185, 424})
        EXPECT_FALSE(GetProgramText(static_cast<std::int16_t>(id)).empty()) << id;
    EXPECT_EQ(GetProgramText(185), "Copy to clipboard");
}

}  // namespace
}  // namespace varnex
