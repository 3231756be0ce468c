// What varnex-cli computes for a parsed command line: the text it prints.
#pragma once

#include "options.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace varnex {

struct CliOutput {
    int exitCode = kCliOk;
    std::string text;  // the whole output; empty when exitCode is not kCliOk
};

// A checked command line and the writer of its output, which writes the output to the stream
// it is given as it is made (the years on options.jobs threads, in order). `options` must
// outlive the writer.
struct CliRun {
    int exitCode = kCliOk;
    std::function<void(std::ostream& out)> write;  // empty when exitCode is not kCliOk
};

// The years are checked here: a refusal (refusalText) goes to `err`; see runCli. `err` must
// outlive the writer, which notes there what --next could not give (fewer events, no season).
CliRun startCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err);

// The output for `options`, whole in memory: the result lines (or the summary's cells) with the window's CR LF
// turned into LF unless options.crlf, or an export. The years are checked here, a refusal
// going to `err` in the window's words (the program text must be loaded). `currentYear` is the year when
// none is given; `now` the DTSTAMP of an iCalendar export.
CliOutput runCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err);

}  // namespace varnex
