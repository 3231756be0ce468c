#include "uncertainty.h"

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
constexpr double kLastObservedYear = 2026.0;
constexpr double kFutureSecondsPerYear = 0.9;

// The eras of methodErrorSeconds: 1-999, 1000-1599, 1600-2200, 2201-3000.
std::size_t eraOf(std::int32_t year) {
    if (year < 1000) return 0;
    if (year < 1600) return 1;
    return year <= 2200 ? 2 : 3;
}

// Bounds by era, seconds (uncertainty.h: how each was measured).
constexpr double kMeeusSeconds[] = {205, 120, 90, 150};
constexpr double kTrueSunSeconds[] = {10, 10, 5, 5};
constexpr double kApsisSeconds[] = {250, 250, 125, 125};

}  // namespace

double deltaTUncertaintySeconds(double decimalYear) {
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
    if (decimalYear < kLastObservedYear) return kModernSeconds;
    return kModernSeconds + kFutureSecondsPerYear * (decimalYear - kLastObservedYear);
}

double methodErrorSeconds(InstantSource source, std::int32_t year) {
    const std::size_t era = eraOf(year);
    switch (source) {
    case InstantSource::Meeus:
    case InstantSource::MeanSun: return kMeeusSeconds[era];
    case InstantSource::TrueSun: return kTrueSunSeconds[era];
    case InstantSource::Apsis: return kApsisSeconds[era];
    }
    return kMeeusSeconds[era];
}

double uncertaintySeconds(InstantSource source, std::int32_t year) {
    const double deltaT = deltaTUncertaintySeconds(year + 0.5);
    const double method = methodErrorSeconds(source, year);
    return std::ceil(std::sqrt(deltaT * deltaT + method * method));
}

}  // namespace varnex
