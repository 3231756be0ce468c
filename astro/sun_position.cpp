#include "sun_position.h"

#include "constants.h"
#include "delta_t.h"
#include "solar_longitude.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace varnex {
namespace {

// The Sun's hour angle grows by 2 pi per mean solar day: the sidereal rate less the Sun's
// own mean motion in right ascension (which varies by a tenth of itself over the year).
constexpr double kHourAngleRadPerDay = kTwoPi;
constexpr double kSunsetToleranceDays = 0.1 / kSecondsPerDay;
// Two or three steps do from the first guess (hours, then seconds, then milliseconds off); up
// to five beyond 80 degrees of latitude, where the Sun dips below the horizon for minutes.
constexpr int kSunsetIterationCap = 12;

// The mean obliquity of the long-term precession the longitude is referred to (Vondrak et
// al. 2011): the angle between the poles of the equator and of the ecliptic of date.
double meanObliquity(double jdTT) {
    const double epoch = eraEpj(kJ2000, jdTT - kJ2000);
    double equatorPole[3];
    double eclipticPole[3];
    eraLtpequ(epoch, equatorPole);
    eraLtpecl(epoch, eclipticPole);
    double cross[3];
    eraPxp(equatorPole, eclipticPole, cross);
    return std::atan2(eraPm(cross), eraPdp(equatorPole, eclipticPole));
}

// The true obliquity at jdTT: the mean one and the IAU 1980 nutation in obliquity.
double trueObliquity(double jdTT) {
    double nutationInLongitude = 0.0;
    double nutationInObliquity = 0.0;
    eraNut80(kJ2000, jdTT - kJ2000, &nutationInLongitude, &nutationInObliquity);
    return meanObliquity(jdTT) + nutationInObliquity;
}

// The apparent longitude (the ecliptic latitude taken as zero) on the true equator.
EquatorialPosition equatorialOf(double longitude, double obliquity) {
    const double sinLongitude = std::sin(longitude);
    double rightAscension = std::atan2(std::cos(obliquity) * sinLongitude, std::cos(longitude));
    if (rightAscension < 0.0) rightAscension += kTwoPi;
    return {rightAscension, std::asin(std::sin(obliquity) * sinLongitude)};
}

// The Sun and the Greenwich apparent sidereal time (UT1 = UT) at an instant in UT.
struct SunAtInstant {
    EquatorialPosition place;
    double siderealTime;  // rad
};

// The full chain at one instant in UT, and the Sun carried from there to instants nearby: the
// longitude along its rate, the obliquity and the equation of the equinoxes held. A quarter
// of a day away that is good to 0.1" (the longitude's curvature, under 1e-5 rad per day
// squared, and its rate's error, 5e-5 of it); the nutation's own motion (0.03" in six hours)
// is held in the longitude and the sidereal time alike, and so drops out of the hour angle.
class SunNear {
public:
    explicit SunNear(double jdUT) : jdUT_(jdUT) {
        const double jdTT = jdUT + deltaTSeconds(2000.0 + (jdUT - kJ2000) / kDaysPerJulianYear) / kSecondsPerDay;
        const SolarLongitude sun = apparentSolarLongitude(jdTT);
        longitude_ = sun.longitude;
        ratePerDay_ = sun.ratePerDay;
        obliquity_ = trueObliquity(jdTT);
        equationOfEquinoxes_ = eraAnpm(eraGst94(kJ2000, jdUT - kJ2000) - eraGmst82(kJ2000, jdUT - kJ2000));
    }

    // The rate of the declination at jdUT, rad per day.
    double declinationRate(double jdUT, double declination) const {
        const double longitude = longitude_ + ratePerDay_ * (jdUT - jdUT_);
        return std::sin(obliquity_) * std::cos(longitude) * ratePerDay_ / std::cos(declination);
    }

