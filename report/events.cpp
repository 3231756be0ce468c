#include "events.h"

namespace varnex {
namespace {

// Position in kEventTable of the equinox/solstice (or cross-quarter) row of a quarter.
constexpr std::size_t equinoxRow(int quarter) { return static_cast<std::size_t>(2 * quarter + 1); }
constexpr std::size_t crossQuarterRow(int quarter) { return static_cast<std::size_t>(2 * quarter); }

static_assert(kEventTable[equinoxRow(2)].checkBox == "chkAE");
static_assert(kEventTable[crossQuarterRow(3)].checkBox == "chkSamhain");

}  // namespace

EventCaptions defaultEventCaptions() {
    EventCaptions captions;
    for (std::size_t i = 0; i < kEventTable.size(); ++i) captions[i] = std::string(kEventTable[i].caption);
    return captions;
}

EventNameTable buildEventNames(const EventCaptions& captions) {
    EventNameTable names;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const auto q = static_cast<std::size_t>(quarter);
        const int opposite = (quarter + 2) % 4;  // the same season in the other hemisphere
        names[kNameFullEquinoxSolstice][q] = captions[equinoxRow(quarter)];
        names[kNameCrossQuarterNorth][q] = captions[crossQuarterRow(quarter)];
        names[kNameShortNorth][q] = RemoveParenthesizedPart(captions[equinoxRow(quarter)]);
        names[kNameShortSouth][q] = RemoveParenthesizedPart(captions[equinoxRow(opposite)]);
        names[kNameCrossQuarterSouth][q] = captions[crossQuarterRow(opposite)];
    }
    return names;
}

std::string RemoveParenthesizedPart(std::string_view caption) {
    const auto open = caption.find('(');
    const auto close = caption.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open)
        return std::string(caption);
    std::string result(caption.substr(0, open));
    if (close + 2 < caption.size()) result += caption.substr(close + 2);
    return result;
}

}  // namespace varnex
