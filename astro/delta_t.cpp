#include "delta_t.h"

#include "constants.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace varnex {
namespace {

#include "delta_t_tables.inc"

// SMH 2016 long-term parabola, seconds.
constexpr double parabola(double y) {
    const double u = (y - 1825.0) / 100.0;
    return -320.0 + 32.5 * u * u;
}
constexpr double parabolaSlope(double y) { return 0.65 * (y - 1825.0) / 100.0; }  // s per year

constexpr double kSplineEnd = 2019.0;
constexpr double kBridgeStart = 2026.0;  // last observed IERS value
constexpr double kBridgeEnd = 2800.0;

template <std::size_t N>
double spline(const SplineSegment (&segments)[N], double y) {
    // The last segment whose start is at or before y.
    const auto* segment = std::upper_bound(std::begin(segments), std::end(segments), y,
                                           [](double year, const SplineSegment& s) { return year < s.fromYear; });
    --segment;
    const double t = (y - segment->fromYear) / (segment->toYear - segment->fromYear);
    return segment->a0 + t * (segment->a1 + t * (segment->a2 + t * segment->a3));
}

double splineEndValue() {
    const SplineSegment& last = std::end(kSmhSpline)[-1];
    return last.a0 + last.a1 + last.a2 + last.a3;
}

double iersInterpolated(double y) {
    // Nodes: the spline's end at 2019.0, then 1 January of 2020 ... 2026.
    double fromYear = kSplineEnd;
    double fromValue = splineEndValue();
    for (const YearValue& node : kIersJanuary1) {
        if (y < node.year) return fromValue + (y - fromYear) / (node.year - fromYear) * (node.deltaTSeconds - fromValue);
        fromYear = node.year;
        fromValue = node.deltaTSeconds;
    }
    return fromValue;
}

double bridge(double y) {
    const YearValue& last = std::end(kIersJanuary1)[-1];
    const YearValue& previous = std::end(kIersJanuary1)[-2];
    const double d0 = last.deltaTSeconds;
    const double s0 = last.deltaTSeconds - previous.deltaTSeconds;  // s per year
    const double h = kBridgeEnd - kBridgeStart;
    const double s = (y - kBridgeStart) / h;
    const double s2 = s * s;
    const double s3 = s2 * s;
    return (2 * s3 - 3 * s2 + 1) * d0 + (s3 - 2 * s2 + s) * h * s0 + (-2 * s3 + 3 * s2) * parabola(kBridgeEnd) +
           (s3 - s2) * h * parabolaSlope(kBridgeEnd);
}

static_assert(std::size(kSmhSpline) == 58);
static_assert(std::end(kIersJanuary1)[-1].year == kBridgeStart);

}  // namespace

double deltaTSeconds(double y) {
    if (y < kSmhSpline[0].fromYear) return parabola(y);
    if (y < kSplineEnd) return spline(kSmhSpline, y);
    if (y < kBridgeStart) return iersInterpolated(y);
    if (y < kBridgeEnd) return bridge(y);
    return parabola(y);
}

double DeltaTMinutes(std::int32_t year) { return deltaTSeconds(static_cast<double>(year) + 0.5) / kSecondsPerMinute; }

double deltaTSmh2016Seconds(double y) {
    if (!(y >= kSmh2016Spline[0].fromYear && y < std::end(kSmh2016Spline)[-1].toYear))
        return std::numeric_limits<double>::quiet_NaN();
    return spline(kSmh2016Spline, y);
}

double deltaTHmnaoExtrapolationSeconds(double y) {
    const double b = y - 2000.0;
    if (y < 2500.0) return 64.0 + b * (521.0 / 3000.0 + b * (1.0 / 1250.0 + b * 121.0 / 30'000'000.0));
    const double c = b / 100.0;
    return 42.5 + 32.5 * c * c;
}

double deltaTEspenakMeeusExtrapolationSeconds(double y) {
    if (y < 2050.0) {
        const double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - (y < 2150.0 ? 0.5628 * (2150.0 - y) : 0.0);
}

}  // namespace varnex
