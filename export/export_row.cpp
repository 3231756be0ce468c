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

std::string nameOf(const EventRow& row, const EventNameTable& names, Hemisphere hemisphere, RowNames style) {
    const auto q = static_cast<std::size_t>(row.quarter);
    const bool crossQuarter = row.family == EventFamily::CrossQuarter;
    if (hemisphere == Hemisphere::South && !crossQuarter && style == RowNames::Lines)
        return southernLineName(names, row.quarter);
    if (hemisphere == Hemisphere::South) return names[crossQuarter ? kNameCrossQuarterSouth : kNameShortSouth][q];
    if (style == RowNames::Summary && !crossQuarter) return names[kNameShortNorth][q];
    return names[crossQuarter ? kNameCrossQuarterNorth : kNameFullEquinoxSolstice][q];
}

// Sets gapHours, datesDiffer and fixedOffsetDays on every cross-quarter row, from the instants
// of the rows where the request has them and computed where it has not.
void addThreeAnswers(std::vector<ExportRow>& rows, const CalculateRequest& request) {
    for (std::size_t event = 0; event < kEventTable.size(); ++event) {
        const EventRow& table = kEventTable[event];
        if (table.family != EventFamily::CrossQuarter) continue;
        double trueJD = std::nan(""), meanJD = std::nan("");
        bool present = false;
        for (const ExportRow& row : rows) {
            if (row.turningPoint || row.meteorological || row.event != event) continue;
            present = true;
            if (row.method == Method::TrueSun) trueJD = row.jdUT;
            if (row.method == Method::MeanSun) meanJD = row.jdUT;
        }
        if (!present) continue;
        if (std::isnan(trueJD)) trueJD = instantOf(table, Method::TrueSun, request.year).jdUT;
        if (std::isnan(meanJD)) meanJD = instantOf(table, Method::MeanSun, request.year).jdUT;
        const std::int32_t fixedDay = fixedDateOf(request.year, table.quarter, request.calendar).dayNumber;
        const std::int32_t trueDay = localDayNumber(trueJD, request.zone);
        for (ExportRow& row : rows) {
            if (row.turningPoint || row.meteorological || row.event != event) continue;
            row.gapHours = (meanJD - trueJD) * 24.0;
            row.datesDiffer = trueDay != localDayNumber(meanJD, request.zone);
            row.fixedOffsetDays = trueDay - fixedDay;
        }
    }
}

}  // namespace

std::vector<ExportRow> rowsOf(const CalculateRequest& request, std::string_view zoneText, Hemisphere hemisphere,
                              RowNames names) {
    const EventNameTable& table = eventNamesOf(request.language, request.names);
    std::vector<ExportRow> rows;
    const bool dual = dualDatesApply(request);
    forEachRequestLine(request, table, [&](const RequestLine& line) {
        std::string name = line.turningPoint     ? turningPointName(*line.turningPoint)
                           : line.meteorological ? meteorologicalName(*line.meteorological, hemisphere, request.language)
                                                 : nameOf(kEventTable[line.event], table, hemisphere, names);
        rows.push_back({.year = request.year,
                        .event = line.event,
                        .method = line.method,
                        .jdUT = line.instant.jdUT,
                        .deltaTSeconds = line.instant.deltaTSeconds,
                        .offset = line.offset,
                        .localDayFraction = line.local.dayFraction,
                        .localDate = line.local.date,
                        .zone = std::string(zoneText),
                        .name = std::move(name),
                        .turningPoint = line.turningPoint,
                        .uncertaintySeconds = line.instant.uncertaintySeconds,
                        .dayUncertain = line.dayUncertain,
                        .otherDay = line.otherDay,
                        .cycleYear = line.cycleYear,
                        .meteorological = line.meteorological,
                        .round = request.round});
        if (dual) rows.back().otherDate = otherCalendarDate(line.local.date.dayNumber, line.local.date.calendar);
    });
    addThreeAnswers(rows, request);
    return rows;
}

ExportRow ruleRow(const DayRule& rule, const RuleDay& day, std::string_view zoneText, std::int16_t language) {
    return {.year = day.year,
            .event = kEventTable.size(),
            .method = Method::TrueSun,  // the equinox's
            .jdUT = day.equinox.jdUT,
            .deltaTSeconds = day.equinox.deltaTSeconds,
            .offset = day.offset,
            .localDayFraction = day.equinoxLocal.dayFraction,
            .localDate = day.day,
            .zone = std::string(zoneText),
            .name = ruleDayName(rule, day.year, language),
            .uncertaintySeconds = day.equinox.uncertaintySeconds,
            .dayUncertain = day.uncertain,
            .ruleMarginSeconds = day.marginSeconds,
            .ruleUncertain = day.uncertain,
            .ruleKey = dayRuleKey(rule)};
}

std::string eventKey(const ExportRow& row) {
    if (row.ruleKey) return *row.ruleKey;
    if (row.meteorological) return meteorologicalKey(*row.meteorological);
    return row.turningPoint ? turningPointKey(*row.turningPoint) : std::string(kEventTable[row.event].key);
}

std::string_view calendarKey(const ExportRow& row) {
    return row.localDate.calendar == kJulianCode ? "julian" : "gregorian";
}

std::string isoDateText(const CalendarDate& date) { return printed("%04d-%02d-%02d", date.year, date.month, date.day); }

UtcParts utcPartsOf(double jdUT) {
    const CivilTime utc = civilTimeOf(jdUT, 0);
    CalendarDate date{0, 0, 0, kGregorianCode, utc.dayNumber};
    DayNumberToDate(date);
    return {date, secondOfDay(utc.dayFraction)};
}

std::string utcText(double jdUT) {
    const UtcParts utc = utcPartsOf(jdUT);
    return isoDateText(utc.date) + "T" + clockText(utc.second, true) + "Z";
}

std::string offsetText(const UtcOffset& offset) { return isoOffsetText(offset.seconds); }

std::string localTimeText(const ExportRow& row) { return TimeOfDayText(row.localDayFraction, false); }

namespace {

// Half a second, by which a rounded row's second is cut later.
constexpr double kHalfSecondDays = 0.5 / 86400.0;

}  // namespace

std::string utcText(const ExportRow& row) { return utcText(row.jdUT + (row.round ? kHalfSecondDays : 0.0)); }

std::string localTimeSecondsText(const ExportRow& row) {
    if (!row.round) return TimeOfDayText(row.localDayFraction, true);
    return TimeOfDayText(civilTimeOf(row.jdUT + kHalfSecondDays, row.offset.seconds).dayFraction, true);
}

std::string zoneAbbreviationText(const ExportRow& row) { return isAllDay(row) ? std::string() : row.offset.abbreviation; }

std::string weekdayText(const ExportRow& row) {
    return WeekdayName(DayOfWeek(row.localDate.dayNumber), false, intEnglish);
}

std::string lineDateTimeText(const ExportRow& row) {
    return DateText(row.localDate, DateOrderYMD, "-", ",", true) + " " + localTimeText(row) +
           offsetSuffix(row.offset.seconds) + zoneMarkText(row.offset);
}

}  // namespace varnex
