#include "year_input.h"

#include "text/program_text.h"
#include "text/translation.h"

#include <limits>

namespace varnex {
namespace {

constexpr std::int16_t kOutOfRangePrompt = 24;
constexpr std::int16_t kOutOfRangeTitle = 25;

// A program text, or the English text built in when the file has none (or an empty one): a
// message box must never say nothing.
std::string textOr(std::int16_t id, std::string_view builtIn, std::int16_t language) {
    std::string text = GetProgramText(id, language);
    return text.empty() ? std::string(builtIn) : text;
}

// Value of a checked digit string with an optional sign, saturated to 32 bits.
std::int32_t saturatedValue(std::string_view digits) {
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    constexpr std::int64_t kLimit = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (const char c : digits) {
        value = value * 10 + (c - '0');
        if (value > kLimit) {
            value = kLimit + 1;
            break;
        }
    }
    if (negative) return static_cast<std::int32_t>(-std::min(value, kLimit + 1));
    return static_cast<std::int32_t>(std::min(value, kLimit));
}

}  // namespace

bool IsDigitString(std::string_view text, bool allowSign, bool allowCommas) {
    const std::string s = trimBlanks(text);
    if (s.empty()) return false;
    std::string_view rest = s;
    if (allowSign && (rest.front() == '+' || rest.front() == '-')) rest.remove_prefix(1);
    const std::string_view allowed = allowCommas ? "0123456789," : "0123456789";
    return rest.find_first_not_of(allowed) == std::string_view::npos;
}

YearCheck checkYearText(std::string_view text) {
    YearCheck check{YearCheckStatus::Accepted, trimBlanks(text), 0};
    if (check.trimmedText.empty()) {
        check.status = YearCheckStatus::Empty;
    } else if (!IsDigitString(check.trimmedText, true, false)) {
        check.status = YearCheckStatus::NotANumber;
    } else {
        check.year = saturatedValue(check.trimmedText);
        if (check.year < kFirstYear || check.year > kLastYear) check.status = YearCheckStatus::OutOfRange;
    }
    return check;
}

Message yearMessage(YearCheckStatus status, std::int16_t language) {
    switch (status) {
    case YearCheckStatus::Empty:
        return {translate("Report", "Year must be specified.").in(language), translate("Report", "Invalid input").in(language),
                MessageIcon::Information};
    case YearCheckStatus::NotANumber:
        return {translate("Report", "Invalid input for year.").in(language), translate("Report", "Invalid input").in(language),
                MessageIcon::Information};
    case YearCheckStatus::OutOfRange:
        return {textOr(kOutOfRangePrompt, "The year must lie between 1 and 3000.", language),
                textOr(kOutOfRangeTitle, "Year out of range", language), MessageIcon::Information};
    case YearCheckStatus::Accepted: break;
    }
    return {};
}

}  // namespace varnex
