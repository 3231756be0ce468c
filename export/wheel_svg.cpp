// The wheel of the year as SVG text: the year as a circle, the events at the angles of their
// local times within it, both methods of the cross-quarter days side by side.
#include "writers.h"

#include "calendar/calendar_date.h"
#include "calendar/calendar_reform.h"
#include "calendar/date_text.h"
#include "text/translation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

namespace varnex {
namespace {

// The picture's frame: a 1160 x 900 canvas, the circle in its middle, room for the labels beside it.
constexpr double kWidth = 1160;
constexpr double kHeight = 900;
constexpr double kCentreX = 580;
constexpr double kCentreY = 450;
constexpr double kRadius = 210;
constexpr double kLineHeight = 18;

// Colours that read on the picture's own light background, in print and in grey: the shapes
// and the labels, not the colours, tell the kinds of mark apart.
constexpr const char* kInk = "#1b1b1b";
constexpr const char* kMuted = "#5b5b5b";
constexpr const char* kEventColour = "#1f3b73";
constexpr const char* kTrueColour = "#a8431a";
constexpr const char* kMeanColour = "#17694c";
constexpr const char* kApsisColour = "#6a3d8f";
constexpr const char* kMeteorologicalColour = "#2f5f9e";

// The months' names, in the language of the installed translator.
std::string monthName(std::size_t month, std::int16_t language) {
    switch (month) {
    case 0: return translate("Export", "Jan").in(language);
    case 1: return translate("Export", "Feb").in(language);
    case 2: return translate("Export", "Mar").in(language);
    case 3: return translate("Export", "Apr").in(language);
    case 4: return translate("Export", "May").in(language);
    case 5: return translate("Export", "Jun").in(language);
    case 6: return translate("Export", "Jul").in(language);
    case 7: return translate("Export", "Aug").in(language);
    case 8: return translate("Export", "Sep").in(language);
    case 9: return translate("Export", "Oct").in(language);
    case 10: return translate("Export", "Nov").in(language);
    default: return translate("Export", "Dec").in(language);
    }
}

// What the picture needs beyond its rows.
struct WheelOptions {
    std::int32_t year = 0;
    CalendarReform reform{};        // the calendar in force on each day of the rows' local dates
    std::string zone;               // as the user gave it
    bool southern = false;
    double nextMarchEquinoxJD = 0;  // ends the season that begins at the December solstice
    std::int16_t language = intEnglish;  // of the title, subtitle, legend, months and apsides
};

// The first day of a month in the calendar in force: where a reform skipped it (1 February
// 1918 in Russia), the reform's first day.
std::int64_t firstDayOf(std::int32_t year, std::int32_t month, const CalendarReform& reform) {
    return dayNumberInForce(year, month, 1, reform).value_or(reform.firstGregorianDay);
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

struct Point {
    double x;
    double y;
};

// The point at `radius` from the centre in the direction of `turn` (0 at the top, 0.25 at
// the right: clockwise, a whole year being 1).
Point at(double turn, double radius) {
    const double angle = 2 * std::numbers::pi * turn;
    return {kCentreX + radius * std::sin(angle), kCentreY - radius * std::cos(angle)};
}

// How far into the year an event's local date and time (its line's cut minute) lie, as a
// fraction of the year of the calendar of its dates.
double turnOf(const ExportRow& row, const WheelOptions& options) {
    const std::int64_t first = firstDayOf(options.year, 1, options.reform);
    const std::int64_t next = firstDayOf(options.year + 1, 1, options.reform);
    const double dayFraction = row.localDayFraction;
    const std::int32_t minute = secondOfDay(dayFraction) / 60;
    return (static_cast<double>(row.localDate.dayNumber - first) + minute / 1440.0) / static_cast<double>(next - first);
}

// "92 d 18 h" from a number of days.
std::string duration(double days) {
    const auto hours = static_cast<long>(std::floor(days * 24));
    return std::to_string(hours / 24) + " d " + std::to_string(hours % 24) + " h";
}

std::string apart(double days, std::int16_t language) {
    const auto minutes = static_cast<long>(std::floor(std::abs(days) * 1440));
    return withArgument(translate("Export", "%1 apart").in(language),
                        (minutes >= 60 ? std::to_string(minutes / 60) + " h " : std::string()) +
                            std::to_string(minutes % 60) + " min");
}

std::string dateText(std::int32_t dayNumber, const CalendarReform& reform) {
    return DateText(dateInForce(dayNumber, reform), DateOrderYMD, "-", ",", false);
}

// The name of a reform in the subtitle: the country of a named one, else "Reform".
std::string reformName(const CalendarReform& reform, std::int16_t language) {
    switch (namedReformIndex(reform).value_or(kReformWords.size())) {
    case 0: return translate("Export", "Rome").in(language);
    case 1: return translate("Export", "Britain").in(language);
    case 2: return translate("Export", "Russia").in(language);
    case 3: return translate("Export", "Greece").in(language);
    default: return translate("Export", "Reform").in(language);
    }
}

// The calendar of the subtitle: the one in force all year, or the reform the year holds
// ("Britain: Julian until 1752-09-02, Gregorian from 1752-09-14").
std::string calendarSubtitle(const WheelOptions& options) {
    const std::int16_t language = options.language;
    const std::int64_t first = firstDayOf(options.year, 1, options.reform);
    const std::int64_t next = firstDayOf(options.year + 1, 1, options.reform);
    const std::int32_t reformDay = options.reform.firstGregorianDay;
    if (reformDay <= first) return translate("Export", "Gregorian calendar").in(language);
    if (reformDay >= next) return translate("Export", "Julian calendar").in(language);
    return reformName(options.reform, language) + ": " + withArguments(translate("Export", "Julian until %1, Gregorian from %2").in(language),
                                       dateText(reformDay - 1, options.reform), dateText(reformDay, options.reform));
}

class Picture {
public:
    explicit Picture(std::ostream& out) : out_(out) {}

    void text(Point p, const std::string& anchor, const std::string& content, const std::string& style = {}) {
        out_ << "<text x=\"" << number(p.x) << "\" y=\"" << number(p.y) << "\" text-anchor=\"" << anchor << "\""
             << (style.empty() ? "" : " " + style) << ">" << content << "</text>\n";
    }
    void line(Point a, Point b, const char* colour, double width) {
        out_ << "<line x1=\"" << number(a.x) << "\" y1=\"" << number(a.y) << "\" x2=\"" << number(b.x) << "\" y2=\""
             << number(b.y) << "\" stroke=\"" << colour << "\" stroke-width=\"" << number(width) << "\"/>\n";
    }
    // The four marks: a filled disc (equinox, solstice), a filled diamond (true sun), a ring
    // (mean sun), a triangle (perihelion, aphelion). `id` lets a reader find the mark of an event.
    void mark(Point p, char kind, const std::string& id) {
        const std::string idText = id.empty() ? "" : " id=\"" + id + "\"";
        if (kind == 'e')
            out_ << "<circle" << idText << " cx=\"" << number(p.x) << "\" cy=\"" << number(p.y)
                 << "\" r=\"8\" fill=\"" << kEventColour << "\"/>\n";
        if (kind == 't')
            out_ << "<rect" << idText << " x=\"" << number(p.x - 6.5) << "\" y=\"" << number(p.y - 6.5)
                 << "\" width=\"13\" height=\"13\" fill=\"" << kTrueColour << "\" transform=\"rotate(45 "
                 << number(p.x) << " " << number(p.y) << ")\"/>\n";
        if (kind == 'm')
            out_ << "<circle" << idText << " cx=\"" << number(p.x) << "\" cy=\"" << number(p.y)
                 << "\" r=\"6.5\" fill=\"#ffffff\" stroke=\"" << kMeanColour << "\" stroke-width=\"3\"/>\n";
        if (kind == 'a')
            out_ << "<polygon" << idText << " points=\"" << number(p.x) << "," << number(p.y - 7) << " "
                 << number(p.x + 7) << "," << number(p.y + 6) << " " << number(p.x - 7) << "," << number(p.y + 6)
                 << "\" fill=\"" << kApsisColour << "\"/>\n";
    }
    std::ostream& raw() { return out_; }

private:
    std::ostream& out_;
};

// A label of several lines beside the circle at `turn`, anchored away from the circle.
void label(Picture& picture, double turn, const std::vector<std::pair<std::string, std::string>>& lines) {
    const Point p = at(turn, kRadius + 34);
    const double side = std::sin(2 * std::numbers::pi * turn);
    const double vertical = -std::cos(2 * std::numbers::pi * turn);  // -1 at the top, 1 at the bottom
    const std::string anchor = side > 0.35 ? "start" : side < -0.35 ? "end" : "middle";
    const double height = kLineHeight * static_cast<double>(lines.size() - 1);
    double y = p.y + 5 - height / 2 + vertical * (height / 2 + 8);
    for (const auto& [content, style] : lines) {
        picture.text({p.x, y}, anchor, content, style);
        y += kLineHeight;
    }
}

void header(Picture& picture, const WheelOptions& options) {
    const std::int16_t language = options.language;
    const std::string title = withArgument(translate("Export", "The wheel of the year %1").in(language), std::to_string(options.year));
    picture.raw() << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\"" << kHeight
                  << "\" viewBox=\"0 0 " << kWidth << " " << kHeight << "\" font-family=\"DejaVu Sans, Arial, sans-serif\" "
                  << "font-size=\"15\" fill=\"" << kInk << "\">\n"
                  << "<title>" << escaped(title) << "</title>\n"
                  << "<rect width=\"100%\" height=\"100%\" rx=\"18\" fill=\"#fbfaf5\"/>\n";
    picture.text({kCentreX, 42}, "middle", escaped(title), "font-size=\"26\" font-weight=\"bold\"");
    picture.text({kCentreX, 70}, "middle",
                 escaped(calendarSubtitle(options)) + " \u00b7 " + escaped(options.zone) + " \u00b7 " +
                     (options.southern ? translate("Export", "southern hemisphere").in(language)
                                       : translate("Export", "northern hemisphere").in(language)),
                 std::string("fill=\"") + kMuted + "\"");
}

// The circle, the month ticks and their names, the year in the middle.
void dial(Picture& picture, const WheelOptions& options) {
    picture.raw() << "<circle cx=\"" << kCentreX << "\" cy=\"" << kCentreY << "\" r=\"" << kRadius
                  << "\" fill=\"none\" stroke=\"" << kMuted << "\" stroke-width=\"2\"/>\n";
    // The first day of each month and of the next year, in days from the first of January.
    std::array<double, 13> starts{};
    const std::int64_t first = firstDayOf(options.year, 1, options.reform);
    for (int month = 0; month < 13; ++month)
        starts[static_cast<std::size_t>(month)] =
            static_cast<double>(firstDayOf(options.year + month / 12, month % 12 + 1, options.reform) - first);
    const double length = starts[12];
    for (std::size_t month = 0; month < 12; ++month) {
        picture.line(at(starts[month] / length, kRadius - 9), at(starts[month] / length, kRadius + 9), kMuted, 1.5);
        picture.text(at((starts[month] + starts[month + 1]) / 2 / length, kRadius - 40), "middle", monthName(month, options.language),
                     std::string("font-size=\"13\" dominant-baseline=\"middle\" fill=\"") + kMuted + "\"");
    }
    picture.text({kCentreX, kCentreY + 4}, "middle", std::to_string(options.year),
                 "font-size=\"44\" font-weight=\"bold\" dominant-baseline=\"middle\"");
}

void legend(Picture& picture, bool terms, bool meteorological, std::int16_t language) {
    const double y = kHeight - (terms ? 146 : 122) - (meteorological ? 24 : 0);
    picture.mark({40, y}, 'e', "");
    picture.text({56, y + 5}, "start", escaped(translate("Export", "equinox or solstice").in(language)));
    picture.mark({40, y + 24}, 't', "");
    picture.text({56, y + 29}, "start",
                 escaped(translate("Export", "true sun: the instant the Sun's apparent longitude reaches 315\u00b0, "
                                             "45\u00b0, 135\u00b0 or 225\u00b0").in(language)));
    picture.mark({40, y + 48}, 'm', "");
    picture.text({56, y + 53}, "start",
                 escaped(translate("Export", "mean sun: halfway in time between the equinox and the solstice around it").in(language)));
    picture.mark({40, y + 72}, 'a', "");
    picture.text({56, y + 77}, "start",
                 escaped(translate("Export", "perihelion, aphelion: the Earth nearest to and farthest from the Sun").in(language)));
    double next = y + 101;
    if (terms) {
        picture.line({40, next - 11}, {40, next + 3}, kMuted, 1.5);
        picture.text({56, next}, "start",
                     escaped(translate("Export", "a solar term: the Sun's apparent longitude at a multiple of 15\u00b0").in(language)));
        next += 24;
    }
    if (meteorological) {
        picture.line({40, next - 11}, {40, next + 3}, kMeteorologicalColour, 3);
        picture.text({56, next}, "start",
                     escaped(translate("Export", "a meteorological season's first day: 1 March, 1 June, 1 September, 1 "
                                                 "December").in(language)));
        next += 24;
    }
    picture.text({40, next}, "middle", "d h", std::string("font-size=\"12\" fill=\"") + kMuted + "\"");
    picture.text({56, next}, "start",
                 escaped(translate("Export", "inside the ring: the lengths of the astronomical seasons in days and "
                                             "hours, from each equinox or solstice to the next").in(language)));
}

// Perihelion and aphelion of the year, as its lines have them (none, one or two of each),
// marked on the circle and named inside it.
void apsides(Picture& picture, const CalculateRequest& request, std::string_view zoneText, Hemisphere hemisphere,
             const WheelOptions& options) {
    CalculateRequest ofYear = request;
    ofYear.selection = Selection{};
    ofYear.selection.turningPoints = {{TurningKind::Perihelion, 0}, {TurningKind::Aphelion, 0}};
    std::vector<std::string> marked;  // ids are unique: a second perihelion's is mark-perihelion-2
    for (const ExportRow& row : rowsOf(ofYear, zoneText, hemisphere, RowNames::Summary)) {
        const double turn = turnOf(row, options);
        const std::string key = eventKey(row);
        const bool second = std::ranges::find(marked, key) != marked.end();
        marked.push_back(key);
        picture.mark(at(turn, kRadius), 'a', "mark-" + key + (second ? "-2" : ""));
        const std::string style = std::string("font-size=\"12\" dominant-baseline=\"middle\" fill=\"") + kApsisColour + "\"";
        // Two lines inside the month names, the second towards the centre.
        const Point p = at(turn, kRadius - 70);
        const double towardsCentre = std::cos(2 * std::numbers::pi * turn) > 0 ? 14 : -14;
        const std::string name = row.turningPoint->kind == TurningKind::Perihelion
                                     ? translate("Export", "Perihelion").in(options.language)
                                     : translate("Export", "Aphelion").in(options.language);
        picture.text(towardsCentre > 0 ? p : Point{p.x, p.y + towardsCentre}, "middle", escaped(name), style);
        picture.text(towardsCentre > 0 ? Point{p.x, p.y + towardsCentre} : p, "middle",
                     isoDateText(row.localDate) + " " + localTimeText(row), style);
    }
}

// The 24 solar terms as ticks across the circle, each with its name as a tooltip.
void solarTermTicks(Picture& picture, const CalculateRequest& request, std::string_view zoneText,
                    Hemisphere hemisphere, const WheelOptions& options) {
    CalculateRequest terms = request;
    terms.selection = Selection{};
    for (const SolarTerm& term : kSolarTerms)
        terms.selection.turningPoints.push_back({TurningKind::SolarTerm, static_cast<double>(term.longitudeDeg)});
    for (const ExportRow& row : rowsOf(terms, zoneText, hemisphere, RowNames::Summary)) {
        const double turn = turnOf(row, options);
        const Point inner = at(turn, kRadius - 7);
        const Point outer = at(turn, kRadius + 7);
        picture.raw() << "<line id=\"tick-" << eventKey(row) << "\" x1=\"" << number(inner.x) << "\" y1=\""
                      << number(inner.y) << "\" x2=\"" << number(outer.x) << "\" y2=\"" << number(outer.y)
                      << "\" stroke=\"" << kMuted << "\" stroke-width=\"1.5\"><title>" << escaped(row.name) << " "
                      << escaped(lineDateTimeText(row)) << "</title></line>\n";
    }
}

// The rows of the wheel by event and method: [event][0] an equinox or solstice or the true sun,
// [1] the mean sun.
using RowsByEvent = std::array<std::array<const ExportRow*, 2>, kEventTable.size()>;

const ExportRow* quarterEvent(const RowsByEvent& byEvent, std::int16_t quarter) {
    return byEvent[eventIndexOf(EventFamily::EquinoxSolstice, quarter)][0];
}

// The seasons' lengths inside the circle, between one equinox or solstice and the next.
void seasons(Picture& picture, const RowsByEvent& byEvent, const WheelOptions& options) {
    for (std::int16_t q = 0; q < 4; ++q) {
        // The last season ends at the next year's March equinox, a turn after this year's.
        const bool last = q == 3;
        const ExportRow* from = quarterEvent(byEvent, q);
        const ExportRow* to = quarterEvent(byEvent, static_cast<std::int16_t>(last ? 0 : q + 1));
        if (!from || !to) continue;
        const double toJD = last ? options.nextMarchEquinoxJD : to->jdUT;
        const double fromTurn = turnOf(*from, options);
        const double toTurn = turnOf(*to, options) + (last ? 1 : 0);
        picture.text(at((fromTurn + toTurn) / 2, kRadius - 100), "middle", duration(toJD - from->jdUT),
                     std::string("font-size=\"14\" dominant-baseline=\"middle\" fill=\"") + kMuted + "\"");
    }
}

void equinoxesAndSolstices(Picture& picture, const RowsByEvent& byEvent, const WheelOptions& options) {
    for (std::int16_t q = 0; q < 4; ++q) {
        const ExportRow* row = quarterEvent(byEvent, q);
        if (!row) continue;
        const double turn = turnOf(*row, options);
        picture.mark(at(turn, kRadius), 'e', "mark-" + std::string(eventKey(*row)));
        label(picture, turn, {{escaped(row->name), "font-weight=\"bold\""}, {escaped(lineDateTimeText(*row)), ""}});
    }
}

// Each cross-quarter day by both methods, the mean-sun mark a little inside the circle so that
// both show however close they lie, and how far apart they are.
void crossQuarterDays(Picture& picture, const RowsByEvent& byEvent, const WheelOptions& options) {
    for (std::int16_t q = 0; q < 4; ++q) {
        const std::size_t event = eventIndexOf(EventFamily::CrossQuarter, q);
        const std::string key(kEventTable[event].key);
        const ExportRow* trueSun = byEvent[event][0];
        const ExportRow* meanSun = byEvent[event][1];
        if (!trueSun && !meanSun) continue;
        std::vector<std::pair<std::string, std::string>> lines{{escaped((trueSun ? trueSun : meanSun)->name), "font-weight=\"bold\""}};
        if (trueSun) {
            picture.mark(at(turnOf(*trueSun, options), kRadius), 't', std::string("mark-") + key + "-true");
            lines.emplace_back("\u25c6 " + escaped(translate("Export", "true").in(options.language)) + " " + escaped(lineDateTimeText(*trueSun)),
                               std::string("fill=\"") + kTrueColour + "\"");
        }
        if (meanSun) {
            picture.mark(at(turnOf(*meanSun, options), kRadius - 18), 'm', std::string("mark-") + key + "-mean");
            lines.emplace_back("\u25cb " + escaped(translate("Export", "mean").in(options.language)) + " " + escaped(lineDateTimeText(*meanSun)),
                               std::string("fill=\"") + kMeanColour + "\"");
        }
        if (trueSun && meanSun) lines.emplace_back(escaped(apart(trueSun->jdUT - meanSun->jdUT, options.language)), "font-style=\"italic\"");
        label(picture, turnOf(trueSun ? *trueSun : *meanSun, options), lines);
    }
}

// The meteorological seasons asked for: a bar across the circle at the start of each first
// day, named by its tooltip (the legend says what the bars are; a name would crowd the seasons'
// lengths and the apsides inside the circle).
void meteorologicalDays(Picture& picture, const CalculateRequest& request, std::string_view zoneText,
                        const WheelOptions& options) {
    CalculateRequest days = request;
    days.selection = Selection{};
    days.selection.meteorological = request.selection.meteorological;
    for (const ExportRow& row : rowsOf(days, zoneText, request.hemisphere, RowNames::Summary)) {
        const double turn = turnOf(row, options);
        const Point inner = at(turn, kRadius - 12), outer = at(turn, kRadius + 12);
        picture.raw() << "<line id=\"mark-" << eventKey(row) << "\" x1=\"" << number(inner.x) << "\" y1=\""
                      << number(inner.y) << "\" x2=\"" << number(outer.x) << "\" y2=\"" << number(outer.y)
                      << "\" stroke=\"" << kMeteorologicalColour << "\" stroke-width=\"3\"><title>" << escaped(row.name)
                      << " " << isoDateText(row.localDate) << "</title></line>\n";
    }
}

}  // namespace

void writeWheelSvg(const CalculateRequest& request, std::string_view zoneText, std::ostream& out) {
    CalculateRequest everything = request;
    everything.selection = fullSelection();
    everything.selection.equinoxTrueSun = request.selection.equinoxTrueSun;
    const Hemisphere hemisphere = request.hemisphere;
    const std::vector<ExportRow> rows = rowsOf(everything, zoneText, hemisphere, RowNames::Summary);
    const std::size_t march = eventIndexOf(EventFamily::EquinoxSolstice, 0);
    const Method equinoxMethod = request.selection.equinoxTrueSun ? Method::TrueSun : Method::None;
    const WheelOptions options{.year = request.year,
                               .reform = request.calendar,
                               .zone = std::string(zoneText),
                               .southern = hemisphere == Hemisphere::South,
                               .nextMarchEquinoxJD = instantOf(kEventTable[march], equinoxMethod, request.year + 1).jdUT,
                               .language = request.language};
    RowsByEvent byEvent{};
    for (const ExportRow& row : rows) byEvent[row.event][row.method == Method::MeanSun ? 1 : 0] = &row;
    const bool terms = std::any_of(request.selection.turningPoints.begin(), request.selection.turningPoints.end(),
                                   [](const TurningPoint& point) { return point.kind == TurningKind::SolarTerm; });

    Picture picture(out);
    header(picture, options);
    dial(picture, options);
    if (terms) solarTermTicks(picture, request, zoneText, hemisphere, options);
    seasons(picture, byEvent, options);
    apsides(picture, request, zoneText, hemisphere, options);
    equinoxesAndSolstices(picture, byEvent, options);
    crossQuarterDays(picture, byEvent, options);
    const bool meteorological = std::ranges::any_of(request.selection.meteorological, [](bool on) { return on; });
    if (meteorological) meteorologicalDays(picture, request, zoneText, options);
    legend(picture, terms, meteorological, request.language);
    out << "</svg>\n";
}

}  // namespace varnex
