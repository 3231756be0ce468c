#include "solar_longitude.h"

#include "constants.h"
#include "vsop87b_earth.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace varnex {
namespace {

constexpr double kAberrationRad = 20.4898 * kRadPerArcsec;  // annual aberration at 1 au
// General precession in longitude, 5028.796195"/Julian century (IAU 2006, Capitaine et al. 2003).
constexpr double kPrecessionRadPerDay = 5028.796195 * kRadPerArcsec / kDaysPerJulianCentury;

// VSOP87 dynamical ecliptic J2000 -> FK5 equator J2000 (vsop87.txt of the distribution).
constexpr double kVsopToEquator[3][3] = {
    {1.000000000000, 0.000000440360, -0.000000190919},
    {-0.000000479966, 0.917482137087, -0.397776982902},
    {0.000000000000, 0.397776982902, 0.917482137087},
};

struct Model {
    const VsopSeries& l;
    const VsopSeries& b;
    const VsopSeries& r;
    bool nutation;
};

const Model kFull{kEarthL, kEarthB, kEarthR, true};
const Model kGuess{kGuessL, kGuessB, kGuessR, false};

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
// r (au), and the nutation in longitude when `nutation` is set.
double apparentLongitudeOf(DirectionOfDate direction, double r, double jdTT, bool nutation) {
    double longitude = std::atan2(direction.y, direction.x) - kAberrationRad / r;
    if (nutation) {
        double nutationInLongitude = 0.0;
        double nutationInObliquity = 0.0;
        eraNut80(kJ2000, jdTT - kJ2000, &nutationInLongitude, &nutationInObliquity);
        longitude += nutationInLongitude;
    }
    longitude = std::fmod(longitude, kTwoPi);
    if (longitude < 0.0) longitude += kTwoPi;
    return longitude;
}

SolarLongitude longitudeOf(const Model& model, double jdTT) {
    const VsopArguments arguments((jdTT - kJ2000) / kDaysPerJulianMillennium);
    const SeriesValue l = evaluateSeriesWithRate(model.l, arguments);
    const double b = evaluateSeries(model.b, arguments);
    const double r = evaluateSeries(model.r, arguments);

    // Unit vector towards the Sun: heliocentric Earth reversed.
    const double cosB = std::cos(b);
    const double sun[3] = {-cosB * std::cos(l.value), -cosB * std::sin(l.value), -std::sin(b)};

    double toEclipticOfDate[3][3];
    eraLtecm(eraEpj(kJ2000, jdTT - kJ2000), toEclipticOfDate);
    const double longitude = apparentLongitudeOf(directionOfDate(sun, toEclipticOfDate), r, jdTT, model.nutation);
    return {longitude, l.ratePerMillennium / kDaysPerJulianMillennium + kPrecessionRadPerDay};
}

// Newton function for a crossing: the longitude past the target, wrapped to (-pi, pi].
auto pastTarget(const Model& model, double target) {
    return [&model, target](double jdTT) {
        const SolarLongitude s = longitudeOf(model, jdTT);
        return NewtonPoint{std::remainder(s.longitude - target, kTwoPi), s.ratePerDay};
    };
}

constexpr double kGuessToleranceDays = 1e-4;

// ---- the fast search ------------------------------------------------------------------

constexpr double kRadPerDegree = std::numbers::pi / 180.0;

// The Sun's apparent longitude by a low-order expression (Meeus, Astronomical Algorithms, 2nd
// ed., ch. 25: the mean sun, the equation of the centre to 3M, aberration and the main term
// of the nutation), good to about 0.01 degree: rad, rad per day and rad per day squared.
struct RoughLongitude {
    double longitude;
    double rate;
    double curvature;
};

RoughLongitude roughLongitude(double jdTT) {
    const double t = (jdTT - kJ2000) / kDaysPerJulianCentury;
    const double meanLongitude = 280.46646 + (36000.76983 + 0.0003032 * t) * t;
    const double anomaly = (357.52911 + (35999.05029 - 0.0001537 * t) * t) * kRadPerDegree;
    const double c1 = 1.914602 - (0.004817 + 0.000014 * t) * t;
    const double c2 = 0.019993 - 0.000101 * t;
    const double c3 = 0.000289;
    const double node = (125.04 - 1934.136 * t) * kRadPerDegree;
    const double centre = c1 * std::sin(anomaly) + c2 * std::sin(2 * anomaly) + c3 * std::sin(3 * anomaly);
    const double degrees = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
    const double anomalyRate = 35999.05029 * kRadPerDegree / kDaysPerJulianCentury;  // rad per day
    const double centreRate =
        c1 * std::cos(anomaly) + 2 * c2 * std::cos(2 * anomaly) + 3 * c3 * std::cos(3 * anomaly);
    const double centreCurvature =
        -(c1 * std::sin(anomaly) + 4 * c2 * std::sin(2 * anomaly) + 9 * c3 * std::sin(3 * anomaly));
    return {degrees * kRadPerDegree,
            36000.76983 / kDaysPerJulianCentury * kRadPerDegree + centreRate * anomalyRate * kRadPerDegree,
            centreCurvature * anomalyRate * anomalyRate * kRadPerDegree};
}

// The rate of the IAU 1980 nutation in longitude from its largest terms (rad per day); the
// terms left out move it by a few 0.001" per day at most.
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
    // General precession in longitude, 5028.796195 T + 1.1054348 T^2 (IAU 2006), differentiated.
    const double precessionRate = (5028.796195 + 2 * 1.1054348 * t) * kRadPerArcsec / kDaysPerJulianCentury;
    const double aberrationRate = kAberrationRad * r.ratePerMillennium / (r.value * r.value) / kDaysPerJulianMillennium;

