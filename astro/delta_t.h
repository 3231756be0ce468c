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

// Published values of Delta T other than the model's, in seconds at a decimal year, for its
// uncertainty (uncertainty.h):
// - the spline of SMH as first published (2016), before the 2020 addendum revised it: -720.0
//   to 2016.0, NaN outside;
// - two extrapolations beyond the observed values: that of HM Nautical Almanac Office from the
//   SMH authors' data ("Delta T: past, present and future", astro.ukho.gov.uk/nao/lvm),
//   64 + 521/3000 B + B^2/1250 + 121/30000000 B^3 with B = y - 2000 up to 2500, then
//   42.5 + 32.5 (B/100)^2; and that of Espenak & Meeus (2006, NASA/TP-2006-214141), from 2005:
//   62.92 + 0.32217 t + 0.005589 t^2 (t = y - 2000) to 2050, -20 + 32 u^2 - 0.5628 (2150 - y)
//   to 2150, -20 + 32 u^2 after (u = (y - 1820) / 100).
double deltaTSmh2016Seconds(double decimalYear);
double deltaTHmnaoExtrapolationSeconds(double decimalYear);
double deltaTEspenakMeeusExtrapolationSeconds(double decimalYear);

}  // namespace varnex
