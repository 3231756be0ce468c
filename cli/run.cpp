#include "run.h"

#include "year_order.h"

#include "export/writers.h"
#include "report/upcoming.h"
#include "report/year_input.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace varnex {
namespace {

// The checked year of a text, or its refusal in the window's words.
std::optional<std::int32_t> checkedYear(std::string_view what, std::string_view text, std::optional<Refusal>& refusal) {
    const YearCheck check = checkYearText(text);
    if (check.status == YearCheckStatus::Accepted) return check.year;
    refusal = yearRefusal(what, text);
    return std::nullopt;
}

// The years the command line asks for: YEAR, --from and --to, or the current year.
std::optional<Years> yearsOf(const CliOptions& options, std::int32_t currentYear, std::optional<Refusal>& refusal) {
    if (!options.yearText && !options.fromText) return Years{currentYear, currentYear};
    const auto first = options.fromText ? checkedYear("--from", *options.fromText, refusal)
                                        : checkedYear("YEAR", *options.yearText, refusal);
    if (!first) return std::nullopt;
    const auto last = options.fromText ? checkedYear("--to", *options.toText, refusal) : first;
    if (!last) return std::nullopt;
    if (*first > *last) {
        refusal = Refusal{"--from", "'" + *options.fromText + "' comes after --to '" + *options.toText + "'",
                          "--from Y1 --to Y2 with Y1 not after Y2"};
        return std::nullopt;
    }
    return Years{*first, *last};
}

// --dual-dates changes the years 1582 to 1923 only: a request for none of them is refused.
std::optional<Refusal> dualDatesRefusal(const CliOptions& options, Years years) {
    if (!options.dualDates || (years.last >= kDualDateFirstYear && years.first <= kDualDateLastYear)) return std::nullopt;
    return Refusal{"--dual-dates", "has no effect: it dates the years 1582 to 1923 in both calendars",
                   "a year of those, or leave out --dual-dates"};
}

std::string withLineEnds(std::string text, bool crlf) {
    if (crlf) return text;
    std::string lf;
    lf.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    return lf;
}

CalculateRequest requestOf(const CliOptions& options, std::int32_t year) {
    return {.year = year,
            .calendar = options.calendar,
            .zone = options.zone.zone,
            .selection = options.selection,
            .includeWeekday = options.weekday,
            .withSeconds = options.seconds,
            .dualDates = options.dualDates,
            .language = options.language,
            .hemisphere = options.hemisphere,
            .names = options.nameSet,
            .round = options.round};
}

ICalendarOptions iCalendarOptionsOf(const CliOptions& options, Years years, std::time_t now) {
    return {.stampUnixSeconds = static_cast<std::int64_t>(now),
            .allDay = options.allDay,
            .reminderMinutes = options.reminderMinutes,
            .firstYear = years.first,
            .lastYear = years.last,
            .zone = options.zone.name,
            .calendar = options.calendar,
            .language = options.language};
}

// What one year adds to the output, and how many rows of an export it holds.
struct YearPiece {
    std::string text;
    std::size_t rows = 0;
};

// The result lines, or the summary's cells, of every year, requests separated as in the output box.
void writeText(const CliOptions& options, Years years, std::ostream& out) {
    const EventNameTable& names = eventNamesOf(options.language, options.nameSet);
    const auto make = [&](std::int32_t year) {
        std::string text;
        if (year != years.first) text += kRequestSeparator;
        if (options.all)
            text += summaryText(
                summaryCells(year, options.calendar, options.zone.zone, options.hemisphere, names, options.language));
        else
            forEachRequestLine(requestOf(options, year), names, [&text](const RequestLine& line) { text += line.text; });
        return YearPiece{withLineEnds(std::move(text), options.crlf)};
    };
    inYearOrder(years, options.jobs, make, [&out](const YearPiece& piece) {
        out.write(piece.text.data(), static_cast<std::streamsize>(piece.text.size()));
        return out.good();
    });
}

// An export of every year's rows, or the wheel of the one year.
void writeExport(const CliOptions& options, Years years, std::time_t now, std::ostream& out) {
    if (options.format == OutputFormat::Svg) {
        writeWheelSvg(requestOf(options, years.first), options.zone.name, out);
        return;
    }
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    const std::unique_ptr<RowFormat> format =
        options.format == OutputFormat::Csv    ? csvFormat(lineEnd)
        : options.format == OutputFormat::Json ? jsonFormat(lineEnd)
                                               : iCalendarFormat(iCalendarOptionsOf(options, years, now));
    const auto make = [&](std::int32_t year) {
        const std::vector<ExportRow> rows =
            rowsOf(requestOf(options, year), options.zone.name, options.hemisphere, RowNames::Lines);
        std::ostringstream text;
        text.exceptions(std::ios::badbit);  // no memory: thrown, not a piece cut short
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i > 0) format->separator(text);
            format->row(rows[i], text);
        }
        return YearPiece{std::move(text).str(), rows.size()};
    };
    format->begin(out);
    bool anyRows = false;
    inYearOrder(years, options.jobs, make, [&](const YearPiece& piece) {
        if (piece.rows == 0) return out.good();
        if (anyRows) format->separator(out);
        anyRows = true;
        out.write(piece.text.data(), static_cast<std::streamsize>(piece.text.size()));
        return out.good();
    });
    format->end(anyRows, out);
}

