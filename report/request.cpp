#include "request.h"

#include "astro/apsides.h"
#include "astro/constants.h"
#include "astro/delta_t.h"
#include "astro/solar_events.h"
#include "astro/uncertainty.h"
#include "calendar/calendar_date.h"
#include "calendar/date_text.h"
#include "text/program_text.h"
#include "text/translation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnex {
namespace {

bool isCrossQuarter(const EventRow& row) { return row.family == EventFamily::CrossQuarter; }

}  // namespace

std::int16_t calendarCodeOfIndex(int index) {
    return static_cast<std::int16_t>(index == 1 ? kJulianCode : kGregorianCode);
}

Selection fullSelection() {
    Selection selection;
    selection.events.fill(true);
    selection.trueSun = true;
    selection.meanSun = true;
    return selection;
}

std::optional<Message> checkSelection(const Selection& selection, std::string_view calculateCaption,
                                      std::int16_t language) {
    const std::string title(calculateCaption);
    const auto any = [](const auto& flags) { return std::any_of(flags.begin(), flags.end(), [](bool on) { return on; }); };
    if (!any(selection.events) && !any(selection.meteorological) && selection.turningPoints.empty())
        return Message{translate("Report", "At least one event must be selected.").in(language), title, MessageIcon::None};
    bool crossQuarter = false;
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        crossQuarter = crossQuarter || (selection.events[i] && isCrossQuarter(kEventTable[i]));
    if (crossQuarter && !selection.trueSun && !selection.meanSun && !selection.fixedDate)
        return Message{translate("Report", "When calculating cross-quarter days at least one of 'True sun' "
                                           "and 'Mean sun' must be selected.").in(language),
                       title, MessageIcon::Information};
    return std::nullopt;
}

namespace {


// The error bound of each method for an instant of `year` (astro/uncertainty.h), with what
// taking Delta T at the middle of the year moves it by.
double trueSunInstantErrorSeconds(double jd, std::int32_t year) {
    return trueSunErrorSeconds(year) + wholeYearDeltaTSeconds(jd, year);
}

// A Meeus instant: its difference from the true sun's instant of the same event, plus the
// true sun's own bound.
double meeusErrorSeconds(double jd, EventKind kind, std::int32_t year) {
    return std::abs(jd - TrueEquinoxSolsticeJD(year, kind)) * kSecondsPerDay + trueSunInstantErrorSeconds(jd, year);
}

// The mean sun: the midpoint of the Meeus instants against that of the true sun's, each end
// with its own year's Delta T.
double meanSunErrorSeconds(double jd, std::int32_t year, CrossQuarterKind kind) {
    const QuarterEnds ends = quarterEndsOf(year, kind);
    const double first = TrueEquinoxSolsticeJD(ends.firstYear, ends.firstKind);
    const double second = TrueEquinoxSolsticeJD(year, ends.secondKind);
    return std::abs(jd - (first + (second - first) / 2)) * kSecondsPerDay + trueSunErrorSeconds(year) +
           (wholeYearDeltaTSeconds(first, ends.firstYear) + wholeYearDeltaTSeconds(second, year)) / 2;
}

EventInstant trueSunInstant(double jd, std::int32_t year) {
    return {jd, DeltaTMinutes(year) * 60, uncertaintySeconds(jd, trueSunInstantErrorSeconds(jd, year))};
}

}  // namespace

EventInstant instantOf(const EventRow& row, Method method, std::int32_t year) {
    const double deltaT = DeltaTMinutes(year) * 60;
    if (!isCrossQuarter(row)) {
        if (method == Method::TrueSun) return trueSunInstant(TrueEquinoxSolsticeJD(year, row.quarter), year);
        const double jd = EquinoxSolsticeUT(row.quarter, year);
        return {jd, deltaT, uncertaintySeconds(jd, meeusErrorSeconds(jd, row.quarter, year))};
    }
    if (method == Method::TrueSun) return trueSunInstant(TrueCrossQuarterJD(year, row.quarter), year);
    // The mean sun halves the interval in UT, each end with the Delta T of its own year.
    const double firstDeltaT = row.quarter == 0 ? DeltaTMinutes(year - 1) * 60 : deltaT;
    const double jd = MeanCrossQuarterJD(year, row.quarter);
    return {jd, (firstDeltaT + deltaT) / 2, uncertaintySeconds(jd, meanSunErrorSeconds(jd, year, row.quarter))};
}

