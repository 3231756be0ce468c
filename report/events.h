// The eight events of a year in output order, and the table of their names.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

enum class EventFamily { EquinoxSolstice, CrossQuarter };

// Method code of a result line. Fixed is the traditional date of a cross-quarter day (1
// February, 1 May, 1 August, 1 November): a whole day, no instant.
enum class Method : std::int16_t { TrueSun = 0, MeanSun = 1, Fixed = 2, None = -1 };

struct EventRow {
    std::string_view key;       // command-line and CSV name
    std::string_view checkBox;  // the window's check box
    std::string_view caption;   // its caption, from which the names are built
    EventFamily family;
    std::int16_t quarter;       // 0 March ... 3 December: EventKind or CrossQuarterKind
    bool trueSunFirst;          // cross-quarter days: which method's line comes first
};

// In output order: each cross-quarter day before the equinox or solstice of its quarter.
inline constexpr std::array<EventRow, 8> kEventTable = {{
    {"imbolc", "chkImbolc", "Imbolc", EventFamily::CrossQuarter, 0, true},
    {"march", "chkVE", "Spring (March) equinox", EventFamily::EquinoxSolstice, 0, false},
    {"beltane", "chkBeltane", "Beltane", EventFamily::CrossQuarter, 1, true},
    {"june", "chkSS", "Summer (June) solstice", EventFamily::EquinoxSolstice, 1, false},
    {"lughnassad", "chkLughnassad", "Lughnassad", EventFamily::CrossQuarter, 2, false},
    {"september", "chkAE", "Autumn (September) equinox", EventFamily::EquinoxSolstice, 2, false},
    {"samhain", "chkSamhain", "Samhain", EventFamily::CrossQuarter, 3, false},
    {"december", "chkWS", "Winter (December) solstice", EventFamily::EquinoxSolstice, 3, false},
}};

// The word of a method in the command line and the exports: "true", "mean", "fixed", "" for none.
constexpr std::string_view methodKey(Method method) {
    switch (method) {
    case Method::TrueSun: return "true";
    case Method::MeanSun: return "mean";
    case Method::Fixed: return "fixed";
    case Method::None: break;
    }
    return "";
}

// The equinoxes lie in quarters 0 (March) and 2 (September), the solstices in 1 and 3.
constexpr bool isEquinox(const EventRow& row) {
    return row.family == EventFamily::EquinoxSolstice && row.quarter % 2 == 0;
}

// The index in kEventTable of the event of `family` in `quarter` (0 March ... 3 December).
constexpr std::size_t eventIndexOf(EventFamily family, std::int16_t quarter) {
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        if (kEventTable[i].family == family && kEventTable[i].quarter == quarter) return i;
    return kEventTable.size();
}

// The methods of a cross-quarter row in output order.
constexpr std::array<Method, 2> methodOrder(const EventRow& row) {
    return row.trueSunFirst ? std::array{Method::TrueSun, Method::MeanSun}
                            : std::array{Method::MeanSun, Method::TrueSun};
}

// The hemisphere the events are named for: the same instants, the seasons' names swapped.
enum class Hemisphere { North, South };

// Name kinds of the event-name table.
enum NameKind : std::int16_t {
    kNameFullEquinoxSolstice = 0,  // caption of the equinox or solstice box (without the month
                                   // when it is too long for a line's label)
    kNameCrossQuarterNorth = 1,    // cross-quarter day before the quarter's event, north
    kNameShortNorth = 2,           // "Spring equinox" ...
    kNameShortSouth = 3,           // the same events named for the southern hemisphere
    kNameCrossQuarterSouth = 4,    // cross-quarter day named for the southern hemisphere
    kNameLineSouth = 5,            // an equinox's or solstice's result line, southern hemisphere
                                   // (southernLineName)
};

// strEventName(kind, quarter): names[kind][quarter].
using EventNameTable = std::array<std::array<std::string, 4>, 6>;

// The sets of names of varnex-cli's --names: the Celtic cross-quarter days with the seasons'
// equinoxes and solstices (the window's), names by month and season for people outside that
// tradition ("March equinox", "Mid-spring"), and the Wiccan wheel of the year
// (Ostara, Litha, Mabon, Yule). Each is named for the hemisphere as the Celtic set is; the keys
// stay the same.
enum class NameSet : std::int8_t { Celtic, Neutral, Wiccan };

// The captions of the eight check boxes in the order of kEventTable.
using EventCaptions = std::array<std::string, 8>;

// The built-in English captions.
EventCaptions defaultEventCaptions();

// Program texts 60 to 67: the captions of the eight check boxes in the order of kEventTable.
inline constexpr std::int16_t kFirstEventCaptionText = 60;

// The captions in a language, from the loaded program text: each caption's text in that
// language, else in English, else the built-in English caption. With the German language
// index, buildEventNames(eventCaptions(intGerman)) gives the German names of the lines and
// the summary.
EventCaptions eventCaptions(std::int16_t language);

// The names of the lines, the summary and the exports in a language (intEnglish, intGerman):
// the English ones built in, the others from the loaded program text, each built once. The
// neutral and the Wiccan set are English.
const EventNameTable& eventNamesOf(std::int16_t language, NameSet set = NameSet::Celtic);

// The five kinds of names built from the captions as they stand.
EventNameTable buildEventNames(const EventCaptions& captions);

// The name of an equinox's or solstice's result line in the southern hemisphere (built into
// the table by buildEventNames): the name of the quarter two on, with the month of its own
// ("Autumn (March) equinox"); without a month where the lines' names have none (the long German
// names, "Mabon").
std::string southernLineName(const EventNameTable& names, std::int16_t quarter);

// "Spring (March) equinox" -> "Spring equinox": drops from the first "(" to the first ")"
// and the character after it; brackets that end the caption take the blank before them
// instead ("Sommersonnenwende (Juni)" -> "Sommersonnenwende"). A caption without "(" ... ")"
// is returned unchanged.
std::string RemoveParenthesizedPart(std::string_view caption);

}  // namespace varnex
