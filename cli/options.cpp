#include "options.h"

#include "report/events.h"
#include "report/turning_points.h"
#include "report/upcoming.h"
#include "report/year_input.h"
#include "platform/time_zone_folder.h"
#include "text/case_fold.h"
#include "varnex/version.h"
#include "zones/fixed_offsets.h"
#include "zones/named_zone.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <istream>
#include <iterator>
#include <map>
#include <ostream>
#include <sstream>
#include <thread>

namespace varnex {
namespace {

constexpr std::string_view kDescription =
    "Dates and times of the equinoxes, solstices and cross-quarter days of YEAR, as the Calculate command "
    "of Varnex lists them, or as CSV, JSON or iCalendar for scripts, spreadsheets and calendar programs, "
    "or as a picture of the year (SVG).";

// The paragraphs after the options, each wrapped to the width of a terminal.
constexpr std::string_view kFooter[] = {
    "Events: imbolc, march, beltane, june, lughnassad, september, samhain, december, any case, "
    "comma-separated; the names the lines and the summary print (\"Spring equinox\", \"March equinox\", "
    "\"Mid-winter\"); ostara, litha, "
    "mabon, yule, lughnasadh, lammas. With --hemisphere south the words of a season name the southern "
    "event (beltane is early November, ostara the September equinox); march, june, september and "
    "december, and the event column's keys, stay as they are. meteorological: the first days of the "
    "meteorological seasons, 1 March, 1 June, 1 September and 1 December; met-spring, met-summer, "
    "met-autumn and met-winter one each, for the hemisphere (met-spring is 1 September in the south); "
    "their keys go by month, met-march to met-december.",
    "Turning points: perihelion, aphelion, apsides (both), solar-terms (all 24), one term by its id "
    "(term-15, term-015), pinyin (qingming, Qīngmíng), characters (清明) or English name (\"pure "
    "brightness\"). A year's turning points are those dated in it: none, one or two of each.",
    "Zones: GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5); a zone of the tz "
    "database with its summer time (Europe/London, America/New_York); local, the system's zone; "
    "lmt:LONGITUDE, the local mean time of a longitude (degrees, east positive: lmt:9.99 is "
    "GMT+00:39:58), and solar:LONGITUDE, its apparent solar time (a sundial's). A line in local mean "
    "time (also a zone's before its standard time) ends its zone in LMT, one in solar time in LAT. "
    "The database's fixed zones EST, MST and HST are refused: they keep no summer time.",
    "Calendars: gregorian and julian, proleptic; or the calendar in force under a reform, Julian (Old "
    "Style, JC) before it and Gregorian (New Style, CE) from it: rome (1582), britain (1752), russia "
    "(1918), greece (1923), reform:YYYY-MM-DD (the first Gregorian day). Until 1752 the English legal "
    "year began on 25 March: with --dual-dates, a British date from 1 January to 24 March also shows "
    "the year as then written (1699/1700).",
    "Rules: nowruz, the Iranian new year: the day of the true sun's March equinox if it falls before "
    "12:00 Iran Standard Time (the 52.5 degrees east meridian), else the next day; nowruz-true-noon, "
    "the same with Tehran's true noon; naw-ruz, the Baha'i new year: that day if the equinox falls "
    "before sunset in Tehran, else the next; before:HH:MM, a clock time of --zone. Each line gives the "
    "equinox and its margin; CSV and JSON add rule_margin_seconds and rule_uncertain.",
    "Times are cut to the minute (to the second with --seconds) after a nudge of 0.864 ms, as the "
    "window cuts them; --round rounds them, as published tables do. The uncertainty is a bound that "
    "about 95 % of credible computations fall within.",
    "An option that cannot change the chosen output is refused (status 2), with the reason.",
    "Exit status: 0 success; 1 output lost (a write error, no memory) or the program text "
    "unreadable; 2 bad input, with a message on standard error and nothing on standard output.",
    "The formats, the uncertainty, the calendars and the examples: varnex-cli(1).",
};

constexpr std::size_t kHelpWidth = 80;
constexpr std::size_t kHelpColumn = 24;  // where an option's description begins

// The latest DTSTAMP written: 3000-12-31 23:59:59 UTC, the end of the program's years (libical
// writes a later time as a date of the year 0).
constexpr std::int64_t kLastStampSeconds = 32'535'215'999;
// The longest reminder: a year ahead, in minutes.
constexpr std::int32_t kLongestReminderMinutes = 366 * 1440;

constexpr std::string_view kCalculateCaption = "Calculate dates and times of selected events";

// What each option accepts, as a refusal of it ends.
const std::map<std::string, std::string, std::less<>>& acceptedOf() {
    static const std::map<std::string, std::string, std::less<>> accepted = {
        {"YEAR", "a whole number from 1 to 3000"},
        {"--from", "a year from 1 to 3000, and --to"},
        {"--to", "a year from 1 to 3000, and --from"},
        {"--calendar", "gregorian, julian, " + reformsAcceptedText()},
        {"--zone", "GMT-12:00 to GMT+14:00 in quarter hours (GMT+05:30, +05:45, -1, 5.5), a zone of the tz "
                   "database (Europe/London), local, or lmt: or solar: and a longitude from -180 to 180 (lmt:9.99)"},
        {"--events", "the events and turning points --help lists under Events"},
        {"--method", "a comma-separated list of true, mean and fixed, or both (true,mean)"},
        {"--equinox-method", "meeus or true"},
        {"--longitude", "a solar longitude in degrees from 0 to 360 (not 360 itself)"},
        {"--hemisphere", "north or south"},
        {"--names", "celtic, neutral, wiccan or de (en: celtic)"},
        {"--format", "text, csv, json, ics or svg"},
        {"--remind", "a whole number of minutes, hours, days or weeks before the event, up to a year (30m, 2h, "
                     "1d, 1w)"},
        {"--output", "a file name, or - for standard output"},
        {"--jobs", "a whole number from 1 to 256"},
        {"--rule", "nowruz, nowruz-true-noon, naw-ruz, or before:HH:MM (00:01 to 23:59)"},
        {"--next", "a whole number from 1 to 1000, or nothing for 1"},
        {"--now", "an ISO 8601 time of the years 1 to 3000, in UTC or with its offset: 2026-03-01T00:00:00Z, "
                  "2026-03-01T09:30+05:30, 2026-03-01 (midnight UTC)"}};
    return accepted;
}

std::string accepted(std::string_view what) {
    const auto found = acceptedOf().find(what);
    return found == acceptedOf().end() ? "the options --help lists" : found->second;
}

// A complaint of a CLI11 check: CLI11 puts the option's name before it ("--zone: ..."), and
// parseCommandLine splits it at its "; " into what was wrong and what is accepted.
std::string complaint(std::string_view wrong, std::string_view what) { return std::string(wrong) + "; " + accepted(what); }

// ---- Words ----------------------------------------------------------------------------------

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The items of a comma-separated list, trimmed and case-folded, empty ones left out. A comma
// in brackets belongs to its item: "Pure Brightness (Qīngmíng, 清明)" is one name.
std::vector<std::string> listItems(const std::string& list) {
    std::vector<std::string> items;
    std::string item;
    int depth = 0;
    const auto end = [&items, &item] {
        if (std::string done = foldCase(trimmed(item)); !done.empty()) items.push_back(std::move(done));
        item.clear();
    };
    for (const char c : list) {
        depth += c == '(' ? 1 : c == ')' && depth > 0 ? -1 : 0;
        if (c == ',' && depth == 0) end();
        else item += c;
    }
    end();
    return items;
}

// ---- Events ---------------------------------------------------------------------------------

// The event a word names, as an index in kEventTable, and whether the word names a season
// (and so the southern event with --hemisphere south) rather than a month: the keys, the
// names of the lines of both hemispheres and of the summary ("spring (march) equinox" and
// "autumn (march) equinox" name March, "spring equinox" a season), and the common names of
// the wheel of the year.
struct NamedEvent {
    std::size_t index;
    bool season;
};

std::optional<NamedEvent> eventNamed(const std::string& word) {
    static const std::map<std::string, std::string> aliases = {
        {"ostara", "march"}, {"litha", "june"}, {"lughnasadh", "lughnassad"}, {"lammas", "lughnassad"},
        {"mabon", "september"}, {"yule", "december"}};
    const auto alias = aliases.find(word);
    const EventNameTable& neutral = eventNamesOf(intEnglish, NameSet::Neutral);
    for (std::size_t i = 0; i < kEventTable.size(); ++i) {
        const EventRow& row = kEventTable[i];
        const bool crossQuarter = row.family == EventFamily::CrossQuarter;
        // The neutral names: a month names its event, a middle of a season the season's.
        const std::string& neutralName = neutral[crossQuarter ? kNameCrossQuarterNorth : kNameFullEquinoxSolstice]
                                                [static_cast<std::size_t>(row.quarter)];
        if (word == foldCase(neutralName)) return NamedEvent{i, crossQuarter};
        const bool southernLine = !crossQuarter && word == foldCase(southernLineName(eventNamesOf(intEnglish), row.quarter));
        if (word == row.key || word == foldCase(std::string(row.caption)) || southernLine)
            return NamedEvent{i, crossQuarter};
        if (word == foldCase(RemoveParenthesizedPart(row.caption)) || (alias != aliases.end() && alias->second == row.key))
            return NamedEvent{i, true};
    }
    return std::nullopt;
}

// The event of the other hemisphere's same season: the same family, two quarters on.
std::size_t southern(std::size_t index) {
    const EventRow& row = kEventTable[index];
    return eventIndexOf(row.family, static_cast<std::int16_t>((row.quarter + 2) % 4));
}

// A term's id with any number of digits (term-15, term-015): its longitude, a multiple of 15.
std::optional<double> termIdLongitude(std::string_view word) {
    if (!word.starts_with("term-")) return std::nullopt;
    int degrees = -1;
    const auto [end, error] = std::from_chars(word.data() + 5, word.data() + word.size(), degrees);
    if (error != std::errc() || end != word.data() + word.size() || degrees % 15 != 0 || degrees < 0 || degrees > 345)
        return std::nullopt;
    return degrees;
}

// Whether a word names a term in one of the forms the program prints or a user types: its id,
// pinyin with or without tone marks, characters, English name, and the names of the lines
// ("qingming (pure brightness)") and the exports ("pure brightness (qīngmíng, 清明)").
bool namesTerm(const std::string& word, const SolarTerm& term) {
    const TurningPoint point{TurningKind::SolarTerm, static_cast<double>(term.longitudeDeg)};
    std::string spaced = word;
    std::replace(spaced.begin(), spaced.end(), '-', ' ');
    const auto id = termIdLongitude(word);
    return (id && *id == term.longitudeDeg) || word == foldCase(std::string(term.pinyinAscii)) ||
           word == foldCase(std::string(term.pinyin)) || word == term.characters ||
           spaced == foldCase(std::string(term.english)) || word == foldCase(turningPointLineName(point)) ||
           word == foldCase(turningPointName(point));
}

// The turning points a word stands for: perihelion, aphelion, apsides (both), solar-terms (all
// 24), a term (namesTerm), or a longitude.
std::vector<TurningPoint> turningPointsNamed(const std::string& word) {
    if (word == "perihelion") return {{TurningKind::Perihelion, 0}};
    if (word == "aphelion") return {{TurningKind::Aphelion, 0}};
    if (word == "apsides") return {{TurningKind::Perihelion, 0}, {TurningKind::Aphelion, 0}};
    // A longitude by its id (longitude-123.456) or its line's name (solar longitude 123.456°).
    for (const std::string_view prefix : {"longitude-", "solar longitude "}) {
        std::string_view degrees = std::string_view(word);
        if (!degrees.starts_with(prefix)) continue;
        degrees.remove_prefix(prefix.size());
        if (degrees.ends_with("\u00B0")) degrees.remove_suffix(std::string_view("\u00B0").size());
        if (const auto value = parseLongitude(degrees)) return {{TurningKind::Longitude, *value}};
    }
    std::vector<TurningPoint> terms;
    for (const SolarTerm& term : kSolarTerms)
        if (word == "solar-terms" || namesTerm(word, term))
            terms.push_back({TurningKind::SolarTerm, static_cast<double>(term.longitudeDeg)});
    return terms;
}

// The meteorological seasons a word names, by month quarter (0 is 1 March): meteorological (all
// four), met-spring, met-summer, met-autumn, met-winter or their names ("meteorological spring")
// for the hemisphere, or a row's key, met-march to met-december.
std::vector<std::int16_t> meteorologicalNamed(const std::string& word, Hemisphere hemisphere) {
    std::vector<std::int16_t> quarters;
    for (std::int16_t q = 0; q < 4; ++q)
        if (word == "meteorological" || word == "met-" + std::string(meteorologicalSeasonWord(q, hemisphere)) ||
            word == meteorologicalKey(q) || word == foldCase(meteorologicalName(q, hemisphere, intEnglish)))
            quarters.push_back(q);
    return quarters;
}

// Adds a turning point once, in the order first named.
void addPoint(std::vector<TurningPoint>& points, const TurningPoint& point) {
    if (std::find(points.begin(), points.end(), point) == points.end()) points.push_back(point);
}

// The selection the events, methods and longitudes make: the events' words read for the
// hemisphere (a season's word names the southern event there), the turning points in the order
// first named, and the longitudes after them. Without --events, the eight events, or none when
// longitudes are given.
Selection selectionOf(const CliOptions& o) {
    Selection selection;
    selection.events.fill(!o.events && o.longitudes.empty());
    for (const std::string& word : o.events ? o.events->words : std::vector<std::string>()) {
        if (const auto named = eventNamed(word)) {
            selection.events[named->season && o.hemisphere == Hemisphere::South ? southern(named->index) : named->index] = true;
            continue;
        }
        for (const std::int16_t q : meteorologicalNamed(word, o.hemisphere))
            selection.meteorological[static_cast<std::size_t>(q)] = true;
        for (const TurningPoint& point : turningPointsNamed(word)) addPoint(selection.turningPoints, point);
    }
    for (const Longitude& longitude : o.longitudes) addPoint(selection.turningPoints, {TurningKind::Longitude, longitude.degrees});
    selection.trueSun = o.methods.trueSun;
    selection.meanSun = o.methods.meanSun;
    selection.fixedDate = o.methods.fixedDate;
    selection.equinoxTrueSun = o.equinoxMethod == EquinoxMethodChoice::True;
    return selection;
}

// ---- The values with a type of their own: a check with the complaint, then the reading ------

std::string checkEvents(const std::string& list) {
    for (const std::string& word : listItems(list))
        if (!eventNamed(word) && turningPointsNamed(word).empty() && meteorologicalNamed(word, Hemisphere::North).empty())
            return complaint("unknown event '" + word + "'", "--events");
    return {};
}

std::string checkMethods(const std::string& list) {
    const std::vector<std::string> words = listItems(list);
    for (const std::string& word : words)
        if (std::find(kMethodWords.begin(), kMethodWords.end(), word) == kMethodWords.end())
            return complaint("unknown method '" + word + "'", "--method");
    return words.empty() ? complaint("no method", "--method") : std::string();
}

MethodChoice methodsOf(const std::string& list) {
    MethodChoice methods{false, false, false};
    for (const std::string& word : listItems(list)) {
        methods.trueSun = methods.trueSun || word == "true" || word == "both";
        methods.meanSun = methods.meanSun || word == "mean" || word == "both";
        methods.fixedDate = methods.fixedDate || word == "fixed";
    }
    return methods;
}

// The database's zones that are fixed offsets under the name of a summer-time zone's
// abbreviation: a user who types EST means New York's clock, which they do not keep.
struct FixedAbbreviation {
    std::string_view zone;    // whose clock the abbreviation names
    std::string_view offset;  // the fixed offset it is in the database
};

std::optional<FixedAbbreviation> fixedZoneAbbreviation(const std::string& text) {
    static const std::map<std::string, FixedAbbreviation> kinds = {
        {"est", {"America/New_York", "GMT-05:00"}}, {"mst", {"America/Denver", "GMT-07:00"}},
        {"hst", {"Pacific/Honolulu", "GMT-10:00"}}};
    const auto found = kinds.find(foldCase(text));
    if (found == kinds.end()) return std::nullopt;
    return found->second;
}

std::optional<Zone> zoneOf(const std::string& text) {
    if (fixedZoneAbbreviation(text)) return std::nullopt;
    return parseZone(text, platform::timeZoneFolder());
}

std::string checkZone(const std::string& text) {
    if (zoneOf(text)) return {};
    if (const auto meant = fixedZoneAbbreviation(text))
        return "'" + text + "' is the tz database's fixed offset, without summer time; for the clock of a place "
               "give its zone (" + std::string(meant->zone) + "), or the offset itself (" + std::string(meant->offset) + ")";
    if (!equalIgnoringCase(text, "local")) return complaint("unknown time zone '" + text + "'", "--zone");
    const char* tz = std::getenv("TZ");
    const std::string value = tz ? tz : "";
    if (value.starts_with('/') || value.starts_with(":/"))
        return "TZ='" + value + "' is no readable zone file; a regular file in the tz database's compiled form "
               "(/usr/share/zoneinfo/Europe/London), or TZ unset for /etc/localtime";
    return "TZ='" + value + "' names no zone of the tz database; a zone's name (Europe/London), the path of a "
           "zone file, or TZ unset for /etc/localtime";
}

std::optional<CalendarReform> calendarOf(const std::string& text, std::string& reason) {
    const std::string word = foldCase(text);
    if (word == kCalendarWords[0]) return kProlepticGregorian;
    if (word == kCalendarWords[1]) return kProlepticJulian;
    return parseReform(word, reason);
}

std::string checkCalendar(const std::string& text) {
    std::string reason;
    if (calendarOf(text, reason)) return {};
    if (foldCase(text).starts_with(kReformDatePrefix)) return complaint(reason, "--calendar");
    return complaint("unknown calendar '" + text + "'", "--calendar");
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

std::string checkReminder(const std::string& text) {
    return reminderMinutesOf(text) ? std::string() : complaint("'" + text + "' is no reminder", "--remind");
}

std::string checkLongitude(const std::string& text) {
    return parseLongitude(text) ? std::string() : complaint("'" + text + "' is no longitude", "--longitude");
}

std::optional<std::size_t> nextCountOf(const std::string& text) {
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > kMaxNext) return std::nullopt;
    return n;
}

std::string checkNext(const std::string& text) {
    return text.empty() || nextCountOf(text) ? std::string() : complaint("'" + text + "' is not a number of events", "--next");
}

std::string checkNow(const std::string& text) {
    return parseMoment(text) ? std::string() : complaint("'" + text + "' is no time", "--now");
}

std::string checkRule(const std::string& text) {
    return parseDayRule(foldCase(text)) ? std::string() : complaint("unknown rule '" + text + "'", "--rule");
}

std::string checkJobs(const std::string& text) {
    unsigned n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (error != std::errc() || end != text.data() + text.size() || n < 1 || n > kMaxJobs)
        return complaint("'" + text + "' is not a number of threads", "--jobs");
    return {};
}

// SOURCE_DATE_EPOCH as the DTSTAMP of an iCalendar file: unset or empty leaves the time of the
// export; anything but a whole number of seconds from 1970 to 3000 is bad input, so that a
// build that asks for a reproducible file does not get one stamped with today.
struct SourceDateEpoch {
    std::optional<std::int64_t> seconds;
    std::optional<Refusal> refusal;
};

SourceDateEpoch sourceDateEpoch() {
    const char* const value = std::getenv("SOURCE_DATE_EPOCH");
    if (!value || !*value) return {};
    const std::string_view text(value);
    std::int64_t seconds = 0;
    const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (text.find_first_not_of("0123456789") == std::string_view::npos && error == std::errc() &&
        stop == text.data() + text.size() && seconds <= kLastStampSeconds)
        return {seconds, std::nullopt};
    return {std::nullopt, Refusal{"SOURCE_DATE_EPOCH", "'" + std::string(text) + "' is no time",
                                  "a whole number of seconds since 1970-01-01 00:00 UTC, up to 32535215999 (the end "
                                  "of 3000)"}};
}

// The text an operator>> below reads: the whole of what is left.
std::string restOf(std::istream& in) { return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}; }

// A check (its complaint for a bad text) as CLI11 takes it.
CLI::Validator checked(std::string (*check)(const std::string&)) {
    return CLI::Validator([check](const std::string& text) { return check(text); }, "");
}

// The words of an option with a choice, in any case, read by CLI11's CheckedTransformer into the
// value of their position in `words`, after a check that names what is accepted.
template <typename Value, std::size_t count>
void bindWords(CLI::Option* option, const std::string& what, const std::array<std::string_view, count>& words) {
    std::map<std::string, Value> values;
    for (std::size_t i = 0; i < count; ++i) values.emplace(std::string(words[i]), static_cast<Value>(i));
    const std::string name = option->get_name();
    option->transform(CLI::CheckedTransformer(values, CLI::ignore_case))
        ->transform(CLI::Validator(
            [name, what, words](const std::string& text) {
                if (std::find(words.begin(), words.end(), foldCase(text)) != words.end()) return std::string();
                return complaint("unknown " + what + " '" + text + "'", name);
            },
            ""));
}

// ---- Help -----------------------------------------------------------------------------------

// The columns a word takes in a terminal: two for a Chinese character, one for the others.
std::size_t columnsOf(std::string_view word) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const auto c = static_cast<unsigned char>(word[i]);
        if ((c & 0xC0) == 0x80) continue;
        const bool threeBytes = (c & 0xF0) == 0xE0 && i + 1 < word.size();
        const unsigned point = threeBytes ? ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(word[i + 1]) & 0x3Fu) << 6) : 0;
        columns += point >= 0x2E80 && point <= 0x9FFF ? 2 : 1;  // CJK: two columns wide
    }
    return columns;
}

