// Writes the bash completion of varnex-cli from its template, with the words of the options
// taken from the program's own tables: the event keys from the event table, the formats,
// methods, hemispheres and calendars from the command line's, the reforms from calendar/.
//
//   completion_words TEMPLATE OUTPUT
#include "calendar/calendar_reform.h"
#include "cli/options.h"
#include "report/events.h"
#include "report/turning_points.h"

#include <cctype>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

template <typename Table>
std::string joined(const Table& table) {
    std::string words;
    for (const auto& word : table) words += (words.empty() ? "" : " ") + std::string(word);
    return words;
}

// The events' keys, the turning points' words, the solar terms' pinyin, lower case, and their ids.
std::string eventKeys() {
    std::string keys;
    for (const varnex::EventRow& row : varnex::kEventTable) keys += (keys.empty() ? "" : " ") + std::string(row.key);
    keys += " perihelion aphelion apsides solar-terms meteorological met-spring met-summer met-autumn met-winter";
    for (const varnex::SolarTerm& term : varnex::kSolarTerms) {
        keys += ' ';
        for (const char c : term.pinyinAscii) keys += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    for (const varnex::SolarTerm& term : varnex::kSolarTerms)
        keys += ' ' + varnex::turningPointKey({varnex::TurningKind::SolarTerm, static_cast<double>(term.longitudeDeg)});
    return keys;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: completion_words TEMPLATE OUTPUT\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::pair<std::string, std::string> fields[] = {
        {"@EVENTS@", eventKeys()},
        {"@FORMATS@", joined(varnex::kFormatWords)},
        {"@METHODS@", joined(varnex::kMethodWords)},
        {"@EQUINOX_METHODS@", joined(varnex::kEquinoxMethodWords)},
        {"@HEMISPHERES@", joined(varnex::kHemisphereWords)},
        {"@NAMES@", joined(varnex::kNamesWords)},
        {"@CALENDARS@", joined(varnex::kCalendarWords) + " " + joined(varnex::kReformWords)}};
    for (const auto& [field, words] : fields) {
        const auto at = text.find(field);
        if (at == std::string::npos) {
            std::cerr << "completion_words: " << field << " is not in " << argv[1] << '\n';
            return 1;
        }
        text.replace(at, field.size(), words);
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << text;
    return out.flush() ? 0 : 1;
}
