#include "events.h"

#include "text/program_text.h"

namespace varnex {
namespace {

// Position in kEventTable of the equinox/solstice (or cross-quarter) row of a quarter.
constexpr std::size_t equinoxRow(int quarter) { return static_cast<std::size_t>(2 * quarter + 1); }
constexpr std::size_t crossQuarterRow(int quarter) { return static_cast<std::size_t>(2 * quarter); }

static_assert(kEventTable[equinoxRow(2)].checkBox == "chkAE");
static_assert(kEventTable[crossQuarterRow(3)].checkBox == "chkSamhain");

// Characters of a result line's label before its date (result_text.h's kLabelWidth).
constexpr std::size_t kLineLabelWidth = 32;

std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// The name of an equinox or solstice in the result lines: its caption, or, when the caption
// would leave no dot in the label (the German "Herbst-Tagundnachtgleiche (September)"), the
// caption without the month in brackets, which the line's date shows anyway.
std::string lineName(const std::string& caption) {
    return characters(caption) + 3 <= kLineLabelWidth ? caption : RemoveParenthesizedPart(caption);
}

// The name of an equinox's or solstice's southern line (southernLineName).
std::string southernLineNameOf(const EventNameTable& names, std::int16_t quarter) {
    const std::string& own = names[kNameFullEquinoxSolstice][static_cast<std::size_t>(quarter % 4)];
    std::string name = names[kNameFullEquinoxSolstice][static_cast<std::size_t>((quarter + 2) % 4)];
    const auto open = own.find('('), close = own.find(')'), at = name.find('('), to = name.find(')');
    if (open == std::string::npos || close == std::string::npos || at == std::string::npos || to == std::string::npos)
        return name;
    return name.replace(at, to - at + 1, own.substr(open, close - open + 1));
}

// The neutral names: the month of an equinox or solstice in either hemisphere; a cross-quarter
// day as the middle of its astronomical season, in the hemisphere's own.
EventNameTable neutralNames() {
    constexpr std::array<std::string_view, 4> months = {"March equinox", "June solstice", "September equinox",
                                                        "December solstice"};
    constexpr std::array<std::string_view, 4> seasons = {"Mid-winter", "Mid-spring", "Mid-summer", "Mid-autumn"};
    EventNameTable names;
    for (std::size_t q = 0; q < 4; ++q) {
        for (const NameKind kind : {kNameFullEquinoxSolstice, kNameShortNorth, kNameShortSouth, kNameLineSouth})
            names[kind][q] = months[q];
        names[kNameCrossQuarterNorth][q] = seasons[q];
        names[kNameCrossQuarterSouth][q] = seasons[(q + 2) % 4];
    }
    return names;
}

}  // namespace

EventCaptions defaultEventCaptions() {
    EventCaptions captions;
    for (std::size_t i = 0; i < kEventTable.size(); ++i) captions[i] = std::string(kEventTable[i].caption);
    return captions;
}

const EventNameTable& eventNamesOf(std::int16_t language, NameSet set) {
    static const EventNameTable english = buildEventNames(defaultEventCaptions());
    static const EventNameTable neutral = neutralNames();
    static const EventNameTable wiccan = buildEventNames(
        {"Imbolc", "Ostara", "Beltane", "Litha", "Lughnasadh", "Mabon", "Samhain", "Yule"});
    if (set == NameSet::Neutral) return neutral;
    if (set == NameSet::Wiccan) return wiccan;
    if (language != intGerman) return english;
    static const EventNameTable german = buildEventNames(eventCaptions(intGerman));
    return german;
}

EventCaptions eventCaptions(std::int16_t language) {
    EventCaptions captions = defaultEventCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i) {
        std::string text = GetProgramText(static_cast<std::int16_t>(kFirstEventCaptionText + static_cast<int>(i)), language);
        if (!text.empty()) captions[i] = std::move(text);
    }
    return captions;
}

EventNameTable buildEventNames(const EventCaptions& captions) {
    EventNameTable names;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const auto q = static_cast<std::size_t>(quarter);
        const int opposite = (quarter + 2) % 4;  // the same season in the other hemisphere
        names[kNameFullEquinoxSolstice][q] = lineName(captions[equinoxRow(quarter)]);
        names[kNameCrossQuarterNorth][q] = captions[crossQuarterRow(quarter)];
        names[kNameShortNorth][q] = RemoveParenthesizedPart(captions[equinoxRow(quarter)]);
        names[kNameShortSouth][q] = RemoveParenthesizedPart(captions[equinoxRow(opposite)]);
        names[kNameCrossQuarterSouth][q] = captions[crossQuarterRow(opposite)];
    }
    for (std::int16_t quarter = 0; quarter < 4; ++quarter)
        names[kNameLineSouth][static_cast<std::size_t>(quarter)] = southernLineNameOf(names, quarter);
    return names;
}

std::string southernLineName(const EventNameTable& names, std::int16_t quarter) {
    return names[kNameLineSouth][static_cast<std::size_t>(quarter % 4)];
}

std::string RemoveParenthesizedPart(std::string_view caption) {
    const auto open = caption.find('(');
    const auto close = caption.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::string(caption);
    std::string result(caption.substr(0, open));
    if (close + 2 < caption.size()) result += caption.substr(close + 2);
    // Brackets at the end ("Herbst-Tagundnachtgleiche (September)") leave no blank behind.
    else if (close + 1 >= caption.size() && !result.empty() && result.back() == ' ') result.pop_back();
    return result;
}

}  // namespace varnex
