// Time zones of the tz database by name, over date/tz reading the system's tzdata.
//
// date/tz, built to read the system's compiled zone files, knows only the transitions listed in
// them: after the last one (2037 in "fat" files, earlier in "slim" ones) it keeps that last
// offset for ever, so London would stay on GMT all summer from 2038 on and Sydney on daylight
// time all winter. Each zone file ends with a POSIX TZ string, the rule in force after its
// last transition; NamedZone reads it and continues that rule, as the C library does.
#include "zones/named_zone.h"

#include <date/date.h>
#include <date/tz.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace varnex {
namespace {

using std::chrono::seconds;

// Where date/tz, built with USE_OS_TZDB on Linux, reads the zone files.
constexpr const char* kZoneDir = "/usr/share/zoneinfo";

// One of the two dates of a POSIX TZ rule, at a local time of day.
struct RuleDate {
    enum class Kind { kJulian1, kJulian0, kMonthWeek } kind = Kind::kMonthWeek;
    int day = 0;               // Jn: 1..365 leaving out 29 February; n: 0..365
    int month = 0, week = 0;   // Mm.w.d: week 1..5 (5 = last)
    int weekday = 0;           // 0 = Sunday
    seconds time{7200};        // local time of day, -167..167 hours

    // The local midnight starting that date in `year`, as seconds since 1970 (local clock).
    std::int64_t LocalDay(int inYear) const {
        using namespace date;
        sys_days d{};
        const auto y = date::year{inYear};
        switch (kind) {
            case Kind::kJulian1:
                d = sys_days{y / January / 1} + days{day - 1 + (y.is_leap() && day > 59 ? 1 : 0)};
                break;
            case Kind::kJulian0:
                d = sys_days{y / January / 1} + days{day};
                break;
            case Kind::kMonthWeek: {
                const auto m = date::month{static_cast<unsigned>(month)};
                const auto wd = date::weekday{static_cast<unsigned>(weekday)};
                d = week == 5 ? sys_days{y / m / wd[last]}
                              : sys_days{y / m / wd[static_cast<unsigned>(week)]};
                break;
            }
        }
        return std::chrono::duration_cast<seconds>(d.time_since_epoch()).count();
    }
};

// The rule after a zone's last transition: a standard offset, and perhaps a daylight offset
// with the dates it starts and ends (offsets east of Greenwich, unlike the TZ string's).
struct TailRule {
    seconds standard{0};
    std::optional<seconds> daylight;
    RuleDate start, end;

    seconds OffsetAt(std::int64_t t) const {
        if (!daylight) return standard;
        // The latest change at or before t among those of the years around it.
        const auto ymd = date::year_month_day{date::floor<date::days>(
            date::sys_seconds{seconds{t}} + standard)};
        const int year = static_cast<int>(ymd.year());
        std::int64_t latest = std::numeric_limits<std::int64_t>::min();
        seconds offset = standard;
        for (int y = year - 1; y <= year + 1; ++y) {
            const std::int64_t on = start.LocalDay(y) + start.time.count() - standard.count();
            const std::int64_t off = end.LocalDay(y) + end.time.count() - daylight->count();
            if (off <= t && off > latest) { latest = off; offset = standard; }
            if (on <= t && on >= latest) { latest = on; offset = *daylight; }  // ties: daylight
        }
        return offset;
    }
};

// A small reader of TZ strings as zone files end with ("GMT0BST,M3.5.0/1,M10.5.0",
// "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45"); throws std::invalid_argument otherwise.
class TzStringReader {
public:
    explicit TzStringReader(std::string_view s) : s_(s) {}

