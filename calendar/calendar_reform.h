// The calendar in force: the Julian calendar until a reform, the Gregorian calendar from it.
//
// A reform is the day number of its first Gregorian day. Days before it are dated in the
// Julian calendar, days from it in the Gregorian calendar; the dates the reform skipped (the
// gap, 5 to 14 October 1582 in Rome) belong to no day. Years count from 1 January and
// astronomically (year 0 before year 1) on both sides, as in calendar_date.h.
#pragma once

#include "calendar_date.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace varnex {

struct CalendarReform {
    std::int32_t firstGregorianDay;  // Julian Day Number of the first day dated in the Gregorian calendar
    bool operator==(const CalendarReform&) const = default;
};

// The proleptic calendars as reforms: Gregorian on every day, Julian on every day before the
// last day number.
inline constexpr CalendarReform kProlepticGregorian{std::numeric_limits<std::int32_t>::min()};
inline constexpr CalendarReform kProlepticJulian{std::numeric_limits<std::int32_t>::max()};

// The proleptic calendar of a calendar code: Julian for kJulianCode, Gregorian for any other.
constexpr CalendarReform prolepticReformOf(std::int32_t calendarCode) {
    return calendarCode == kJulianCode ? kProlepticJulian : kProlepticGregorian;
}

// The words of the named reforms, in any case (see calendar_reform.cpp for their history),
// and the prefix of a reform by its first Gregorian day, "reform:YYYY-MM-DD".
inline constexpr std::array<std::string_view, 4> kReformWords = {"rome", "britain", "russia", "greece"};
inline constexpr std::string_view kReformDatePrefix = "reform:";

// The reform of a text: a word of kReformWords in any case, or "reform:YYYY-MM-DD" with the
// first Gregorian day as a Gregorian date in the years 1 to 3000, on or after 1 March 200
// (before it the Julian calendar runs ahead of the Gregorian, so a reform there would date two
// days alike). Otherwise empty, with `complaint` saying what is wrong ("'reform:1752-02-30'
// names no Gregorian date"); reformsAcceptedText says what is accepted.
std::optional<CalendarReform> parseReform(std::string_view text, std::string& complaint);

// The index in kReformWords of the named reform with the same first Gregorian day (reform:1752-09-14
// is britain), or empty.
std::optional<std::size_t> namedReformIndex(const CalendarReform& reform);

// "rome, britain, russia, greece, or reform:YYYY-MM-DD (the first Gregorian day, ...)".
std::string reformsAcceptedText();

// The date of a day in the calendar in force on it under the reform, with its calendar code
// (kJulianCode before the first Gregorian day, kGregorianCode from it).
CalendarDate dateInForce(std::int32_t dayNumber, const CalendarReform& reform);

// The day of a date read in the calendar in force on that day; empty for a date that names
// no day under the reform: one the reform skipped, a Julian-only leap day after it (29
// February 1700 in Rome), or no date of either calendar (30 February, month 13).
std::optional<std::int32_t> dayNumberInForce(std::int32_t year, std::int32_t month, std::int32_t day,
                                             const CalendarReform& reform);

// The year of a date as it was then written where the legal year began on 25 March: under
// Britain's reform (the Calendar Act of 1750 moved the start to 1 January from 1752), a Julian
// date from 1 January to 24 March of a year before 1752 belonged to the year before, and
// historians write both ("1699/1700" for 1 February 1700). Empty for any other date or reform.
std::optional<std::string> oldStyleYearText(const CalendarDate& date, const CalendarReform& reform);

// The date of the day in the calendar other than `inForceCode` (Gregorian for kJulianCode,
// Julian for any other code): the second date of a dual date.
CalendarDate otherCalendarDate(std::int32_t dayNumber, std::int32_t inForceCode);

}  // namespace varnex
