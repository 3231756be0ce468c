// The Sun's apparent place on the equator of date, the equation of time, and sunset.
//
// The place: the apparent ecliptic longitude of solar_longitude.h (VSOP87B, long-term
// precession, IAU 1980 nutation, aberration) turned to the true equator of date by the true
// obliquity: the mean obliquity of the same long-term precession (the angle between the poles
// of the equator and the ecliptic of date, ERFA eraLtpequ and eraLtpecl) plus the IAU 1980
// nutation in obliquity. The Sun's ecliptic latitude (below 1.2") is taken as zero: up to 1.1"
// in the declination, and 0.1 s in a sunset at mid latitudes.
//
// The sidereal time is ERFA's eraGst94 (the IAU 1982 mean sidereal time and the 1994 equation
// of the equinoxes), with UT1 = UT. Its equation of the equinoxes is built on the same IAU 1980
// nutation that puts the Sun on the true equinox, so the nutation in longitude drops out of the
// hour angle as it should. eraGst06a (IAU 2006/2000A) differs from it by 0.13 s of time at
// most over the years 1 to 2500 (0.23 s at 3000) and costs some 18 times as much, for a
// nutation series of 1,365 terms that nothing here uses.
//
// TT - UT is deltaTSeconds (delta_t.h) at the instant.
#pragma once

namespace varnex {

// The Sun's apparent geocentric right ascension and declination, true equator and equinox of date.
struct EquatorialPosition {
    double rightAscension;  // rad, in [0, 2pi)
    double declination;     // rad
};
EquatorialPosition apparentSunEquatorial(double jdTT);

// The equation of time at the instant jdUT (Julian Day, UT): apparent solar time minus mean
// solar time, in seconds, in (-43200, 43200]. About -14 min in February, +16 min in early
// November: Greenwich apparent sidereal time minus the Sun's apparent right ascension, plus
// 12 h, minus UT.
double equationOfTimeSeconds(double jdUT);

// Sunset: the Sun's upper limb at the geometric horizon with the standard refraction, seen from
// sea level: the centre at kSunsetAltitudeDeg (34' of refraction and 16' of semidiameter).
inline constexpr double kSunsetAltitudeDeg = -0.8333;

// The instant (Julian Day, UT) of sunset on the local civil day that starts at local midnight
// dayStartUT (a Julian Day, UT), at latitudeDeg (north positive) and longitudeDeg (east
// positive). NaN where the Sun does not set that day: polar day or polar night.
//
// It is the sunset that follows the mean local noon nearest the middle of the civil day. Near the
// polar circles, where sunsets come close to midnight, it can fall outside the day, or there be
// none while the Sun dips below just after midnight: then it is that of the noon before or
// after, if it falls inside. A day with two sunsets, just after one midnight and just before
// the next, gives the second.
double sunsetUT(double dayStartUT, double latitudeDeg, double longitudeDeg);

}  // namespace varnex
