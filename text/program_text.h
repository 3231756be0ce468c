// Program text: the interface texts of the program, kept in a plain UTF-8 file beside it
// (varnex.dat) and looked up by number.
//
// File layout, one item per line:
//   # comment                   a line whose first non-blank character is '#'
//   [1] German                  a section: the texts of language 1 follow (until the next
//                               section); texts before the first section are language 0
//   24 The year must ...        an entry: the identifier (0 to 32767), one blank or tab,
//                               the text to the end of the line, kept exactly
//   36 ~                        "~" stores an empty text
// Blank lines are ignored; CR LF and LF line ends are both read, and a UTF-8 byte-order mark
// at the start of the file is skipped. Identifiers and section numbers are digits only.
#pragma once

#include "text/language.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace varnex {

// The language of every lookup (text/language.h); it starts as English, and the window sets
// it from the user's locale before it loads the program text.
extern std::int16_t intLanguage;

inline constexpr std::size_t kProgramTextCapacity = 1024;  // longest text, in characters
inline constexpr int kProgramTextMaxLines = 500;           // longest file, in lines

// Load results: the number of texts read when positive, otherwise
//    0  no text read               -1  cannot open the file
//   -3  more than 500 lines (reading stops at line 501)
//   -6  the file is empty
//   -7  error while reading (a folder of that name, an I/O error)
//   -500 - n   line n holds no identifier with a text ("Missing string at line n.")
//   -1000 - n  the text on line n is longer than 1024 characters
//   -1500 - n  line n repeats an identifier of its language
class ProgramTextFile {
public:
    int load(const std::string& path);
    // The text, or the empty string when there is none; "~" gives the empty string.
    std::string text(std::int16_t id, std::int16_t language) const;
    // Whether the language has an entry for the identifier ("~" included).
    bool has(std::int16_t id, std::int16_t language) const { return texts_.contains({language, id}); }

private:
    // Takes one line of the file: 0, or the result code of a faulty line.
    int takeLine(std::string_view line, bool cut, int lineNo, std::int16_t& language);

    std::map<std::pair<std::int16_t, std::int16_t>, std::string> texts_;  // (language, id)
};

struct ProgramTextLoad {
    int code;             // as ProgramTextFile::load
    std::string message;  // empty on success, otherwise the text of the failure
    bool ok() const { return code > 0; }
};

// The failure message for a load result (empty for a success).
std::string programTextMessage(int code, std::string_view fullPath);

// folder, exactly one path separator, file.
std::string joinFolderAndFile(std::string_view folder, std::string_view file);

// Loads the program text file `file` from `folder` for GetProgramText. Ending the program on
// failure belongs to the caller, which shows the message with the critical-error icon.
ProgramTextLoad LoadProgramText(std::string_view folder, std::string_view file);

// The text with the identifier in the language intLanguage, or in English when that language
// has no entry for it (an entry "~" is an empty text, not a missing one); empty when there is
// none.
std::string GetProgramText(std::int16_t id);

// The same in the given language.
std::string GetProgramText(std::int16_t id, std::int16_t language);

}  // namespace varnex
