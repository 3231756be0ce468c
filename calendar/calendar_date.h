// Day numbers and calendar dates in the Gregorian and Julian calendars.
//
// The Julian Day Number (JDN) is the pivot: day 2451545 is Saturday 1 January 2000 in the
// Gregorian calendar and 19 December 1999 in the Julian calendar. Both calendars are
// proleptic, with a year 0 and negative years (astronomical numbering), over the whole
// range of a 32-bit day number.
#pragma once

#include <cstdint>

namespace varnex {

// Calendar codes: the character code of the calendar letter.
inline constexpr std::int32_t kGregorianCode = 'G';  // 71, date suffix " CE"
inline constexpr std::int32_t kJulianCode = 'J';     // 74, date suffix " JC"

// The work record of a date conversion: five 32-bit integers, 20 bytes, no padding.
// The caller sets calendar and dayNumber; DayNumberToDate fills year, month and day.
struct CalendarDate {
    std::int32_t year;
    std::int32_t month;      // 1 to 12
    std::int32_t day;        // 1 to 31
    std::int32_t calendar;   // kGregorianCode or kJulianCode
    std::int32_t dayNumber;  // Julian Day Number of the date
};
static_assert(sizeof(CalendarDate) == 20, "CalendarDate is five 32-bit integers without padding");

// Local civil Julian value of the instant jd (UT) in a zone zoneMinutes east of Greenwich:
// (jd + 0.5) + zoneMinutes / 1440. Its floor is the local day number, its fraction the
// local time of day since midnight.
double LocalCivilJD(double jd, std::int16_t zoneMinutes);

// The local day and time of day of the instant jd (UT) at offsetSeconds east of Greenwich, as
// LocalCivilJD's floor and fraction, but with the fraction exact: jd's own fraction of a day
// plus the offset, where LocalCivilJD adds the offset at the size of a day number and rounds
// it to about 20 microseconds. So an instant cuts to the same second in UT and in every zone.
struct CivilTime {
    std::int32_t dayNumber;  // of the local date
    double dayFraction;      // [0, 1): the time since local midnight
};
CivilTime civilTimeOf(double jd, std::int32_t offsetSeconds);

// Its inverse: the Julian Day (UT) of `secondOfDay` seconds after the local midnight that begins
// day `dayNumber`, offsetSeconds east of Greenwich.
double julianDayOfLocalTime(std::int32_t dayNumber, double secondOfDay, std::int32_t offsetSeconds);

// The Julian Day (UT) of a time in seconds since 1970-01-01 00:00 UTC (JD 2440587.5).
double julianDayOfUnixTime(std::int64_t seconds);

// Fills year, month and day from dayNumber in the calendar of the record (the Julian
// calendar for kJulianCode, the Gregorian calendar for any other code). Leaves calendar
// and dayNumber as they are.
void DayNumberToDate(CalendarDate& date);

// The Julian Day Number of a date (month 1 to 12, day 1 to 31) in the given calendar.
std::int64_t dayNumberFromDate(std::int64_t year, int month, int day, std::int32_t calendar);

// Weekday of a day number, 0 Sunday to 6 Saturday: (dayNumber + 1) mod 7, the same in
// both calendars.
std::int16_t DayOfWeek(std::int32_t dayNumber);

}  // namespace varnex
