#include "astro/root_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnex {
namespace {

// f(x) = x^3 + x - 10 has its root at x = 2; the derivative handed back is off by 20 %.
NewtonPoint cubic(double x) { return {x * x * x + x - 10.0, 1.2 * (3 * x * x + 1)}; }

TEST(NewtonInBracket, ConvergesWithAnInexactDerivative) {
    const BracketedRoot root = newtonInBracket(cubic, 0.0, 5.0, 4.5, 1e-12, 100);
    EXPECT_EQ(root.status, BracketedRootStatus::Converged);
    EXPECT_NEAR(root.x, 2.0, 1e-11);
}

TEST(NewtonInBracket, BisectsWhenNewtonWouldLeaveTheBracket) {
    // A derivative of the wrong sign throws every Newton step out: bisection still finds it.
    const auto wrongSign = [](double x) { return NewtonPoint{x - 1.0, -1.0}; };
    const BracketedRoot root = newtonInBracket(wrongSign, 0.0, 3.0, 0.2, 1e-9, 100);
    EXPECT_EQ(root.status, BracketedRootStatus::Converged);
    EXPECT_NEAR(root.x, 1.0, 1e-9);
}

TEST(NewtonInBracket, RootOutsideTheBracketEndsAtTheNearerBound) {
    const auto above = [](double x) { return NewtonPoint{x - 10.0, 1.0}; };
    const BracketedRoot high = newtonInBracket(above, 0.0, 3.0, 1.0, 1e-9, 100);
    EXPECT_EQ(high.status, BracketedRootStatus::NotBracketed);
    EXPECT_EQ(high.x, 3.0);
    const auto below = [](double x) { return NewtonPoint{x + 10.0, 1.0}; };
    const BracketedRoot low = newtonInBracket(below, 0.0, 3.0, 1.0, 1e-9, 100);
    EXPECT_EQ(low.status, BracketedRootStatus::NotBracketed);
    EXPECT_EQ(low.x, 0.0);
}

TEST(NewtonInBracket, AJumpThroughZeroIsNotARoot) {
    const auto step = [](double x) { return NewtonPoint{x < 1.0 ? -1.0 : 1.0, 1.0}; };
    const BracketedRoot root = newtonInBracket(step, 0.0, 3.0, 0.2, 1e-9, 100);
    EXPECT_EQ(root.status, BracketedRootStatus::NotBracketed);
    EXPECT_NEAR(root.x, 1.0, 1e-9);
}

TEST(NewtonInBracket, NoNaNEscapes) {
    const auto broken = [](double) { return NewtonPoint{std::numeric_limits<double>::quiet_NaN(), 1.0}; };
    const BracketedRoot root = newtonInBracket(broken, 0.0, 3.0, 7.0, 1e-9, 100);
    EXPECT_EQ(root.status, BracketedRootStatus::NotBracketed);
    EXPECT_TRUE(root.x >= 0.0 && root.x <= 3.0);
}

TEST(NewtonInBracket, StopsAtTheCap) {
    int calls = 0;
    const auto slow = [&calls](double x) {
        ++calls;
        return NewtonPoint{x - 1.0, 1e-3};  // steps far too long: bisection every time
    };
    const BracketedRoot root = newtonInBracket(slow, 0.0, 3.0, 0.0, 1e-12, 5);
    EXPECT_EQ(root.status, BracketedRootStatus::IterationCap);
    EXPECT_EQ(calls, 5);
    EXPECT_TRUE(root.x >= 0.0 && root.x <= 3.0);
}

}  // namespace
}  // namespace varnex
