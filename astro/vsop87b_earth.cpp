#include "vsop87b_earth.h"

namespace varnex {
namespace {

#include "vsop87b_earth.inc"
#include "vsop87b_earth_apsis.inc"

}  // namespace

constinit const VsopSeries kEarthL = earthL;
constinit const VsopSeries kEarthB = earthB;
constinit const VsopSeries kEarthR = earthR;
constinit const VsopSeries kApsisR = apsisR;

}  // namespace varnex
