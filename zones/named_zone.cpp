// date/tz, built to read the system's compiled zone files, knows only the transitions listed in
// them: after the last one it keeps that last offset for ever, so London would stay on GMT all
// summer from 2038 on and Sydney on daylight time all winter. Each zone file ends with a POSIX
// TZ string, the rule in force after its last transition (PosixRule); the offset after the last
// transition comes from there, as the C library does it.
#include "zones/named_zone.h"

#include "text/case_fold.h"

#include "zones/fixed_offsets.h"
#include "zones/posix_rule.h"
#include "zones/solar_time.h"

#include <date/date.h>
#include <date/tz.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace varnex {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

// ---- The rule at the end of a zone file ----------------------------------------------------------

// The bytes of a zone file: a regular file only (never a pipe or a device, which could block
// or never end), no larger than a zone file can be.
std::optional<std::string> zoneFileBytes(const fs::path& path) {
    std::error_code error;
    if (!fs::is_regular_file(path, error) || fs::file_size(path, error) > (1u << 20) || error) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return std::nullopt;
    return bytes;
}

// The TZ string at the end of a zone file (version 2 and later), between its last two line ends.
std::optional<std::string> footerOf(const fs::path& file) {
    const auto bytes = zoneFileBytes(file);
    if (!bytes || bytes->size() < 6 || !bytes->starts_with("TZif") || (*bytes)[4] < '2' || bytes->back() != '\n')
        return std::nullopt;
    const std::size_t open = bytes->rfind('\n', bytes->size() - 2);
    if (open == std::string::npos || open + 2 >= bytes->size()) return std::nullopt;
    return bytes->substr(open + 1, bytes->size() - open - 2);
}

// ---- A zone of the database ------------------------------------------------------------------------

class DatabaseZone final : public ZoneRules {
public:
    DatabaseZone(const date::time_zone* zone, const fs::path& zoneFolder) : zone_(zone), name_(zone->name()) {
        if (const auto footer = footerOf(zoneFolder / name_)) tail_ = PosixRule::read(*footer);
    }

    UtcOffset offsetAt(double jdUT) const override {
        const std::int64_t t = unixSeconds(jdUT);
        const date::sys_info info = zone_->get_info(date::sys_seconds{seconds{t}});
        // After the last listed transition (a rule it cannot read: the last listed offset stays).
        if (tail_ && info.end >= date::sys_days{date::year::max() / date::January / 1}) return tail_->offsetAt(t);
        return {static_cast<std::int32_t>(info.offset.count()), info.abbrev};
    }

    const std::string& name() const override { return name_; }

private:
    // Seconds since 1970-01-01T00:00 UT, rounded down. For years 1..3000 the subtraction is
    // exact, so whole days and the fraction of a day are each exact too. Beyond about ±10,000
    // years (and for NaN) the instant is held at the limit.
    static std::int64_t unixSeconds(double jdUT) {
        double days = jdUT - 2440587.5;
        days = std::isnan(days) ? 0.0 : std::clamp(days, -4.0e6, 4.0e6);
        const double wholeDays = std::floor(days);
        return static_cast<std::int64_t>(wholeDays) * 86400 +
               static_cast<std::int64_t>(std::floor((days - wholeDays) * 86400.0));
    }

    const date::time_zone* zone_;  // lives as long as the program's tz database
    std::string name_;
    std::unique_ptr<const PosixRule> tail_;
};

// ---- Finding a zone ------------------------------------------------------------------------------

// Whether zone1970.tab in the zone folder names the zone (third column): a zone, not a link
// (zone.tab lists some links too, Arctic/Longyearbyen for Europe/Berlin).
bool isListedZone(const std::string& name, const fs::path& zoneFolder) {
    std::ifstream table(zoneFolder / "zone1970.tab");
    for (std::string line; std::getline(table, line);) {
        if (line.starts_with('#')) continue;
        std::istringstream fields(line);
        std::string country, coordinates, zone;
        if (fields >> country >> coordinates >> zone && zone == name) return true;
    }
    return false;
}

// The zone of the database that a zone file holds: by its place in the zone folder (after the
// path is made normal: "//", "." and ".." resolved, symbolic links followed), otherwise the
// zone whose file has the same bytes (a copy, such as an /etc/localtime that is no link).
const date::time_zone* zoneOfFile(const fs::path& given, const fs::path& zoneFolder) {
    const auto bytes = zoneFileBytes(given);
    if (!bytes || !bytes->starts_with("TZif")) return nullptr;
    std::error_code error;
    const fs::path folder = fs::weakly_canonical(zoneFolder, error);
    for (const fs::path& path : {fs::absolute(given, error).lexically_normal(), fs::weakly_canonical(given, error)}) {
        const fs::path inside = path.lexically_relative(folder);
        if (inside.empty() || *inside.begin() == "..") continue;
        try {
            return date::locate_zone(inside.generic_string());
        } catch (const std::runtime_error&) {
        }
    }
    // Links have files of their own (Europe/Belfast beside Europe/London): the zone
    // zone1970.tab lists is the one people know.
    const date::time_zone* found = nullptr;
    for (const date::time_zone& zone : date::get_tzdb().zones) {
        if (zoneFileBytes(folder / zone.name()) != bytes) continue;
        if (isListedZone(zone.name(), folder)) return &zone;
        if (found == nullptr) found = &zone;
    }
    return found;
}

const date::time_zone* systemZone(const fs::path& zoneFolder) {
    const char* tz = std::getenv("TZ");
    if (tz == nullptr || *tz == '\0') return date::current_zone();
    const std::string value = *tz == ':' ? tz + 1 : tz;
    if (!value.starts_with('/')) {
        try {
            return date::locate_zone(value);
        } catch (const std::runtime_error&) {
            return zoneOfFile(zoneFolder / value, zoneFolder);
        }
    }
    return zoneOfFile(value, zoneFolder);
}

const date::time_zone* locate(std::string_view name, const fs::path& zoneFolder) {
    if (equalIgnoringCase(name, "local")) return systemZone(zoneFolder);
    try {
        return date::locate_zone(std::string(name));
    } catch (const std::runtime_error&) {
        // Names are case-sensitive in the database; take "europe/london" for "Europe/London".
        for (const date::time_zone& zone : date::get_tzdb().zones)
            if (equalIgnoringCase(zone.name(), name)) return &zone;
        return nullptr;
    }
}

}  // namespace

std::optional<Zone> findNamedZone(std::string_view name, const std::string& zoneFolder) {
    try {
        const date::time_zone* zone = locate(name, zoneFolder);
        if (zone == nullptr) return std::nullopt;
        return Zone(std::make_shared<const DatabaseZone>(zone, zoneFolder));
    } catch (...) {  // no tzdata, an unreadable zone file, no system zone
        return std::nullopt;
    }
}

std::optional<Zone> parseZone(std::string_view text, const std::string& zoneFolder) {
    if (const auto minutes = parseTimezone(text)) return Zone::fixed(*minutes);
    if (auto solar = parseSolarTimeZone(text)) return solar;
    return findNamedZone(text, zoneFolder);
}

}  // namespace varnex
