#pragma once
// bg_mid.gif, the background every page of the main window shares: a row strip holding
// the page's panel buttons side by side, and below it the area where the panels stand.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin::page {

inline constexpr Size kSize{823, 341};

// Drawn frames.
inline constexpr Area kButtonRow{"button_row", {0, 0, 823, 36}};
inline constexpr Area kBody{"body", {0, 36, 823, 305}};

// The panel buttons stand in slots of the row, left to right, `kButtonPitch` apart.
inline constexpr int kMaxButtons = 12;
inline constexpr int kButtonPitch = buttons::kTab.w + 2;
constexpr Rect ButtonSlot(int index) { return At(14 + index * kButtonPitch, 6, buttons::kTab); }

// Controls. The first and last slots stand for the whole row.
inline constexpr Area kFirstButton{"first_button", ButtonSlot(0), &kButtonRow};
inline constexpr Area kLastButton{"last_button", ButtonSlot(kMaxButtons - 1), &kButtonRow};
inline constexpr Area kPanelArea{"panel_area", {14, 36, 795, 299}, &kBody};

inline constexpr const Area* kAreas[] = {&kButtonRow, &kBody, &kFirstButton, &kLastButton, &kPanelArea};
inline constexpr Picture kPicture{"bg_mid.gif", kSize, kAreas};

}  // namespace skin::page
