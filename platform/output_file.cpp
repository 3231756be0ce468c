#include "output_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <exception>
#include <new>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <variant>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#if defined(__linux__)
#include <sys/mman.h>
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

// A descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes it now; the error number of close, or 0.
    int close() {
        const int fd = std::exchange(fd_, -1);
        return fd >= 0 && ::close(fd) != 0 ? errno : 0;
    }

private:
    int fd_;
};

// ---- The program's own descriptors ----------------------------------------------------------

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool openForWriting(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && (flags & O_ACCMODE) != O_RDONLY;
}

// The standard descriptor open for writing that `path` leads to, recognised by what it is (the
// same file, pipe or device), whatever the path is called: opening it again would open the
// file behind the descriptor anew (truncating a log that the shell opened for appending), or
// fail for a pipe; the descriptor itself is what the user meant.
std::optional<int> standardDescriptorAt(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) return std::nullopt;
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO, STDIN_FILENO}) {
        struct stat held {};
        if (::fstat(fd, &held) == 0 && sameFile(held, target) && openForWriting(fd)) return fd;
    }
    return std::nullopt;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.size() <= 9 && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Whether `folder`, a path without symbolic links, is this process's own folder of descriptors,
// whose entries are the descriptors it holds: /proc/PID/fd, or /proc/PID/task/TID/fd (where
// /dev/fd, /proc/self/fd and /proc/thread-self/fd lead).
bool ownDescriptorFolder(std::string_view folder) {
    const std::string own = "/proc/" + std::to_string(::getpid());
    if (!folder.starts_with(own) || !folder.ends_with("/fd")) return false;
    const std::string_view between = folder.substr(own.size(), folder.size() - own.size() - 3);
    return between.empty() || (between.starts_with("/task/") && allDigits(between.substr(6)));
}

// ---- Following symbolic links ----------------------------------------------------------------

struct Target {
    std::string path;  // the file itself: no symbolic link
    bool exists = false;
    struct stat status {};
};
using Followed = std::variant<Target, int, WriteResult>;  // a file, a descriptor, a refusal

// An entry of a sticky folder that anyone may write to, owned by neither this user nor the
// folder's owner, may have been put there by another user: a link to aim our write at a file of
// ours, a file or a pipe to catch our output (or block it). Linux refuses such a link where
// fs.protected_symlinks is set, and such a file or pipe to an open that may create it where
// fs.protected_regular and fs.protected_fifos are; we refuse them always.
bool placedByAnother(const struct stat& folder, const struct stat& entry) {
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    return shared && entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid;
}

WriteResult refusal(const std::string& path, std::string_view what, std::string_view why) {
    return {WriteOutcome::Failed, path + ": " + std::string(what) +
                                      " in a shared folder (sticky, writable by anyone) that belongs to another user; " +
                                      std::string(why)};
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

// Follows the path one part at a time, as the kernel would, every symbolic link on the way
// (a folder's too) checked before it is followed. An entry of the program's own descriptor
// folder is the descriptor it names, not the file behind it.
Followed follow(const std::string& given) {
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
        const bool descriptor = rest.empty() && allDigits(part) && ownDescriptorFolder(resolved);
        Target target{path};
        if (::lstat(path.c_str(), &target.status) != 0) {
            if (descriptor && errno == ENOENT) return failed(EBADF, given);
            if (errno == ENOENT && rest.empty()) return target;
            return failed(errno, joined(path, rest));
        }
        if (descriptor) return std::atoi(part.c_str());
        if (!S_ISLNK(target.status.st_mode)) {
            resolved = path;
            target.exists = true;
            if (rest.empty()) return target;
            continue;
        }
        if (++hops > 40) return failed(ELOOP, given);
        struct stat folder {};
        if (::stat(resolved.empty() ? "." : resolved.c_str(), &folder) != 0) return failed(errno, resolved);
        if (placedByAnother(folder, target.status))
            return refusal(path, "a symbolic link", "not followed, as it may aim the output at another file. Name the file itself.");
        std::vector<char> text(PATH_MAX + 1);
        const ssize_t length = ::readlink(path.c_str(), text.data(), text.size() - 1);
        if (length < 0) return failed(errno, path);
        const std::string_view next(text.data(), static_cast<std::size_t>(length));
        if (next.starts_with('/')) resolved = "/";
        std::deque<std::string> parts = partsOf(next);
        rest.insert(rest.begin(), parts.begin(), parts.end());
    }
    Target folder{resolved.empty() ? "." : resolved, true};  // "/" or ".": a folder, refused by open
    if (::stat(folder.path.c_str(), &folder.status) != 0) return failed(errno, given);
    return folder;
}

