#include "text/program_text.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace varnex {
namespace {

class ProgramTextFileTest : public ::testing::Test {
protected:
    test::TempFolder folder_;
    std::string write(const std::string& content) {
        std::ofstream(folder_ / "varnex.dat", std::ios::binary) << content;
        return (folder_ / "varnex.dat").string();
    }
};

struct LoadCase { const char* name; std::string content; int code; };

class LoadResult : public ProgramTextFileTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadResult, CodeOfTheFile) { EXPECT_EQ(ProgramTextFile().load(write(GetParam().content)), GetParam().code); }

const std::string x1024(1024, 'x'), x100k(100000, 'x');
const std::string ae1024 = [] {  // 1024 two-byte characters
    std::string text;
    for (int i = 0; i < 1024; ++i) text += "\xC3\xA4";
    return text;
}();

INSTANTIATE_TEST_SUITE_P(Files, LoadResult, ::testing::ValuesIn(std::vector<LoadCase>{
        {"TwoTexts", "1 Varnex\n20 Show results\n", 2}, {"Sections", "1 Varnex\n[1] Deutsch\n1 Varnex\n", 2},
        {"CrLfAndComments", "# comment\r\n\r\n  # indented comment\r\n1 Varnex\r\n", 1},
        {"Empty", "", -6}, {"OnlyComments", "# nothing\n\n", 0}, {"NoText", "1 Varnex\n# c\n24\n", -503},
        {"NoTextAfterTheBlank", "24 \n", -501}, {"NotAnIdentifier", "1 Varnex\nabc text\n", -502},
        {"IdentifierTooLarge", "40000 text\n", -501}, {"TooLong", "1 Varnex\n2 " + x1024 + "x\n", -1002},
        {"LongestAllowed", "2 " + x1024 + "\n", 1}, {"CharactersNotBytes", "7 " + ae1024 + "\n", 1},
        {"CharactersNotBytesTooLong", "7 " + ae1024 + "\xC3\xA4\n", -1001}, {"Duplicate", "1 Varnex\n2 a\n\n2 b\n", -1504},
        {"SameIdentifierOtherLanguage", "2 a\n[1]\n2 b\n", 2}, {"TooManyLines", std::string(501, '\n'), -3},
        {"TooManyLinesWinsOverAnEarlierFault", "x\n" + std::string(500, '\n'), -3},
        {"ByteOrderMark", "\xEF\xBB\xBF# comment\r\n1 Varnex\r\n", 1}, {"ByteOrderMarkOnly", "\xEF\xBB\xBF", 0},
        {"SignedIdentifier", "1 a\n-0 text\n", -502}, {"PlusIdentifier", "+1 text\n", -501},
        {"SignedSection", "[-0]\n", -501}, {"LongCommentLine", "# " + x100k + "\n1 a\n", 1},
        {"HugeEntryLine", "1 a\n2 " + x100k + "\n", -1002},
        {"HugeLineOfBlanks", std::string(100000, ' ') + "1 a\n", -501}}),
    [](const ::testing::TestParamInfo<LoadCase>& param) { return std::string(param.param.name); });

TEST_F(ProgramTextFileTest, LooksUpByLanguageAndKeepsTheTextExactly) {
    ProgramTextFile file;
    ASSERT_EQ(file.load(write("1 Varnex\n5 ~\n6 ~~\n7  ~\n8 two  blanks inside, one after \n[1] Deutsch\n"
                              "1 Varnex DE\n2 last line ends in CR\r")), 7);
    // 5: "~" is the empty text; 9: unknown; 5 in German: not in that language.
    const std::vector<std::tuple<std::int16_t, std::int16_t, std::string>> texts = {
        {1, intEnglish, "Varnex"}, {5, intEnglish, ""}, {6, intEnglish, "~~"}, {7, intEnglish, " ~"},
        {8, intEnglish, "two  blanks inside, one after "}, {9, intEnglish, ""}, {1, intGerman, "Varnex DE"},
        {5, intGerman, ""}, {2, intGerman, "last line ends in CR"}};
    for (const auto& [id, language, text] : texts) EXPECT_EQ(file.text(id, language), text) << id << " " << language;
}

