// CTipDlg: styles, answers from keys and buttons, the hook, the shape and the
// missing-picture behaviour.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>

#include "client/panels/color_label.h"
#include "client/panels/tip_dlg.h"
#include "common/ui/color.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/main_window.h"
#include "common/ui/modal_hook.h"
#include "support/test_pictures.h"

using test_pictures::ScratchProgramDirectory;

namespace {

const QColor kButtonFrames[4] = {QColor(60, 90, 140), QColor(70, 110, 170), QColor(40, 60, 100),
                                 QColor(90, 130, 190)};

// The tip window's pictures in a scratch program directory.
class TipDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test_pictures::Save(test_pictures::RoundedBackground(130, 81, 8),
                                        dir_.ImagePath("tipbg.gif")));
        ASSERT_TRUE(test_pictures::Save(test_pictures::Strip(40, 18, kButtonFrames),
                                        dir_.ImagePath("tipok.gif")));
        ASSERT_TRUE(test_pictures::Save(test_pictures::Strip(40, 18, kButtonFrames),
                                        dir_.ImagePath("tipcancel.gif")));
    }

    // Shows a tip of the style, presses `key` and returns the answer.
    static int AnswerWithKey(int ask, int key) {
        CTipDlg tip;
        tip.SetMessage("x", ask);
        EXPECT_TRUE(tip.InitDialog());
        tip.show();
        QTest::keyClick(&tip, static_cast<Qt::Key>(key));
        EXPECT_FALSE(tip.isVisible());
        return tip.result();
    }

    ScratchProgramDirectory dir_;
};

}  // namespace

TEST_F(TipDlgTest, InformationShowsOneCentredOkQuestionShowsTwo) {
    CTipDlg info;
    info.SetMessage("\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3\xCA\xA7\xB0\xDC!", 0);  // "网络连接失败!"
    ASSERT_TRUE(info.InitDialog());
    info.show();
    EXPECT_TRUE(info.OkCentreButton()->isVisible());
    EXPECT_FALSE(info.OkLeftButton()->isVisible());
    EXPECT_FALSE(info.CancelButton()->isVisible());
    const QRect ok = info.OkCentreButton()->geometry();
    EXPECT_LE(std::abs(ok.center().x() - info.rect().center().x()), 1);
    EXPECT_EQ(info.MessageLabel()->text(), QStringLiteral("网络连接失败!"));
    EXPECT_EQ(info.MessageLabel()->textColor, ui::Rgb(204, 10, 10));
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Quorvel"));

    CTipDlg question;
    question.SetMessage("?", 1);
    ASSERT_TRUE(question.InitDialog());
    question.show();
    EXPECT_FALSE(question.OkCentreButton()->isVisible());
    EXPECT_TRUE(question.OkLeftButton()->isVisible());
    EXPECT_TRUE(question.CancelButton()->isVisible());
    EXPECT_LT(question.OkLeftButton()->x(), question.CancelButton()->x());
    EXPECT_EQ(question.findChild<CKbcBmp*>("1226"), question.CancelButton());
}

TEST_F(TipDlgTest, EnterIsOkAndEscIsCancelWhateverIsShown) {
    EXPECT_EQ(AnswerWithKey(0, Qt::Key_Return), ui::kIdOk);
    EXPECT_EQ(AnswerWithKey(0, Qt::Key_Enter), ui::kIdOk);
    EXPECT_EQ(AnswerWithKey(0, Qt::Key_Escape), ui::kIdCancel);
    EXPECT_EQ(AnswerWithKey(1, Qt::Key_Return), ui::kIdOk);
    EXPECT_EQ(AnswerWithKey(1, Qt::Key_Escape), ui::kIdCancel);
}

TEST_F(TipDlgTest, EachButtonGivesItsAnswer) {
    const auto click = [](int ask, CKbcBmp* (CTipDlg::*button)() const) {
        CTipDlg tip;
        tip.SetMessage("x", ask);
        EXPECT_TRUE(tip.InitDialog());
        tip.show();
        QTest::mouseClick((tip.*button)(), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(tip.isVisible());
        return tip.result();
    };
    EXPECT_EQ(click(0, &CTipDlg::OkCentreButton), ui::kIdOk);
    EXPECT_EQ(click(1, &CTipDlg::OkLeftButton), ui::kIdOk);
    EXPECT_EQ(click(1, &CTipDlg::CancelButton), ui::kIdCancel);
}

TEST_F(TipDlgTest, IsShapedByItsBackground) {
    CTipDlg tip;
    tip.SetMessage("x", 0);
    ASSERT_TRUE(tip.InitDialog());
    EXPECT_EQ(tip.size(), QSize(130, 81));
    EXPECT_FALSE(tip.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(tip.mask().contains(QPoint(65, 40)));
}

TEST_F(TipDlgTest, TheHookAnswersWithoutShowingAnything) {
    ui::ScopedModalAnswers answers(ui::kIdCancel);
    CTipDlg tip;
    tip.SetMessage("sure?", 1);
    EXPECT_EQ(tip.DoModal(), ui::kIdCancel);
    EXPECT_FALSE(tip.isVisible());
    ASSERT_EQ(answers.Prompts().size(), 1u);
    EXPECT_EQ(answers.Prompts()[0].dialog, "CTipDlg");
    EXPECT_EQ(answers.Prompts()[0].message, "sure?");
    EXPECT_TRUE(answers.Prompts()[0].question);
}

TEST(TipDlgMissingPicture, ClosesTheMainWindowAndAnswersCancel) {
    ScratchProgramDirectory dir;  // no pictures at all
    QWidget mainWindow;
    mainWindow.show();
    ui::SetMainWindow(&mainWindow);
    CTipDlg tip;
    tip.SetMessage("x", 0);
    EXPECT_EQ(tip.DoModal(), ui::kIdCancel);
    EXPECT_FALSE(mainWindow.isVisible());
    ui::SetMainWindow(nullptr);
}

TEST_F(TipDlgTest, DragsByAnyPointOfItsSurface) {
    CTipDlg tip;
    tip.SetMessage("x", 0);
    ASSERT_TRUE(tip.InitDialog());
    tip.move(100, 100);
    tip.show();
    const QPoint start = tip.pos();
    const QPoint grip(60, 30);  // on the message label, away from the buttons
    const auto send = [&](QEvent::Type type, QPoint global, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(tip.mapFromGlobal(global)), QPointF(global),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(&tip, &event);
    };
    const QPoint global = tip.mapToGlobal(grip);
    send(QEvent::MouseButtonPress, global, Qt::LeftButton);
    send(QEvent::MouseMove, global + QPoint(25, 15), Qt::LeftButton);
    send(QEvent::MouseButtonRelease, global + QPoint(25, 15), Qt::NoButton);
    EXPECT_EQ(tip.pos(), start + QPoint(25, 15));
    EXPECT_TRUE(tip.isVisible());  // dragging is not a click
}
