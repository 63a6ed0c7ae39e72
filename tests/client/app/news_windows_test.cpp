// The news pop-up against the sample server's news item (shown once across restarts,
// NewsTime saved before it shows, view and close, nothing while offline) and the news
// list window from the tray command.
#include <QGuiApplication>
#include <QScreen>
#include <QtTest/QTest>

#include <functional>
#include <memory>

#include "client/app/background_work.h"
#include "client/app/control_ids.h"
#include "client/app/main_dlg.h"
#include "client/app/shell_fixture.h"
#include "client/core/news_time.h"
#include "client/core/online_flag.h"
#include "client/data/news_info.h"
#include "client/panels/color_label.h"
#include "client/panels/news_list_dlg.h"
#include "client/panels/news_popup.h"
#include "client/widgets/html_ctl.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/text.h"
#include "common/ui/window_system.h"
#include "support/memory_document_source.h"

namespace {

constexpr int kNever = 600000;

class NewsWindowsTest : public ShellFixture {
protected:
    std::unique_ptr<CNewsPopup> MakePopup(int firstCheckMs = 0, int checkMs = kNever) {
        auto popup = std::make_unique<CNewsPopup>(Dir(), *documents_, online_, shell_,
                                                  CNewsPopup::Timings{firstCheckMs, checkMs, 1, 10});
        EXPECT_TRUE(popup->Initialise());
        return popup;
    }
    static bool Until(const std::function<bool()>& done) {
        for (int i = 0; i < 500 && !done(); ++i) QTest::qWait(10);
        return done();
    }
    // Waits until the popup's first check has ended: shown, sliding, or waiting again.
    static bool Checked(CNewsPopup& popup) {
        return Until([&] { return popup.IsSliding() || popup.isVisible() || popup.IsChecking(); });
    }
    CNewsInfo ServedNews() { return CNewsInfo::Fetch("", *documents_); }