// `text` broken into lines of at most kHelpWidth columns, every line after the first
// indented by `indent`; the first begins at column `column`.
std::string wrapped(std::string_view text, std::size_t column, std::size_t indent) {
    std::string out;
    std::size_t at = column;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = text.substr(start, end - start);
        // Columns on a terminal, and bytes for tools that count them (awk): the larger.
        const std::size_t length = std::max(columnsOf(word), word.size());
        if (at > column && at + 1 + length > kHelpWidth) {
            out += "\n" + std::string(indent, ' ');
            at = indent;
        } else if (at > column) {
            out += ' ';
            ++at;
        }
        out += word;
        at += length;
        start = end + 1;
    }
    return out;
}

// --help in sections that fit a terminal: no parser's markers, every description wrapped.
class HelpFormatter final : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string, CLI::AppFormatMode) const override {
        std::string text = "Usage: varnex-cli [OPTIONS] [YEAR]\n\n" + wrapped(app->get_description(), 0, 0) + "\n";
        for (const std::string& group : app->get_groups()) {
            text += "\n" + group + ":\n";
            for (const CLI::Option* option : app->get_options([&group](const CLI::Option* o) { return o->get_group() == group; }))
                text += optionHelp(*option);
        }
        for (const std::string_view paragraph : kFooter) text += "\n" + wrapped(paragraph, 0, 0) + "\n";
        return text;
    }

