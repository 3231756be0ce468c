#include "output_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>


#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnex::platform {
namespace {

WriteResult failed(int error, const std::string& path = {}) {
    std::string message = std::strerror(error);
    if (!path.empty()) message += ": " + path;
    return {WriteOutcome::Failed, message};
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// Writes to something that is not a regular file (a device such as /dev/stdout or /dev/null,
// a pipe): there is no file to replace, and renaming over it would remove it.
WriteResult writeInPlace(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) return failed(errno, path);
    WriteResult result = WriteToDescriptor(fd, text);
    if (::close(fd) != 0 && result.outcome == WriteOutcome::Written) return failed(errno, path);
    if (result.outcome == WriteOutcome::Failed) result.message += ": " + path;
    return result;
}

}  // namespace

WriteResult WriteToDescriptor(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            if (errno == EPIPE) return {WriteOutcome::BrokenPipe, {}};
            return failed(errno);
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

WriteResult ReplaceFileAtomically(const std::string& givenPath, std::string_view text) {
    struct stat info {};
    if (::stat(givenPath.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return writeInPlace(givenPath, text);
    // Through a symbolic link, the file it names is replaced and the link stays.
    std::vector<char> resolved(PATH_MAX + 1, '\0');
    const std::string path = ::realpath(givenPath.c_str(), resolved.data()) ? resolved.data() : givenPath;
    std::string temporaryName = path + ".XXXXXX";
    std::vector<char> name(temporaryName.begin(), temporaryName.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return failed(errno, path);
    temporaryName = name.data();
    const auto giveUp = [&](int error) {
        ::close(fd);
        ::unlink(temporaryName.c_str());
        return failed(error, path);
    };
    if (::fchmod(fd, newFileMode()) != 0) return giveUp(errno);
    if (const WriteResult result = WriteToDescriptor(fd, text); result.outcome != WriteOutcome::Written) {
        ::close(fd);
        ::unlink(temporaryName.c_str());
        return {WriteOutcome::Failed, result.message + ": " + path};
    }
    if (::fsync(fd) != 0) return giveUp(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporaryName.c_str());
        return failed(error, path);
    }
    if (std::rename(temporaryName.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporaryName.c_str());
        return failed(error, path);
    }
    return {};
}

}  // namespace varnex::platform
