#include "cli.h"

#include "astro/solar_events.h"
#include "report/events.h"
#include "report/request.h"
#include "report/result_text.h"
#include "report/summary.h"
#include "report/timezones.h"
#include "report/year_input.h"
#include "calendar/date_text.h"
#include "varnex/version.h"

#include <array>
#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

namespace varnex {
namespace {

constexpr std::string_view kCalculateCaption = "Calculate dates and times of selected events";

constexpr std::string_view kUsage =
    "Usage: varnex-cli [YEAR] [options]\n"
    "Dates and times of the equinoxes, solstices and cross-quarter days of YEAR (1 to 3000;\n"
    "the current year when none is given), as the Calculate command of Varnex lists them.\n"
    "\n"
    "Options:\n"
    "  --calendar gregorian|julian   calendar of the dates (gregorian)\n"
    "  --zone Z                      time zone: GMT-12:00 to GMT+12:00 in half-hour steps, written\n"
    "                                as in the list (GMT+05:30, GMT) or as hours (+05:30, -1, 0, 5.5)\n"
    "  --weekday                     add the weekday to each line\n"
    "  --events LIST                 comma-separated events from imbolc, march, beltane, june,\n"
    "                                lughnassad, september, samhain, december (all)\n"
    "  --method true|mean|both       method of the cross-quarter days (both)\n"
    "  --all                         the eight cells of the summary, clockwise from top left\n"
    "  --hemisphere north|south      names of the summary's events (north)\n"
    "  --from Y1 --to Y2             every year from Y1 to Y2 instead of YEAR\n"
    "  --csv                         one row per event and method: year, event, method, jd_ut,\n"
    "                                deltat_seconds, local_date, local_time, weekday\n"
    "  --help                        this text\n"
    "  --version                     the version\n";

struct Options {
    std::optional<std::string> yearText;
    std::optional<std::string> fromText;
    std::optional<std::string> toText;
    std::int16_t calendarCode = static_cast<std::int16_t>(kGregorianCode);
    std::int16_t offsetMinutes = 0;
    Selection selection = FullSelection();
    bool weekday = false;
    bool all = false;
    Hemisphere hemisphere = Hemisphere::North;
    bool csv = false;
    bool help = false;
    bool version = false;
};

// A rejected command line: the text for standard error.
struct Rejection {
    std::string text;
};

std::string messageText(const Message& message) {
    return message.title.empty() ? message.prompt : message.title + ": " + message.prompt;
}

std::string acceptedEvents() {
    std::string names;
    for (const EventRow& row : kEventTable) names += std::string(names.empty() ? "" : ", ") + std::string(row.key);
    return names;
}

std::optional<Rejection> parseEvents(std::string_view list, Selection& selection) {
    selection.events.fill(false);
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view name = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
        if (name.empty()) continue;
        bool known = false;
        for (std::size_t i = 0; i < kEventTable.size(); ++i) {
            if (kEventTable[i].key == name) {
                selection.events[i] = true;
                known = true;
            }
        }
        if (!known)
            return Rejection{"Unknown event '" + std::string(name) + "'. Accepted: " + acceptedEvents() + "."};
    }
    return std::nullopt;
}

// Splits "--name=value" into name and value; "--name" alone has no value.
std::pair<std::string_view, std::optional<std::string_view>> splitOption(std::string_view arg) {
    const auto equals = arg.find('=');
    if (equals == std::string_view::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
}

std::optional<Rejection> parse(const std::vector<std::string>& args, Options& options) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg.size() < 2 || arg.substr(0, 2) != "--" ) {
            if (options.yearText) return Rejection{"Only one YEAR may be given; use --from and --to for several."};
            options.yearText = std::string(arg);
            continue;
        }
        const auto split = splitOption(arg);  // (no structured bindings: lambdas capture them only from Clang 16)
        const std::string_view name = split.first;
        const std::optional<std::string_view> inlineValue = split.second;
        const auto value = [&]() -> std::optional<std::string> {
            if (inlineValue) return std::string(*inlineValue);
            if (i + 1 < args.size()) return args[++i];
            return std::nullopt;
        };
        const auto flag = [&](bool& target) -> std::optional<Rejection> {
            if (inlineValue) return Rejection{"Option " + std::string(name) + " takes no value."};
            target = true;
            return std::nullopt;
        };
        std::optional<Rejection> rejection;
        if (name == "--help") {
            rejection = flag(options.help);
        } else if (name == "--version") {
            rejection = flag(options.version);
        } else if (name == "--weekday") {
            rejection = flag(options.weekday);
        } else if (name == "--all") {
            rejection = flag(options.all);
        } else if (name == "--csv") {
            rejection = flag(options.csv);
        } else if (name == "--calendar" || name == "--zone" || name == "--events" || name == "--method" ||
                   name == "--hemisphere" || name == "--from" || name == "--to") {
            const std::optional<std::string> v = value();
            if (!v) return Rejection{"Option " + std::string(name) + " needs a value."};
            if (name == "--calendar") {
                if (*v == "gregorian") options.calendarCode = static_cast<std::int16_t>(kGregorianCode);
                else if (*v == "julian") options.calendarCode = static_cast<std::int16_t>(kJulianCode);
                else return Rejection{"Unknown calendar '" + *v + "'. Accepted: gregorian, julian."};
            } else if (name == "--zone") {
                const auto offset = ParseTimezone(*v);
                if (!offset)
                    return Rejection{"Unknown time zone '" + *v +
                                     "'. Accepted: GMT-12:00 to GMT+12:00 in half-hour steps, written as "
                                     "GMT+05:30, +05:30, -1, 0 or 5.5."};
                options.offsetMinutes = *offset;
            } else if (name == "--events") {
                rejection = parseEvents(*v, options.selection);
            } else if (name == "--method") {
                if (*v != "true" && *v != "mean" && *v != "both")
                    return Rejection{"Unknown method '" + *v + "'. Accepted: true, mean, both."};
                options.selection.trueSun = *v != "mean";
                options.selection.meanSun = *v != "true";
            } else if (name == "--hemisphere") {
                if (*v != "north" && *v != "south")
                    return Rejection{"Unknown hemisphere '" + *v + "'. Accepted: north, south."};
                options.hemisphere = *v == "south" ? Hemisphere::South : Hemisphere::North;
            } else if (name == "--from") {
                options.fromText = *v;
            } else {
                options.toText = *v;
            }
        } else {
            return Rejection{"Unknown option '" + std::string(arg) +
                             "'. Accepted: --calendar, --zone, --weekday, --events, --method, --all, "
                             "--hemisphere, --from, --to, --csv, --help, --version."};
        }
        if (rejection) return rejection;
    }
    return std::nullopt;
}

