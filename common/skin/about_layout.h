#pragma once
// about.gif, the about window: the header band with the close button, the version and
// feature lines on the body below it.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin::about {

inline constexpr Size kSize{360, 220};

inline constexpr Area kHeaderBand{"header_band", {0, 0, 360, 112}};
inline constexpr Area kClose{"close", At(308, 8, buttons::kSmall), &kHeaderBand};

inline constexpr const Area* kAreas[] = {&kHeaderBand, &kClose};
inline constexpr Picture kPicture{"about.gif", kSize, kAreas};

}  // namespace skin::about
