// Every time zone of Varnex: a fixed offset from GMT (the window's list, and the quarter hours
// of the command line), or a zone of the tz database whose offset changes with the instant.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace varnex {

// The offset in force at an instant.
struct UtcOffset {
    std::int32_t seconds = 0;  // east of Greenwich: local time = UT + seconds
    std::string abbreviation;  // BST, EDT, LMT, +0545; for a fixed offset its name, GMT+05:30
};

// The rules of a zone whose offset changes: a zone of the tz database (zones/named_zone.h).
class ZoneRules {
public:
    virtual ~ZoneRules() = default;
    virtual UtcOffset offsetAt(double jdUT) const = 0;
    virtual const std::string& name() const = 0;  // "Europe/London"
};

class Zone {
public:
    Zone() = default;  // GMT
    static Zone fixed(std::int16_t minutesEast);
    explicit Zone(std::shared_ptr<const ZoneRules> rules) : rules_(std::move(rules)) {}

    // The offset in force at the instant `jdUT` (a Julian day, UT).
    UtcOffset offsetAt(double jdUT) const;

    bool isFixed() const { return !rules_; }
    std::int16_t fixedMinutes() const { return fixedMinutes_; }  // 0 for a named zone
    // "GMT", "GMT+05:30"; a named zone's name in the database, "Europe/London".
    std::string name() const;

private:
    std::int16_t fixedMinutes_ = 0;
    std::string fixedName_ = "GMT";
    std::shared_ptr<const ZoneRules> rules_;
};

}  // namespace varnex
