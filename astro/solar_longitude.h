// The Sun's apparent geocentric ecliptic longitude, referred to the true equinox
// of date, and the instant at which it reaches a given value.
//
// Chain: Earth's heliocentric L, B, R from VSOP87B (Bretagnon & Francou 1988; J2000
// dynamical ecliptic), reversed to the geocentric Sun; rotated to the FK5 equator
// J2000 with the matrix of the VSOP87 documentation; rotated to the mean ecliptic
// and equinox of date with the long-term precession of Vondrák et al. (2011, ERFA
// eraLtecm); plus the IAU 1980 nutation in longitude (ERFA eraNut80) and the annual
// aberration -20.4898"/R (Meeus, Astronomical Algorithms, 2nd ed., ch. 25).
//
// Accuracy over the years 1 to 3000, measured against a DE431-based reference
// (tests/astro/solar_longitude_test.cpp): the theory itself (VSOP87 against DE431)
// dominates, with up to 0.33" (8 s of time) near the year 1000 and below 0.17"
// (4 s) in 1600-2200.
#pragma once

#include "root_search.h"

namespace varnex {

struct SolarLongitude {
    double longitude;    // rad, in [0, 2pi)
    double ratePerDay;   // rad per day
};

// Apparent longitude at the instant jdTT (Julian Ephemeris Day, TT), with the geometric rate
// plus precession (good to about 5e-5: the rate of the nutation is left out).
SolarLongitude apparentSolarLongitude(double jdTT);

// The same longitude to the bit, with its complete rate: the series' own derivative through
// the rotations, and the rates of precession, aberration and nutation (good to about 1e-6).
SolarLongitude apparentSolarLongitudeWithRate(double jdTT);

struct LongitudeCrossing {
    BracketedRootStatus status;
    double jdTT;      // inside the bracket whatever the status
    int evaluations;  // of the full chain
};

constexpr double kCrossingToleranceDays = 1e-7;
constexpr int kCrossingIterationCap = 64;  // room for a full bisection of a quarter year

// The instant in [firstTT, secondTT] at which the apparent longitude reaches targetRad,
// computed. The longitude must increase through the target once inside the bracket, which
// holds for brackets shorter than about half a year. Three stages:
//   1. the low-order sun, four steps from the bracket's middle: within about 0.01 day;
//   2. one step: one evaluation of the full chain with its complete rate there, and a Newton
//      step with the low-order sun's curvature; what is left is the rate's error times the
//      step, and the third order, which is checked against kCrossingToleranceDays;
//   3. where that check fails or the step leaves the bracket: Newton's method kept inside
//      the bracket on the full chain, from there.
// sunCrossing (sun_crossings.h) looks in the table of every 15 degrees first.
LongitudeCrossing computedSunCrossing(double targetRad, double firstTT, double secondTT);

}  // namespace varnex
