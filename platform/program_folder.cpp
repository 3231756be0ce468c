#include "program_folder.h"

#include "install_layout.h"

namespace varnex::platform {
namespace {

std::string& redirectedFolder() {
    static std::string folder;
    return folder;
}

const char*& programName() {
    static const char* name = nullptr;
    return name;
}

}  // namespace

void rememberProgramName(const char* argv0) { programName() = argv0; }

std::string programFolder() {
    if (!redirectedFolder().empty()) return redirectedFolder();
    return shippedFilesFolder(executablePath(programName()).parent_path()).string();
}

void setProgramFolderForTesting(const std::string& folder) { redirectedFolder() = folder; }

}  // namespace varnex::platform
