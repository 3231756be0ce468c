#include "files.h"

#include <QFile>
#include <QSaveFile>

namespace varnex::platform {

std::optional<std::string> ReadFileBytes(const QString& path, std::size_t maxBytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes));
    if (file.error() != QFileDevice::NoError) return std::nullopt;
    return bytes.toStdString();
}

std::string ReplaceFileContent(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString().toStdString();
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        const std::string error = file.errorString().toStdString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) return file.errorString().toStdString();
    return {};
}

}  // namespace varnex::platform
