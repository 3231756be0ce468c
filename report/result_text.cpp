#include "result_text.h"

#include "astro/uncertainty.h"
#include "calendar/date_text.h"
#include "text/program_text.h"
#include "text/translation.h"
#include "text/utf8.h"
#include "zones/fixed_offsets.h"

#include <algorithm>
#include <cmath>

namespace varnex {
namespace {

// The tag and the blank after it, nothing for no method.
std::string methodTag(Method method, std::int16_t language) {
    const std::string tag = methodTagText(method, language);
    return tag.empty() ? tag : tag + " ";
}

}  // namespace

std::string methodTagText(Method method, std::int16_t language) {
    switch (method) {
    case Method::MeanSun: return translate("Report", "(mean sun)").in(language);
    case Method::TrueSun: return translate("Report", "(true sun)").in(language);
    case Method::Fixed: return translate("Report", "(fixed date)").in(language);
    case Method::None: break;
    }
    return {};
}

InstantText FormatInstant(double jd, std::int32_t offsetSeconds, const CalendarReform& calendar, std::int16_t language,
                          CalendarDate& work) {
    const CivilTime local = civilTimeOf(jd, offsetSeconds);
    work = dateInForce(local.dayNumber, calendar);
    std::string time = TimeOfDayText(local.dayFraction, false);
    return {DateText(work, DateOrderYMD, "-", ",", true) + " " + time,
            WeekdayName(DayOfWeek(local.dayNumber), false, language), work, time, local.dayFraction};
}

std::string eventLabel(std::string_view name, Method method, const LineStyle& style) {
    std::string label(name);
    label += ' ';
    label += methodTag(method, style.language);
    const std::size_t length = utf8Length(label);
    if (length < style.labelWidth - 1) label.append(style.labelWidth - 1 - length, '.');
    label += ' ';
    return label;
}

LineStyle lineStyleOf(const EventNameTable& names, std::int16_t language) {
    std::size_t longest = 0;
    for (const auto& name : names[kNameFullEquinoxSolstice]) longest = std::max(longest, utf8Length(name) + 1);
    for (const auto& name : names[kNameCrossQuarterNorth])
        for (const Method method : {Method::TrueSun, Method::MeanSun})
            longest = std::max(longest, utf8Length(name) + 1 + utf8Length(methodTag(method, language)));
    return {language, std::max(kLabelWidth, longest + 1)};
}

std::string zoneMarkText(const UtcOffset& offset) {
    return offset.abbreviation == "LMT" || offset.abbreviation == "LAT" ? " " + offset.abbreviation : std::string();
}

std::string eventLineText(std::string_view name, Method method, const InstantText& instant,
                          std::int32_t offsetSeconds, bool includeWeekday, const LineStyle& style) {
    std::string line = eventLabel(name, method, style);
    line += instant.dateTime;
    line += offsetSuffix(offsetSeconds);
    line += instant.zoneMark;
    if (includeWeekday) {
        line += ", ";
        line += instant.weekday;
    }
    line += kLineEnd;
    return line;
}

std::string uncertaintyText(double seconds) {
    const double shown = shownUncertaintySeconds(seconds);
    if (shown < 120) return "\u00B1 " + std::to_string(static_cast<long>(shown)) + " s";
    return "\u00B1 " + std::to_string(static_cast<long>(shown / 60)) + " min";
}

std::string eventLineTextWithSeconds(std::string_view name, Method method, const InstantText& instant,
                                     std::int32_t offsetSeconds, bool includeWeekday, double uncertaintySeconds,
                                     bool dayUncertain, const LineStyle& style) {
    std::string line = eventLabel(name, method, style);
    line += DateText(instant.date, DateOrderYMD, "-", ",", true);
    line += ' ';
    line += TimeOfDayText(instant.dayFraction, true);
    line += offsetSuffix(offsetSeconds);
    line += instant.zoneMark;
    line += ' ';
    line += uncertaintyText(uncertaintySeconds);
    if (dayUncertain) line += " " + translate("Report", "(day uncertain)").in(style.language);
    if (includeWeekday) {
        line += ", ";
        line += instant.weekday;
    }
    line += kLineEnd;
    return line;
}

std::string fixedDateLineText(std::string_view name, const InstantText& day, bool includeWeekday,
                              const LineStyle& style, Method tag) {
    std::string line = eventLabel(name, tag, style);
    line += day.dateTime;
    if (includeWeekday) {
        line += ", ";
        line += day.weekday;
    }
    line += kLineEnd;
    return line;
}

std::string crossQuarterCellText(std::string_view name, std::int16_t quarter, std::string_view trueSunText,
                                 std::string_view meanSunText, std::string_view suffix, std::int16_t language) {
    const std::string trueLine = translate("Report", "True sun: ").in(language) + std::string(trueSunText) + std::string(suffix);
    const std::string meanLine = translate("Report", "Mean sun: ").in(language) + std::string(meanSunText) + std::string(suffix);
    const bool trueFirst = quarter == 0 || quarter == 1;
    std::string cell(name);
    cell += kLineEnd;
    cell += trueFirst ? trueLine : meanLine;
    cell += kLineEnd;
    cell += trueFirst ? meanLine : trueLine;
    return cell;
}

std::string equinoxSolsticeCellText(std::string_view name, std::string_view dateTimeText, std::string_view suffix) {
    std::string cell(name);
    cell += kLineEnd;
    cell += dateTimeText;
    cell += suffix;
    return cell;
}

}  // namespace varnex
