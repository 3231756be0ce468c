#include "cli/cli.h"

#include "astro/solar_events.h"
#include "text/program_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <sstream>

namespace varnex {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(LoadProgramText(std::string(VARNEX_SOURCE_DIR) + "/data", "varnex.dat").ok());
    }
    static CliRun run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        const int status = RunCli(args, 2015, out, err);
        return {status, out.str(), err.str()};
    }
    static std::vector<std::string> lines(const std::string& text) {
        std::vector<std::string> result;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = text.find("\r\n", start);
            result.push_back(text.substr(start, end - start));
            start = end == std::string::npos ? text.size() : end + 2;
        }
        return result;
    }
};

TEST_F(Cli, CurrentYearByDefaultWithEveryEventAndMethod) {
    const CliRun r = run({});
    EXPECT_EQ(r.status, kCliOk);
    EXPECT_EQ(r.err, "");
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 12u);
    EXPECT_EQ(l[0].rfind("Imbolc (true sun) ............. 2015-02-04 CE ", 0), 0u);
    EXPECT_EQ(l[2], "Spring (March) equinox ........ 2015-03-20 CE 22:45 GMT");
    EXPECT_EQ(r.out.substr(r.out.size() - 2), "\r\n");
    EXPECT_EQ(run({"2015"}).out, r.out);
}

TEST_F(Cli, ZoneWeekdayCalendarEventsAndMethod) {
    const CliRun r = run({"+2015", "--zone", "+05:30", "--weekday", "--events", "march"});
    EXPECT_EQ(r.out, "Spring (March) equinox ........ 2015-03-21 CE 04:15 GMT+05:30, Saturday\r\n");
    EXPECT_EQ(run({"2015", "--zone=GMT+05:30", "--weekday", "--events=march"}).out, r.out);
    const CliRun julian = run({"800", "--calendar", "julian", "--events", "samhain,december", "--method", "true"});
    const auto l = lines(julian.out);
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].rfind("Samhain (true sun) ............ 800-", 0), 0u) << l[0];
    EXPECT_NE(l[1].find(" JC "), std::string::npos);
}

TEST_F(Cli, RangeSeparatesTheYearsLikeTheOutputBox) {
    const CliRun r = run({"--from", "1999", "--to", "2001", "--events", "june"});
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[1], "--------------------");
    EXPECT_EQ(l[3], "--------------------");
    EXPECT_NE(l[4].find("2001-06-21"), std::string::npos);
}

TEST_F(Cli, SummaryCellsClockwiseFromTopLeft) {
    const CliRun r = run({"2015", "--all", "--hemisphere", "south"});
    ASSERT_EQ(r.status, kCliOk);
    const auto l = lines(r.out);
    // Eight cells of three or two lines, an empty line between cells.
    ASSERT_EQ(l.size(), 4u * 3 + 4u * 2 + 7u);
    EXPECT_EQ(l[0], "Lughnassad");
    EXPECT_EQ(l[4], "Autumn equinox");
    EXPECT_EQ(l[5], "2015-03-20 CE 22:45 GMT");
}

TEST_F(Cli, CsvRowsCarryExactInstants) {
    InitPeriodicTerms();
    const CliRun r = run({"2015", "--csv", "--events", "march,beltane"});
    const auto l = lines(r.out);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], "year,event,method,jd_ut,deltat_seconds,local_date,local_time,weekday");
    EXPECT_EQ(l[1].rfind("2015,march,,", 0), 0u) << l[1];
    EXPECT_NE(l[1].find(",2015-03-20,22:45,Friday"), std::string::npos) << l[1];
    EXPECT_EQ(l[2].rfind("2015,beltane,true,", 0), 0u) << l[2];
    // 17 significant digits give back the very double.
    const std::string jd = l[1].substr(std::string("2015,march,,").size(), l[1].find(',', 12) - 12);
    double parsed = 0;
    std::from_chars(jd.data(), jd.data() + jd.size(), parsed);
    EXPECT_EQ(parsed, EquinoxSolsticeUT(0, 2015));
}

TEST_F(Cli, HelpAndVersion) {
    EXPECT_NE(run({"--help"}).out.find("Usage: varnex-cli"), std::string::npos);
    EXPECT_EQ(run({"--version"}).out, "varnex-cli 5.22\n");
}

struct BadInput {
    std::vector<std::string> args;
    const char* message;
};

class CliRejects : public Cli, public ::testing::WithParamInterface<BadInput> {};

TEST_P(CliRejects, WithTheMessageAndNothingOnStandardOutput) {
    const CliRun r = run(GetParam().args);
    EXPECT_EQ(r.status, kCliBadInput);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliRejects,
    ::testing::Values(BadInput{{"abc"}, "Invalid input: Invalid input for year."},
                      BadInput{{" "}, "Invalid input: Year must be specified."},
                      BadInput{{"0"}, "Year out of range: The year must lie between 1 and 3000."},
                      BadInput{{"99999999999"}, "The year must lie between 1 and 3000."},
                      BadInput{{"--from", "0", "--to", "5"}, "The year must lie between 1 and 3000."},
                      BadInput{{"--from", "5", "--to", "3"}, "--from must not come after --to."},
                      BadInput{{"--from", "5"}, "--from and --to go together."},
                      BadInput{{"2015", "--from", "1", "--to", "2"}, "not both"},
                      BadInput{{"2015", "2016"}, "Only one YEAR"},
                      BadInput{{"--zone", "+13"}, "Accepted: GMT-12:00 to GMT+12:00"},
                      BadInput{{"--zone"}, "Option --zone needs a value."},
                      BadInput{{"--calendar", "mayan"}, "Accepted: gregorian, julian."},
                      BadInput{{"--events", "yule"}, "Accepted: imbolc, march, beltane, june, lughnassad, september, "
                                                     "samhain, december."},
                      BadInput{{"--events", ""}, "At least one event must be selected."},
                      BadInput{{"--method", "none"}, "Accepted: true, mean, both."},
                      BadInput{{"--hemisphere", "east"}, "Accepted: north, south."},
                      BadInput{{"--csv", "--all"}, "cannot be combined"},
                      BadInput{{"--weekday=yes"}, "takes no value"},
                      BadInput{{"--bogus"}, "Unknown option '--bogus'. Accepted: --calendar"}));

}  // namespace
}  // namespace varnex