private:
    static std::string optionHelp(const CLI::Option& option) {
        std::string name = option.get_name(option.get_positional(), true);
        if (const auto comma = name.find(','); comma != std::string::npos) name.insert(comma + 1, " ");  // "-h, --help"
        name = "  " + name;
        // The type's name alone: CLI11 adds a transformer's table to it ("F:value in {csv->1,...}").
        if (!option.get_positional() && option.get_type_size() != 0) {
            const std::string type = option.get_type_name();
            name += " " + type.substr(0, type.find(':'));
        }
        if (name.size() + 1 >= kHelpColumn) name += "\n" + std::string(kHelpColumn, ' ');
        else name.resize(kHelpColumn, ' ');
        return name + wrapped(option.get_description(), kHelpColumn, kHelpColumn) + "\n";
    }
};

// ---- Declaration ----------------------------------------------------------------------------

void declareWhat(CLI::App& app, CliOptions& o) {
    const std::string group = "What";
    app.add_option("YEAR", o.yearText, "the year, 1 to 3000 (the current year by default)")->group(group);
    auto* from = app.add_option("--from", o.fromText, "the first year of a range, with --to, instead of YEAR")
                     ->type_name("Y1")->group(group);
    auto* to = app.add_option("--to", o.toText, "the last year of the range")->type_name("Y2")->group(group);
    from->needs(to);
    to->needs(from);
    app.add_option("--events", o.events, "the events and turning points, comma-separated (the eight events by "
                                         "default): see Events")
        ->check(checked(checkEvents))->type_name("LIST")->group(group);
    app.add_option("--method", o.methods, "the cross-quarter days by true (the Sun at 315, 45, 135, 225 "
                                          "degrees), mean (the midpoint in time), fixed (1 Feb, 1 May, 1 Aug, 1 "
                                          "Nov), or both (= true,mean, the default)")
        ->check(checked(checkMethods))->type_name("LIST")->group(group);
    bindWords<EquinoxMethodChoice>(
        app.add_option("--equinox-method", o.equinoxMethod, "the equinoxes and solstices by meeus (the default, as "
                                                            "the window) or true (the true sun)")
            ->type_name("M")->group(group),
        "equinox method", kEquinoxMethodWords);
    app.add_option("--longitude", o.longitudes, "also the instant the Sun's apparent longitude reaches DEG "
                                                "(0 to 360, to 0.001; repeatable)")
        ->check(checked(checkLongitude))->type_name("DEG")->group(group);
    app.add_flag("--all", o.all, "the window's summary of the year: its eight cells")->group(group);
    app.add_option("--rule", o.ruleText, "instead of the events: each year's day of a festival by its rule, "
                                         "nowruz (the March equinox before noon in Iran: that day, else the "
                                         "next), nowruz-true-noon, naw-ruz (before sunset in Tehran) or "
                                         "before:HH:MM in --zone; see Rules")
        ->check(checked(checkRule))->type_name("RULE")->group(group);
    app.add_option("--next", o.nextText, "instead of a year: the next N events after now (1 by default), "
                                           "each with the time left, and the season now")
        ->expected(0, 1)->check(checked(checkNext))->type_name("[N]")->group(group);
    app.add_option("--now", o.nowText, "the moment --next counts from (ISO 8601: 2026-03-01T00:00:00Z); the "
                                       "clock's by default")
        ->check(checked(checkNow))->type_name("TIME")->group(group);
}

