// Delta T = TT - UT1 for the years 0 to 3000 and beyond.
//
// The model, by decimal year y:
//   y < 2019.0          the spline of Stephenson, Morrison & Hohenkerk (2016), 2020 revision
//                       (before -720.0, their long-term parabola);
//   2019.0 to 2026.0    linear through the spline's end value and the IERS values of 1 January;
//   2026.0 to 2800.0    a cubic Hermite bridge from the last IERS value and its yearly slope to
//                       the value and slope of the SMH long-term parabola at 2800.0;
//   y >= 2800.0         the parabola -320 + 32.5 ((y - 1825) / 100)^2 s.
// Continuous in value everywhere, and in slope at 2026.0 and 2800.0.
//
// Uncertainty (published figures): about 4 min at the year 1, 1 to 3 min at 1000, 20 s in
// 1300-1600, 1 s at 1800; the future is uncertain by about 1 min at 2100, 5 to 10 min around
// 2500 and 10 to 20 min at 3000. It enters the UT of every event one to one.
#pragma once

#include <cstdint>

namespace varnex {

// Delta T in seconds at a decimal year (Julian epoch, y = 2000 + (JD_TT - 2451545) / 365.25).
double deltaTSeconds(double decimalYear);

// Delta T in minutes for a whole calendar year, evaluated at mid-year (year + 0.5), which
// halves the worst error for events spread over the year.
double DeltaTMinutes(std::int32_t year);

}  // namespace varnex
