// How far an instant may be from the true one, in seconds: the uncertainty of Delta T, which
// enters every UT instant one to one, combined with the error of the method that found the
// instant in dynamical time.
//
// Delta T (deltaTUncertaintySeconds), a 1-sigma figure from the published estimates, by
// decimal year y:
//   y < 1600          max(0.8 t^2, 20) s, t = (y - 1820) / 100: the standard error of
//                     Morrison & Stephenson (2004, J. Hist. Astron. 35, 327), stated for -1000
//                     to +1200 (265 s at the year 1, 54 s at 1000), kept down to 20 s, the
//                     figure for 1300-1600 (Stephenson & Houlden 1986, as quoted with the
//                     Delta T polynomials of Espenak & Meeus 2006, NASA/TP-2006-214141);
//   1600 to 1900      log-linear through 20 s (1600), 5 s (1700), 1 s (1800), 0.1 s (1900),
//                     the figures of the same source;
//   1900 to 2026      0.1 s (telescopic timings, then atomic clocks and VLBI: far smaller
//                     since 1955, but the model's spline departs from the IERS values by up to
//                     0.25 s there);
//   y > 2026          0.1 + 0.9 (y - 2026) s: the spread of the extrapolations in use, about
//                     1 min at 2100, 5 to 10 min around 2500 and 10 to 20 min at 3000 (Delta T
//                     models of Stephenson, Morrison & Hohenkerk 2016 with their 2020 addendum,
//                     Espenak & Meeus 2006, and the lod-integrated extrapolation of the same
//                     authors), giving 67 s, 7.1 min and 14.6 min.
// Continuous, falling towards 1900 and rising after 2026. Far in the past it is probably
// pessimistic for the 2016 spline of delta_t.h, which rests on more records; but the authors'
// own revision of 2020 moved Delta T by up to 3 min around the year 1000.
//
// The method (methodErrorSeconds), a bound measured in dynamical time for each era (1-999,
// 1000-1599, 1600-2200, 2201-3000; a year outside 1-3000 takes the figure of the nearest
// era, unmeasured there):
//   Meeus    Meeus ch. 27 against the true sun for every year 1-3000 (itself within 8 s of a
//            DE431-based ephemeris), plus that 8 s or 5 s: 205, 120, 90, 150 s (the greatest
//            differences: 195 s in 471, 111 s in 1071, 80 s in 1640, 139 s in 2984);
//   MeanSun  the midpoint of two Meeus instants (its own definition is exact): as Meeus;
//   TrueSun  the apparent-longitude search against the DE431-based sample of
//            tests/data/sun_longitude_crossings.csv (at most 7.8, 7.8, 3.9, 2.7 s): 10, 10,
//            5, 5 s;
//   Apsis    against the naval observatory's table of 1800-2100: at most 93 s apart, and that
//            table rounds to the minute: 125 s for 1600-3000; before 1600 twice that, as the
//            solar theory's error in longitude doubles (TrueSun), not measured.
//
// uncertaintySeconds is sqrt(sigma_DeltaT^2 + method^2), Delta T taken at mid-year, rounded
// up to whole seconds: about 1 sigma for Delta T combined with a bound for the method.
#pragma once

#include <cstdint>

namespace varnex {

enum class InstantSource { Meeus, MeanSun, TrueSun, Apsis };

// The 1-sigma uncertainty of Delta T in seconds at a decimal year.
double deltaTUncertaintySeconds(double decimalYear);

// The bound of the method's own error in seconds for the era of the year (dynamical time).
double methodErrorSeconds(InstantSource source, std::int32_t year);

// Both combined, in whole seconds (rounded up), Delta T at year + 0.5.
double uncertaintySeconds(InstantSource source, std::int32_t year);

}  // namespace varnex
