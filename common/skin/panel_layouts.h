#pragma once
// Backgrounds of the panels and pop-up windows: the comprehensive evaluation panel, the
// dimension detail windows, the news pop-up and list, and the advertisements.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin {

namespace comprehensive {
inline constexpr Size kSize{778, 269};
// Drawn frames: the code entry strip, the score table with its header row and row rules,
// and the rule above the notes.
inline constexpr Area kEntryStrip{"entry_strip", {0, 0, 778, 44}};
inline constexpr Area kTable{"table", {12, 80, 598, 102}};
inline constexpr Area kNoteRule{"note_rule", {12, 226, 754, 1}};

// The table: a header row of column captions and two rows of cells, one per evaluation.
// Columns: 时间, the six dimensions, 总评分, 评测结果.
inline constexpr int kColumns = 9;
inline constexpr int kColumnWidths[kColumns] = {110, 62, 62, 62, 62, 62, 62, 56, 60};
inline constexpr int kHeaderHeight = 30;
inline constexpr int kRowHeight = 36;
static_assert(kHeaderHeight + 2 * kRowHeight == kTable.rect.h, "header and two rows fill the table");
// Row 0 is the header row, rows 1 and 2 the two evaluations.
constexpr Rect TableCell(int row, int column) {
    int x = kTable.rect.x;
    for (int c = 0; c < column; ++c) x += kColumnWidths[c];
    const int y = kTable.rect.y + (row == 0 ? 0 : kHeaderHeight + (row - 1) * kRowHeight);
    return {x, y, kColumnWidths[column], row == 0 ? kHeaderHeight : kRowHeight};
}
static_assert(TableCell(0, kColumns - 1).Right() == kTable.rect.Right(), "the columns fill the table");

// Controls.
inline constexpr Area kPrompt{"prompt", {24, 12, 116, 21}, &kEntryStrip};
inline constexpr Area kCodeEdit{"code_edit", {142, 12, 112, 21}, &kEntryStrip};
inline constexpr Area kQueryButton{"query_button", At(268, 12, buttons::kAction), &kEntryStrip};
inline constexpr Area kStockLabel{"stock_label", {24, 52, 400, 20}};
inline constexpr Area kFirstHeader{"first_header", TableCell(0, 1).Inset(2), &kTable};
inline constexpr Area kLastCell{"last_cell", TableCell(2, kColumns - 1).Inset(2), &kTable};
inline constexpr Area kHint{"hint", {12, 188, 598, 18}};
inline constexpr Area kAdvert{"advert", {620, 80, 150, 91}};
inline constexpr Area kNote1{"note1", {22, 232, 744, 16}};
inline constexpr Area kNote2{"note2", {22, 249, 744, 16}};

inline constexpr const Area* kAreas[] = {&kEntryStrip, &kTable,      &kNoteRule,    &kPrompt,
                                         &kCodeEdit,   &kQueryButton, &kStockLabel, &kFirstHeader,
                                         &kLastCell,   &kHint,        &kAdvert,     &kNote1,
                                         &kNote2};
inline constexpr Picture kPicture{"bg_mid2.gif", kSize, kAreas};
}  // namespace comprehensive

// Stretched over each detail window (its controls: detail_layout.h). The windows differ
// in height, so the picture has nothing that must keep its height: a gold rule along the
// top edge over a soft gradient.
namespace detail {
inline constexpr Size kSize{680, 300};
inline constexpr Area kGoldRule{"gold_rule", {0, 0, 680, 3}};
inline constexpr const Area* kAreas[] = {&kGoldRule};
inline constexpr Picture kPicture{"bg_midall.gif", kSize, kAreas};
}  // namespace detail

namespace news_popup {
inline constexpr Size kSize{250, 200};
inline constexpr Area kTitleBand{"title_band", {0, 0, 250, 26}};
inline constexpr Area kCard{"card", {8, 34, 234, 130}};
// Controls: the item's title and summary on the card, the two buttons below it.
inline constexpr Area kTitle{"title", {16, 40, 218, 18}, &kCard};
inline constexpr Area kSummary{"summary", {16, 60, 218, 100}, &kCard};
inline constexpr Area kViewButton{"view_button", At(110, 172, buttons::kViewInfo)};
inline constexpr Area kCloseButton{"close_button", At(182, 172, buttons::kSmall)};
inline constexpr const Area* kAreas[] = {&kTitleBand, &kCard, &kTitle, &kSummary, &kViewButton, &kCloseButton};
inline constexpr Picture kPicture{"news.gif", kSize, kAreas};
}  // namespace news_popup

namespace news_list {
inline constexpr Size kSize{640, 480};
inline constexpr Area kTitleBand{"title_band", {0, 0, 640, 34}};
inline constexpr Area kCard{"card", {10, 42, 620, 428}};
// Controls: the article list page on the card, a close button on the title band.
inline constexpr Area kPage{"page", {14, 46, 612, 420}, &kCard};
inline constexpr Area kCloseButton{"close_button", At(588, 7, buttons::kSmall), &kTitleBand};
inline constexpr const Area* kAreas[] = {&kTitleBand, &kCard, &kPage, &kCloseButton};
inline constexpr Picture kPicture{"newsbk.gif", kSize, kAreas};
}  // namespace news_list

// ad_1.gif to ad_3.gif share one layout.
namespace advert {
inline constexpr Size kSize{150, 91};
inline constexpr Area kCallToAction{"call_to_action", {10, 60, 58, 20}};
inline constexpr const Area* kAreas[] = {&kCallToAction};
inline constexpr Picture kPictures[] = {
    {"ad_1.gif", kSize, kAreas}, {"ad_2.gif", kSize, kAreas}, {"ad_3.gif", kSize, kAreas}};
}  // namespace advert

}  // namespace skin
