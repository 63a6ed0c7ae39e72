#pragma once
// The dimension detail windows. Their background (panel_layouts.h, skin::detail) is
// stretched over the window, so these rectangles are in window coordinates: a title and
// heading along the top, a table of the two evaluations (a caption row, then one
// row per evaluation: time and the dimension's values), the six recommended stocks and
// the explanatory note. The 消息面 window has, between the table and the stocks, a group
// box with its ten site lines in two columns of five.
#include "common/skin/skin_rect.h"

namespace skin::detail_window {

inline constexpr int kWidth = 680;
inline constexpr int kMargin = 16;
inline constexpr int kTableWidth = kWidth - 2 * kMargin;
inline constexpr int kTimeColumnWidth = 110;
inline constexpr int kCaptionHeight = 24;
inline constexpr int kRowHeight = 26;
// The expert's opinion is a sentence: its rows hold two lines.
inline constexpr int kTallRowHeight = 42;

// Under the gold rule along the top.
inline constexpr Rect kTitle{kMargin, 12, 220, 22};
inline constexpr Rect kHeading{kMargin + 230, 12, kWidth - 2 * kMargin - 230, 22};

inline constexpr int kTableTop = 48;

// Row 0 holds the captions, rows 1 and 2 the evaluations; column 0 is the time, columns
// 1 to `values` the dimension's values, which share the rest of the width.
constexpr Rect TableCell(int row, int column, int values, int rowHeight) {
    const int valueWidth = (kTableWidth - kTimeColumnWidth) / values;
    const int x = column == 0 ? kMargin : kMargin + kTimeColumnWidth + (column - 1) * valueWidth;
    const int w = column == 0 ? kTimeColumnWidth : valueWidth;
    const int y = row == 0 ? kTableTop : kTableTop + kCaptionHeight + (row - 1) * rowHeight;
    return {x, y, w, row == 0 ? kCaptionHeight : rowHeight};
}
constexpr int TableBottom(int rowHeight) { return kTableTop + kCaptionHeight + 2 * rowHeight; }

// The site ranking of the 消息面 window, under the table.
inline constexpr int kSiteLineHeight = 22;
inline constexpr int kSiteLineWidth = 300;
constexpr Rect SiteGroup(int top) { return {kMargin, top + 10, kTableWidth, 30 + 5 * kSiteLineHeight + 8}; }
// Line `index` (0 to 9): the first five in the left column, the next five in the right.
constexpr Rect SiteLine(int top, int index) {
    const Rect group = SiteGroup(top);
    return {group.x + 14 + (index / 5) * (kTableWidth / 2), group.y + 26 + (index % 5) * kSiteLineHeight,
            kSiteLineWidth, kSiteLineHeight - 2};
}

// The recommended stocks and the note, from `top` down.
inline constexpr int kStockWidth = kTableWidth / 6;
constexpr Rect StocksCaption(int top) { return {kMargin, top + 12, kTableWidth, 20}; }
constexpr Rect Stock(int top, int index) { return {kMargin + index * kStockWidth, top + 34, kStockWidth - 4, 20}; }
constexpr Rect Note(int top) { return {kMargin, top + 66, kTableWidth, 48}; }
constexpr int WindowHeight(int top) { return Note(top).Bottom() + 12; }

}  // namespace skin::detail_window
