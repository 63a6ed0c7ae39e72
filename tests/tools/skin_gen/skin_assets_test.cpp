// The committed skin: every picture the windows name is there, real GIF, shaped and
// keyed as its window or button expects.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>

#include <string>

#include "common/skin/skin_pictures.h"
#include "common/ui/skin_image.h"

namespace {

std::string ImagePath(const char* name) { return std::string(QUORVEL_SOURCE_DIR) + "/assets/image/" + name; }

// Panel backgrounds fill their rectangle; every other picture has rounded corners.
bool Rounded(const skin::Picture& picture) {
    return picture.file != std::string("bg_mid2.gif") && picture.file != std::string("bg_midall.gif");
}

}  // namespace

TEST(SkinAssets, BackgroundsAreGifsOfTheTablesSizeShapedByPureBlack) {
    for (const skin::Picture* picture : skin::AllPictures()) {
        const struct {
            const char* name;
            QSize size;
            bool rounded;
        } shape{picture->file, QSize(picture->size.w, picture->size.h), Rounded(*picture)};
        SCOPED_TRACE(shape.name);
        EXPECT_EQ(QImageReader(QString::fromStdString(ImagePath(shape.name))).format(), "gif");
        CSkinImage skin;
        ASSERT_TRUE(skin.Load(ImagePath(shape.name)));
        EXPECT_EQ(skin.Size(), shape.size);
        const auto region = skin.MakeRegion();
        ASSERT_TRUE(region.has_value());
        const QRect all(QPoint(0, 0), shape.size);
        EXPECT_TRUE(region->contains(all.center()));
        EXPECT_EQ(region->contains(QPoint(0, 0)), !shape.rounded);
        EXPECT_EQ(region->contains(all.bottomRight()), !shape.rounded);
        // Only the corners are cut: the window has no holes.
        const QRect inner = all.adjusted(12, 12, -12, -12);
        EXPECT_EQ(QRegion(inner).subtracted(*region), QRegion());
    }
}

TEST(SkinAssets, ButtonStripsHaveFourFramesKeyedOnTheirColour) {
    struct Strip {
        const char* name;
        QRgb key;
    };
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0);
    const Strip strips[] = {
        {"dl.gif", blue},       {"dl2.gif", blue},    {"zxh.gif", blue},    {"gb.gif", blue},
        {"cy.gif", blue},       {"fx.gif", blue},     {"fz.gif", blue},     {"zhpc.gif", blue},
        {"yjyc.gif", blue},     {"zlpc.gif", blue},   {"cwpc.gif", blue},   {"dkpc.gif", blue},
        {"zcpc.gif", blue},     {"ylpc.gif", blue},   {"rdpc.gif", blue},   {"gxpc.gif", blue},
        {"jgpc.gif", blue},     {"topeyes-s.gif", blue}, {"topeyes-h.gif", blue}, {"rmhy.gif", blue},
        {"hyrg.gif", blue},     {"ssbk.gif", blue},   {"cwfx.gif", blue},   {"dyxc.gif", blue},
        {"zxjl.gif", blue},     {"sjjs.gif", blue},   {"mrss.gif", blue},   {"hdjr.gif", blue},
        {"botton.gif", blue},   {"ljfx.gif", blue},   {"ljtj.gif", blue},   {"sx.gif", blue},
        {"qrjs.gif", blue},     {"bcsj.gif", blue},   {"tipok.gif", red},   {"tipcancel.gif", red},
        {"viewinfo.gif", red},  {"newsclose.gif", red}, {"cd.gif", blue},
    };
    for (const Strip& strip : strips) {
        SCOPED_TRACE(strip.name);
        const QImage image(QString::fromStdString(ImagePath(strip.name)));
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.width() % 4, 0);
        const int frame = image.width() / 4;
        for (int f = 0; f < 4; ++f) {
            // The corner is see-through; the middle is drawn.
            EXPECT_EQ(image.pixel(f * frame, 0) | 0xFF000000, strip.key);
            const std::string name = strip.name;
            if (name != "zxh.gif" && name != "gb.gif" && name != "cd.gif") {  // glyphs on the header
                EXPECT_NE(image.pixel(f * frame + 4, image.height() / 2) | 0xFF000000, strip.key);
            }
        }
        // The four states look different from one another.
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                EXPECT_NE(image.copy(a * frame, 0, frame, image.height()), image.copy(b * frame, 0, frame, image.height()))
                    << "frames " << a << " and " << b;
            }
        }
    }
}
