#include "zones/fixed_offsets.h"

#include "text/case_fold.h"
#include "text/number_text.h"

#include <cstdlib>

namespace varnex {
namespace {

std::array<TimezoneEntry, kTimezoneCount> buildEntries() {
    std::array<TimezoneEntry, kTimezoneCount> entries;
    for (int i = 0; i < kTimezoneCount; ++i) {
        const auto offset = static_cast<std::int16_t>((i - kGmtTimezoneIndex) * 30);
        entries[static_cast<std::size_t>(i)] = {timezoneText(offset), offset};
    }
    return entries;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

const std::array<TimezoneEntry, kTimezoneCount>& timezoneEntries() {
    static const auto entries = buildEntries();
    return entries;
}

std::string timezoneText(std::int16_t offsetMinutes) {
    if (offsetMinutes == 0) return "GMT";
    const int magnitude = std::abs(static_cast<int>(offsetMinutes));
    return std::string("GMT") + (offsetMinutes < 0 ? "-" : "+") + twoDigits(magnitude / 60) + ":" +
           twoDigits(magnitude % 60);
}

std::string TimezoneSuffix(std::int16_t offsetMinutes) {
    return offsetMinutes == 0 ? std::string(" GMT") : " " + timezoneText(offsetMinutes);
}

std::string isoOffsetText(std::int32_t offsetSeconds) {
    const std::int32_t magnitude = std::abs(offsetSeconds);
    std::string text = std::string(offsetSeconds < 0 ? "-" : "+") + twoDigits(magnitude / 3600) + ":" +
                       twoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) text += ":" + twoDigits(magnitude % 60);
    return text;
}

std::string offsetSuffix(std::int32_t offsetSeconds) {
    if (offsetSeconds % 60 == 0) return TimezoneSuffix(static_cast<std::int16_t>(offsetSeconds / 60));
    return " GMT" + isoOffsetText(offsetSeconds);
}

std::int16_t timezoneOffsetOfIndex(int index) {
    if (index < 0 || index >= kTimezoneCount) return 0;
    return timezoneEntries()[static_cast<std::size_t>(index)].offsetMinutes;
}

std::optional<std::int16_t> parseTimezone(std::string_view text) {
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
    constexpr int kMaxHours = 14;
    const auto hoursOf = [](std::string_view digits) {
        const auto hours = parseDigits<int>(digits);
        return hours && *hours <= kMaxHours ? hours : std::nullopt;
    };
    int minutes = 0;
    if (const auto colon = text.find(':'); colon != std::string_view::npos) {
        const auto hours = hoursOf(text.substr(0, colon));
        const std::string_view minuteText = text.substr(colon + 1);
        const auto extra = parseDigits<int>(minuteText);
        if (!hours || minuteText.size() != 2 || !extra || *extra > 59) return std::nullopt;
        minutes = *hours * 60 + *extra;
    } else if (const auto point = text.find('.'); point != std::string_view::npos) {
        const auto hours = hoursOf(text.substr(0, point));
        const std::string_view fraction = text.substr(point);
        const int quarters = fraction == ".0" ? 0 : fraction == ".25" ? 1 : fraction == ".5" ? 2 : fraction == ".75" ? 3 : -1;
        if (!hours || quarters < 0) return std::nullopt;
        minutes = *hours * 60 + quarters * 15;
    } else {
        const auto hours = hoursOf(text);
        if (!hours) return std::nullopt;
        minutes = *hours * 60;
    }
    minutes *= sign;
    if (minutes % 15 != 0 || minutes < -720 || minutes > 840) return std::nullopt;
    return static_cast<std::int16_t>(minutes);
}

}  // namespace varnex
