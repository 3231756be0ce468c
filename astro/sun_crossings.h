// The instants at which the Sun's apparent longitude reaches each multiple of 15 degrees
// (the equinoxes and solstices, the cross-quarter days and the 24 solar terms), from the March
// equinox of the year 0 to the March equinox of 3002, found once at build time by
// solarLongitudeCrossing (tools/sun_crossings_to_inc.cpp) and looked up here.
#pragma once

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
    constexpr double kTropicalYearDays = 365.242190;
    return kMarchEquinox2000TT + kTropicalYearDays * ((year - 2000) + step / double(kSunCrossingsPerYear));
}

// The instant (TT) in [firstTT, secondTT] at which the apparent longitude reaches targetDeg, a
// multiple of 15 degrees in [0, 360), from the table; nothing for another longitude, for a
// bracket outside the table's years or without the tabulated crossing in it.
std::optional<double> tabulatedSunCrossing(double targetDeg, double firstTT, double secondTT);

}  // namespace varnex
