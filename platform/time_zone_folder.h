// Where the system's compiled time-zone files lie, without Qt.
#pragma once

#include <string>

namespace varnex::platform {

// The folder of the tz database's compiled files ("Europe/London" is a file there): the one
// the date library reads them from on this system.
std::string timeZoneFolder();

}  // namespace varnex::platform
