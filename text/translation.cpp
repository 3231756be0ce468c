#include "translation.h"

#include "language.h"

namespace varnex {

std::string Text::in(std::int16_t language) const {
    for (const Translation& text : languageRow(language).catalogue)
        if (text.context == context && text.source == english) return std::string(text.translation);
    return english;
}

std::string withArgument(std::string text, std::string_view value) {
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, value);
    return text;
}

std::string withArguments(std::string text, std::string_view first, std::string_view second) {
    const auto at = text.find("%1"), to = text.find("%2");
    if (at != std::string::npos && to != std::string::npos && to < at) {  // the later one first
        text.replace(at, 2, first);
        text.replace(to, 2, second);
        return text;
    }
    if (to != std::string::npos) text.replace(to, 2, second);
    if (at != std::string::npos) text.replace(at, 2, first);
    return text;
}

}  // namespace varnex
