#include "data_folder.h"

#include <QDir>
#include <QFileInfo>

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
    // A relative path in the environment would make the settings depend on the folder the
    // program was started from: it is ignored (as the XDG Base Directory rules say).
    const auto absolute = [](const QString& path) { return QDir::isAbsolutePath(path) ? path : QString(); };
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(absolute(qEnvironmentVariable("APPDATA")));
#else
    if (const QString config = absolute(qEnvironmentVariable("XDG_CONFIG_HOME")); !config.isEmpty()) return config;
    const QString home = absolute(qEnvironmentVariable("HOME"));
    return home.isEmpty() ? home : joined(home, ".config");
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
