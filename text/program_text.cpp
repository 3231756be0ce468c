#include "program_text.h"

#include "utf8.h"

#include <charconv>
#include <fstream>
#include <iterator>
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

ProgramTextFile& loadedText() {
    static ProgramTextFile file;
    return file;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// "[n]" or "[n] name": the language number, or -1 when the line is not a section.
int sectionLanguage(std::string_view line) {
    if (line.empty() || line.front() != '[') return -1;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return -1;
    const std::string_view number = trimBlanks(line.substr(1, close - 1));
    int language = -1;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), language);
    if (ec != std::errc() || end != number.data() + number.size() || language < 0 || language > 32767) return -1;
    return language;
}

std::string decimal(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

int ProgramTextFile::load(const std::string& path) {
    texts_.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) return -1;
    std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return -7;
    if (content.empty()) return -6;

    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < content.size();) {
        std::size_t end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string_view line(content.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    if (lines.size() > static_cast<std::size_t>(kProgramTextMaxLines)) return -3;

    std::int16_t language = intEnglish;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i) + 1;
        const std::string_view line = lines[i];
        const std::string_view item = trimBlanks(line);
        if (item.empty() || item.front() == '#') continue;
        if (const int section = sectionLanguage(item); section >= 0) {
            language = static_cast<std::int16_t>(section);
            continue;
        }
        // Identifier, one blank or tab, then the text as it stands.
        std::string_view rest = line;
        while (!rest.empty() && isBlank(rest.front())) rest.remove_prefix(1);
        int id = -1;
        const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), id);
        const std::size_t idLength = static_cast<std::size_t>(end - rest.data());
        if (ec != std::errc() || id < 0 || id > 32767 || idLength >= rest.size() || !isBlank(rest[idLength]) ||
            idLength + 1 == rest.size())
            return -500 - lineNo;
        const std::string_view text = rest.substr(idLength + 1);
        if (utf8Length(text) > kProgramTextCapacity) return -1000 - lineNo;
        const auto key = std::make_pair(language, static_cast<std::int16_t>(id));
        if (!texts_.emplace(key, std::string(text)).second) return -1500 - lineNo;
    }
    return static_cast<int>(texts_.size());
}

std::string ProgramTextFile::text(std::int16_t id, std::int16_t language) const {
    const auto found = texts_.find({language, id});
    if (found == texts_.end() || found->second == "~") return {};
    return found->second;
}

std::string ProgramTextMessage(int r, std::string_view fullPath) {
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

std::string JoinFolderAndFile(std::string_view folder, std::string_view file) {
    std::string path(folder);
    if (path.empty() || kPathSeparators.find(path.back()) == std::string_view::npos) path += kPathSeparator;
    path += file;
    return path;
}

ProgramTextLoad LoadProgramText(std::string_view folder, std::string_view file) {
    const std::string path = JoinFolderAndFile(folder, file);
    const int code = loadedText().load(path);
    return {code, ProgramTextMessage(code, path)};
}

std::string GetProgramText(std::int16_t id) { return loadedText().text(id, intLanguage); }

}  // namespace varnex
