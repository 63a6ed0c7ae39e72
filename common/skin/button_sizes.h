#pragma once
// The size of one frame of each kind of button strip: the generator draws the strips at
// these sizes and the layouts reserve them, so a button fills its place exactly.
#include "common/skin/skin_rect.h"

namespace skin::buttons {

inline constexpr Size kLoginAction{90, 28};  // dl.gif, dl2.gif
inline constexpr Size kTitle{22, 18};        // zxh.gif, gb.gif
inline constexpr Size kPage{64, 26};         // cy.gif, fx.gif, fz.gif
inline constexpr Size kTab{64, 24};          // the panel buttons of a page's row
inline constexpr Size kAction{60, 21};       // query and submit buttons of the panels
inline constexpr Size kWideAction{72, 21};
inline constexpr Size kSmall{44, 20};        // tip, news and about window buttons
inline constexpr Size kViewInfo{64, 20};

}  // namespace skin::buttons
