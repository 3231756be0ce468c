// iCalendar export (RFC 5545): one VEVENT per record, each an instant in UTC, made with libical.
#include "writers.h"

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
icaltimetype UtcTime(double jdUT) {
    const UtcParts utc = UtcPartsOf(jdUT);
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

enum class EventKind { Equinox, Solstice, CrossQuarter };

EventKind KindOf(const EventRow& event) {
    if (event.family == EventFamily::CrossQuarter) return EventKind::CrossQuarter;
    return IsEquinox(event) ? EventKind::Equinox : EventKind::Solstice;
}

// Two categories in one property: libical writes the comma as CATEGORIES' list separator.
const char* Categories(EventKind kind) {
    switch (kind) {
    case EventKind::Equinox: return "Solar event,Equinox";
    case EventKind::Solstice: return "Solar event,Solstice";
    case EventKind::CrossQuarter: break;
    }
    return "Solar event,Cross-quarter day";
}

// The same year, event and method give the same UID whatever the zone or calendar, so that a
// calendar that matches events by UID updates them on a second import instead of doubling them.
std::string Uid(const ExportRow& row) {
    std::string uid = std::to_string(row.year) + '-' + std::string(EventKey(row));
    if (row.method != Method::None) uid += '-' + std::string(MethodKey(row.method));
    return uid += kUidDomain;
}

// The name, and for a cross-quarter day its method: "Imbolc (true sun)".
std::string Summary(const ExportRow& row) {
    return row.method == Method::None ? row.name : row.name + " (" + std::string(MethodKey(row.method)) + " sun)";
}

// How the instant was found, as the README's table of methods words it.
std::string MethodText(const ExportRow& row) {
    if (row.method == Method::None) return "Meeus, Astronomical Algorithms ch. 27";
    if (row.method == Method::MeanSun) return "mean sun, the midpoint of the equinox and solstice around it";
    return "true sun";
}

// A double in the shortest text that reads back to it, or with `decimals` fixed decimals.
std::string NumberText(double value, int decimals = -1) {
    std::array<char, 64> text{};
    char* const last = text.data() + text.size();
    const auto result = decimals < 0 ? std::to_chars(text.data(), last, value)
                                     : std::to_chars(text.data(), last, value, std::chars_format::fixed, decimals);
    return std::string(text.data(), result.ptr);
}

// The exact instant, the method and Delta T, one to a line (libical escapes the line breaks).
std::string Description(const ExportRow& row) {
    return "Instant: " + UtcText(row.jdUT) + " (JD " + NumberText(row.jdUT) + " UT)\nMethod: " + MethodText(row) +
           "\nDelta T: " + NumberText(row.deltaTSeconds, 1) + " s";
}

// One row's VEVENT: an instant (DTSTART, no DTEND) that takes no time in the calendar.
Component MakeEvent(const ExportRow& row, const icaltimetype& stamp) {
    Component event(icalcomponent_new_vevent());
    icalcomponent* const e = event.get();
    icalcomponent_add_property(e, icalproperty_new_uid(Uid(row).c_str()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(e, icalproperty_new_dtstart(UtcTime(row.jdUT)));
    icalcomponent_add_property(e, icalproperty_new_summary(Summary(row).c_str()));
    icalcomponent_add_property(e, icalproperty_new_description(Description(row).c_str()));
    icalcomponent_add_property(e, icalproperty_new_categories(Categories(KindOf(kEventTable[row.event]))));
    icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    return event;
}

// The VEVENT as text, CR LF line ends and long lines folded by libical.
void WriteComponent(icalcomponent* component, std::ostream& out) {
    const Buffer text(icalcomponent_as_ical_string_r(component));
    if (!text) throw std::runtime_error("libical could not write a VEVENT");
    out.write(text.get(), static_cast<std::streamsize>(std::strlen(text.get())));
}

// The calendar's own lines are fixed and short (nothing to escape or fold), so they are written
// here; the events between them are made and written one at a time, which keeps the time linear
// and the memory that of one event.
void WriteCalendarHead(std::ostream& out) {
    out << "BEGIN:VCALENDAR" << kCrLf << "VERSION:2.0" << kCrLf << "PRODID:-//Ostrel//Varnex " << kVersion << "//EN"
        << kCrLf << "CALSCALE:GREGORIAN" << kCrLf;
}

}  // namespace

void WriteICalendar(const std::vector<ExportRow>& rows, std::ostream& out, std::int64_t stampUnixSeconds) {
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(static_cast<std::time_t>(stampUnixSeconds), 0, icaltimezone_get_utc_timezone());
    WriteCalendarHead(out);
    for (const ExportRow& row : rows) WriteComponent(MakeEvent(row, stamp).get(), out);
    out << "END:VCALENDAR" << kCrLf;
}

}  // namespace varnex
