// The summary of a year ("Display all for:"): the eight events in a ring of cells around a
// central note, by both methods and named for a hemisphere. The window and the command line
// take their texts from here.
#pragma once

#include "calendar/calendar_reform.h"
#include "events.h"
#include "zones/zone.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

inline constexpr std::string_view kSummaryNote = "Read clockwise from top left";

// The note in `language`.
std::string summaryNote(std::int16_t language);
inline constexpr std::size_t kSummaryNoteCell = 4;
// Cells of the 3 x 3 summary in reading order, clockwise from top left.
inline constexpr std::array<std::size_t, 8> kSummaryReadingOrder = {0, 1, 2, 5, 8, 7, 6, 3};

// The nine cells of a year, in row order; the centre cell (4) stays empty. A cross-quarter
// cell holds its name and both methods (true sun first for quarters 0 and 1), an equinox or
// solstice cell its name and instant, each with the suffix of the zone's offset at that
// instant and never the weekday.
// Each date is in the calendar in force on its day; the cells' labels are in `language`.
std::array<std::string, 9> summaryCells(std::int32_t year, const CalendarReform& calendar, const Zone& zone,
                                        Hemisphere hemisphere, const EventNameTable& names, std::int16_t language);

// Caption of the summary window: "All dates and times for <year text> CE in the ... Hemisphere".
std::string summaryCaption(std::string_view yearText, Hemisphere hemisphere, std::int16_t language);

// The eight cells in reading order, each ending in CR LF, with an empty line between cells.
std::string summaryText(const std::array<std::string, 9>& cells);

}  // namespace varnex
