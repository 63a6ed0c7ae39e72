#pragma once
// main.gif, the main window: the header band with the page buttons, the title buttons,
// the links and the greeting chip; below it the page card, the history card, two
// advertisement cards, the web strip card and the status bar.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin::main_window {

inline constexpr Size kSize{847, 633};

// Drawn frames.
inline constexpr Area kHeaderBand{"header_band", {0, 0, 847, 66}};
inline constexpr Area kGreetingChip{"greeting_chip", {474, 44, 168, 20}};
inline constexpr Area kPageCard{"page_card", {10, 72, 827, 345}};
inline constexpr Area kHistoryCard{"history_card", {10, 420, 508, 100}};
inline constexpr Area kAdCard1{"ad_card_1", {522, 422, 156, 97}};
inline constexpr Area kAdCard2{"ad_card_2", {679, 422, 156, 97}};
inline constexpr Area kWebCard{"web_card", {10, 521, 827, 82}};
inline constexpr Area kStatusBar{"status_bar", {0, 605, 847, 28}};

// Controls.
inline constexpr Area kPageArea{"page_area", kPageCard.rect.Inset(2), &kPageCard};
inline constexpr Area kEvalPageButton{"eval_page_button", At(200, 40, buttons::kPage), &kHeaderBand};
inline constexpr Area kAnalysisPageButton{"analysis_page_button", At(266, 40, buttons::kPage), &kHeaderBand};
inline constexpr Area kToolsPageButton{"tools_page_button", At(332, 40, buttons::kPage), &kHeaderBand};
inline constexpr Area kMinimise{"minimise", At(793, 6, buttons::kTitle), &kHeaderBand};
inline constexpr Area kClose{"close", At(817, 6, buttons::kTitle), &kHeaderBand};
inline constexpr Area kGreeting{"greeting", {480, 45, 110, 18}, &kGreetingChip};
// A guest has no logout link; the greeting then takes the whole chip.
inline constexpr Area kGreetingAlone{"greeting_alone", {480, 45, 156, 18}, &kGreetingChip};
inline constexpr Area kLogoutLink{"logout_link", {596, 45, 40, 18}, &kGreetingChip};
inline constexpr Area kHomeLink{"home_link", {652, 45, 32, 18}, &kHeaderBand};
inline constexpr Area kAccountLink{"account_link", {688, 45, 80, 18}, &kHeaderBand};
inline constexpr Area kRecommendLink{"recommend_link", {770, 45, 72, 18}, &kHeaderBand};
inline constexpr Area kHistoryCaption{"history_caption", {22, 425, 240, 18}, &kHistoryCard};
inline constexpr Area kHistoryText{"history_text", {22, 445, 488, 70}, &kHistoryCard};
inline constexpr Area kAd1{"ad_1", kAdCard1.rect.Inset(3), &kAdCard1};
inline constexpr Area kAd2{"ad_2", kAdCard2.rect.Inset(3), &kAdCard2};
inline constexpr Area kWebStrip{"web_strip", kWebCard.rect.Inset(2), &kWebCard};
inline constexpr Area kVersionLine{"version_line", {14, 610, 300, 18}, &kStatusBar};
inline constexpr Area kUpgradeLink{"upgrade_link", {320, 610, 70, 18}, &kStatusBar};
inline constexpr Area kComplaintLink{"complaint_link", {770, 610, 66, 18}, &kStatusBar};

inline constexpr const Area* kAreas[] = {
    &kHeaderBand,     &kGreetingChip,  &kPageCard,           &kHistoryCard,   &kAdCard1,
    &kAdCard2,        &kWebCard,       &kStatusBar,          &kPageArea,      &kEvalPageButton,
    &kAnalysisPageButton, &kToolsPageButton, &kMinimise,     &kClose,         &kGreeting,
    &kGreetingAlone,  &kLogoutLink,    &kHomeLink,           &kAccountLink,   &kRecommendLink,
    &kHistoryCaption, &kHistoryText,   &kAd1,                &kAd2,           &kWebStrip,
    &kVersionLine,    &kUpgradeLink,   &kComplaintLink,
};
inline constexpr Picture kPicture{"main.gif", kSize, kAreas};

}  // namespace skin::main_window
