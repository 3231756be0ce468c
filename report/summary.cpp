#include "summary.h"

#include "astro/solar_events.h"
#include "calendar/calendar_date.h"
#include "result_text.h"
#include "text/program_text.h"
#include "text/translation.h"
#include "zones/fixed_offsets.h"

#include <cmath>

namespace varnex {
namespace {

// The cell of each quarter's cross-quarter day and equinox or solstice.
constexpr std::array<std::size_t, 4> kCrossQuarterCell = {0, 2, 8, 6};
constexpr std::array<std::size_t, 4> kEquinoxSolsticeCell = {1, 5, 7, 3};

}  // namespace

std::array<std::string, 9> summaryCells(std::int32_t year, const CalendarReform& calendar, const Zone& zone,
                                        Hemisphere hemisphere, const EventNameTable& names, std::int16_t language) {
    std::array<std::string, 9> cells;
    CalendarDate work{};
    const bool south = hemisphere == Hemisphere::South;
    // The date and time with the zone's suffix; the cell texts then add none.
    const auto dateTime = [&](double jd) {
        const UtcOffset offset = zone.offsetAt(jd);
        return FormatInstant(jd, offset.seconds, calendar, intEnglish, work).dateTime + offsetSuffix(offset.seconds);
    };
    for (std::int16_t quarter = 0; quarter < 4; ++quarter) {
        const auto q = static_cast<std::size_t>(quarter);
        const std::string trueText = dateTime(TrueCrossQuarterJD(year, quarter));
        const std::string meanText = dateTime(MeanCrossQuarterJD(year, quarter));
        const std::string& name = names[south ? kNameCrossQuarterSouth : kNameCrossQuarterNorth][q];
        cells[kCrossQuarterCell[q]] = crossQuarterCellText(name, quarter, trueText, meanText, "", language);
    }
    for (std::int16_t quarter = 0; quarter < 4; ++quarter) {
        const auto q = static_cast<std::size_t>(quarter);
        const std::string& name = names[south ? kNameShortSouth : kNameShortNorth][q];
        cells[kEquinoxSolsticeCell[q]] = equinoxSolsticeCellText(name, dateTime(EquinoxSolsticeUT(quarter, year)), "");
    }
    return cells;
}

std::string summaryCaption(std::string_view yearText, Hemisphere hemisphere, std::int16_t language) {
    return withArgument(hemisphere == Hemisphere::South
                            ? translate("Report", "All dates and times for %1 CE in the Southern Hemisphere").in(language)
                            : translate("Report", "All dates and times for %1 CE in the Northern Hemisphere").in(language),
                        yearText);
}

std::string summaryNote(std::int16_t language) { return translate("Report", "Read clockwise from top left").in(language); }

std::string summaryText(const std::array<std::string, 9>& cells) {
    std::string text;
    for (const std::size_t cell : kSummaryReadingOrder) {
        if (!text.empty()) text += kLineEnd;
        text += cells[cell];
        text += kLineEnd;
    }
    return text;
}

}  // namespace varnex
