#include "solar_longitude.h"

#include "constants.h"
#include "vsop87b_earth.h"

#include <erfa.h>

#include <cmath>

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

SolarLongitude longitudeOf(const Model& model, double jdTT) {
    const VsopArguments arguments((jdTT - kJ2000) / kDaysPerJulianMillennium);
    const SeriesValue l = evaluateSeriesWithRate(model.l, arguments);
    const double b = evaluateSeries(model.b, arguments);
    const double r = evaluateSeries(model.r, arguments);

    // Unit vector towards the Sun: heliocentric Earth reversed.
    const double cosB = std::cos(b);
    const double sun[3] = {-cosB * std::cos(l.value), -cosB * std::sin(l.value), -std::sin(b)};

    double equator[3];
    for (int i = 0; i < 3; ++i)
        equator[i] = kVsopToEquator[i][0] * sun[0] + kVsopToEquator[i][1] * sun[1] + kVsopToEquator[i][2] * sun[2];

    double toEclipticOfDate[3][3];
    eraLtecm(eraEpj(kJ2000, jdTT - kJ2000), toEclipticOfDate);
    const double x = toEclipticOfDate[0][0] * equator[0] + toEclipticOfDate[0][1] * equator[1] +
                     toEclipticOfDate[0][2] * equator[2];
    const double y = toEclipticOfDate[1][0] * equator[0] + toEclipticOfDate[1][1] * equator[1] +
                     toEclipticOfDate[1][2] * equator[2];

    double longitude = std::atan2(y, x) - kAberrationRad / r;
    if (model.nutation) {
        double nutationInLongitude = 0.0;
        double nutationInObliquity = 0.0;
        eraNut80(kJ2000, jdTT - kJ2000, &nutationInLongitude, &nutationInObliquity);
        longitude += nutationInLongitude;
    }
    longitude = std::fmod(longitude, kTwoPi);
    if (longitude < 0.0) longitude += kTwoPi;
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

}  // namespace

SolarLongitude apparentSolarLongitude(double jdTT) { return longitudeOf(kFull, jdTT); }

SolarLongitude approximateSolarLongitude(double jdTT) { return longitudeOf(kGuess, jdTT); }

LongitudeCrossing solarLongitudeCrossing(double targetLongitude, double firstTT, double secondTT) {
    // First guess with the short series, then the full chain from there: two full
    // evaluations in the usual case.
    const BracketedRoot guess = newtonInBracket(pastTarget(kGuess, targetLongitude), firstTT, secondTT,
                                                firstTT + (secondTT - firstTT) / 2.0, kGuessToleranceDays,
                                                kCrossingIterationCap);
    const BracketedRoot root = newtonInBracket(pastTarget(kFull, targetLongitude), firstTT, secondTT, guess.x,
                                               kCrossingToleranceDays, kCrossingIterationCap);
    return {root.status, root.x, root.evaluations};
}

}  // namespace varnex