    OnlineFlag online_;
};

TEST_F(NewsWindowsTest, ANewItemSlidesInOnceAndItsTimeIsSavedBeforeItShows) {
    const CNewsInfo news = ServedNews();
    ASSERT_TRUE(news.HasNewNews());
    ASSERT_FALSE(news.Title().empty());
    auto popup = MakePopup();
    popup->Start();
    ASSERT_TRUE(Until([&] { return popup->isVisible(); }));
    EXPECT_EQ(ReadNewsTime(Dir()), news.Time());  // already saved when it first shows
    EXPECT_EQ(ui::FromQString(popup->findChild<CColorLabel*>("1039")->toolTip()), news.Title());
    EXPECT_EQ(ui::FromQString(popup->findChild<CColorLabel*>("1214")->text()), news.Summary());
    EXPECT_EQ(popup->Link(), news.Link());

    // It rises from the bottom edge of the work area, at its right edge, until it stands
    // fully above the edge; then it waits for the next check.
    ASSERT_TRUE(Until([&] { return !popup->IsSliding(); }));
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(popup->x() + popup->width(), work.x() + work.width());
    EXPECT_LE(popup->y() + popup->height(), work.y() + work.height());
    EXPECT_GT(popup->SlideOffset(), popup->height());
    EXPECT_TRUE(popup->IsChecking());

    // A restart does not show it again, and leaves config.xml alone.
    platform::SetFileModificationTime(platform::JoinPath(Dir(), "config.xml"), 1000000000);
    popup.reset();
    auto again = MakePopup(0, 50);
    again->Start();
    ASSERT_TRUE(Until([&] { return again->IsChecking() && !ui::QueryRunning(again.get()); }));
    QTest::qWait(120);  // a further check comes and goes
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(platform::FileModificationTime(platform::JoinPath(Dir(), "config.xml")), 1000000000);
}

TEST_F(NewsWindowsTest, ViewOpensTheItemAndCloseHidesBothWaitForTheNextCheck) {
    for (bool view : {true, false}) {
        SCOPED_TRACE(view);
        WriteConfig(Server().BaseHost());  // NewsTime empty again
        shell_.Clear();
        auto popup = MakePopup();
        popup->Start();
        ASSERT_TRUE(Until([&] { return popup->isVisible(); }));
        if (view)
            popup->View();
        else
            popup->Close();
        EXPECT_FALSE(popup->isVisible());
        EXPECT_FALSE(popup->IsSliding());  // a slide under way ends too
        EXPECT_TRUE(popup->IsChecking());
        QTest::qWait(20);
        EXPECT_FALSE(popup->isVisible());
        ASSERT_EQ(shell_.Requests().size(), view ? 1u : 0u);
        if (view) {
            EXPECT_EQ(shell_.Requests()[0].target, popup->Link());
        }
    }
}

TEST_F(NewsWindowsTest, NothingIsCheckedWhileOffline) {
    online_.Set(false);
    const long before = Server().RequestCount();
    auto popup = MakePopup(1, 1);
    popup->Start();
    QTest::qWait(100);
    EXPECT_EQ(Server().RequestCount(), before);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(ReadNewsTime(Dir()), "");
    online_.Set(true);
    EXPECT_TRUE(Until([&] { return popup->isVisible(); }));
}

TEST_F(NewsWindowsTest, AnItemWithoutTitleIsRecordedButNotShown) {
    MemoryDocumentSource documents;
    documents.Serve("/KRClientInfo/NewsInfo.xml",
                    "<News><Time>t9</Time><Title></Title><Content>x</Content><LinkUrl>http://l</LinkUrl></News>");
    CNewsPopup popup(Dir(), documents, online_, shell_, CNewsPopup::Timings{0, kNever, 1, 10});
    ASSERT_TRUE(popup.Initialise());
    popup.Start();
    ASSERT_TRUE(Until([&] { return ReadNewsTime(Dir()) == "t9"; }));
    ASSERT_TRUE(Until([&] { return popup.IsChecking(); }));
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(popup.IsSliding());
    ui::DrainQueries();
}

TEST_F(NewsWindowsTest, WhereWindowsCannotBePlacedANotificationAnnouncesTheItemWhenItCan) {
    ui::ScopedCompositorManagesWindows wayland(true);
    MemoryDocumentSource documents;
    documents.Serve("/KRClientInfo/NewsInfo.xml",
                    "<News><Time>t7</Time><Title>T</Title><Content>S</Content><LinkUrl>http://l</LinkUrl></News>");
    CNewsPopup popup(Dir(), documents, online_, shell_, CNewsPopup::Timings{0, kNever, 1, 10});
    ASSERT_TRUE(popup.Initialise());
    std::vector<std::pair<std::string, std::string>> notices;
    bool announced = true;
    popup.SetNotificationFallback([&](const std::string& title, const std::string& summary) {
        notices.emplace_back(title, summary);
        return announced;
    });
    popup.Start();
    ASSERT_TRUE(Until([&] { return !notices.empty() && popup.IsChecking(); }));
    EXPECT_EQ(notices, (std::vector<std::pair<std::string, std::string>>{{"T", "S"}}));
    EXPECT_EQ(ReadNewsTime(Dir()), "t7");
    EXPECT_FALSE(popup.isVisible());
    EXPECT_FALSE(popup.IsSliding());

    // Without a notification to carry it (no tray), the item shows in the pop-up itself.
    documents.Serve("/KRClientInfo/NewsInfo.xml",
                    "<News><Time>t8</Time><Title>T</Title><Content>S</Content><LinkUrl>http://l</LinkUrl></News>");
    announced = false;
    CNewsPopup again(Dir(), documents, online_, shell_, CNewsPopup::Timings{0, kNever, 1, 10});
    ASSERT_TRUE(again.Initialise());
    again.SetNotificationFallback([&](const std::string&, const std::string&) { return announced; });
    again.Start();
    EXPECT_TRUE(Until([&] { return again.isVisible(); }));
    ui::DrainQueries();
}

TEST_F(NewsWindowsTest, TheTrayCommandShowsOneListWindowCentredOnTheMainWindow) {
    session_.EnterAsGuest();
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(main.IsSkinned());
    main.show();
    main.OnCommand(ids::kCmdNewsList);
    CNewsListDlg* list = main.NewsList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->IsSkinned());
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), QStringLiteral("信息提示"));
    EXPECT_LE((list->frameGeometry().center() - main.frameGeometry().center()).manhattanLength(), 2);
    if (list->Page()) {
        Until([&] { return !list->Page()->url().isEmpty(); });
        EXPECT_EQ(list->Page()->url().toString().toStdString(),
                  "http://" + Server().BaseHost() + "/product/articlelist.asp");
    }
    list->hide();
    main.OnCommand(ids::kCmdNewsList);
    EXPECT_EQ(main.NewsList(), list);
    EXPECT_TRUE(list->isVisible());
    // The news pop-up was made with the window, hidden; both go when it closes.
    ASSERT_NE(main.NewsPopup(), nullptr);
    EXPECT_FALSE(main.NewsPopup()->isVisible());
    main.OnCommand(ids::kCmdExit);
    EXPECT_EQ(main.NewsList(), nullptr);
    EXPECT_EQ(main.NewsPopup(), nullptr);
}

// The main window runs modally; the list, a window of its own, still takes clicks.
TEST_F(NewsWindowsTest, TheListTakesClicksWhileTheMainWindowRunsModally) {
    session_.EnterAsGuest();
    CMainDlg main(config_, session_, *documents_, shell_);
    main.setAttribute(Qt::WA_ShowModal);  // shown as in its modal run
    main.show();
    main.OnCommand(ids::kCmdNewsList);
    CNewsListDlg* list = main.NewsList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    auto* close = list->findChild<CKbcBmp*>(QString::number(CNewsListDlg::kIdClose));
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(list->windowHandle(), Qt::LeftButton, {}, close->geometry().center());
    EXPECT_FALSE(list->isVisible());
}

TEST_F(NewsWindowsTest, WithoutItsPictureTheListClosesTheClientLikeEveryOtherSkinnedWindow) {
    session_.EnterAsGuest();
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(main.IsSkinned());
    ASSERT_TRUE(platform::RemoveFile(platform::JoinPath(Dir(), "image/newsbk.gif")));
    main.show();
    main.OnCommand(ids::kCmdNewsList);
    EXPECT_TRUE(main.IsClosing());
}

}  // namespace
