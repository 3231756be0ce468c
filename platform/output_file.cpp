#include "output_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <optional>
#include <ostream>
#include <sstream>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/xattr.h>
#endif

namespace varnex::platform {
namespace {

WriteResult failed(int error, const std::string& path = {}) {
    std::string message = std::strerror(error);
    if (!path.empty()) message += ": " + path;
    return {WriteOutcome::Failed, message};
}

std::string folderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// ---- Descriptors by name --------------------------------------------------------------------

// The descriptor that /dev/stdout, /dev/stderr, /dev/fd/N or /proc/self/fd/N names. Opening
// them again would open the file behind the descriptor anew (truncating a log that the shell
// opened for appending), or fail for a pipe; the descriptor itself is what the user meant.
std::optional<int> descriptorNamed(const std::string& given) {
    const std::string path = std::filesystem::path(given).lexically_normal().string();
    if (path == "/dev/stdout") return 1;
    if (path == "/dev/stderr") return 2;
    if (path == "/dev/stdin") return 0;
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (!path.starts_with(folder)) continue;
        const std::string_view digits = std::string_view(path).substr(folder.size());
        if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        return std::atoi(std::string(digits).c_str());
    }
    return std::nullopt;
}

// ---- Following symbolic links ----------------------------------------------------------------

struct Target {
    std::string path;  // the file itself: no symbolic link
    bool exists = false;
    struct stat status {};
};
using Followed = std::variant<Target, int, WriteResult>;  // a file, a descriptor, a refusal

// A link in a sticky folder that anyone may write to, owned by neither this user nor the
// folder's owner, may have been planted by another user to aim our write at a file of ours.
// Linux refuses to follow such a link where fs.protected_symlinks is set; we refuse it always.
bool plantedLink(const struct stat& folder, const struct stat& link) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

// The parts of a path between its slashes, without empty parts and ".".
std::deque<std::string> partsOf(std::string_view path) {
    std::deque<std::string> parts;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t end = std::min(path.find('/', start), path.size());
        const std::string_view part = path.substr(start, end - start);
        if (!part.empty() && part != ".") parts.emplace_back(part);
        start = end + 1;
    }
    return parts;
}

// `folder` joined with `parts`: "" is the current folder, "/" the root.
std::string joined(std::string folder, const std::deque<std::string>& parts) {
    for (const std::string& part : parts) folder += (folder.empty() || folder == "/" ? "" : "/") + part;
    return folder;
}

std::string parentOf(const std::string& folder) {
    if (folder.empty() || folder == ".." || folder.ends_with("/..")) return joined(folder, {".."});
    const auto slash = folder.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : folder.substr(0, slash);
}

WriteResult refusal(const std::string& link) {
    return {WriteOutcome::Failed, link + ": a symbolic link in a shared folder (sticky, writable by anyone) that "
                                         "belongs to another user; not followed, as it may aim the output at "
                                         "another file. Name the file itself."};
}

// Follows the path one part at a time, as the kernel would, every symbolic link on the way
// (a folder's too) checked before it is followed.
Followed follow(const std::string& given) {
    if (const auto fd = descriptorNamed(given)) return *fd;
    std::string resolved = given.starts_with('/') ? "/" : "";  // no link in it
    std::deque<std::string> rest = partsOf(given);
    for (int hops = 0; !rest.empty();) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        if (part == "..") {
            resolved = parentOf(resolved);
            continue;
        }
        const std::string path = joined(resolved, {part});
        Target target{path};
        if (::lstat(path.c_str(), &target.status) != 0) {
            if (errno == ENOENT && rest.empty()) return target;
            return failed(errno, joined(path, rest));
        }
        if (!S_ISLNK(target.status.st_mode)) {
            resolved = path;
            target.exists = true;
            if (rest.empty()) return target;
            continue;
        }
        if (++hops > 40) return failed(ELOOP, given);
        struct stat folder {};
        if (::stat(resolved.empty() ? "." : resolved.c_str(), &folder) != 0) return failed(errno, resolved);
        if (plantedLink(folder, target.status)) return refusal(path);
        std::vector<char> text(PATH_MAX + 1);
        const ssize_t length = ::readlink(path.c_str(), text.data(), text.size() - 1);
        if (length < 0) return failed(errno, path);
        const std::string_view next(text.data(), static_cast<std::size_t>(length));
        if (next.starts_with('/')) resolved = "/";
        std::deque<std::string> parts = partsOf(next);
        rest.insert(rest.begin(), parts.begin(), parts.end());
        if (const auto fd = descriptorNamed(joined(resolved, rest))) return *fd;
    }
    Target folder{resolved.empty() ? "." : resolved, true};  // "/" or ".": a folder, refused by open
    if (::stat(folder.path.c_str(), &folder.status) != 0) return failed(errno, given);
    return folder;
}

