// Whole-file reading and safe replacement of a file.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace varnex::platform {

// The bytes of a file, at most maxBytes of them; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const QString& path, std::size_t maxBytes);

// Writes a temporary file beside `path` and renames it over the old one, so that a failure
// (a full disk, a file-size limit, no permission) leaves the previous file whole. Returns
// the empty string on success, otherwise the system's description of the failure and the
// path of the file or folder that failed: "Permission denied: /home/ann/.config/Ostrel".
std::string ReplaceFileContent(const QString& path, const std::string& bytes);

// A whole text file as the file viewer reads it, or the failure with its number and
// description: 53 the file is not there, 62 it is empty (reading ends at once), 70 no
// permission, 75 any other failure.
struct TextFile {
    std::string text;  // the file's bytes (UTF-8, the system's 8-bit text)
    int errorNumber = 0;
    std::string description;
    bool ok() const { return errorNumber == 0; }
};
TextFile ReadTextFile(const QString& path);

}  // namespace varnex::platform
