// The per-user application-data folder and the program's data files in it.
#pragma once

#include <QString>

namespace varnex::platform {

inline constexpr int kApplicationDataFolder = 26;  // the per-user (roaming) application data

// True when path, without leading and trailing spaces, names an existing folder.
bool FolderExists(const QString& path);

// The path of a special folder of the system, or the empty string. Only the application-data
// folder is known here: the roaming AppData folder on Windows, elsewhere the user's
// configuration folder ($XDG_CONFIG_HOME, by default ~/.config). A relative path in either
// variable is ignored.
QString GetSpecialFolderPath(int folder);

// Where data may go when there is no application-data folder: the user's home folder.
QString FirstFixedDrive();

// <application-data folder>/<folderName>/<fileName>; makes the folder when it does not exist.
// The path is returned even when the folder cannot be made: writing there then fails and
// says so.
QString GetDataFilePath(const QString& fileName, const QString& folderName);

// True for an existing file; false for an empty path without asking the file system.
bool FileExists(const QString& path);

}  // namespace varnex::platform