// ---- Signals while a named temporary file exists ---------------------------------------------

char gTemporaryName[PATH_MAX + 1];
volatile std::sig_atomic_t gTemporaryNamed = 0;
constexpr int kCleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};

extern "C" void removeTemporaryAndEnd(int signal) {
    if (gTemporaryNamed) ::unlink(gTemporaryName);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);
}

// Installs the handlers for its lifetime; name() and unname() mark the temporary file.
class TemporaryGuard {
public:
    TemporaryGuard() {
        struct sigaction action {};
        action.sa_handler = removeTemporaryAndEnd;
        ::sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kCleanupSignals); ++i)
            ::sigaction(kCleanupSignals[i], &action, &previous_[i]);
    }
    ~TemporaryGuard() {
        unname();
        for (std::size_t i = 0; i < std::size(kCleanupSignals); ++i)
            ::sigaction(kCleanupSignals[i], &previous_[i], nullptr);
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

    static void name(const std::string& path) {
        std::snprintf(gTemporaryName, sizeof gTemporaryName, "%s", path.c_str());
        gTemporaryNamed = 1;
    }
    static void unname() { gTemporaryNamed = 0; }

private:
    struct sigaction previous_[std::size(kCleanupSignals)] {};
};

// ---- Writing ------------------------------------------------------------------------------------

// A stream buffer that passes what is written on to a descriptor, 64 KiB at a time. After a
// failed write it takes nothing more (the stream goes bad) and keeps the failure.
class DescriptorBuffer final : public std::streambuf {
public:
    explicit DescriptorBuffer(int fd) : fd_(fd), buffer_(1 << 16) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
    const WriteResult& result() const { return result_; }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        if (result_.outcome != WriteOutcome::Written) return false;
        result_ = writeToDescriptor(fd_, std::string_view(pbase(), static_cast<std::size_t>(pptr() - pbase())));
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return result_.outcome == WriteOutcome::Written;
    }

    int fd_;
    std::vector<char> buffer_;
    WriteResult result_;
};

WriteResult streamToDescriptor(int fd, const OutputWriter& write) {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    write(out);
    out.flush();
    return buffer.result();
}

// The whole output of a writer, for the file written in place.
std::string wholeOutput(const OutputWriter& write) {
    std::ostringstream out;
    write(out);
    return std::move(out).str();
}

// Writes `text` at the start of `fd` and cuts what follows.
WriteResult overwrite(int fd, std::string_view text) {
    for (off_t at = 0; !text.empty();) {
        const ssize_t written = ::pwrite(fd, text.data(), text.size(), at);
        if (written < 0) {
            if (errno == EINTR) continue;
            return failed(errno);
        }
        text.remove_prefix(static_cast<std::size_t>(written));
        at += written;
    }
    return {};
}

// SIGINT, SIGTERM and SIGHUP held back for its lifetime: one that comes meanwhile ends the
// program as it says once the write is whole.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t held;
        ::sigemptyset(&held);
        for (const int signal : kCleanupSignals) ::sigaddset(&held, signal);
        ::sigprocmask(SIG_BLOCK, &held, &previous_);
    }
    ~SignalsHeld() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_{};
};

