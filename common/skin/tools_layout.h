#pragma once
// The panels of page 辅助. Like the diagnosis panels they have no picture of their own and
// stand on the page body at the page's panel area, so their rectangles are in panel
// coordinates.
#include "common/skin/button_sizes.h"
#include "common/skin/diagnosis_layout.h"
#include "common/skin/skin_rect.h"

namespace skin::tools {

inline constexpr Size kSize = diagnosis::kSize;

// 数据计算: a caption row over six rows of nine fields, then the note, the buttons and the
// total, the fee schedule with the broker's terms, and the explanatory text.
namespace calculator {
inline constexpr int kLeft = 14;
inline constexpr int kGap = 4;
inline constexpr int kColumnWidths[9] = {72, 72, 80, 72, 72, 80, 84, 100, 100};
inline constexpr int kCaptionTop = 4;
inline constexpr int kFirstRowTop = 24;
inline constexpr int kRowHeight = 22;
inline constexpr int kRowPitch = 24;

constexpr int ColumnLeft(int column) {
    int x = kLeft;
    for (int i = 0; i < column; ++i) x += kColumnWidths[i] + kGap;
    return x;
}
constexpr Rect Caption(int column) { return {ColumnLeft(column), kCaptionTop, kColumnWidths[column], 18}; }
constexpr Rect Field(int row, int column) {
    return {ColumnLeft(column), kFirstRowTop + row * kRowPitch, kColumnWidths[column], kRowHeight};
}
static_assert(ColumnLeft(9) - kGap <= kSize.w, "the nine columns fit the panel");

inline constexpr int kControlsTop = kFirstRowTop + 6 * kRowPitch + 4;  // 172
inline constexpr Area kUnitNote{"unit_note", {kLeft, kControlsTop + 2, 150, 18}};
inline constexpr Area kCalculateButton{"calculate_button", At(330, kControlsTop, buttons::kWideAction)};
inline constexpr Area kSaveButton{"save_button", At(414, kControlsTop, buttons::kWideAction)};
inline constexpr Area kTotalCaption{"total_caption", {560, kControlsTop + 2, 50, 18}};
inline constexpr Area kTotal{"total", {612, kControlsTop, 100, 22}};

inline constexpr int kScheduleTop = kControlsTop + 28;  // 200
inline constexpr Area kScheduleCaption{"schedule_caption", {kLeft, kScheduleTop + 2, 64, 18}};
inline constexpr Area kSchedule{"schedule", {80, kScheduleTop, 150, 22}};
inline constexpr Area kRateCaption{"rate_caption", {250, kScheduleTop + 2, 64, 18}};
inline constexpr Area kRate{"rate", {316, kScheduleTop, 60, 22}};
inline constexpr Area kRateUnit{"rate_unit", {380, kScheduleTop + 2, 20, 18}};
inline constexpr Area kMinimumCaption{"minimum_caption", {410, kScheduleTop + 2, 64, 18}};
inline constexpr Area kMinimum{"minimum", {476, kScheduleTop, 50, 22}};
inline constexpr Area kMinimumUnit{"minimum_unit", {530, kScheduleTop + 2, 200, 18}};

inline constexpr Area kNote{"note", {kLeft, kScheduleTop + 28, 770, 60}};
static_assert(kNote.rect.Bottom() <= kSize.h, "the note fits the panel");
}  // namespace calculator

// 第一现场: caption and refresh button over the live page.
namespace live {
inline constexpr Area kCaption{"caption", {14, 6, 400, 20}};
inline constexpr Area kRefreshButton{"refresh_button", At(722, 4, buttons::kAction)};
inline constexpr Area kPage{"page", {8, 30, 779, 256}};
}  // namespace live

// 老黄历: the page alone.
namespace almanac {
inline constexpr Area kPage{"page", {8, 6, 779, 280}};
}  // namespace almanac

// 在线交流: the expert page on the left, the question form on the right.
namespace question {
inline constexpr Area kPage{"page", {8, 6, 420, 280}};
inline constexpr int kLabelLeft = 440;
inline constexpr int kFieldLeft = 510;
inline constexpr Area kNameCaption{"name_caption", {kLabelLeft, 8, 66, 20}};
inline constexpr Area kName{"name", {kFieldLeft, 6, 150, 22}};
inline constexpr Area kTitle{"title", {668, 6, 80, 22}};
inline constexpr Area kPhoneCaption{"phone_caption", {kLabelLeft, 36, 66, 20}};
inline constexpr Area kPhone{"phone", {kFieldLeft, 34, 150, 22}};
inline constexpr Area kCodeCaption{"code_caption", {kLabelLeft, 64, 66, 20}};
inline constexpr Area kCode{"code", {kFieldLeft, 62, 90, 22}};
inline constexpr Area kPriceCaption{"price_caption", {608, 64, 36, 20}};
inline constexpr Area kPrice{"price", {646, 62, 102, 22}};
inline constexpr Area kQuestion{"question", {kLabelLeft, 92, 308, 22}};
inline constexpr Area kContentCaption{"content_caption", {kLabelLeft, 122, 80, 20}};
inline constexpr Area kContent{"content", {kLabelLeft, 144, 340, 106}};
inline constexpr Area kSubmitButton{"submit_button", At(720, 258, buttons::kAction)};
static_assert(kContent.rect.Right() <= kSize.w, "the form fits the panel");
}  // namespace question

// 明日是谁: the offer, the phone entry and the notice.
namespace sms {
inline constexpr int kLineTop = 40;
// The offer reads as one line: the link holds its five characters of 12 pixels exactly.
inline constexpr Area kLead{"lead", {40, kLineTop, 26, 20}};
inline constexpr Area kLink{"link", {66, kLineTop, 62, 20}};
inline constexpr Area kOffer{"offer", {128, kLineTop, 640, 20}};
inline constexpr Area kPrompt{"prompt", {40, 96, 160, 22}};
inline constexpr Area kPhone{"phone", {204, 96, 150, 22}};
inline constexpr Area kSubmitButton{"submit_button", At(366, 96, buttons::kAction)};
inline constexpr Area kReplyNote{"reply_note", {204, 124, 300, 20}};
inline constexpr Area kNotice{"notice", {40, 200, 720, 44}};
}  // namespace sms

}  // namespace skin::tools
