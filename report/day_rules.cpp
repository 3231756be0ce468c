#include "report/day_rules.h"

#include "astro/constants.h"
#include "astro/sun_position.h"
#include "astro/uncertainty.h"
#include "calendar/date_text.h"
#include "text/translation.h"

#include <charconv>
#include <cmath>

namespace varnex {
namespace {

const UtcOffset& iranStandardTime() {
    static const UtcOffset irst{kIranStandardSeconds, "IRST"};
    return irst;
}

// Tehran's true noon on a day: its mean noon (12:00 less the longitude at 4 minutes a degree)
// less the equation of time there, which is taken again at the noon found.
double tehranTrueNoonJD(std::int32_t dayNumber) {
    const double meanNoon = julianDayOfLocalTime(dayNumber, 43200.0, 0) - kTehranLongitudeDeg / 360.0;
    double noon = meanNoon - equationOfTimeSeconds(meanNoon) / kSecondsPerDay;
    noon = meanNoon - equationOfTimeSeconds(noon) / kSecondsPerDay;
    return noon;
}

// "31 min", "2 h 5 min", "45 s": a span, cut.
std::string spanText(double seconds) {
    const auto whole = static_cast<std::int64_t>(std::floor(std::abs(seconds)));
    if (whole < 60) return std::to_string(whole) + " s";
    if (whole < 3600) return std::to_string(whole / 60) + " min";
    return std::to_string(whole / 3600) + " h " + std::to_string(whole % 3600 / 60) + " min";
}

}  // namespace

std::optional<DayRule> parseDayRule(std::string_view text) {
    if (text == "nowruz") return DayRule{DayRuleKind::Nowruz};
    if (text == "nowruz-true-noon") return DayRule{DayRuleKind::NowruzTrueNoon};
    if (text == "naw-ruz" || text == "nawruz" || text == "naw-r\u00FAz") return DayRule{DayRuleKind::NawRuz};
    constexpr std::string_view prefix = "before:";
    if (!text.starts_with(prefix) || text.size() != prefix.size() + 5 || text[prefix.size() + 2] != ':') return std::nullopt;
    int hour = -1, minute = -1;
    const char* at = text.data() + prefix.size();
    const auto h = std::from_chars(at, at + 2, hour);
    const auto m = std::from_chars(at + 3, at + 5, minute);
    // 00:00 is no threshold: nothing of a day comes before it.
    if (h.ptr != at + 2 || m.ptr != at + 5 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || hour + minute == 0)
        return std::nullopt;
    return DayRule{DayRuleKind::Before, hour * 3600 + minute * 60};
}

std::string dayRuleKey(const DayRule& rule) {
    switch (rule.kind) {
    case DayRuleKind::Nowruz: return "nowruz";
    case DayRuleKind::NowruzTrueNoon: return "nowruz-true-noon";
    case DayRuleKind::NawRuz: return "naw-ruz";
    case DayRuleKind::Before: break;
    }
    return "before-" + clockText(rule.clockSeconds, false);
}

RuleDay ruleDayOf(const DayRule& rule, std::int32_t year, const CalendarReform& calendar, const Zone& zone) {
    RuleDay result;
    result.year = year;
    result.equinox = instantOf(kEventTable[eventIndexOf(EventFamily::EquinoxSolstice, 0)], Method::TrueSun, year);
    const double equinox = result.equinox.jdUT;
    result.offset = rule.kind == DayRuleKind::Before ? zone.offsetAt(equinox) : iranStandardTime();
    result.equinoxLocal = civilTimeOf(equinox, result.offset.seconds);
    const std::int32_t day = result.equinoxLocal.dayNumber;
    switch (rule.kind) {
    case DayRuleKind::Nowruz: result.thresholdJD = julianDayOfLocalTime(day, 43200.0, kIranStandardSeconds); break;
    case DayRuleKind::NowruzTrueNoon: result.thresholdJD = tehranTrueNoonJD(day); break;
    case DayRuleKind::NawRuz:
        result.thresholdJD =
            sunsetUT(julianDayOfLocalTime(day, 0.0, kIranStandardSeconds), kTehranLatitudeDeg, kTehranLongitudeDeg);
        break;
    case DayRuleKind::Before: {
        // The clock's offset at the threshold itself, where a change of time falls between.
        const double first = julianDayOfLocalTime(day, rule.clockSeconds, result.offset.seconds);
        result.thresholdJD = julianDayOfLocalTime(day, rule.clockSeconds, zone.offsetAt(first).seconds);
        break;
    }
    }
    result.marginSeconds = (equinox - result.thresholdJD) * kSecondsPerDay;
    result.uncertain = std::abs(result.marginSeconds) <= shownUncertaintySeconds(result.equinox.uncertaintySeconds);
    result.day = dateInForce(result.marginSeconds < 0 ? day : day + 1, calendar);
    return result;
}

std::string thresholdText(const DayRule& rule, std::int16_t language) {
    switch (rule.kind) {
    case DayRuleKind::Nowruz: return translate("Report", "noon").in(language);
    case DayRuleKind::NowruzTrueNoon: return translate("Report", "true noon in Tehran").in(language);
    case DayRuleKind::NawRuz: return translate("Report", "sunset in Tehran").in(language);
    case DayRuleKind::Before: break;
    }
    return clockText(rule.clockSeconds, false);
}

std::string ruleDayName(const DayRule& rule, std::int32_t year, std::int16_t language) {
    switch (rule.kind) {
    // With the year of its era from the era's first (622 and 1844); the festival alone before.
    case DayRuleKind::Nowruz:
    case DayRuleKind::NowruzTrueNoon:
        return year > 621 ? withArgument(translate("Report", "Nowruz %1 AP").in(language), std::to_string(year - 621))
                          : translate("Report", "Nowruz").in(language);
    case DayRuleKind::NawRuz:
        return year > 1843 ? withArgument(translate("Report", "Naw-R\u00FAz %1 BE").in(language), std::to_string(year - 1843))
                           : translate("Report", "Naw-R\u00FAz").in(language);
    case DayRuleKind::Before: break;
    }
    return translate("Report", "Equinox day").in(language);
}

std::string ruleDayLine(const DayRule& rule, const RuleDay& day, bool includeWeekday, std::int16_t language) {
    std::string line = eventLabel(ruleDayName(rule, day.year, language), Method::None, LineStyle{language, kLabelWidth});
    line += DateText(day.day, DateOrderYMD, "-", ",", true);
    if (includeWeekday) line += ", " + WeekdayName(DayOfWeek(day.day.dayNumber), false, language);
    const std::string equinox = withArgument(translate("Report", "equinox %1").in(language),
                                             TimeOfDayText(day.equinoxLocal.dayFraction, true) + " " + day.offset.abbreviation);
    const std::string margin = withArguments(day.marginSeconds < 0 ? translate("Report", "%1 before %2").in(language)
                                                                   : translate("Report", "%1 after %2").in(language),
                                             spanText(day.marginSeconds), thresholdText(rule, language));
    line += ", " + equinox + ", " + margin + ": " +
            (day.marginSeconds < 0 ? translate("Report", "that day") : translate("Report", "the next day")).in(language);
    if (day.uncertain)
        line += " " + withArgument(translate("Report", "(uncertain: within the equinox's %1)").in(language),
                                   uncertaintyText(day.equinox.uncertaintySeconds));
    return line + std::string(kLineEnd);
}

}  // namespace varnex