EventInstant instantOf(const TurningPoint& point, std::int32_t year) {
    switch (point.kind) {
    case TurningKind::Perihelion:
    case TurningKind::Aphelion: {
        const double jd = point.kind == TurningKind::Perihelion ? PerihelionJD(year) : AphelionJD(year);
        const double method = apsisErrorSeconds(year) + wholeYearDeltaTSeconds(jd, year);
        return {jd, DeltaTMinutes(year) * 60, uncertaintySeconds(jd, method)};
    }
    case TurningKind::SolarTerm:
    case TurningKind::Longitude: break;
    }
    return trueSunInstant(TrueSolarLongitudeJD(year, point.longitudeDeg), year);
}

namespace {

// The first of a month in the calendar in force; where a reform skipped it, the Julian first.
CalendarDate firstOfMonthInForce(std::int32_t year, std::int32_t month, const CalendarReform& reform) {
    const auto day = dayNumberInForce(year, month, 1, reform);
    return dateInForce(day ? *day : static_cast<std::int32_t>(dayNumberFromDate(year, month, 1, kJulianCode)), reform);
}

}  // namespace

CalendarDate fixedDateOf(std::int32_t year, std::int16_t quarter, const CalendarReform& reform) {
    return firstOfMonthInForce(year, 2 + 3 * quarter, reform);
}

bool dualDatesApply(const CalculateRequest& request) {
    return request.dualDates && request.year >= kDualDateFirstYear && request.year <= kDualDateLastYear;
}

std::string dualDateText(const CalendarDate& inForce, const CalendarReform& reform, std::int16_t language) {
    const CalendarDate other = otherCalendarDate(inForce.dayNumber, inForce.calendar);
    std::string text = withArguments(other.calendar == kJulianCode ? translate("Report", " (Julian %1, %2)").in(language)
                                                                   : translate("Report", " (Gregorian %1, %2)").in(language),
                                     DateText(other, DateOrderYMD, "-", ",", true),
                                     WeekdayName(DayOfWeek(other.dayNumber), false, language));
    if (const auto written = oldStyleYearText(inForce, reform))
        text.insert(text.size() - 1, withArgument(translate("Report", "; written %1").in(language), *written));
    return text;
}

std::string_view meteorologicalSeasonWord(std::int16_t monthQuarter, Hemisphere hemisphere) {
    constexpr std::array<std::string_view, 4> seasons = {"spring", "summer", "autumn", "winter"};
    return seasons[static_cast<std::size_t>((monthQuarter + (hemisphere == Hemisphere::South ? 2 : 0)) % 4)];
}

std::string meteorologicalKey(std::int16_t monthQuarter) {
    return "met-" + std::string(kEventTable[eventIndexOf(EventFamily::EquinoxSolstice, monthQuarter)].key);
}

std::string meteorologicalName(std::int16_t monthQuarter, Hemisphere hemisphere, std::int16_t language) {
    const std::string_view season = meteorologicalSeasonWord(monthQuarter, hemisphere);
    if (season == "spring") return translate("Report", "Meteorological spring").in(language);
    if (season == "summer") return translate("Report", "Meteorological summer").in(language);
    if (season == "autumn") return translate("Report", "Meteorological autumn").in(language);
    return translate("Report", "Meteorological winter").in(language);
}

CalendarDate meteorologicalDateOf(std::int32_t year, std::int16_t monthQuarter, const CalendarReform& reform) {
    return firstOfMonthInForce(year, 3 + 3 * monthQuarter, reform);
}

std::int32_t localDayNumber(double jdUT, const Zone& zone) {
    return civilTimeOf(jdUT, zone.offsetAt(jdUT).seconds).dayNumber;
}

std::int8_t otherPossibleDay(double jdUT, double uncertaintySeconds, const Zone& zone) {
    const double u = shownUncertaintySeconds(uncertaintySeconds) / 86400.0;
    const std::int32_t day = localDayNumber(jdUT, zone);
    if (localDayNumber(jdUT - u, zone) != day) return -1;
    return localDayNumber(jdUT + u, zone) != day ? 1 : 0;
}

bool dayUncertain(double jdUT, double uncertaintySeconds, const Zone& zone) {
    return otherPossibleDay(jdUT, uncertaintySeconds, zone) != 0;
}

