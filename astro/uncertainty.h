// How far an instant in UT may lie from the truth, in seconds: a bound that about 95 % of
// credible computations of it fall within, made of published figures, each part added to the
// others (the large ones are biases, not noise, so they are not added in quadrature).
//
// Delta T (deltaTBoundSeconds, at the decimal year of the instant), three parts:
//   versions   the difference between the two published versions of the model's spline,
//              Stephenson, Morrison & Hohenkerk 2016 and its 2020 addendum (delta_t.h), where
//              both exist (-720 to 2016): up to 185 s around 960, 134 s at the year 1, 20 s
//              at 1600, under 1 s after 1650;
//   future     after the last observed value (2026.0), the greatest difference from the model
//              of two published extrapolations (HM Nautical Almanac Office's from the SMH
//              authors' data, and Espenak & Meeus 2006; delta_t.h), each joined to the
//              observed value at 2026.0: 16 s at 2050, 101 s at 2100, 214 s at 2200, 302 s
//              at 2500, 875 s at 3000;
//   sigma      twice the published standard error (sigmaDeltaTSeconds): before 1600
//              max(0.8 t^2, 20) s with t = (y - 1820) / 100 (Morrison & Stephenson 2004,
//              J. Hist. Astron. 35, 327, stated for -1000 to +1200: 265 s at the year 1, 54 s
//              at 1000; 20 s for 1300-1600), then log-linear through 20 s (1600), 5 s (1700),
//              1 s (1800), 0.1 s (1900) (Stephenson & Houlden 1986, as quoted with the
//              polynomials of Espenak & Meeus 2006), 0.1 s from 1900 (the spline departs from
//              the IERS values by up to 0.25 s; the model ends in them).
// Each instant is taken to UT with Delta T at the middle of its year (delta_t.h, the window's
// way); wholeYearDeltaTSeconds adds the difference from Delta T at the instant itself (up to
// 5 s at the year 1).
//
// The method, in dynamical time:
//   true sun   trueSunErrorSeconds: the apparent-longitude search against a DE431-based
//              ephemeris, at most 7.8 s over the sample of tests/data/sun_longitude_crossings.csv
//              (69 years) and 8.2 s over every year 1-3000 (an outside review), 3.9 s and
//              4.3 s in 1600-2200: 10 s before 1600, 5 s from it;
//   Meeus      the instant's own difference from the true sun, plus the true sun's bound
//              (report/request.cpp measures it for each instant: the error of Meeus's
//              polynomials is a smooth bias of up to 190 s, not noise);
//   mean sun   the midpoint of two Meeus instants: the difference of that midpoint from the
//              midpoint of the true-sun instants, plus the true sun's bound;
//   apsides    apsisErrorSeconds: 125 + 130 T^2 s, T in millennia from J2000 (VSOP87's radius
//              drifts from a DE431-based ephemeris as the time from J2000 grows: 1.3 min
//              against the naval observatory's table of 1800-2100, which rounds to the minute,
//              and up to 527 s at the year 41 in an outside comparison with DE431): 125 s near
//              2000, 255 s at 1000 and 3000, 645 s at the year 0.
//
// So near the present a true-sun instant is within about 6 s, a Meeus instant within its
// difference from the true sun plus 5 s (2 minutes at most); at the year 1000 a true-sun
// instant within about 5 minutes, at 3000 within 15 minutes.
#pragma once

#include <cstdint>

namespace varnex {

// The published standard error of Delta T at a decimal year (1 sigma).
double sigmaDeltaTSeconds(double decimalYear);

// How far credible values of Delta T may lie from the model's at a decimal year: the spread of
// the published versions, the spread of the published extrapolations, and twice the standard
// error.
double deltaTBoundSeconds(double decimalYear);

// |Delta T at the instant - Delta T at the middle of `year`|: what taking one value of Delta T
// for the whole year moves the instant jdUT by.
double wholeYearDeltaTSeconds(double jdUT, std::int32_t year);

// The method's own bounds in dynamical time (see above).
double trueSunErrorSeconds(std::int32_t year);
double apsisErrorSeconds(std::int32_t year);

// The uncertainty of the instant jdUT whose method errs by at most methodSeconds (with what
// the whole year's Delta T moves it): deltaTBoundSeconds at the instant plus methodSeconds,
// rounded up to whole seconds.
double uncertaintySeconds(double jdUT, double methodSeconds);

// The uncertainty as a line shows it, in seconds: whole seconds below two minutes, whole
// minutes (rounded up) from there ("± 9 s", "± 4 min"). Whether a date could go either way is
// judged with this one, so that the mark and the printed ± always agree.
double shownUncertaintySeconds(double seconds);

}  // namespace varnex
