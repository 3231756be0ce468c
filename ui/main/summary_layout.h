// The layout of the summary window in twips: a 3 x 3 grid of cells, 25 twips apart, filling
// the window's client area, with the Close command two thirds of the way down the centre cell.
#pragma once

namespace varnex {

struct SummaryGrid {
    int columnWidth;
    int rowHeight;
};

struct TwipsBox {
    int left, top, width, height;
};

// n / 3 to the nearest integer (a third is never a half, so no tie to break).
constexpr int nearestThird(int n) {
    const int floor = n >= 0 ? n / 3 : -((-n + 2) / 3);
    return n - 3 * floor == 2 ? floor + 1 : floor;
}

// The columns share the outer width less 200, the rows the client height less 100 (before
// the layout adds its 150 below), each to the nearest twip. The rows go by the client
// height because the title bar above it differs between window managers, and is not known
// at all until the window has been framed: rows taken from the outer height would leave a
// band under the grid as high as the title bar is short of 375.
constexpr SummaryGrid summaryGrid(int outerWidth, int clientHeight) {
    return {nearestThird(outerWidth - 100 - 100), nearestThird(clientHeight - 100)};
}

// Cell 0 to 8 in row order: margins of 25 on the left and 75 at the top.
constexpr TwipsBox summaryCell(SummaryGrid grid, int cell) {
    const int column = cell % 3;
    const int row = cell / 3;
    return {25 + column * (grid.columnWidth + 25), 75 + row * (grid.rowHeight + 25), grid.columnWidth,
            grid.rowHeight};
}

inline constexpr int kSummaryWidthTwips = 12180;  // outer size given by the command
inline constexpr int kSummaryHeightTwips = 3000;
inline constexpr int kSummaryExtraHeightTwips = 150;  // added by the layout
inline constexpr int kSummaryTopBelowMainTwips = 850;

// The space left under the grid once the layout has added its height.
constexpr int summaryBottomMargin(int clientHeight) {
    const TwipsBox last = summaryCell(summaryGrid(kSummaryWidthTwips, clientHeight), 8);
    return clientHeight + kSummaryExtraHeightTwips - (last.top + last.height);
}

// Under a 375-twip title bar the client is 2625 twips high: columns 3993 and rows 842 (841.67).
static_assert(summaryGrid(kSummaryWidthTwips, kSummaryHeightTwips - 375).columnWidth == 3993);
static_assert(summaryGrid(kSummaryWidthTwips, kSummaryHeightTwips - 375).rowHeight == 842);
static_assert(summaryCell({3993, 842}, 5).left == 8061 && summaryCell({3993, 842}, 5).top == 942);
static_assert(summaryCell({3993, 842}, 7).left == 4043 && summaryCell({3993, 842}, 7).top == 1809);
// Whatever the title bar (none, 315 twips under openbox, 375), the same 124 twips under the grid.
static_assert(summaryBottomMargin(3000) == 124 && summaryBottomMargin(2685) == 124 && summaryBottomMargin(2625) == 124);

}  // namespace varnex
