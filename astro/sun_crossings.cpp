#include "sun_crossings.h"

#include <cmath>
#include <iterator>

namespace varnex {
namespace {

#include "sun_crossings.inc"

static_assert(std::size(kSunCrossings) ==
              std::size_t{kSunCrossingLastYear - kSunCrossingFirstYear + 1} * kSunCrossingsPerYear);

}  // namespace

std::optional<double> tabulatedSunCrossing(double targetDeg, double firstTT, double secondTT) {
    if (!(targetDeg >= 0.0 && targetDeg < 360.0)) return std::nullopt;
    const int step = static_cast<int>(targetDeg / 15.0);
    if (15.0 * step != targetDeg) return std::nullopt;
    // The year of the estimate nearest the bracket's middle, and those on either side.
    const double middle = firstTT + (secondTT - firstTT) / 2.0;
    const double years = (middle - approximateSunCrossingTT(2000, step)) / (approximateSunCrossingTT(2001, 0) -
                                                                            approximateSunCrossingTT(2000, 0));
    if (!(std::abs(years) < 1e5)) return std::nullopt;
    const auto nearest = static_cast<std::int32_t>(std::lround(years)) + 2000;
    for (std::int32_t year = nearest - 1; year <= nearest + 1; ++year) {
        if (year < kSunCrossingFirstYear || year > kSunCrossingLastYear) continue;
        const double instant = kSunCrossings[(year - kSunCrossingFirstYear) * kSunCrossingsPerYear + step];
        if (instant >= firstTT && instant <= secondTT) return instant;
    }
    return std::nullopt;
}

}  // namespace varnex
