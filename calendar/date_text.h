// Text of dates, times of day and weekdays, as the result lines show them.
#pragma once

#include "calendar_date.h"
#include "text/language.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

// Date order codes; any code other than 1 and 2 gives month-day-year.
inline constexpr std::int16_t DateOrderMDY = 0;
inline constexpr std::int16_t DateOrderDMY = 1;
inline constexpr std::int16_t DateOrderYMD = 2;


// Name of a weekday 0 (Sunday) to 6 (Saturday) in German for language 1 and English for
// any other language; the empty string outside 0 to 6. With pad, blanks are appended up to
// the length of "Wednesday" (9 characters); a longer name ("Donnerstag") stays whole.
std::string WeekdayName(std::int16_t weekday, bool pad, std::int16_t language);

// Text of a filled date record: two-digit month and day, the year in plain decimal
// (grouped in thousands beyond +-9999), joined by separator in the given order; a negative
// year is put in parentheses when it is not first. With withSuffix, " JC" for the Julian
// code or " CE" otherwise.
std::string DateText(const CalendarDate& date, std::int16_t order, std::string_view separator,
                     std::string_view thousandsSeparator, bool withSuffix);

// The second of the day [0, 86399] that the times of day show for a fraction of a day in
// [0, 1): cut, never rounded, after a nudge of 1e-8 day that absorbs the representation error
// of the fraction; -1 outside that range or for NaN.
std::int32_t secondOfDay(double dayFraction);

// hh:mm (and :ss with withSeconds) of a second of the day [0, 86399].
std::string clockText(std::int32_t secondOfDay, bool withSeconds);

// hh:mm (and :ss with withSeconds) of a fraction of a day in [0, 1) (secondOfDay); "XX:XX:XX" outside
// that range or for NaN. The time is cut, never rounded, after a nudge of 1e-8 day that
// absorbs the representation error of the fraction.
std::string TimeOfDayText(double dayFraction, bool withSeconds);

// hh:mm of the local time of a local civil Julian value (LocalCivilJD).
std::string TimeOfDay(double localCivilJD);

// The digits of an integer text grouped in threes from the right with the first
// character of separator between the groups ("12345" -> "12,345"); a leading sign stays in
// front. The text is returned unchanged when separator is empty, when it is not a signed
// digit string, or when the grouped text would not fit in 19 bytes.
std::string SeparateThousands(std::string_view numberText, std::string_view separator);

}  // namespace varnex
