// The command line of varnex-cli: every option declared once, parsed by CLI11.
#pragma once

#include "report/request.h"
#include "report/summary.h"
#include "zones/zone.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

inline constexpr int kCliOk = 0;
inline constexpr int kCliOutputLost = 1;  // also: the program text could not be read
inline constexpr int kCliBadInput = 2;

enum class OutputFormat { Text, Csv, Json, ICalendar, Svg };

struct CliOptions {
    std::optional<std::string> yearText;  // checked later, with the window's messages
    std::optional<std::string> fromText;
    std::optional<std::string> toText;
    std::int16_t calendarCode = 'G';
    std::string zoneText = "GMT";  // as given
    Zone zone;
    Selection selection = FullSelection();
    bool weekday = false;
    bool all = false;
    Hemisphere hemisphere = Hemisphere::North;
    OutputFormat format = OutputFormat::Text;
    bool crlf = false;
    std::optional<std::string> outputPath;
};

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // empty when the command line is answered already
    int exitCode = kCliOk;              // then: 0 after --help or --version, 2 for bad input
};

// Parses `args` (without the program's name). --help and --version are answered on `out`;
// bad input gets a message naming what is accepted on `err`. Needs no program text.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace varnex
