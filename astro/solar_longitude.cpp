#include "solar_longitude.h"

#include "constants.h"
#include "vsop87b_earth.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace varnex {
namespace {

constexpr double kAberrationRad = 20.4898 * kRadPerArcsec;  // annual aberration at 1 au
// General precession in longitude, 5028.796195" T + 1.1054348" T^2, T in Julian centuries (IAU
// 2006, Capitaine et al. 2003); its linear term as a rate per day.
constexpr double kPrecessionArcsec[] = {5028.796195, 1.1054348};
constexpr double kPrecessionRadPerDay = kPrecessionArcsec[0] * kRadPerArcsec / kDaysPerJulianCentury;

// VSOP87 dynamical ecliptic J2000 -> FK5 equator J2000 (vsop87.txt of the distribution).
constexpr double kVsopToEquator[3][3] = {
    {1.000000000000, 0.000000440360, -0.000000190919},
    {-0.000000479966, 0.917482137087, -0.397776982902},
    {0.000000000000, 0.397776982902, 0.917482137087},
};

// ---- the full chain ---------------------------------------------------------------------------

// The Sun's direction in the ecliptic and equinox of date (x, y of a unit vector): `sun`, in the
// VSOP87 ecliptic J2000, turned to the FK5 equator J2000 and then by toEclipticOfDate.
struct DirectionOfDate {
    double x;
    double y;
};

DirectionOfDate directionOfDate(const double (&sun)[3], const double (&toEclipticOfDate)[3][3]) {
    double equator[3];
    for (int i = 0; i < 3; ++i)
        equator[i] = kVsopToEquator[i][0] * sun[0] + kVsopToEquator[i][1] * sun[1] + kVsopToEquator[i][2] * sun[2];
    const double x = toEclipticOfDate[0][0] * equator[0] + toEclipticOfDate[0][1] * equator[1] +
                     toEclipticOfDate[0][2] * equator[2];
    const double y = toEclipticOfDate[1][0] * equator[0] + toEclipticOfDate[1][1] * equator[1] +
                     toEclipticOfDate[1][2] * equator[2];
    return {x, y};
}

// The apparent longitude in [0, 2pi) of that direction: the annual aberration for the distance
// r (au), and the nutation in longitude.
double apparentLongitudeOf(DirectionOfDate direction, double r, double jdTT) {
    double longitude = std::atan2(direction.y, direction.x) - kAberrationRad / r;
    double nutationInLongitude = 0.0;
    double nutationInObliquity = 0.0;
    eraNut80(kJ2000, jdTT - kJ2000, &nutationInLongitude, &nutationInObliquity);
    longitude += nutationInLongitude;
    longitude = std::fmod(longitude, kTwoPi);
    if (longitude < 0.0) longitude += kTwoPi;
    return longitude;
}

SolarLongitude longitudeOf(double jdTT) {
    const VsopArguments arguments((jdTT - kJ2000) / kDaysPerJulianMillennium);
    const SeriesValue l = evaluateSeriesWithRate(kEarthL, arguments);
    const double b = evaluateSeries(kEarthB, arguments);
    const double r = evaluateSeries(kEarthR, arguments);

    // Unit vector towards the Sun: heliocentric Earth reversed.
    const double cosB = std::cos(b);
    const double sun[3] = {-cosB * std::cos(l.value), -cosB * std::sin(l.value), -std::sin(b)};

    double toEclipticOfDate[3][3];
    eraLtecm(eraEpj(kJ2000, jdTT - kJ2000), toEclipticOfDate);
    const double longitude = apparentLongitudeOf(directionOfDate(sun, toEclipticOfDate), r, jdTT);
    return {longitude, l.ratePerMillennium / kDaysPerJulianMillennium + kPrecessionRadPerDay};
}

// The rate of the IAU 1980 nutation in longitude from its largest terms (rad per day); the
// terms left out move it by a few 0.001" per day at most. ERFA gives the nutation but not its
// rate, and a difference of two eraNut80 calls would cost two more evaluations of its 106 terms.
double nutationRate(double jdTT) {
    const double t = (jdTT - kJ2000) / kDaysPerJulianCentury;
    // Fundamental arguments (degrees, degrees per century): D, M (Sun), M' (Moon), F, Omega.
    constexpr double kAt2000[5] = {297.85036, 357.52772, 134.96298, 93.27191, 125.04452};
    constexpr double kPerCentury[5] = {445267.111480, 35999.050340, 477198.867398, 483202.017538, -1934.136261};
    struct Term {
        int d, m, mp, f, om;
        double amplitude;  // 0.0001"
    };
    constexpr Term kTerms[] = {
        {0, 0, 0, 0, 1, -171996}, {-2, 0, 0, 2, 2, -13187}, {0, 0, 0, 2, 2, -2274}, {0, 0, 0, 0, 2, 2062},
        {0, 1, 0, 0, 0, 1426},    {0, 0, 1, 0, 0, 712},      {-2, 1, 0, 2, 2, -517}, {0, 0, 0, 2, 1, -386},
        {0, 0, 1, 2, 2, -301},    {-2, -1, 0, 2, 2, 217},    {-2, 0, 1, 0, 0, -158}, {-2, 0, 0, 2, 1, 129},
        {0, 0, -1, 2, 2, 123},    {2, 0, 0, 0, 0, 63},       {0, 0, 1, 0, 1, 63},    {2, 0, -1, 2, 2, -59},
        {0, 0, -1, 0, 1, -58},    {0, 0, 1, 2, 1, -51},      {-2, 0, 2, 0, 0, 48},   {0, 0, -2, 2, 1, 46},
        {2, 0, 0, 2, 2, -38},     {0, 0, 2, 2, 2, -31},      {0, 0, 2, 0, 0, 29},    {-2, 0, 1, 2, 2, 29},
        {0, 0, 0, 2, 0, 26},      {-2, 0, 0, 2, 0, -22},     {0, 0, -1, 2, 1, 21},   {0, 2, 0, 0, 0, 17},
        {2, 0, -1, 0, 1, 16},     {-2, 2, 0, 2, 2, -16},     {0, 1, 0, 0, 1, -15},   {-2, 0, 1, 0, 1, -13},
        {0, -1, 0, 0, 1, -12},    {0, 0, 2, -2, 0, 11},      {2, 0, -1, 2, 1, -10},  {2, 0, 1, 2, 2, -8},
        {0, 1, 0, 2, 2, 7},       {-2, 1, 1, 0, 0, -7},      {0, -1, 0, 2, 2, -7},   {2, 0, 0, 2, 1, -7},
        {2, 0, 1, 0, 0, 6},       {-2, 0, 2, 2, 2, 6},       {-2, 0, 1, 2, 1, 6},    {2, 0, -2, 0, 1, -6},
        {2, 0, 0, 0, 1, -6},      {0, -1, 1, 0, 0, 5},       {-2, -1, 0, 2, 1, -5},  {-2, 0, 0, 0, 1, -5},
        {0, 0, 2, 2, 1, -5},
    };
    double args[5];
    double rates[5];
    for (int i = 0; i < 5; ++i) {
        args[i] = (kAt2000[i] + kPerCentury[i] * t) * kRadPerDegree;
        rates[i] = kPerCentury[i] * kRadPerDegree / kDaysPerJulianCentury;
    }
    double rate = 0.0;
    for (const Term& term : kTerms) {
        const double argument = term.d * args[0] + term.m * args[1] + term.mp * args[2] + term.f * args[3] + term.om * args[4];
        const double frequency = term.d * rates[0] + term.m * rates[1] + term.mp * rates[2] + term.f * rates[3] + term.om * rates[4];
        rate += term.amplitude * std::cos(argument) * frequency;
    }
    return rate * 1e-4 * kRadPerArcsec;
}

// The full chain at one instant with the complete rate: the series' own derivative carried
// through the rotations, the precession and aberration rates and the nutation's.
SolarLongitude longitudeWithRate(double jdTT) {
    const VsopArguments arguments((jdTT - kJ2000) / kDaysPerJulianMillennium);
    const SeriesValue l = evaluateSeriesWithRate(kEarthL, arguments);
    const SeriesValue b = evaluateSeriesWithRate(kEarthB, arguments);
    const SeriesValue r = evaluateSeriesWithRate(kEarthR, arguments);

    const double cosB = std::cos(b.value), sinB = std::sin(b.value);
    const double cosL = std::cos(l.value), sinL = std::sin(l.value);
    const double sun[3] = {-cosB * cosL, -cosB * sinL, -sinB};
    // d sun / dT, per millennium.
    const double sunRate[3] = {cosB * sinL * l.ratePerMillennium + sinB * cosL * b.ratePerMillennium,
                               -cosB * cosL * l.ratePerMillennium + sinB * sinL * b.ratePerMillennium,
                               -cosB * b.ratePerMillennium};

    double toEclipticOfDate[3][3];
    eraLtecm(eraEpj(kJ2000, jdTT - kJ2000), toEclipticOfDate);
    double m[2][3];  // the first two rows of the product of both rotations
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            m[i][j] = toEclipticOfDate[i][0] * kVsopToEquator[0][j] + toEclipticOfDate[i][1] * kVsopToEquator[1][j] +
                      toEclipticOfDate[i][2] * kVsopToEquator[2][j];
    // The same products as longitudeOf, so the same longitude to the bit.
    const DirectionOfDate direction = directionOfDate(sun, toEclipticOfDate);
    const double x = direction.x, y = direction.y;
    const double xRate = m[0][0] * sunRate[0] + m[0][1] * sunRate[1] + m[0][2] * sunRate[2];
    const double yRate = m[1][0] * sunRate[0] + m[1][1] * sunRate[1] + m[1][2] * sunRate[2];
    const double geometricRate = (x * yRate - y * xRate) / (x * x + y * y) / kDaysPerJulianMillennium;

    const double t = (jdTT - kJ2000) / kDaysPerJulianCentury;
    const double precessionRate =
        (kPrecessionArcsec[0] + 2 * kPrecessionArcsec[1] * t) * kRadPerArcsec / kDaysPerJulianCentury;
    const double aberrationRate = kAberrationRad * r.ratePerMillennium / (r.value * r.value) / kDaysPerJulianMillennium;

    const double longitude = apparentLongitudeOf(direction, r.value, jdTT);
    return {longitude, geometricRate + precessionRate + aberrationRate + nutationRate(jdTT)};
}

// Bound of the relative error of the rate of longitudeWithRate (the nutation's terms left
// out, the precession's rate), with a margin.
constexpr double kRateErrorBound = 3e-6;

// ---- the low-order sun ------------------------------------------------------------------------

// The Sun's apparent longitude by a low-order expression (Meeus, Astronomical Algorithms, 2nd
// ed., ch. 25), good to about 0.01 degree: degrees, T in Julian centuries from J2000.
struct LowOrderSun {
    double meanLongitude[3];  // L0 = 280.46646 + 36000.76983 T + 0.0003032 T^2
    double meanAnomaly[3];    // M = 357.52911 + 35999.05029 T - 0.0001537 T^2
    double centre1[3];        // the equation of the centre: C1 sin M + C2 sin 2M + C3 sin 3M
    double centre2[2];
    double centre3;
    double node[2];           // of the Moon: Omega = 125.04 - 1934.136 T
    double aberration;        // added, with the main term of the nutation (times sin Omega)
    double nutation;
};

constexpr LowOrderSun kLowOrderSun = {
    {280.46646, 36000.76983, 0.0003032}, {357.52911, 35999.05029, -0.0001537}, {1.914602, -0.004817, -0.000014},
    {0.019993, -0.000101}, 0.000289, {125.04, -1934.136}, -0.00569, -0.00478};

double polynomial(const double (&c)[2], double t) { return c[0] + c[1] * t; }
double polynomial(const double (&c)[3], double t) { return c[0] + (c[1] + c[2] * t) * t; }

// The low-order sun's longitude, its rate and its second derivative: rad, per day, per day squared.
struct LowOrderLongitude {
    double longitude;
    double rate;
    double curvature;
};

LowOrderLongitude lowOrderSun(double jdTT) {
    const LowOrderSun& s = kLowOrderSun;
    const double t = (jdTT - kJ2000) / kDaysPerJulianCentury;
    const double anomaly = polynomial(s.meanAnomaly, t) * kRadPerDegree;
    const double c1 = polynomial(s.centre1, t);
    const double c2 = polynomial(s.centre2, t);
    const double c3 = s.centre3;
    const double node = polynomial(s.node, t) * kRadPerDegree;
    const double centre = c1 * std::sin(anomaly) + c2 * std::sin(2 * anomaly) + c3 * std::sin(3 * anomaly);
    const double degrees = polynomial(s.meanLongitude, t) + centre + s.aberration + s.nutation * std::sin(node);
    const double anomalyRate = s.meanAnomaly[1] * kRadPerDegree / kDaysPerJulianCentury;  // rad per day
    const double centreRate =
        c1 * std::cos(anomaly) + 2 * c2 * std::cos(2 * anomaly) + 3 * c3 * std::cos(3 * anomaly);
    const double centreCurvature =
        -(c1 * std::sin(anomaly) + 4 * c2 * std::sin(2 * anomaly) + 9 * c3 * std::sin(3 * anomaly));
    return {degrees * kRadPerDegree,
            s.meanLongitude[1] / kDaysPerJulianCentury * kRadPerDegree + centreRate * anomalyRate * kRadPerDegree,
            centreCurvature * anomalyRate * anomalyRate * kRadPerDegree};
}

// ---- the stages of a crossing -----------------------------------------------------------------

// Newton steps on the low-order sun from the middle of the bracket, each kept inside it. Four:
// the error squares with each, times about 3e-4 per day, so that from up to about 90 days off
// three reach the low-order sun's own accuracy; the fourth is margin.
double lowOrderGuess(double targetRad, double firstTT, double secondTT) {
    double guess = firstTT + (secondTT - firstTT) / 2.0;
    for (int i = 0; i < 4; ++i) {
        const LowOrderLongitude rough = lowOrderSun(guess);
        guess = std::clamp(guess - std::remainder(rough.longitude - targetRad, kTwoPi) / rough.rate, firstTT, secondTT);
    }
    return guess;
}

struct OneStep {
    double root;
    bool withinTolerance;  // by the bound of what the step leaves, and inside the bracket
};

// One evaluation of the full chain at the guess and a Newton step with the low-order sun's
// curvature. What is left is the rate's error times the step, and the third order: the first
// must stay below a quarter of the tolerance, leaving the rest to the second, which is below
// 1e-9 day for the steps from a low-order guess (under about 0.01 day).
OneStep oneStep(double targetRad, double guess, double firstTT, double secondTT) {
    const SolarLongitude s = longitudeWithRate(guess);
    const double past = std::remainder(s.longitude - targetRad, kTwoPi);
    const double newton = -past / s.ratePerDay;
    const double step = newton - 0.5 * lowOrderSun(guess).curvature * newton * newton / s.ratePerDay;
    const double root = guess + step;
    return {root, std::abs(step) * kRateErrorBound < kCrossingToleranceDays / 4 && root > firstTT && root < secondTT};
}

// Newton's method kept inside the bracket on the full chain, from `start`, until a step is
// shorter than kCrossingToleranceDays.
BracketedRoot bracketed(double targetRad, double start, double firstTT, double secondTT) {
    const auto pastTarget = [targetRad](double jdTT) {
        const SolarLongitude s = longitudeOf(jdTT);
        return NewtonPoint{std::remainder(s.longitude - targetRad, kTwoPi), s.ratePerDay};
    };
    return newtonInBracket(pastTarget, firstTT, secondTT, start, kCrossingToleranceDays, kCrossingIterationCap);
}

}  // namespace

SolarLongitude apparentSolarLongitude(double jdTT) { return longitudeOf(jdTT); }

SolarLongitude apparentSolarLongitudeWithRate(double jdTT) { return longitudeWithRate(jdTT); }

LongitudeCrossing computedSunCrossing(double targetRad, double firstTT, double secondTT) {
    const OneStep step = oneStep(targetRad, lowOrderGuess(targetRad, firstTT, secondTT), firstTT, secondTT);
    if (step.withinTolerance) return {BracketedRootStatus::Converged, step.root, 1};
    // Far from the low-order sun or at an end of the bracket: the bracketed search from there.
    const BracketedRoot fallback = bracketed(targetRad, step.root, firstTT, secondTT);
    return {fallback.status, fallback.x, 1 + fallback.evaluations};
}

}  // namespace varnex