// The row of an upcoming line: among its year's rows, the one of the same event, method and
// instant.
ExportRow rowOfUpcoming(const CliOptions& options, const UpcomingLine& upcoming) {
    const RequestLine& line = upcoming.line;
    for (ExportRow& row : rowsOf(requestOf(options, upcoming.year), options.zone.name, options.hemisphere, RowNames::Lines)) {
        const bool sameInstant = std::isnan(line.instant.jdUT) ? row.localDate.dayNumber == line.local.date.dayNumber
                                                               : row.jdUT == line.instant.jdUT;
        if (row.event == line.event && row.method == line.method && row.turningPoint == line.turningPoint &&
            row.meteorological == line.meteorological && sameInstant) {
            row.secondsUntil = upcoming.secondsUntil;
            return std::move(row);
        }
    }
    throw std::logic_error("an upcoming line without its row");
}

// The day of a festival by its rule, each year: a line, or a row with rule_margin_seconds and
// rule_uncertain.
void writeRules(const CliOptions& options, Years years, std::time_t now, std::ostream& out) {
    const DayRule& rule = *options.rule;
    const bool iran = rule.kind != DayRuleKind::Before;
    const std::string zoneText = iran ? "GMT+03:30" : options.zone.name;
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    std::unique_ptr<RowFormat> format;
    if (options.format == OutputFormat::Csv) format = csvFormat(lineEnd, {.rule = true});
    if (options.format == OutputFormat::Json) format = jsonFormat(lineEnd);
    if (options.format == OutputFormat::ICalendar) {
        ICalendarOptions calendar = iCalendarOptionsOf(options, years, now);
        calendar.festival = ruleDayName(rule, 0, options.language);  // the name without an era's year
        format = iCalendarFormat(calendar);
    }
    const auto make = [&](std::int32_t year) {
        const RuleDay day = ruleDayOf(rule, year, options.calendar, options.zone.zone);
        if (!format) return YearPiece{withLineEnds(ruleDayLine(rule, day, options.weekday, options.language), options.crlf)};
        std::ostringstream text;
        text.exceptions(std::ios::badbit);
        format->row(ruleRow(rule, day, zoneText, options.language), text);
        return YearPiece{std::move(text).str(), 1};
    };
    if (format) format->begin(out);
    bool anyRows = false;
    inYearOrder(years, options.jobs, make, [&](const YearPiece& piece) {
        if (format && anyRows) format->separator(out);
        anyRows = true;
        out.write(piece.text.data(), static_cast<std::streamsize>(piece.text.size()));
        return out.good();
    });
    if (format) format->end(anyRows, out);
}

