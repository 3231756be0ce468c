// The folder of the running program's shipped files (program text, help text, pages).
#pragma once

#include <string>

namespace varnex::platform {

// Keeps argv[0], for systems that can't tell a program its own path. Call it first in main.
void rememberProgramName(const char* argv0);

// The executable's folder when the program text lies beside it, otherwise ../share/varnex
// relative to it (see install_layout.h); or the folder a test has set.
std::string programFolder();

// Makes programFolder return `folder`; an empty folder restores the real one.
void setProgramFolderForTesting(const std::string& folder);

}  // namespace varnex::platform
