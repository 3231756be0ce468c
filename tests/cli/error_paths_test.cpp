// The ways out of varnex-cli's output: the years made on threads come in order whatever the
// threads, and a year that fails, a reader of the pieces that fails or stops, and a writer that
// fails each end the run with the error where it belongs, no batch left running and no hang
// (ctest stops a hang after a minute).
#include "cli/year_order.h"
#include "platform/output_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <numeric>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace varnex {
namespace {

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<std::int32_t> yearsFrom(Years years) {
    std::vector<std::int32_t> all(static_cast<std::size_t>(years.last - years.first + 1));
    std::iota(all.begin(), all.end(), years.first);
    return all;
}

TEST(InYearOrder, EveryYearOnceAndInOrderWhateverTheThreads) {
    for (const unsigned jobs : {1u, 2u, 3u, 8u}) {
        for (const Years years : {Years{1, 1}, Years{1, 31}, Years{1, 32}, Years{1, 33}, Years{5, 200}, Years{1, 3000}}) {
            std::vector<std::int32_t> used;
            inYearOrder(years, jobs, [](std::int32_t year) { return year; },
                        [&used](std::int32_t year) { return used.push_back(year), true; });
            EXPECT_EQ(used, yearsFrom(years)) << jobs << " jobs, " << years.first << "-" << years.last;
        }
    }
}

TEST(InYearOrder, EachWayOutEndsThereWithNoBatchLeftRunning) {
    struct Case {
        const char* what;
        std::int32_t makeFailsAt, useFailsAt, useStopsAt;  // 0: never
        bool throws;
        std::int32_t lastUsedAtMost, lastUsedAtLeast;
    };
    const Case cases[] = {
        {"a year that fails", 77, 0, 0, true, 76, 64},  // the batches before its own are used
        {"a reader of the pieces that fails", 0, 50, 0, true, 49, 49},
        {"a reader that has gone", 0, 0, 50, false, 50, 50},
    };
    for (const Case& c : cases) {
        for (const unsigned jobs : {1u, 2u, 8u}) {
            std::atomic<int> running = 0;
            std::vector<std::int32_t> used;
            const auto make = [&](std::int32_t year) {
                ++running;
                std::this_thread::sleep_for(std::chrono::microseconds(50));
                --running;
                if (year == c.makeFailsAt) throw Failure("year " + std::to_string(year));
                return year;
            };
            const auto use = [&](std::int32_t year) {
                if (year == c.useFailsAt) throw Failure("reader");
                used.push_back(year);
                return year != c.useStopsAt;
            };
            bool threw = false;
            try {
                inYearOrder(Years{1, 3000}, jobs, make, use);
            } catch (const Failure&) {
                threw = true;
            }
            EXPECT_EQ(threw, c.throws) << c.what << ", " << jobs << " jobs";
            EXPECT_EQ(running.load(), 0) << c.what << ", " << jobs << " jobs: a batch ran on";
            ASSERT_FALSE(used.empty()) << c.what;
            EXPECT_EQ(used, yearsFrom(Years{1, used.back()})) << c.what << ", " << jobs << " jobs";
            EXPECT_LE(used.back(), c.lastUsedAtMost) << c.what << ", " << jobs << " jobs";
            EXPECT_GE(used.back(), c.lastUsedAtLeast) << c.what << ", " << jobs << " jobs";
        }
    }
}

// A writer that fails (a library's error, as the iCalendar writer throws) is a failure to make
// the output, with its reason, and the file keeps its old bytes.
TEST(OutputWriter, AWriterThatFailsLeavesTheFileAsItWas) {
    char folder[] = "/tmp/varnex-writer-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string path = std::string(folder) + "/out.txt";
    std::ofstream(path) << "OLD\n";
    const auto failing = [](std::ostream& out) {
        out << "half a row";
        throw Failure("libical could not write a VEVENT");
    };
    const platform::WriteResult result = platform::writeOutputFile(path, failing);
    EXPECT_EQ(result.outcome, platform::WriteOutcome::Failed);
    EXPECT_NE(result.message.find("libical could not write a VEVENT"), std::string::npos) << result.message;
    std::stringstream content;
    content << std::ifstream(path).rdbuf();
    EXPECT_EQ(content.str(), "OLD\n");
    std::remove(path.c_str());
    rmdir(folder);
}

}  // namespace
}  // namespace varnex
