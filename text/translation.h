// Texts built into the program, in the language of the window. The window installs a
// translator over its translation files; without one, as in varnex-cli, every text stays the
// English it is written in. Callers name the context and the English text as literals, so
// that lupdate finds them for the translation sources (translations/varnex_*.ts).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace varnex {

// The translation of an English text in a context; the English itself when there is none.
using Translator = std::function<std::string(const char* context, const char* english)>;

// Installs the translator of every later call of translate (an empty one: none).
void setTranslator(Translator translator);

// The text in the language of the installed translator.
std::string translate(const char* context, const char* english);

// The text with its first "%1" replaced by value.
std::string withArgument(std::string text, std::string_view value);

// The text with its first "%1" replaced by first and its first "%2" by second (in either order:
// a translation may swap them).
std::string withArguments(std::string text, std::string_view first, std::string_view second);

}  // namespace varnex
