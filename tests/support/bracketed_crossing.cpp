#include "bracketed_crossing.h"

#include <cmath>
#include <numbers>

namespace varnex::test {

LongitudeCrossing bracketedSolarLongitudeCrossing(double targetRad, double firstTT, double secondTT) {
    const auto pastTarget = [targetRad](double jdTT) {
        const SolarLongitude s = apparentSolarLongitudeWithRate(jdTT);
        return NewtonPoint{std::remainder(s.longitude - targetRad, 2 * std::numbers::pi), s.ratePerDay};
    };
    const BracketedRoot root = newtonInBracket(pastTarget, firstTT, secondTT, firstTT + (secondTT - firstTT) / 2.0,
                                               kCrossingToleranceDays, kCrossingIterationCap);
    return {root.status, root.x, root.evaluations};
}

}  // namespace varnex::test