// ---- Signals that would end the program ------------------------------------------------------

constexpr int kEndingSignals[] = {SIGINT,  SIGTERM, SIGHUP,    SIGQUIT, SIGALRM, SIGUSR1,
                                  SIGUSR2, SIGXCPU, SIGVTALRM, SIGPROF, SIGABRT};

char gTemporaryName[PATH_MAX + 1];
volatile std::sig_atomic_t gTemporaryNamed = 0;

extern "C" void removeTemporaryAndEnd(int signal) {
    if (gTemporaryNamed) ::unlink(gTemporaryName);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    ::sigaction(signal, &standard, nullptr);
    ::raise(signal);  // held until the handler returns, then the signal's own action
}

// Installs the handlers for its lifetime, on the signals whose action is still the default
// (one ignored at start, as nohup ignores SIGHUP, stays ignored); name() and unname() mark the
// temporary file.
class TemporaryGuard {
public:
    TemporaryGuard() {
        struct sigaction action {};
        action.sa_handler = removeTemporaryAndEnd;
        ::sigemptyset(&action.sa_mask);
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
            struct sigaction current {};
            installed_[i] = ::sigaction(kEndingSignals[i], nullptr, &current) == 0 && current.sa_handler == SIG_DFL &&
                            ::sigaction(kEndingSignals[i], &action, nullptr) == 0;
        }
    }
    ~TemporaryGuard() {
        unname();
        struct sigaction standard {};
        standard.sa_handler = SIG_DFL;
        for (std::size_t i = 0; i < std::size(kEndingSignals); ++i)
            if (installed_[i]) ::sigaction(kEndingSignals[i], &standard, nullptr);
    }
    TemporaryGuard(const TemporaryGuard&) = delete;
    TemporaryGuard& operator=(const TemporaryGuard&) = delete;

    static void name(const std::string& path) {
        std::snprintf(gTemporaryName, sizeof gTemporaryName, "%s", path.c_str());
        gTemporaryNamed = 1;
    }
    static void unname() { gTemporaryNamed = 0; }

private:
    std::array<bool, std::size(kEndingSignals)> installed_{};
};

// The ending signals but SIGABRT (which abort() sends whatever the mask) held back for its
// lifetime: one that comes meanwhile ends the program as it says once the write is whole.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t held;
        ::sigemptyset(&held);
        for (const int signal : kEndingSignals)
            if (signal != SIGABRT) ::sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
    }
    ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

private:
    sigset_t previous_{};
};

// ---- Writing ------------------------------------------------------------------------------------

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

// Why the output could not be made, from what its writer threw.
std::string reasonOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return std::strerror(ENOMEM);
    } catch (const std::system_error& e) {
        return e.code().message();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "an unknown failure";
    }
}

// The writer's output on `fd`. A write that fails is the result; so is anything the writer
// throws, as a failure to make the output.
WriteResult streamToDescriptor(int fd, const OutputWriter& write) {
    DescriptorBuffer buffer(fd);
    std::ostream out(&buffer);
    try {
        out.exceptions(std::ios::badbit);
        write(out);
        out.flush();
    } catch (...) {
        if (buffer.result().outcome != WriteOutcome::Written) return buffer.result();
        return {WriteOutcome::Failed, reasonOf(std::current_exception()) + " (while making the output)"};
    }
    return buffer.result();
}

