// CPicture and CSkinImage: loading, sizes, drawing and the window shape.
#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>

#include "common/ui/modal_hook.h"
#include "common/ui/picture.h"
#include "common/ui/skin_image.h"
#include "common/ui/window_system.h"
#include "support/test_pictures.h"

using test_pictures::ScratchProgramDirectory;

TEST(Picture, LoadsFromFileAndMemoryAndRendersScaled) {
    ScratchProgramDirectory dir;
    QImage source(20, 10, QImage::Format_RGB32);
    source.fill(QColor(10, 200, 30));
    ASSERT_TRUE(test_pictures::Save(source, dir.ImagePath("a.bmp"), "BMP"));

    CPicture picture;
    ASSERT_TRUE(picture.Load(dir.ImagePath("a.bmp")));
    EXPECT_EQ(picture.Width(), 20);
    EXPECT_EQ(picture.Height(), 10);
    EXPECT_GT(picture.Size(), 0u);

    QImage target(40, 40, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        EXPECT_TRUE(picture.Render(painter, QRect(0, 0, 40, 20)));
    }
    EXPECT_EQ(target.pixelColor(39, 19), QColor(10, 200, 30));
    EXPECT_EQ(target.pixelColor(39, 20), QColor(Qt::white));

    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(dir.ImagePath("a.bmp"), bytes));
    CPicture fromMemory;
    ASSERT_TRUE(fromMemory.LoadFromMemory(bytes.data(), bytes.size()));
    EXPECT_EQ(fromMemory.Size(), bytes.size());
    EXPECT_EQ(fromMemory.Width(), 20);
}

TEST(Picture, MissingFileShowsTheErrorBoxAndClearsTheSize) {
    ScratchProgramDirectory dir;
    QImage source(8, 8, QImage::Format_RGB32);
    source.fill(Qt::red);
    ASSERT_TRUE(test_pictures::Save(source, dir.ImagePath("a.png")));
    CPicture picture;
    ASSERT_TRUE(picture.Load(dir.ImagePath("a.png")));

    ui::ScopedModalAnswers answers;
    EXPECT_FALSE(picture.Load(dir.ImagePath("missing.gif")));
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    ASSERT_EQ(answers.Prompts().size(), 1u);
    EXPECT_EQ(answers.Prompts()[0].caption, "CPicture Error");
    EXPECT_NE(answers.Prompts()[0].message.find("missing.gif"), std::string::npos);

    // Data that is no picture fails quietly.
    const char junk[] = "not a picture at all";
    EXPECT_FALSE(picture.LoadFromMemory(junk, sizeof junk));
    EXPECT_EQ(answers.Prompts().size(), 1u);
    QImage target(4, 4, QImage::Format_RGB32);
    QPainter painter(&target);
    EXPECT_FALSE(picture.Render(painter, target.rect()));
}

TEST(SkinImage, ChoosesTheLoaderByExtensionWithoutRegardToCase) {
    ScratchProgramDirectory dir;
    const QImage background = test_pictures::RoundedBackground(60, 40, 8);
    ASSERT_TRUE(test_pictures::Save(background, dir.ImagePath("lower.bmp"), "BMP"));
    ASSERT_TRUE(test_pictures::Save(background, dir.ImagePath("UPPER.BMP"), "BMP"));
    ASSERT_TRUE(test_pictures::Save(background, dir.ImagePath("photo.JPeG"), "JPG"));
    ASSERT_TRUE(test_pictures::Save(background, dir.ImagePath("shape.png")));

    CSkinImage skin;
    EXPECT_TRUE(skin.Load(dir.ImagePath("lower.bmp")));
    EXPECT_EQ(skin.kind(), CSkinImage::kBitmapFile);
    EXPECT_TRUE(skin.Load(dir.ImagePath("UPPER.BMP")));
    EXPECT_EQ(skin.Size(), QSize(60, 40));
    EXPECT_TRUE(skin.Load(dir.ImagePath("photo.JPeG")));
    EXPECT_EQ(skin.kind(), CSkinImage::kPicture);
    EXPECT_FALSE(skin.Load(dir.ImagePath("shape.png")));
    EXPECT_EQ(skin.kind(), CSkinImage::kNothing);
    EXPECT_FALSE(skin.Load(dir.ImagePath("absent.gif")));
}

