// Texts of the file viewer: what a text box of limited size shows of a file, and the
// messages of a file that cannot be shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnex {

// A file of this many characters or more is shown in part, between two notes.
inline constexpr std::size_t kViewerTextLimit = 65530;

inline constexpr std::string_view kViewerHeadNote =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n";
inline constexpr std::string_view kViewerTailNote = "NOTE: Entire contents of file have not been displayed.\r\n";

// The text the viewer shows of a file's text (UTF-8; characters counted, not bytes): the
// whole text when it has fewer than 65530 characters, otherwise the head note, the first
// 65306 characters, an empty line and the tail note (65534 characters in all).
std::string ViewerText(std::string_view fileText);

// Failures of reading a file, numbered as the platform's file-system object numbers them.
inline constexpr int kFileNotFound = 53;       // "File not found"
inline constexpr int kInputPastEndOfFile = 62;  // "Input past end of file": an empty file
inline constexpr int kPermissionDenied = 70;    // "Permission denied"
inline constexpr int kPathFileAccessError = 75;  // "Path/File access error": any other failure

// "Error 53.  File not found": the number, a full stop, two blanks and the description.
std::string FileErrorText(int number, std::string_view description);

}  // namespace varnex
