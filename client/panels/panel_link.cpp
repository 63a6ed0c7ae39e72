#include "client/panels/panel_link.h"

#include "client/widgets/html_label.h"

namespace {
constexpr ui::ColorRef kLinkColour = ui::Rgb(6, 3, 144);
}  // namespace

void SetUpPanelLink(CHtmlLabel* link, ui::ShellFacade& shell, const std::string& text,
                    const std::string& url, int pixelSize, bool underlined) {
    link->SetShell(shell);
    QFont font = link->font();
    font.setPixelSize(pixelSize);
    link->SetFont(font);
    link->SetBkMode(CHtmlLabel::kTransparentMode);
    link->SetLinkColors(kLinkColour, underlined, kLinkColour, true);
    if (!text.empty()) link->SetHyperlink(text, url);
}
