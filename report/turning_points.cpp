#include "turning_points.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace varnex {
namespace {

// 123.450: three decimals, as the id and the names write a longitude.
std::string degreesText(double longitudeDeg) {
    char text[16];
    std::snprintf(text, sizeof text, "%.3f", longitudeDeg);
    return text;
}

}  // namespace

const SolarTerm& solarTermAt(double longitudeDeg) {
    const auto index = static_cast<std::size_t>(std::lround(longitudeDeg / 15.0)) % kSolarTerms.size();
    return kSolarTerms[index];
}

std::string turningPointKey(const TurningPoint& point) {
    switch (point.kind) {
    case TurningKind::Perihelion: return "perihelion";
    case TurningKind::Aphelion: return "aphelion";
    case TurningKind::SolarTerm: {
        char text[12];
        std::snprintf(text, sizeof text, "term-%03d", solarTermAt(point.longitudeDeg).longitudeDeg);
        return text;
    }
    case TurningKind::Longitude: break;
    }
    return "longitude-" + degreesText(point.longitudeDeg);
}

std::string turningPointName(const TurningPoint& point) {
    if (point.kind != TurningKind::SolarTerm) return turningPointLineName(point);
    const SolarTerm& term = solarTermAt(point.longitudeDeg);
    return std::string(term.english) + " (" + std::string(term.pinyin) + ", " + std::string(term.characters) + ")";
}

std::string turningPointLineName(const TurningPoint& point) {
    switch (point.kind) {
    case TurningKind::Perihelion: return "Perihelion";
    case TurningKind::Aphelion: return "Aphelion";
    case TurningKind::SolarTerm: {
        const SolarTerm& term = solarTermAt(point.longitudeDeg);
        return std::string(term.pinyinAscii) + " (" + std::string(term.english) + ")";
    }
    case TurningKind::Longitude: break;
    }
    return "Solar longitude " + degreesText(point.longitudeDeg) + "\u00B0";
}

std::optional<double> parseLongitude(std::string_view text) {
    double value = 0;
    const char* const last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    if (value < 0.0) return std::nullopt;
    // Kept to a thousandth of a degree, so that the id names the longitude that was searched
    // (359.9996 would be 360.000, which is 0 and is refused as 360 is).
    value = std::round(value * 1000.0) / 1000.0;
    if (value >= 360.0) return std::nullopt;
    return value + 0.0;  // -0 is 0
}

}  // namespace varnex