void declareWhere(CLI::App& app, CliOptions& o) {
    const std::string group = "Where, in which calendar, with which names";
    app.add_option("--zone", o.zone, "GMT (the default), a fixed offset, a zone of the tz database, local, or "
                                     "lmt: or solar: and a longitude: see Zones")
        ->check(checked(checkZone))->type_name("ZONE")->group(group);
    app.add_option("--calendar", o.calendar, "gregorian (the default), julian, or a reform: see Calendars")
        ->check(checked(checkCalendar))->type_name("CAL")->group(group);
    app.add_flag("--dual-dates", o.dualDates, "in 1582 to 1923, each date also in the other calendar")->group(group);
    bindWords<Hemisphere>(app.add_option("--hemisphere", o.hemisphere, "north (the default) or south: the events' "
                                                                       "names, and the event a season's word names")
                              ->type_name("H")->group(group),
                          "hemisphere", kHemisphereWords);
    bindWords<NamesChoice>(app.add_option("--names", o.names, "the events' names: celtic (Imbolc, Spring equinox; "
                                                              "the default), neutral (March equinox, "
                                                              "Mid-winter), wiccan (Ostara, Yule) or de (German); en is "
                                                              "celtic; keys, columns and UIDs stay as they are")
                               ->type_name("SET")->group(group),
                           "name set", kNamesWords);
}

