// The offset of a request's zone at an instant: fixed, as the window's list has it, or by the
// instant, for a zone whose clocks change (a named zone of varnex-cli, with daylight saving).
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

namespace varnex {

class ZoneOffset {
public:
    using Rule = std::function<std::int16_t(double jdUT)>;

    ZoneOffset(std::int16_t fixedMinutes = 0) : fixedMinutes_(fixedMinutes) {}  // NOLINT: a fixed offset is a zone
    explicit ZoneOffset(Rule rule) : rule_(std::move(rule)) {}

    // Minutes east of Greenwich in force at `jdUT`: local time = UT + this.
    std::int16_t at(double jdUT) const { return rule_ ? rule_(jdUT) : fixedMinutes_; }

private:
    std::int16_t fixedMinutes_ = 0;
    Rule rule_;
};

}  // namespace varnex
