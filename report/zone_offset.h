// The offset of a request's zone at an instant: fixed, as the window's list has it, or by the
// instant, for a zone whose clocks change (a named zone of varnex-cli, with daylight saving).
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace varnex {

// The offset in force at an instant: whole minutes east of Greenwich (toward zero, as the
// zone's suffix shows them), and what local mean time adds beyond them (London's -0:01:15 is
// -1 minute and -15 seconds), as a fraction of a day. Local time = UT + minutes + extraDays.
struct LocalOffset {
    std::int16_t minutes = 0;
    double extraDays = 0;
};

class ZoneOffset {
public:
    using Rule = std::function<std::int32_t(double jdUT)>;  // seconds east of Greenwich

    ZoneOffset(std::int16_t fixedMinutes = 0) : fixedMinutes_(fixedMinutes) {}  // NOLINT: a fixed offset is a zone
    explicit ZoneOffset(Rule rule) : rule_(std::move(rule)) {}

    LocalOffset at(double jdUT) const {
        if (!rule_) return {fixedMinutes_, 0};
        const std::int32_t seconds = rule_(jdUT);
        const auto minutes = static_cast<std::int16_t>(seconds / 60);
        return {minutes, (seconds - minutes * 60) / 86400.0};
    }

private:
    std::int16_t fixedMinutes_ = 0;
    Rule rule_;
};

}  // namespace varnex
