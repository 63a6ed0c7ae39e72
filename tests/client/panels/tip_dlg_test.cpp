// CTipDlg: styles, answers from keys and buttons, the hook, the shape and the
// missing-picture behaviour.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
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
    static int AnswerWithKey(CTipDlg::Style ask, int key) {
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
    info.SetMessage("\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3\xCA\xA7\xB0\xDC!", CTipDlg::kInformation);  // "网络连接失败!"
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
    question.SetMessage("?", CTipDlg::kQuestion);
    ASSERT_TRUE(question.InitDialog());
    question.show();
    EXPECT_FALSE(question.OkCentreButton()->isVisible());
    EXPECT_TRUE(question.OkLeftButton()->isVisible());
    EXPECT_TRUE(question.CancelButton()->isVisible());
    EXPECT_LT(question.OkLeftButton()->x(), question.CancelButton()->x());
    EXPECT_EQ(question.findChild<CKbcBmp*>("1226"), question.CancelButton());
}

TEST_F(TipDlgTest, EnterIsOkAndEscIsCancelWhateverIsShown) {
    EXPECT_EQ(AnswerWithKey(CTipDlg::kInformation, Qt::Key_Return), ui::kIdOk);
    EXPECT_EQ(AnswerWithKey(CTipDlg::kInformation, Qt::Key_Enter), ui::kIdOk);
    EXPECT_EQ(AnswerWithKey(CTipDlg::kInformation, Qt::Key_Escape), ui::kIdCancel);
    EXPECT_EQ(AnswerWithKey(CTipDlg::kQuestion, Qt::Key_Return), ui::kIdOk);
    EXPECT_EQ(AnswerWithKey(CTipDlg::kQuestion, Qt::Key_Escape), ui::kIdCancel);
}

