#include "run.h"

#include "year_order.h"

#include "export/writers.h"
#include "report/year_input.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>
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
            .hemisphere = options.hemisphere};
}

// What one year adds to the output, and how many rows of an export it holds.
struct YearPiece {
    std::string text;
    std::size_t rows = 0;
};

// The result lines, or the summary's cells, of every year, requests separated as in the output box.
void writeText(const CliOptions& options, Years years, std::ostream& out) {
    const EventNameTable& names = eventNamesOf(options.language);
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
                                               : iCalendarFormat({.stampUnixSeconds = static_cast<std::int64_t>(now),
                                                                  .allDay = options.allDay,
                                                                  .reminderMinutes = options.reminderMinutes,
                                                                  .firstYear = years.first,
                                                                  .lastYear = years.last,
                                                                  .zone = options.zone.name,
                                                                  .calendar = options.calendar,
                                                                  .language = options.language});
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

}  // namespace

CliRun startCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err) {
    std::optional<Refusal> refusal;
    const auto years = yearsOf(options, currentYear, refusal);
    if (!refusal) refusal = dualDatesRefusal(options, *years);
    if (refusal) {
        err << refusalText(*refusal);
        return {kCliBadInput, {}};
    }
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
