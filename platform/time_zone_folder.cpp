#include "platform/time_zone_folder.h"

namespace varnex::platform {

// date/tz built with USE_OS_TZDB (Debian's) reads this folder, fixed at its build; the C
// library's TZDIR does not move it.
std::string timeZoneFolder() { return "/usr/share/zoneinfo"; }

}  // namespace varnex::platform
