// The languages of the program's texts: an index into the program-text file's sections, the
// choice of weekday names, and the language the window takes from the user's locale.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace varnex {

inline constexpr std::int16_t intEnglish = 0;
inline constexpr std::int16_t intGerman = 1;

struct LanguageRow {
    std::int16_t index;     // intEnglish, intGerman, ...: the program-text section
    std::string_view code;  // ISO 639-1: the locale's language, the translation and help files
};

// Every language the program speaks; English first, the fallback of every text.
inline constexpr std::array<LanguageRow, 2> kLanguages = {{{intEnglish, "en"}, {intGerman, "de"}}};

// The ISO 639-1 code of a language index ("en" for an unknown one).
std::string_view languageCode(std::int16_t language);

// The locale's variables as the C library reads them for messages; empty for an unset one.
struct LocaleVariables {
    std::string_view language;     // LANGUAGE: a colon-separated list of preferences
    std::string_view lcAll;        // LC_ALL
    std::string_view lcMessages;   // LC_MESSAGES
    std::string_view lang;         // LANG
};

// The language of the texts for these variables, as gettext chooses: the first set of LC_ALL,
// LC_MESSAGES and LANG names the locale; none, "C" or "POSIX" gives English whatever LANGUAGE
// says; otherwise the first entry of LANGUAGE that the program speaks wins, then the locale
// itself. "de", "de_DE.UTF-8", "de_AT@euro" and "de_CH" are German; anything unknown is English.
std::int16_t languageOfLocale(const LocaleVariables& variables);

// languageOfLocale for this process's environment.
std::int16_t languageOfEnvironment();

}  // namespace varnex
