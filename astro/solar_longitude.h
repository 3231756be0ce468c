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
    double ratePerDay;   // rad per day: the geometric rate plus precession, good to about 5e-5
                         // (the rate of the nutation is left out)
};

// Apparent longitude at the instant jdTT (Julian Ephemeris Day, TT).
SolarLongitude apparentSolarLongitude(double jdTT);

// The same chain with the short series of the first guess and without nutation
// (good to a few arcseconds, about 0.005 day in time).
SolarLongitude approximateSolarLongitude(double jdTT);

struct LongitudeCrossing {
    BracketedRootStatus status;
    double jdTT;     // inside [firstTT, secondTT] whatever the status
    int evaluations;        // evaluations of the full chain
    int seriesEvaluations;  // evaluations of any series: the full chain and the first guess's
};

constexpr double kCrossingToleranceDays = 1e-7;
constexpr int kCrossingIterationCap = 64;  // room for a full bisection of a quarter year

// The same longitude with its complete rate: the series' own derivative through the
// rotations, and the rates of precession, aberration and nutation (good to about 1e-6).
SolarLongitude apparentSolarLongitudeWithRate(double jdTT);

// The instant in [firstTT, secondTT] at which the apparent longitude equals
// targetLongitude (rad). The longitude must increase through the target once
// inside the bracket, which holds for brackets shorter than about half a year.
// A first guess by the low-order sun, one evaluation of the full chain with its complete
// rate and one step: within 1e-8 day of the root when the step is short enough; otherwise
// the bracketed search below goes on from there.
LongitudeCrossing solarLongitudeCrossing(double targetLongitude, double firstTT, double secondTT);

// The same instant by Newton's method in the bracket on the short series, then on the full
// chain until a step is shorter than kCrossingToleranceDays.
LongitudeCrossing bracketedSolarLongitudeCrossing(double targetLongitude, double firstTT, double secondTT);

}  // namespace varnex
