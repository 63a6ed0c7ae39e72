#pragma once
// Control ids of the repair tool's dialog; each control's objectName is its id.
namespace repair::ids {

inline constexpr int kDialog = 102;
inline constexpr int kProgress = 1000;
inline constexpr int kActionButton = 1001;
inline constexpr int kCancelButton = 1002;
inline constexpr int kFileList = 1003;
inline constexpr int kStatus = 1004;
inline constexpr int kHeading = 1005;

}  // namespace repair::ids
