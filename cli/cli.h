// varnex-cli: the Calculate command and the summary of the window on the command line.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace varnex {

inline constexpr int kCliOk = 0;
inline constexpr int kCliBadInput = 2;

// Runs the command line `args` (without the program name). Results go to `out`, messages
// to `err`; bad input writes nothing to `out` and returns kCliBadInput. The program text
// must be loaded (its texts 24 and 25 word the out-of-range year). `currentYear` is the
// year used when none is given.
int RunCli(const std::vector<std::string>& args, std::int32_t currentYear, std::ostream& out, std::ostream& err);

}  // namespace varnex
