// The Sun's apparent longitude against independent references, and the searches that find its
// crossings against a plain bracketed one (checked against the reference in solar_events_test).
#include "astro/constants.h"
#include "astro/delta_t.h"
#include "astro/solar_events.h"
#include "astro/solar_longitude.h"
#include "astro/sun_crossings.h"
#include "astro/vsop87b_earth.h"
#include "support/bracketed_crossing.h"
#include "support/reference_data.h"
#include "vsop87_file.h"

#include <erfa.h>
#include <erfam.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>

namespace varnex {
namespace {

constexpr double kArcsecPerRad = 180.0 * 3600.0 / std::numbers::pi;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The larger error, NaN once either is NaN (std::max would drop it), so that the check of
// the maximum fails on a NaN met on the way.
double largerError(double a, double b) { return std::isnan(b) || b > a ? b : a; }

TEST(NewtonInBracket, EachWayASearchCanEndStaysInsideTheBracket) {
    using S = BracketedRootStatus;
    int calls = 0;
    struct Case { const char* what; std::function<NewtonPoint(double)> f; double start; int cap; S status; double x; };
    const Case cases[] = {  // x: where the search ends; NaN for anywhere in [0, 3]
        // x^3 + x - 10 has its root at 2; the derivative handed back is off by 20 %.
        {"inexact derivative", [](double x) { return NewtonPoint{x * x * x + x - 10, 1.2 * (3 * x * x + 1)}; }, 2.9,
         100, S::Converged, 2},
        {"wrong-sign derivative: bisection", [](double x) { return NewtonPoint{x - 1, -1}; }, 0.2, 100, S::Converged, 1},
        {"root above: upper bound", [](double x) { return NewtonPoint{x - 10, 1}; }, 1, 100, S::NotBracketed, 3},
        {"root below: lower bound", [](double x) { return NewtonPoint{x + 10, 1}; }, 1, 100, S::NotBracketed, 0},
        {"jump through zero", [](double x) { return NewtonPoint{x < 1 ? -1.0 : 1.0, 1}; }, 0.2, 100, S::NotBracketed, 1},
        {"NaN", [](double) { return NewtonPoint{kNaN, 1}; }, 7, 100, S::NotBracketed, kNaN},
        {"NaN start: from the middle", [](double x) { return NewtonPoint{x - 1, 1}; }, kNaN, 100, S::Converged, 1},
        // Steps far too long: bisection every time, stopped by the cap.
        {"cap", [&calls](double x) { return ++calls, NewtonPoint{x - 1, 1e-3}; }, 0, 5, S::IterationCap, kNaN}};
    for (const Case& c : cases) {
        const BracketedRoot root = newtonInBracket(c.f, 0.0, 3.0, c.start, 1e-12, c.cap);
        EXPECT_EQ(root.status, c.status) << c.what;
        const bool atTheRoot = std::isnan(c.x) ? root.x >= 0.0 && root.x <= 3.0 : std::abs(root.x - c.x) < 1e-11;
        EXPECT_TRUE(atTheRoot) << c.what << " ended at " << root.x;
    }
    EXPECT_EQ(calls, 5);
}

double tOf(double jd) { return (jd - ERFA_DJ00) / 365250.0; }

const vsop87::Body& fullSeries() {
    static const vsop87::Body body = vsop87::readBody(std::string(VARNEX_SOURCE_DIR) + "/data/vsop87/VSOP87B.ear");
    return body;
}

TEST(Vsop87, TruncatedTablesCostLessThanOneHundredthArcsecond) {
    // The generated tables (S, K and the mean longitudes) against every term of the file
    // (A, B, C), over the years 0 to 3001. An error in L is one in the longitude; an error in
    // B moves the longitude of date by less than 0.005 of it; one in R changes the aberration
    // by 20.5" times the error in au.
    double maxL = 0, maxB = 0, maxR = 0;
    for (double jd = 1721057.5; jd < 2817517.0; jd += 97.3) {
        const double t = tOf(jd);
        const VsopArguments arguments(t);
        maxL = largerError(maxL, std::abs(evaluateSeries(kEarthL, arguments) - vsop87::evaluate(fullSeries().l, t)));
        maxB = largerError(maxB, std::abs(evaluateSeries(kEarthB, arguments) - vsop87::evaluate(fullSeries().b, t)));
        maxR = largerError(maxR, std::abs(evaluateSeries(kEarthR, arguments) - vsop87::evaluate(fullSeries().r, t)));
    }
    const double longitudeArcsec = maxL * kArcsecPerRad + 0.005 * maxB * kArcsecPerRad + 20.5 * maxR;
    std::printf("truncation: L %.4f\", B %.4f\", R %.2e au: at most %.4f\" in longitude\n", maxL * kArcsecPerRad,
                maxB * kArcsecPerRad, maxR, longitudeArcsec);
    EXPECT_LT(longitudeArcsec, 0.01);
}

// The apparent longitude by ERFA alone: Earth from eraEpv00, light time, aberration with
// eraAb, bias-precession-nutation eraPnm06a, true obliquity. Valid 1900-2100.
double erfaApparentLongitude(double jdTT) {
    constexpr double kAuPerDay = ERFA_DAYSEC / ERFA_AULT;  // the speed of light
    const double d = jdTT - ERFA_DJ00;
    double earthH[2][3], earthB[2][3], sunH[2][3], sunB[2][3], sun[3], towardsSun[3], natural[3], velocity[3];
    double apparent[3], npb[3][3], ofDate[3], distance = 0, dpsi, deps;
    eraEpv00(ERFA_DJ00, d, earthH, earthB);
    for (int pass = 0; pass < 2; ++pass) {  // the Sun as it was when the light left it
        eraEpv00(ERFA_DJ00, d - distance / kAuPerDay, sunH, sunB);
        eraPmp(sunB[0], sunH[0], sun);  // barycentric Sun
        eraPmp(sun, earthB[0], towardsSun);
        eraPn(towardsSun, &distance, natural);
    }
    eraSxp(1 / kAuPerDay, earthB[1], velocity);  // in units of c
    eraAb(natural, velocity, distance, std::sqrt(1 - eraPdp(velocity, velocity)), apparent);
    eraPnm06a(ERFA_DJ00, d, npb);
    eraRxp(npb, apparent, ofDate);
    eraNut06a(ERFA_DJ00, d, &dpsi, &deps);
    const double eps = eraObl06(ERFA_DJ00, d) + deps;
    return std::atan2(ofDate[1] * std::cos(eps) + ofDate[2] * std::sin(eps), ofDate[0]);
}

TEST(ApparentSolarLongitude, AgreesWithErfaFrom1900To2100) {
    double maxArcsec = 0;
    for (double jd = 2415020.5; jd < 2488069.5; jd += 17.3) {
        const double difference = apparentSolarLongitude(jd).longitude - erfaApparentLongitude(jd);
        maxArcsec = largerError(maxArcsec, std::abs(std::remainder(difference, 2 * std::numbers::pi)) * kArcsecPerRad);
    }
    std::printf("apparent longitude against ERFA, 1900-2100: %.4f\"\n", maxArcsec);
    EXPECT_LT(maxArcsec, 0.06);
}

TEST(TrueSolarLongitude, AgreesWithErfaFrom1900To2100) {
    // Solar terms away from the cross-quarter days, in TT: ERFA's longitude at the instant
    // found, its distance from the target in seconds of the Sun's motion.
    double maxSeconds = 0;
    for (std::int32_t year = 1900; year <= 2100; year += 5) {
        for (const double deg : {15.0, 105.0, 195.0, 285.0, 0.25, 269.75}) {
            const double jdTT = TrueSolarLongitudeJD(year, deg) + DeltaTMinutes(year) / 1440;
            const double past = std::remainder(erfaApparentLongitude(jdTT) - deg * std::numbers::pi / 180,
                                               2 * std::numbers::pi);
            maxSeconds = largerError(maxSeconds, std::abs(past / apparentSolarLongitude(jdTT).ratePerDay) * 86400);
        }
    }
    std::printf("solar longitudes against ERFA, 1900-2100: max %.2f s\n", maxSeconds);
    EXPECT_LT(maxSeconds, 4.0);  // the band of the cross-quarter days in 1600-2200
}

TEST(ApparentSolarLongitude, MeeusExample25b) {
    // 1992 October 13.0 TD: 199.9059857 degrees with the full VSOP87D (Meeus's chain, IAU 1980
    // nutation, FK5 correction), the abridged series of the book giving 199 deg 54' 21.818".
    EXPECT_NEAR(apparentSolarLongitude(2448908.5).longitude * 180 / std::numbers::pi, 199.9059857, 0.05 / 3600);
}

TEST(ApparentSolarLongitude, RateAgreesWithTheDerivativeOfTheLongitude) {
    // Against a central difference (h = 0.001 day; its own error is below 1e-10), 1-3000.
    double maxRelative = 0;
    for (double jd = 1721057.5; jd < 2817517.0; jd += 97.3) {
        const double h = 1e-3;
        const double difference = std::remainder(
            apparentSolarLongitude(jd + h).longitude - apparentSolarLongitude(jd - h).longitude, 2 * std::numbers::pi);
        const SolarLongitude s = apparentSolarLongitudeWithRate(jd);
        EXPECT_EQ(s.longitude, apparentSolarLongitude(jd).longitude);
        maxRelative = largerError(maxRelative, std::abs(s.ratePerDay * 2 * h / difference - 1));
    }
    std::printf("rate against the central difference: %.2e relative\n", maxRelative);
    EXPECT_LT(maxRelative, 3e-6);
}

TEST(SolarLongitudeCrossing, EveryTrueSunInstantOf1To3000AsTheBracketedSearchFindsIt) {
    // The brackets of the true-sun cross-quarter days and of the equinoxes and solstices of
    // every year, computed and from the table; the searches stop within 1e-7 day of the root.
    double maxDays = 0;
    int evaluations = 0;
    for (std::int32_t year = 1; year <= 3000; ++year) {
        for (EventKind kind = 0; kind < 4; ++kind) {
            const double meeus = EquinoxSolsticeJDE(kind, year);
            const double before = kind == 0 ? EquinoxSolsticeJDE(3, year - 1) : EquinoxSolsticeJDE(kind - 1, year);
            const double searches[2][3] = {{std::fmod(315.0 + 90.0 * kind, 360.0), before, meeus},
                                           {90.0 * kind, meeus - 2, meeus + 2}};
            for (const auto& [targetDeg, first, second] : searches) {
                const double target = targetDeg * std::numbers::pi / 180;
                const LongitudeCrossing computed = computedSunCrossing(target, first, second);
                const LongitudeCrossing reference = test::bracketedSolarLongitudeCrossing(target, first, second);
                const LongitudeCrossing found = sunCrossing(targetDeg, second, first);  // either way round
                ASSERT_EQ(computed.status, BracketedRootStatus::Converged) << year << " " << targetDeg;
                ASSERT_EQ(reference.status, BracketedRootStatus::Converged) << year << " " << targetDeg;
                ASSERT_TRUE(tabulatedSunCrossing(targetDeg, first, second)) << year << " " << targetDeg;
                ASSERT_EQ(found.evaluations, 0) << year << " " << targetDeg;  // from the table
                maxDays = largerError(maxDays, std::abs(computed.jdTT - reference.jdTT));
                maxDays = largerError(maxDays, std::abs(found.jdTT - reference.jdTT));
                evaluations += computed.evaluations;
            }
        }
    }
    std::printf("computed and tabulated crossings against the bracketed search: %.2e day at most, %.3f evaluations "
                "per instant\n", maxDays, evaluations / 24000.0);
    EXPECT_LT(maxDays, 1e-7);
}

TEST(SunCrossingTable, EverySolarTermOf0To3001AsTheBracketedSearchFindsIt) {
    // The terms between the events above, in a bracket of 20 days around the table's estimate.
    double maxDays = 0;
    for (std::int32_t year = kSunCrossingFirstYear; year <= kSunCrossingLastYear; ++year) {
        for (int step = 0; step < kSunCrossingsPerYear; ++step) {
            if (step % 3 == 0) continue;
            const double estimate = approximateSunCrossingTT(year, step);
            const LongitudeCrossing reference = test::bracketedSolarLongitudeCrossing(
                radiansFromDegrees(15.0 * step), estimate - 10, estimate + 10);
            const std::optional<double> tabulated = tabulatedSunCrossing(15.0 * step, estimate - 10, estimate + 10);
            ASSERT_EQ(reference.status, BracketedRootStatus::Converged) << year << " " << step;
            ASSERT_TRUE(tabulated) << year << " " << step;
            maxDays = largerError(maxDays, std::abs(*tabulated - reference.jdTT));
        }
    }
    std::printf("solar terms of the table against the bracketed search: %.2e day at most\n", maxDays);
    EXPECT_LT(maxDays, 1e-7);
}

TEST(SunCrossingTable, NothingForOtherLongitudesYearsOrBrackets) {
    const double march2000 = approximateSunCrossingTT(2000, 0);
    const struct { double deg, first, second; } cases[] = {
        {12.345, march2000 - 10, march2000 + 10},  // not a multiple of 15 degrees
        {360.0, march2000 - 10, march2000 + 10},   // outside [0, 360)
        {-15.0, march2000 - 10, march2000 + 10},
        {kNaN, march2000 - 10, march2000 + 10},
        {0.0, march2000 + 10, march2000 + 20},     // the crossing is not in the bracket
        {0.0, approximateSunCrossingTT(-1, 0) - 10, approximateSunCrossingTT(-1, 0) + 10},      // before the table
        {0.0, approximateSunCrossingTT(3002, 0) - 10, approximateSunCrossingTT(3002, 0) + 10},  // after it
    };
    for (const auto& c : cases) EXPECT_FALSE(tabulatedSunCrossing(c.deg, c.first, c.second)) << c.deg << " " << c.first;
    EXPECT_TRUE(tabulatedSunCrossing(0.0, march2000 - 10, march2000 + 10));
}

}  // namespace
}  // namespace varnex
