#include "request.h"

#include "astro/delta_t.h"
#include "astro/solar_events.h"
#include "calendar/calendar_date.h"
#include "text/translation.h"

#include <algorithm>

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
    if (std::none_of(selection.events.begin(), selection.events.end(), [](bool on) { return on; }))
        return Message{translate("Report", "At least one event must be selected."), title, MessageIcon::None};
    bool crossQuarter = false;
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        crossQuarter = crossQuarter || (selection.events[i] && isCrossQuarter(kEventTable[i]));
    if (crossQuarter && !selection.trueSun && !selection.meanSun)
        return Message{translate("Report", "When calculating cross-quarter days at least one of 'True sun' "
                                           "and 'Mean sun' must be selected."),
                       title, MessageIcon::Information};
    return std::nullopt;
}

EventInstant instantOf(const EventRow& row, Method method, std::int32_t year) {
    const double deltaT = DeltaTMinutes(year) * 60;
    if (!isCrossQuarter(row))
        return {method == Method::TrueSun ? TrueEquinoxSolsticeJD(year, row.quarter)
                                          : EquinoxSolsticeUT(row.quarter, year),
                deltaT};
    if (method == Method::TrueSun) return {TrueCrossQuarterJD(year, row.quarter), deltaT};
    // The mean sun halves the interval in UT, each end with the Delta T of its own year.
    const double firstDeltaT = row.quarter == 0 ? DeltaTMinutes(year - 1) * 60 : deltaT;
    return {MeanCrossQuarterJD(year, row.quarter), (firstDeltaT + deltaT) / 2};
}

void forEachRequestLine(const CalculateRequest& request, const EventNameTable& names,
                        const std::function<void(const RequestLine&)>& take) {
    CalendarDate work{};
    const std::size_t labelWidth = resultLabelWidth(names);
    const auto add = [&](std::size_t event, Method method) {
        const EventRow& row = kEventTable[event];
        const EventInstant instant = instantOf(row, method, request.year);
        UtcOffset offset = request.zone.offsetAt(instant.jdUT);
        const std::int16_t minutes = offset.wholeMinutes();
        const InstantText text = FormatInstant(instant.jdUT + offset.restDays(), minutes, request.calendarCode, work);
        const auto q = static_cast<std::size_t>(row.quarter);
        const std::string& name =
            isCrossQuarter(row) ? names[kNameCrossQuarterNorth][q] : names[kNameFullEquinoxSolstice][q];
        // An equinox or solstice line keeps its label whatever the method: with the tag, the
        // longest name would not fit the label's width.
        const Method tag = isCrossQuarter(row) ? method : Method::None;
        std::string line = eventLineText(name, tag, text, minutes, request.includeWeekday, labelWidth);
        take({event, method, instant, std::move(offset), text, std::move(line)});
    };
    for (std::size_t event = 0; event < kEventTable.size(); ++event) {
        if (!request.selection.events[event]) continue;
        const EventRow& row = kEventTable[event];
        if (!isCrossQuarter(row)) {
            add(event, request.selection.equinoxTrueSun ? Method::TrueSun : Method::None);
            continue;
        }
        for (const Method method : methodOrder(row)) {
            const bool wanted = method == Method::TrueSun ? request.selection.trueSun : request.selection.meanSun;
            if (wanted) add(event, method);
        }
    }
}

std::vector<RequestLine> requestLines(const CalculateRequest& request, const EventNameTable& names) {
    std::vector<RequestLine> lines;
    forEachRequestLine(request, names, [&lines](const RequestLine& line) { lines.push_back(line); });
    return lines;
}

}  // namespace varnex
