// The languages of the program's texts: an index into the program-text file's sections, and
// the choice of weekday names.
#pragma once

#include <cstdint>

namespace varnex {

inline constexpr std::int16_t intEnglish = 0;
inline constexpr std::int16_t intGerman = 1;

}  // namespace varnex