WriteResult streamToDescriptor(int fd, const OutputWriter& write, const std::string& path) {
    WriteResult result = streamToDescriptor(fd, write);
    if (result.outcome == WriteOutcome::Failed) result.message += ": " + path;
    return result;
}

// Opens a device or a named pipe for writing, as the shell's `>` would; but a named pipe that
// no program opens for reading within kReaderWaitSeconds is given up (ETIMEDOUT), where `>`
// would wait for ever. -1 with errno on failure.
int openSpecial(const Target& target) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(kReaderWaitSeconds);
    for (;;) {
        const int fd = ::open(target.path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
        if (fd >= 0) {
            if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0) return fd;
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        if (errno != ENXIO || !S_ISFIFO(target.status.st_mode)) return -1;  // ENXIO: a pipe with no reader yet
        if (std::chrono::steady_clock::now() >= until) {
            errno = ETIMEDOUT;
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

WriteResult writeToSpecialFile(const Target& target, const OutputWriter& write) {
    Descriptor fd(openSpecial(target));
    if (!fd) {
        if (errno == ETIMEDOUT)
            return {WriteOutcome::Failed, "no program opened the named pipe for reading within " +
                                              std::to_string(kReaderWaitSeconds) + " seconds: " + target.path};
        return failed(errno, target.path);
    }
    const WriteResult result = streamToDescriptor(fd.get(), write, target.path);
    if (const int error = fd.close(); error != 0 && result.outcome == WriteOutcome::Written) return failed(error, target.path);
    return result;
}

// 0666 less the umask: the permissions the shell's `>` gives a new file.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// ---- Writing in place -------------------------------------------------------------------------

// An unnamed file for the program's own use, in $TMPDIR (an absolute path) or /tmp, or else in
// memory: gone when it is closed, whatever ends the program. -1 with errno on failure.
int scratchFile() {
    std::vector<std::string> folders;
    if (const char* tmp = std::getenv("TMPDIR"); tmp && tmp[0] == '/') folders.emplace_back(tmp);
    folders.emplace_back("/tmp");
    for (const std::string& folder : folders) {
#if defined(O_TMPFILE)
        if (const int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600); fd >= 0) return fd;
#endif
        std::string name = folder + "/.varnex-XXXXXX";
        if (const int fd = ::mkostemp(name.data(), O_CLOEXEC); fd >= 0) {
            ::unlink(name.c_str());
            return fd;
        }
    }
#if defined(__linux__)
    return ::memfd_create("varnex-output", MFD_CLOEXEC);
#else
    return -1;
#endif
}

// Copies the first `size` bytes of `from` over the first bytes of `to`; the error number, or 0.
int copyBytes(int from, int to, off_t size) {
    std::array<char, 1 << 16> buffer;
    for (off_t at = 0; at < size;) {
        const ssize_t got = ::pread(from, buffer.data(), static_cast<std::size_t>(std::min<off_t>(buffer.size(), size - at)), at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return got < 0 ? errno : EIO;  // EIO: shorter than it was a moment ago
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::pwrite(to, buffer.data() + done, static_cast<std::size_t>(got - done), at + done);
            if (put < 0 && errno == EINTR) continue;
            if (put < 0) return errno;
            done += put;
        }
        at += got;
    }
    return 0;
}

// Makes sure `newSize` bytes fit in the file `fd` (holding `file` now) before a byte of it
// changes, without changing its size or content: the size limit (which FALLOC_FL_KEEP_SIZE does
// not check), then the blocks reserved with fallocate(2) itself, or where the file system has
// none, its free space checked (the C library's posix_fallocate would instead write the file
// full of zeros up to that size, and fill the disk). The error number, or 0; on failure nothing
// stays reserved.
int reserve(int fd, const struct stat& file, off_t newSize) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        static_cast<rlim_t>(newSize) > limit.rlim_cur)
        return EFBIG;
    if (newSize <= file.st_size) return 0;
#if defined(__linux__)
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, newSize) == 0) return 0;
    if (errno != EOPNOTSUPP && errno != ENOSYS) {
        const int error = errno;
        (void)::ftruncate(fd, file.st_size);  // frees what was reserved past the end
        return error;
    }
