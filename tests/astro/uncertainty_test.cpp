// The uncertainty of an instant: Delta T's against the published figures, and the method's
// bounds against every row of the references they were measured on.
#include "astro/delta_t.h"
#include "astro/solar_events.h"
#include "astro/uncertainty.h"
#include "support/reference_data.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnex {
namespace {

TEST(Uncertainty, DeltaTFollowsThePublishedFigures) {
    // Morrison & Stephenson's standard errors as tabulated with the Espenak & Meeus polynomials
    // (-500 to 1200), the figures quoted for 1300-1900, and the spread of the extrapolations
    // after 2026 (1 min at 2100, 5-10 min at 2500, 10-20 min at 3000): seconds, low and high.
    const struct { double year, low, high; } cases[] = {
        {-500, 425, 437}, {0, 262, 268}, {500, 136, 142}, {1000, 52, 56}, {1200, 29, 33}, {1400, 19, 21},
        {1700, 4.9, 5.1}, {1800, 0.9, 1.1}, {1900, 0.09, 0.11}, {2000, 0.0, 0.2}, {2100, 45, 80},
        {2500, 300, 600}, {3000, 600, 1200}};
    for (const auto& c : cases) {
        EXPECT_GE(deltaTUncertaintySeconds(c.year), c.low) << c.year;
        EXPECT_LE(deltaTUncertaintySeconds(c.year), c.high) << c.year;
    }
    // Continuous (steps below 0.1 s a tenth of a year apart), falling to 1900, then rising.
    for (double y = -1000.0; y < 4000.0; y += 0.1) {
        const double now = deltaTUncertaintySeconds(y);
        const double next = deltaTUncertaintySeconds(y + 0.1);
        EXPECT_LT(std::abs(next - now), 0.1) << y;
        EXPECT_TRUE(y < 1900 ? next <= now : next >= now) << y;
    }
}

TEST(Uncertainty, CombinesBothInWholeSeconds) {
    const struct { InstantSource source; std::int32_t year; double low, high; } cases[] = {
        {InstantSource::TrueSun, 2000, 5, 9}, {InstantSource::Meeus, 2000, 90, 95},
        {InstantSource::TrueSun, 1, 265, 270}, {InstantSource::Meeus, 1, 330, 340},
        {InstantSource::TrueSun, 3000, 870, 890}, {InstantSource::Apsis, 2026, 125, 130}};
    for (const auto& c : cases) {
        const double s = uncertaintySeconds(c.source, c.year);
        EXPECT_EQ(s, std::ceil(s));
        EXPECT_GE(s, c.low) << c.year;
        EXPECT_LE(s, c.high) << c.year;
    }
}

TEST(Uncertainty, MethodBoundsHoldForEveryReferenceRow) {
    // The DE431-based sample in TT (the apsides: tests/astro/apsides_test.cpp).
    for (const test::Crossing& c : test::referenceCrossings()) {
        const double tt = DeltaTMinutes(c.year) / 1440;
        const double trueSun = std::abs(TrueSolarLongitudeJD(c.year, c.longitudeDeg) + tt - c.jdTT) * 86400;
        EXPECT_LE(trueSun, methodErrorSeconds(InstantSource::TrueSun, c.year)) << c.year << " " << c.longitudeDeg;
        if (c.longitudeDeg % 90 != 0) continue;
        const double meeus = std::abs(EquinoxSolsticeJDE(static_cast<EventKind>(c.longitudeDeg / 90), c.year) - c.jdTT);
        EXPECT_LE(meeus * 86400, methodErrorSeconds(InstantSource::Meeus, c.year)) << c.year << " " << c.longitudeDeg;
    }
}

}  // namespace
}  // namespace varnex
