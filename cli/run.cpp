#include "run.h"

#include "export/writers.h"
#include "report/year_input.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>
#include <vector>

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
            options.seconds, options.reform,      options.dualDates, options.namesLanguage};
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

// What one year adds to the output, and how many rows of an export it holds.
struct YearPiece {
    std::string text;
    std::size_t rows = 0;
};

// Makes every year's piece on `jobs` threads and hands the pieces to `use` in year order, as
// soon as each is ready: the threads run at most a few years ahead of it, so the memory held
// stays that of a few years whatever the range. `use` returns false to stop (a reader gone).
// A year that throws ends the run with its exception, rethrown here.
template <typename Make, typename Use>
void inYearOrder(Years years, unsigned jobs, const Make& make, const Use& use) {
    const std::int64_t count = std::int64_t{years.last} - years.first + 1;
    const auto yearAt = [&](std::int64_t i) { return static_cast<std::int32_t>(years.first + i); };
    if (jobs <= 1 || count == 1) {
        for (std::int64_t i = 0; i < count; ++i)
            if (!use(make(yearAt(i)))) return;
        return;
    }
    struct Slot {
        std::optional<YearPiece> piece;
        std::exception_ptr error;
    };
    const std::int64_t window = 4 * std::int64_t{jobs};
    std::vector<Slot> slots(static_cast<std::size_t>(window));
    const auto slotOf = [&](std::int64_t i) -> Slot& { return slots[static_cast<std::size_t>(i % window)]; };
    std::mutex mutex;
    std::condition_variable made, used;
    std::int64_t next = 0, done = 0;  // the next year to make, and the years used
    bool stop = false;
    const auto work = [&] {
        for (;;) {
            std::int64_t i = 0;
            {
                std::unique_lock lock(mutex);
                used.wait(lock, [&] { return stop || next >= count || next < done + window; });
                if (stop || next >= count) return;
                i = next++;
            }
            Slot result;
            try {
                result.piece = make(yearAt(i));
            } catch (...) {
                result.error = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex);
                slotOf(i) = std::move(result);
            }
            made.notify_all();
        }
    };
    std::vector<std::jthread> threads;
    const auto stopAll = [&] {
        {
            const std::lock_guard lock(mutex);
            stop = true;
        }
        used.notify_all();
        threads.clear();  // joins them
    };
    for (unsigned j = 0; j < std::min<std::int64_t>(jobs, count); ++j) threads.emplace_back(work);
    for (std::int64_t i = 0; i < count; ++i) {
        Slot slot;
        {
            std::unique_lock lock(mutex);
            made.wait(lock, [&] { return slotOf(i).piece || slotOf(i).error; });
            slot = std::move(slotOf(i));
            slotOf(i) = Slot();
            done = i + 1;
        }
        used.notify_all();
        if (slot.error) {
            stopAll();
            std::rethrow_exception(slot.error);
        }
        if (!use(std::move(*slot.piece))) break;
    }
    stopAll();
}

// The result lines, or the summary's cells, of every year, requests separated as in the output box.
void writeText(const CliOptions& options, Years years, std::ostream& out) {
    const EventNameTable& names = eventNamesOf(options.namesLanguage);
    const auto make = [&](std::int32_t year) {
        std::string text;
        if (year != years.first) text += kRequestSeparator;
        if (options.all)
            text += summaryText(
                summaryCells(year, reformOf(requestOf(options, year)), options.zone, options.hemisphere, names));
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
        writeWheelSvg(wheelRequestOf(options, years.first), options.zoneText, options.hemisphere, out);
        return;
    }
    const std::string_view lineEnd = options.crlf ? "\r\n" : "\n";
    const std::unique_ptr<RowFormat> format = options.format == OutputFormat::Csv    ? csvFormat(lineEnd)
                                              : options.format == OutputFormat::Json ? jsonFormat(lineEnd)
                                                                                     : iCalendarFormat({static_cast<std::int64_t>(now), options.allDay,
                                                                                                        options.reminderMinutes, years.first, years.last,
                                                                                                        options.zoneText, options.calendarText});
    const auto make = [&](std::int32_t year) {
        const std::vector<ExportRow> rows =
            rowsOf(requestOf(options, year), options.zoneText, options.hemisphere, RowNames::Lines);
        std::ostringstream text;
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
    std::string message;
    const auto years = yearsOf(options, currentYear, message);
    if (!years) {
        err << message << '\n';
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
    run.write(out);
    return {kCliOk, std::move(out).str()};
}

}  // namespace varnex