    TailRule Read() {
        TailRule rule;
        Name();
        rule.standard = -Time(24);
        if (AtEnd()) return rule;
        Name();
        rule.daylight = rule.standard + seconds{3600};
        if (!AtEnd() && Peek() != ',') rule.daylight = -Time(24);
        Expect(',');  // daylight time without its dates is not supported
        rule.start = Date();
        Expect(',');
        rule.end = Date();
        if (!AtEnd()) Fail();
        return rule;
    }

private:
    bool AtEnd() const { return i_ >= s_.size(); }
    char Peek() const { return AtEnd() ? '\0' : s_[i_]; }
    [[noreturn]] static void Fail() { throw std::invalid_argument("unreadable TZ string"); }
    void Expect(char c) {
        if (Peek() != c) Fail();
        ++i_;
    }
    int Number(int max) {
        if (!std::isdigit(static_cast<unsigned char>(Peek()))) Fail();
        int n = 0;
        while (std::isdigit(static_cast<unsigned char>(Peek()))) {
            n = n * 10 + (s_[i_++] - '0');
            if (n > max) Fail();
        }
        return n;
    }
    void Name() {
        const std::size_t from = i_;
        if (Peek() == '<') {
            while (!AtEnd() && s_[i_] != '>') ++i_;
            Expect('>');
        } else {
            while (std::isalpha(static_cast<unsigned char>(Peek()))) ++i_;
        }
        if (i_ - from < 3) Fail();
    }
    // [+-]hh[:mm[:ss]]
    seconds Time(int maxHours) {
        int sign = 1;
        if (Peek() == '+' || Peek() == '-') sign = s_[i_++] == '-' ? -1 : 1;
        int total = Number(maxHours) * 3600;
        if (Peek() == ':') { ++i_; total += Number(59) * 60; }
        if (Peek() == ':') { ++i_; total += Number(59); }
        return seconds{sign * total};
    }
    RuleDate Date() {
        RuleDate d;
        if (Peek() == 'J') {
            ++i_;
            d.kind = RuleDate::Kind::kJulian1;
            d.day = Number(365);
            if (d.day < 1) Fail();
        } else if (Peek() == 'M') {
            ++i_;
            d.month = Number(12);
            Expect('.');
            d.week = Number(5);
            Expect('.');
            d.weekday = Number(6);
            if (d.month < 1 || d.week < 1) Fail();
        } else {
            d.kind = RuleDate::Kind::kJulian0;
            d.day = Number(365);
        }
        if (Peek() == '/') { ++i_; d.time = Time(167); }
        return d;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

// The TZ string at the end of a zone file (version 2 and later), if it is readable.
std::optional<TailRule> ReadTailRule(const std::string& zoneName) {
    std::ifstream in(std::string(kZoneDir) + "/" + zoneName, std::ios::binary);
    const std::string file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (file.size() < 6 || file.compare(0, 4, "TZif") != 0 || file[4] < '2' || file.back() != '\n')
        return std::nullopt;
    const std::size_t open = file.rfind('\n', file.size() - 2);
    if (open == std::string::npos) return std::nullopt;
    const std::string_view text = std::string_view(file).substr(open + 1, file.size() - open - 2);
    if (text.empty()) return std::nullopt;
    try {
        return TzStringReader(text).Read();
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

// The rules read so far, by zone; zones live as long as the program's tz database.
std::mutex tailMutex;
std::map<const date::time_zone*, std::optional<TailRule>> tailRules;

void RememberTailRule(const date::time_zone* zone) {
    {
        const std::lock_guard lock(tailMutex);
        if (tailRules.count(zone) != 0) return;
    }
    auto rule = ReadTailRule(zone->name());
    const std::lock_guard lock(tailMutex);
    tailRules.emplace(zone, std::move(rule));
}

std::optional<TailRule> TailRuleOf(const date::time_zone* zone) {
    const std::lock_guard lock(tailMutex);
    const auto it = tailRules.find(zone);
    return it == tailRules.end() ? std::nullopt : it->second;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

// The bytes of a zone file: a regular file (never a pipe or a device, which could block or
// never end) of a zone file's size at most.
std::optional<std::string> ZoneFileBytes(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) > (1u << 20) || error)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof()) return std::nullopt;
    return bytes;
}

// The zone of the database that a zone file holds: by its place in the zone folder (after the
// path is made normal: "//", "." and ".." resolved, symbolic links followed), otherwise the
// zone whose file has the same bytes (a copy, such as an /etc/localtime that is no link).
const date::time_zone* ZoneOfFile(const std::filesystem::path& given) {
    namespace fs = std::filesystem;
    const auto bytes = ZoneFileBytes(given);
    if (!bytes || !bytes->starts_with("TZif")) return nullptr;
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(kZoneDir, error);
    for (const fs::path& path : {fs::absolute(given, error).lexically_normal(), fs::weakly_canonical(given, error)}) {
        const fs::path inside = path.lexically_relative(folder);
        if (inside.empty() || *inside.begin() == "..") continue;
        try {
            return date::locate_zone(inside.generic_string());
        } catch (const std::runtime_error&) {
        }
    }
    for (const date::time_zone& zone : date::get_tzdb().zones)
        if (ZoneFileBytes(folder / zone.name()) == bytes) return &zone;
    return nullptr;
}

// The system's zone: TZ when it is set, as the C library takes it (a zone's name such as
// "Europe/London" or ":Europe/London", or the path of a zone file); otherwise /etc/localtime.
// A TZ that names no zone of the database (a rule such as "JST-9") gives none, rather than
// quietly another zone.
const date::time_zone* SystemZone() {
    const char* tz = std::getenv("TZ");
    if (tz == nullptr || *tz == '\0') return date::current_zone();
    const std::string value = *tz == ':' ? tz + 1 : tz;
    if (!value.starts_with('/')) {
        try {
            return date::locate_zone(value);
        } catch (const std::runtime_error&) {
            return ZoneOfFile(std::filesystem::path(kZoneDir) / value);
        }
    }
    return ZoneOfFile(value);
}

const date::time_zone* Locate(std::string_view name) {
    if (EqualIgnoringCase(name, "local")) return SystemZone();
    try {
        return date::locate_zone(std::string(name));
    } catch (const std::runtime_error&) {
        // Names are case-sensitive in the database; take "europe/london" for "Europe/London".
        for (const date::time_zone& zone : date::get_tzdb().zones)
            if (EqualIgnoringCase(zone.name(), name)) return &zone;
        return nullptr;
    }
}

}  // namespace

std::optional<NamedZone> NamedZone::Find(std::string_view name) {
    try {
        const date::time_zone* zone = Locate(name);
        if (zone == nullptr) return std::nullopt;
        RememberTailRule(zone);
        return NamedZone(zone);
    } catch (...) {  // no tzdata, an unreadable zone file, no system zone
        return std::nullopt;
    }
}

std::int32_t NamedZone::OffsetAt(double jdUT) const {
    // Seconds since 1970-01-01T00:00 UT, rounded down. For years 1..3000 the subtraction is
    // exact, so whole days and the fraction of a day are each exact too. Beyond about ±10,000
    // years (and for NaN) the instant is held at the limit.
    double days = jdUT - 2440587.5;
    days = std::isnan(days) ? 0.0 : std::clamp(days, -4.0e6, 4.0e6);
    const double wholeDays = std::floor(days);
    const auto t = static_cast<std::int64_t>(wholeDays) * 86400 +
                   static_cast<std::int64_t>(std::floor((days - wholeDays) * 86400.0));

    const date::sys_info info = zone_->get_info(date::sys_seconds{seconds{t}});
    seconds offset = info.offset;
    if (info.end >= date::sys_days{date::year::max() / date::January / 1}) {  // after the last
        if (const auto rule = TailRuleOf(zone_)) offset = rule->OffsetAt(t);
    }
    return static_cast<std::int32_t>(offset.count());
}

std::string NamedZone::Name() const { return zone_->name(); }

}  // namespace varnex
