// Where the running program lies, and where its shipped files are: beside it, or under the
// share folder of the prefix it is installed in. No Qt, so both front ends use it.
#pragma once

#include <filesystem>
#include <string_view>

namespace varnex::platform {

// The full path of the running executable, from the system (/proc/self/exe on Linux); when
// the system can't say, from `argv0` as the shell found it (a path, or a name looked up in
// PATH). Empty when neither works.
std::filesystem::path executablePath(const char* argv0 = nullptr);

// The path argv[0] names, as a shell resolves it: with a slash relative to the working folder,
// else the first regular file of that name along PATH. Empty when there is none.
std::filesystem::path pathFromProgramName(const char* argv0);

// The folder of the shipped files for an executable in `executableFolder`: that folder when
// `marker` lies in it (a build tree, a copied folder, Windows), otherwise ../share/varnex
// relative to it (installed under a prefix such as /usr, /usr/local or ~/.local). When the
// marker is in neither, the folder tried last, so a message about a missing file names it.
std::filesystem::path shippedFilesFolder(const std::filesystem::path& executableFolder,
                                         std::string_view marker = "varnex.dat");

}  // namespace varnex::platform
