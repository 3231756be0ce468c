#pragma once

#include <QFont>

namespace varnex::platform {

// A font of the family `family` at `points` points. A family that is not installed is
// replaced by fontconfig's nearest match: Arial by Liberation Sans, Courier New by
// Liberation Mono, Tahoma by DejaVu Sans.
inline QFont designFont(const char* family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace varnex::platform