// The checked year of a text, or the window's message for it.
std::optional<std::int32_t> checkedYear(std::string_view text, std::string& message) {
    const YearCheck check = CheckYearText(text);
    if (check.status == YearCheckStatus::Accepted) return check.year;
    message = messageText(YearMessage(check.status));
    return std::nullopt;
}

std::string decimal17(double value) {
    std::array<char, 32> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 17);
    return std::string(buffer.data(), result.ptr);
}

std::string_view methodName(Method method) {
    switch (method) {
    case Method::TrueSun: return "true";
    case Method::MeanSun: return "mean";
    case Method::None: break;
    }
    return "";
}

void writeCsvRows(const CalculateRequest& request, const EventNameTable& names, std::ostream& out) {
    for (const RequestLine& line : RequestLines(request, names)) {
        out << request.year << ',' << kEventTable[line.event].key << ',' << methodName(line.method) << ','
            << decimal17(line.instant.jdUT) << ',' << decimal17(line.instant.deltaTSeconds) << ','
            << DateText(line.local.date, DateOrderYMD, "-", ",", false) << ',' << line.local.time << ','
            << line.local.weekday << kLineEnd;
    }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::int32_t currentYear, std::ostream& out, std::ostream& err) {
    Options options;
    if (const auto rejection = parse(args, options)) {
        err << rejection->text << "\nTry 'varnex-cli --help'.\n";
        return kCliBadInput;
    }
    if (options.help) {
        out << kUsage;
        return kCliOk;
    }
    if (options.version) {
        out << "varnex-cli " << kVersion << '\n';
        return kCliOk;
    }
    const auto reject = [&err](const std::string& text) {
        err << text << '\n';
        return kCliBadInput;
    };
    if (options.csv && options.all) return reject("--csv and --all cannot be combined.");
    if (options.yearText && (options.fromText || options.toText))
        return reject("Give either YEAR or --from and --to, not both.");
    if (options.fromText.has_value() != options.toText.has_value())
        return reject("--from and --to go together.");

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
    if (!options.all) {
        if (const auto rejection = CheckSelection(options.selection, kCalculateCaption))
            return reject(messageText(*rejection));
    }

    InitPeriodicTerms();
    const EventNameTable names = BuildEventNames(DefaultEventCaptions());
    if (options.csv) out << "year,event,method,jd_ut,deltat_seconds,local_date,local_time,weekday" << kLineEnd;
    for (std::int32_t year = first; year <= last; ++year) {
        if (options.all) {
            if (year != first) out << kRequestSeparator;
            out << SummaryText(
                SummaryCells(year, options.calendarCode, options.offsetMinutes, options.hemisphere, names));
            continue;
        }
        const CalculateRequest request{year, options.calendarCode, options.offsetMinutes, options.selection,
                                       options.weekday};
        if (options.csv) {
            writeCsvRows(request, names, out);
            continue;
        }
        if (year != first) out << kRequestSeparator;
        for (const RequestLine& line : RequestLines(request, names)) out << line.text;
    }
    out.flush();
    return kCliOk;
}

}  // namespace varnex
