#include "timezones.h"

#include <charconv>
#include <cstdlib>

namespace varnex {
namespace {

std::string twoDigits(int value) {
    std::string text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

std::array<TimezoneEntry, kTimezoneCount> buildEntries() {
    std::array<TimezoneEntry, kTimezoneCount> entries;
    for (int i = 0; i < kTimezoneCount; ++i) {
        const auto offset = static_cast<std::int16_t>((i - kGmtTimezoneIndex) * 30);
        entries[static_cast<std::size_t>(i)] = {TimezoneText(offset), offset};
    }
    return entries;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if ((text[i] | 0x20) != (prefix[i] | 0x20)) return false;
    return true;
}

template <typename T>
bool parseWhole(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

const std::array<TimezoneEntry, kTimezoneCount>& TimezoneEntries() {
    static const auto entries = buildEntries();
    return entries;
}

std::string TimezoneText(std::int16_t offsetMinutes) {
    if (offsetMinutes == 0) return "GMT";
    const int magnitude = std::abs(static_cast<int>(offsetMinutes));
    return std::string("GMT") + (offsetMinutes < 0 ? "-" : "+") + twoDigits(magnitude / 60) + ":" +
           twoDigits(magnitude % 60);
}

std::string TimezoneSuffix(std::int16_t offsetMinutes) {
    return offsetMinutes == 0 ? std::string(" GMT") : " " + TimezoneText(offsetMinutes);
}

std::int16_t TimezoneOffsetOfIndex(int index) {
    if (index < 0 || index >= kTimezoneCount) return 0;
    return TimezoneEntries()[static_cast<std::size_t>(index)].offsetMinutes;
}

std::optional<std::int16_t> ParseTimezone(std::string_view text) {
    if (text.empty()) return std::nullopt;
    if (startsWithNoCase(text, "GMT") || startsWithNoCase(text, "UTC")) {
        text.remove_prefix(3);
        if (text.empty()) return std::int16_t{0};
    }
    int sign = 1;
    if (text.front() == '+' || text.front() == '-') {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    constexpr int kMaxHours = 12;
    int minutes = 0;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        int hours = 0;
        int extra = 0;
        const std::string_view minuteText = text.substr(colon + 1);
        if (colon == 0 || minuteText.size() != 2 || !parseWhole(text.substr(0, colon), hours) ||
            !parseWhole(minuteText, extra) || hours < 0 || hours > kMaxHours || extra < 0 || extra > 59)
            return std::nullopt;
        minutes = hours * 60 + extra;
    } else if (const auto point = text.find('.'); point != std::string_view::npos) {
        int hours = 0;
        if (point == 0 || text.substr(point) != ".5" || !parseWhole(text.substr(0, point), hours) || hours < 0 ||
            hours > kMaxHours)
            return std::nullopt;
        minutes = hours * 60 + 30;
    } else {
        int hours = 0;
        if (!parseWhole(text, hours) || hours < 0 || hours > kMaxHours) return std::nullopt;
        minutes = hours * 60;
    }
    minutes *= sign;
    if (minutes % 30 != 0 || minutes < -720 || minutes > 720) return std::nullopt;
    return static_cast<std::int16_t>(minutes);
}

}  // namespace varnex
