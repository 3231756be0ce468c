// What comes next from a moment: the next turning points of a selection, the time left until
// each, and the astronomical season the moment falls in.
#pragma once

#include "report/request.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace varnex {

// A line of the request's selection after the moment, with the year whose lines hold it.
struct UpcomingLine {
    RequestLine line;
    std::int32_t year;
    double jdUT;          // its instant; for a whole day, the local midnight that begins it
    double secondsUntil;  // from the moment
};

// The first `count` lines of `request`'s selection (its year is ignored) whose instants come
// after `nowJD` (UT), in time order, from the year before the moment's up to the year 3000; fewer
// where the years end first. A whole day (a traditional date, a meteorological season) counts
// from its local midnight in the request's zone.
std::vector<UpcomingLine> upcomingLines(const CalculateRequest& request, const EventNameTable& names, double nowJD,
                                        std::size_t count);

// The astronomical season a moment falls in, from the equinox or solstice before it to the one
// after (by the request's equinox method), named for the hemisphere.
struct SeasonNow {
    std::int16_t quarter = 0;  // of the equinox or solstice that began it: 0 March ... 3 December
    double startJD = 0, endJD = 0;
    std::int32_t day = 0;   // the day of the season the moment is in, the first being 1
    std::int32_t days = 0;  // the season's length in days, the last part day counted whole
    double share = 0;       // of the season gone, 0 to 1
};
std::optional<SeasonNow> seasonAt(double nowJD, const Selection& selection);

// "Spring" or "Autumn" for a season of quarter 0, as the hemisphere has it, in `language`.
std::string seasonName(std::int16_t quarter, Hemisphere hemisphere, std::int16_t language);

// "Spring: day 47 of 93, 51 %".
std::string seasonText(const SeasonNow& season, Hemisphere hemisphere, std::int16_t language);

// The time left, in its two largest units, each cut: "in 12 days 5 hours", "in 3 hours 2 minutes",
// "in 40 minutes 5 seconds", "in 12 seconds".
std::string timeLeftText(double seconds, std::int16_t language);

// The Julian Day (UT) of an ISO 8601 moment: 2026-03-01T00:00:00Z, 2026-03-01T03:30+03:30,
// 2026-03-01 12:00Z (a blank or t for the T, z for the Z), 2026-03-01 (midnight UTC); the seconds
// may have a fraction. Within the years 1 to 3000 of the Gregorian calendar, in UTC. Empty for
// any other text.
std::optional<double> parseMoment(std::string_view text);

}  // namespace varnex
