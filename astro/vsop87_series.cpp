#include "vsop87_series.h"

#include <cmath>

namespace varnex {
namespace {

// Mean longitudes lambda_i = lambda_i0 + n_i T (rad, T in Julian millennia), vsop87.txt.
struct MeanLongitude {
    double atJ2000;     // rad
    double motion;      // rad per millennium
};
constexpr std::array<MeanLongitude, kVsopLongitudes> kMeanLongitudes = {{
    {4.40260884240, 26087.9031415742},  // Mercury
    {3.17614669689, 10213.2855462110},  // Venus
    {1.75347045953, 6283.0758499914},   // Earth
    {6.20347611291, 3340.6124266998},   // Mars
    {0.59954649739, 529.6909650946},    // Jupiter
    {0.87401675650, 213.2990954380},    // Saturn
    {5.48129387159, 74.7815985673},     // Uranus
    {5.31188628676, 38.1330356378},     // Neptune
    {5.19846674103, 77713.7714681205},  // Moon D
    {1.62790523337, 84334.6615813083},  // Moon F
    {2.35555589827, 83286.9142695536},  // Moon l
    {3.81034454697, 83997.0911355954},  // Moon Lm
}};

}  // namespace

VsopArguments::VsopArguments(double tMillennia) : t_(tMillennia) {
    for (std::size_t i = 0; i < kMeanLongitudes.size(); ++i) {
        const double lambda = kMeanLongitudes[i].atJ2000 + kMeanLongitudes[i].motion * tMillennia;
        const Phasor base{std::cos(lambda), std::sin(lambda)};
        auto* zero = powers_[i].data() + kOffset;
        zero[0] = {1.0, 0.0};
        // Repeated products lose about one unit of the last place each: below 1e-14 here.
        Phasor power = zero[0];
        for (int k = 1; k <= kVsopMaxMultiplier[i]; ++k) {
            power = multiply(power, base);
            zero[k] = power;
            zero[-k] = {power.cos, -power.sin};
        }
    }
}

double VsopArguments::frequencyOf(const VsopTerm& term) {
    double frequency = 0.0;
    for (std::uint8_t f = 0; f < term.factors; ++f) frequency += term.multiplier[f] * kMeanLongitudes[term.longitude[f]].motion;
    return frequency;
}

double evaluateSeries(const VsopSeries& series, const VsopArguments& arguments) {
    const double t = arguments.tMillennia();
    double value = 0.0;
    for (auto power = series.rbegin(); power != series.rend(); ++power) {  // Horner in T
        double sum = 0.0;
        for (const VsopTerm& term : *power) {
            const Phasor phase = arguments.phaseOf(term);
            sum += term.sinAmplitude * phase.sin + term.cosAmplitude * phase.cos;
        }
        value = value * t + sum;
    }
    return value;
}

SeriesValue evaluateSeriesWithRate(const VsopSeries& series, const VsopArguments& arguments) {
    // value = sum_a T^a S_a(T), rate = sum_a (a T^(a-1) S_a + T^a S_a'), by Horner.
    const double t = arguments.tMillennia();
    double value = 0.0;
    double rate = 0.0;
    for (auto power = series.rbegin(); power != series.rend(); ++power) {
        double sum = 0.0;
        double sumRate = 0.0;
        for (const VsopTerm& term : *power) {
            const Phasor phase = arguments.phaseOf(term);
            sum += term.sinAmplitude * phase.sin + term.cosAmplitude * phase.cos;
            sumRate += VsopArguments::frequencyOf(term) *
                       (term.sinAmplitude * phase.cos - term.cosAmplitude * phase.sin);
        }
        rate = rate * t + value + sumRate;
        value = value * t + sum;
    }
    return {value, rate};
}

}  // namespace varnex
