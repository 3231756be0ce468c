// The text of one result: a result line of the output box, or a cell of the summary.
#pragma once

#include "calendar/calendar_date.h"
#include "calendar/calendar_reform.h"
#include "events.h"
#include "text/language.h"
#include "zones/zone.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

inline constexpr std::string_view kLineEnd = "\r\n";
// Between the lines of consecutive requests.
inline constexpr std::string_view kRequestSeparator = "--------------------\r\n";
// Characters before the date of a result line: name, blank, method tag, dots, blank. Longer
// names (German ones) widen it for all lines of a request alike (resultLabelWidth).
inline constexpr std::size_t kLabelWidth = 32;

struct InstantText {
    std::string dateTime;    // "2015-03-20 CE 22:45": local date, calendar suffix, local time
    std::string weekday;     // name of the local date's weekday
    CalendarDate date;       // the local date
    std::string time;        // "22:45"
    double dayFraction = 0;  // the local time of day, [0, 1) (civilTimeOf)
    // After the zone's suffix: " LMT" where the offset is a local mean time, " LAT" for apparent
    // solar time; empty for a zone's clock (zoneMarkText).
    std::string zoneMark{};
};

// What a time writes after its zone's suffix: " LMT" for a local mean time (the tz database's
// before a zone's standard time, or lmt:LONGITUDE), " LAT" for apparent solar time
// (solar:LONGITUDE); empty for a clock. The mean times that were a country's legal time keep
// their own abbreviations (DMT, PMT) and are not marked.
std::string zoneMarkText(const UtcOffset& offset);

// The local date and time of the instant jd (UT) in the zone offsetSeconds east of Greenwich
// (civilTimeOf), the date in the calendar in force on its day, the weekday's name in `language`
// (intEnglish, intGerman). Reuses `work` as the date record of the conversion.
InstantText FormatInstant(double jd, std::int32_t offsetSeconds, const CalendarReform& calendar, std::int16_t language,
                          CalendarDate& work);

// The tag of a method in the lines: "(true sun)", "(mean sun)", "(fixed date)"; empty for none.
std::string methodTagText(Method method, std::int16_t language);

// How the lines of a request are written: the language of their tags and of "(day uncertain)",
// and the width of the label before the date.
struct LineStyle {
    std::int16_t language = intEnglish;
    std::size_t labelWidth = kLabelWidth;
};

// The style of the lines named by `names` in `language`: the label kLabelWidth wide, or wider
// when the longest label would leave no blank before its date.
LineStyle lineStyleOf(const EventNameTable& names, std::int16_t language);

// "Imbolc (true sun) ............. ": the labelWidth characters before the date.
std::string eventLabel(std::string_view name, Method method, const LineStyle& style = {});

// A whole result line: label, date and time, zone suffix (offsetSuffix), the weekday when
// asked, CR LF.
std::string eventLineText(std::string_view name, Method method, const InstantText& instant,
                          std::int32_t offsetSeconds, bool includeWeekday, const LineStyle& style = {});

// The uncertainty of a line with seconds: "± 9 s" below two minutes, "± 4 min" (rounded
// up) from there.
std::string uncertaintyText(double seconds);

// A result line with the time to the second (cut, as the minute is), then the zone suffix,
// the uncertainty and " (day uncertain)" where the local date could go either way, then the
// weekday when asked, CR LF.
std::string eventLineTextWithSeconds(std::string_view name, Method method, const InstantText& instant,
                                     std::int32_t offsetSeconds, bool includeWeekday, double uncertaintySeconds,
                                     bool dayUncertain, const LineStyle& style = {});

// The line of a whole day, a traditional date (tagged "(fixed date)") or a meteorological
// season's first day (no tag): label, the date of `day` (its dateTime holds the date alone),
// its weekday when asked, CR LF.
std::string fixedDateLineText(std::string_view name, const InstantText& day, bool includeWeekday,
                              const LineStyle& style = {}, Method tag = Method::Fixed);

// Summary cell of a cross-quarter day: name, then the true-sun and mean-sun lines (true sun
// first for quarters 0 and 1, mean sun first for 2 and 3), joined by CR LF, their labels in
// `language`.
std::string crossQuarterCellText(std::string_view name, std::int16_t quarter, std::string_view trueSunText,
                                 std::string_view meanSunText, std::string_view suffix, std::int16_t language);

// Summary cell of an equinox or solstice: name, CR LF, date and time with the suffix.
std::string equinoxSolsticeCellText(std::string_view name, std::string_view dateTimeText, std::string_view suffix);

}  // namespace varnex