TEST_F(TipDlgTest, EachButtonGivesItsAnswer) {
    const auto click = [](CTipDlg::Style ask, CKbcBmp* (CTipDlg::*button)() const) {
        CTipDlg tip;
        tip.SetMessage("x", ask);
        EXPECT_TRUE(tip.InitDialog());
        tip.show();
        QTest::mouseClick((tip.*button)(), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_FALSE(tip.isVisible());
        return tip.result();
    };
    EXPECT_EQ(click(CTipDlg::kInformation, &CTipDlg::OkCentreButton), ui::kIdOk);
    EXPECT_EQ(click(CTipDlg::kQuestion, &CTipDlg::OkLeftButton), ui::kIdOk);
    EXPECT_EQ(click(CTipDlg::kQuestion, &CTipDlg::CancelButton), ui::kIdCancel);
}

TEST_F(TipDlgTest, IsShapedByItsBackground) {
    CTipDlg tip;
    tip.SetMessage("x", CTipDlg::kInformation);
    ASSERT_TRUE(tip.InitDialog());
    EXPECT_EQ(tip.size(), QSize(130, 81));
    EXPECT_FALSE(tip.mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(tip.mask().contains(QPoint(65, 40)));
}

TEST_F(TipDlgTest, TheHookAnswersWithoutShowingAnything) {
    ui::ScopedModalAnswers answers(ui::kIdCancel);
    CTipDlg tip;
    tip.SetMessage("sure?", CTipDlg::kQuestion);
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
    tip.SetMessage("x", CTipDlg::kInformation);
    EXPECT_EQ(tip.DoModal(), ui::kIdCancel);
    EXPECT_FALSE(mainWindow.isVisible());
    ui::SetMainWindow(nullptr);
}

TEST_F(TipDlgTest, DragsByAnyPointOfItsSurface) {
    CTipDlg tip;
    tip.SetMessage("x", CTipDlg::kInformation);
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

TEST_F(TipDlgTest, LongMessagesGrowTheWindowAndStayInsideWithMargins) {
    // "找不到该股票或该股票无评测内容！": wider than the template's label, fits one line.
    const std::string sentence =
        "\xD5\xD2\xB2\xBB\xB5\xBD\xB8\xC3\xB9\xC9\xC6\xB1\xBB\xF2\xB8\xC3\xB9\xC9\xC6\xB1\xCE\xDE\xC6\xC0"
        "\xB2\xE2\xC4\xDA\xC8\xDD\xA3\xA1";
    CTipDlg wider;
    wider.SetMessage(sentence, CTipDlg::kInformation);
    ASSERT_TRUE(wider.InitDialog());
    EXPECT_GT(wider.width(), 130);
    EXPECT_EQ(wider.height(), 81);

    CTipDlg tip;
    tip.SetMessage(sentence + sentence + sentence + sentence, CTipDlg::kQuestion);
    ASSERT_TRUE(tip.InitDialog());
    tip.show();
    EXPECT_GT(tip.height(), 81);
    EXPECT_GT(tip.width(), 130);
    EXPECT_LE(tip.width(), 360);

    const CColorLabel* label = tip.MessageLabel();
    EXPECT_TRUE(tip.rect().contains(label->geometry()));
    const QRect text = label->fontMetrics().boundingRect(label->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap,
                                                         label->text());
    EXPECT_TRUE(label->rect().contains(text)) << text.x() << "," << text.y() << " " << text.width() << "x"
                                              << text.height();
    EXPECT_GE(text.left(), 4);
    EXPECT_LE(text.right(), label->width() - 5);
    for (const CKbcBmp* button : {tip.OkLeftButton(), tip.CancelButton()}) {
        EXPECT_TRUE(tip.rect().contains(button->geometry()));
        EXPECT_GT(button->y(), label->geometry().bottom());
    }
    // The shape is the grown picture's: rounded corners, solid inside.
    EXPECT_FALSE(tip.mask().contains(QPoint(0, 0)));
    EXPECT_FALSE(tip.mask().contains(QPoint(tip.width() - 1, tip.height() - 1)));
    EXPECT_EQ(QRegion(tip.rect().adjusted(8, 8, -8, -8)).subtracted(tip.mask()), QRegion());
}

TEST_F(TipDlgTest, ATipOpenedOverAnotherStandsClearOfIt) {
    auto open = [](CTipDlg& tip, const char* message) {
        tip.SetMessage(message, CTipDlg::kInformation);
        ASSERT_TRUE(tip.InitDialog());
        tip.show();
    };
    CTipDlg first;
    open(first, "first");
    const QPoint usual = first.geometry().center();
    CTipDlg second;
    open(second, "a longer second message that widens the window");
    EXPECT_EQ(second.y(), first.geometry().bottom() + 1 + 6);
    EXPECT_LE(std::abs(second.geometry().center().x() - usual.x()), 1);
    EXPECT_FALSE(second.geometry().intersects(first.geometry()));

    // With no room left below, the next one goes above the highest.
    const QRect screen = first.screen()->availableGeometry();
    first.move(first.x(), screen.bottom() - first.height());
    second.move(second.x(), first.y() - 200);
    CTipDlg third;
    open(third, "third");
    EXPECT_EQ(third.geometry().bottom() + 1 + 6, second.y());

    // Once the others are gone, a new tip takes the usual place again.
    first.hide();
    second.hide();
    third.hide();
    CTipDlg alone;
    open(alone, "first");
    EXPECT_EQ(alone.geometry().center(), usual);
}

TEST_F(TipDlgTest, AnOpenTipBlocksNothingAndAnswersOnAClick) {
    QWidget other;
    other.show();
    auto* tip = new CTipDlg();
    tip->SetMessage("x", CTipDlg::kQuestion);
    int answer = -1;
    ASSERT_TRUE(tip->Open([&answer](int a) { answer = a; }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(tip->OkLeftButton(), Qt::LeftButton);
    EXPECT_EQ(answer, ui::kIdOk);
    EXPECT_FALSE(tip->isVisible());
    delete tip;
}
