#include "writers.h"

namespace varnex {

void RowFormat::separator(std::ostream&) const {}

}  // namespace varnex
