// The instant at which the Sun's apparent longitude reaches a given value: from the table of
// the crossings of every multiple of 15 degrees (the equinoxes and solstices, the cross-quarter
// days and the 24 solar terms) from the March equinox of the year 0 to the March equinox of
// 3002, found once at build time by computedSunCrossing (tools/sun_crossings_to_inc.cpp), or
// computed.
#pragma once

#include "constants.h"
#include "solar_longitude.h"

#include <cstdint>
#include <optional>

namespace varnex {

inline constexpr std::int32_t kSunCrossingFirstYear = 0;
inline constexpr std::int32_t kSunCrossingLastYear = 3001;
inline constexpr int kSunCrossingsPerYear = 24;

// Where to look for the crossing of 15 * step degrees in the year starting at the March
// equinox of `year` (TT): the longitude growing at its mean rate from the equinox of 2000. The
// crossing lies within a few days of it (the equation of the centre, up to about 2.5 days).
constexpr double approximateSunCrossingTT(std::int32_t year, int step) {
    constexpr double kMarchEquinox2000TT = 2451623.816;
    return kMarchEquinox2000TT + kTropicalYearDays * ((year - 2000) + step / double(kSunCrossingsPerYear));
}

// The table's bracket of a crossing: this many days either side of approximateSunCrossingTT.
inline constexpr double kSunCrossingHalfBracketDays = 15.0;

// The table holds each crossing as its distance from sunCrossingBase in units of 2^-32 day: an
// int32, half the size of the instant itself, and exact, as both are doubles of at least 2^20
// (from the year 0 on), and so multiples of 2^-32 day.
inline constexpr double kSunCrossingUnitDays = 0x1p-32;
// The base of a crossing: approximateSunCrossingTT moved by the distance of the crossing of the
// same longitude in the middle of its century (the table's int16 per century and longitude, in
// units of 2^-10 day), which leaves the distance within 0.05 day (an int32 holds half a day).
inline constexpr double kSunCrossingCenturyUnitDays = 0x1p-10;
inline constexpr std::int32_t kSunCrossingYearsPerCentury = 100;

constexpr double sunCrossingBase(double estimateTT, std::int16_t centuryOffset) {
    return estimateTT + centuryOffset * kSunCrossingCenturyUnitDays;
}

// The instant (TT) in [firstTT, secondTT] at which the apparent longitude reaches targetDeg, a
// multiple of 15 degrees in [0, 360), from the table; nothing for another longitude, for a
// bracket outside the table's years or without the tabulated crossing in it.
std::optional<double> tabulatedSunCrossing(double targetDeg, double firstTT, double secondTT);

// The instant (TT) in the bracket, given either way round, at which the apparent longitude
// reaches targetDeg: from the table where it holds the crossing, otherwise computedSunCrossing.
LongitudeCrossing sunCrossing(double targetDeg, double firstTT, double secondTT);

}  // namespace varnex