TEST(ProgramTextMessage, TheFailureTexts) {
    const std::vector<std::pair<int, std::string>> texts = {
        {12, ""}, {-1, "Cannot open file containing program text.\r\n/p/varnex.dat"}, {0, "No program text was read."},
        {-2, "Particular memory allocation error."}, {-3, "Too much program text."}, {-4, "Text not recovered."},
        {-5, "Error -5"}, {-6, "File is empty."}, {-7, "Error reading file."}, {-8, "General memory allocation error."},
        {-9, "Error -9"}, {-500, "Error -500"},
        {-501, "Missing string at line 1."}, {-512, "Missing string at line 12."},
        {-1000, "Missing string at line 500."}, {-1001, "String too long at line 1."},
        {-1500, "String too long at line 500."}, {-1501, "Duplicate in program text at line 1."}};
    for (const auto& [code, text] : texts) EXPECT_EQ(programTextMessage(code, "/p/varnex.dat"), text) << code;
}

TEST(JoinFolderAndFile, ExactlyOneSeparator) {
    for (const char* folder : {"/opt/varnex", "/opt/varnex/"})
        EXPECT_EQ(joinFolderAndFile(folder, "varnex.dat"), "/opt/varnex/varnex.dat");
    EXPECT_EQ(joinFolderAndFile("/", "varnex.dat"), "/varnex.dat");
}

TEST_F(ProgramTextFileTest, MissingOrUnreadableFileAndTheFullPathInTheMessage) {
    EXPECT_EQ(ProgramTextFile().load((folder_ / "absent.dat").string()), -1);
    const ProgramTextLoad missing = LoadProgramText(folder_.path().string(), "varnex.dat");
    EXPECT_FALSE(missing.ok());
    EXPECT_EQ(missing.message, "Cannot open file containing program text.\r\n" + (folder_ / "varnex.dat").string());
    write("24 Out of range\n");
    EXPECT_TRUE(LoadProgramText(folder_.path().string() + "/", "varnex.dat").ok());
    EXPECT_EQ(GetProgramText(24), "Out of range");
    std::filesystem::create_directory(folder_ / "folder.dat");  // opens, but cannot be read
    EXPECT_EQ(ProgramTextFile().load((folder_ / "folder.dat").string()), -7);
    EXPECT_EQ(LoadProgramText(folder_.path().string(), "folder.dat").message, "Error reading file.");
}

TEST_F(ProgramTextFileTest, ALanguageWithoutAnEntryFallsBackToEnglish) {
    write("24 Out of range\n25 Title\n[1] Deutsch\n24 Außerhalb\n25 ~\n");
    ASSERT_TRUE(LoadProgramText(folder_.path().string(), "varnex.dat").ok());
    const std::vector<std::tuple<std::int16_t, std::int16_t, std::string>> texts = {
        {24, intGerman, "Außerhalb"}, {25, intGerman, ""}, {24, intEnglish, "Out of range"}, {26, intGerman, ""}};
    for (const auto& [id, language, text] : texts) EXPECT_EQ(GetProgramText(id, language), text) << id;
    intLanguage = intGerman;
    EXPECT_EQ(GetProgramText(24), "Außerhalb");
    intLanguage = intEnglish;
}

TEST(LanguageOfLocale, GermanForAGermanLocaleOtherwiseEnglish) {
    // LANGUAGE, LC_ALL, LC_MESSAGES, LANG, and the language
    const std::vector<std::tuple<const char*, const char*, const char*, const char*, std::int16_t>> cases = {
        {"", "", "", "de_DE.UTF-8", intGerman}, {"", "", "", "de", intGerman}, {"", "", "", "de_AT@euro", intGerman},
        {"", "", "", "de_CH.UTF-8", intGerman}, {"", "", "", "en_GB.UTF-8", intEnglish}, {"", "", "", "C", intEnglish},
        {"", "", "", "C.UTF-8", intEnglish}, {"", "", "", "POSIX", intEnglish}, {"", "", "", "", intEnglish},
        {"", "", "", "fr_FR.UTF-8", intEnglish}, {"", "", "", "deu", intEnglish}, {"de", "", "", "C", intEnglish},
        {"", "en_US.UTF-8", "", "de_DE.UTF-8", intEnglish}, {"", "", "de_DE.UTF-8", "en_US.UTF-8", intGerman},
        {"de:en", "", "", "en_US.UTF-8", intGerman}, {"fr:de_AT", "", "", "en_US.UTF-8", intGerman},
        {"en", "", "", "de_DE.UTF-8", intEnglish}, {"fr", "", "", "de_DE.UTF-8", intGerman},
        {"de", "", "", "", intEnglish}};
    for (const auto& [language, all, messages, lang, expected] : cases)
        EXPECT_EQ(languageOfLocale({language, all, messages, lang}), expected) << language << all << messages << lang;
    EXPECT_EQ(std::string(languageCode(intGerman)) + "," + std::string(languageCode(7)), "de,en");
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
