#include "common/skin/skin_pictures.h"

#include "common/skin/about_layout.h"
#include "common/skin/login_layout.h"
#include "common/skin/main_layout.h"
#include "common/skin/page_layout.h"
#include "common/skin/panel_layouts.h"
#include "common/skin/repair_layout.h"
#include "common/skin/tip_layout.h"

namespace skin {
namespace {

constexpr const Picture* kAll[] = {
    &login::kPicture,         &main_window::kPicture,   &page::kPicture,
    &comprehensive::kPicture, &detail::kPicture,        &tip::kPicture,
    &news_popup::kPicture,    &news_list::kPicture,     &about::kPicture,
    &repair::kPicture,        &advert::kPictures[0],    &advert::kPictures[1],
    &advert::kPictures[2],
};

}  // namespace

std::span<const Picture* const> AllPictures() { return kAll; }

}  // namespace skin
