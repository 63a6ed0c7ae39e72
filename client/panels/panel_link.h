#pragma once
// A CHtmlLabel as the links of the comprehensive evaluation panel and the detail windows
// look: transparent over the picture, RGB(6,3,144), underlined under the mouse (or always).
#include <string>

#include "client/panels/panel_label.h"

class CHtmlLabel;
namespace ui {
class ShellFacade;
}

// Gives `link` the shell that opens it, that look in a font of `pixelSize`, and, unless
// `text` (GBK) is empty, the link text with its URL (CHtmlLabel::kNoNavigationUrl: the
// owner handles the click).
void SetUpPanelLink(CHtmlLabel* link, ui::ShellFacade& shell, const std::string& text,
                    const std::string& url, int pixelSize = kPanelLabelPixelSize, bool underlined = false);
