// Texts the core builds, in the language it is handed: English as the code writes them, every
// other language from its translation source (translations/varnex_*.ts), turned into data at
// build time (tools/ts_catalogue.cpp, language.h). Callers name the context and the English text
// as literals, so that lupdate finds them for the translation sources. The window's own texts
// go through Qt's translator, over the same sources.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

// A text the core builds, named by its context and its English (as literals, in the call of
// translate, where lupdate finds them).
struct Text {
    const char* context;
    const char* english;

    // The text in `language` (intEnglish, intGerman): its translation, or the English itself
    // where there is none.
    std::string in(std::int16_t language) const;
};

// translate("Report", "(true sun)").in(language)
constexpr Text translate(const char* context, const char* english) { return {context, english}; }

// The text with its first "%1" replaced by value.
std::string withArgument(std::string text, std::string_view value);

// The text with its first "%1" replaced by first and its first "%2" by second (in either order:
// a translation may swap them).
std::string withArguments(std::string text, std::string_view first, std::string_view second);

}  // namespace varnex
