#include "zones/solar_time.h"

#include "astro/sun_position.h"
#include "text/case_fold.h"

#include <charconv>
#include <cmath>
#include <memory>
#include <string>

namespace varnex {
namespace {

// The whole second nearest to a number of seconds.
std::int32_t roundedSeconds(double seconds) { return static_cast<std::int32_t>(std::lround(seconds)); }

class SolarTimeRules final : public ZoneRules {
public:
    SolarTimeRules(std::string name, double longitudeDeg, bool apparent)
        : name_(std::move(name)), meanSeconds_(longitudeDeg * 240.0), apparent_(apparent) {}

    UtcOffset offsetAt(double jdUT) const override {
        if (!apparent_) return {roundedSeconds(meanSeconds_), "LMT"};
        return {roundedSeconds(meanSeconds_ + equationOfTimeSeconds(jdUT)), "LAT"};
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
