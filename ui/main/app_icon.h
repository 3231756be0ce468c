#pragma once

#include <QIcon>

namespace varnex {

// The program's icon: the sun on the horizon, drawn at run time.
QIcon VarnexIcon();

}  // namespace varnex
