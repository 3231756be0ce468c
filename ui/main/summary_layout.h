// The layout of the summary window in twips: a 3 x 3 grid of cells, 25 twips apart, inside
// the window's outer size, with the Close command two thirds of the way down the centre cell.
#pragma once

namespace varnex {

struct SummaryGrid {
    int columnWidth;  // colW
    int rowHeight;    // rowH
};

struct TwipsBox {
    int left, top, width, height;
};

// n / 3 to the nearest integer (a third is never a half, so no tie to break).
constexpr int nearestThird(int n) {
    const int floor = n >= 0 ? n / 3 : -((-n + 2) / 3);
    return n - 3 * floor == 2 ? floor + 1 : floor;
}

// colW = (W - 200) / 3 and rowH = (H - 475) / 3 of the outer size, to the nearest twip.
constexpr SummaryGrid summaryGrid(int outerWidth, int outerHeight) {
    return {nearestThird(outerWidth - 100 - 100), nearestThird(outerHeight - 375 - 100)};
}

// Cell 0 to 8 in row order: margins of 25 on the left and 75 at the top.
constexpr TwipsBox summaryCell(SummaryGrid grid, int cell) {
    const int column = cell % 3;
    const int row = cell / 3;
    return {25 + column * (grid.columnWidth + 25), 75 + row * (grid.rowHeight + 25), grid.columnWidth,
            grid.rowHeight};
}

inline constexpr int kSummaryWidthTwips = 12180;
inline constexpr int kSummaryHeightTwips = 3000;
inline constexpr int kSummaryExtraHeightTwips = 150;  // added by the layout
inline constexpr int kSummaryTopBelowMainTwips = 850;

static_assert(summaryGrid(kSummaryWidthTwips, kSummaryHeightTwips).columnWidth == 3993);
static_assert(summaryGrid(kSummaryWidthTwips, kSummaryHeightTwips).rowHeight == 842);  // 841.67
static_assert(summaryCell({3993, 842}, 5).left == 8061 && summaryCell({3993, 842}, 5).top == 942);
static_assert(summaryCell({3993, 842}, 7).left == 4043 && summaryCell({3993, 842}, 7).top == 1809);

}  // namespace varnex