TEST(SkinImage, ScalesOnLoading) {
    ScratchProgramDirectory dir;
    ASSERT_TRUE(test_pictures::Save(test_pictures::RoundedBackground(60, 40, 8),
                                    dir.ImagePath("bg.bmp"), "BMP"));
    CSkinImage skin;
    skin.SetScale(3, 2);
    ASSERT_TRUE(skin.Load(dir.ImagePath("bg.bmp")));
    EXPECT_EQ(skin.Size(), QSize(90, 60));
}

TEST(SkinImage, RegionCutsBlackCornersAndKeepsTheInside) {
    ScratchProgramDirectory dir;
    QImage background = test_pictures::RoundedBackground(80, 50, 10);
    background.setPixelColor(40, 25, Qt::black);  // a hole in the middle
    background.setPixelColor(41, 25, QColor(1, 0, 0));  // nearly black stays inside
    ASSERT_TRUE(test_pictures::Save(background, dir.ImagePath("bg.bmp"), "BMP"));
    CSkinImage skin;
    ASSERT_TRUE(skin.Load(dir.ImagePath("bg.bmp")));
    const auto region = skin.MakeRegion();
    ASSERT_TRUE(region.has_value());
    EXPECT_FALSE(region->contains(QPoint(0, 0)));
    EXPECT_FALSE(region->contains(QPoint(79, 49)));
    EXPECT_FALSE(region->contains(QPoint(40, 25)));
    EXPECT_TRUE(region->contains(QPoint(41, 25)));
    EXPECT_TRUE(region->contains(QPoint(1, 25)));
    EXPECT_TRUE(region->contains(QPoint(40, 0)));
    EXPECT_TRUE(region->contains(QPoint(79, 25)));
    // Every pixel agrees with the picture.
    const QImage& bitmap = skin.Bitmap();
    int mismatches = 0;
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            const bool black = (bitmap.pixel(x, y) & 0xFFFFFF) == 0;
            if (region->contains(QPoint(x, y)) == black) ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);

    QWidget window;
    ASSERT_TRUE(skin.ShapeWindow(&window));
    EXPECT_EQ(window.size(), QSize(80, 50));
    EXPECT_EQ(window.mask(), *region);
}

// Where window masks are ignored, a top-level window shows its shape through
// transparency: the pixels outside it are see-through.
TEST(SkinImage, WhereMasksAreIgnoredTheOutsideBecomesTransparent) {
    ScratchProgramDirectory dir;
    ASSERT_TRUE(test_pictures::Save(test_pictures::RoundedBackground(30, 20, 4), dir.ImagePath("bg.bmp"), "BMP"));
    CSkinImage plain;
    ASSERT_TRUE(plain.Load(dir.ImagePath("bg.bmp")));
    QWidget ordinary;
    ASSERT_TRUE(plain.ShapeWindow(&ordinary));
    EXPECT_FALSE(ordinary.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_FALSE(plain.Bitmap().hasAlphaChannel());

    ui::ScopedCompositorManagesWindows wayland(true);
    CSkinImage skin;
    ASSERT_TRUE(skin.Load(dir.ImagePath("bg.bmp")));
    QWidget window;
    QWidget child(&window);
    ASSERT_TRUE(skin.ShapeWindow(&window));
    EXPECT_TRUE(window.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(qAlpha(skin.Bitmap().pixel(0, 0)), 0);
    EXPECT_EQ(skin.Bitmap().pixel(15, 10), plain.Bitmap().pixel(15, 10));
    EXPECT_EQ(window.mask(), *plain.MakeRegion()) << "the shape is the same";
    // A child's mask works everywhere: it stays as it was.
    CSkinImage childSkin;
    ASSERT_TRUE(childSkin.Load(dir.ImagePath("bg.bmp")));
    ASSERT_TRUE(childSkin.ShapeWindow(&child));
    EXPECT_FALSE(child.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_FALSE(childSkin.Bitmap().hasAlphaChannel());
}

TEST(SkinImage, NoRegionWithoutAPictureOrOnASixteenBitDisplay) {
    ScratchProgramDirectory dir;
    ASSERT_TRUE(test_pictures::Save(test_pictures::RoundedBackground(30, 20, 4),
                                    dir.ImagePath("bg.bmp"), "BMP"));
    CSkinImage skin;
    EXPECT_FALSE(skin.MakeRegion().has_value());
    CSkinImage::SetDisplayDepthForTesting(16);
    const bool loaded = skin.Load(dir.ImagePath("bg.bmp"));
    CSkinImage::SetDisplayDepthForTesting(0);
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(skin.MakeRegion().has_value());
    QWidget window;
    EXPECT_FALSE(skin.ShapeWindow(&window));
    EXPECT_TRUE(window.mask().isEmpty());
}
