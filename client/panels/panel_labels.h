#pragma once
// The look of the labels on the panels that stand on a page: their colours and fonts, and
// how a panel adds one (named by its id, placed at a skin area, transparent).
#include "common/skin/skin_rect.h"
#include "common/ui/color.h"

class CColorLabel;
class QWidget;

namespace panel_look {

inline constexpr ui::ColorRef kPromptColour = ui::Rgb(29, 56, 91);    // titles and prompts
inline constexpr ui::ColorRef kCaptionColour = ui::Rgb(69, 87, 102);  // captions, headers, notes
inline constexpr ui::ColorRef kStockColour = ui::Rgb(204, 0, 0);      // "600000 浦发银行"

// A label in the panels' 12-pixel font.
CColorLabel* AddLabel(QWidget* panel, int id, ui::ColorRef colour, const skin::Area& area);
// The same, for text that wraps from the top-left corner down.
CColorLabel* AddWrappingLabel(QWidget* panel, int id, ui::ColorRef colour, const skin::Area& area);
// The stock label: red, in the slightly larger font it stands out with.
CColorLabel* AddStockLabel(QWidget* panel, int id, const skin::Area& area);

}  // namespace panel_look
