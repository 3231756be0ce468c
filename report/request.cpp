#include "request.h"

#include "astro/apsides.h"
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

std::optional<Message> checkSelection(const Selection& selection, std::string_view calculateCaption) {
    const std::string title(calculateCaption);
    if (std::none_of(selection.events.begin(), selection.events.end(), [](bool on) { return on; }) &&
        selection.turningPoints.empty())
        return Message{translate("Report", "At least one event must be selected."), title, MessageIcon::None};
    bool crossQuarter = false;
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        crossQuarter = crossQuarter || (selection.events[i] && isCrossQuarter(kEventTable[i]));
    if (crossQuarter && !selection.trueSun && !selection.meanSun && !selection.fixedDate)
        return Message{translate("Report", "When calculating cross-quarter days at least one of 'True sun' "
                                           "and 'Mean sun' must be selected."),
                       title, MessageIcon::Information};
    return std::nullopt;
}

EventInstant instantOf(const EventRow& row, Method method, std::int32_t year) {
    const double deltaT = DeltaTMinutes(year) * 60;
    if (!isCrossQuarter(row)) {
        if (method == Method::TrueSun)
            return {TrueEquinoxSolsticeJD(year, row.quarter), deltaT, uncertaintySeconds(InstantSource::TrueSun, year)};
        return {EquinoxSolsticeUT(row.quarter, year), deltaT, uncertaintySeconds(InstantSource::Meeus, year)};
    }
    if (method == Method::TrueSun)
        return {TrueCrossQuarterJD(year, row.quarter), deltaT, uncertaintySeconds(InstantSource::TrueSun, year)};
    // The mean sun halves the interval in UT, each end with the Delta T of its own year.
    const double firstDeltaT = row.quarter == 0 ? DeltaTMinutes(year - 1) * 60 : deltaT;
    return {MeanCrossQuarterJD(year, row.quarter), (firstDeltaT + deltaT) / 2,
            uncertaintySeconds(InstantSource::MeanSun, year)};
}

EventInstant instantOf(const TurningPoint& point, std::int32_t year) {
    const double deltaT = DeltaTMinutes(year) * 60;
    switch (point.kind) {
    case TurningKind::Perihelion:
        return {PerihelionJD(year), deltaT, uncertaintySeconds(InstantSource::Apsis, year)};
    case TurningKind::Aphelion: return {AphelionJD(year), deltaT, uncertaintySeconds(InstantSource::Apsis, year)};
    case TurningKind::SolarTerm:
    case TurningKind::Longitude: break;
    }
    return {TrueSolarLongitudeJD(year, point.longitudeDeg), deltaT, uncertaintySeconds(InstantSource::TrueSun, year)};
}

CalendarDate fixedDateOf(std::int32_t year, std::int16_t quarter, std::int16_t calendarCode) {
    CalendarDate date{year, 2 + 3 * quarter, 1, calendarCode, 0};
    date.dayNumber = static_cast<std::int32_t>(dayNumberFromDate(year, date.month, 1, calendarCode));
    return date;
}

CalendarDate fixedDateOf(std::int32_t year, std::int16_t quarter, const CalendarReform& reform) {
    const std::int32_t month = 2 + 3 * quarter;
    const auto day = dayNumberInForce(year, month, 1, reform);
    return dateInForce(day ? *day : static_cast<std::int32_t>(dayNumberFromDate(year, month, 1, kJulianCode)), reform);
}

CalendarReform reformOf(const CalculateRequest& request) {
    return request.reform ? *request.reform : prolepticReformOf(request.calendarCode);
}

bool dualDatesApply(const CalculateRequest& request) {
    return request.dualDates && request.year >= kDualDateFirstYear && request.year <= kDualDateLastYear;
}

std::string dualDateText(const CalendarDate& inForce) {
    const CalendarDate other = otherCalendarDate(inForce.dayNumber, inForce.calendar);
    return std::string(other.calendar == kJulianCode ? " (Julian " : " (Gregorian ") +
           DateText(other, DateOrderYMD, "-", ",", true) + ", " +
           WeekdayName(DayOfWeek(other.dayNumber), false, intEnglish) + ")";
}