namespace {

// Makes the lines of one request, one call for each.
class LineMaker {
public:
    LineMaker(const CalculateRequest& request, const EventNameTable& names)
        : request_(request), names_(names), style_(lineStyleOf(names, request.language)), reform_(request.calendar),
          dual_(dualDatesApply(request)) {}

    RequestLine eventLine(std::size_t event, Method method) {
        const EventRow& row = kEventTable[event];
        const auto q = static_cast<std::size_t>(row.quarter);
        const bool south = request_.hemisphere == Hemisphere::South;
        const std::string name = isCrossQuarter(row) ? names_[south ? kNameCrossQuarterSouth : kNameCrossQuarterNorth][q]
                                 : south             ? southernLineName(names_, row.quarter)
                                                     : names_[kNameFullEquinoxSolstice][q];
        if (method == Method::Fixed) return fixedLine(event, name);
        // An equinox or solstice line keeps its label whatever the method: with the tag, the
        // longest name would not fit the label's width.
        const Method tag = isCrossQuarter(row) ? method : Method::None;
        return instantLine(event, method, instantOf(row, method, request_.year), name, tag, std::nullopt);
    }

    // The lines of a turning point, one for each of its occurrences in the year (none, one or
    // two). A solar term or a longitude is a crossing by the true sun; an apsis has no method.
    void turningPointLines(const TurningPoint& point, std::vector<RequestLine>& lines) {
        const bool apsis = point.kind == TurningKind::Perihelion || point.kind == TurningKind::Aphelion;
        for (const auto& [cycleYear, instant] : occurrencesInYear(point)) {
            lines.push_back(instantLine(kEventTable.size(), apsis ? Method::None : Method::TrueSun, instant,
                                        turningPointLineName(point), Method::None, point));
            lines.back().cycleYear = cycleYear;
        }
    }

    // The first day of a meteorological season.
    RequestLine meteorologicalLine(std::int16_t monthQuarter) {
        const CalendarDate date = meteorologicalDateOf(request_.year, monthQuarter, reform_);
        RequestLine line = dayLine(kEventTable.size(), Method::None, date,
                                   meteorologicalName(monthQuarter, request_.hemisphere, request_.language));
        line.meteorological = monthQuarter;
        return line;
    }

private:
    // The occurrences of a turning point whose local dates fall in the request's year, in the
    // calendar in force that day, in time order, with the year of their cycle. instantOf(point, y)
    // is the occurrence of the cycle that starts about the December solstice of y - 1 (the
    // perihelion number of y; the crossing after the solstice), which may fall in the year
    // before or after (the perihelion in the December before until about 1800; a longitude
    // under the Julian calendar far from its reform). A cycle is computed only where it could
    // fall in the year: an apsis lies within kApsisWanderDays of its mean instant, a crossing
    // a tropical year from the next (to within minutes); a day more for the zone and the
    // flooring to days.
    std::vector<std::pair<std::int32_t, EventInstant>> occurrencesInYear(const TurningPoint& point) const {
        const std::int32_t year = request_.year;
        const std::int32_t start = firstDayOf(year);
        const std::int32_t end = firstDayOf(year + 1);
        const auto dayOf = [this](double jd) { return localDayNumber(jd, request_.zone); };
        const auto mayFall = [&](double roughJD, double slackDays) {
            return dayOf(roughJD + slackDays) >= start && dayOf(roughJD - slackDays) < end;
        };
        std::vector<std::pair<std::int32_t, EventInstant>> found;
        const auto keep = [&](std::int32_t cycle, const EventInstant& instant) {
            const std::int32_t day = dayOf(instant.jdUT);
            if (day >= start && day < end) found.emplace_back(cycle, instant);
        };
        if (point.kind == TurningKind::Perihelion || point.kind == TurningKind::Aphelion) {
            const auto mean = point.kind == TurningKind::Perihelion ? meanPerihelionJD : meanAphelionJD;
            for (const std::int32_t cycle : {year - 1, year, year + 1})
                if (mayFall(mean(cycle), kApsisWanderDays + 1.0)) keep(cycle, instantOf(point, cycle));
            return found;
        }
        const EventInstant own = instantOf(point, year);
        if (mayFall(own.jdUT - kTropicalYearDays, 1.0)) keep(year - 1, instantOf(point, year - 1));
        keep(year, own);
        if (mayFall(own.jdUT + kTropicalYearDays, 1.0)) keep(year + 1, instantOf(point, year + 1));
        return found;
    }

