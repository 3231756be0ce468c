// Opening an address (a web address or a file) with the program the system associates with
// it, and a seam for tests.
#pragma once

#include <functional>
#include <string>

namespace varnex::platform {

// Asks the system to open the address; returns a result as the shell numbers them: above 32
// on success, 2 when a file does not exist, 31 when no program takes it.
int OpenAddress(const std::string& address);

// While set, addresses go to the opener instead of the system (for tests); an empty function
// restores the system.
void setAddressOpenerForTesting(std::function<int(const std::string&)> opener);

}  // namespace varnex::platform