void declareOutput(CLI::App& app, CliOptions& o) {
    const std::string group = "Output";
    auto* format = app.add_option("--format", o.format, "text (the default), csv, json, ics (iCalendar) or svg (a "
                                                        "picture of the year)")
                       ->type_name("F")->group(group);
    bindWords<OutputFormat>(format, "format", kFormatWords);
    app.add_flag_callback("--csv", [&o] { o.format = OutputFormat::Csv; }, "the same as --format csv")
        ->excludes(format)->group(group);
    app.add_flag("--weekday", o.weekday, "text: each line with its weekday")->group(group);
    app.add_flag("--seconds", o.seconds, "text: times to the second, with their uncertainty (\u00B1 N s or \u00B1 N "
                                         "min) and \"(day uncertain)\" where the date could go either way")
        ->group(group);
    app.add_flag("--round", o.round, "times to the nearest minute (second with --seconds), as published "
                                     "tables give them; cut by default, as the window does")
        ->group(group);
    app.add_flag("--crlf", o.crlf, "text, CSV, JSON: lines end in CR LF, as in the window's output box")->group(group);
    app.add_flag("--all-day", o.allDay, "iCalendar: each event as the whole day of its local date")->group(group);
    app.add_option("--remind", o.reminders, "iCalendar: an alarm that long before each event: 30m, 2h, 1d, 1w "
                                            "(repeatable)")
        ->check(checked(checkReminder))->type_name("DURATION")->group(group);
    app.add_option("--output", o.outputPath, "write FILE (- for standard output): whole, or left as it was")
        ->type_name("FILE")->group(group);
    app.add_option("--jobs", o.jobs, "threads computing a range of years (the machine's cores by default)")
        ->check(checked(checkJobs))->type_name("N")->group(group);
}

void declareOptions(CLI::App& app, CliOptions& o) {
    app.formatter(std::make_shared<HelpFormatter>());
    declareWhat(app, o);
    declareWhere(app, o);
    declareOutput(app, o);
    app.set_help_flag("-h,--help", "this help, and exit")->group("Output");
    app.set_version_flag("-V,--version", std::string("varnex-cli ") + kVersion, "the version, and exit")
        ->group("Output");
}

// ---- Checks across options ------------------------------------------------------------------

bool given(const CliOptions& o, std::string_view option) { return o.given.contains(std::string(option)); }