#endif
    struct statvfs space {};
    if (::fstatvfs(fd, &space) != 0) return errno;
    const double blocks = static_cast<double>(::geteuid() == 0 ? space.f_bfree : space.f_bavail);
    const double available = blocks * static_cast<double>(space.f_frsize);
    // The data not yet on the disk, with a 1/128 for the blocks that index it (ext2 needs 1/256).
    const double data = static_cast<double>(newSize) - 512.0 * static_cast<double>(file.st_blocks);
    const double needed = data * (1.0 + 1.0 / 128) + 16.0 * static_cast<double>(space.f_frsize);
    return available >= needed ? 0 : ENOSPC;
}

// Writes the output over the regular file `path` where it is, so that its other names, its owner
// and its attributes stay. The output is made first, into a scratch file, so the memory held is
// not the output's size and a failure to make it touches nothing; then the space is reserved,
// the old bytes copied aside and the new ones copied in, the signals that would end the program
// held back. Should the copy still fail, the old bytes and size are put back.
WriteResult writeInPlace(const std::string& path, const OutputWriter& write) {
    const Descriptor output(scratchFile());
    if (!output) return failed(errno, path);
    if (WriteResult made = streamToDescriptor(output.get(), write, path); made.outcome != WriteOutcome::Written)
        return made;
    const off_t newSize = ::lseek(output.get(), 0, SEEK_END);
    if (newSize < 0) return failed(errno, path);
    constexpr int kFlags = O_NOCTTY | O_NOFOLLOW | O_CLOEXEC;
    int opened = ::open(path.c_str(), O_RDWR | kFlags);
    const bool readable = opened >= 0;  // else the old bytes cannot be kept aside
    if (!readable && errno == EACCES) opened = ::open(path.c_str(), O_WRONLY | kFlags);
    Descriptor fd(opened);
    struct stat file {};
    if (!fd || ::fstat(fd.get(), &file) != 0) return failed(errno, path);
    if (const int error = reserve(fd.get(), file, newSize); error != 0) return failed(error, path);
    const Descriptor old(readable && file.st_size > 0 ? scratchFile() : -1);
    if (readable && file.st_size > 0) {
        const int error = old ? copyBytes(fd.get(), old.get(), file.st_size) : errno;
        if (error != 0) {
            (void)::ftruncate(fd.get(), file.st_size);  // frees what was reserved
            return failed(error, path);
        }
    }
    const SignalsHeld held;
    int error = copyBytes(output.get(), fd.get(), newSize);
    if (error == 0 && ::ftruncate(fd.get(), newSize) != 0) error = errno;
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno;
    if (error != 0) {
        if (old) (void)copyBytes(old.get(), fd.get(), file.st_size);
        (void)::ftruncate(fd.get(), file.st_size);
        (void)::fsync(fd.get());
        return failed(error, path);
    }
    if (const int closing = fd.close(); closing != 0) return failed(closing, path);
    return {};
}

// ---- Replacing a file ---------------------------------------------------------------------------

std::string temporaryNameIn(const std::string& folder) {
    static std::minstd_rand next(static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(std::random_device{}()));
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = folder + "/.varnex-";
    for (int i = 0; i < 6; ++i) name += kLetters[next() % (sizeof kLetters - 1)];
    return name;
}

