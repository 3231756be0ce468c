// A Calculate request as pure functions: what the window's Calculate command and the command
// line put out for a year.
#pragma once

#include "calendar/calendar_reform.h"
#include "events.h"
#include "text/messages.h"
#include "result_text.h"
#include "turning_points.h"
#include "zones/zone.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnex {

// The calendar list's entries (in English: the window translates them).
inline constexpr std::array<std::string_view, 2> kCalendarItems = {"Common Era (Gregorian)", "Julian Calendar"};

// Calendar code of the calendar list's selection: Julian for item 1, Gregorian otherwise.
std::int16_t calendarCodeOfIndex(int index);

struct Selection {
    std::array<bool, 8> events{};  // in the order of kEventTable
    bool trueSun = false;
    bool meanSun = false;
    bool fixedDate = false;       // the cross-quarter days' traditional dates too
    bool equinoxTrueSun = false;  // the equinoxes and solstices by the true sun, not by Meeus
    std::vector<TurningPoint> turningPoints;  // after the events of the table, by their instants
    // The meteorological seasons' first days, by month: [0] 1 March ... [3] 1 December (named
    // for the hemisphere: 1 March begins the northern spring and the southern autumn).
    std::array<bool, 4> meteorological{};
};

// Everything selected, as the window starts.
Selection fullSelection();

// The message that rejects a selection, if any, in `language`: no event (nor turning point), or
// a cross-quarter day without a method. The title of both is the caption of the Calculate command.
std::optional<Message> checkSelection(const Selection& selection, std::string_view calculateCaption,
                                      std::int16_t language);

struct CalculateRequest {
    std::int32_t year = 0;
    // The calendar in force on each day: Julian before the reform's first Gregorian day,
    // Gregorian from it (the proleptic calendars are the reforms at the two ends).
    CalendarReform calendar = kProlepticGregorian;
    Zone zone{};  // a fixed offset, or the one in force at each instant
    Selection selection;
    bool includeWeekday = false;
    bool withSeconds = false;  // lines with the second, the uncertainty and the day's mark
    bool dualDates = false;  // each line and row also in the other calendar (see dualDatesApply)
    // The language of what people read in the lines and exports (names, tags, weekdays):
    // intEnglish, intGerman. The window hands it its own, intLanguage.
    std::int16_t language = intEnglish;
    Hemisphere hemisphere = Hemisphere::North;  // the names of the lines (the window's are northern)
    NameSet names = NameSet::Celtic;            // which names the exports take (the lines take a table)
    // Times to the nearest minute (the nearest second with withSeconds), as published tables
    // give them, instead of cut; the date follows the rounded time.
    bool round = false;
};

// The seasons of the meteorological year, each of three whole months, beginning on 1 March, 1 June,
// 1 September and 1 December (the month quarter 0 to 3). Its name in the hemisphere: 1 March
// begins the northern spring and the southern autumn.
std::string_view meteorologicalSeasonWord(std::int16_t monthQuarter, Hemisphere hemisphere);  // "spring"
// The key of the rows, by month as the equinoxes' are, the same in both hemispheres: "met-march".
std::string meteorologicalKey(std::int16_t monthQuarter);
std::string meteorologicalName(std::int16_t monthQuarter, Hemisphere hemisphere, std::int16_t language);
// Its first day in the calendar in force.
CalendarDate meteorologicalDateOf(std::int32_t year, std::int16_t monthQuarter, const CalendarReform& reform);


// The years whose lines and rows give the other calendar's date when asked: from the first
// reform (1582) to the last of the named ones (1923).
inline constexpr std::int32_t kDualDateFirstYear = 1582;
inline constexpr std::int32_t kDualDateLastYear = 1923;
bool dualDatesApply(const CalculateRequest& request);

// " (Julian 1700-02-18 JC, Thursday)": the day's date in the calendar other than `inForce`'s,
// with its weekday in `language`, as a line appends it. Under Britain's reform a date from
// 1 January to 24 March before 1752 (Old Style) also gives the year as then written, the legal
// year beginning on 25 March: " (Gregorian 1700-02-11 CE, Thursday; written 1699/1700)".
std::string dualDateText(const CalendarDate& inForce, const CalendarReform& reform, std::int16_t language);

struct EventInstant {
    double jdUT;                // the instant, UT
    double deltaTSeconds;       // TT - UT applied to it (for a mean Imbolc, the mean of two years)
    double uncertaintySeconds;  // astro/uncertainty.h
};

// The instant of one event of the table by one method: an equinox or solstice by Meeus
// (Method::None) or by the true sun (Method::TrueSun); a cross-quarter day by the true or the
// mean sun. Method::Fixed has no instant: see fixedDateOf.
EventInstant instantOf(const EventRow& row, Method method, std::int32_t year);

// The instant of a turning point in its cycle of `year`: the perihelion and aphelion of the
// anomalistic year that begins about 1 January (astro/apsides.h), the crossing of a longitude
// after the December solstice of year - 1. Which of them are the year's: see requestLines.
EventInstant instantOf(const TurningPoint& point, std::int32_t year);

// The traditional date of the cross-quarter day of `quarter` (0 to 3: 1 February, 1 May,
// 1 August, 1 November of `year`): the first of the month read in the calendar in force on that
// day. A first that the reform skipped (1 February 1918 in Russia) is the day the old
// calendar's date became (14 February 1918, Gregorian).
CalendarDate fixedDateOf(std::int32_t year, std::int16_t quarter, const CalendarReform& reform);

// The local day number of the instant jdUT in the zone, as the lines date it.
std::int32_t localDayNumber(double jdUT, const Zone& zone);

// The other local day the instant could fall on, give or take its uncertainty as the lines print
// it (astro/uncertainty.h, shownUncertaintySeconds): -1 the day before, +1 the day after, 0
// none (the uncertainty never reaches half a day).
std::int8_t otherPossibleDay(double jdUT, double uncertaintySeconds, const Zone& zone);

// Whether that other day exists: the instant's local date could honestly go either way.
bool dayUncertain(double jdUT, double uncertaintySeconds, const Zone& zone);

struct RequestLine {
    std::size_t event;  // index in kEventTable; kEventTable.size() for a turning point
    Method method;      // for an equinox or solstice, None (Meeus) or TrueSun
    EventInstant instant;  // NaN for Method::Fixed
    UtcOffset offset;   // the zone's offset in force at the instant (zero for Method::Fixed)
    InstantText local;  // its local date and time (the date alone for Method::Fixed)
    std::string text;   // the result line, ending in CR LF
    std::optional<TurningPoint> turningPoint;
    bool dayUncertain = false;
    std::int8_t otherDay = 0;  // otherPossibleDay
    std::int32_t cycleYear = 0;  // a turning point's: the year whose instantOf it is
    std::optional<std::int16_t> meteorological{};  // a meteorological season's month quarter (a whole day)
};

// The result lines of a request in output order: the event table's order, and within a
// cross-quarter day its methods in their order; then the meteorological seasons' first days
// in the order of the year; then the turning points in the order of their
// instants, each as often as it falls in the year: a turning point of the year is one whose
// local date (in the zone, in the calendar in force that day) falls in the year, so a year
// has none, one or two of each (1800 has two perihelia, 1802 none). Each line goes to `take`
// as it is made.
void forEachRequestLine(const CalculateRequest& request, const EventNameTable& names,
                        const std::function<void(const RequestLine&)>& take);

// The same lines, collected.
std::vector<RequestLine> requestLines(const CalculateRequest& request, const EventNameTable& names);

}  // namespace varnex
