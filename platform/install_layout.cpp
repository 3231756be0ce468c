#include "install_layout.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#elif defined(__APPLE__)
#include <mach-o/dyld.h>
#endif

namespace varnex::platform {
namespace fs = std::filesystem;
namespace {

fs::path pathFromSystem() {
#if defined(_WIN32)
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return fs::path(buffer.substr(0, length));
        buffer.resize(buffer.size() * 2);
    }
#elif defined(__APPLE__)
    std::uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    std::string buffer(size, '\0');
    if (_NSGetExecutablePath(buffer.data(), &size) != 0) return {};
    std::error_code error;
    const fs::path path = fs::canonical(buffer.c_str(), error);
    return error ? fs::path() : path;
#else
    std::error_code error;
    const fs::path path = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : path;
#endif
}

}  // namespace

fs::path pathFromProgramName(const char* argv0) {
    if (argv0 == nullptr || *argv0 == '\0') return {};
    const std::string name(argv0);
    std::error_code error;
    if (name.find('/') != std::string::npos) {
        const fs::path path = fs::canonical(name, error);
        return error ? fs::path() : path;
    }
    const char* searchPath = std::getenv("PATH");
    std::string_view rest = searchPath ? searchPath : "";
    for (bool more = searchPath != nullptr; more;) {  // an empty entry is the working folder
        const std::size_t colon = rest.find(':');
        const std::string_view folder = rest.substr(0, colon);
        more = colon != std::string_view::npos;
        if (more) rest.remove_prefix(colon + 1);
        const fs::path candidate = fs::path(folder.empty() ? "." : folder) / name;
        if (fs::is_regular_file(candidate, error)) {
            const fs::path path = fs::canonical(candidate, error);
            if (!error) return path;
        }
    }
    return {};
}

fs::path executablePath(const char* argv0) {
    fs::path path = pathFromSystem();
    return path.empty() ? pathFromProgramName(argv0) : path;
}

fs::path shippedFilesFolder(const fs::path& executableFolder, std::string_view marker) {
    std::error_code error;
    if (fs::is_regular_file(executableFolder / marker, error)) return executableFolder;
    return (executableFolder / ".." / "share" / "varnex").lexically_normal();
}

}  // namespace varnex::platform
