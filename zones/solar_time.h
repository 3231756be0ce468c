// The time of a place's own meridian: local mean time (the mean sun's hour angle, UT plus the
// longitude at 4 minutes a degree) and apparent solar time (a sundial's: local mean time plus
// the equation of time at the instant).
#pragma once

#include "zones/zone.h"

#include <optional>
#include <string_view>

namespace varnex {

// The offset of the local mean time of a longitude (degrees, east positive) from UT, in
// whole seconds, rounded: 9.99 degrees east is +00:39:58.
std::int32_t localMeanTimeSeconds(double longitudeDeg);

// "lmt:LONGITUDE" or "solar:LONGITUDE" (in any case): the local mean time ("LMT") or the apparent
// solar time ("LAT") of a longitude from -180 to 180 degrees, east positive, as a zone whose
// name is the text as given. Empty for any other text.
std::optional<Zone> parseSolarTimeZone(std::string_view text);

}  // namespace varnex
