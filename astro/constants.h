// Constants of the astronomy code, each with its unit, and the conversions between units.
#pragma once

#include <numbers>

// The instants are reproducible to the last bit (golden output, the truncated 2 pi below);
// -ffast-math would reorder and contract the arithmetic they depend on.
#ifdef __FAST_MATH__
#error "astro/ needs IEEE arithmetic: build without -ffast-math"
#endif

namespace varnex {

inline constexpr double kJ2000 = 2451545.0;                  // JD of J2000.0 (2000 January 1.5), TT
inline constexpr double kDaysPerJulianYear = 365.25;         // days
inline constexpr double kDaysPerJulianCentury = 36525.0;     // days
inline constexpr double kDaysPerJulianMillennium = 365250.0;  // days
inline constexpr double kMinutesPerDay = 1440.0;
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr double kSecondsPerDay = 86400.0;
inline constexpr double kTropicalYearDays = 365.242190;      // days, the mean tropical year about J2000

inline constexpr double kTwoPi = 2.0 * std::numbers::pi;
inline constexpr double kRadPerArcsec = std::numbers::pi / (180.0 * 3600.0);

// 2 pi cut to 15 significant digits, the factor of the degree-to-radian conversions of
// Meeus's equinox and solstice chapter (the periodic terms and W). It is kept cut because
// those instants are reproduced to the last bit; every other conversion uses std::numbers::pi.
inline constexpr double kTwoPiAsPublished = 6.28318530717959;

// Radians of an angle in degrees: deg * pi / 180, in that order.
constexpr double radiansFromDegrees(double deg) { return deg * std::numbers::pi / 180.0; }

// Radians per degree as one factor, pi / 180, which rounds differently from radiansFromDegrees.
// The low-order sun and the nutation's rate scale by it; the crossings found from them, and so
// the table of crossings, are reproduced to the bit.
inline constexpr double kRadPerDegree = std::numbers::pi / 180.0;

// Days of a span in minutes.
constexpr double daysFromMinutes(double minutes) { return minutes / kMinutesPerDay; }

}  // namespace varnex