// The years an iCalendar file of upcoming events is named for: of its first and last events
// (of the moment where there are none).
Years upcomingYears(const std::vector<UpcomingLine>& upcoming, double nowJD) {
    if (upcoming.empty()) {
        const std::int32_t year = utcPartsOf(nowJD).date.year;
        return {year, year};
    }
    return {upcoming.front().line.local.date.year, upcoming.back().line.local.date.year};
}

// The next events after the moment, each with the time left, then the season the moment is in;
// or their rows, with seconds_until (and in JSON the moment and the season before them).
void writeNext(const CliOptions& options, double nowJD, std::time_t now, std::ostream& out, std::ostream& err) {
    const EventNameTable& names = eventNamesOf(options.language, options.nameSet);
    const std::vector<UpcomingLine> upcoming = upcomingLines(requestOf(options, 0), names, nowJD, options.next);
    const std::optional<SeasonNow> season = seasonAt(nowJD, options.selection);
    // What the years cannot give is said, not left out in silence (the status stays 0).
    if (upcoming.size() < options.next)
        err << "varnex-cli: the years up to 3000 hold " << upcoming.size() << " of the " << options.next
            << " events asked for\n";
    if (!season) err << "varnex-cli: the moment lies outside the seasons of the years 1 to 3000\n";
    if (options.format == OutputFormat::Text) {
        std::string text;
        for (const UpcomingLine& line : upcoming) {
            const std::string& own = line.line.text;
            text += own.substr(0, own.size() - kLineEnd.size()) + ", " + timeLeftText(line.secondsUntil, options.language) +
                    std::string(kLineEnd);
        }
        if (season) text += seasonText(*season, options.hemisphere, options.language) + std::string(kLineEnd);
        text = withLineEnds(std::move(text), options.crlf);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    const std::unique_ptr<RowFormat> format =
        options.format == OutputFormat::Csv    ? csvFormat(lineEnd, {.secondsUntil = true})
        : options.format == OutputFormat::Json ? jsonFormat(lineEnd, JsonMoment{nowJD, season, options.hemisphere, options.language})
                                               : iCalendarFormat(iCalendarOptionsOf(options, upcomingYears(upcoming, nowJD), now));
    format->begin(out);
    for (std::size_t i = 0; i < upcoming.size(); ++i) {
        if (i > 0) format->separator(out);
        format->row(rowOfUpcoming(options, upcoming[i]), out);
    }
    format->end(!upcoming.empty(), out);
}

}  // namespace

CliRun startCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err) {
    std::optional<Refusal> refusal;
    const auto years = yearsOf(options, currentYear, refusal);
    if (!refusal) refusal = dualDatesRefusal(options, *years);
    if (refusal) {
        err << refusalText(*refusal);
        return {kCliBadInput, {}};
    }
    if (options.next > 0) {
        const double nowJD = options.nowJD.value_or(julianDayOfUnixTime(now));
        return {kCliOk, [&options, nowJD, now, &err](std::ostream& out) { writeNext(options, nowJD, now, out, err); }};
    }
    if (options.rule)
        return {kCliOk, [&options, years = *years, now](std::ostream& out) { writeRules(options, years, now, out); }};
    if (options.format == OutputFormat::Text)
        return {kCliOk, [&options, years = *years](std::ostream& out) { writeText(options, years, out); }};
    return {kCliOk, [&options, years = *years, now](std::ostream& out) { writeExport(options, years, now, out); }};
}

CliOutput runCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err) {
    const CliRun run = startCli(options, currentYear, now, err);
    if (run.exitCode != kCliOk) return {run.exitCode, {}};
    std::ostringstream out;
    out.exceptions(std::ios::badbit);
    run.write(out);
    return {kCliOk, std::move(out).str()};
}

}  // namespace varnex
