#pragma once
// The diagnosis panels: they stand on the page body at the page's panel area and have no
// picture of their own, so their rectangles are in panel coordinates. The single-verdict
// panels and the money-flow panels share the code entry's row shape; the money-flow
// panels put it at the top, above the chart.
#include "common/skin/button_sizes.h"
#include "common/skin/page_layout.h"
#include "common/skin/skin_rect.h"

namespace skin::diagnosis {

inline constexpr Size kSize{795, 290};
static_assert(kSize.w <= page::kPanelArea.rect.w && kSize.h <= page::kPanelArea.rect.h,
              "a panel fits the page's panel area");

namespace verdict {
inline constexpr Area kPrompt{"prompt", {27, 26, 112, 21}};
inline constexpr Area kCodeEdit{"code_edit", {142, 26, 112, 21}};
inline constexpr Area kQueryButton{"query_button", At(268, 26, buttons::kAction)};
inline constexpr Area kStockLabel{"stock_label", {37, 58, 300, 19}};
inline constexpr Area kTimeCaption{"time_caption", {31, 88, 66, 16}};
inline constexpr Area kTime{"time", {100, 88, 300, 16}};
inline constexpr Area kVerdictCaption{"verdict_caption", {31, 114, 66, 16}};
inline constexpr Area kVerdict{"verdict", {94, 138, 640, 90}};
inline constexpr Area kNote{"note", {22, 236, 768, 52}};
}  // namespace verdict

namespace flow {
inline constexpr Area kPrompt{"prompt", {27, 8, 112, 21}};
inline constexpr Area kCodeEdit{"code_edit", {142, 8, 112, 21}};
inline constexpr Area kQueryButton{"query_button", At(268, 8, buttons::kAction)};
inline constexpr Area kStockLabel{"stock_label", {36, 36, 300, 19}};
inline constexpr Area kChart{"chart", {16, 58, 741, 186}};
inline constexpr Area kNote{"note", {22, 248, 768, 40}};
}  // namespace flow

}  // namespace skin::diagnosis
