#include "options.h"

#include "report/events.h"
#include "report/turning_points.h"
#include "platform/time_zone_folder.h"
#include "varnex/version.h"
#include "zones/fixed_offsets.h"
#include "zones/named_zone.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <map>
#include <thread>
#include <ostream>

namespace varnex {
namespace {

constexpr const char* kDescription =
    "Dates and times of the equinoxes, solstices and cross-quarter days of YEAR (1 to 3000; the\n"
    "current year when none is given), as the Calculate command of Varnex lists them, or as\n"
    "CSV, JSON or iCalendar for scripts, spreadsheets and calendar programs, or as a picture of\n"
    "the year (SVG).";

constexpr const char* kFooter =
    "Dates end in \" CE\" for the Gregorian calendar (Common Era) and \" JC\" for the Julian\n"
    "calendar; times are cut to the minute (to the second with --seconds), never rounded, after a\n"
    "nudge of 0.864 ms (1e-8 day) that absorbs the rounding of the computation, so an instant\n"
    "within 0.864 ms below a whole second shows that second; every format cuts so. Times are\n"
    "followed by the zone's offset, with its seconds where it has them (local mean time).\n"
    "\n"
    "Zones: a fixed offset from GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45,\n"
    "-1, 5.5), a zone of the tz database with its daylight saving (Europe/London,\n"
    "America/New_York; note that Etc/GMT+5 is five hours behind GMT, as the database has it),\n"
    "or local (the system's zone). A named zone applies the offset in force\n"
    "at each event; far from today its rules are what the database says: local mean time\n"
    "before the zone's standard time, the last rule continued after 2037.\n"
    "\n"
    "Events: imbolc, march, beltane, june, lughnassad, september, samhain, december, in any case,\n"
    "blanks allowed around the commas; also the equinoxes' and solstices' names as the lines and\n"
    "the summary write them (\"Spring (March) equinox\", \"Spring equinox\") and the aliases\n"
    "ostara = march, litha = june, lughnasadh and lammas = lughnassad, mabon = september,\n"
    "yule = december.\n"
    "\n"
    "Turning points (after the events, in the order of their instants): perihelion and aphelion\n"
    "(apsides for both; the Earth nearest to and farthest from the Sun), solar-terms (the 24\n"
    "terms of the East-Asian calendars, the Sun's apparent longitude at every 15 degrees), a term\n"
    "by its id term-000 ... term-345, its pinyin (qingming) or its English name (\"pure\n"
    "brightness\"), and --longitude DEG for any longitude. The turning points of a year are\n"
    "those whose local date falls in it (in the zone, in the calendar in force that day), so a\n"
    "year has none, one or two of each: 1800 has two perihelia, 1802 none.\n"
    "\n"
    "Methods of the cross-quarter days: true (the Sun's apparent longitude at 315, 45, 135 or\n"
    "225 degrees), mean (the midpoint in time of the equinox and solstice around the day) and\n"
    "fixed (1 February, 1 May, 1 August, 1 November: a whole day). CSV and JSON give every\n"
    "cross-quarter row gap_hours (the mean-sun instant minus the true-sun one), dates_differ\n"
    "(true when the true sun and the mean sun fall on different local dates) and\n"
    "fixed_offset_days (the true sun's local date minus the traditional date, in days), whatever\n"
    "--method.\n"
    "\n"
    "Uncertainty: --seconds, and the CSV and JSON columns uncertainty_seconds and day_uncertain,\n"
    "give each instant's uncertainty: a bound that about 95 % of credible computations fall\n"
    "within. It adds the spread of the published versions and extrapolations of Delta T, twice\n"
    "its published standard error, and the method's own error (for Meeus's equinoxes and the\n"
    "mean sun, their difference from the true sun); it does not include a calendar's or a\n"
    "zone's history being other than the tz database says. \"(day uncertain)\" and day_uncertain\n"
    "true mean that the instant, give or take the uncertainty as the line prints it, reaches\n"
    "across local midnight: the date could go either way.\n"
    "\n"
    "Calendars: gregorian and julian are proleptic, every date in the one calendar. A reform dates\n"
    "each day in the calendar in force on it, Julian before its first Gregorian day and Gregorian\n"
    "from it: rome (4 Oct 1582 JC, then 15 Oct 1582 CE), britain (2 Sep 1752, then 14 Sep),\n"
    "russia (31 Jan 1918, then 14 Feb), greece (15 Feb 1923, then 1 Mar), or reform:YYYY-MM-DD\n"
    "(the first Gregorian day). --dual-dates adds to each line and row of the years 1582 to 1923\n"
    "the same day in the other calendar with its weekday (CSV and JSON: other_date,\n"
    "other_weekday).\n"
    "\n"
    "iCalendar: each event is the second that holds its instant, in UTC (DURATION:PT1S); calendar\n"
    "programs show it in the viewer's own zone, so --zone changes nothing in the file but the\n"
    "days of --all-day (each event as the whole local day in ZONE, the instant in its\n"
    "description) and of the fixed dates, which are whole days always. iCalendar dates are\n"
    "Gregorian: a Julian date is written as the same day's Gregorian date. Each event keeps its\n"
    "UID from one export to the next (year, event, method, and -allday for --all-day), so a\n"
    "program that matches events by UID (khal) updates them when the file is imported again;\n"
    "one that does not (calcurse) adds them a second time. DTSTAMP is the time of the export, or\n"
    "SOURCE_DATE_EPOCH (seconds since 1970) when it is set, so the same request gives the same\n"
    "bytes; SEQUENCE is that time in minutes, so a later export supersedes an earlier one.\n"
    "\n"
    "Text, CSV and JSON end lines in LF (CR LF with --crlf); iCalendar always in CR LF.\n"
    "SVG draws one year as a wheel, every event by both methods, whatever --events and --method.\n"
    "With --equinox-method true the CSV, JSON and iCalendar rows of the equinoxes and solstices\n"
    "have the method true; their text lines keep the window's labels.\n"
    "\n"
    "Exit status: 0 success, 1 output lost (a write error, no memory) or the program text\n"
    "unreadable, 2 bad input (a message on standard error, nothing on standard output).";

// The latest DTSTAMP written: 3000-12-31 23:59:59 UTC, the end of the program's years (libical
// writes a later time as a date of the year 0).
constexpr std::int64_t kLastStampSeconds = 32'535'215'999;
// The longest reminder: a year ahead, in minutes.
constexpr std::int32_t kLongestReminderMinutes = 366 * 1440;

constexpr std::string_view kCalculateCaption = "Calculate dates and times of selected events";

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Event names a user may type, lower case, to the index in kEventTable: the keys, the names
// of the result lines and of the summary ("spring (march) equinox", "spring equinox"), and the
// common names of the wheel of the year.
std::optional<std::size_t> eventIndex(const std::string& name) {
    static const std::map<std::string, std::string> aliases = {
        {"ostara", "march"}, {"litha", "june"}, {"lughnasadh", "lughnassad"}, {"lammas", "lughnassad"},
        {"mabon", "september"}, {"yule", "december"}};
    const auto alias = aliases.find(name);
    const std::string key = alias == aliases.end() ? name : alias->second;
    for (std::size_t i = 0; i < kEventTable.size(); ++i)
        if (key == kEventTable[i].key || key == lowered(std::string(kEventTable[i].caption)) ||
            key == lowered(RemoveParenthesizedPart(kEventTable[i].caption)))
            return i;
    return std::nullopt;
}

// The turning points a name stands for: perihelion, aphelion, apsides (both), solar-terms
// (all 24), or one term by its id (term-015), its pinyin (qingming) or its English name
// ("pure brightness", "pure-brightness").
std::vector<TurningPoint> turningPointsNamed(const std::string& name) {
    if (name == "perihelion") return {{TurningKind::Perihelion, 0}};
    if (name == "aphelion") return {{TurningKind::Aphelion, 0}};
    if (name == "apsides") return {{TurningKind::Perihelion, 0}, {TurningKind::Aphelion, 0}};
    std::vector<TurningPoint> terms;
    std::string spaced = name;
    std::replace(spaced.begin(), spaced.end(), '-', ' ');
    for (const SolarTerm& term : kSolarTerms) {
        const TurningPoint point{TurningKind::SolarTerm, static_cast<double>(term.longitudeDeg)};
        if (name == "solar-terms" || name == turningPointKey(point) || name == lowered(std::string(term.pinyinAscii)) ||
            spaced == lowered(std::string(term.english)))
            terms.push_back(point);
    }
    return terms;
}

std::string acceptedEvents() {
    std::string names;
    for (const EventRow& row : kEventTable) names += (names.empty() ? "" : ", ") + std::string(row.key);
    return names + ", the aliases ostara, litha, lughnasadh, lammas, mabon, yule, the equinoxes' and "
                   "solstices' names (\"Spring (March) equinox\", \"Spring equinox\"), perihelion, aphelion, "
                   "apsides, solar-terms, and a solar term by its id (term-015), pinyin (qingming) or English "
                   "name (\"pure brightness\")";
}

// The items of a comma-separated list, trimmed and lower case, empty ones left out.
std::vector<std::string> listItems(const std::string& list) {
    std::vector<std::string> items;
    std::string rest = list;
    for (std::size_t comma = 0; comma != std::string::npos;) {
        comma = rest.find(',');
        std::string item = lowered(trimmed(rest.substr(0, comma)));
        rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
        if (!item.empty()) items.push_back(std::move(item));
    }
    return items;
}

// Adds a turning point once, in the order first named.
void addPoint(std::vector<TurningPoint>& points, const TurningPoint& point) {
    if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(point);
}

// CLI11 checks return an empty text for a good value, otherwise the complaint.
std::string checkEvents(const std::string& list, Selection& selection) {
    std::array<bool, 8> chosen{};
    std::vector<TurningPoint> points;
    for (const std::string& name : listItems(list)) {
        if (const auto index = eventIndex(name)) {
            chosen[*index] = true;
            continue;
        }
        const std::vector<TurningPoint> named = turningPointsNamed(name);
        if (named.empty()) return "unknown event '" + name + "'. Accepted: " + acceptedEvents() + ".";
        for (const TurningPoint& point : named) addPoint(points, point);
    }
    selection.events = chosen;
    for (const TurningPoint& point : selection.turningPoints)  // from --longitude
        addPoint(points, point);
    selection.turningPoints = std::move(points);
    return {};
}

// The methods of the cross-quarter days from a list of true, mean, fixed and both.
std::string checkMethods(const std::string& list, Selection& selection) {
    selection.trueSun = selection.meanSun = selection.fixedDate = false;
    for (const std::string& word : listItems(list)) {
        if (word == "true" || word == "both") selection.trueSun = true;
        if (word == "mean" || word == "both") selection.meanSun = true;
        if (word == "fixed") selection.fixedDate = true;
        if (std::find(kMethodWords.begin(), kMethodWords.end(), word) == kMethodWords.end())
            return "unknown method '" + word + "'. Accepted: a comma-separated list of true, mean and fixed, or both "
                   "(true,mean).";
    }
    if (!selection.trueSun && !selection.meanSun && !selection.fixedDate)
        return "a method is needed: true, mean, fixed or both.";
    return {};
}

// The zone of a text, parsed once: a fixed offset or a zone of the database.
std::string zoneComplaint(const std::string& text) {
    if (lowered(text) == "local") {
        const char* tz = std::getenv("TZ");
        const std::string value = tz ? tz : "";
        if (value.starts_with('/') || value.starts_with(":/"))
            return "the system's zone: TZ='" + value +
                   "' is no readable zone file (a regular file in the tz database's compiled form, such as "
                   "/usr/share/zoneinfo/Europe/London).";
        return "the system's zone: TZ='" + value +
               "' names no zone of the tz database (set it to one, such as Europe/London, or to a zone file).";
    }
    return "unknown time zone '" + text +
           "'. Accepted: GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5), a zone of "
           "the tz database (Europe/London) or local.";
}

// The calendar of a text: gregorian or julian, or a reform (calendar_reform.h).
std::string checkCalendar(const std::string& text, CliOptions& o) {
    o.calendarText = lowered(text);
    o.calendarCode = o.calendarText == kCalendarWords[1] ? kJulianCode : kGregorianCode;
    o.reform.reset();
    if (o.calendarText == kCalendarWords[0] || o.calendarText == kCalendarWords[1]) return {};
    std::string complaint;
    o.reform = parseReform(o.calendarText, complaint);
    if (o.reform || o.calendarText.starts_with(kReformDatePrefix)) return complaint;
    const std::string accepted = complaint.substr(complaint.find("Accepted: "));
    return "unknown calendar '" + text + "'. " + accepted.substr(0, 10) + std::string(kCalendarWords[0]) + ", " +
           std::string(kCalendarWords[1]) + ", " + accepted.substr(10);
}

// A reminder's lead in minutes: a whole number of minutes, hours, days or weeks (30m, 2h, 1d,
// 1w), from a minute to a year; otherwise empty.
std::optional<std::int32_t> reminderMinutesOf(const std::string& text) {
    if (text.size() < 2) return std::nullopt;
    const char unit = static_cast<char>(std::tolower(static_cast<unsigned char>(text.back())));
    const std::int32_t per = unit == 'm' ? 1 : unit == 'h' ? 60 : unit == 'd' ? 1440 : unit == 'w' ? 7 * 1440 : 0;
    std::int32_t amount = 0;
    const char* const end = text.data() + text.size() - 1;
    const auto [stop, error] = std::from_chars(text.data(), end, amount);
    if (per == 0 || error != std::errc() || stop != end || amount < 1 || amount > kLongestReminderMinutes / per)
        return std::nullopt;
    return amount * per;
}

// SOURCE_DATE_EPOCH as the DTSTAMP of an iCalendar file: unset or empty leaves the time of the
// export; anything but a whole number of seconds from 1970 to 3000 is bad input, so that a
// build that asks for a reproducible file does not get one stamped with today.
std::optional<std::string> checkSourceDateEpoch(CliOptions& o) {
    const char* const value = std::getenv("SOURCE_DATE_EPOCH");
    if (!value || !*value) return std::nullopt;
    const std::string_view text(value);
    std::int64_t seconds = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.find_first_not_of("0123456789") != std::string_view::npos || error != std::errc() ||
        stop != text.data() + text.size() || seconds > kLastStampSeconds)
        return "SOURCE_DATE_EPOCH='" + std::string(text) +
               "' is no time: a whole number of seconds since 1970-01-01 00:00 UTC (up to 32535215999, the end of 3000) is needed.";
    o.sourceDateEpoch = seconds;
    return std::nullopt;
}

// A transformer from the words of an option, in any case, to the number of their value, which
// CLI11 then stores in the option's enum or integer; otherwise a complaint naming the words.
template <typename Value>
CLI::Validator wordsOf(const std::string& what, std::vector<std::pair<std::string, Value>> words) {
    return CLI::Validator(
        [what, words = std::move(words)](std::string& value) -> std::string {
            value = lowered(value);
            for (const auto& [word, meaning] : words) {
                if (word != value) continue;
                value = std::to_string(static_cast<long>(meaning));
                return {};
            }
            std::string accepted;
            for (const auto& word : words) accepted += (accepted.empty() ? "" : ", ") + word.first;
            return "unknown " + what + " '" + value + "'. Accepted: " + accepted + ".";
        },
        "");
}

// The words of `table` with the values of the enum in the same order.
template <typename Value, std::size_t count>
std::vector<std::pair<std::string, Value>> inEnumOrder(const std::array<std::string_view, count>& table) {
    std::vector<std::pair<std::string, Value>> words;
    for (std::size_t i = 0; i < count; ++i) words.emplace_back(table[i], static_cast<Value>(i));
    return words;
}

// The options that choose the methods of the events.
void declareMethodOptions(CLI::App& app, CliOptions& o) {
    app.add_option("--method", o.methodText,
                   "methods of the cross-quarter days, comma-separated: true (the Sun at 45 degrees past an "
                   "equinox or solstice), mean (the midpoint in time), fixed (the traditional 1 Feb, 1 May, 1 Aug, "
                   "1 Nov, a whole day); both = true,mean (default)")
        ->check(CLI::Validator([&o](std::string& list) { return checkMethods(list, o.selection); }, ""))
        ->type_name("LIST");
    app.add_option("--equinox-method", o.equinoxMethod,
                   "method of the equinoxes and solstices: meeus (default; Meeus ch. 27, as the window) or "
                   "true (the true sun, as the cross-quarter days)")
        ->transform(wordsOf<EquinoxMethodChoice>("equinox method",
                                                 inEnumOrder<EquinoxMethodChoice>(kEquinoxMethodWords)))
        ->type_name("METHOD");
}

// The turning points beside the events: any longitude of the Sun.
void declareLongitudeOption(CLI::App& app, CliOptions& o) {
    app.add_option("--longitude", o.longitudeTexts,
                   "also the instant the Sun's apparent longitude reaches DEG (0 to 360, to 0.001; repeatable); "
                   "without --events, only these")
        ->check(CLI::Validator(
            [&o](std::string& text) {
                const auto degrees = parseLongitude(text);
                if (!degrees) return "a solar longitude in degrees from 0 to 360 (not 360 itself) is needed, not '" +
                                     text + "'";
                addPoint(o.selection.turningPoints, {TurningKind::Longitude, *degrees});
                return std::string();
            },
            ""))
        ->type_name("DEG");
}

void declareOptions(CLI::App& app, CliOptions& o) {
    app.add_option("YEAR", o.yearText, "the year, 1 to 3000 (the current year when none is given)")->type_name("");
    app.add_option("--calendar", o.calendarText,
                   "calendar of the dates: gregorian (default) or julian, or the one in force under a reform: rome, "
                   "britain, russia, greece or reform:YYYY-MM-DD (see Calendars below)")
        ->check(CLI::Validator([&o](std::string& text) { return checkCalendar(text, o); }, ""))
        ->type_name("CAL");
    app.add_flag("--dual-dates", o.dualDates,
                 "in the years 1582 to 1923, each date also in the other calendar, with its weekday");
    app.add_option("--zone", o.zoneText, "time zone (GMT by default): see Zones below")
        ->check(CLI::Validator(
            [&o](std::string& text) {
                const auto zone = parseZone(text, platform::timeZoneFolder());
                if (!zone) return zoneComplaint(text);
                o.zone = *zone;
                return std::string();
            },
            ""))
        ->type_name("ZONE");
    app.add_flag("--weekday", o.weekday, "add the weekday to each line");
    app.add_flag("--seconds", o.seconds,
                 "times to the second, with their uncertainty (\u00B1 N s or \u00B1 N min) and \"(day uncertain)\" "
                 "where the local date could go either way");
    app.add_option("--events", o.eventsText, "comma-separated events (all by default): see Events below")
        ->check(CLI::Validator([&o](std::string& list) { return checkEvents(list, o.selection); }, ""))
        ->type_name("LIST");
    declareMethodOptions(app, o);
    declareLongitudeOption(app, o);
    auto* all = app.add_flag("--all", o.all, "the eight cells of the summary, clockwise from top left");
    app.add_option("--hemisphere", o.hemisphere,
                   "north (default) or south: the names of the summary's cells and of the exports")
        ->transform(wordsOf<Hemisphere>("hemisphere", inEnumOrder<Hemisphere>(kHemisphereWords)))
        ->type_name("H");
    app.add_option("--names", o.namesLanguage,
                   "language of the events' names in the lines and exports: en (default) or de; the rest, and "
                   "the turning points' names, stay English")
        ->transform(wordsOf<std::int16_t>("language", inEnumOrder<std::int16_t>(kNamesWords)))
        ->type_name("LANG");
    auto* from = app.add_option("--from", o.fromText, "first year of a range, instead of YEAR")->type_name("Y1");
    auto* to = app.add_option("--to", o.toText, "last year of the range")->type_name("Y2");
    from->needs(to);
    to->needs(from);
    auto* format = app.add_option("--format", o.format,
                                  "text (default), csv, json, ics (iCalendar) or svg (a picture of the year)")
                       ->transform(wordsOf<OutputFormat>("format", inEnumOrder<OutputFormat>(kFormatWords)))
                       ->type_name("FORMAT");
    auto* csv = app.add_flag_callback("--csv", [&o] { o.format = OutputFormat::Csv; }, "short for --format csv");
    csv->excludes(format);
    all->excludes(csv);
    app.add_flag("--crlf", o.crlf, "end text, CSV and JSON lines in CR LF, as the window's output box");
    app.add_flag("--all-day", o.allDay,
                 "iCalendar: each event as the whole day of its local date in ZONE, not as an instant");
    app.add_option("--remind", o.remindTexts,
                   "iCalendar: a reminder that long before each event: 30m, 2h, 1d, 1w (repeatable)")
        ->check(CLI::Validator(
            [&o](std::string& text) {
                const auto minutes = reminderMinutesOf(text);
                if (!minutes)
                    return "a reminder is a whole number of minutes, hours, days or weeks before the event, up to a "
                           "year (30m, 2h, 1d, 1w), not '" + text + "'";
                if (std::find(o.reminderMinutes.begin(), o.reminderMinutes.end(), *minutes) == o.reminderMinutes.end())
                    o.reminderMinutes.push_back(*minutes);
                return std::string();
            },
            ""))
        ->type_name("DURATION");
    app.add_option("--output", o.outputPath,
                   "write to FILE (- for standard output), replacing it only once the whole output is written")
        ->type_name("FILE");
    app.add_option("--jobs", o.jobs, "threads computing the years of a range (the machine's cores by default)")
        ->check(CLI::Range(1u, kMaxJobs))
        ->type_name("N");
    app.set_version_flag("-V,--version", std::string("varnex-cli ") + kVersion, "print the version and exit");
    app.footer(kFooter);
}

// What no single option can check: CLI11's complaint for the options, or a plain sentence.
std::optional<std::string> crossCheck(CliOptions& o) {
    if (o.all && o.format != OutputFormat::Text)
        throw CLI::ExcludesError("--all", "--format " + std::string(kFormatWords[static_cast<std::size_t>(o.format)]));
    if (o.all && o.equinoxMethod == EquinoxMethodChoice::True)  // the summary is the window's
        throw CLI::ExcludesError("--all", "--equinox-method true");
    if (o.outputPath && o.outputPath->empty())
        throw CLI::ValidationError("--output", "a file name is needed (- for standard output)");
    if (o.outputPath == "-") o.outputPath.reset();
    if (o.all && (o.seconds || !o.selection.turningPoints.empty()))  // the summary is the window's
        throw CLI::ExcludesError("--all", o.seconds ? "--seconds" : "--longitude and the turning points of --events");
    if (!o.longitudeTexts.empty() && !o.eventsText) o.selection.events.fill(false);
    o.selection.equinoxTrueSun = o.equinoxMethod == EquinoxMethodChoice::True;
    if (o.yearText && o.fromText) return "Give either YEAR or --from and --to, not both.";
    if (o.format == OutputFormat::Svg && o.fromText) return "--format svg draws one year: give YEAR.";
    if ((o.allDay || !o.remindTexts.empty()) && o.format != OutputFormat::ICalendar)
        return std::string(o.allDay ? "--all-day" : "--remind") + " is for --format ics.";
    if (o.dualDates && (o.all || o.format == OutputFormat::ICalendar || o.format == OutputFormat::Svg))
        return "--dual-dates is for the lines and for --format csv or json.";
    std::sort(o.reminderMinutes.rbegin(), o.reminderMinutes.rend());  // the earliest alarm first
    if (o.format == OutputFormat::ICalendar)
        if (auto complaint = checkSourceDateEpoch(o)) return complaint;
    if (o.all || o.format == OutputFormat::Svg) return std::nullopt;
    if (const auto rejection = checkSelection(o.selection, kCalculateCaption))
        return rejection->title.empty() ? rejection->prompt : rejection->title + ": " + rejection->prompt;
    return std::nullopt;
}

// "--output=" with nothing after the "=": CLI11 would take the next argument as the value
// ("--output= notes.txt" writing over notes.txt). An empty value is bad input.
void refuseEmptyValues(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return;
        if (arg.starts_with("--") && arg.find('=') == arg.size() - 1)
            throw CLI::ValidationError(arg.substr(0, arg.size() - 1), "an empty value after '='");
    }
}

}  // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app(kDescription, "varnex-cli");
    CliOptions options;
    options.jobs = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxJobs);
    declareOptions(app, options);
    std::optional<std::string> rejection;
    try {
        refuseEmptyValues(args);
        std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
        app.parse(reversed);
        rejection = crossCheck(options);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return {std::nullopt, kCliOk};
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return {std::nullopt, kCliOk};
    } catch (const CLI::ParseError& error) {
        err << "varnex-cli: " << error.what() << "\nTry 'varnex-cli --help'.\n";
        return {std::nullopt, kCliBadInput};
    }
    if (rejection) {
        err << *rejection << '\n';
        return {std::nullopt, kCliBadInput};
    }
    return {std::move(options), kCliOk};
}

}  // namespace varnex
