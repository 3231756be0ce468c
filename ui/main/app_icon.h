#pragma once

#include <QIcon>

namespace varnex {

// The program's icon, the sun on the horizon: the sizes rendered from data/icons/varnex.svg,
// the picture the desktop shows for the installed program.
QIcon varnexIcon();

}  // namespace varnex
