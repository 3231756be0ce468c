// The value of a check box as the windows hold it and the settings file writes it (a number
// field of the file). Qt's own numbering differs; platform/tick_state.h maps between them.
#pragma once

#include <cstdint>

namespace varnex {

enum class TickState : std::int16_t { Clear = 0, Ticked = 1, Greyed = 2 };

}  // namespace varnex
