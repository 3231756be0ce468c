#include "report/upcoming.h"

#include "astro/constants.h"
#include "calendar/calendar_date.h"
#include "text/translation.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace varnex {
namespace {

// The instant of a line, or the local midnight that begins its whole day.
double instantOfLine(const RequestLine& line, const Zone& zone) {
    if (!std::isnan(line.instant.jdUT)) return line.instant.jdUT;
    const std::int32_t day = line.local.date.dayNumber;
    return julianDayOfLocalTime(day, 0.0, zone.offsetAt(julianDayOfLocalTime(day, 0.0, 0)).seconds);
}

// The instant of the equinox or solstice of a quarter in a year, by the selection's method.
double quarterInstant(std::int32_t year, std::int16_t quarter, const Selection& selection) {
    const EventRow& row = kEventTable[eventIndexOf(EventFamily::EquinoxSolstice, quarter)];
    return instantOf(row, selection.equinoxTrueSun ? Method::TrueSun : Method::None, year).jdUT;
}

// "%1 days" with its number, in the singular for one.
std::string unitText(std::int64_t n, const Text& one, const Text& many, std::int16_t language) {
    return withArgument((n == 1 ? one : many).in(language), std::to_string(n));
}

// The Gregorian year of an instant, in UTC.
std::int32_t utcYearOf(double jdUT) {
    CalendarDate date{0, 0, 0, kGregorianCode, civilTimeOf(jdUT, 0).dayNumber};
    DayNumberToDate(date);
    return date.year;
}

// A number of whole units of a moment's text: the digits from `at`, exactly `digits` of them.
std::optional<int> digitsAt(std::string_view text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size()) return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + at + digits, value);
    if (error != std::errc() || end != text.data() + at + digits) return std::nullopt;
    return value;
}

}  // namespace

std::vector<UpcomingLine> upcomingLines(const CalculateRequest& request, const EventNameTable& names, double nowJD,
                                        std::size_t count) {
    std::vector<UpcomingLine> found;
    CalculateRequest ofYear = request;
    // The lines of a year are those dated in it, so the years in order give the lines in order.
    for (std::int32_t year = std::max(utcYearOf(nowJD) - 1, 1); year <= 3000 && found.size() < count; ++year) {
        ofYear.year = year;
        std::vector<UpcomingLine> lines;
        forEachRequestLine(ofYear, names, [&](const RequestLine& line) {
            const double jd = instantOfLine(line, request.zone);
            if (jd > nowJD) lines.push_back({line, year, jd, (jd - nowJD) * kSecondsPerDay});
        });
        std::stable_sort(lines.begin(), lines.end(), [](const UpcomingLine& a, const UpcomingLine& b) { return a.jdUT < b.jdUT; });
        for (UpcomingLine& line : lines)
            if (found.size() < count) found.push_back(std::move(line));
    }
    return found;
}

std::optional<SeasonNow> seasonAt(double nowJD, const Selection& selection) {
    const std::int32_t nowYear = utcYearOf(nowJD);
    // The equinoxes and solstices from the December solstice before the year to the March
    // equinox after it, in order.
    for (std::int32_t year = nowYear - 1; year <= nowYear; ++year)
        for (std::int16_t q = 0; q < 4; ++q) {
            const std::int32_t nextYear = q == 3 ? year + 1 : year;
            const auto nextQuarter = static_cast<std::int16_t>((q + 1) % 4);
            if (year < 1 || nextYear > 3000) continue;
            const double start = quarterInstant(year, q, selection), end = quarterInstant(nextYear, nextQuarter, selection);
            if (nowJD < start || nowJD >= end) continue;
            const double elapsed = nowJD - start, length = end - start;
            return SeasonNow{q, start, end, static_cast<std::int32_t>(std::floor(elapsed)) + 1,
                             static_cast<std::int32_t>(std::ceil(length)), elapsed / length};
        }
    return std::nullopt;
}

std::string seasonName(std::int16_t quarter, Hemisphere hemisphere, std::int16_t language) {
    switch ((quarter + (hemisphere == Hemisphere::South ? 2 : 0)) % 4) {
    case 0: return translate("Report", "Spring").in(language);
    case 1: return translate("Report", "Summer").in(language);
    case 2: return translate("Report", "Autumn").in(language);
    default: return translate("Report", "Winter").in(language);
    }
}

