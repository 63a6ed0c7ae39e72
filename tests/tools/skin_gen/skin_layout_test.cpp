// The skin's geometry table: every area lies inside its picture, every control inside
// the frame it stands on, controls of one picture do not overlap, and the pictures that
// fill a place of another picture fit it.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "common/skin/main_layout.h"
#include "common/skin/page_layout.h"
#include "common/skin/panel_layouts.h"
#include "common/skin/skin_pictures.h"

namespace {

std::string Describe(const skin::Rect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" + std::to_string(r.h);
}

// Controls that share a place on purpose: a guest's greeting takes the logout link's room.
bool MayOverlap(const std::string& a, const std::string& b) {
    const std::set<std::pair<std::string, std::string>> allowed = {
        {"greeting", "greeting_alone"}, {"greeting_alone", "logout_link"}};
    return allowed.count({a, b}) > 0 || allowed.count({b, a}) > 0;
}

bool Overlap(const skin::Rect& a, const skin::Rect& b) {
    return a.x < b.Right() && b.x < a.Right() && a.y < b.Bottom() && b.y < a.Bottom();
}

}  // namespace

TEST(SkinLayout, EveryAreaLiesInsideItsPictureAndItsFrame) {
    std::set<std::string> files;
    for (const skin::Picture* picture : skin::AllPictures()) {
        SCOPED_TRACE(picture->file);
        EXPECT_TRUE(files.insert(picture->file).second) << "listed twice";
        EXPECT_GT(picture->size.w, 0);
        EXPECT_GT(picture->size.h, 0);
        std::set<std::string> names;
        for (const skin::Area* area : picture->areas) {
            SCOPED_TRACE(area->name);
            EXPECT_TRUE(names.insert(area->name).second) << "name used twice";
            EXPECT_GT(area->rect.w, 0);
            EXPECT_GT(area->rect.h, 0);
            EXPECT_TRUE(picture->Bounds().Contains(area->rect)) << Describe(area->rect);
            if (area->frame == nullptr) continue;
            bool frameListed = false;
            for (const skin::Area* other : picture->areas) frameListed |= other == area->frame;
            EXPECT_TRUE(frameListed) << "frame " << area->frame->name << " belongs to another picture";
            EXPECT_EQ(area->frame->frame, nullptr) << "a frame stands on no other frame";
            EXPECT_TRUE(area->frame->rect.Contains(area->rect))
                << Describe(area->rect) << " outside " << area->frame->name << " " << Describe(area->frame->rect);
        }
    }
}

TEST(SkinLayout, ControlsOfOnePictureDoNotOverlap) {
    for (const skin::Picture* picture : skin::AllPictures()) {
        SCOPED_TRACE(picture->file);
        for (std::size_t i = 0; i < picture->areas.size(); ++i) {
            const skin::Area& a = *picture->areas[i];
            if (a.frame == nullptr) continue;
            for (std::size_t j = i + 1; j < picture->areas.size(); ++j) {
                const skin::Area& b = *picture->areas[j];
                if (b.frame == nullptr || MayOverlap(a.name, b.name)) continue;
                EXPECT_FALSE(Overlap(a.rect, b.rect)) << a.name << " and " << b.name;
            }
        }
    }
}

TEST(SkinLayout, PageButtonSlotsFillTheRowWithoutOverlapping) {
    using namespace skin::page;
    for (int i = 0; i < kMaxButtons; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(kButtonRow.rect.Contains(ButtonSlot(i)));
        if (i > 0) {
            EXPECT_GT(ButtonSlot(i).x, ButtonSlot(i - 1).Right());
        }
    }
    EXPECT_FALSE(kButtonRow.rect.Contains(ButtonSlot(kMaxButtons + 1)));
}

TEST(SkinLayout, PicturesFitThePlacesOtherPicturesKeepForThem) {
    namespace main = skin::main_window;
    // A page fills the main window's page area; the comprehensive panel stands in the
    // page's panel area; an advertisement fills its place beside the history card.
    EXPECT_EQ(main::kPageArea.rect.w, skin::page::kSize.w);
    EXPECT_EQ(main::kPageArea.rect.h, skin::page::kSize.h);
    EXPECT_LE(skin::comprehensive::kSize.w, skin::page::kPanelArea.rect.w);
    EXPECT_LE(skin::comprehensive::kSize.h, skin::page::kPanelArea.rect.h);
    for (const skin::Area* ad : {&main::kAd1, &main::kAd2, &skin::comprehensive::kAdvert}) {
        EXPECT_EQ(ad->rect.w, skin::advert::kSize.w) << ad->name;
        EXPECT_EQ(ad->rect.h, skin::advert::kSize.h) << ad->name;
    }
}
