#include "calendar_reform.h"

#include "text/case_fold.h"
#include "text/number_text.h"

#include <tuple>

namespace varnex {
namespace {

struct NamedReform {
    std::string_view word;
    std::int32_t firstGregorianDay;  // Julian Day Number
};

// The first Gregorian day of each named reform; the day before it is the last Julian day.
constexpr std::array<NamedReform, kReformWords.size()> kNamedReforms = {{
    // The papal bull Inter gravissimas (Gregory XIII, 1582): Thursday 4 October 1582 was
    // followed by Friday 15 October 1582 in the Papal States, Spain, Portugal and
    // Poland-Lithuania, and soon in most Catholic countries.
    {kReformWords[0], 2299161},
    // The Calendar (New Style) Act 1750, for Great Britain and its colonies: Wednesday
    // 2 September 1752 was followed by Thursday 14 September 1752. (The Act also moved the
    // start of the legal year from 25 March to 1 January; the dates here start every year on
    // 1 January.)
    {kReformWords[1], 2361222},
    // The decree of the Council of People's Commissars of January 1918, for Soviet Russia:
    // Wednesday 31 January 1918 was followed by Thursday 14 February 1918.
    {kReformWords[2], 2421639},
    // The Greek state's change of 1923: Wednesday 15 February 1923 was followed by Thursday
    // 1 March 1923.
    {kReformWords[3], 2423480},
}};

constexpr std::int32_t kFirstYear = 1;
constexpr std::int32_t kLastYear = 3000;

CalendarDate dateOf(std::int32_t dayNumber, std::int32_t calendar) {
    CalendarDate date{0, 0, 0, calendar, dayNumber};
    DayNumberToDate(date);
    return date;
}

constexpr auto ymd(const CalendarDate& date) { return std::tie(date.year, date.month, date.day); }

// The day of a date in one calendar, when the date is one of that calendar.
std::optional<std::int32_t> dayNumberOf(std::int32_t year, std::int32_t month, std::int32_t day,
                                        std::int32_t calendar) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;  // and no overflow below
    const std::int64_t n = dayNumberFromDate(year, month, day, calendar);
    if (n < std::numeric_limits<std::int32_t>::min() || n > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    const CalendarDate back = dateOf(static_cast<std::int32_t>(n), calendar);
    if (back.year != year || back.month != month || back.day != day) return std::nullopt;  // 30 February
    return static_cast<std::int32_t>(n);
}

// "YYYY-MM-DD" as year, month and day, when the text has that shape.
std::optional<std::array<std::int32_t, 3>> isoDateFields(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = parseDigits<std::int32_t>(text.substr(0, 4));
    const auto month = parseDigits<std::int32_t>(text.substr(5, 2));
    const auto day = parseDigits<std::int32_t>(text.substr(8, 2));
    if (!year || !month || !day) return std::nullopt;
    return std::array{*year, *month, *day};
}

}  // namespace

std::string reformsAcceptedText() {
    std::string text;
    for (const std::string_view word : kReformWords) text += std::string(word) + ", ";
    return text + "or reform:YYYY-MM-DD (the first Gregorian day, 0200-03-01 to 3000-12-31)";
}

std::optional<CalendarReform> parseReform(std::string_view text, std::string& complaint) {
    for (const NamedReform& named : kNamedReforms)
        if (equalIgnoringCase(text, named.word)) return CalendarReform{named.firstGregorianDay};

    const std::string quoted = "'" + std::string(text) + "'";
    if (!equalIgnoringCase(text.substr(0, kReformDatePrefix.size()), kReformDatePrefix)) {
        complaint = "unknown calendar reform " + quoted;
        return std::nullopt;
    }
    const auto fields = isoDateFields(text.substr(kReformDatePrefix.size()));
    if (!fields) {
        complaint = quoted + " has no date YYYY-MM-DD";
        return std::nullopt;
    }
    const auto [year, month, day] = *fields;
    const auto first = dayNumberOf(year, month, day, kGregorianCode);
    if (!first) {
        complaint = quoted + " names no Gregorian date";
        return std::nullopt;
    }
    if (year < kFirstYear || year > kLastYear) {
        complaint = quoted + " lies outside the years 1 to 3000";
        return std::nullopt;
    }
    // The last Julian date must come before the first Gregorian date. So it does from 1 March
    // 200 on, where the Julian calendar is level with the Gregorian (until 300) or behind it
    // (10 days in 1582, 13 in 1923); before that it runs ahead, and a reform would date two
    // days alike.
    if (!(ymd(dateOf(*first - 1, kJulianCode)) < ymd(dateOf(*first, kGregorianCode)))) {
        complaint = quoted + " comes before 0200-03-01, while the Julian calendar is ahead of the Gregorian, so the "
                             "reform would date two days alike";
        return std::nullopt;
    }
    return CalendarReform{*first};
}

constexpr std::int32_t kLastYearFromLadyDay = 1751;

std::optional<std::size_t> namedReformIndex(const CalendarReform& reform) {
    for (std::size_t i = 0; i < kNamedReforms.size(); ++i)
        if (kNamedReforms[i].firstGregorianDay == reform.firstGregorianDay) return i;
    return std::nullopt;
}

std::optional<std::string> oldStyleYearText(const CalendarDate& date, const CalendarReform& reform) {
    const bool britain = namedReformIndex(reform) == std::size_t{1};
    // 1751 was the last year begun on 25 March: it ended on 31 December, and 1752 began on 1 January.
    // (The year 1 has no year before it to be written with.)
    if (!britain || date.calendar != kJulianCode || date.year > kLastYearFromLadyDay || date.year < 2 || date.month > 3 ||
        (date.month == 3 && date.day >= 25))
        return std::nullopt;
    return std::to_string(date.year - 1) + "/" + std::to_string(date.year);
}

CalendarDate dateInForce(std::int32_t dayNumber, const CalendarReform& reform) {
    return dateOf(dayNumber, dayNumber < reform.firstGregorianDay ? kJulianCode : kGregorianCode);
}

std::optional<std::int32_t> dayNumberInForce(std::int32_t year, std::int32_t month, std::int32_t day,
                                             const CalendarReform& reform) {
    // Behind or level with the Gregorian calendar at the reform, the Julian calendar dates a
    // day no earlier than the Gregorian date of the same name: at most one of the two is in force.
    const auto gregorian = dayNumberOf(year, month, day, kGregorianCode);
    if (gregorian && *gregorian >= reform.firstGregorianDay) return gregorian;
    const auto julian = dayNumberOf(year, month, day, kJulianCode);
    if (julian && *julian < reform.firstGregorianDay) return julian;
    return std::nullopt;
}

CalendarDate otherCalendarDate(std::int32_t dayNumber, std::int32_t inForceCode) {
    return dateOf(dayNumber, inForceCode == kJulianCode ? kGregorianCode : kJulianCode);
}

}  // namespace varnex
