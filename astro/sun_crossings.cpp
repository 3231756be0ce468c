#include "sun_crossings.h"

#include "constants.h"

#include <cmath>
#include <iterator>

namespace varnex {
namespace {

#include "sun_crossings.inc"

static_assert(std::size(kSunCrossingOffsets) ==
              std::size_t{kSunCrossingLastYear - kSunCrossingFirstYear + 1} * kSunCrossingsPerYear);
static_assert(std::size(kSunCrossingCenturyOffsets) ==
              std::size_t{kSunCrossingLastYear / kSunCrossingYearsPerCentury + 1} * kSunCrossingsPerYear);

}  // namespace

std::optional<double> tabulatedSunCrossing(double targetDeg, double firstTT, double secondTT) {
    if (!(targetDeg >= 0.0 && targetDeg < 360.0)) return std::nullopt;
    const int step = static_cast<int>(targetDeg / 15.0);
    if (15.0 * step != targetDeg) return std::nullopt;
    // The year of the estimate nearest the bracket's middle first, then those on either side.
    const double middle = firstTT + (secondTT - firstTT) / 2.0;
    const double years = (middle - approximateSunCrossingTT(2000, step)) / kTropicalYearDays;
    if (!(std::abs(years) < 1e5)) return std::nullopt;
    const auto nearest = static_cast<std::int32_t>(std::lround(years)) + 2000;
    for (const std::int32_t year : {nearest, nearest - 1, nearest + 1}) {
        if (year < kSunCrossingFirstYear || year > kSunCrossingLastYear) continue;
        const std::int16_t century = kSunCrossingCenturyOffsets[year / kSunCrossingYearsPerCentury * kSunCrossingsPerYear + step];
        const std::int32_t offset = kSunCrossingOffsets[(year - kSunCrossingFirstYear) * kSunCrossingsPerYear + step];
        const double instant = sunCrossingBase(approximateSunCrossingTT(year, step), century) + offset * kSunCrossingUnitDays;
        if (instant >= firstTT && instant <= secondTT) return instant;
    }
    return std::nullopt;
}

LongitudeCrossing sunCrossing(double targetDeg, double firstTT, double secondTT) {
    const double lo = std::fmin(firstTT, secondTT);
    const double hi = std::fmax(firstTT, secondTT);
    if (const auto tabulated = tabulatedSunCrossing(targetDeg, lo, hi)) return {BracketedRootStatus::Converged, *tabulated, 0};
    return computedSunCrossing(radiansFromDegrees(targetDeg), lo, hi);
}

}  // namespace varnex