    const double longitude = apparentLongitudeOf(direction, r.value, jdTT, true);
    return {longitude, geometricRate + precessionRate + aberrationRate + nutationRate(jdTT)};
}

// Bound of the relative error of the rate of longitudeWithRate (the nutation's terms left
// out, the precession's rate), with a margin.
constexpr double kRateErrorBound = 3e-6;

}  // namespace

SolarLongitude apparentSolarLongitude(double jdTT) { return longitudeOf(kFull, jdTT); }

SolarLongitude approximateSolarLongitude(double jdTT) { return longitudeOf(kGuess, jdTT); }

SolarLongitude apparentSolarLongitudeWithRate(double jdTT) { return longitudeWithRate(jdTT); }

LongitudeCrossing bracketedSolarLongitudeCrossing(double targetLongitude, double firstTT, double secondTT) {
    // First guess with the short series, then the full chain from there: two full
    // evaluations in the usual case.
    const BracketedRoot guess = newtonInBracket(pastTarget(kGuess, targetLongitude), firstTT, secondTT,
                                                firstTT + (secondTT - firstTT) / 2.0, kGuessToleranceDays,
                                                kCrossingIterationCap);
    const BracketedRoot root = newtonInBracket(pastTarget(kFull, targetLongitude), firstTT, secondTT, guess.x,
                                               kCrossingToleranceDays, kCrossingIterationCap);
    return {root.status, root.x, root.evaluations, guess.evaluations + root.evaluations};
}

LongitudeCrossing solarLongitudeCrossing(double targetLongitude, double firstTT, double secondTT) {
    // The low-order sun to about 0.01 day, by Newton steps clamped into the bracket.
    double guess = firstTT + (secondTT - firstTT) / 2.0;
    for (int i = 0; i < 4; ++i) {
        const RoughLongitude rough = roughLongitude(guess);
        guess = std::clamp(guess - std::remainder(rough.longitude - targetLongitude, kTwoPi) / rough.rate, firstTT,
                           secondTT);
    }
    // One evaluation of the full chain there and a Newton step with the curvature of the
    // low-order sun: what is left is the rate's error times the step, and the third order.
    const SolarLongitude s = longitudeWithRate(guess);
    const double past = std::remainder(s.longitude - targetLongitude, kTwoPi);
    const double newton = -past / s.ratePerDay;
    const double step = newton - 0.5 * roughLongitude(guess).curvature * newton * newton / s.ratePerDay;
    const double root = guess + step;
    if (std::abs(step) * kRateErrorBound < kCrossingToleranceDays / 4 && root > firstTT && root < secondTT)
        return {BracketedRootStatus::Converged, root, 1, 1};
    // Far from the low-order sun or at an end of the bracket: the bracketed search from there.
    const BracketedRoot fallback = newtonInBracket(pastTarget(kFull, targetLongitude), firstTT, secondTT, root,
                                                   kCrossingToleranceDays, kCrossingIterationCap);
    return {fallback.status, fallback.x, 1 + fallback.evaluations, 1 + fallback.evaluations};
}

}  // namespace varnex
