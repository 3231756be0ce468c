#include "run.h"

#include "export/writers.h"
#include "report/year_input.h"

#include <ostream>
#include <sstream>

namespace varnex {
namespace {

struct Years {
    std::int32_t first;
    std::int32_t last;
};

// The checked year of a text, or the window's message for it.
std::optional<std::int32_t> checkedYear(std::string_view text, std::string& message) {
    const YearCheck check = checkYearText(text);
    if (check.status == YearCheckStatus::Accepted) return check.year;
    const Message rejection = yearMessage(check.status);
    message = rejection.title.empty() ? rejection.prompt : rejection.title + ": " + rejection.prompt;
    return std::nullopt;
}

// The years the command line asks for: YEAR, --from and --to, or the current year.
std::optional<Years> yearsOf(const CliOptions& options, std::int32_t currentYear, std::string& message) {
    if (!options.yearText && !options.fromText) return Years{currentYear, currentYear};
    const auto first = checkedYear(options.fromText ? *options.fromText : *options.yearText, message);
    if (!first) return std::nullopt;
    const auto last = options.fromText ? checkedYear(*options.toText, message) : first;
    if (!last) return std::nullopt;
    if (*first > *last) {
        message = "--from must not come after --to.";
        return std::nullopt;
    }
    return Years{*first, *last};
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
    return {year,           options.calendarCode, options.zone,  options.selection, options.weekday,
            options.seconds, options.reform,      options.dualDates};
}

// The wheel is one year round from 1 January: under a reform, in the calendar in force on that
// day throughout.
CalculateRequest wheelRequestOf(const CliOptions& options, std::int32_t year) {
    CalculateRequest request = requestOf(options, year);
    if (request.reform)
        request.calendarCode = static_cast<std::int16_t>(
            dayNumberFromDate(year, 1, 1, kJulianCode) < request.reform->firstGregorianDay ? kJulianCode : kGregorianCode);
    request.reform.reset();
    return request;
}

// The result lines, or the summary's cells, of every year, requests separated as in the output box.
std::string textOf(const CliOptions& options, Years years) {
    const EventNameTable names = buildEventNames(defaultEventCaptions());
    std::string text;
    for (std::int32_t year = years.first; year <= years.last; ++year) {
        if (year != years.first) text += kRequestSeparator;
        if (options.all) {
            text += summaryText(summaryCells(year, reformOf(requestOf(options, year)), options.zone, options.hemisphere, names));
            continue;
        }
        forEachRequestLine(requestOf(options, year), names, [&text](const RequestLine& line) { text += line.text; });
    }
    return withLineEnds(std::move(text), options.crlf);
}

// An export of every year's rows, or the wheel of the one year.
std::string exportOf(const CliOptions& options, Years years, std::time_t now) {
    std::ostringstream out;
    if (options.format == OutputFormat::Svg) {
        writeWheelSvg(wheelRequestOf(options, years.first), options.zoneText, options.hemisphere, out);
        return std::move(out).str();
    }
    std::vector<ExportRow> rows;
    for (std::int32_t year = years.first; year <= years.last; ++year) {
        std::vector<ExportRow> more = rowsOf(requestOf(options, year), options.zoneText, options.hemisphere, RowNames::Lines);
        rows.insert(rows.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    if (options.format == OutputFormat::Csv) writeCsv(rows, out, lineEnd);
    if (options.format == OutputFormat::Json) writeJson(rows, out, lineEnd);
    if (options.format == OutputFormat::ICalendar)
        writeICalendar(rows, out,
                       {static_cast<std::int64_t>(now), options.allDay, options.reminderMinutes, years.first, years.last,
                        options.zoneText, options.calendarText});
    return std::move(out).str();
}

}  // namespace

CliOutput runCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err) {
    std::string message;
    const auto years = yearsOf(options, currentYear, message);
    if (!years) {
        err << message << '\n';
        return {kCliBadInput, {}};
    }
    if (options.format == OutputFormat::Text) return {kCliOk, textOf(options, *years)};
    return {kCliOk, exportOf(options, *years, now)};
}

}  // namespace varnex
