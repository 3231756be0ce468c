#include "settings_file.h"

#include "text/blanks.h"
#include "text/number_text.h"
#include "text/utf8.h"

#include <optional>

namespace varnex {
namespace {

constexpr std::string_view kRecordEnd = "\r\n";
constexpr std::string_view kTrue = "#TRUE#";
constexpr std::string_view kFalse = "#FALSE#";

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A blank in place of the sign of a zero or positive number, the digits, a blank.
std::string numberField(int value) { return (value < 0 ? "" : " ") + std::to_string(value) + " "; }

// Reads the fields of a settings file one at a time.
class FieldReader {
public:
    explicit FieldReader(std::string_view content) : rest_(content) {}

    // The next field as text: quoted, or up to a comma or the end of the line.
    std::optional<std::string> text() {
        skipBlanks();
        if (rest_.empty()) return std::nullopt;
        if (rest_.front() == '"') {
            const auto close = rest_.find('"', 1);
            if (close == std::string_view::npos) return std::nullopt;  // the file ends inside it
            std::string value(rest_.substr(1, close - 1));
            rest_.remove_prefix(close + 1);
            skipLine();
            return value;
        }
        const auto end = rest_.find_first_of(",\r\n");
        std::string_view value = rest_.substr(0, end);
        rest_.remove_prefix(value.size());
        value = trimmed(value, isBlankOrTab);
        if (!rest_.empty() && rest_.front() == ',') {
            rest_.remove_prefix(1);
        } else {
            skipLine();
        }
        return std::string(value);
    }

    // The next field as a 16-bit integer: one optional sign, then digits.
    std::optional<std::int16_t> number() {
        const std::optional<std::string> field = text();
        if (!field) return std::nullopt;
        return parseSigned<std::int16_t>(*field);
    }

private:
    void skipBlanks() {
        while (!rest_.empty() && isBlankOrTab(rest_.front())) rest_.remove_prefix(1);
    }
    void skipLine() {
        const auto lineEnd = rest_.find('\n');
        rest_.remove_prefix(lineEnd == std::string_view::npos ? rest_.size() : lineEnd + 1);
    }
    std::string_view rest_;
};

}  // namespace

std::string formatSettings(const Settings& settings) {
    std::string file = quoted(settings.yearText);
    file += kRecordEnd;
    for (const TickState box : settings.boxes) {
        file += numberField(static_cast<int>(box));
        file += kRecordEnd;
    }
    file += numberField(settings.timezoneIndex);
    file += kRecordEnd;
    file += settings.southernHemisphere ? kTrue : kFalse;
    file += kRecordEnd;
    file += quoted(settings.outputText);
    file += kRecordEnd;
    return file;
}

RestoredSettings parseSettings(std::string_view content) {
    RestoredSettings restored;
    FieldReader reader(content);

    const auto year = reader.text();
    if (!year) return restored;
    restored.values.yearText = *year;
    restored.fieldsRead = 1;

    for (TickState& box : restored.values.boxes) {
        const auto value = reader.number();
        if (!value || *value < 0 || *value > 2) return restored;
        box = static_cast<TickState>(*value);
        ++restored.fieldsRead;
    }

    const auto zone = reader.number();
    if (!zone || *zone < -1 || *zone > 48) return restored;
    restored.values.timezoneIndex = *zone;
    ++restored.fieldsRead;

    const auto hemisphere = reader.text();
    if (!hemisphere) return restored;
    restored.values.southernHemisphere = *hemisphere != kFalse;
    ++restored.fieldsRead;

    const auto output = reader.text();
    if (!output) return restored;
    restored.values.outputText = trimBlanks(utf8Prefix(*output, kRestoredOutputLimit));
    ++restored.fieldsRead;
    return restored;
}

}  // namespace varnex
