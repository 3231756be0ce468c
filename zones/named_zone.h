// Zones of the tz database by name, with their daylight saving, over Howard Hinnant's date/tz
// and the system's compiled zone files.
#pragma once

#include "zones/zone.h"

#include <optional>
#include <string>
#include <string_view>

namespace varnex {

// The zone of that name ("Europe/London", in any case), or the system's own zone for "local":
// TZ when it is set, as the C library takes it (a zone's name, ":Europe/London", or the path
// of a zone file anywhere, made normal first), else /etc/localtime. A TZ that names no zone of
// the database ("JST-9", a pipe) gives none rather than quietly another zone. `zoneFolder` is
// where the system's zone files lie (platform::timeZoneFolder()).
//
// The offset is the one in force at each instant: local mean time before the zone's standard
// time (London -0:01:15), and after the last transition that the zone file lists (2037 in
// "fat" files, earlier in "slim" ones) the rule at the end of the file, continued as the C
// library continues it.
std::optional<Zone> findNamedZone(std::string_view name, const std::string& zoneFolder);

// A zone as a command line gives it: a fixed offset (parseTimezone: "GMT+05:30", "+5.5"), the
// local mean or apparent solar time of a longitude (parseSolarTimeZone: "lmt:9.99", "solar:9.99"),
// or a zone of the database.
std::optional<Zone> parseZone(std::string_view text, const std::string& zoneFolder);

}  // namespace varnex
