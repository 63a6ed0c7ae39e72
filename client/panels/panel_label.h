#pragma once
// A CColorLabel of a panel or detail window: named by its control id (0: a caption
// without one), coloured, placed at its skin area, in a font of the given pixel size.
#include "common/skin/skin_rect.h"
#include "common/ui/color.h"

class CColorLabel;
class QWidget;

namespace panel_look {
inline constexpr ui::ColorRef kPromptColour = ui::Rgb(29, 56, 91);    // titles and prompts
inline constexpr ui::ColorRef kCaptionColour = ui::Rgb(69, 87, 102);  // captions, headers, notes
inline constexpr ui::ColorRef kStockColour = ui::Rgb(204, 0, 0);      // "600000 浦发银行"
}  // namespace panel_look

inline constexpr int kPanelLabelPixelSize = 12;
// The 11 × 9 font of stock labels and headings.
inline constexpr int kHeadingPixelSize = 13;

CColorLabel* AddPanelLabel(QWidget* parent, int id, ui::ColorRef colour, const skin::Area& area,
                           int pixelSize = kPanelLabelPixelSize);
// The same for text that wraps from the top-left corner down.
CColorLabel* AddWrappingPanelLabel(QWidget* parent, int id, ui::ColorRef colour, const skin::Area& area,
                                   int pixelSize = kPanelLabelPixelSize);
