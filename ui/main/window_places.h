// Where the main window puts the Results window and the help viewer: their outer rectangles
// in pixels, from the main window's outer rectangle.
#pragma once

#include "platform/twips.h"

#include <QRect>

#include <cstddef>

namespace varnex {

// The Results window is as wide as the main window and reaches down to its bottom edge. A
// short output (fewer characters than kResultsShortTextChars) is shown from the output box's
// top (its y in the main window's client area, pixels) plus kResultsBelowOutputTwips, from
// the main window's top; a longer one from kResultsBelowMainTopTwips below the main window's top.
inline constexpr std::size_t kResultsShortTextChars = 600;
inline constexpr int kResultsBelowOutputTwips = 300;
inline constexpr int kResultsBelowMainTopTwips = 500;

constexpr QRect resultsPlace(const QRect& main, int outputBoxY, bool shortText) {
    const int top = main.top() + (shortText ? outputBoxY + platform::twipsToPixels(kResultsBelowOutputTwips)
                                            : platform::twipsToPixels(kResultsBelowMainTopTwips));
    return {main.left(), top, main.width(), main.height() + main.top() - top};
}

// The help viewer lies over the main window, kHelpInsetSideTwips in from its left edge,
// kHelpBelowMainTopTwips below its top, narrower by kHelpNarrowerTwips and shorter by
// kHelpShorterTwips (so that its bottom edge lies 100 twips above the main window's).
inline constexpr int kHelpInsetSideTwips = 100;
inline constexpr int kHelpBelowMainTopTwips = 380;
inline constexpr int kHelpNarrowerTwips = 200;
inline constexpr int kHelpShorterTwips = 480;

constexpr QRect helpViewerPlace(const QRect& main) {
    using platform::twipsToPixels;
    return {main.left() + twipsToPixels(kHelpInsetSideTwips), main.top() + twipsToPixels(kHelpBelowMainTopTwips),
            main.width() - twipsToPixels(kHelpNarrowerTwips), main.height() - twipsToPixels(kHelpShorterTwips)};
}

// A main window of 549 x 542 client pixels under a frame of 1, 1, 1, 21 pixels, at (365, 220).
inline constexpr QRect kSampleMain(365, 220, 551, 564);
static_assert(resultsPlace(kSampleMain, 267, true) == QRect(365, 507, 551, 277));
static_assert(resultsPlace(kSampleMain, 267, false) == QRect(365, 253, 551, 531));
static_assert(helpViewerPlace(kSampleMain) == QRect(372, 245, 538, 532));

}  // namespace varnex
