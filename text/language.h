// The languages of the program's texts: an index into the program-text file's sections, what
// else differs by language, and the language the window takes from the user's locale.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace varnex {

inline constexpr std::int16_t intEnglish = 0;
inline constexpr std::int16_t intGerman = 1;

// One text the core builds, translated: its context and English source as the code writes them.
struct Translation {
    std::string_view context;
    std::string_view source;
    std::string_view translation;
};

// The widths of the text windows' Copy button, in twips: with text selected ("Copy
// selection") and without ("Copy all").
struct CopyButtonTwips {
    int selection;
    int all;
};

// A language the program speaks: what differs by language besides the program text's section
// and the window's translation file.
struct LanguageRow {
    std::int16_t index;                        // intEnglish, intGerman, ...: the program-text section
    std::string_view code;                     // ISO 639-1: the locale's language, --names, the files
    std::array<std::string_view, 7> weekdays;  // Sunday first
    CopyButtonTwips copyButton;
    std::span<const Translation> catalogue;    // the core's texts; none for English, as written
};

// Every language the program speaks; English first, the fallback of every text. A new language
// is a row here, a section of the program text, a translation source and its help files.
extern const std::array<LanguageRow, 2> kLanguages;

// The row of a language index; English's for an unknown one.
const LanguageRow& languageRow(std::int16_t language);

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
