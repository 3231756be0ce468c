#include "files.h"

#include "platform/file_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace varnex::platform {
namespace {

// A file-size limit (ulimit -f) would kill the program with SIGXFSZ in the middle of a
// write; ignored, the write fails with EFBIG and is reported like any other failure.
void ignoreFileSizeSignal() {
#ifdef SIGXFSZ
    static const bool ignored = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignored;
#endif
}

// A failure's description in the language of the window.
std::string describe(const char* english) { return QCoreApplication::translate("Files", english).toStdString(); }

QString systemText(int error) { return QString::fromStdString(std::generic_category().message(error)); }

// "reason: path", with the path in the platform's own notation.
std::string failureAt(const QString& reason, const QString& path) {
    return (reason + ": " + QDir::toNativeSeparators(path)).toStdString();
}

// Why a folder that is not there could not be made: its nearest existing ancestor is no
// folder, or the user may not write in it, or it is simply missing.
QString missingFolderReason(const QString& folder) {
    QFileInfo ancestor(folder);
    while (!ancestor.exists() && !ancestor.isRoot() && ancestor.absolutePath() != ancestor.absoluteFilePath())
        ancestor = QFileInfo(ancestor.absolutePath());
    if (ancestor.exists() && !ancestor.isDir()) return systemText(ENOTDIR);
    if (ancestor.exists() && !ancestor.isWritable()) return systemText(EACCES);
    return systemText(ENOENT);
}

int fileErrorNumber(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR: return kFileNotFound;
    case EACCES:
    case EPERM: return kPermissionDenied;
    default: return kPathFileAccessError;
    }
}

#ifdef Q_OS_UNIX
// The first maxBytes bytes of a regular file and whether more follow, or the failure's number.
// The type is checked before opening (opening a pipe would wait for a writer), and again on the
// open descriptor, opened without waiting, in case the file was swapped meanwhile.
TextFile readRegularFile(const QString& path, std::size_t maxBytes) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return textFileFailure(fileErrorNumber(errno));
    if (!S_ISREG(info.st_mode)) return textFileFailure(kPathFileAccessError);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return textFileFailure(fileErrorNumber(errno));
    const std::unique_ptr<const int, void (*)(const int*)> closer(&fd, [](const int* d) { ::close(*d); });
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return textFileFailure(kPathFileAccessError);
    // Read in blocks up to one byte more than wanted (which tells whether the file goes on):
    // the memory taken follows what the file holds, not the limit.
    constexpr std::size_t kBlock = 64 * 1024;
    const std::size_t wanted = maxBytes + 1;
    TextFile file;
    std::size_t got = 0;
    while (got < wanted) {
        file.text.resize(std::min(wanted, got + kBlock));
        const ssize_t n = ::read(fd, file.text.data() + got, file.text.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return textFileFailure(kPathFileAccessError);
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    file.cut = got > maxBytes;
    file.text.resize(std::min(got, maxBytes));
    return file;
}
#else
TextFile readRegularFile(const QString& path, std::size_t maxBytes) {
    const QFileInfo info(path);
    if (!info.exists()) return textFileFailure(kFileNotFound);
    if (!info.isFile()) return textFileFailure(kPathFileAccessError);
    if (!info.isReadable()) return textFileFailure(kPermissionDenied);
    QFile device(path);
    if (!device.open(QIODevice::ReadOnly)) return textFileFailure(kPathFileAccessError);
    const QByteArray bytes = device.read(static_cast<qint64>(maxBytes) + 1);
    if (device.error() != QFileDevice::NoError) return textFileFailure(kPathFileAccessError);
    TextFile file;
    file.cut = static_cast<std::size_t>(bytes.size()) > maxBytes;
    file.text = bytes.left(static_cast<qsizetype>(maxBytes)).toStdString();
    return file;
}
#endif

}  // namespace

TextFile textFileFailure(int number) {
    switch (number) {
    case kFileNotFound: return {{}, false, number, describe(QT_TRANSLATE_NOOP("Files", "File not found"))};
    case kInputPastEndOfFile: return {{}, false, number, describe(QT_TRANSLATE_NOOP("Files", "Input past end of file"))};
    case kPermissionDenied: return {{}, false, number, describe(QT_TRANSLATE_NOOP("Files", "Permission denied"))};
    default: return {{}, false, kPathFileAccessError, describe(QT_TRANSLATE_NOOP("Files", "Path/File access error"))};
    }
}

std::optional<std::string> readFileBytes(const QString& path, std::size_t maxBytes) {
    TextFile file = readRegularFile(path, maxBytes);
    if (!file.ok()) return std::nullopt;
    return std::move(file.text);
}

TextFile readTextFile(const QString& path, std::size_t maxBytes) {
    TextFile file = readRegularFile(path, maxBytes);
    if (file.ok() && file.text.empty()) return textFileFailure(kInputPastEndOfFile);
    return file;
}

std::optional<std::string> pathInsideFolder(const std::string& path, const std::string& folder) {
    namespace fs = std::filesystem;
    const auto resolved = [](const std::string& p) {
        std::error_code error;
        fs::path r = p.empty() ? fs::path() : fs::weakly_canonical(fs::path(p), error).lexically_normal();
        if (error) return fs::path();
        return r.has_filename() || r == r.root_path() ? r : r.parent_path();  // no trailing separator
    };
    const fs::path base = resolved(folder), file = resolved(path);
    if (base.empty() || file.empty()) return std::nullopt;
    const auto [b, f] = std::mismatch(base.begin(), base.end(), file.begin(), file.end());
    if (b != base.end() || f == file.end()) return std::nullopt;
    return file.string();
}

std::string replaceFileContent(const QString& path, const std::string& bytes) {
    ignoreFileSizeSignal();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // The temporary file goes beside the old one: a missing or read-only folder is at
        // fault, or the old file that may not be replaced, or else what the system says.
        const QFileInfo old(path);
        const QString folder = old.absolutePath();
        const QFileInfo folderInfo(folder);
        if (!folderInfo.isDir()) return failureAt(missingFolderReason(folder), folder);
        if (!folderInfo.isWritable()) return failureAt(systemText(EACCES), folder);
        if (old.exists() && !old.isWritable()) return failureAt(systemText(EACCES), path);
        return failureAt(file.errorString(), path);
    }
    // QSaveFile buffers what is written: a full disk shows only when the buffer is flushed,
    // and commit() would still rename the short file over the old one (Qt 6.4). Flush and
    // check first, so that a failed write leaves the old file whole.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
        // A failed flush leaves Qt's text at "Unknown error"; the system's error says more.
        const int error = errno;
        const QString reason = error != 0 ? systemText(error) : file.errorString();
        file.cancelWriting();
        return failureAt(reason, path);
    }
    if (!file.commit()) return failureAt(file.errorString(), path);
    return {};
}

}  // namespace varnex::platform
