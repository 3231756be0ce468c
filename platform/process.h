// What a command-line program asks of the system, without Qt.
#pragma once

#include <cstdint>

namespace varnex::platform {

// A closed pipe and a file-size limit become errors of the write (EPIPE, EFBIG) instead of
// signals that end the program: a reader that stops early ends it quietly, a size limit is
// lost output with a message, and neither leaves a temporary file behind.
void takeWriteFailuresAsErrors();

// The current year in the system's local zone (TZ or /etc/localtime); 2000 if it cannot be had.
std::int32_t currentLocalYear();

}  // namespace varnex::platform
