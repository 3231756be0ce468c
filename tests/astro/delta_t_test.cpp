// Delta T against the test values of the model (../shared/data/deltat/README.md: exact
// evaluations of the SMH 2016/2020 spline, the IERS values and the long-term parabola).
#include "astro/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnex {
namespace {

struct DecimalYearCase {
    double year;
    double seconds;
};

class DeltaTAtDecimalYear : public ::testing::TestWithParam<DecimalYearCase> {};

TEST_P(DeltaTAtDecimalYear, MatchesTheModelsTestValue) {
    EXPECT_NEAR(deltaTSeconds(GetParam().year), GetParam().seconds, 0.0015);
}

INSTANTIATE_TEST_SUITE_P(Model, DeltaTAtDecimalYear,
                         ::testing::Values(DecimalYearCase{0.0, 10441.313}, DecimalYearCase{1.0, 10430.594},
                                           DecimalYearCase{500.0, 5586.601}, DecimalYearCase{1000.0, 1650.393},
                                           DecimalYearCase{1500.0, 292.343}, DecimalYearCase{1600.0, 109.127},
                                           DecimalYearCase{1700.0, 14.100}, DecimalYearCase{1800.0, 18.367},
                                           DecimalYearCase{1900.0, -1.977}, DecimalYearCase{2000.0, 63.809},
                                           DecimalYearCase{2019.0, 69.240}, DecimalYearCase{2020.0, 69.361},
                                           DecimalYearCase{2025.0, 69.138}, DecimalYearCase{2026.0, 69.110},
                                           DecimalYearCase{2050.0, 71.542}, DecimalYearCase{2100.0, 96.208},
                                           DecimalYearCase{2500.0, 1151.934}, DecimalYearCase{2800.0, 2769.531},
                                           DecimalYearCase{3000.0, 4167.031}));

struct WholeYearCase {
    std::int32_t year;
    double seconds;  // at year + 0.5
};

class DeltaTOfWholeYear : public ::testing::TestWithParam<WholeYearCase> {};

TEST_P(DeltaTOfWholeYear, IsTheMidYearValueInMinutes) {
    EXPECT_NEAR(DeltaTMinutes(GetParam().year) * 60, GetParam().seconds, 0.0015);
}

INSTANTIATE_TEST_SUITE_P(Model, DeltaTOfWholeYear,
                         ::testing::Values(WholeYearCase{0, 10435.952}, WholeYearCase{1, 10425.237},
                                           WholeYearCase{1000, 1647.884}, WholeYearCase{1582, 137.871},
                                           WholeYearCase{2000, 63.958}, WholeYearCase{2025, 69.124},
                                           WholeYearCase{2026, 69.097}, WholeYearCase{2100, 96.587},
                                           WholeYearCase{3000, 4170.851}));

TEST(DeltaT, IsContinuousAtEveryJoin) {
    // Spline knots, the IERS nodes, and the two ends of the bridge. The printed spline
    // coefficients step by at most 0.001 s at a knot.
    const double joins[] = {-100,   400,    1000,   1150,   1300,   1500,   1600,   1650,   1720,   1800,
                            1850,   1900,   1950,   1980,   2016,   2019,   2020,   2021,   2022,   2023,
                            2024,   2025,   2026,   2800};
    for (const double y : joins) {
        const double step = deltaTSeconds(y) - deltaTSeconds(std::nextafter(y, -1e9));
        EXPECT_LT(std::abs(step), 0.002) << "at " << y;
    }
}

}  // namespace
}  // namespace varnex