std::int32_t localDayNumber(double jdUT, const Zone& zone) {
    return civilTimeOf(jdUT, zone.offsetAt(jdUT).seconds).dayNumber;
}

bool dayUncertain(double jdUT, double uncertaintySeconds, const Zone& zone) {
    const double u = uncertaintySeconds / 86400.0;
    return localDayNumber(jdUT - u, zone) != localDayNumber(jdUT + u, zone);
}

namespace {

// Makes the lines of one request, one call for each.
class LineMaker {
public:
    LineMaker(const CalculateRequest& request, const EventNameTable& names)
        : request_(request), names_(names), labelWidth_(resultLabelWidth(names)), reform_(reformOf(request)),
          dual_(dualDatesApply(request)) {}

    RequestLine eventLine(std::size_t event, Method method) {
        const EventRow& row = kEventTable[event];
        const auto q = static_cast<std::size_t>(row.quarter);
        const std::string& name =
            isCrossQuarter(row) ? names_[kNameCrossQuarterNorth][q] : names_[kNameFullEquinoxSolstice][q];
        if (method == Method::Fixed) return fixedLine(event, name);
        // An equinox or solstice line keeps its label whatever the method: with the tag, the
        // longest name would not fit the label's width.
        const Method tag = isCrossQuarter(row) ? method : Method::None;
        return instantLine(event, method, instantOf(row, method, request_.year), name, tag, std::nullopt);
    }

    // A solar term or a longitude is a crossing by the true sun; an apsis has no method.
    RequestLine turningPointLine(const TurningPoint& point) {
        const bool apsis = point.kind == TurningKind::Perihelion || point.kind == TurningKind::Aphelion;
        return instantLine(kEventTable.size(), apsis ? Method::None : Method::TrueSun, instantOf(point, request_.year),
                           turningPointLineName(point), Method::None, point);
    }

private:
    RequestLine instantLine(std::size_t event, Method method, const EventInstant& instant, std::string_view name,
                            Method tag, std::optional<TurningPoint> point) {
        UtcOffset offset = request_.zone.offsetAt(instant.jdUT);
        const std::int32_t day = civilTimeOf(instant.jdUT, offset.seconds).dayNumber;
        const auto calendar = static_cast<std::int16_t>(dateInForce(day, reform_).calendar);
        InstantText text = FormatInstant(instant.jdUT, offset.seconds, calendar, work_);
        const bool uncertain = dayUncertain(instant.jdUT, instant.uncertaintySeconds, request_.zone);
        std::string line = request_.withSeconds
                               ? eventLineTextWithSeconds(name, tag, text, offset.seconds, request_.includeWeekday,
                                                          instant.uncertaintySeconds, uncertain, labelWidth_)
                               : eventLineText(name, tag, text, offset.seconds, request_.includeWeekday, labelWidth_);
        withDualDate(line, text.date);
        return {event, method, instant, std::move(offset), std::move(text), std::move(line), point, uncertain};
    }

    RequestLine fixedLine(std::size_t event, std::string_view name) {
        const CalendarDate date = fixedDateOf(request_.year, kEventTable[event].quarter, reform_);
        constexpr double none = std::numeric_limits<double>::quiet_NaN();
        InstantText text{DateText(date, DateOrderYMD, "-", ",", true),
                         WeekdayName(DayOfWeek(date.dayNumber), false, intLanguage), date, {}, none};
        std::string line = fixedDateLineText(name, text, request_.includeWeekday, labelWidth_);
        withDualDate(line, date);
        return {event, Method::Fixed, {none, none, none}, UtcOffset{}, std::move(text), std::move(line),
                std::nullopt, false};
    }

    // The other calendar's date before the line's end, where the request asks for it.
    void withDualDate(std::string& line, const CalendarDate& date) const {
        if (dual_) line.insert(line.size() - kLineEnd.size(), dualDateText(date));
    }

    const CalculateRequest& request_;
    const EventNameTable& names_;
    std::size_t labelWidth_;
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
    // The turning points after the events, in the order of their instants.
    std::vector<RequestLine> points;
    for (const TurningPoint& point : request.selection.turningPoints) points.push_back(maker.turningPointLine(point));
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
