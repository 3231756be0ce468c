#include "case_fold.h"

#include <cstdint>

namespace varnex {
namespace {

// The small letter of a capital code point; other code points as they are.
char32_t smallLetter(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return c + 1;
    if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return c + 1;
    if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return c + 1;
    if (c >= 0x1CD && c <= 0x1DC && c % 2 == 1) return c + 1;
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string foldCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        // Only one- and two-byte characters have capitals here; the rest are copied.
        if (lead >= 0xC0 && lead < 0xE0 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = static_cast<char32_t>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
            appendUtf8(out, smallLetter(c));
            i += 2;
            continue;
        }
        out += lead < 0x80 ? static_cast<char>(smallLetter(lead)) : text[i];
        ++i;
    }
    return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) { return foldCase(a) == foldCase(b); }

}  // namespace varnex
