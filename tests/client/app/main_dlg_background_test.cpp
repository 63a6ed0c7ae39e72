// The main window's background threads: the version line and upgrade link, the question
// and the updater, the network warning, and the exit while a download is stalled.
#include <QApplication>
#include <QPointer>
#include <QtTest/QTest>

#include <functional>

#include "client/app/background_work.h"
#include "client/app/control_ids.h"
#include "client/app/main_dlg.h"
#include "client/app/shell_fixture.h"
#include "client/panels/color_label.h"
#include "client/panels/tip_dlg.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/modal_hook.h"
#include "common/ui/text.h"
#include "update_site.h"

namespace {

// Long enough never to come round during a test.
constexpr int kNever = 600000;

class MainDlgBackgroundTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        session_.EnterAsGuest();
    }
    void TearDown() override {
        DefaultBackgroundOptions() = BackgroundOptions{false, {}, {}};
        ShellFixture::TearDown();
    }
    static void Run(int versionDelayMs, int dataUpdateMs, int netWatchMs) {
        DefaultBackgroundOptions() = BackgroundOptions{true, {netWatchMs, versionDelayMs, dataUpdateMs}, {}};
    }
    // Lets the window thread work until `done` (bounded).
    static bool Until(const std::function<bool()>& done) {
        for (int i = 0; i < 500 && !done(); ++i) QTest::qWait(10);
        return done();
    }
    void WriteVersion(const std::string& version) {
        WriteFile("UpdateList.xml", "<UpdateList><Files/><Application><Version>" + version +
                                        "</Version></Application></UpdateList>");
    }
    std::string VersionLine(CMainDlg& main) {
        return ui::FromQString(Control<CColorLabel>(main, ids::kVersionLine)->text());
    }
    bool StartedUpdater() const {
        for (const ui::ShellRequest& request : shell_.Requests())
            if (request.kind == ui::ShellRequest::Kind::StartProgram &&
                request.target == platform::JoinPath(Dir(), platform::ProgramFileName("krupdate")))
                return true;
        return false;
    }
};

TEST_F(MainDlgBackgroundTest, TheSameVersionShowsOnlyTheVersionLine) {
    WriteVersion("1.0.0");  // what the sample server announces
    Run(0, kNever, kNever);
    ui::ScopedModalAnswers answers;
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(Until([&] { return !VersionLine(main).empty(); }));
    EXPECT_EQ(VersionLine(main), G("主程序版本：1.0.0"));
    EXPECT_TRUE(Control<CHtmlLabel>(main, ids::kUpgradeLink)->isHidden());
    EXPECT_TRUE(answers.Prompts().empty());
}

TEST_F(MainDlgBackgroundTest, AnotherVersionShowsBothWithTheLinkAndStartsTheUpdaterOnOk) {
    for (int answer : {ui::kIdCancel, ui::kIdOk}) {
        SCOPED_TRACE(answer);
        shell_.Clear();
        WriteVersion("0.9.0");
        Run(0, kNever, kNever);
        ui::ScopedModalAnswers answers(answer);
        CMainDlg main(config_, session_, *documents_, shell_);
        ASSERT_TRUE(Until([&] { return !answers.Prompts().empty(); }));
        EXPECT_EQ(VersionLine(main), G("主程序版本：0.9.0  检测到最新版本：1.0.0"));
        auto* link = Control<CHtmlLabel>(main, ids::kUpgradeLink);
        EXPECT_FALSE(link->isHidden());
        EXPECT_EQ(answers.Prompts()[0].message, G("有新的版本可以更新，\r\n您是否更新？!"));
        EXPECT_TRUE(answers.Prompts()[0].question);
        if (answer == ui::kIdOk) {
            EXPECT_TRUE(Until([&] { return StartedUpdater(); }));
        } else {
            QTest::qWait(50);
            EXPECT_FALSE(StartedUpdater());
        }
        // The link starts it too.
        shell_.Clear();
        main.OnCommand(ids::kUpgradeLink);
        EXPECT_TRUE(StartedUpdater());
    }
}

TEST_F(MainDlgBackgroundTest, AStoppedServerClearsTheOnlineFlagAndWarns) {
    WriteConfig(DeadHost());
    Run(kNever, kNever, 10);
    ui::ScopedModalAnswers answers;
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(Until([&] { return answers.Prompts().size() >= 2; }));
    EXPECT_EQ(answers.Prompts()[0].message, G("您的网络出现问题!!!"));
    EXPECT_FALSE(answers.Prompts()[0].question);
    EXPECT_FALSE(main.Online().IsOnline());
}

// The warning blocks no window: the user keeps working (the calculator, say) while it is
// up. The watch waits for it to be closed before it warns again, and the exit closes it.
TEST_F(MainDlgBackgroundTest, TheNetworkWarningLeavesTheWindowUsableAndClosesWithIt) {
    WriteConfig(DeadHost());
    Run(kNever, kNever, 10);
    CMainDlg main(config_, session_, *documents_, shell_);
    main.setAttribute(Qt::WA_ShowModal);  // shown as in its modal run
    main.show();
    auto openTip = [] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* tip = qobject_cast<CTipDlg*>(window); tip && tip->isVisible()) return tip;
        return static_cast<CTipDlg*>(nullptr);
    };
    ASSERT_TRUE(Until([&] { return openTip() != nullptr; }));
    QPointer<CTipDlg> first = openTip();
    EXPECT_EQ(ui::FromQString(first->MessageLabel()->text()), G("您的网络出现问题!!!"));
    EXPECT_FALSE(first->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), &main) << "no modal window but the main window";
    QTest::qWait(60);  // several checks' time: the watch waits for the user
    EXPECT_EQ(openTip(), first.data());

    // Through the window system, where a window blocked by a modal one takes no clicks.
    QTest::mouseClick(first->windowHandle(), Qt::LeftButton, {}, first->OkCentreButton()->geometry().center());
    ASSERT_TRUE(Until([&] { return first.isNull() && openTip() != nullptr; }));
    QPointer<CTipDlg> second = openTip();
    main.OnCommand(ids::kCmdExit);
    EXPECT_TRUE(Until([&] { return second.isNull() && main.Background()->AllEnded(); }));
}

TEST_F(MainDlgBackgroundTest, ExitEndsTheThreadsWhileADownloadIsStalled) {
    updatetest::UpdateSite site;
    site.Put("/list/AutoUpdateList.xml", "<L><Updater><Url>" + site.Url("/files/") +
                                             "</Url></Updater><Files><File Name=\"Slow.xml\" Ver=\"1\"/></Files></L>");
    site.Stall("/files/Slow.xml");
    WriteFile("AutoUpdateList.xml", "<L><Updater><Url>" + site.Url("/list/") + "</Url></Updater></L>");
    WriteVersion("1.0.0");
    Run(0, 1, 10);
    ui::ScopedModalAnswers answers;
    CMainDlg main(config_, session_, *documents_, shell_);
    main.show();
    ASSERT_TRUE(Until([&] { return site.Requested().size() >= 2; }));
    main.OnCommand(ids::kCmdExit);
    EXPECT_TRUE(main.IsClosing());
    // The window thread stays free while the threads end; they end well within a second.
    bool ended = false;
    for (int i = 0; i < 50 && !ended; ++i) {
        QTest::qWait(20);
        ended = main.Background()->AllEnded();
    }
    EXPECT_TRUE(ended) << "a background thread did not end after the exit";
    EXPECT_FALSE(platform::FileExists(platform::JoinPath(Dir(), "Slow.xml")));
}

}  // namespace
