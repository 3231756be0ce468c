// iCalendar export (RFC 5545): one VEVENT per record, each an instant in UTC, made with libical.
#include "writers.h"

#include "calendar/calendar_date.h"
#include "report/result_text.h"
#include "varnex/version.h"

#include <libical/ical.h>

#include <array>
#include <charconv>
#include <cstring>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

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

// The date of a traditional day as an iCalendar DATE, which is always Gregorian.
icaltimetype allDayDate(const ExportRow& row) {
    CalendarDate gregorian{0, 0, 0, kGregorianCode, row.localDate.dayNumber};
    DayNumberToDate(gregorian);
    icaltimetype date = icaltime_null_date();
    date.year = gregorian.year;
    date.month = gregorian.month;
    date.day = gregorian.day;
    return date;
}

// Two categories in one property: libical writes the comma as CATEGORIES' list separator.
const char* categoriesOf(const ExportRow& row) {
    if (row.turningPoint) {
        switch (row.turningPoint->kind) {
        case TurningKind::Perihelion:
        case TurningKind::Aphelion: return "Solar event,Apsis";
        case TurningKind::SolarTerm: return "Solar event,Solar term";
        case TurningKind::Longitude: return "Solar event,Solar longitude";
        }
    }
    const EventRow& event = kEventTable[row.event];
    if (event.family == EventFamily::CrossQuarter) return "Solar event,Cross-quarter day";
    return isEquinox(event) ? "Solar event,Equinox" : "Solar event,Solstice";
}

// The same year, event and method give the same UID whatever the zone or calendar, so that a
// calendar that matches events by UID updates them on a second import instead of doubling them.
// A turning point's id names it whole (2026-term-015, 2026-perihelion).
std::string uidOf(const ExportRow& row) {
    std::string uid = std::to_string(row.year) + '-' + eventKey(row);
    if (row.method != Method::None && !row.turningPoint) uid += '-' + std::string(methodKey(row.method));
    return uid += kUidDomain;
}

// The name, and for an event of the table its method: "Imbolc (true sun)", "Imbolc (fixed date)".
std::string summaryOf(const ExportRow& row) {
    if (row.method == Method::None || row.turningPoint) return row.name;
    if (isAllDay(row)) return row.name + " (fixed date)";
    return row.name + " (" + std::string(methodKey(row.method)) + " sun)";
}

// How the instant was found, as the README's table of methods words it.
std::string methodText(const ExportRow& row) {
    if (row.turningPoint && row.method == Method::None) return "the extreme of the Earth's distance from the Sun (VSOP87)";
    if (row.method == Method::None) return "Meeus, Astronomical Algorithms ch. 27";
    if (row.method == Method::MeanSun) return "mean sun, the midpoint of the equinox and solstice around it";
    return "true sun";
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
// the line breaks); for a traditional date, what it is.
std::string descriptionOf(const ExportRow& row) {
    if (isAllDay(row))
        return "Traditional date of the cross-quarter day (1 February, 1 May, 1 August or 1 November): a whole "
               "day, no instant.";
    std::string text = "Instant: " + utcText(row.jdUT) + " (JD " + numberTextOf(row.jdUT) + " UT)\nMethod: " +
                       methodText(row) + "\nDelta T: " + numberTextOf(row.deltaTSeconds, 1) + " s\nUncertainty: " +
                       uncertaintyText(row.uncertaintySeconds);
    if (row.dayUncertain)
        text += "\nThe uncertainty reaches across midnight in " + row.zone +
                ": the local date could be the day before or after.";
    return text;
}

// One row's VEVENT: an instant (DTSTART, no DTEND) that takes no time in the calendar, or a
// traditional date as a whole day (DTSTART as a DATE).
Component makeEvent(const ExportRow& row, const icaltimetype& stamp) {
    Component event(icalcomponent_new_vevent());
    icalcomponent* const e = event.get();
    icalcomponent_add_property(e, icalproperty_new_uid(uidOf(row).c_str()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(e, icalproperty_new_dtstart(isAllDay(row) ? allDayDate(row) : utcTime(row.jdUT)));
    icalcomponent_add_property(e, icalproperty_new_summary(summaryOf(row).c_str()));
    icalcomponent_add_property(e, icalproperty_new_description(descriptionOf(row).c_str()));
    icalcomponent_add_property(e, icalproperty_new_categories(categoriesOf(row)));
    icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

// The VEVENT as text, CR LF line ends and long lines folded by libical.
void writeComponent(icalcomponent* component, std::ostream& out) {
    const Buffer text(icalcomponent_as_ical_string_r(component));
    if (!text) throw std::runtime_error("libical could not write a VEVENT");
    out.write(text.get(), static_cast<std::streamsize>(std::strlen(text.get())));
}

// The calendar's own lines are fixed and short (nothing to escape or fold), so they are written
// here; the events between them are made and written one at a time, which keeps the time linear
// and the memory that of one event.
void writeCalendarHead(std::ostream& out) {
    out << "BEGIN:VCALENDAR" << kCrLf << "VERSION:2.0" << kCrLf << "PRODID:-//Ostrel//Varnex " << kVersion << "//EN"
        << kCrLf << "CALSCALE:GREGORIAN" << kCrLf;
}

class ICalendarFormat final : public RowFormat {
public:
    explicit ICalendarFormat(std::int64_t stampUnixSeconds)
        : stamp_(icaltime_from_timet_with_zone(static_cast<std::time_t>(stampUnixSeconds), 0,
                                               icaltimezone_get_utc_timezone())) {}
    void begin(std::ostream& out) const override { writeCalendarHead(out); }
    void row(const ExportRow& row, std::ostream& out) const override { writeComponent(makeEvent(row, stamp_).get(), out); }
    void end(bool, std::ostream& out) const override { out << "END:VCALENDAR" << kCrLf; }

private:
    icaltimetype stamp_;
};

}  // namespace

std::unique_ptr<RowFormat> iCalendarFormat(std::int64_t stampUnixSeconds) {
    return std::make_unique<ICalendarFormat>(stampUnixSeconds);
}

void writeICalendar(const std::vector<ExportRow>& rows, std::ostream& out, std::int64_t stampUnixSeconds) {
    writeRows(ICalendarFormat(stampUnixSeconds), rows, out);
}

}  // namespace varnex
