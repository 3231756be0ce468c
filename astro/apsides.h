// Perihelion and aphelion: the instants at which the distance between the centres of the Earth
// and the Sun is least and greatest.
//
// The distance is the radius vector R of the heliocentric Earth in VSOP87B (Bretagnon &
// Francou 1988), a series that carries the Moon's pull on the Earth (the Earth swings about
// the Earth-Moon barycentre by 4,700 km each month): the apsides of the Earth itself wander
// by a day or two from year to year around the smooth apsides of the barycentre. Each is
// searched near the mean instant of Meeus (Astronomical Algorithms, 2nd ed., ch. 38,
// the Earth: JDE = 2451547.507 + 365.2596358 k + 0.0000000156 k^2), integer k for the
// perihelion, k + 0.5 for the aphelion.
//
// Which one belongs to a year: k = round((year - 2000.01) * 0.99997), the count of
// anomalistic years from the perihelion of 2000. The anomalistic year is 25 minutes longer
// than the Gregorian one, so the perihelion comes a day later in the calendar every 58 years
// or so: about 3-5 January today, it falls at the turn of the year around 1800 (where the
// perihelion of year Y can be on 31 December of Y - 1, and a calendar year can hold two), in
// mid-December of Y - 1 around the year 1000 and at the end of November of Y - 1 at the
// year 1 (Gregorian dates). The aphelion of year Y is the one half an anomalistic year later,
// in early July today, mid-June around 1000 and at the start of June at the year 1.
//
// Accuracy: against the naval observatory's published table for 1800-2100 (rounded to the
// minute), within 1.3 min, median 0.33 min (tests/astro/apsides_test.cpp prints the figures);
// against DE431, up to 527 s at the year 41 (an outside comparison): the radius of VSOP87 itself
// drifts as the time from J2000 grows (astro/uncertainty.h bounds it). R is the whole series
// (vsop87b_earth.h): a dropped term of the Moon's period moves an apsis by about 10 hours per
// 1e-5 au of its amplitude (its rate against the curvature of R there); cut at 1e-9 au, the
// series moved apsides by up to 30 s, at 1e-8 au by minutes.
#pragma once

#include <cstdint>

namespace varnex {

// The instants in dynamical time (TT), Julian Ephemeris Days.
double PerihelionJDE(std::int32_t year);
double AphelionJDE(std::int32_t year);

// The same instants in UT: minus DeltaTMinutes(year) (delta_t.h).
double PerihelionJD(std::int32_t year);
double AphelionJD(std::int32_t year);

// The mean instants they are searched from, in UT as above: each instant lies within
// kApsisWanderDays of its mean one (tests/astro/apsides_test.cpp).
double meanPerihelionJD(std::int32_t year);
double meanAphelionJD(std::int32_t year);
inline constexpr double kApsisWanderDays = 1.8;

}  // namespace varnex