std::string seasonText(const SeasonNow& season, Hemisphere hemisphere, std::int16_t language) {
    return seasonName(season.quarter, hemisphere, language) + ": " +
           withArguments(translate("Report", "day %1 of %2").in(language), std::to_string(season.day),
                         std::to_string(season.days)) +
           ", " + std::to_string(static_cast<int>(std::floor(season.share * 100))) + " %";
}

std::string timeLeftText(double seconds, std::int16_t language) {
    const auto total = static_cast<std::int64_t>(std::floor(std::max(seconds, 0.0)));
    const std::int64_t days = total / 86400, hours = total % 86400 / 3600, minutes = total % 3600 / 60;
    const auto day = [&](std::int64_t n) { return unitText(n, translate("Report", "%1 day"), translate("Report", "%1 days"), language); };
    const auto hour = [&](std::int64_t n) { return unitText(n, translate("Report", "%1 hour"), translate("Report", "%1 hours"), language); };
    const auto minute = [&](std::int64_t n) {
        return unitText(n, translate("Report", "%1 minute"), translate("Report", "%1 minutes"), language);
    };
    std::string left;
    if (days > 0) left = day(days) + " " + hour(hours);
    else if (hours > 0) left = hour(hours) + " " + minute(minutes);
    else {
        const auto second = [&](std::int64_t n) {
            return unitText(n, translate("Report", "%1 second"), translate("Report", "%1 seconds"), language);
        };
        left = minutes > 0 ? minute(minutes) + " " + second(total % 60) : second(total);
    }
    return withArgument(translate("Report", "in %1").in(language), left);
}

std::optional<double> parseMoment(std::string_view text) {
    const auto year = digitsAt(text, 0, 4), month = digitsAt(text, 5, 2), day = digitsAt(text, 8, 2);
    if (!year || !month || !day || text[4] != '-' || text[7] != '-' || *year < 1 || *year > 3000 || *month < 1 ||
        *month > 12 || *day < 1)
        return std::nullopt;
    const std::int64_t dayNumber = dayNumberFromDate(*year, *month, *day, kGregorianCode);
    CalendarDate check{0, 0, 0, kGregorianCode, static_cast<std::int32_t>(dayNumber)};
    DayNumberToDate(check);
    if (check.day != *day) return std::nullopt;  // 2026-02-30
    double seconds = 0;
    std::int32_t offset = 0;
    if (text.size() > 10) {
        const auto hour = digitsAt(text, 11, 2), minute = digitsAt(text, 14, 2);
        if ((text[10] != 'T' && text[10] != 't' && text[10] != ' ') || !hour || !minute || text[13] != ':' || *hour > 23 || *minute > 59)
            return std::nullopt;
        seconds = *hour * 3600.0 + *minute * 60.0;
        std::size_t at = 16;
        if (at < text.size() && text[at] == ':') {
            const auto second = digitsAt(text, at + 1, 2);
            if (!second || *second > 59) return std::nullopt;
            seconds += *second;
            at += 3;
            if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
                std::size_t end = at + 1;
                while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) ++end;
                if (end == at + 1) return std::nullopt;
                seconds += std::stod("0." + std::string(text.substr(at + 1, end - at - 1)));
                at = end;
            }
        }
        const std::string_view zone = text.substr(at);
        if (zone == "Z" || zone == "z") offset = 0;
        else if (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':') {
            const auto h = digitsAt(zone, 1, 2), m = digitsAt(zone, 4, 2);
            if (!h || !m || *h > 14 || *m > 59) return std::nullopt;
            offset = (zone[0] == '-' ? -1 : 1) * (*h * 3600 + *m * 60);
        } else
            return std::nullopt;
    }
    // Within the years 1 to 3000 in UTC too (1 January 1 and 1 January 3001, 0h UT).
    const double jd = julianDayOfLocalTime(static_cast<std::int32_t>(dayNumber), seconds, offset);
    if (jd < 1721425.5 || jd >= 2817152.5) return std::nullopt;
    return jd;
}

}  // namespace varnex
