// Newton's method kept inside a shrinking bracket, for increasing functions.
#pragma once

#include <algorithm>
#include <cmath>

namespace varnex {

struct NewtonPoint {
    double value;
    double derivative;
};

enum class BracketedRootStatus { Converged, NotBracketed, IterationCap };

struct BracketedRoot {
    BracketedRootStatus status;
    double x;          // always inside [lo, hi]
    int evaluations;
};

// Root of f in [lo, hi] (finite bounds), where f increases through zero once. f(x) returns
// the value and the derivative. Starts at `start`, clamped into the bracket (a NaN start at
// the middle); each evaluation moves the bound on its side of the root to x, and a Newton
// step that leaves the bracket or a non-positive derivative is replaced by bisection. Stops
// when a step is shorter than `tolerance`, when the bracket is shorter than it, or after
// `cap` evaluations. A root outside the bracket ends at the nearer bound, NotBracketed; a
// jump of f through zero (no root) ends at the jump, NotBracketed; a value or derivative
// that is not finite ends where it was met, NotBracketed. x is never NaN.
template <typename F>
BracketedRoot newtonInBracket(F&& f, double lo, double hi, double start, double tolerance, int cap) {
    bool belowSeen = false;  // some x had f(x) < 0: the root lies above it
    bool aboveSeen = false;  // some x had f(x) >= 0: the root lies at or below it
    double x = std::isnan(start) ? lo + (hi - lo) / 2.0 : std::clamp(start, lo, hi);
    for (int evaluations = 1; evaluations <= cap; ++evaluations) {
        const NewtonPoint p = f(x);
        if (!std::isfinite(p.value) || !std::isfinite(p.derivative))
            return {BracketedRootStatus::NotBracketed, x, evaluations};
        if (p.value < 0.0) {
            lo = x;
            belowSeen = true;
        } else {
            hi = x;
            aboveSeen = true;
        }
        double next = x - p.value / p.derivative;
        // A step below the resolution of x leaves next == x: that is convergence too.
        const bool newtonStep = p.derivative > 0.0 && next >= lo && next <= hi;
        if (newtonStep && std::abs(next - x) < tolerance) return {BracketedRootStatus::Converged, next, evaluations};
        if (!newtonStep || next == lo || next == hi) next = lo + (hi - lo) / 2.0;
        if (hi - lo < tolerance) {
            // One sign only: the root lies beyond the bound that never moved.
            if (!(belowSeen && aboveSeen)) return {BracketedRootStatus::NotBracketed, belowSeen ? hi : lo, evaluations};
            // Both signs around a point where f is far from zero: a jump, not a root.
            const bool root = std::abs(p.value) <= 10.0 * std::abs(p.derivative) * tolerance;
            return {root ? BracketedRootStatus::Converged : BracketedRootStatus::NotBracketed, next, evaluations};
        }
        x = next;
    }
    return {BracketedRootStatus::IterationCap, x, cap};
}

}  // namespace varnex
