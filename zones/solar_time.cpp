#include "zones/solar_time.h"

#include "astro/sun_position.h"
#include "text/case_fold.h"

#include <array>
#include <charconv>
#include <limits>
#include <cmath>
#include <memory>
#include <string>

namespace varnex {
namespace {

// The equation of time at an instant, remembered for the last few instants of the thread: a
// line asks the zone's offset at its instant several times (its clock, its day, the days its
// uncertainty reaches), and each computation takes the Sun's full place.
double equationOfTimeAt(double jdUT) {
    struct Known {
        double jdUT = std::numeric_limits<double>::quiet_NaN(), seconds = 0;
    };
    thread_local std::array<Known, 4> known{};
    thread_local std::size_t next = 0;
    for (const Known& k : known)
        if (k.jdUT == jdUT) return k.seconds;
    known[next] = {jdUT, equationOfTimeSeconds(jdUT)};
    const double seconds = known[next].seconds;
    next = (next + 1) % known.size();
    return seconds;
}

// The whole second nearest to a number of seconds.
std::int32_t roundedSeconds(double seconds) { return static_cast<std::int32_t>(std::lround(seconds)); }

class SolarTimeRules final : public ZoneRules {
public:
    SolarTimeRules(std::string name, double longitudeDeg, bool apparent)
        : name_(std::move(name)), meanSeconds_(longitudeDeg * 240.0), apparent_(apparent) {}

    UtcOffset offsetAt(double jdUT) const override {
        if (!apparent_) return {roundedSeconds(meanSeconds_), "LMT"};
        return {roundedSeconds(meanSeconds_ + equationOfTimeAt(jdUT)), "LAT"};
    }
    const std::string& name() const override { return name_; }

private:
    std::string name_;
    double meanSeconds_;  // the longitude at 240 seconds a degree
    bool apparent_;
};

// A longitude in degrees, -180 to 180: a plain decimal number, nothing after it.
std::optional<double> longitudeOf(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double degrees = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), degrees);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(degrees) ||
        std::abs(degrees) > 180.0)
        return std::nullopt;
    return degrees;
}

}  // namespace

std::int32_t localMeanTimeSeconds(double longitudeDeg) { return roundedSeconds(longitudeDeg * 240.0); }

std::optional<Zone> parseSolarTimeZone(std::string_view text) {
    const std::string folded = foldCase(std::string(text));
    for (const std::string_view prefix : {"lmt:", "solar:"}) {
        if (!folded.starts_with(prefix)) continue;
        const auto longitude = longitudeOf(std::string_view(folded).substr(prefix.size()));
        if (!longitude) return std::nullopt;
        return Zone(std::make_shared<SolarTimeRules>(folded, *longitude, prefix == "solar:"));
    }
    return std::nullopt;
}

}  // namespace varnex
