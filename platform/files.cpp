#include "files.h"

#include "report/file_view.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <system_error>

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

// "reason: path", with the path in the platform's own notation.
std::string failureAt(const QString& reason, const QString& path) {
    return (reason + ": " + QDir::toNativeSeparators(path)).toStdString();
}

}  // namespace

std::optional<std::string> ReadFileBytes(const QString& path, std::size_t maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

TextFile ReadTextFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {{}, kFileNotFound, "File not found"};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.error() == QFileDevice::PermissionsError ? TextFile{{}, kPermissionDenied, "Permission denied"}
                                                             : TextFile{{}, kPathFileAccessError, "Path/File access error"};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, kPathFileAccessError, file.errorString().toStdString()};
    if (bytes.isEmpty()) return {{}, kInputPastEndOfFile, "Input past end of file"};
    return {bytes.toStdString(), 0, {}};
}

std::string ReplaceFileContent(const QString& path, const std::string& bytes) {
    ignoreFileSizeSignal();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        // The temporary file goes beside the old one: when it cannot be made, the folder is
        // at fault (missing, not writable), otherwise the file itself.
        const QString folder = QFileInfo(path).absolutePath();
        const QFileInfo folderInfo(folder);
        return failureAt(file.errorString(), folderInfo.isDir() && folderInfo.isWritable() ? path : folder);
    }
    // QSaveFile buffers what is written: a full disk shows only when the buffer is flushed,
    // and commit() would still rename the short file over the old one (Qt 6.4). Flush and
    // check first, so that a failed write leaves the old file whole.
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size || !file.flush() || file.error() != QFileDevice::NoError) {
        // A failed flush leaves Qt's text at "Unknown error"; the system's error says more.
        const int error = errno;
        const QString reason =
            error != 0 ? QString::fromStdString(std::generic_category().message(error)) : file.errorString();
        file.cancelWriting();
        return failureAt(reason, path);
    }
    if (!file.commit()) return failureAt(file.errorString(), path);
    return {};
}

}  // namespace varnex::platform
