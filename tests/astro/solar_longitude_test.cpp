// The Sun's apparent longitude and its crossings against independent references.
#include "astro/solar_longitude.h"
#include "astro/vsop87b_earth.h"
#include "support/reference_data.h"
#include "vsop87_file.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

namespace varnex {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kArcsecPerRad = 180.0 * 3600.0 / std::numbers::pi;
constexpr double kSecondsPerDay = 86400.0;

double tOf(double jd) { return (jd - kJ2000) / 365250.0; }

double wrappedArcsec(double a, double b) { return std::remainder(a - b, 2 * std::numbers::pi) * kArcsecPerRad; }

const vsop87::Body& fullSeries() {
    static const vsop87::Body body = vsop87::ReadBody(std::string(VARNEX_SOURCE_DIR) + "/data/vsop87/VSOP87B.ear");
    return body;
}

// The authors' check values for the Earth in VSOP87B (vsop87.chk, TDB): l, b in rad, r in au.
struct CheckValue {
    double jd, l, b, r;
};
constexpr CheckValue kChecks[] = {
    {2451545.0, 1.7519238637, -0.0000039656, 0.9833276823}, {2415020.0, 1.7634989198, 0.0002186910, 0.9832689762},
    {2378495.0, 1.7750058558, 0.0004381095, 0.9832274335}, {2341970.0, 1.7865387214, 0.0006583865, 0.9831498445},
    {2305445.0, 1.7980474965, 0.0008715329, 0.9831254370}, {2268920.0, 1.8095367659, 0.0010876906, 0.9830816762},
    {2232395.0, 1.8211080285, 0.0013092603, 0.9830754398}, {2195870.0, 1.8326137391, 0.0015219401, 0.9830942391},
    {2159345.0, 1.8442244563, 0.0017331615, 0.9830440401}, {2122820.0, 1.8557201152, 0.0019445314, 0.9830331809},
};

TEST(Vsop87, FullSeriesReproduceTheAuthorsCheckValues) {
    for (const CheckValue& c : kChecks) {
        const double l = std::fmod(vsop87::Evaluate(fullSeries().l, tOf(c.jd)), 2 * std::numbers::pi);
        EXPECT_NEAR(l < 0 ? l + 2 * std::numbers::pi : l, c.l, 1e-10) << c.jd;
        EXPECT_NEAR(vsop87::Evaluate(fullSeries().b, tOf(c.jd)), c.b, 1e-10) << c.jd;
        EXPECT_NEAR(vsop87::Evaluate(fullSeries().r, tOf(c.jd)), c.r, 1e-10) << c.jd;
    }
}

TEST(Vsop87, TruncatedTablesCostLessThanOneHundredthArcsecond) {
    // The generated tables (S, K and the mean longitudes) against every term of the file
    // (A, B, C), over the years 0 to 3001. An error in L is one in the longitude; an error in
    // B moves the longitude of date by less than 0.005 of it; one in R changes the aberration
    // by 20.5" times the error in au.
    double maxL = 0, maxB = 0, maxR = 0;
    for (double jd = 1721057.5; jd < 2817517.0; jd += 97.3) {
        const VsopArguments arguments(tOf(jd));
        maxL = std::max(maxL, std::abs(evaluateSeries(kEarthL, arguments) - vsop87::Evaluate(fullSeries().l, tOf(jd))));
        maxB = std::max(maxB, std::abs(evaluateSeries(kEarthB, arguments) - vsop87::Evaluate(fullSeries().b, tOf(jd))));
        maxR = std::max(maxR, std::abs(evaluateSeries(kEarthR, arguments) - vsop87::Evaluate(fullSeries().r, tOf(jd))));
    }
    const double longitudeArcsec = maxL * kArcsecPerRad + 0.005 * maxB * kArcsecPerRad + 20.5 * maxR;
    std::printf("truncation: L %.4f\", B %.4f\", R %.2e au: at most %.4f\" in longitude\n", maxL * kArcsecPerRad,
                maxB * kArcsecPerRad, maxR, longitudeArcsec);
    EXPECT_LT(longitudeArcsec, 0.01);
}

TEST(Vsop87, RateIsTheDerivativeOfTheSeries) {
    const double t = tOf(2460000.5);
    const double h = 1e-6;  // millennia: 0.37 day
    const SeriesValue s = evaluateSeriesWithRate(kEarthL, VsopArguments(t));
    const double numeric =
        (evaluateSeries(kEarthL, VsopArguments(t + h)) - evaluateSeries(kEarthL, VsopArguments(t - h))) / (2 * h);
    EXPECT_NEAR(s.ratePerMillennium, numeric, 1e-6 * std::abs(numeric));
    EXPECT_EQ(s.value, evaluateSeries(kEarthL, VsopArguments(t)));
}

// The apparent longitude by ERFA alone: Earth from eraEpv00, light time, aberration with
// eraAb, bias-precession-nutation eraPnm06a, true obliquity. Valid 1900-2100.
double erfaApparentLongitude(double jdTT) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(kJ2000, jdTT - kJ2000, pvh, pvb);
    const double* earth = pvb[0];
    double towardsSun[3];
    double distance = 0;
    for (int pass = 0; pass < 2; ++pass) {  // the Sun as it was when the light left it
        double lightPvh[2][3], lightPvb[2][3];
        eraEpv00(kJ2000, jdTT - kJ2000 - distance / 173.1446326846693, lightPvh, lightPvb);
        for (int i = 0; i < 3; ++i) towardsSun[i] = (lightPvb[0][i] - lightPvh[0][i]) - earth[i];
        distance = std::sqrt(towardsSun[0] * towardsSun[0] + towardsSun[1] * towardsSun[1] +
                             towardsSun[2] * towardsSun[2]);
    }
    double natural[3], velocity[3], apparent[3];
    for (int i = 0; i < 3; ++i) {
        natural[i] = towardsSun[i] / distance;
        velocity[i] = pvb[1][i] / 173.1446326846693;  // in units of c
    }
    const double v2 = velocity[0] * velocity[0] + velocity[1] * velocity[1] + velocity[2] * velocity[2];
    eraAb(natural, velocity, distance, std::sqrt(1 - v2), apparent);
    double npb[3][3];
    eraPnm06a(kJ2000, jdTT - kJ2000, npb);
    double ofDate[3];
    eraRxp(npb, apparent, ofDate);
    double dpsi, deps;
    eraNut06a(kJ2000, jdTT - kJ2000, &dpsi, &deps);
    const double eps = eraObl06(kJ2000, jdTT - kJ2000) + deps;
    return std::atan2(ofDate[1] * std::cos(eps) + ofDate[2] * std::sin(eps), ofDate[0]);
}

