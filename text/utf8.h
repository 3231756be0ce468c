// Counting and cutting UTF-8 text by characters rather than bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace varnex {

// Number of characters (code points) of well-formed UTF-8.
constexpr std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

// The bytes of the first character of text (empty for an empty text).
constexpr std::string_view utf8FirstCharacter(std::string_view text) {
    if (text.empty()) return text;
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return text.substr(0, std::min(length, text.size()));
}

// The first `count` characters of text (all of it when it is shorter).
constexpr std::string_view utf8Prefix(std::string_view text, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == count) return text.substr(0, i);
    return text;
}

static_assert(utf8Prefix("ab\xC3\xA4" "cd", 3) == "ab\xC3\xA4");
static_assert(utf8Length("Gr\xC3\xBC\xC3\x9F" "e") == 5);
static_assert(utf8FirstCharacter("\xE2\x80\x99x").size() == 3);

}  // namespace varnex
