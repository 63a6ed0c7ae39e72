#pragma once
// updatebk.gif, the repair tool's window: a title band over the body where its heading,
// file list, status line, progress bar and two buttons stand.
#include "common/skin/skin_rect.h"

namespace skin::repair {

inline constexpr Size kSize{480, 291};
inline constexpr Area kTitleBand{"title_band", {0, 0, 480, 40}};
inline constexpr Area kBody{"body", {0, 40, 480, 251}};

inline constexpr Area kHeading{"heading", {24, 48, 432, 20}, &kBody};
inline constexpr Area kFileList{"file_list", {24, 70, 432, 118}, &kBody};
inline constexpr Area kStatus{"status", {24, 194, 432, 20}, &kBody};
inline constexpr Area kProgress{"progress", {24, 218, 432, 16}, &kBody};
inline constexpr Area kActionButton{"action_button", {250, 246, 100, 30}, &kBody};
inline constexpr Area kCancelButton{"cancel_button", {356, 246, 100, 30}, &kBody};

inline constexpr const Area* kAreas[] = {&kTitleBand, &kBody, &kHeading, &kFileList,
                                         &kStatus, &kProgress, &kActionButton, &kCancelButton};
inline constexpr Picture kPicture{"updatebk.gif", kSize, kAreas};

}  // namespace skin::repair
