#include "program_folder.h"

#include <QCoreApplication>

namespace varnex::platform {
namespace {

std::string& redirectedFolder() {
    static std::string folder;
    return folder;
}

}  // namespace

std::string ProgramFolder() {
    if (!redirectedFolder().empty()) return redirectedFolder();
    return QCoreApplication::applicationDirPath().toStdString();
}

void setProgramFolderForTesting(const std::string& folder) { redirectedFolder() = folder; }

}  // namespace varnex::platform