    // The local day number of 1 January of `year` in the calendar in force; the reform's first
    // day where the reform skipped 1 January (a reform in early January).
    std::int32_t firstDayOf(std::int32_t year) const {
        return dayNumberInForce(year, 1, 1, reform_).value_or(reform_.firstGregorianDay);
    }

    RequestLine instantLine(std::size_t event, Method method, const EventInstant& instant, std::string_view name,
                            Method tag, std::optional<TurningPoint> point) {
        UtcOffset offset = request_.zone.offsetAt(instant.jdUT);
        // Rounded: cut half a unit later (the date follows the time).
        const double shown = request_.round ? instant.jdUT + (request_.withSeconds ? 0.5 : 30.0) / kSecondsPerDay
                                            : instant.jdUT;
        InstantText text = FormatInstant(shown, offset.seconds, reform_, request_.language, work_);
        text.zoneMark = zoneMarkText(offset);
        const std::int8_t otherDay = otherPossibleDay(instant.jdUT, instant.uncertaintySeconds, request_.zone);
        const bool uncertain = otherDay != 0;
        std::string line = request_.withSeconds
                               ? eventLineTextWithSeconds(name, tag, text, offset.seconds, request_.includeWeekday,
                                                          instant.uncertaintySeconds, uncertain, style_)
                               : eventLineText(name, tag, text, offset.seconds, request_.includeWeekday, style_);
        withDualDate(line, text.date);
        return {event, method, instant, std::move(offset), std::move(text), std::move(line), point, uncertain, otherDay};
    }

    RequestLine fixedLine(std::size_t event, std::string_view name) {
        return dayLine(event, Method::Fixed, fixedDateOf(request_.year, kEventTable[event].quarter, reform_), name);
    }

    // The line of a whole day: a traditional date, a meteorological season's first day.
    RequestLine dayLine(std::size_t event, Method method, const CalendarDate& date, std::string_view name) {
        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        InstantText text{DateText(date, DateOrderYMD, "-", ",", true),
                         WeekdayName(DayOfWeek(date.dayNumber), false, request_.language), date, {}, none};
        std::string line = fixedDateLineText(name, text, request_.includeWeekday, style_, method);
        withDualDate(line, date);
        return {event, method, {none, none, none}, UtcOffset{}, std::move(text), std::move(line), std::nullopt, false};
    }

    // The other calendar's date before the line's end, where the request asks for it.
    void withDualDate(std::string& line, const CalendarDate& date) const {
        if (dual_) line.insert(line.size() - kLineEnd.size(), dualDateText(date, reform_, request_.language));
    }

    const CalculateRequest& request_;
    const EventNameTable& names_;
    const LineStyle style_;
    const CalendarReform reform_;
    const bool dual_;
    CalendarDate work_{};
};

}  // namespace

void forEachRequestLine(const CalculateRequest& request, const EventNameTable& names,
                        const std::function<void(const RequestLine&)>& take) {
    LineMaker maker(request, names);
    for (std::size_t event = 0; event < kEventTable.size(); ++event) {
        if (!request.selection.events[event]) continue;
        const EventRow& row = kEventTable[event];
        if (!isCrossQuarter(row)) {
            take(maker.eventLine(event, request.selection.equinoxTrueSun ? Method::TrueSun : Method::None));
            continue;
        }
        for (const Method method : methodOrder(row)) {
            const bool wanted = method == Method::TrueSun ? request.selection.trueSun : request.selection.meanSun;
            if (wanted) take(maker.eventLine(event, method));
        }
        if (request.selection.fixedDate) take(maker.eventLine(event, Method::Fixed));
    }
    for (std::int16_t q = 0; q < 4; ++q)
        if (request.selection.meteorological[static_cast<std::size_t>(q)]) take(maker.meteorologicalLine(q));
    // The turning points after the events, in the order of their instants.
    std::vector<RequestLine> points;
    for (const TurningPoint& point : request.selection.turningPoints) maker.turningPointLines(point, points);
    std::stable_sort(points.begin(), points.end(),
                     [](const RequestLine& a, const RequestLine& b) { return a.instant.jdUT < b.instant.jdUT; });
    for (const RequestLine& line : points) take(line);
}

std::vector<RequestLine> requestLines(const CalculateRequest& request, const EventNameTable& names) {
    std::vector<RequestLine> lines;
    forEachRequestLine(request, names, [&lines](const RequestLine& line) { lines.push_back(line); });
    return lines;
}

}  // namespace varnex
