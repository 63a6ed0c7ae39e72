#pragma once
// tipbg.gif, the tip window: a narrow title strip, the message, and a row where the one
// or two buttons stand centred.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin::tip {

inline constexpr Size kSize{130, 81};

// Drawn frames.
inline constexpr Area kTitleStrip{"title_strip", {0, 0, 130, 18}};
inline constexpr Area kBody{"body", {0, 18, 130, 63}};

// Controls. The button row spans the window; its one or two buttons stand centred in
// it, `kButtonGap` apart.
inline constexpr int kButtonGap = 8;
inline constexpr Area kMessage{"message", {0, 22, 127, 28}, &kBody};
inline constexpr Area kButtonRow{"button_row", {0, 53, 130, buttons::kSmall.h}, &kBody};

inline constexpr const Area* kAreas[] = {&kTitleStrip, &kBody, &kMessage, &kButtonRow};
inline constexpr Picture kPicture{"tipbg.gif", kSize, kAreas};

}  // namespace skin::tip
