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

std::string printed(const char* format, int a, int b, int c) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

// 2026-03-20T14:45:57Z: the instant in proleptic Gregorian UTC, cut to the second as the
// result lines cut to the minute.
std::string utcText(double jdUT) {
    const double v = LocalCivilJD(jdUT, 0);
    CalendarDate date{0, 0, 0, kGregorianCode, static_cast<std::int32_t>(std::floor(v))};
    DayNumberToDate(date);
    return printed("%04d-%02d-%02dT", date.year, date.month, date.day) + TimeOfDayText(v - std::floor(v), true) + "Z";
}

std::string offsetText(std::int16_t minutes) {
    const int magnitude = std::abs(static_cast<int>(minutes));
    return printed("%c%02d:%02d", minutes < 0 ? '-' : '+', magnitude / 60, magnitude % 60);
}

std::string_view methodKey(Method method) {
    return method == Method::TrueSun ? "true" : method == Method::MeanSun ? "mean" : "";
}

// The result line's name, or with --hemisphere south the summary's southern one; the picture
// takes the summary's names in both hemispheres.
std::string recordName(const EventRow& row, const EventNameTable& names, const CliOptions& options) {
    const auto q = static_cast<std::size_t>(row.quarter);
    const bool crossQuarter = row.family == EventFamily::CrossQuarter;
    if (options.hemisphere == Hemisphere::South) return names[crossQuarter ? kNameCrossQuarterSouth : kNameShortSouth][q];
    if (options.format == OutputFormat::Svg && !crossQuarter) return names[kNameShortNorth][q];
    return names[crossQuarter ? kNameCrossQuarterNorth : kNameFullEquinoxSolstice][q];
}

// The wheel of one year: every event by both methods.
std::string wheelPicture(CalculateRequest request, const CliOptions& options) {
    request.selection = FullSelection();
    std::ostringstream out;
    const WheelOptions wheel{request.year, request.calendarCode, options.zoneText,
                             options.hemisphere == Hemisphere::South,
                             InstantOf(kEventTable[1], Method::None, request.year + 1).jdUT};  // [1]: March
    WriteWheelSvg(RecordsOf(request, options), wheel, out);
    return std::move(out).str();
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

std::vector<EventRecord> RecordsOf(const CalculateRequest& request, const CliOptions& options) {
    static const EventNameTable names = BuildEventNames(DefaultEventCaptions());
    std::vector<EventRecord> records;
    ForEachRequestLine(request, names, [&](const RequestLine& line) {
        const EventRow& row = kEventTable[line.event];
        const CalendarDate& date = line.local.date;
        records.push_back({request.year, std::string(row.key), std::string(methodKey(line.method)),
                           request.calendarCode == kJulianCode ? "julian" : "gregorian", options.zoneText,
                           utcText(line.instant.jdUT), line.instant.jdUT, line.instant.deltaTSeconds,
                           printed("%04d-%02d-%02d", date.year, date.month, date.day), line.local.time,
                           offsetText(line.offsetMinutes), line.local.weekday,
                           recordName(row, names, options)});
    });
    return records;
}

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
    std::vector<EventRecord> records;
    for (std::int32_t year = first; year <= last; ++year) {
        if (options.all) {
            if (year != first) text += kRequestSeparator;
            text += SummaryText(SummaryCells(year, options.calendarCode, options.zone, options.hemisphere, names));
            continue;
        }
        const CalculateRequest request{year, options.calendarCode, options.zone, options.selection, options.weekday};
        if (options.format == OutputFormat::Svg) return {kCliOk, wheelPicture(request, options)};
        if (options.format != OutputFormat::Text) {
            std::vector<EventRecord> more = RecordsOf(request, options);
            records.insert(records.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
            continue;
        }
        if (year != first) text += kRequestSeparator;
        ForEachRequestLine(request, names, [&text](const RequestLine& line) { text += line.text; });
    }
    if (options.format == OutputFormat::Text) return {kCliOk, withLineEnds(std::move(text), options.crlf)};
    std::ostringstream out;
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    if (options.format == OutputFormat::Csv) WriteCsv(records, out, lineEnd);
    if (options.format == OutputFormat::Json) WriteJson(records, out, lineEnd);
    if (options.format == OutputFormat::ICalendar) WriteICalendar(records, out, static_cast<std::int64_t>(now));
    return {kCliOk, std::move(out).str()};
}

}  // namespace varnex
