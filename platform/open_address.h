// Opening an address (a web address or a file) with the program the system associates with
// it, and a seam for tests.
#pragma once

#include <functional>
#include <string>

class QObject;

namespace varnex::platform {

// Opens the address with the program the system associates with it, and calls `finished`
// with the result once it is known: above 32 it opened; 32 or less it failed, with 2 the
// file is not there, 5 the address is refused (a scheme other than http, https and mailto, or
// a file outside the program's folder, links resolved), 31 nothing on the system opens it.
// An empty or blank address opens nothing and gives no result. The call never waits for the
// opener: the result may come later from the event loop, and does not come once `context`
// is gone.
void openAddress(const std::string& address, QObject* context, std::function<void(int)> finished);

// While set, addresses that pass the checks go to the opener instead of the system (for
// tests), and its result is the launch's; an empty function restores the system.
void setAddressOpenerForTesting(std::function<int(const std::string&)> opener);

}  // namespace varnex::platform
