// The command line of varnex-cli: every option declared once, parsed by CLI11.
#pragma once

#include "calendar/calendar_date.h"
#include "calendar/calendar_reform.h"
#include "report/day_rules.h"
#include "report/request.h"
#include "report/summary.h"
#include "text/language.h"
#include "zones/zone.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

inline constexpr int kCliOk = 0;
inline constexpr int kCliOutputLost = 1;  // also: the program text could not be read
inline constexpr int kCliBadInput = 2;

inline constexpr unsigned kMaxJobs = 256;  // --jobs

enum class OutputFormat { Text, Csv, Json, ICalendar, Svg };
enum class EquinoxMethodChoice { Meeus, True };  // of the equinoxes and solstices

// The words of the options with a choice, in the order of their enums (calendars: Gregorian,
// Julian); the parser and the bash completion take them from here.
inline constexpr std::array<std::string_view, 5> kFormatWords = {"text", "csv", "json", "ics", "svg"};
// The methods of the cross-quarter days: --method takes a comma-separated list of these
// (both = true,mean).
inline constexpr std::array<std::string_view, 4> kMethodWords = {"true", "mean", "fixed", "both"};
inline constexpr std::array<std::string_view, 2> kEquinoxMethodWords = {"meeus", "true"};
inline constexpr std::array<std::string_view, 2> kHemisphereWords = {"north", "south"};
// The name sets of --names (NamesChoice): en is the Celtic set's older word.
inline constexpr std::array<std::string_view, 5> kNamesWords = {"celtic", "neutral", "wiccan", "de", "en"};
enum class NamesChoice { Celtic, Neutral, Wiccan, German, English };
inline constexpr std::array<std::string_view, 2> kCalendarWords = {"gregorian", "julian"};
// --calendar also takes the words of the reforms (kReformWords) and reform:YYYY-MM-DD.

// A command line refused: what was given, what was wrong with it, and what is accepted. Every
// refusal is written alike (refusalText), whoever finds it: the parser, a check across options,
// or the check of the years.
struct Refusal {
    std::string what;      // "--zone", "year '3001'", "--weekday"
    std::string wrong;     // "unknown time zone 'Mars/Olympus'"
    std::string accepted;  // "GMT-12:00 to GMT+14:00 in quarter hours (...), ..."
};

// "varnex-cli: WHAT: WRONG; ACCEPTED", then "Try 'varnex-cli --help'.", each line ending in LF.
std::string refusalText(const Refusal& refusal);

// The values of the options with a type of their own, each read from its text by operator>>
// (which CLI11 calls), after a check that says what is wrong with a bad text.

// --zone: the zone, and the text the files write for it: as given, but local becomes the zone
// it stands for (Europe/Berlin), as a file made here may be read elsewhere.
struct ZoneChoice {
    Zone zone;
    std::string name = "GMT";
};

// --method: the methods of the cross-quarter days.
struct MethodChoice {
    bool trueSun = true;
    bool meanSun = true;
    bool fixedDate = false;
};

// --events: the words of the list, trimmed and case-folded; what they name depends on
// --hemisphere, so they are read once all options are known.
struct EventWords {
    std::vector<std::string> words;
};

// --longitude: a solar longitude in degrees, kept to 0.001.
struct Longitude {
    double degrees = 0;
};

// --remind: the lead of a reminder, in minutes.
struct Reminder {
    std::int32_t minutes = 0;
};

// The readings of those values from their text (CLI11 calls them): the whole text, or fail.
std::istream& operator>>(std::istream& in, ZoneChoice& choice);
std::istream& operator>>(std::istream& in, CalendarReform& calendar);
std::istream& operator>>(std::istream& in, MethodChoice& methods);
std::istream& operator>>(std::istream& in, EventWords& events);
std::istream& operator>>(std::istream& in, Longitude& longitude);
std::istream& operator>>(std::istream& in, Reminder& reminder);

// A command line as CLI11 reads it: every value bound to its type. The years stay text: they
// are checked with the window's messages, which come from the program text.
struct CliOptions {
    std::optional<std::string> yearText;
    std::optional<std::string> fromText;
    std::optional<std::string> toText;
    CalendarReform calendar = kProlepticGregorian;
    bool dualDates = false;
    NamesChoice names = NamesChoice::Celtic;  // --names
    ZoneChoice zone;
    std::optional<EventWords> events;
    MethodChoice methods;
    std::vector<Longitude> longitudes;
    EquinoxMethodChoice equinoxMethod = EquinoxMethodChoice::Meeus;
    bool weekday = false;
    bool seconds = false;
    bool round = false;  // to the nearest minute or second
    bool all = false;
    Hemisphere hemisphere = Hemisphere::North;
    OutputFormat format = OutputFormat::Text;
    bool crlf = false;
    bool allDay = false;                          // iCalendar: instants as local days
    std::vector<Reminder> reminders;              // iCalendar: as given
    std::optional<std::string> outputPath;        // none for standard output
    unsigned jobs = 1;                            // threads computing the years (--jobs; the cores by default)
    std::optional<std::string> nextText;          // --next [N]: its N, if given
    std::optional<std::string> nowText;           // --now: the moment --next counts from
    std::optional<std::string> ruleText;          // --rule
    std::set<std::string> given;                  // the options on the command line ("--weekday", "--events")

    // Made from the above once they are checked (parseCommandLine):
    std::int16_t language = intEnglish;  // of what people read (--names de); refusals stay English
    NameSet nameSet = NameSet::Celtic;
    Selection selection = fullSelection();        // the events and turning points, by their methods
    std::vector<std::int32_t> reminderMinutes;    // iCalendar: each reminder once, the earliest first
    std::optional<std::int64_t> sourceDateEpoch;  // iCalendar: SOURCE_DATE_EPOCH, the DTSTAMP when set
    std::size_t next = 0;                         // how many upcoming turning points; 0 without --next
    std::optional<double> nowJD;                  // --now as a Julian Day, UT
    std::optional<DayRule> rule;                  // --rule
};

inline constexpr std::size_t kMaxNext = 1000;  // --next

struct ParsedCommandLine {
    std::optional<CliOptions> options;  // empty when the command line is answered already
    int exitCode = kCliOk;              // then: 0 after --help or --version, 2 for bad input
};

// Parses `args` (without the program's name). --help and --version are answered on `out`;
// a refused command line gets its refusalText on `err`. Needs no program text.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The refusal of a year text (YEAR, --from, --to) that the window's check rejects, in the
// window's words (its message, never its title).
Refusal yearRefusal(std::string_view what, std::string_view text);

}  // namespace varnex
