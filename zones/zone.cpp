#include "zones/zone.h"

#include "zones/fixed_offsets.h"

namespace varnex {

Zone Zone::fixed(std::int16_t minutesEast) {
    Zone zone;
    zone.fixedMinutes_ = minutesEast;
    zone.fixedName_ = timezoneText(minutesEast);
    return zone;
}

UtcOffset Zone::offsetAt(double jdUT) const {
    if (rules_) return rules_->offsetAt(jdUT);
    return {fixedMinutes_ * 60, fixedName_};
}

std::string Zone::name() const { return rules_ ? rules_->name() : fixedName_; }

}  // namespace varnex