// Writes over the regular file `path` where it is, so that its other names, its owner and its
// attributes stay. The space for the whole text is reserved first: a full disk or a size limit
// then refuses the write before a byte of the old content is touched; and the signals that
// would end the program are held back until the new content is whole.
WriteResult writeInPlace(const std::string& path, std::string_view text) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return failed(errno, path);
    const auto giveUp = [&](int error) {
        ::close(fd);
        return failed(error, path);
    };
    const SignalsHeld held;
    if (!text.empty()) {
        if (const int error = ::posix_fallocate(fd, 0, static_cast<off_t>(text.size())); error != 0)
            return giveUp(error);
    }
    if (const WriteResult result = overwrite(fd, text); result.outcome != WriteOutcome::Written) return giveUp(errno);
    if (::ftruncate(fd, static_cast<off_t>(text.size())) != 0 || ::fsync(fd) != 0) return giveUp(errno);
    if (::close(fd) != 0) return failed(errno, path);
    return {};
}

// A device, a pipe or a socket, written as the shell's `>` would.
WriteResult writeToSpecialFile(const std::string& path, const OutputWriter& write) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return failed(errno, path);
    WriteResult result = streamToDescriptor(fd, write);
    if (::close(fd) != 0 && result.outcome == WriteOutcome::Written) return failed(errno, path);
    if (result.outcome == WriteOutcome::Failed) result.message += ": " + path;
    return result;
}

// 0666 less the umask: the permissions the shell's `>` gives a new file.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// ---- Replacing a file ---------------------------------------------------------------------------

std::string temporaryNameIn(const std::string& folder) {
    static std::minstd_rand next(static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(std::random_device{}()));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = folder + "/.varnex-";
    for (int i = 0; i < 6; ++i) name += kLetters[next() % (sizeof kLetters - 1)];
    return name;
}

// A new file in `folder`, opened for writing: unnamed (O_TMPFILE) where the file system can,
// otherwise under a short temporary name that `named` receives.
int openTemporary(const std::string& folder, std::string& named) {
#if defined(O_TMPFILE)
    if (const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600); unnamed >= 0)
        return unnamed;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) return -1;
#endif
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryNameIn(folder);
        TemporaryGuard::name(name);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            named = name;
            return fd;
        }
        TemporaryGuard::unname();
        if (errno != EEXIST) return -1;
    }
    return -1;
}

// Gives the unnamed file `fd` a temporary name in `folder`.
bool nameTemporary(int fd, const std::string& folder, std::string& named) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = temporaryNameIn(folder);
        TemporaryGuard::name(name);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
            ::linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
            named = name;
            return true;
        }
        TemporaryGuard::unname();
        if (errno != EEXIST) return false;
    }
    return false;
}

// Gives the new file the extended attributes (and so the POSIX ACLs) of the old one; false
// when one of them cannot be read or set.
bool copyAttributes(const std::string& from, int to) {
#if defined(__linux__)
    const ssize_t size = ::llistxattr(from.c_str(), nullptr, 0);
    if (size < 0) return errno == ENOTSUP;
    std::vector<char> names(static_cast<std::size_t>(size) + 1);
    const ssize_t listed = ::llistxattr(from.c_str(), names.data(), names.size());
    if (listed < 0) return false;
    for (const char* name = names.data(); name < names.data() + listed; name += std::strlen(name) + 1) {
        const ssize_t length = ::lgetxattr(from.c_str(), name, nullptr, 0);
        if (length < 0) return false;
        std::vector<char> value(static_cast<std::size_t>(length) + 1);
        const ssize_t read = ::lgetxattr(from.c_str(), name, value.data(), value.size());
        if (read < 0 || ::fsetxattr(to, name, value.data(), static_cast<std::size_t>(read), 0) != 0) return false;
    }
#else
    (void)from;
    (void)to;
#endif
    return true;
}

// The new file takes the old one's owner, then its permissions (in that order: a change of
// owner clears the setgid bit), then its extended attributes. False when it cannot.
bool takeOver(int fd, const Target& old) {
    const struct stat& was = old.status;
    if ((was.st_uid != ::geteuid() || was.st_gid != ::getegid()) && ::fchown(fd, was.st_uid, was.st_gid) != 0)
        return false;
    return ::fchmod(fd, was.st_mode & 07777) == 0 && copyAttributes(old.path, fd);
}

