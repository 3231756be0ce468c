#include "language.h"

#include <cstdlib>
#include <optional>

namespace varnex {
namespace {

// The German texts of the core, from translations/varnex_de.ts (tools/ts_catalogue).
constexpr Translation kGerman[] = {
#include "catalogue_de.inc"
};

// The language of one locale name "ll[_CC][.charset][@modifier]", if the program speaks it.
std::optional<std::int16_t> languageOfName(std::string_view name) {
    const std::string_view code = name.substr(0, name.find_first_of("_.@"));
    for (const LanguageRow& row : kLanguages)
        if (code == row.code) return row.index;
    return std::nullopt;
}

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

}  // namespace

const std::array<LanguageRow, 2> kLanguages = {{
    {intEnglish, "en", {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"}, {3750, 2500}, {}},
    {intGerman, "de", {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"}, {5700, 3500},
     kGerman},
}};

const LanguageRow& languageRow(std::int16_t language) {
    for (const LanguageRow& row : kLanguages)
        if (row.index == language) return row;
    return kLanguages.front();
}

std::string_view languageCode(std::int16_t language) { return languageRow(language).code; }

std::int16_t languageOfLocale(const LocaleVariables& variables) {
    std::string_view locale = variables.lcAll;
    if (locale.empty()) locale = variables.lcMessages;
    if (locale.empty()) locale = variables.lang;
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) return intEnglish;
    for (std::string_view list = variables.language; !list.empty();) {
        const auto colon = list.find(':');
        if (const auto language = languageOfName(list.substr(0, colon))) return *language;
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return languageOfName(locale).value_or(intEnglish);
}

std::int16_t languageOfEnvironment() {
    return languageOfLocale({variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")});
}

}  // namespace varnex
