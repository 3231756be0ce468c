#include "export/export_row.h"

#include "calendar/date_text.h"
#include "zones/fixed_offsets.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace varnex {
namespace {

std::string printed(const char* format, int a, int b, int c) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

const std::string& nameOf(const EventRow& row, const EventNameTable& names, Hemisphere hemisphere, RowNames style) {
    const auto q = static_cast<std::size_t>(row.quarter);
    const bool crossQuarter = row.family == EventFamily::CrossQuarter;
    if (hemisphere == Hemisphere::South) return names[crossQuarter ? kNameCrossQuarterSouth : kNameShortSouth][q];
    if (style == RowNames::Summary && !crossQuarter) return names[kNameShortNorth][q];
    return names[crossQuarter ? kNameCrossQuarterNorth : kNameFullEquinoxSolstice][q];
}

}  // namespace

std::vector<ExportRow> rowsOf(const CalculateRequest& request, std::string_view zoneText, Hemisphere hemisphere,
                              RowNames names) {
    static const EventNameTable table = buildEventNames(defaultEventCaptions());
    std::vector<ExportRow> rows;
    forEachRequestLine(request, table, [&](const RequestLine& line) {
        rows.push_back({request.year, line.event, line.method, line.instant.jdUT, line.instant.deltaTSeconds,
                        line.offset, line.local.civilJD, line.local.date, std::string(zoneText),
                        nameOf(kEventTable[line.event], table, hemisphere, names)});
    });
    return rows;
}

std::string_view eventKey(const ExportRow& row) { return kEventTable[row.event].key; }

std::string_view calendarKey(const ExportRow& row) {
    return row.localDate.calendar == kJulianCode ? "julian" : "gregorian";
}

std::string isoDateText(const CalendarDate& date) { return printed("%04d-%02d-%02d", date.year, date.month, date.day); }

UtcParts utcPartsOf(double jdUT) {
    const double v = LocalCivilJD(jdUT, 0);
    CalendarDate date{0, 0, 0, kGregorianCode, static_cast<std::int32_t>(std::floor(v))};
    DayNumberToDate(date);
    return {date, secondOfDay(v - std::floor(v))};
}

std::string utcText(double jdUT) {
    const UtcParts utc = utcPartsOf(jdUT);
    return isoDateText(utc.date) + "T" + clockText(utc.second, true) + "Z";
}

std::string offsetText(const UtcOffset& offset) {
    const int minutes = offset.wholeMinutes();
    const int magnitude = std::abs(minutes);
    return printed("%c%02d:%02d", minutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
}

std::string localTimeText(const ExportRow& row) { return TimeOfDay(row.localCivilJD); }

std::string weekdayText(const ExportRow& row) {
    return WeekdayName(DayOfWeek(row.localDate.dayNumber), false, intEnglish);
}

std::string lineDateTimeText(const ExportRow& row) {
    return DateText(row.localDate, DateOrderYMD, "-", ",", true) + " " + localTimeText(row) +
           TimezoneSuffix(row.offset.wholeMinutes());
}

}  // namespace varnex
