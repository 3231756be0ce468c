// The check of the year text of a request.
#pragma once

#include "text/messages.h"
#include "text/blanks.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace varnex {

inline constexpr std::int32_t kFirstYear = 1;
inline constexpr std::int32_t kLastYear = 3000;

// True when the text, without leading and trailing blanks, is not empty and holds only
// digits (and commas with allowCommas) after at most one leading sign (with allowSign).
// A lone sign passes.
bool IsDigitString(std::string_view text, bool allowSign, bool allowCommas);

enum class YearCheckStatus { Accepted, Empty, NotANumber, OutOfRange };

struct YearCheck {
    YearCheckStatus status;
    std::string trimmedText;  // what the year box shows after the check
    std::int32_t year;        // the value of the text (0 for a lone sign; saturated beyond 32 bits)
};

// The checks of a year text in their order: empty, not a signed digit string, outside
// 1 to 3000.
YearCheck checkYearText(std::string_view text);

// The message of a rejected year in `language`; program texts 24 and 25 word the out-of-range
// case, with English texts built in for a program-text file that lacks them.
Message yearMessage(YearCheckStatus status, std::int16_t language);

}  // namespace varnex
