#include "cli/cli.h"

#include "text/program_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <tuple>

namespace varnex {
namespace {

// Status, standard output and standard error of a command line, in 2015.
std::tuple<int, std::string, std::string> run(const std::vector<std::string>& args) {
    static const bool loaded = LoadProgramText(std::string(VARNEX_SOURCE_DIR) + "/data", "varnex.dat").ok();
    EXPECT_TRUE(loaded);
    std::ostringstream out, err;
    const int status = RunCli(args, 2015, out, err);
    return {status, out.str(), err.str()};
}
std::string out(const std::vector<std::string>& args) { return std::get<1>(run(args)); }

TEST(Cli, TheCalculateCommandForTheCurrentYearByDefault) {
    const auto [status, standardOut, standardErr] = run({});
    EXPECT_TRUE(status == kCliOk && standardErr.empty()) << standardErr;
    EXPECT_EQ(std::ranges::count(standardOut, '\n'), 12);
    EXPECT_TRUE(standardOut.starts_with("Imbolc (true sun) ............. 2015-02-04 CE ")) << standardOut;
    EXPECT_NE(standardOut.find("\r\nSpring (March) equinox ........ 2015-03-20 CE 22:45 GMT\r\n"), std::string::npos);
    EXPECT_EQ(out({"2015"}), standardOut);
}

TEST(Cli, ZoneWeekdayCalendarEventsAndMethodInBothForms) {
    const std::string march = out({"+2015", "--zone", "+05:30", "--weekday", "--events", "march"});
    EXPECT_EQ(march, "Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\r\n");
    EXPECT_EQ(out({"2015", "--zone=GMT+05:30", "--weekday", "--events=march"}), march);
    const std::string julian = out({"800", "--calendar", "julian", "--events", "samhain,december", "--method", "true"});
    EXPECT_TRUE(julian.starts_with("Samhain (true sun) ............ 800-")) << julian;
    EXPECT_EQ(julian.find("\r\nWinter (December) solstice .... 800-12-"), julian.find("\r\n")) << julian;
    EXPECT_EQ(std::ranges::count(julian, '\n'), 2);
    EXPECT_EQ(julian.find(" CE "), std::string::npos) << julian;
}

TEST(Cli, RangeSeparatesTheYearsLikeTheOutputBox) {
    const std::string separator = "--------------------\r\n";
    EXPECT_EQ(out({"--from", "1999", "--to", "2001", "--events", "june"}), out({"1999", "--events", "june"}) + separator +
                  out({"2000", "--events", "june"}) + separator + out({"2001", "--events", "june"}));
}

TEST(Cli, SummaryCellsClockwiseFromTopLeft) {
    const std::string all = out({"2015", "--all", "--hemisphere", "south"});
    // Eight cells of three or two lines, an empty line between cells.
    EXPECT_EQ(std::ranges::count(all, '\n'), 4 * 3 + 4 * 2 + 7);
    EXPECT_TRUE(all.starts_with("Lughnassad\r\nTrue sun: 2015-02-04 CE ")) << all;
    EXPECT_NE(all.find("\r\n\r\nAutumn equinox\r\n2015-03-20 CE 22:45 GMT\r\n\r\n"), std::string::npos) << all;
    EXPECT_NE(all.find("\r\n\r\nBeltane\r\nMean sun: 2015-11-"), std::string::npos) << "mean sun first at the bottom";
}

TEST(Cli, CsvRowsCarryExactInstants) {
    const std::string csv = out({"2015", "--csv", "--events", "march,beltane"});
    EXPECT_TRUE(csv.starts_with("year,event,method,jd_ut,deltat_seconds,local_date,local_time,weekday\r\n"
                                "2015,march,,")) << csv;
    EXPECT_NE(csv.find(",2015-03-20,22:45,Friday\r\n2015,beltane,true,"), std::string::npos) << csv;
    EXPECT_EQ(std::ranges::count(csv, '\n'), 4);
    // The instant to 17 significant digits: 2015-03-20 22:45 UT (USNO) is JD 2457102.44792.
    const std::size_t jdStart = csv.find("march,,") + 7;
    const std::string jd = csv.substr(jdStart, csv.find(',', jdStart) - jdStart);
    EXPECT_GE(jd.size(), 16u) << jd;
    EXPECT_NEAR(std::stod(jd), 2457102.44792, 1.0 / 1440) << jd;
}

TEST(Cli, HelpAndVersion) {
    EXPECT_TRUE(out({"--help"}).starts_with("Usage: varnex-cli"));
    EXPECT_EQ(out({"--version"}), "varnex-cli 5.22\n");
}

TEST(Cli, RejectsWithTheMessageAndNothingOnStandardOutput) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--from", "0", "--to", "5"}, "Year out of range: The year must lie between 1 and 3000."},
        {{"--events", ""}, "Calculate dates and times of selected events: At least one event must be selected."},
        {{"--from", "5", "--to", "3"}, "--from must not come after --to."},
        {{"--from", "5"}, "--from and --to go together."},
        {{"2015", "--from", "1", "--to", "2"}, "not both"},
        {{"2015", "2016"}, "Only one YEAR"},
        {{"--zone", "+13"}, "Accepted: GMT-12:00 to GMT+12:00"},
        {{"--zone"}, "Option --zone needs a value."},
        {{"--calendar", "mayan"}, "Accepted: gregorian, julian."},
        {{"--events", "yule"}, "Accepted: imbolc, march, beltane, june, lughnassad, september, samhain, december."},
        {{"--method", "none"}, "Accepted: true, mean, both."},
        {{"--hemisphere", "east"}, "Accepted: north, south."},
        {{"--csv", "--all"}, "cannot be combined"},
        {{"--weekday=yes"}, "takes no value"},
        {{"--bogus"}, "Unknown option '--bogus'. Accepted: --calendar"}};
    for (const auto& [args, message] : cases) {
        const auto [status, standardOut, standardErr] = run(args);
        EXPECT_TRUE(status == kCliBadInput && standardOut.empty()) << message;
        EXPECT_NE(standardErr.find(message), std::string::npos) << standardErr;
    }
}

}  // namespace
}  // namespace varnex