// An option given that cannot change the chosen output: the first such, and why.
struct Useless {
    std::string_view option;
    bool when;
    std::string_view why;
    std::string_view instead;
};

// What the events selected hold: any of the eight, a cross-quarter day, an equinox or solstice,
// turning points other than solar terms.
struct Holds {
    bool table = false, crossQuarter = false, equinoxes = false, notOnlyTerms = false, meteorological = false;
    bool instants = false;  // anything with a time of day
};

Holds holdsOf(const Selection& selection) {
    Holds holds;
    for (std::size_t i = 0; i < kEventTable.size(); ++i) {
        if (!selection.events[i]) continue;
        holds.table = true;
        holds.crossQuarter = holds.crossQuarter || kEventTable[i].family == EventFamily::CrossQuarter;
        holds.equinoxes = holds.equinoxes || kEventTable[i].family == EventFamily::EquinoxSolstice;
    }
    holds.notOnlyTerms = holds.table || std::ranges::any_of(selection.turningPoints, [](const TurningPoint& p) {
                             return p.kind != TurningKind::SolarTerm;
                         });
    holds.meteorological = std::ranges::any_of(selection.meteorological, [](bool on) { return on; });
    holds.instants = !selection.turningPoints.empty() || holds.equinoxes ||
                     (holds.crossQuarter && (selection.trueSun || selection.meanSun));
    return holds;
}

std::optional<Refusal> uselessOption(const CliOptions& o) {
    const bool text = o.format == OutputFormat::Text && !o.all;
    const bool svg = o.format == OutputFormat::Svg;
    const bool ics = o.format == OutputFormat::ICalendar;
    const bool columns = o.format == OutputFormat::Csv || o.format == OutputFormat::Json;
    const Holds holds = holdsOf(o.selection);
    const Useless rules[] = {
        {"--events", o.all, "the summary (--all) holds the year's eight events", "leave out --events, or --all"},
        {"--method", o.all, "the summary (--all) gives the true and the mean sun", "leave out --method, or --all"},
        {"--longitude", o.all, "the summary (--all) holds the eight events only", "leave out --longitude, or --all"},
        {"--equinox-method", o.all, "the summary (--all) is the window's, by Meeus's method", "leave out one of them"},
        {"--weekday", o.all, "the summary (--all) has no weekdays", "leave out --weekday, or --all"},
        {"--weekday", columns, "CSV and JSON have the weekday column always", "leave out --weekday"},
        {"--weekday", svg || ics, "iCalendar and the wheel (svg) name no weekdays", "leave out --weekday"},
        {"--seconds", columns || ics, "CSV, JSON and iCalendar have the second always", "leave out --seconds"},
        {"--seconds", svg, "the wheel (svg) gives its times to the minute", "leave out --seconds"},
        {"--seconds", text && !holds.instants, "the events chosen are whole days", "leave out --seconds"},
        {"--events", svg && holds.notOnlyTerms, "the wheel (svg) draws every event by both methods",
         "--events solar-terms for the terms' ticks, meteorological for the seasons' first days"},
        {"--method", svg, "the wheel (svg) draws the true and the mean sun", "leave out --method"},
        {"--longitude", svg, "the wheel (svg) draws no longitude", "leave out --longitude"},
        {"--crlf", svg || ics, "SVG lines end in LF and iCalendar lines in CR LF always", "leave out --crlf"},
        {"--method", !o.all && !svg && !holds.crossQuarter, "no cross-quarter day is among the events",
         "add one to --events, or leave out --method"},
        {"--equinox-method", !o.all && !svg && !holds.equinoxes && !o.next, "no equinox or solstice is among the events",
         "add one to --events, or leave out --equinox-method"},
        {"--hemisphere", !o.all && !svg && !holds.table && !holds.meteorological && !o.next,
         "the turning points are the same in both hemispheres", "leave out --hemisphere"},
        {"--round", o.all, "the summary (--all) is the window's, its minutes cut", "leave out --round, or --all"},
        {"--round", ics, "iCalendar gives the second that holds each instant", "leave out --round"},
        {"--round", !o.all && !svg && !holds.instants, "the events chosen are whole days", "leave out --round"},
        {"--zone", !o.all && !svg && !o.rule && !o.next && !holds.instants,
         "the events chosen are whole days, the same in every zone", "leave out --zone"},
        {"--zone", ics && !o.allDay && !o.rule && !o.next && o.selection.turningPoints.empty(),
         "a timed iCalendar file gives each instant in UTC, which calendar programs show in their reader's zone",
         "--all-day for the days of that zone, or leave out --zone"},
        {"--all-day", ics && !o.rule && !holds.instants, "the events chosen are whole days already", "leave out --all-day"},
        {"--names", !o.all && !svg && !holds.table && !holds.meteorological && !ics && !(text && (o.weekday || o.seconds)) &&
                        !(o.next && o.language == intGerman),
         "the turning points' names are English in every language", "leave out --names"},
        {"--names", o.language == intEnglish && !o.all && !svg && !holds.table,
         "the sets differ in the eight events' names only", "leave out --names"}};
    for (const Useless& rule : rules)
        if (rule.when && given(o, rule.option))
            return Refusal{std::string(rule.option), "has no effect: " + std::string(rule.why), std::string(rule.instead)};
    return std::nullopt;
}

// The options that hold a single format only, or leave out the summary.
std::optional<Refusal> formatRefusal(const CliOptions& o) {
    if (o.format == OutputFormat::Svg && o.fromText) return Refusal{"--from", "the wheel (svg) draws one year", "YEAR alone"};
    if (o.all && o.format != OutputFormat::Text)
        return Refusal{"--all", "the summary is text only, not " + std::string(kFormatWords[static_cast<std::size_t>(o.format)]),
                       "leave out --format and --csv, or --all"};
    if (o.all && (o.seconds || o.dualDates)) {
        const std::string option = o.seconds ? "--seconds" : "--dual-dates";
        return Refusal{option, "the summary (--all) is the window's, without it", "leave out " + option + ", or --all"};
    }
    for (const char* ics : {"--all-day", "--remind"})
        if (given(o, ics) && o.format != OutputFormat::ICalendar)
            return Refusal{ics, "only for iCalendar", "--format ics with it"};
    if (o.dualDates && (o.format == OutputFormat::ICalendar || o.format == OutputFormat::Svg))
        return Refusal{"--dual-dates", "only for the text lines and for CSV and JSON", "leave out --dual-dates"};
    return std::nullopt;
}

