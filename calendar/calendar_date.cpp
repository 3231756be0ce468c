#include "calendar_date.h"

#include <cmath>

namespace varnex {
namespace {

// Floor division for a positive divisor.
constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return (a >= 0 ? a : a - (b - 1)) / b; }

// Both calendars count from a year that starts on 1 March, so that the leap day is the
// last day of its year; month index mp runs 0 (March) to 11 (February).
constexpr std::int64_t kGregorianEpoch = 1721120;  // JDN of Gregorian 0000-03-01
constexpr std::int64_t kJulianEpoch = 1721118;     // JDN of Julian 0000-03-01
constexpr std::int64_t kDaysPer400Years = 146097;
constexpr std::int64_t kDaysPer4Years = 1461;

struct Ymd {
    std::int64_t year;
    int month;
    int day;
};

// Day of the March-based year [0, 365] -> month and day.
constexpr Ymd fromDayOfYear(std::int64_t marchYear, std::int64_t doy) {
    const std::int64_t mp = (5 * doy + 2) / 153;                      // [0, 11]
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);  // [1, 31]
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);   // [1, 12]
    return {marchYear + (month <= 2), month, day};
}

constexpr std::int64_t dayOfMarchYear(int month, int day) {
    return (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
}

constexpr Ymd gregorianFromDayNumber(std::int64_t jdn) {
    const std::int64_t z = jdn - kGregorianEpoch;
    const std::int64_t era = floorDiv(z, kDaysPer400Years);
    const std::int64_t doe = z - era * kDaysPer400Years;                         // [0, 146096]
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);             // [0, 365]
    return fromDayOfYear(yoe + era * 400, doy);
}

constexpr Ymd julianFromDayNumber(std::int64_t jdn) {
    const std::int64_t z = jdn - kJulianEpoch;
    const std::int64_t era = floorDiv(z, kDaysPer4Years);
    const std::int64_t doe = z - era * kDaysPer4Years;  // [0, 1460]
    const std::int64_t yoe = (doe - doe / 1460) / 365;   // [0, 3]
    const std::int64_t doy = doe - 365 * yoe;            // [0, 365]
    return fromDayOfYear(yoe + era * 4, doy);
}

constexpr std::int64_t gregorianDayNumber(std::int64_t year, int month, int day) {
    const std::int64_t y = year - (month <= 2);
    const std::int64_t era = floorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;                                        // [0, 399]
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + dayOfMarchYear(month, day);  // [0, 146096]
    return era * kDaysPer400Years + doe + kGregorianEpoch;
}

constexpr std::int64_t julianDayNumber(std::int64_t year, int month, int day) {
    const std::int64_t y = year - (month <= 2);
    const std::int64_t era = floorDiv(y, 4);
    const std::int64_t yoe = y - era * 4;                       // [0, 3]
    const std::int64_t doe = yoe * 365 + dayOfMarchYear(month, day);  // [0, 1460]
    return era * kDaysPer4Years + doe + kJulianEpoch;
}

static_assert(gregorianDayNumber(2000, 1, 1) == 2451545);
static_assert(julianDayNumber(1999, 12, 19) == 2451545);
static_assert(gregorianDayNumber(1582, 10, 15) == 2299161);
static_assert(julianDayNumber(1582, 10, 5) == 2299161);
static_assert(gregorianDayNumber(1, 1, 1) == 1721426);
static_assert(julianDayNumber(-4712, 1, 1) == 0);
static_assert(gregorianFromDayNumber(2451545).year == 2000 && gregorianFromDayNumber(2451545).day == 1);
static_assert(julianFromDayNumber(0).year == -4712 && julianFromDayNumber(0).month == 1);

}  // namespace

double LocalCivilJD(double jd, std::int16_t zoneMinutes) { return (jd + 0.5) + zoneMinutes / 1440.0; }

double julianDayOfLocalTime(std::int32_t dayNumber, double secondOfDay, std::int32_t offsetSeconds) {
    return static_cast<double>(dayNumber) - 0.5 + (secondOfDay - offsetSeconds) / 86400.0;
}

double julianDayOfUnixTime(std::int64_t seconds) { return 2440587.5 + static_cast<double>(seconds) / 86400.0; }

CivilTime civilTimeOf(double jd, std::int32_t offsetSeconds) {
    // jd + 0.5 and its fraction are exact: 0.5 is a multiple of the unit of jd's last place.
    const double midnightBased = jd + 0.5;
    const double day = std::floor(midnightBased);
    const double fraction = (midnightBased - day) + offsetSeconds / 86400.0;
    const double carry = std::floor(fraction);
    const double rest = fraction - carry;  // 1 only when a fraction just below 0 rounds up
    return rest < 1.0 ? CivilTime{static_cast<std::int32_t>(day + carry), rest}
                      : CivilTime{static_cast<std::int32_t>(day + carry + 1), 0.0};
}

void DayNumberToDate(CalendarDate& date) {
    const Ymd ymd = date.calendar == kJulianCode ? julianFromDayNumber(date.dayNumber)
                                                 : gregorianFromDayNumber(date.dayNumber);
    // A 32-bit day number lies within +-5.9 million years: the year fits.
    date.year = static_cast<std::int32_t>(ymd.year);
    date.month = ymd.month;
    date.day = ymd.day;
}

std::int64_t dayNumberFromDate(std::int64_t year, int month, int day, std::int32_t calendar) {
    return calendar == kJulianCode ? julianDayNumber(year, month, day) : gregorianDayNumber(year, month, day);
}

std::int16_t DayOfWeek(std::int32_t dayNumber) {
    const std::int64_t n = static_cast<std::int64_t>(dayNumber) + 1;
    return static_cast<std::int16_t>(n - floorDiv(n, 7) * 7);
}

}  // namespace varnex
