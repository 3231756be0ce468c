// Fixed offsets from GMT: the window's list, GMT-12:00 to GMT+12:00 in half-hour steps, and the
// quarter hours the command line also takes, with their names and their parser.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

struct TimezoneEntry {
    std::string text;            // "GMT", "GMT-00:30", "GMT+05:30", ...
    std::int16_t offsetMinutes;  // east of Greenwich: local time = UT + offset
};

inline constexpr int kTimezoneCount = 49;
inline constexpr int kGmtTimezoneIndex = 24;

// Item i has the offset (i - 24) * 30 minutes.
const std::array<TimezoneEntry, kTimezoneCount>& timezoneEntries();

// The list text of an offset: "GMT" for 0, otherwise "GMT", the sign, two-digit hours, and
// ":30" or ":00".
std::string timezoneText(std::int16_t offsetMinutes);

// The text written after the time of a result: " GMT" for offset 0, otherwise a blank and
// the list text of the zone.
std::string TimezoneSuffix(std::int16_t offsetMinutes);

// The suffix of an offset in seconds: TimezoneSuffix of its minutes where it has no seconds,
// otherwise " GMT" and the offset with its seconds, " GMT+12:13:48" (a zone's local mean time
// before its standard time).
std::string offsetSuffix(std::int32_t offsetSeconds);

// The offset as ISO 8601 writes it: "+05:30", "-03:00", "+00:00", with its seconds where it
// has them, "+12:13:48".
std::string isoOffsetText(std::int32_t offsetSeconds);

// Offset of the selected list item; no selection (-1, or any index outside the list)
// counts as GMT.
std::int16_t timezoneOffsetOfIndex(int index);

// A zone written as the list shows it ("GMT+05:30", "GMT"), or as an offset in hours:
// "+05:30", "-1", "0", "5.5". Accepted are the list's offsets and the other whole quarter
// hours that real zones use, from -12:00 to +14:00 (+05:45, +12:45, +13:00, +14:00).
std::optional<std::int16_t> parseTimezone(std::string_view text);

}  // namespace varnex
