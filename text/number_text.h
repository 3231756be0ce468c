// Whole numbers to and from text, independent of the C library's locale (which QApplication
// changes on Unix).
#pragma once

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

inline std::string decimal(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

// At least two digits with leading zeros; a negative number keeps its sign in front.
inline std::string twoDigits(std::int32_t value) {
    std::string text = decimal(std::abs(static_cast<std::int64_t>(value)));
    if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
    return value < 0 ? "-" + text : text;
}

// The value of a text of decimal digits only (no sign, no blanks), when it fits in T.
template <typename T>
std::optional<T> parseDigits(std::string_view text) {
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// One optional sign ("+" or "-"), then decimal digits only.
template <typename T>
std::optional<T> parseSigned(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative)) text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
    if (!negative) return parseDigits<T>(text);
    // Parse with the sign, so that the most negative value of T fits.
    T value{};
    const char* first = text.data() - 1;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

}  // namespace varnex
