// The plain search for a crossing of the Sun's longitude, the reference of the fast one.
#pragma once

#include "astro/solar_longitude.h"

namespace varnex::test {

// The instant in [firstTT, secondTT] at which the apparent longitude reaches targetRad: Newton's
// method kept inside the bracket on the full chain with its complete rate, from the bracket's
// middle, until a step is shorter than kCrossingToleranceDays. No low-order sun, no single step.
LongitudeCrossing bracketedSolarLongitudeCrossing(double targetRad, double firstTT, double secondTT);

}  // namespace varnex::test
