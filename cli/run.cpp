#include "run.h"

#include "astro/solar_events.h"
#include "calendar/calendar_date.h"
#include "calendar/date_text.h"
#include "export/writers.h"
#include "report/events.h"
#include "zones/fixed_offsets.h"
#include "report/year_input.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>

namespace varnex {
namespace {

constexpr std::string_view kCalculateCaption = "Calculate dates and times of selected events";

std::string messageText(const Message& message) {
    return message.title.empty() ? message.prompt : message.title + ": " + message.prompt;
}

// The checked year of a text, or the window's message for it.
std::optional<std::int32_t> checkedYear(std::string_view text, std::string& message) {
    const YearCheck check = CheckYearText(text);
    if (check.status == YearCheckStatus::Accepted) return check.year;
    message = messageText(YearMessage(check.status));
    return std::nullopt;
}

std::string withLineEnds(std::string text, bool crlf) {
    if (crlf) return text;
    std::string lf;
    lf.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) lf += text[i];
    return lf;
}

}  // namespace

CliOutput RunCli(const CliOptions& options, std::int32_t currentYear, std::time_t now, std::ostream& err) {
    const auto reject = [&err](const std::string& text) {
        err << text << '\n';
        return CliOutput{kCliBadInput, {}};
    };
    if (options.yearText && options.fromText) return reject("Give either YEAR or --from and --to, not both.");
    if (options.format == OutputFormat::Svg && options.fromText) return reject("--format svg draws one year: give YEAR.");
    std::string message;
    std::int32_t first = currentYear;
    std::int32_t last = currentYear;
    if (options.fromText) {
        const auto from = checkedYear(*options.fromText, message);
        if (!from) return reject(message);
        const auto to = checkedYear(*options.toText, message);
        if (!to) return reject(message);
        if (*from > *to) return reject("--from must not come after --to.");
        first = *from;
        last = *to;
    } else if (options.yearText) {
        const auto year = checkedYear(*options.yearText, message);
        if (!year) return reject(message);
        first = last = *year;
    }
    if (!options.all && options.format != OutputFormat::Svg) {
        if (const auto rejection = CheckSelection(options.selection, kCalculateCaption))
            return reject(messageText(*rejection));
    }

    InitPeriodicTerms();
    const EventNameTable names = BuildEventNames(DefaultEventCaptions());
    std::string text;
    std::vector<ExportRow> rows;
    for (std::int32_t year = first; year <= last; ++year) {
        if (options.all) {
            if (year != first) text += kRequestSeparator;
            text += SummaryText(SummaryCells(year, options.calendarCode, options.zone, options.hemisphere, names));
            continue;
        }
        const CalculateRequest request{year, options.calendarCode, options.zone, options.selection, options.weekday};
        if (options.format == OutputFormat::Svg) {
            std::ostringstream out;
            WriteWheelSvg(request, options.zoneText, options.hemisphere, out);
            return {kCliOk, std::move(out).str()};
        }
        if (options.format != OutputFormat::Text) {
            std::vector<ExportRow> more = RowsOf(request, options.zoneText, options.hemisphere, RowNames::Lines);
            rows.insert(rows.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
            continue;
        }
        if (year != first) text += kRequestSeparator;
        ForEachRequestLine(request, names, [&text](const RequestLine& line) { text += line.text; });
    }
    if (options.format == OutputFormat::Text) return {kCliOk, withLineEnds(std::move(text), options.crlf)};
    std::ostringstream out;
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    if (options.format == OutputFormat::Csv) WriteCsv(rows, out, lineEnd);
    if (options.format == OutputFormat::Json) WriteJson(rows, out, lineEnd);
    if (options.format == OutputFormat::ICalendar) WriteICalendar(rows, out, static_cast<std::int64_t>(now));
    return {kCliOk, std::move(out).str()};
}

}  // namespace varnex
