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

}  // namespace varnex::platform
