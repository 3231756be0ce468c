#include "apsides.h"

#include "constants.h"
#include "delta_t.h"
#include "root_search.h"
#include "vsop87b_earth.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace varnex {
namespace {

// The rate of R and its derivative, per day and per day squared: the series and its first two
// derivatives with respect to T by Horner, as evaluateSeriesWithRate does for the first.
NewtonPoint radiusRate(double jdTT) {
    const VsopArguments arguments((jdTT - kJ2000) / kDaysPerJulianMillennium);
    const double t = arguments.tMillennia();
    double value = 0.0;
    double rate = 0.0;
    double acceleration = 0.0;
    for (auto power = kApsisR.rbegin(); power != kApsisR.rend(); ++power) {
        double sum = 0.0;
        double sumRate = 0.0;
        double sumAcceleration = 0.0;
        for (const VsopTerm& term : *power) {
            const Phasor phase = arguments.phaseOf(term);
            const double frequency = VsopArguments::frequencyOf(term);
            const double inPhase = term.sinAmplitude * phase.sin + term.cosAmplitude * phase.cos;
            sum += inPhase;
            sumRate += frequency * (term.sinAmplitude * phase.cos - term.cosAmplitude * phase.sin);
            sumAcceleration -= frequency * frequency * inPhase;
        }
        acceleration = acceleration * t + 2.0 * rate + sumAcceleration;
        rate = rate * t + value + sumRate;
        value = value * t + sum;
    }
    return {rate / kDaysPerJulianMillennium, acceleration / (kDaysPerJulianMillennium * kDaysPerJulianMillennium)};
}

// Meeus ch. 38, the Earth: the mean instant of the apsis k (an integer for a perihelion, plus
// one half for an aphelion), and the k of the perihelion of a year.
double meanApsisJDE(double k) { return 2451547.507 + 365.2596358 * k + 0.0000000156 * k * k; }
double perihelionNumber(std::int32_t year) { return std::round((year - 2000.01) * 0.99997); }

// Half the search bracket around the mean instant. The Moon and the planets move the apsis
// by at most 1.8 days from it over the years -1000 to 5000: 6 days hold every one
// (tests/astro/apsides_test.cpp scans around each).
// Within the bracket R'' keeps its sign: the orbit's own curvature near an apsis,
// e a n^2 = 4.9e-6 au/day^2, against at most 1.4e-6 from the monthly swing, so the rate of R
// passes zero once, at the extreme of the bracket, and no lunar wiggle makes a second one.
constexpr double kBracketHalfDays = 6.0;
constexpr double kToleranceDays = 1e-6;
constexpr int kIterationCap = 64;

// The zero of dR/dt near the mean instant of apsis k: rising through it at a perihelion,
// falling at an aphelion.
double apsisJDE(double k, bool perihelion) {
    const double mean = meanApsisJDE(k);
    const double sign = perihelion ? 1.0 : -1.0;
    const BracketedRoot root = newtonInBracket(
        [sign](double jdTT) {
            const NewtonPoint p = radiusRate(jdTT);
            return NewtonPoint{sign * p.value, sign * p.derivative};
        },
        mean - kBracketHalfDays, mean + kBracketHalfDays, mean, kToleranceDays, kIterationCap);
    // The bracket of every year 1 to 3000 holds its apsis (tested): anything else is a fault.
    if (root.status != BracketedRootStatus::Converged)
        throw std::logic_error("no " + std::string(perihelion ? "perihelion" : "aphelion") + " found near JD " +
                               std::to_string(mean));
    return root.x;
}

}  // namespace

double PerihelionJDE(std::int32_t year) { return apsisJDE(perihelionNumber(year), true); }

double AphelionJDE(std::int32_t year) { return apsisJDE(perihelionNumber(year) + 0.5, false); }

double meanPerihelionJD(std::int32_t year) {
    return meanApsisJDE(perihelionNumber(year)) - daysFromMinutes(DeltaTMinutes(year));
}

double meanAphelionJD(std::int32_t year) {
    return meanApsisJDE(perihelionNumber(year) + 0.5) - daysFromMinutes(DeltaTMinutes(year));
}

double PerihelionJD(std::int32_t year) { return PerihelionJDE(year) - daysFromMinutes(DeltaTMinutes(year)); }

double AphelionJD(std::int32_t year) { return AphelionJDE(year) - daysFromMinutes(DeltaTMinutes(year)); }

}  // namespace varnex
