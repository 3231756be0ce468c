#include "platform/process.h"

#include <csignal>
#include <ctime>

namespace varnex::platform {

void takeWriteFailuresAsErrors() {
    std::signal(SIGPIPE, SIG_IGN);
#if defined(SIGXFSZ)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

std::int32_t currentLocalYear() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    return localtime_s(&local, &now) == 0 ? local.tm_year + 1900 : 2000;
#else
    return localtime_r(&now, &local) ? local.tm_year + 1900 : 2000;
#endif
}

}  // namespace varnex::platform
