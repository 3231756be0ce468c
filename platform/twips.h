// Twips (1/1440 inch) are the unit of every position and size in the window layouts;
// Qt works in logical pixels, 15 twips each at 96 dpi (Qt scales logical pixels on
// high-DPI screens).
#pragma once

#include <QRect>

class QWidget;

namespace varnex::platform {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    // Nearest pixel, halves away from zero.
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// A top-level window's outer rectangle (title bar and borders included), in pixels.
QRect outerGeometry(const QWidget* window);

// Places a top-level window by its outer rectangle. The frame of a window not on show is
// unknown (never shown, or lost on hiding); the frame of `like` (a window on show) stands in.
void setOuterGeometry(QWidget* window, const QRect& outer, const QWidget* like = nullptr);

static_assert(twipsToPixels(4005) == 267 && twipsToPixels(300) == 20 && twipsToPixels(500) == 33);

}  // namespace varnex::platform
