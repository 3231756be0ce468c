// Texts of the file viewer: what a text box of limited size shows of a file, and the
// messages of a file that cannot be shown.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace varnex {

// A file of this many characters or more is shown in part, between two notes.
inline constexpr std::size_t kViewerTextLimit = 65530;
// The most bytes of a file the viewer needs: as many characters of four bytes each. A longer
// file is shown in part whatever follows.
inline constexpr std::size_t kViewerByteLimit = 4 * kViewerTextLimit;

inline constexpr std::string_view kViewerHeadNote =
    "NOTE: This file is too large to display entirely in this textbox.\r\n"
    "To view the entire contents of the file load it into NotePad,\r\n"
    "WordPad or some other text editor.\r\n\r\n";
inline constexpr std::string_view kViewerTailNote = "NOTE: Entire contents of file have not been displayed.\r\n";

// The text the viewer shows of a file's text (UTF-8; characters counted, not bytes), its notes in
// `language`: the
// whole text when it has fewer than 65530 characters, otherwise the head note, the first
// 65306 characters, an empty line and the tail note (65534 characters in all). `cut` says
// that the file goes on beyond fileText: it is then shown in part however few characters
// fileText counts (malformed UTF-8 counts fewer characters than bytes).
std::string viewerText(std::string_view fileText, bool cut, std::int16_t language);

// Failures of reading a file, by number: 53 the file is not there, 62 it is empty (reading
// ends at once), 70 the user may not read it, 75 anything else (a name too long, a folder, a
// device, a pipe, a file outside the folder it must lie in, a failed read).
inline constexpr int kFileNotFound = 53;         // "File not found"
inline constexpr int kInputPastEndOfFile = 62;   // "Input past end of file"
inline constexpr int kPermissionDenied = 70;     // "Permission denied"
inline constexpr int kPathFileAccessError = 75;  // "Path/File access error"

// "Error 53.  File not found": the number, a full stop, two blanks and the description.
std::string fileErrorText(int number, std::string_view description, std::int16_t language);

}  // namespace varnex