// --next counts from a moment, not through years; --now is that moment.
std::optional<Refusal> nextRefusal(const CliOptions& o) {
    if (o.nowText && !o.next) return Refusal{"--now", "has no effect: it is the moment --next counts from", "add --next, or leave out --now"};
    if (!o.next) return std::nullopt;
    if (o.yearText || o.fromText)
        return Refusal{o.yearText ? "YEAR" : "--from", "given with --next, which counts from now (or --now)", "either --next or years"};
    if (o.all) return Refusal{"--all", "the summary is of a year, not of what comes next", "leave out --all, or --next"};
    if (o.format == OutputFormat::Svg) return Refusal{"--next", "the wheel (svg) draws a year", "another --format, or YEAR"};
    if (o.dualDates) return Refusal{"--dual-dates", "the next events are dated in the calendar chosen", "leave out --dual-dates, or --next"};
    return std::nullopt;
}

// A day rule gives a day a year from the true sun's March equinox: the options that choose
// events, methods or other outputs have nothing to change there.
std::optional<Refusal> ruleRefusal(const CliOptions& o) {
    if (!o.rule) return std::nullopt;
    const bool iran = o.rule->kind != DayRuleKind::Before;
    const Useless rules[] = {
        {"--events", true, "--rule gives the day of a festival", "leave out --events, or --rule"},
        {"--longitude", true, "--rule gives the day of a festival", "leave out --longitude, or --rule"},
        {"--method", true, "a rule takes the true sun's March equinox", "leave out --method"},
        {"--equinox-method", true, "a rule takes the true sun's March equinox", "leave out --equinox-method"},
        {"--all", true, "the summary is the window's", "leave out --all, or --rule"},
        {"--next", true, "--rule gives a day a year", "leave out --next, or --rule"},
        {"--seconds", true, "a rule's line has the equinox's second always", "leave out --seconds"},
        {"--round", true, "a rule's margin is exact", "leave out --round"},
        {"--hemisphere", true, "a festival's name is the same in both hemispheres", "leave out --hemisphere"},
        {"--dual-dates", true, "a rule's day is in the calendar chosen", "leave out --dual-dates"},
        {"--names", o.language == intEnglish, "a festival's name is the same in every name set but de", "leave out --names"},
        {"--all-day", true, "a festival is a whole day in iCalendar always", "leave out --all-day"},
        {"--zone", iran, "nowruz and naw-ruz are reckoned in Iran Standard Time (UTC+03:30)", "leave out --zone, or before:HH:MM"},
        {"--format", o.format == OutputFormat::Svg, "the wheel (svg) draws the events", "text, csv, json or ics"}};
    for (const Useless& rule : rules)
        if (rule.when && given(o, rule.option))
            return Refusal{std::string(rule.option), "has no effect with --rule: " + std::string(rule.why),
                           std::string(rule.instead)};
    return std::nullopt;
}

// The rules between options that CLI11 is not told, in the order a user would want to hear
// them. Changes nothing.
std::optional<Refusal> validate(const CliOptions& o) {
    if (o.outputPath && o.outputPath->empty()) return Refusal{"--output", "an empty file name", accepted("--output")};
    if (o.yearText && o.fromText) return Refusal{"YEAR", "given with --from and --to", "either YEAR or a range"};
    if (auto refused = formatRefusal(o)) return refused;
    if (auto refused = nextRefusal(o)) return refused;
    if (auto refused = ruleRefusal(o)) return refused;
    if (o.format == OutputFormat::ICalendar)
        if (auto refused = sourceDateEpoch().refusal) return refused;
    if (!o.all && o.format != OutputFormat::Svg)
        if (const auto rejection = checkSelection(o.selection, kCalculateCaption, intEnglish))
            return Refusal{"--events", rejection->prompt, accepted("--events")};
    return uselessOption(o);
}

// What the checked options make: the selection, the reminders each once with the earliest
// alarm first, the stamp of an iCalendar file; "-" for standard output.
void normalize(CliOptions& o) {
    if (o.outputPath == "-") o.outputPath.reset();
    o.language = o.names == NamesChoice::German ? intGerman : intEnglish;
    o.nameSet = o.names == NamesChoice::Neutral ? NameSet::Neutral
                : o.names == NamesChoice::Wiccan ? NameSet::Wiccan
                                                 : NameSet::Celtic;
    o.selection = selectionOf(o);
    o.reminderMinutes.clear();
    for (const Reminder& reminder : o.reminders)
        if (std::find(o.reminderMinutes.begin(), o.reminderMinutes.end(), reminder.minutes) == o.reminderMinutes.end())
            o.reminderMinutes.push_back(reminder.minutes);
    std::sort(o.reminderMinutes.rbegin(), o.reminderMinutes.rend());
    if (o.format == OutputFormat::ICalendar) o.sourceDateEpoch = sourceDateEpoch().seconds;
    if (given(o, "--next")) o.next = !o.nextText || o.nextText->empty() ? 1 : *nextCountOf(*o.nextText);
    if (o.nowText) o.nowJD = parseMoment(*o.nowText);
    if (o.ruleText) o.rule = parseDayRule(foldCase(*o.ruleText));
}

// "--output=" with nothing after the "=": CLI11 would take the next argument as the value
// ("--output= notes.txt" writing over notes.txt). An empty value is bad input.
std::optional<Refusal> emptyValue(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--") return std::nullopt;
        if (arg.starts_with("--") && arg.find('=') == arg.size() - 1) {
            const std::string option = arg.substr(0, arg.size() - 1);
            return Refusal{option, "an empty value after '='", accepted(option)};
        }
    }
    return std::nullopt;
}

// ---- CLI11's errors as refusals -------------------------------------------------------------

// CLI11 names the option first in most of its messages ("--zone: ...", "--from requires --to").
std::string firstWord(const std::string& text) { return text.substr(0, text.find_first_of(": ")); }

