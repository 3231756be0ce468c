// Instants of the solar events of a year: the equinoxes and solstices by the method of
// Meeus (Astronomical Algorithms, 2nd ed., ch. 27) or by the true sun, and the four
// cross-quarter days by the mean sun and by the true sun, and the instant of any apparent
// solar longitude (the 24 solar terms are every 15 degrees).
//
// Every instant is a Julian day (days from the epoch of the Julian period, each day
// starting at noon). Functions named ...JDE give dynamical time (TT), the others Universal
// Time; they differ by Delta T of the event's year (delta_t.h).
//
// Accuracy: the Meeus instants differ from a DE431-based ephemeris by a median of 13 s in
// 1600-2200 and up to about 3 min far from 2000 (the bias of the underlying theory). The
// true-sun instants are found to 1e-7 day on the chain of solar_longitude.h. In UT the
// uncertainty of Delta T dominates before 1600 and after 2200.
#pragma once

#include <array>
#include <cstdint>

namespace varnex {

// 0 March equinox, 1 June solstice, 2 September equinox; every other value the
// December solstice (callers pass 3).
using EventKind = std::int16_t;

// 0 to 3: the cross-quarter day before the event of the same quarter (Imbolc, Beltane,
// Lughnassad and Samhain in the northern hemisphere).
using CrossQuarterKind = std::int16_t;

// Meeus Table 27.C: A, then B (rad) and C (rad per Julian century).
using PeriodicTermTable = std::array<std::array<double, 3>, 24>;

// Rewrites the periodic-term table from the published figures, B and C turned into
// radians as value / 360 * kTwoPiAsPublished (astro/constants.h). The table is built the
// same way at compile time, so a calculation never depends on this call; the window calls
// it once at start-up, and nothing else needs to.
void InitPeriodicTerms();

// The periodic-term table as it stands.
const PeriodicTermTable& PeriodicTerms();

// Sum S of the 24 periodic terms, sum of A cos(B + C T), T in Julian centuries from J2000.0.
double PeriodicTermsSum(double T);

// The polynomials of the mean instants: Table 27.A (Y = year / 1000) serves the years before
// 1000, Table 27.B (Y = (year - 2000) / 1000) the years from 1000 on.
enum class MeeusTable { A, B };
constexpr MeeusTable meeusTableOf(std::int32_t year) { return year < 1000 ? MeeusTable::A : MeeusTable::B; }

// Mean instant JDE0 of the event by the given table.
double meanEquinoxSolsticeJDE(EventKind kind, std::int32_t year, MeeusTable table);

// The mean instant corrected once by the periodic terms: JDE0 + 0.00001 S / dLambda.
double correctedEquinoxSolsticeJDE(double jde0);

// The instant of the event as a JDE (TT), by the table of its year, corrected once.
double EquinoxSolsticeJDE(EventKind kind, std::int32_t year);

// The same instant in UT: EquinoxSolsticeJDE - DeltaTMinutes(year) in days.
double EquinoxSolsticeUT(EventKind kind, std::int32_t year);

// The two events around a cross-quarter day: the equinox or solstice before it (the December
// solstice of year - 1 for kind 0) and the one after it, in the year.
struct QuarterEnds {
    EventKind firstKind;
    std::int32_t firstYear;
    EventKind secondKind;
};
QuarterEnds quarterEndsOf(std::int32_t year, CrossQuarterKind kind);

// Cross-quarter day by the mean sun: the midpoint in UT of the two events around it, each
// in its own year (quarterEndsOf).
double MeanCrossQuarterJD(std::int32_t year, CrossQuarterKind kind);

// Cross-quarter day by the true sun, in UT: the instant at which the Sun's apparent
// longitude reaches 315, 45, 135 or 225 degrees (kinds 0 to 3) between the two events
// around it. Both events are taken to TT with the Delta T of the requested year, and the
// result back to UT with the same value. The longitude rises through the target once
// between the two events, so the search converges (asserted in debug builds; it does for
// every year from -1000 to 5000); were it not to, the result is the search's last point,
// still between the two events.
double TrueCrossQuarterJD(std::int32_t year, CrossQuarterKind kind);

// Equinox or solstice by the true sun, in UT: the instant at which the Sun's apparent
// longitude reaches 0, 90, 180 or 270 degrees (kinds 0 to 3; every other kind 270), searched
// as for TrueCrossQuarterJD within two days of the Meeus instant of the event (TT), then taken
// to UT with the Delta T of the year. Against a DE431-based reference: within 5 s in
// 1600-2200 and 10 s over 1-3000, TT (tests/astro/solar_events_test.cpp).
double TrueEquinoxSolsticeJD(std::int32_t year, EventKind kind);

// The instant (UT) at which the Sun's apparent longitude reaches longitudeDeg (taken modulo
// 360; NaN for a value that is not finite), the crossing of the given year: after the
// December solstice of year - 1 and up to the December solstice of the year, so that every
// longitude from 270 (exclusive) round to 270 (inclusive) falls in the calendar year (285
// degrees about 5 January, 315 about 4 February, 270 about 21 December). The longitudes of
// the equinoxes and solstices give exactly TrueEquinoxSolsticeJD, those of the cross-quarter
// days exactly TrueCrossQuarterJD; every other one is searched between the two events around
// it as for TrueCrossQuarterJD, the bracket moved out by two days at each end when the
// longitude lies within half a degree of an event (the Meeus instant there errs by up to
// about 3 minutes). Delta T as for TrueCrossQuarterJD: that of the requested year.
double TrueSolarLongitudeJD(std::int32_t year, double longitudeDeg);

}  // namespace varnex
