// Time zones of the tz database by name, with their daylight-saving rules, over Howard
// Hinnant's date/tz and the system's tzdata.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace date { class time_zone; }

namespace varnex {

class NamedZone {
public:
    // The zone of that name ("Europe/London", "America/New_York"), or the system's own zone for
    // "local"; nothing for a name the database does not know.
    static std::optional<NamedZone> Find(std::string_view name);

    // Seconds east of Greenwich in force at the instant `jdUT` (a Julian day, UT): local time
    // is UT plus this. Before a zone's standard time, its local mean time as the database has
    // it (London -0:01:15); after the database's last transition, its last rule continued.
    std::int32_t OffsetAt(double jdUT) const;

    // The zone's name in the database ("Europe/London"; for "local", the system zone's name).
    std::string Name() const;

private:
    explicit NamedZone(const date::time_zone* zone) : zone_(zone) {}
    const date::time_zone* zone_;
};

}  // namespace varnex
