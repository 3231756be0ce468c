// Evaluation of truncated VSOP87 series held as constant tables.
//
// A term is T^power (S sin phi + K cos phi), phi = sum of a_i lambda_i(T) over the 12 mean
// longitudes of the theory (Bretagnon & Francou 1988; vsop87.txt of the distribution), T in
// Julian millennia of TDB from J2000.0. The phasor of phi is a product of integer powers of
// the phasors of the mean longitudes, which are formed once per instant: a term then costs
// a few multiplications instead of a cosine.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace varnex {

inline constexpr int kVsopLongitudes = 12;
// Largest |a_i| of each mean longitude in the Earth series (Mercury ... Neptune, D, F, l, Lm);
// tools/vsop87_to_inc refuses a term beyond these.
inline constexpr std::array<int, kVsopLongitudes> kVsopMaxMultiplier = {5, 23, 25, 32, 8, 10, 3, 2, 5, 2, 3, 1};
inline constexpr int kVsopMaxFactors = 4;  // most non-zero a_i of one term

struct VsopTerm {
    double sinAmplitude;  // S: rad or au per millennium^power
    double cosAmplitude;  // K
    std::uint8_t factors;                                  // non-zero a_i, 0 to 4
    std::array<std::uint8_t, kVsopMaxFactors> longitude;   // i of each
    std::array<std::int8_t, kVsopMaxFactors> multiplier;  // a_i of each
};

// The terms of one coordinate, indexed by the power of T (0 to 5).
using VsopSeries = std::array<std::span<const VsopTerm>, 6>;

struct Phasor {
    double cos;
    double sin;
};

// cos and sin of k lambda_i(T) for every mean longitude i and |k| <= kVsopMaxMultiplier[i].
class VsopArguments {
public:
    explicit VsopArguments(double tMillennia);
    double tMillennia() const { return t_; }

    // cos and sin of phi of the term.
    Phasor phaseOf(const VsopTerm& term) const {
        Phasor phase{1.0, 0.0};
        for (std::uint8_t f = 0; f < term.factors; ++f)
            phase = multiply(phase, powers_[term.longitude[f]][static_cast<std::size_t>(term.multiplier[f] + kOffset)]);
        return phase;
    }

    // d phi / dT = sum of a_i n_i, rad per millennium.
    static double frequencyOf(const VsopTerm& term);

    static constexpr Phasor multiply(Phasor a, Phasor b) {
        return {a.cos * b.cos - a.sin * b.sin, a.sin * b.cos + a.cos * b.sin};
    }

private:
    static constexpr int kOffset = *std::max_element(kVsopMaxMultiplier.begin(), kVsopMaxMultiplier.end());
    double t_;
    // powers_[i][k + kOffset] = (cos, sin) of k lambda_i, k from -kOffset to kOffset.
    std::array<std::array<Phasor, 2 * kOffset + 1>, kVsopLongitudes> powers_;
};

struct SeriesValue {
    double value;              // rad or au
    double ratePerMillennium;  // derivative with respect to T
};

// Sum of the series at the instant of `arguments`.
double evaluateSeries(const VsopSeries& series, const VsopArguments& arguments);

// Sum and its derivative with respect to T.
SeriesValue evaluateSeriesWithRate(const VsopSeries& series, const VsopArguments& arguments);

}  // namespace varnex
