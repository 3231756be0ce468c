#include "uncertainty.h"

#include "constants.h"
#include "delta_t.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>

namespace varnex {
namespace {

// Published 1-sigma figures of Delta T between 1600 and 1900, seconds, interpolated in
// their logarithm.
struct Anchor {
    double year;
    double seconds;
};
constexpr Anchor kAnchors[] = {{1600, 20}, {1700, 5}, {1800, 1}, {1900, 0.1}};
constexpr double kModernSeconds = 0.1;

// The last observed value of the model (delta_t.h): the extrapolations are joined to it.
constexpr double kLastObservedYear = 2026.0;

constexpr double kSigmas = 2.0;  // about 95 % of a normal spread

// The two published versions of the spline, where both exist.
double versionSpreadSeconds(double y) {
    const double first = deltaTSmh2016Seconds(y);
    return std::isnan(first) ? 0.0 : std::abs(first - deltaTSeconds(y));
}

// The greatest difference of the published extrapolations from the model's, each moved to
// agree with the observed value at kLastObservedYear.
double extrapolationSpreadSeconds(double y) {
    if (y <= kLastObservedYear) return 0.0;
    const double model = deltaTSeconds(y);
    const double observed = deltaTSeconds(kLastObservedYear);
    double spread = 0.0;
    for (const auto extrapolation : {deltaTHmnaoExtrapolationSeconds, deltaTEspenakMeeusExtrapolationSeconds})
        spread = std::max(spread, std::abs(extrapolation(y) - extrapolation(kLastObservedYear) + observed - model));
    return spread;
}

double decimalYearOf(double jd) { return 2000.0 + (jd - kJ2000) / kDaysPerJulianYear; }

}  // namespace

double sigmaDeltaTSeconds(double decimalYear) {
    if (decimalYear < kAnchors[0].year) {
        const double t = (decimalYear - 1820.0) / 100.0;
        return std::fmax(0.8 * t * t, kAnchors[0].seconds);
    }
    for (std::size_t i = 1; i < std::size(kAnchors); ++i) {
        if (decimalYear < kAnchors[i].year) {
            const Anchor& a = kAnchors[i - 1];
            const Anchor& b = kAnchors[i];
            const double f = (decimalYear - a.year) / (b.year - a.year);
            return a.seconds * std::pow(b.seconds / a.seconds, f);
        }
    }
    return kModernSeconds;
}

double deltaTBoundSeconds(double decimalYear) {
    return versionSpreadSeconds(decimalYear) + extrapolationSpreadSeconds(decimalYear) +
           kSigmas * sigmaDeltaTSeconds(decimalYear);
}

double wholeYearDeltaTSeconds(double jdUT, std::int32_t year) {
    return std::abs(deltaTSeconds(decimalYearOf(jdUT)) - deltaTSeconds(year + 0.5));
}

double trueSunErrorSeconds(std::int32_t year) { return year < 1600 ? 10.0 : 5.0; }

double apsisErrorSeconds(std::int32_t year) {
    const double t = (year - 2000) / 1000.0;
    return 125.0 + 130.0 * t * t;
}

double uncertaintySeconds(double jdUT, double methodSeconds) {
    return std::ceil(deltaTBoundSeconds(decimalYearOf(jdUT)) + methodSeconds);
}

double shownUncertaintySeconds(double seconds) {
    const double whole = std::ceil(seconds);
    return whole < 120 ? whole : 60 * std::ceil(whole / 60);
}

}  // namespace varnex
