// iCalendar export (RFC 5545): one VEVENT per record, an instant in UTC or a whole day, made
// with libical.
#include "writers.h"

#include "calendar/calendar_date.h"
#include "calendar/date_text.h"
#include "report/result_text.h"
#include "text/translation.h"
#include "varnex/version.h"

#include <libical/ical.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstring>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace varnex {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUidDomain = "@varnex.ostrel.example";

// libical's components and the strings it hands over, freed by the library's own functions.
struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;
struct BufferFree {
    void operator()(char* text) const { icalmemory_free_buffer(text); }
};
using Buffer = std::unique_ptr<char, BufferFree>;

// The instant as a UTC date-time, its fields set one by one rather than through a time_t: that
// keeps years before 1970 (down to year 1) exact whatever the platform's time functions do.
icaltimetype utcTime(double jdUT) {
    const UtcParts utc = utcPartsOf(jdUT);
    icaltimetype time = icaltime_null_time();
    time.year = utc.date.year;
    time.month = utc.date.month;
    time.day = utc.date.day;
    time.hour = utc.second / 3600;
    time.minute = utc.second / 60 % 60;
    time.second = utc.second % 60;
    time.is_date = 0;
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

// A local day as an iCalendar DATE, which is always Gregorian.
icaltimetype dateOfDay(std::int32_t dayNumber) {
    CalendarDate gregorian{0, 0, 0, kGregorianCode, dayNumber};
    DayNumberToDate(gregorian);
    icaltimetype date = icaltime_null_date();
    date.year = gregorian.year;
    date.month = gregorian.month;
    date.day = gregorian.day;
    return date;
}

// The kind of an event, the second of its categories.
std::string kindOf(const ExportRow& row, std::int16_t language) {
    if (row.ruleKey) return translate("Export", "Festival").in(language);
    if (row.meteorological) return translate("Export", "Meteorological season").in(language);
    if (row.turningPoint) {
        switch (row.turningPoint->kind) {
        case TurningKind::Perihelion:
        case TurningKind::Aphelion: return translate("Export", "Apsis").in(language);
        case TurningKind::SolarTerm: return translate("Export", "Solar term").in(language);
        case TurningKind::Longitude: return translate("Export", "Solar longitude").in(language);
        }
    }
    const EventRow& event = kEventTable[row.event];
    if (event.family == EventFamily::CrossQuarter) return translate("Export", "Cross-quarter day").in(language);
    return isEquinox(event) ? translate("Export", "Equinox").in(language) : translate("Export", "Solstice").in(language);
}

// Two categories in one property: libical writes the comma as CATEGORIES' list separator.
std::string categoriesOf(const ExportRow& row, std::int16_t language) {
    return translate("Export", "Solar event").in(language) + "," + kindOf(row, language);
}

// The same year, event and method give the same UID whatever the zone or calendar, so that a
// calendar that matches events by UID updates them on a second import instead of doubling them.
// A turning point's id names it whole (2026-term-015, 2026-perihelion), with the year of its
// cycle (request.h), which no zone or calendar changes: the perihelion of 1600-12-26 is
// 1601-perihelion, and the two perihelia of 1800 are 1800- and 1801-perihelion.
// An instant shown as its local day is another event ("-allday"): both kinds can be imported
// side by side, and neither replaces the other. A traditional date is a day in both kinds.
std::string uidOf(const ExportRow& row, bool allDay) {
    std::string uid = std::to_string(row.turningPoint ? row.cycleYear : row.year) + '-' + eventKey(row);
    if (row.method != Method::None && !row.turningPoint && !row.ruleKey) uid += '-' + std::string(methodKey(row.method));
    if (allDay && !isAllDay(row) && !row.ruleKey) uid += "-allday";
    return uid += kUidDomain;
}

// The name, and for an event of the table its method, as the lines tag it: "Imbolc (true sun)",
// "Imbolc (fixed date)".
std::string summaryOf(const ExportRow& row, std::int16_t language) {
    if (row.method == Method::None || row.turningPoint || row.ruleKey) return row.name;
    return row.name + " " + methodTagText(row.method, language);
}

// How the instant was found, as the README's table of methods words it.
std::string methodText(const ExportRow& row, std::int16_t language) {
    if (row.turningPoint && row.method == Method::None)
        return translate("Export", "the extreme of the Earth's distance from the Sun (VSOP87)").in(language);
    if (row.method == Method::None) return translate("Export", "Meeus, Astronomical Algorithms ch. 27").in(language);
    if (row.method == Method::MeanSun) return translate("Export", "mean sun, the midpoint of the equinox and solstice around it").in(language);
    return translate("Export", "true sun").in(language);
}

// A double in the shortest text that reads back to it, or with `decimals` fixed decimals.
std::string numberTextOf(double value, int decimals = -1) {
    std::array<char, 64> text{};
    char* const last = text.data() + text.size();
    const auto result = decimals < 0 ? std::to_chars(text.data(), last, value)
                                     : std::to_chars(text.data(), last, value, std::chars_format::fixed, decimals);
    return std::string(text.data(), result.ptr);
}

// The exact instant, the method, Delta T and the uncertainty, one to a line (libical escapes
// the line breaks); for an instant shown as a day, also its local time; for a traditional
// date, what it is.
// The line of a description: "Delta T: 69.1 s".
std::string field(const std::string& label, std::string_view value) { return label + ": " + std::string(value); }

// The exact instant, the method, Delta T and the uncertainty, one to a line (libical escapes
// the line breaks); for an instant shown as a day, also its local time, and where the day could
// go either way, which other day is possible (only there is the reader's zone known); for a
// traditional date, what it is.
std::string descriptionOf(const ExportRow& row, bool allDay, std::int16_t language) {
    if (row.ruleKey) {
        std::string text =
            field(translate("Export", "Equinox").in(language),
                  utcText(row) + " (" + localTimeSecondsText(row) + " " + row.offset.abbreviation + ")") + "\n" +
            field(translate("Export", "Uncertainty").in(language), uncertaintyText(row.uncertaintySeconds)) + "\n" +
            field(translate("Export", "Equinox minus the rule's moment").in(language),
                  numberTextOf(row.ruleMarginSeconds.value_or(0), 1) + " s");
        if (row.ruleUncertain.value_or(false))
            text += "\n" + translate("Export", "The margin lies within the equinox's uncertainty: the festival could "
                                                "fall on the other day.").in(language);
        return text;
    }
    if (row.meteorological)
        return translate("Export", "First day of a meteorological season, three whole months from 1 March, 1 June, 1 "
                                   "September or 1 December: a whole day, no instant.").in(language) +
               "\n" + field(translate("Export", "Date").in(language), DateText(row.localDate, DateOrderYMD, "-", ",", true));
    if (isAllDay(row))
        return translate("Export", "Traditional date of the cross-quarter day (1 February, 1 May, 1 August or 1 "
                                   "November): a whole day, no instant.").in(language) +
               "\n" + field(translate("Export", "Date").in(language), DateText(row.localDate, DateOrderYMD, "-", ",", true));
    std::string text = allDay ? field(translate("Export", "Local time").in(language), lineDateTimeText(row) + " (" + row.zone + ")") + "\n" : std::string();
    text += field(translate("Export", "Instant").in(language), utcText(row) + " (JD " + numberTextOf(row.jdUT) + " UT)") + "\n" +
            field(translate("Export", "Method").in(language), methodText(row, language)) + "\n" + field(translate("Export", "Delta T").in(language), numberTextOf(row.deltaTSeconds, 1) + " s") + "\n" +
            field(translate("Export", "Uncertainty").in(language), uncertaintyText(row.uncertaintySeconds));
    if (allDay && row.otherDay != 0)
        text += "\n" + withArgument(row.otherDay < 0 ? translate("Export", "The uncertainty reaches across midnight in "
                                                                            "%1: the event could fall on the day before.").in(language)
                                                      : translate("Export", "The uncertainty reaches across midnight in "
                                                                            "%1: the event could fall on the day after.").in(language),
                                    row.zone);
    return text;
}

// A reminder `minutes` before the start, in the largest whole unit: -P1W, -P1D, -PT2H, -PT30M.
icalcomponent* alarmOf(std::int32_t minutes, const std::string& text) {
    icaldurationtype before = icaldurationtype_null_duration();
    before.is_neg = 1;
    if (minutes % (7 * 1440) == 0) before.weeks = static_cast<unsigned>(minutes / (7 * 1440));
    else if (minutes % 1440 == 0) before.days = static_cast<unsigned>(minutes / 1440);
    else if (minutes % 60 == 0) before.hours = static_cast<unsigned>(minutes / 60);
    else before.minutes = static_cast<unsigned>(minutes);
    icaltriggertype trigger{icaltime_null_time(), before};
    icalcomponent* alarm = icalcomponent_new_valarm();
    icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
    icalcomponent_add_property(alarm, icalproperty_new_description(text.c_str()));
    icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
    return alarm;
}

// One row's VEVENT: an instant, or a local day (DTSTART and DTEND as DATEs). An instant is the
// second that holds it (DTSTART in UTC, cut to the second, and DURATION:PT1S): calendar
// programs then show a moment. Without an end khal gives it an hour; an end equal to the start
// (DTEND, or DURATION:PT0S) is read as an hour by khal or refused by calcurse.
// Every event of one export has the same SEQUENCE: the DTSTAMP in whole minutes.
Component makeEvent(const ExportRow& row, const icaltimetype& stamp, const ICalendarOptions& options) {
    Component event(icalcomponent_new_vevent());
    icalcomponent* const e = event.get();
    const std::string summary = summaryOf(row, options.language);
    icalcomponent_add_property(e, icalproperty_new_uid(uidOf(row, options.allDay).c_str()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(
        e, icalproperty_new_sequence(static_cast<int>(std::clamp<std::int64_t>(options.stampUnixSeconds / 60, 0, INT_MAX))));
    if (isAllDay(row) || options.allDay || row.ruleKey) {
        icalcomponent_add_property(e, icalproperty_new_dtstart(dateOfDay(row.localDate.dayNumber)));
        icalcomponent_add_property(e, icalproperty_new_dtend(dateOfDay(row.localDate.dayNumber + 1)));
    } else {
        icalcomponent_add_property(e, icalproperty_new_dtstart(utcTime(row.jdUT)));
        icaldurationtype second = icaldurationtype_null_duration();
        second.seconds = 1;
        icalcomponent_add_property(e, icalproperty_new_duration(second));
    }
    icalcomponent_add_property(e, icalproperty_new_summary(summary.c_str()));
    icalcomponent_add_property(e, icalproperty_new_description(descriptionOf(row, options.allDay, options.language).c_str()));
    icalcomponent_add_property(e, icalproperty_new_categories(categoriesOf(row, options.language).c_str()));
    icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    for (const std::int32_t minutes : options.reminderMinutes) icalcomponent_add_component(e, alarmOf(minutes, summary));
    return event;
}

// The VEVENT as text, CR LF line ends and long lines folded by libical.
void writeComponent(icalcomponent* component, std::ostream& out) {
    const Buffer text(icalcomponent_as_ical_string_r(component));
    if (!text) throw std::runtime_error("libical could not write a VEVENT");
    out.write(text.get(), static_cast<std::streamsize>(std::strlen(text.get())));
}

// "2026–2035", or "2026" for one year.
std::string yearsText(const ICalendarOptions& options) {
    std::string text = std::to_string(options.firstYear);
    if (options.lastYear != options.firstYear) text += "\u2013" + std::to_string(options.lastYear);
    return text;
}

// The calendar's name: its years, and the zone where the zone decides the dates.
std::string calendarName(const ICalendarOptions& options) {
    const std::int16_t language = options.language;
    if (!options.festival.empty()) return options.festival + " " + yearsText(options);
    return withArgument(translate("Export", "Wheel of the year %1").in(language), yearsText(options)) +
           (options.allDay ? ", " + options.zone : std::string());
}

// What the calendar holds and how its times are to be read.
std::string calendarDescription(const ICalendarOptions& options) {
    const std::int16_t language = options.language;
    if (!options.festival.empty())
        return withArguments(translate("Export", "The days of %1 by its rule, each a whole day with its equinox in "
                                                 "the description, computed by Varnex %2.").in(language),
                             options.festival + " " + yearsText(options), kVersion);
    std::string text = withArguments(translate("Export", "Equinoxes, solstices and cross-quarter days of %1, "
                                                         "computed by Varnex %2.").in(language),
                                     yearsText(options), kVersion) + " ";
    text += options.allDay ? withArgument(translate("Export", "Each event is the whole local day in %1, with the "
                                                              "exact instant in its description.").in(language),
                                          options.zone)
                           : translate("Export", "Times are UTC; calendar programs show them in the viewer's time zone.").in(language);
    if (options.calendar != kProlepticGregorian)
        text += " " + translate("Export", "Days dated in the Julian calendar are written as the same days' Gregorian "
                                          "dates, as iCalendar requires.").in(language);
    return text;
}

// A text property of the calendar itself as one content line: the value escaped (backslash,
// semicolon, comma, line break) and folded after 75 octets, never inside a UTF-8 character.
void writeTextProperty(std::string_view name, std::string_view value, std::ostream& out) {
    std::string line(name);
    line += ':';
    for (const char c : value) {
        if (c == '\\' || c == ';' || c == ',') line += '\\';
        line += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    std::size_t start = 0, width = 75;  // the continuation lines' leading blank counts
    while (line.size() - start > width) {
        std::size_t cut = start + width;
        while ((static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;  // a continuation byte
        out << std::string_view(line).substr(start, cut - start) << kCrLf << ' ';
        start = cut;
        width = 74;
    }
    out << std::string_view(line).substr(start) << kCrLf;
}

// The calendar's own lines come first; the events after them are made and written one at a
// time, which keeps the time linear and the memory that of one event. The data changes only
// with a new version of the program, so a subscribed copy is fetched again once a week.
void writeCalendarHead(std::ostream& out, const ICalendarOptions& options) {
    out << "BEGIN:VCALENDAR" << kCrLf << "VERSION:2.0" << kCrLf << "PRODID:-//Ostrel//Varnex " << kVersion << "//EN"
        << kCrLf << "CALSCALE:GREGORIAN" << kCrLf;
    writeTextProperty("X-WR-CALNAME", calendarName(options), out);
    writeTextProperty("X-WR-CALDESC", calendarDescription(options), out);
    out << "REFRESH-INTERVAL;VALUE=DURATION:P1W" << kCrLf << "X-PUBLISHED-TTL:P1W" << kCrLf;
}

class ICalendarFormat final : public RowFormat {
public:
    // The stamp's zone makes libical's UTC zone here, on the calling thread, before rows are made
    // on others.
    explicit ICalendarFormat(ICalendarOptions options)
        : options_(std::move(options)),
          stamp_(icaltime_from_timet_with_zone(static_cast<std::time_t>(options_.stampUnixSeconds), 0,
                                               icaltimezone_get_utc_timezone())) {}
    void begin(std::ostream& out) const override { writeCalendarHead(out, options_); }
    void row(const ExportRow& row, std::ostream& out) const override {
        writeComponent(makeEvent(row, stamp_, options_).get(), out);
    }
    void end(bool, std::ostream& out) const override { out << "END:VCALENDAR" << kCrLf; }

private:
    ICalendarOptions options_;
    icaltimetype stamp_;
};

}  // namespace

std::unique_ptr<RowFormat> iCalendarFormat(const ICalendarOptions& options) {
    return std::make_unique<ICalendarFormat>(options);
}

}  // namespace varnex