TEST(ApparentSolarLongitude, AgreesWithErfaFrom1900To2100) {
    double maxArcsec = 0;
    for (double jd = 2415020.5; jd < 2488069.5; jd += 17.3)
        maxArcsec = std::max(maxArcsec, std::abs(wrappedArcsec(apparentSolarLongitude(jd).longitude,
                                                               erfaApparentLongitude(jd))));
    std::printf("apparent longitude against ERFA, 1900-2100: %.4f\"\n", maxArcsec);
    EXPECT_LT(maxArcsec, 0.06);
}

TEST(ApparentSolarLongitude, MeeusExample25b) {
    // 1992 October 13.0 TD: 199.9059857 degrees with the full VSOP87D (Meeus's chain, IAU 1980
    // nutation, FK5 correction), the abridged series of the book giving 199 deg 54' 21.818".
    const double longitudeDeg = apparentSolarLongitude(2448908.5).longitude * 180 / std::numbers::pi;
    EXPECT_NEAR(longitudeDeg, 199.9059857, 0.05 / 3600);
}

TEST(ApparentSolarLongitude, RateIsCloseToTheTrueRate) {
    for (double jd = 1721057.5; jd < 2817517.0; jd += 1000.3) {
        const double h = 0.01;
        const double numeric = std::remainder(apparentSolarLongitude(jd + h).longitude -
                                                  apparentSolarLongitude(jd - h).longitude,
                                              2 * std::numbers::pi) /
                               (2 * h);
        EXPECT_NEAR(apparentSolarLongitude(jd).ratePerDay, numeric, 1e-4 * numeric) << jd;
    }
}

TEST(SolarLongitudeCrossing, MatchesTheReferenceForEveryLongitude) {
    // All 552 reference instants (0, 45, ... 315 degrees), bracket 10 days around each.
    std::vector<double> all, modern;
    int maxEvaluations = 0;
    for (const test::Crossing& c : test::referenceCrossings()) {
        const LongitudeCrossing found =
            solarLongitudeCrossing(c.longitudeDeg * std::numbers::pi / 180, c.jdTT - 10, c.jdTT + 10);
        ASSERT_EQ(found.status, BracketedRootStatus::Converged) << c.year << " " << c.event;
        const double error = std::abs(found.jdTT - c.jdTT) * kSecondsPerDay;
        all.push_back(error);
        if (c.year >= 1600 && c.year <= 2200) modern.push_back(error);
        maxEvaluations = std::max(maxEvaluations, found.evaluations);
    }
    const test::Spread a = test::spreadOf(all);
    const test::Spread m = test::spreadOf(modern);
    std::printf("crossings (TT) against the reference: max %.2f s, 1600-2200 max %.2f s median %.2f s; "
                "at most %d full evaluations\n",
                a.max, m.max, m.median, maxEvaluations);
    EXPECT_LT(a.max, 9.0);
    EXPECT_LT(m.max, 4.0);
    EXPECT_LT(m.median, 1.0);
    EXPECT_LE(maxEvaluations, 3);
}

}  // namespace
}  // namespace varnex
