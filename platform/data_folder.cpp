#include "data_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace varnex::platform {
namespace {

QString joined(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return QDir::separator() + name;
    return folder.endsWith(QDir::separator()) || folder.endsWith('/') ? folder + name
                                                                       : folder + QDir::separator() + name;
}

}  // namespace

bool FolderExists(const QString& path) {
    const QString trimmed = path.trimmed();
    return !trimmed.isEmpty() && QFileInfo(trimmed).isDir();
}

QString GetSpecialFolderPath(int folder) {
    if (folder != kApplicationDataFolder) return {};
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(qEnvironmentVariable("APPDATA"));
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
}

QString FirstFixedDrive() { return QDir::homePath(); }

QString GetDataFilePath(const QString& fileName, const QString& folderName) {
    QString base = GetSpecialFolderPath(kApplicationDataFolder);
    if (base.isEmpty()) base = FirstFixedDrive();
    const QString dir = joined(base, folderName);
    if (!FolderExists(dir)) QDir().mkpath(dir);
    return joined(dir, fileName);
}

bool FileExists(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }

}  // namespace varnex::platform
