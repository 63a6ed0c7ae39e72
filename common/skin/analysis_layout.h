#pragma once
// The market analysis panels of page 分析. Like the diagnosis panels they stand on the page
// body at the page's panel area and have no picture of their own, so their rectangles are
// in panel coordinates. A report list has one-pixel borders and keeps room on its right
// for the vertical scroll bar; the header labels above a list stand over its columns.
#include <array>
#include <cstddef>
#include <span>

#include "common/skin/button_sizes.h"
#include "common/skin/page_layout.h"
#include "common/skin/skin_rect.h"

namespace skin::analysis {

inline constexpr Size kSize{795, 290};
static_assert(kSize.w <= page::kPanelArea.rect.w && kSize.h <= page::kPanelArea.rect.h,
              "a panel fits the page's panel area");

inline constexpr int kListBorder = 1;
inline constexpr int kScrollBarRoom = 18;
inline constexpr int kRowHeight = 18;
inline constexpr int kHeaderHeight = 18;

// A list at (x, y) holding `rows` rows of columns `widths` wide.
constexpr Rect ListRect(int x, int y, std::span<const int> widths, int rows) {
    int width = 2 * kListBorder + kScrollBarRoom;
    for (int w : widths) width += w;
    return {x, y, width, rows * kRowHeight + 2 * kListBorder};
}

// The header label over column `index` of `list`, standing just above it.
constexpr Rect HeaderAbove(const Rect& list, std::span<const int> widths, std::size_t index) {
    int x = list.x + kListBorder;
    for (std::size_t i = 0; i < index; ++i) x += widths[i];
    return {x, list.y - kHeaderHeight - 2, widths[index], kHeaderHeight};
}

namespace hot_industry {
inline constexpr Area kTitle{"title", {27, 14, 230, 21}};
inline constexpr Area kActionButton{"action_button", At(268, 14, buttons::kWideAction)};
inline constexpr Area kTimeCaption{"time_caption", {31, 50, 66, 16}};
inline constexpr Area kTime{"time", {100, 50, 300, 16}};
inline constexpr Area kResultCaption{"result_caption", {31, 78, 66, 16}};
// The three result rows: industry name, then its index change right-aligned beside it.
inline constexpr std::array<Area, 3> kNames{{{"name_1", {100, 104, 190, 24}},
                                             {"name_2", {100, 136, 190, 24}},
                                             {"name_3", {100, 168, 190, 24}}}};
inline constexpr std::array<Area, 3> kValues{{{"value_1", {290, 104, 90, 24}},
                                              {"value_2", {290, 136, 90, 24}},
                                              {"value_3", {290, 168, 90, 24}}}};
inline constexpr Area kNote{"note", {22, 236, 768, 52}};
}  // namespace hot_industry

namespace industry_stocks {
inline constexpr Area kTitle{"title", {27, 8, 230, 21}};
inline constexpr Area kActionButton{"action_button", At(268, 8, buttons::kWideAction)};
inline constexpr Area kTimeCaption{"time_caption", {31, 36, 66, 16}};
inline constexpr Area kTime{"time", {100, 36, 300, 16}};
inline constexpr std::array<int, 5> kColumnWidths{108, 160, 160, 160, 160};
inline constexpr Area kList{"list", ListRect(14, 78, kColumnWidths, 8)};
inline constexpr Area kNote{"note", {22, 248, 768, 40}};
}  // namespace industry_stocks

namespace sector {
inline constexpr Area kTitle{"title", {27, 8, 230, 21}};
inline constexpr Area kPrompt{"prompt", {27, 36, 100, 21}};
inline constexpr Area kCodeEdit{"code_edit", {130, 36, 112, 21}};
inline constexpr Area kActionButton{"action_button", At(256, 36, buttons::kWideAction)};
inline constexpr Area kStockLabel{"stock_label", {346, 37, 300, 19}};
inline constexpr Area kTimeCaption{"time_caption", {31, 68, 66, 16}};
inline constexpr Area kTime{"time", {100, 68, 300, 16}};
inline constexpr Area kSectorCaption{"sector_caption", {31, 94, 66, 16}};
inline constexpr std::array<int, 3> kColumnWidths{80, 60, 80};
inline constexpr Area kList{"list", ListRect(100, 94, kColumnWidths, 7)};
inline constexpr Area kNote{"note", {22, 248, 768, 40}};
}  // namespace sector

namespace finance {
inline constexpr Area kPrompt{"prompt", {27, 8, 100, 21}};
inline constexpr Area kCodeEdit{"code_edit", {130, 8, 112, 21}};
inline constexpr Area kActionButton{"action_button", At(256, 8, buttons::kWideAction)};
inline constexpr Area kStockLabel{"stock_label", {346, 9, 300, 19}};
// Wide enough for a six-digit code and for each figure's header label with its arrow.
inline constexpr std::array<int, 8> kColumnWidths{58, 68, 100, 110, 98, 110, 110, 100};
inline constexpr Area kList{"list", ListRect(14, 60, kColumnWidths, 9)};
inline constexpr Area kNote{"note", {22, 236, 768, 52}};
}  // namespace finance

}  // namespace skin::analysis