enum class Replaced { Yes, InPlaceInstead, Failed };

// Writes the output to a new file in the target's folder and renames it over the target.
Replaced replace(const Target& target, const OutputWriter& write, WriteResult& result) {
    const std::string folder = folderOf(target.path);
    std::string named;
    const int fd = openTemporary(folder, named);
    if (fd < 0) {
        result = failed(errno, target.path);
        return Replaced::Failed;
    }
    const auto giveUp = [&](int error, Replaced how) {
        ::close(fd);
        if (!named.empty()) ::unlink(named.c_str());
        TemporaryGuard::unname();
        if (how == Replaced::Failed) result = failed(error, target.path);
        return how;
    };
    if (target.exists ? !takeOver(fd, target) : ::fchmod(fd, newFileMode()) != 0)
        return giveUp(0, Replaced::InPlaceInstead);
    if (const WriteResult written = streamToDescriptor(fd, write); written.outcome != WriteOutcome::Written) {
        result = {WriteOutcome::Failed, written.message + ": " + target.path};
        giveUp(0, Replaced::InPlaceInstead);
        return Replaced::Failed;
    }
    if (::fsync(fd) != 0) return giveUp(errno, Replaced::Failed);
    if (named.empty() && !nameTemporary(fd, folder, named)) return giveUp(errno, Replaced::Failed);
    if (::close(fd) != 0 || std::rename(named.c_str(), target.path.c_str()) != 0) {
        const int error = errno;
        ::unlink(named.c_str());
        TemporaryGuard::unname();
        result = failed(error, target.path);
        return Replaced::Failed;
    }
    TemporaryGuard::unname();
    return Replaced::Yes;
}

bool mayWrite(const std::string& path) { return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

// The writer is called once: by replace, or (replace giving up before it writes) for the
// whole output to write in place.
WriteResult writeFile(const Target& target, const OutputWriter& write) {
    if (target.exists && !S_ISREG(target.status.st_mode)) return writeToSpecialFile(target.path, write);
    if (target.exists && !mayWrite(target.path)) return failed(errno, target.path);  // as `>` would refuse
    const bool folderWritable = ::faccessat(AT_FDCWD, folderOf(target.path).c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    if (target.exists && (target.status.st_nlink > 1 || !folderWritable))
        return writeInPlace(target.path, wholeOutput(write));
    TemporaryGuard guard;
    WriteResult result;
    switch (replace(target, write, result)) {
        case Replaced::Yes: return {};
        case Replaced::InPlaceInstead: return writeInPlace(target.path, wholeOutput(write));
        case Replaced::Failed: break;
    }
    return result;
}

}  // namespace

WriteResult writeToDescriptor(int fd, std::string_view text) {
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

WriteResult writeToStandardOutput(std::string_view text) { return writeToDescriptor(STDOUT_FILENO, text); }

WriteResult writeToDescriptor(int fd, const OutputWriter& write) { return streamToDescriptor(fd, write); }

WriteResult writeToStandardOutput(const OutputWriter& write) { return streamToDescriptor(STDOUT_FILENO, write); }

WriteResult writeOutputFile(const std::string& path, std::string_view text) {
    return writeOutputFile(path, [text](std::ostream& out) { out.write(text.data(), static_cast<std::streamsize>(text.size())); });
}

WriteResult writeOutputFile(const std::string& path, const OutputWriter& write) {
    const Followed followed = follow(path);
    if (const auto* refusal = std::get_if<WriteResult>(&followed)) return *refusal;
    if (const int* fd = std::get_if<int>(&followed)) {
        if (::fcntl(*fd, F_GETFD) < 0) return failed(errno, path);
        WriteResult result = streamToDescriptor(*fd, write);
        if (result.outcome == WriteOutcome::Failed) result.message += ": " + path;
        return result;
    }
    return writeFile(std::get<Target>(followed), write);
}

}  // namespace varnex::platform
