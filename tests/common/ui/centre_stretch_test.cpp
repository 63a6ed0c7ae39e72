// StretchFromCentre: quarters kept in the corners, the centre row and column repeated.
#include <gtest/gtest.h>

#include "common/ui/centre_stretch.h"

TEST(CentreStretch, KeepsTheQuartersAndRepeatsTheCentreLines) {
    QImage picture(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixel(x, y, qRgb(x * 40, y * 80, 7));
    const QImage grown = ui::StretchFromCentre(picture, QSize(9, 6));
    ASSERT_EQ(grown.size(), QSize(9, 6));
    EXPECT_EQ(grown.format(), picture.format());
    const auto at = [&](int x, int y) { return grown.pixel(x, y); };
    EXPECT_EQ(at(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(at(1, 0), picture.pixel(1, 0));
    EXPECT_EQ(at(8, 5), picture.pixel(4, 2));
    EXPECT_EQ(at(7, 5), picture.pixel(3, 2));
    for (int x = 2; x <= 6; ++x) EXPECT_EQ(at(x, 0), picture.pixel(2, 0)) << x;  // centre column
    for (int y = 1; y <= 4; ++y) EXPECT_EQ(at(0, y), picture.pixel(0, 1)) << y;  // centre row

    // Never shrinks: a smaller size keeps the picture's extent in that direction.
    EXPECT_EQ(ui::StretchFromCentre(picture, QSize(2, 2)), picture);
    EXPECT_EQ(ui::StretchFromCentre(picture, QSize(5, 1)).size(), QSize(5, 3));
    EXPECT_TRUE(ui::StretchFromCentre(QImage(), QSize(4, 4)).isNull());
}

TEST(CentreStretch, TransparentCornersStayTransparent) {
    QImage picture(5, 3, QImage::Format_ARGB32_Premultiplied);
    picture.fill(qRgb(10, 20, 30));
    picture.setPixel(0, 0, 0);
    const QImage grown = ui::StretchFromCentre(picture, QSize(9, 6));
    EXPECT_EQ(qAlpha(grown.pixel(0, 0)), 0);
    EXPECT_EQ(grown.pixel(4, 3), qRgb(10, 20, 30));
}
