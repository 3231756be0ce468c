// The folder of the running program, where its shipped files lie.
#pragma once

#include <string>

namespace varnex::platform {

// The folder of the executable (needs a Qt application object), unless a test has
// redirected it with setProgramFolderForTesting.
std::string ProgramFolder();

// Makes ProgramFolder return `folder`; an empty folder restores the real one.
void setProgramFolderForTesting(const std::string& folder);

}  // namespace varnex::platform
