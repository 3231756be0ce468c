#pragma once

#include <QFont>

namespace varnex::platform {

// A font by the name the layout gives (Arial, Courier New, Tahoma, ...); fontconfig puts the
// nearest installed family in its place (Liberation Sans, Liberation Mono, DejaVu Sans).
inline QFont designFont(const char* family, double points, bool bold = false) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace varnex::platform