// What CLI11 left over: the first unknown option in the user's order, or else the argument
// given last of those left (the one too many).
Refusal extraRefusal(const std::string& message, const std::vector<std::string>& args, const CLI::App& app) {
    constexpr std::string_view kAccepted = "one YEAR (or --from and --to) and the options --help lists";
    for (const std::string& arg : args) {
        if (arg == "--") break;
        const bool looksLikeOption = arg.size() > 1 && arg[0] == '-' && (std::isalpha(static_cast<unsigned char>(arg[1])) ||
                                                                          (arg[1] == '-' && arg.size() > 2));
        const std::string name = arg.substr(0, arg.find('='));
        if (looksLikeOption && !app.get_option_no_throw(name)) return {name, "unknown option", std::string(kAccepted)};
    }
    std::istringstream left(message.substr(message.rfind(": ") + 2));
    std::string extra, last;
    std::ptrdiff_t lastAt = -1;
    while (left >> extra) {
        const auto at = std::find(args.rbegin(), args.rend(), extra);
        if (at != args.rend() && args.rend() - at > lastAt) lastAt = args.rend() - at, last = extra;
    }
    return {"'" + (last.empty() ? extra : last) + "'", "one argument too many", std::string(kAccepted)};
}

Refusal refusalOf(const CLI::ParseError& error, const std::vector<std::string>& args, const CLI::App& app) {
    const std::string message = error.what();
    if (dynamic_cast<const CLI::ExtrasError*>(&error)) return extraRefusal(message, args, app);
    if (dynamic_cast<const CLI::ValidationError*>(&error)) {
        const auto colon = message.find(": ");
        const std::string rest = message.substr(colon + 2);
        const auto semicolon = rest.find("; ");
        return {message.substr(0, colon), rest.substr(0, semicolon),
                semicolon == std::string::npos ? accepted(message.substr(0, colon)) : rest.substr(semicolon + 2)};
    }
    const std::string option = firstWord(message);
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
        if (message.find("At Most") != std::string::npos) return {option, "given more than once", "give it once"};
        return {option, "a value is needed", accepted(option)};
    }
    if (dynamic_cast<const CLI::RequiresError*>(&error))
        return {option, "needs " + message.substr(message.rfind(' ') + 1), "a range is --from Y1 --to Y2"};
    if (dynamic_cast<const CLI::ExcludesError*>(&error))
        return {option, "not with " + message.substr(message.rfind(' ') + 1), "--csv is --format csv: give one"};
    if (dynamic_cast<const CLI::ConversionError*>(&error)) {  // "Could not convert: --weekday = maybe"
        const std::string what = message.substr(message.find(": ") + 2);
        return {what.substr(0, what.find(' ')), "takes no value", "the option alone"};
    }
    return {"the command line", message, "the options --help lists"};
}

// Which options the command line gave, for the checks across them.
std::set<std::string> givenOptions(const CLI::App& app) {
    std::set<std::string> names;
    for (const CLI::Option* option : app.get_options())
        if (option->count() > 0) names.insert(option->get_name(false, false));
    return names;
}

}  // namespace

// Each reads a text its option's check has passed (so that CLI11, which calls them, never sees
// them fail on the command line).
std::istream& operator>>(std::istream& in, ZoneChoice& choice) {
    const std::string text = restOf(in);
    const auto zone = zoneOf(text);
    if (!zone) {
        in.setstate(std::ios::failbit);
        return in;
    }
    choice = {*zone, equalIgnoringCase(text, "local") && !zone->isFixed() ? zone->name() : text};
    return in;
}

std::istream& operator>>(std::istream& in, CalendarReform& calendar) {
    std::string reason;
    const auto reform = calendarOf(restOf(in), reason);
    if (reform) calendar = *reform;
    else in.setstate(std::ios::failbit);
    return in;
}

std::istream& operator>>(std::istream& in, MethodChoice& methods) {
    methods = methodsOf(restOf(in));
    return in;
}

std::istream& operator>>(std::istream& in, EventWords& events) {
    events.words = listItems(restOf(in));
    return in;
}

std::istream& operator>>(std::istream& in, Longitude& longitude) {
    const auto degrees = parseLongitude(restOf(in));
    if (degrees) longitude.degrees = *degrees;
    else in.setstate(std::ios::failbit);
    return in;
}

std::istream& operator>>(std::istream& in, Reminder& reminder) {
    const auto minutes = reminderMinutesOf(restOf(in));
    if (minutes) reminder.minutes = *minutes;
    else in.setstate(std::ios::failbit);
    return in;
}

std::string refusalText(const Refusal& refusal) {
    const std::string_view wrong = refusal.wrong.ends_with('.') ? std::string_view(refusal.wrong).substr(0, refusal.wrong.size() - 1)
                                                                : std::string_view(refusal.wrong);
    return "varnex-cli: " + refusal.what + ": " + std::string(wrong) + "; " + refusal.accepted +
           "\nTry 'varnex-cli --help'.\n";
}

Refusal yearRefusal(std::string_view what, std::string_view text) {
    const YearCheck check = checkYearText(text);
    std::string prompt = yearMessage(check.status, intEnglish).prompt;
    if (prompt.ends_with('.')) prompt.pop_back();
    if (check.status != YearCheckStatus::Empty) prompt += " ('" + std::string(text) + "')";
    return {std::string(what), prompt, accepted("YEAR")};
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app(std::string(kDescription), "varnex-cli");
    CliOptions options;
    options.jobs = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxJobs);
    declareOptions(app, options);
    std::optional<Refusal> refusal = emptyValue(args);
    try {
        if (!refusal) {
            std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes them last first
            app.parse(reversed);
            options.given = givenOptions(app);
            normalize(options);
            refusal = validate(options);
        }
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return {std::nullopt, kCliOk};
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return {std::nullopt, kCliOk};
    } catch (const CLI::ParseError& error) {
        refusal = refusalOf(error, args, app);
    }
    if (refusal) {
        err << refusalText(*refusal);
        return {std::nullopt, kCliBadInput};
    }
    return {std::move(options), kCliOk};
}

}  // namespace varnex