    SunAtInstant at(double jdUT) const {
        return {equatorialOf(longitude_ + ratePerDay_ * (jdUT - jdUT_), obliquity_),
                eraGmst82(kJ2000, jdUT - kJ2000) + equationOfEquinoxes_};
    }

private:
    double jdUT_;
    double longitude_;
    double ratePerDay_;
    double obliquity_;
    double equationOfEquinoxes_;
};

// The sunset following the mean local noon meanNoonUT: Newton's method on the Sun's hour
// angle against that of sunset at the current declination, from six hours after noon, where
// the full chain is evaluated once (the Sun is carried from there: SunNear). NaN where the
// Sun stays above or below the sunset's altitude, or the steps do not settle.
double sunsetAfter(double meanNoonUT, double latitude, double longitude) {
    const double sinAltitude = std::sin(radiansFromDegrees(kSunsetAltitudeDeg));
    const double sinLatitude = std::sin(latitude);
    const double cosLatitude = std::cos(latitude);
    double t = meanNoonUT + 0.25;
    const SunNear near(t);
    for (int i = 0; i < kSunsetIterationCap; ++i) {
        const SunAtInstant sun = near.at(t);
        const double declination = sun.place.declination;
        const double cosSunsetHourAngle =
            (sinAltitude - sinLatitude * std::sin(declination)) / (cosLatitude * std::cos(declination));
        // Where the Sun stays below (above) that altitude all day at this declination, the step
        // goes to the upper (lower) culmination instead, and the declination is looked at
        // again there: near the polar circles it can move the Sun across by then. Settled at a
        // culmination, it is polar night (day).
        const bool noSunset = !(std::abs(cosSunsetHourAngle) <= 1.0);
        const double sunsetHourAngle = std::acos(std::clamp(cosSunsetHourAngle, -1.0, 1.0));
        const double hourAngle = sun.siderealTime + longitude - sun.place.rightAscension;
        // The step: the gap between the hour angle of sunset and the Sun's, over the rate at
        // which it closes, the Sun's less that of the sunset's hour angle as the declination
        // moves (fast near the polar circles). Where the latter comes near the former, the Sun
        // grazes the horizon, and the Sun's rate alone steps on.
        const double gap = std::remainder(sunsetHourAngle - hourAngle, kTwoPi);
        double rate = kHourAngleRadPerDay;
        const double sinSunsetHourAngle = std::sin(sunsetHourAngle);
        if (!noSunset && sinSunsetHourAngle > 0.0) {
            const double sunsetRate = (std::tan(latitude) - cosSunsetHourAngle * std::tan(declination)) *
                                      near.declinationRate(t, declination) / sinSunsetHourAngle;
            if (sunsetRate < 0.9 * kHourAngleRadPerDay) rate -= sunsetRate;
        }
        t += gap / rate;
        // Settled by the gap at the Sun's own rate: where the sunset's hour angle runs fast the
        // step is short before the gap is.
        if (std::abs(gap) < kHourAngleRadPerDay * kSunsetToleranceDays)
            return noSunset ? std::numeric_limits<double>::quiet_NaN() : t;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

EquatorialPosition apparentSunEquatorial(double jdTT) {
    return equatorialOf(apparentSolarLongitude(jdTT).longitude, trueObliquity(jdTT));
}

double equationOfTimeSeconds(double jdUT) {
    const SunAtInstant sun = SunNear(jdUT).at(jdUT);
    const double dayFraction = jdUT - 0.5 - std::floor(jdUT - 0.5);  // UT as a fraction of the day
    double angle = std::remainder(sun.siderealTime - sun.place.rightAscension + std::numbers::pi - kTwoPi * dayFraction, kTwoPi);
    if (angle == -std::numbers::pi) angle = std::numbers::pi;  // the interval is (-12 h, 12 h]
    return angle / kTwoPi * kSecondsPerDay;
}

double sunsetUT(double dayStartUT, double latitudeDeg, double longitudeDeg) {
    const double latitude = radiansFromDegrees(latitudeDeg);
    const double longitude = radiansFromDegrees(longitudeDeg);
    // The mean local noon nearest the middle of the civil day: JD .0 is noon at Greenwich.
    const double shift = longitudeDeg / 360.0;
    const double meanNoon = std::round(dayStartUT + 0.5 + shift) - shift;
    const double dayEnd = dayStartUT + 1.0;
    const auto insideTheDay = [&](double sunset) { return sunset >= dayStartUT && sunset < dayEnd; };
    const double sunset = sunsetAfter(meanNoon, latitude, longitude);
    if (insideTheDay(sunset)) return sunset;
    // Near the polar circles a sunset can fall across midnight: the civil day's may then be
    // that of the solar day before or after, also where the solar day of its noon has none.
    if (!(sunset < dayStartUT)) {
        const double previous = sunsetAfter(meanNoon - 1.0, latitude, longitude);
        if (insideTheDay(previous)) return previous;
    }
    if (!(sunset >= dayEnd)) {
        const double next = sunsetAfter(meanNoon + 1.0, latitude, longitude);
        if (insideTheDay(next)) return next;
    }
    return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace varnex