// A new file being written in a folder: unnamed (O_TMPFILE) where the file system can, under a
// short temporary name otherwise; removed when it goes out of scope unless renamed over its
// target.
class NewFile {
public:
    explicit NewFile(std::string folder) : folder_(std::move(folder)) {
#if defined(O_TMPFILE)
        fd_ = ::open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd_ >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return;
#endif
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = temporaryNameIn(folder_);
            TemporaryGuard::name(name);
            fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd_ >= 0) {
                named_ = name;
                return;
            }
            TemporaryGuard::unname();
            if (errno != EEXIST) return;
        }
    }
    ~NewFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!named_.empty()) ::unlink(named_.c_str());
        TemporaryGuard::unname();
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    int fd() const { return fd_; }

    // Names the file if it has no name yet, closes it and renames it over `path`; the error
    // number, or 0.
    int renameOver(const std::string& path) {
        if (named_.empty() && !giveName()) return errno;
        const int fd = std::exchange(fd_, -1);
        if (::close(fd) != 0 || std::rename(named_.c_str(), path.c_str()) != 0) return errno;
        named_.clear();
        return 0;
    }

private:
    bool giveName() {
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = temporaryNameIn(folder_);
            TemporaryGuard::name(name);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
                ::linkat(fd_, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
                named_ = name;
                return true;
            }
            TemporaryGuard::unname();
            if (errno != EEXIST) return false;
        }
        return false;
    }

    std::string folder_;
    int fd_ = -1;
    std::string named_;
};

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

// Writes the output to a new file in the target's folder and renames it over the target; empty
// when the new file cannot take the old one's place (its owner or attributes), before the
// writer is called.
std::optional<WriteResult> replace(const Target& target, const OutputWriter& write) {
    const TemporaryGuard guard;
    NewFile file(folderOf(target.path));
    if (file.fd() < 0) return failed(errno, target.path);
    if (target.exists ? !takeOver(file.fd(), target) : ::fchmod(file.fd(), newFileMode()) != 0) return std::nullopt;
    if (WriteResult written = streamToDescriptor(file.fd(), write, target.path); written.outcome != WriteOutcome::Written)
        return written;
    if (::fsync(file.fd()) != 0) return failed(errno, target.path);
    if (const int error = file.renameOver(target.path); error != 0) return failed(error, target.path);
    return WriteResult{};
}

bool mayWrite(const std::string& path) { return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

// The writer is called once: by replace, or (replace giving up before it writes) to write in place.
WriteResult writeFile(const Target& target, const OutputWriter& write) {
    if (target.exists && (S_ISREG(target.status.st_mode) || S_ISFIFO(target.status.st_mode))) {
        struct stat folder {};
        if (::stat(folderOf(target.path).c_str(), &folder) == 0 && placedByAnother(folder, target.status))
            return refusal(target.path, S_ISFIFO(target.status.st_mode) ? "a named pipe" : "a file",
                           "not written, as another user may have put it there to catch the output. Name another file.");
    }
    if (target.exists && !S_ISREG(target.status.st_mode)) return writeToSpecialFile(target, write);
    if (target.exists && !mayWrite(target.path)) return failed(errno, target.path);  // as `>` would refuse
    const bool folderWritable = ::faccessat(AT_FDCWD, folderOf(target.path).c_str(), W_OK | X_OK, AT_EACCESS) == 0;
    if (target.exists && (target.status.st_nlink > 1 || !folderWritable)) return writeInPlace(target.path, write);
    if (std::optional<WriteResult> replaced = replace(target, write)) return *replaced;
    return writeInPlace(target.path, write);
}

}  // namespace

WriteResult writeToStandardOutput(const OutputWriter& write) { return streamToDescriptor(STDOUT_FILENO, write); }

WriteResult writeOutputFile(const std::string& path, const OutputWriter& write) {
    if (const std::optional<int> fd = standardDescriptorAt(path)) return streamToDescriptor(*fd, write, path);
    const Followed followed = follow(path);
    if (const auto* refused = std::get_if<WriteResult>(&followed)) return *refused;
    if (const int* fd = std::get_if<int>(&followed)) {
        if (::fcntl(*fd, F_GETFD) < 0) return failed(errno, path);
        return streamToDescriptor(*fd, write, path);
    }
    return writeFile(std::get<Target>(followed), write);
}

}  // namespace varnex::platform
