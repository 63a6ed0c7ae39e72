#pragma once
// Backgrounds of the panels and pop-up windows: the comprehensive evaluation panel, the
// dimension detail windows, the news pop-up and list, and the advertisements.
#include "common/skin/button_sizes.h"
#include "common/skin/skin_rect.h"

namespace skin {

namespace comprehensive {
inline constexpr Size kSize{778, 269};
inline constexpr Area kEntryStrip{"entry_strip", {0, 0, 778, 44}};
inline constexpr Area kNoteRule{"note_rule", {12, 226, 754, 1}};
inline constexpr const Area* kAreas[] = {&kEntryStrip, &kNoteRule};
inline constexpr Picture kPicture{"bg_mid2.gif", kSize, kAreas};
}  // namespace comprehensive

// Stretched over each detail window.
namespace detail {
inline constexpr Size kSize{400, 300};
inline constexpr Area kHeaderStrip{"header_strip", {0, 0, 400, 30}};
inline constexpr Area kGoldRule{"gold_rule", {0, 30, 400, 2}};
inline constexpr const Area* kAreas[] = {&kHeaderStrip, &kGoldRule};
inline constexpr Picture kPicture{"bg_midall.gif", kSize, kAreas};
}  // namespace detail

namespace news_popup {
inline constexpr Size kSize{250, 200};
inline constexpr Area kTitleBand{"title_band", {0, 0, 250, 26}};
inline constexpr Area kCard{"card", {8, 34, 234, 130}};
// Controls: the item's title and summary on the card, the two buttons below it.
inline constexpr Area kTitle{"title", {16, 40, 218, 18}, &kCard};
inline constexpr Area kSummary{"summary", {16, 60, 218, 100}, &kCard};
inline constexpr Area kViewButton{"view_button", At(110, 172, buttons::kViewInfo)};
inline constexpr Area kCloseButton{"close_button", At(182, 172, buttons::kSmall)};
inline constexpr const Area* kAreas[] = {&kTitleBand, &kCard, &kTitle, &kSummary, &kViewButton, &kCloseButton};
inline constexpr Picture kPicture{"news.gif", kSize, kAreas};
}  // namespace news_popup

namespace news_list {
inline constexpr Size kSize{640, 480};
inline constexpr Area kTitleBand{"title_band", {0, 0, 640, 34}};
inline constexpr Area kCard{"card", {10, 42, 620, 428}};
// Controls: the article list page on the card, a close button on the title band.
inline constexpr Area kPage{"page", {14, 46, 612, 420}, &kCard};
inline constexpr Area kCloseButton{"close_button", At(588, 7, buttons::kSmall), &kTitleBand};
inline constexpr const Area* kAreas[] = {&kTitleBand, &kCard, &kPage, &kCloseButton};
inline constexpr Picture kPicture{"newsbk.gif", kSize, kAreas};
}  // namespace news_list

// ad_1.gif to ad_3.gif share one layout.
namespace advert {
inline constexpr Size kSize{150, 91};
inline constexpr Area kCallToAction{"call_to_action", {10, 60, 58, 20}};
inline constexpr const Area* kAreas[] = {&kCallToAction};
inline constexpr Picture kPictures[] = {
    {"ad_1.gif", kSize, kAreas}, {"ad_2.gif", kSize, kAreas}, {"ad_3.gif", kSize, kAreas}};
}  // namespace advert

}  // namespace skin
