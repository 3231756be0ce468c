#include "output_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
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

// Writes over an existing file or device where it is: a device such as /dev/stdout or a pipe,
// which renaming over would remove; a file whose other names (hard links) must see the new
// text; a file whose owner the new file could not keep. `flags` adds O_TRUNC for a file.
WriteResult writeInPlace(const std::string& path, std::string_view text, int flags) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | flags);
    if (fd < 0) return failed(errno, path);
    WriteResult result = WriteToDescriptor(fd, text);
    if (::close(fd) != 0 && result.outcome == WriteOutcome::Written) return failed(errno, path);
    if (result.outcome == WriteOutcome::Failed) result.message += ": " + path;
    return result;
}

// The file a path names, through symbolic links, a dangling one too (its target is made).
std::string resolvedTarget(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path target = path;
    for (int hop = 0; hop < 40 && fs::is_symlink(target, error); ++hop) {
        const fs::path next = fs::read_symlink(target, error);
        if (error) break;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target.string();
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
    const std::string path = resolvedTarget(givenPath);
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return writeInPlace(path, text, 0);
    if (exists && ::access(path.c_str(), W_OK) != 0) return failed(errno, path);  // as `>` would refuse
    if (exists && old.st_nlink > 1) return writeInPlace(path, text, O_TRUNC);
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
    // The new file takes the old one's permissions and owner.
    if (::fchmod(fd, exists ? (old.st_mode & 07777) : newFileMode()) != 0) return giveUp(errno);
    if (exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        ::close(fd);
        ::unlink(temporaryName.c_str());
        return writeInPlace(path, text, O_TRUNC);
    }
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
