// The rule of a POSIX TZ string, as zone files end with one ("GMT0BST,M3.5.0/1,M10.5.0"), read
// by the date library's Posix::time_zone.
#pragma once

#include "zones/zone.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Posix { class time_zone; }

namespace varnex {

class PosixRule {
public:
    // The rule of `tz`, or none where the text is no rule the library reads.
    static std::unique_ptr<const PosixRule> read(const std::string& tz);
    ~PosixRule();

    // The offset and abbreviation in force at `unixSeconds` (seconds since 1970, UT).
    UtcOffset offsetAt(std::int64_t unixSeconds) const;

private:
    PosixRule() = default;
    std::unique_ptr<const Posix::time_zone> rule_;
    std::int64_t shiftSeconds_ = 0;
};

}  // namespace varnex
