#include "program_text.h"

#include "blanks.h"
#include "number_text.h"
#include "utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace varnex {

std::int16_t intLanguage = intEnglish;

namespace {

#ifdef _WIN32
constexpr char kPathSeparator = '\\';
constexpr std::string_view kPathSeparators = "\\/";
#else
constexpr char kPathSeparator = '/';
constexpr std::string_view kPathSeparators = "/";
#endif

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Bytes kept of a line: more than the longest entry (an identifier and 1024 characters of up
// to four bytes each); the rest of a longer line is read past, not kept.
constexpr std::size_t kKeptLineBytes = 8 * 1024;

ProgramTextFile& loadedText() {
    static ProgramTextFile file;
    return file;
}

// "[n]" or "[n] name": the language number (digits only), or nothing when the line is not a
// section.
std::optional<std::int16_t> sectionLanguage(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return parseDigits<std::int16_t>(trimmed(line.substr(1, close - 1), isBlankOrTab));
}

struct TextLine {
    std::string text;  // without its line end; at most kKeptLineBytes
    bool cut = false;  // the line was longer than what is kept
};

// Reads a file line by line (LF or CR LF) in fixed chunks, so that neither a huge file nor
// one huge line costs more than a few kilobytes. Errors are noted, never thrown.
class LineReader {
public:
    explicit LineReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}
    ~LineReader() {
        if (file_) std::fclose(file_);
    }
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool opened() const { return file_ != nullptr; }
    bool failed() const { return failed_; }
    bool readNothing() const { return bytesRead_ == 0; }

    // The next line; false at the end of the file or after a read error.
    bool next(TextLine& line) {
        line.text.clear();
        line.cut = false;
        bool any = false;
        for (;;) {
            if (position_ == filled_ && !fill()) {
                if (!any) return false;
                break;  // a last line without its line end
            }
            const char* begin = buffer_.data() + position_;
            const auto* lineEnd = static_cast<const char*>(std::memchr(begin, '\n', filled_ - position_));
            const std::size_t length = lineEnd ? static_cast<std::size_t>(lineEnd - begin) : filled_ - position_;
            const std::size_t room = kKeptLineBytes - std::min(kKeptLineBytes, line.text.size());
            line.text.append(begin, std::min(length, room));
            line.cut = line.cut || length > room;
            position_ += length;
            any = true;
            if (lineEnd) {
                ++position_;
                break;
            }
        }
        if (!line.cut && !line.text.empty() && line.text.back() == '\r') line.text.pop_back();
        return true;
    }

private:
    bool fill() {
        if (!file_ || failed_) return false;
        filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
        position_ = 0;
        bytesRead_ += filled_;
        if (filled_ == 0 && std::ferror(file_)) failed_ = true;
        return filled_ > 0;
    }

    std::FILE* file_;
    std::vector<char> buffer_ = std::vector<char>(64 * 1024);
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    std::size_t bytesRead_ = 0;
    bool failed_ = false;
};

}  // namespace

int ProgramTextFile::takeLine(std::string_view line, bool cut, int lineNo, std::int16_t& language) {
    const std::string_view item = trimmed(line, isBlankOrTab);
    if (!item.empty() && item.front() == '#') return 0;
    if (item.empty()) return cut ? -500 - lineNo : 0;
    if (const auto section = sectionLanguage(item)) {
        language = *section;
        return 0;
    }
    // Identifier (digits only), one blank or tab, then the text as it stands.
    std::string_view rest = line;
    while (!rest.empty() && isBlankOrTab(rest.front())) rest.remove_prefix(1);
    const auto idEnd = rest.find_first_of(" \t");
    const auto id = parseDigits<std::int16_t>(rest.substr(0, idEnd));
    if (!id || idEnd == std::string_view::npos || idEnd + 1 == rest.size()) return -500 - lineNo;
    const std::string_view text = rest.substr(idEnd + 1);
    if (cut || utf8Length(text) > kProgramTextCapacity) return -1000 - lineNo;
    if (!texts_.emplace(std::make_pair(language, *id), std::string(text)).second) return -1500 - lineNo;
    return 0;
}

int ProgramTextFile::load(const std::string& path) {
    texts_.clear();
    LineReader reader(path);
    if (!reader.opened()) return -1;
    std::int16_t language = intEnglish;
    int fault = 0;  // the first faulty line's result; later lines are only counted
    int lineNo = 0;
    TextLine line;
    while (reader.next(line)) {
        if (++lineNo > kProgramTextMaxLines) return -3;
        std::string_view content = line.text;
        if (lineNo == 1 && content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
        if (fault == 0) fault = takeLine(content, line.cut, lineNo, language);
    }
    if (reader.failed()) return -7;
    if (reader.readNothing()) return -6;
    return fault != 0 ? fault : static_cast<int>(texts_.size());
}

std::string ProgramTextFile::text(std::int16_t id, std::int16_t language) const {
    const auto found = texts_.find({language, id});
    if (found == texts_.end() || found->second == "~") return {};
    return found->second;
}

std::string programTextMessage(int r, std::string_view fullPath) {
    if (r > 0) return {};
    switch (r) {
    case 0: return "No program text was read.";
    case -1: return "Cannot open file containing program text.\r\n" + std::string(fullPath);
    case -2: return "Particular memory allocation error.";
    case -3: return "Too much program text.";
    case -4: return "Text not recovered.";
    case -6: return "File is empty.";
    case -7: return "Error reading file.";
    case -8: return "General memory allocation error.";
    default: break;
    }
    if (r >= -500) return "Error " + decimal(r);
    if (r >= -1000) return "Missing string at line " + decimal(-(r + 500)) + ".";
    if (r >= -1500) return "String too long at line " + decimal(-(r + 1000)) + ".";
    return "Duplicate in program text at line " + decimal(-(r + 1500)) + ".";
}

std::string joinFolderAndFile(std::string_view folder, std::string_view file) {
    std::string path(folder);
    if (path.empty() || kPathSeparators.find(path.back()) == std::string_view::npos) path += kPathSeparator;
    path += file;
    return path;
}

ProgramTextLoad LoadProgramText(std::string_view folder, std::string_view file) {
    const std::string path = joinFolderAndFile(folder, file);
    const int code = loadedText().load(path);
    return {code, programTextMessage(code, path)};
}

std::string GetProgramText(std::int16_t id, std::int16_t language) {
    const ProgramTextFile& file = loadedText();
    return file.text(id, file.has(id, language) ? language : intEnglish);
}

std::string GetProgramText(std::int16_t id) { return GetProgramText(id, intLanguage); }

}  // namespace varnex
