#pragma once
// updatebk.gif, the repair tool's window: a title band over the body where its progress
// controls stand.
#include "common/skin/skin_rect.h"

namespace skin::repair {

inline constexpr Size kSize{480, 291};
inline constexpr Area kTitleBand{"title_band", {0, 0, 480, 40}};
inline constexpr Area kBody{"body", {0, 40, 480, 251}};

inline constexpr const Area* kAreas[] = {&kTitleBand, &kBody};
inline constexpr Picture kPicture{"updatebk.gif", kSize, kAreas};

}  // namespace skin::repair
