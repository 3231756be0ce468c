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

// The number of the `count` digits at `pos` of `text`, or -1 if they are not all digits.
int DigitsAt(std::string_view text, std::size_t pos, std::size_t count) {
    int value = 0;
    for (const char c : text.substr(pos, count)) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Whether `utc` has the separators of YYYY-MM-DDTHH:MM:SSZ (the digits are checked as read).
bool HasUtcShape(std::string_view utc) {
    return utc.size() == 20 && utc[4] == '-' && utc[7] == '-' && utc[10] == 'T' && utc[13] == ':' &&
           utc[16] == ':' && utc[19] == 'Z';
}

// Whether every field is a number in its range (DigitsAt gives -1 for a field that is not).
bool FieldsInRange(const icaltimetype& time) {
    return time.year >= 1 && time.month >= 1 && time.month <= 12 && time.day >= 1 && time.day <= 31 &&
           time.hour >= 0 && time.hour <= 23 && time.minute >= 0 && time.minute <= 59 && time.second >= 0 &&
           time.second <= 60;
}

// The record's `utc` text, YYYY-MM-DDTHH:MM:SSZ, as a UTC date-time. The fields are set one
// by one rather than through a time_t: that keeps years before 1970 (down to year 1) exact
// whatever the platform's time functions do with them.
icaltimetype UtcTime(std::string_view utc) {
    icaltimetype time = icaltime_null_time();
    if (HasUtcShape(utc)) {
        time.year = DigitsAt(utc, 0, 4);
        time.month = DigitsAt(utc, 5, 2);
        time.day = DigitsAt(utc, 8, 2);
        time.hour = DigitsAt(utc, 11, 2);
        time.minute = DigitsAt(utc, 14, 2);
        time.second = DigitsAt(utc, 17, 2);
    }
    if (!HasUtcShape(utc) || !FieldsInRange(time)) {
        throw std::invalid_argument("not a UTC instant YYYY-MM-DDTHH:MM:SSZ: " + std::string(utc));
    }
    time.is_date = 0;
    time.zone = icaltimezone_get_utc_timezone();
    return time;
}

enum class EventKind { Equinox, Solstice, CrossQuarter };

// From the event's key: the equinoxes and solstices by their month, the rest cross-quarter days.
EventKind KindOf(std::string_view event) {
    if (event == "march" || event == "september") return EventKind::Equinox;
    if (event == "june" || event == "december") return EventKind::Solstice;
    return EventKind::CrossQuarter;
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
// calendar importing the file again updates its events instead of doubling them.
std::string Uid(const EventRecord& record) {
    std::string uid = std::to_string(record.year) + '-' + record.event;
    if (!record.method.empty()) uid += '-' + record.method;
    return uid += kUidDomain;
}

// The name, and for a cross-quarter day its method: "Imbolc (true sun)".
std::string Summary(const EventRecord& record) {
    return record.method.empty() ? record.name : record.name + " (" + record.method + " sun)";
}

// How the instant was found, as the README's table of methods words it.
std::string MethodText(const EventRecord& record) {
    if (record.method.empty()) return "Meeus, Astronomical Algorithms ch. 27";
    if (record.method == "mean") return "mean sun, the midpoint of the equinox and solstice around it";
    return record.method + " sun";
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
std::string Description(const EventRecord& record) {
    return "Instant: " + record.utc + " (JD " + NumberText(record.jdUT) + " UT)\nMethod: " + MethodText(record) +
           "\nDelta T: " + NumberText(record.deltaTSeconds, 1) + " s";
}

// One record's VEVENT: an instant (DTSTART, no DTEND) that takes no time in the calendar.
Component MakeEvent(const EventRecord& record, const icaltimetype& stamp) {
    Component event(icalcomponent_new_vevent());
    icalcomponent* const e = event.get();
    icalcomponent_add_property(e, icalproperty_new_uid(Uid(record).c_str()));
    icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(e, icalproperty_new_dtstart(UtcTime(record.utc)));
    icalcomponent_add_property(e, icalproperty_new_summary(Summary(record).c_str()));
    icalcomponent_add_property(e, icalproperty_new_description(Description(record).c_str()));
    icalcomponent_add_property(e, icalproperty_new_categories(Categories(KindOf(record.event))));
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

void WriteICalendar(const std::vector<EventRecord>& records, std::ostream& out, std::int64_t stampUnixSeconds) {
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(static_cast<std::time_t>(stampUnixSeconds), 0, icaltimezone_get_utc_timezone());
    WriteCalendarHead(out);
    for (const EventRecord& record : records) WriteComponent(MakeEvent(record, stamp).get(), out);
    out << "END:VCALENDAR" << kCrLf;
}

}  // namespace varnex
