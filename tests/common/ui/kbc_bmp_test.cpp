// CKbcBmp: frames per state, the selected state, transparent keying and sizing.
#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "common/ui/kbc_bmp.h"
#include "common/ui/modal_hook.h"
#include "support/test_pictures.h"

using test_pictures::ScratchProgramDirectory;

namespace {

const QColor kFrameColours[4] = {QColor(10, 10, 10), QColor(20, 20, 20), QColor(30, 30, 30),
                                 QColor(40, 40, 40)};

void Enter(QWidget* widget) {
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

}  // namespace

TEST(KbcBmp, FrameWidthIsAQuarterOfTheStripRoundedDown) {
    ScratchProgramDirectory dir;
    ASSERT_TRUE(test_pictures::Save(test_pictures::Strip(50, 20, kFrameColours), dir.ImagePath("a.gif")));
    ASSERT_TRUE(test_pictures::Save(test_pictures::Strip(50, 20, kFrameColours, 2), dir.ImagePath("b.gif")));
    QWidget parent;
    CKbcBmp a(&parent), b(&parent);
    a.move(7, 9);
    ASSERT_TRUE(a.SetImage("image\\a.gif", ui::kPureBlue));
    ASSERT_TRUE(b.SetImage("image\\b.gif", ui::kPureBlue));
    EXPECT_EQ(a.geometry(), QRect(7, 9, 50, 20));  // sized to the frame where it stood
    EXPECT_EQ(b.FrameSize(), QSize(50, 20));       // 202 / 4 = 50
    // The two extra columns never show: frame 3 is columns 150..199.
    EXPECT_EQ(b.FrameImage(CKbcBmp::kSelected).pixelColor(49, 0), kFrameColours[3]);
}

TEST(KbcBmp, ShowsTheFrameOfEachState) {
    ScratchProgramDirectory dir;
    ASSERT_TRUE(test_pictures::Save(test_pictures::Strip(30, 12, kFrameColours), dir.ImagePath("s.gif")));
    QWidget parent;
    parent.resize(100, 100);
    CKbcBmp button(&parent);
    ASSERT_TRUE(button.SetImage("image\\s.gif", ui::kPureBlue));
    parent.show();
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kNormal);
    Enter(&button);
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kHover);
    QTest::mousePress(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kPressed);
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 5), kFrameColours[2]);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseRelease(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kHover);
    Leave(&button);
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kNormal);
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 5), kFrameColours[0]);
}

TEST(KbcBmp, SelectedButtonShowsFrameThreeAndIgnoresClicks) {
    ScratchProgramDirectory dir;
    ASSERT_TRUE(test_pictures::Save(test_pictures::Strip(30, 12, kFrameColours), dir.ImagePath("s.gif")));
    QWidget parent;
    CKbcBmp button(&parent);
    ASSERT_TRUE(button.SetImage("image\\s.gif", ui::kPureBlue));
    parent.show();
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    button.SetSelected();
    Enter(&button);
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kSelected);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseDClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_FALSE(button.isDown());
    EXPECT_EQ(button.CurrentFrame(), CKbcBmp::kSelected);
    EXPECT_EQ(button.grab().toImage().pixelColor(5, 5), kFrameColours[3]);

    button.ClearSelected();
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicked.count(), 1);
}

TEST(KbcBmp, OnlyTheExactTransparentColourShowsThrough) {
    ScratchProgramDirectory dir;
    QImage strip(40, 10, QImage::Format_RGB32);
    strip.fill(QColor(0, 0, 255));        // pure blue everywhere
    strip.setPixelColor(1, 1, QColor(0, 0, 254));
    strip.setPixelColor(2, 1, QColor(1, 0, 255));
    strip.setPixelColor(3, 1, QColor(0, 1, 255));
    ASSERT_TRUE(test_pictures::Save(strip, dir.ImagePath("k.gif")));

    QWidget parent;
    parent.resize(30, 30);
    parent.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    parent.setPalette(palette);
    CKbcBmp button(&parent);
    ASSERT_TRUE(button.SetImage("image\\k.gif", ui::kPureBlue));
    parent.show();
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(0, 0, 254));
    EXPECT_EQ(shot.pixelColor(2, 1), QColor(1, 0, 255));
    EXPECT_EQ(shot.pixelColor(3, 1), QColor(0, 1, 255));

    // Keyed on pure red instead, the blue is drawn.
    ASSERT_TRUE(button.SetImage("image\\k.gif", ui::kPureRed));
    EXPECT_EQ(parent.grab().toImage().pixelColor(0, 0), QColor(0, 0, 255));
}

TEST(KbcBmp, AStripThatFailsToLoadDrawsNothingAndHasNoSize) {
    ScratchProgramDirectory dir;
    ui::ScopedModalAnswers answers;
    QWidget parent;
    CKbcBmp button(&parent);
    button.setGeometry(5, 5, 40, 40);
    EXPECT_FALSE(button.SetImage("image\\none.gif", ui::kPureBlue));
    EXPECT_EQ(button.size(), QSize(0, 0));
    EXPECT_EQ(button.pos(), QPoint(5, 5));
    EXPECT_EQ(answers.Prompts().size(), 1u);  // the picture loader's error box
}
