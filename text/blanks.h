// Blanks at the ends of texts and fields.
#pragma once

#include <string>
#include <string_view>

namespace varnex {

// A blank is a space. The program-text and settings files also take a tab for one between
// fields.
constexpr bool isBlank(char c) { return c == ' '; }
constexpr bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }

// The text without its leading and trailing characters that `drop` accepts.
constexpr std::string_view trimmed(std::string_view text, bool (*drop)(char)) {
    while (!text.empty() && drop(text.front())) text.remove_prefix(1);
    while (!text.empty() && drop(text.back())) text.remove_suffix(1);
    return text;
}

// The text without its leading and trailing blanks; tabs and line ends stay.
inline std::string trimBlanks(std::string_view text) { return std::string(trimmed(text, isBlank)); }

static_assert(trimmed(" \tx y\t ", isBlank) == "\tx y\t");
static_assert(trimmed(" \tx y\t ", isBlankOrTab) == "x y");

}  // namespace varnex
