// Truncated VSOP87B series of the Earth (heliocentric L, B, R in the dynamical ecliptic
// and equinox J2000), generated at build time from data/vsop87/VSOP87B.ear by
// tools/vsop87_to_inc with the thresholds set in CMakeLists.txt.
#pragma once

#include "vsop87_series.h"

namespace varnex {

// The apparent longitude's chain: terms with A * 2^power >= 1e-9 rad (L), 1e-8 rad (B), 1e-5 au (R).
extern const VsopSeries kEarthL;
extern const VsopSeries kEarthB;
extern const VsopSeries kEarthR;

// The radius alone, whole, for the apsides (apsides.h): all 978 terms.
extern const VsopSeries kApsisR;

}  // namespace varnex
