// Built as C++17: date 3.0.1's ptz.h names hh_mm_ss unqualified where C++20's <chrono> has
// one too, which GCC 12 then finds ambiguous.
#include "zones/posix_rule.h"

#include <date/ptz.h>

#include <algorithm>
#include <cctype>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace varnex {
namespace {

using std::chrono::seconds;

// A time of a TZ rule, [+-]hh[:mm[:ss]], in seconds; `text` is moved past it.
std::optional<long> readRuleTime(std::string_view& text) {
    long sign = 1;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    long total = 0;
    for (long unit = 3600; unit >= 1 && !text.empty() && std::isdigit(static_cast<unsigned char>(text.front()));
         unit /= 60) {
        long part = 0;
        while (!text.empty() && std::isdigit(static_cast<unsigned char>(text.front()))) {
            part = part * 10 + (text.front() - '0');
            text.remove_prefix(1);
            if (part > 167) return std::nullopt;
        }
        total += part * unit;
        if (text.empty() || text.front() != ':') break;
        text.remove_prefix(1);
    }
    return sign * total;
}

// A TZ string for Posix::time_zone, and the shift to apply to instants queried with it. The
// date library reads change times of 0 to 99 hours only, where POSIX allows -167 to 167
// (America/Nuuk: "<-02>2<-01>,M3.5.0/-1,M10.5.0/0"). Moving both change times later by the
// same amount moves every change by it: the offset at t under the given rule is the offset at
// t + shift under the moved one.
struct TailText {
    std::string text;
    seconds shift{0};
};

TailText withoutNegativeTimes(std::string_view tz) {
    const auto first = tz.find(',');
    const auto second = first == std::string_view::npos ? first : tz.find(',', first + 1);
    if (second == std::string_view::npos) return {std::string(tz)};
    std::string_view dates[2] = {tz.substr(first + 1, second - first - 1), tz.substr(second + 1)};
    long times[2] = {7200, 7200};  // a change at 02:00 local time unless the rule says otherwise
    for (int i = 0; i < 2; ++i) {
        const auto slash = dates[i].find('/');
        if (slash == std::string_view::npos) continue;
        std::string_view time = dates[i].substr(slash + 1);
        const auto read = readRuleTime(time);
        if (!read || !time.empty()) return {std::string(tz)};  // Posix::time_zone will refuse it
        times[i] = *read;
        dates[i] = dates[i].substr(0, slash);
    }
    const long shift = std::max(0L, -std::min(times[0], times[1]));
    if (shift == 0) return {std::string(tz)};
    const auto timeText = [](long t) {
        return std::to_string(t / 3600) + ":" + std::to_string(t / 60 % 60) + ":" + std::to_string(t % 60);
    };
    return {std::string(tz.substr(0, first)) + "," + std::string(dates[0]) + "/" + timeText(times[0] + shift) + "," +
                std::string(dates[1]) + "/" + timeText(times[1] + shift),
            seconds{shift}};
}

}  // namespace

std::unique_ptr<const PosixRule> PosixRule::read(const std::string& tz) {
    if (tz.empty()) return nullptr;
    const TailText text = withoutNegativeTimes(tz);
    std::unique_ptr<PosixRule> rule(new PosixRule);
    try {
        rule->rule_ = std::make_unique<const Posix::time_zone>(text.text);
    } catch (const std::runtime_error&) {
        return nullptr;
    }
    rule->shiftSeconds_ = text.shift.count();
    return rule;
}

PosixRule::~PosixRule() = default;

UtcOffset PosixRule::offsetAt(std::int64_t unixSeconds) const {
    const date::sys_info info = rule_->get_info(date::sys_seconds{seconds{unixSeconds + shiftSeconds_}});
    return {static_cast<std::int32_t>(info.offset.count()), info.abbrev};
}

}  // namespace varnex
