// Bounded reading of regular files, the place of a path within a folder, and safe
// replacement of a file.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace varnex::platform {

// The bytes of a regular file, at most maxBytes of them; nothing when it is not a regular file
// or cannot be opened or read. Never waits on a pipe or a device.
std::optional<std::string> readFileBytes(const QString& path, std::size_t maxBytes);

// `path` with its links resolved and "." and ".." taken out, when that lies below `folder`
// (also resolved); nothing when it lies elsewhere or is the folder itself. Parts that do not
// exist are taken as written.
std::optional<std::string> pathInsideFolder(const std::string& path, const std::string& folder);

// Writes a temporary file beside `path` and renames it over the old one, so that a failure
// (a full disk, a file-size limit, no permission) leaves the previous file whole. Returns
// the empty string on success, otherwise the system's description of the failure and the
// path of the file or folder that failed: "Permission denied: /home/ann/.config/Ostrel".
std::string replaceFileContent(const QString& path, const std::string& bytes);

// A text file as the file viewer reads it: its first maxBytes bytes, or the failure with its
// number and description: 53 the file is not there, 62 it is empty, 70 the user may not
// read it, 75 anything else (not a regular file, a name too long, a failed read). Only
// regular files are opened, and never so that the call could wait on a pipe or a device.
struct TextFile {
    std::string text;  // the file's bytes (UTF-8, the system's 8-bit text)
    bool cut = false;  // the file goes on beyond text
    int errorNumber = 0;
    std::string description;
    bool ok() const { return errorNumber == 0; }
};
TextFile readTextFile(const QString& path, std::size_t maxBytes);

// The failure `number` (53, 62, 70 or 75) with its description.
TextFile textFileFailure(int number);

}  // namespace varnex::platform
