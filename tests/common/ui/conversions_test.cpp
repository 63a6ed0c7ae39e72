// Text, colour and dialog-unit conversions that every window relies on.
#include <gtest/gtest.h>

#include "common/ui/color.h"
#include "common/ui/dialog_units.h"
#include "common/ui/text.h"

TEST(TextConversion, GbkRoundTripsThroughQString) {
    const std::string gbk = "\xD6\xD0\xCE\xC4 600000";  // "中文 600000"
    const QString text = ui::ToQString(gbk);
    EXPECT_EQ(text, QStringLiteral("中文 600000"));
    bool lost = true;
    EXPECT_EQ(ui::FromQString(text, &lost), gbk);
    EXPECT_FALSE(lost);
}

TEST(TextConversion, CharactersOutsideGbkAreReportedLost) {
    bool lost = false;
    const std::string gbk = ui::FromQString(QStringLiteral("a\U0001F600b"), &lost);
    EXPECT_TRUE(lost);
    EXPECT_EQ(gbk.front(), 'a');
    EXPECT_EQ(gbk.back(), 'b');
    EXPECT_TRUE(ui::ToQString("").isEmpty());
}

TEST(ColorConversion, ColorRefIsBlueGreenRed) {
    EXPECT_EQ(ui::ToQColor(0xFF0000), QColor(0, 0, 255));  // pure blue
    EXPECT_EQ(ui::ToQColor(0x0000FF), QColor(255, 0, 0));  // pure red
    EXPECT_EQ(ui::ToQColor(ui::Rgb(204, 10, 10)), QColor(204, 10, 10));
    EXPECT_EQ(ui::Rgb(1, 2, 3), 0x030201u);
    EXPECT_EQ(ui::FromQColor(QColor(18, 52, 86)), ui::Rgb(18, 52, 86));
    EXPECT_EQ(ui::ToOpaqueRgb(ui::kPureBlue), 0xFF0000FFu);
}

TEST(DialogUnits, UseTheDialogFontBaseUnits) {
    EXPECT_EQ(ui::DluToPixelsX(87), 130);
    EXPECT_EQ(ui::DluToPixelsY(50), 81);
    EXPECT_EQ(ui::DluSize(277, 173), QSize(415, 281));
    EXPECT_EQ(ui::DluRect(0, 14, 85, 17), QRect(0, 22, 127, 28));
    // Adjacent template rectangles stay adjacent after rounding.
    EXPECT_EQ(ui::DluRect(0, 0, 3, 3).right() + 1, ui::DluRect(3, 0, 3, 3).left());
}
