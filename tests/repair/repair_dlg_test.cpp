// The repair tool's window offscreen: its three states, the list, the client question,
// the status texts, closing with and without starting the client, and 取消 mid-download.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/modal_hook.h"
#include "common/ui/recording_shell.h"
#include "common/ui/text.h"
#include "common/update/update_list_walk.h"
#include "repair/repair_dlg.h"
#include "repair/repair_list.h"
#include "repair_sandbox.h"
#include "standin_process.h"
#include "support/query_wait.h"
#include "support/sample_server.h"
#include "update_site.h"

namespace {

SampleServer& Server() {
    static SampleServer server;
    return server;
}

class RepairDlgTest : public ::testing::Test {
protected:
    // Started before any sandbox points TMPDIR at itself, so its data outlives each test.
    static void SetUpTestSuite() { Server(); }
    std::unique_ptr<CRepairDlg> Make(const std::string& listUrl) {
        std::string picture;
        platform::ReadWholeFile(std::string(QUORVEL_SOURCE_DIR) + "/assets/image/updatebk.gif", picture);
        sandbox_.Write("image/updatebk.gif", picture);
        auto dialog = std::make_unique<CRepairDlg>(RepairSettings{listUrl, sandbox_.Program()}, shell_);
        dialog->show();
        return dialog;
    }
    static QPushButton* Action(CRepairDlg& d) { return d.findChild<QPushButton*>("1001"); }
    static QString Status(CRepairDlg& d) { return d.findChild<QLabel*>("1004")->text(); }
    static QStringList Lines(CRepairDlg& d) {
        QStringList lines;
        auto* list = d.findChild<QListWidget*>("1003");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    static void Check(CRepairDlg& d) {
        Action(d)->click();
        ASSERT_TRUE(WaitForQueries(&d));
    }
    static bool WaitForStage(CRepairDlg& d, CRepairDlg::Stage stage) {
        return QTest::qWaitFor([&] { return d.CurrentStage() == stage && !d.Repairing(); }, 20000);
    }
    std::string ClientPath() const { return platform::JoinPath(sandbox_.Program(), "krclient"); }

    RepairSandbox sandbox_;
    ui::RecordingShell shell_;
};

TEST_F(RepairDlgTest, TheCheckListsTheFilesSortedAndOffersTheRepair) {
    ASSERT_TRUE(Server().Running()) << Server().Error();
    auto dialog = Make(Server().Url("/Restoration/Restoration.xml"));
    ASSERT_TRUE(dialog->IsSkinned());
    EXPECT_EQ(dialog->size(), QSize(480, 291));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Quorvel修复程序"));
    EXPECT_EQ(dialog->findChild<QLabel*>("1005")->text(), QStringLiteral("需要修复的文件列表"));
    EXPECT_EQ(Action(*dialog)->text(), QStringLiteral("检查修复"));
    EXPECT_EQ(dialog->findChild<QPushButton*>("1002")->text(), QStringLiteral("取消"));
    EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);

    Check(*dialog);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Action(*dialog)->text(), QStringLiteral("开始修复"));
    EXPECT_EQ(Status(*dialog), QStringLiteral("点击开始按钮开始修复，修复过程可能时间比较长！"));
    const update::FileList list = repair::ReadRepairList(Server().Url("/Restoration/Restoration.xml"));
    QStringList expected;
    for (const auto& file : list.files)
        expected << QStringLiteral(" 文件名：") + ui::ToQString(file.name) + QStringLiteral(" 版本：") +
                        ui::ToQString(file.version);
    // In file-name order, without regard to case.
    std::sort(expected.begin(), expected.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(Lines(*dialog), expected);
}

// The window stops staying on top at the check without leaving its modal run, which
// hiding it would end (the tool would quit under the user's click).
TEST_F(RepairDlgTest, TheCheckKeepsTheWindowInItsModalRun) {
    auto dialog = Make(Server().Url("/Restoration/Restoration.xml"));
    bool runLastedPastTheCheck = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        Action(*dialog)->click();
        EXPECT_TRUE(WaitForQueries(dialog.get()));
        QTimer::singleShot(50, dialog.get(), [&] {
            runLastedPastTheCheck = dialog->isVisible() && dialog->CurrentStage() == CRepairDlg::Stage::Repair;
            dialog->reject();
        });
    });
    EXPECT_EQ(dialog->exec(), QDialog::Rejected);
    EXPECT_TRUE(runLastedPastTheCheck);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(RepairDlgTest, AnEmptyListHasNothingToRepairAndOffersToClose) {
    auto dialog = Make(Server().Url("/__repair/empty/Restoration.xml"));
    Check(*dialog);
    EXPECT_EQ(Status(*dialog), QStringLiteral("没有文件可以修复！"));
    EXPECT_EQ(Action(*dialog)->text(), QStringLiteral("关闭"));
    EXPECT_TRUE(Lines(*dialog).isEmpty());
}

TEST_F(RepairDlgTest, AnUnreachableListSaysSoAndTheCheckCanBeTriedAgain) {
    auto dialog = Make("http://127.0.0.1:1/Restoration/Restoration.xml");
    Check(*dialog);
    EXPECT_EQ(Status(*dialog), QStringLiteral("无法取得修复文件列表，请检查网络后再试！"));
    EXPECT_EQ(Action(*dialog)->text(), QStringLiteral("检查修复"));
    EXPECT_TRUE(Action(*dialog)->isEnabled());
    EXPECT_TRUE(Lines(*dialog).isEmpty());
}

TEST_F(RepairDlgTest, ARepairSucceedsAndClosingStartsTheClientFromTheProgramDirectory) {
    sandbox_.Write("StockInfo.xml", "damaged");
    auto dialog = Make(Server().Url("/Restoration/Restoration.xml"));
    Check(*dialog);
    Action(*dialog)->click();
    EXPECT_TRUE(dialog->Repairing());
    ASSERT_TRUE(WaitForStage(*dialog, CRepairDlg::Stage::Close));
    EXPECT_EQ(Status(*dialog), QStringLiteral("修复成功，谢谢您的使用！"));
    EXPECT_EQ(Action(*dialog)->text(), QStringLiteral("关闭"));
    EXPECT_EQ(dialog->findChild<QProgressBar*>("1000")->value(), 100);
    EXPECT_NE(sandbox_.Read("StockInfo.xml"), "damaged");

    Action(*dialog)->click();
    ASSERT_EQ(shell_.Requests().size(), 1u);
    EXPECT_EQ(shell_.Requests()[0].kind, ui::ShellRequest::Kind::StartProgram);
    EXPECT_EQ(shell_.Requests()[0].target, ClientPath());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}

TEST_F(RepairDlgTest, TheProgressLineGivesTheWholeSizeInMegabytes) {
    net::DownloadNotice notice{net::NoticeKind::kProgress, 5242880, 1000, "a.dll"};
    EXPECT_EQ(CRepairDlg::ProgressText(notice), QStringLiteral("正在下载：a.dll:     5.000MB"));
    notice.total = 123456789;
    EXPECT_EQ(CRepairDlg::ProgressText(notice), QStringLiteral("正在下载：a.dll:   117.738MB"));
}

TEST_F(RepairDlgTest, AMissingFileIsReportedAndSuccessIsNotClaimed) {
    auto dialog = Make(Server().Url("/__repair/missing/Restoration.xml"));
    Check(*dialog);
    Action(*dialog)->click();
    ASSERT_TRUE(WaitForStage(*dialog, CRepairDlg::Stage::Close));
    EXPECT_EQ(Status(*dialog), QStringLiteral("修复未完成：1个文件未能修复，请稍后再试！"));
    const QStringList failed = Lines(*dialog).filter(QStringLiteral("——"));
    ASSERT_EQ(failed.size(), 1);
    EXPECT_TRUE(failed[0].startsWith(QStringLiteral(" 文件名：Missing.dll 版本：1")));
    EXPECT_TRUE(failed[0].endsWith(QStringLiteral("下载失败")));
}

TEST_F(RepairDlgTest, KeepingTheClientRunningDownloadsNothing) {
    StandInClient client(sandbox_.Program(), sandbox_.Root() + "/marker");
    ASSERT_TRUE(client.Started());
    auto dialog = Make(Server().Url("/Restoration/Restoration.xml"));
    Check(*dialog);
    ui::ScopedModalAnswers answers(ui::kIdCancel);
    const long before = Server().RequestCount();
    Action(*dialog)->click();
    ASSERT_EQ(answers.Prompts().size(), 1u);
    EXPECT_TRUE(answers.Prompts()[0].question);
    EXPECT_EQ(answers.Prompts()[0].caption, "Quorvel");
    EXPECT_EQ(ui::ToQString(answers.Prompts()[0].message),
              QStringLiteral("Quorvel已在运行！\n请先关闭程序才能进行修复！\n如果选择确定将强行关闭程序！"));
    EXPECT_FALSE(dialog->Repairing());
    EXPECT_EQ(Status(*dialog), QStringLiteral("Quorvel仍在运行，未进行修复！"));
    EXPECT_EQ(Server().RequestCount(), before);
    EXPECT_TRUE(client.Running());
    // Enter closes without starting a second client.
    QTest::keyClick(dialog.get(), Qt::Key_Return);
    EXPECT_TRUE(shell_.Requests().empty());
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(RepairDlgTest, OkEndsTheClientWhichSavesFirstThenRepairs) {
    const std::string marker = sandbox_.Root() + "/marker";
    StandInClient client(sandbox_.Program(), marker);
    ASSERT_TRUE(client.Started());
    auto dialog = Make(Server().Url("/Restoration/Restoration.xml"));
    Check(*dialog);
    ui::ScopedModalAnswers answers(ui::kIdOk);
    Action(*dialog)->click();
    ASSERT_TRUE(WaitForStage(*dialog, CRepairDlg::Stage::Close));
    EXPECT_EQ(answers.Prompts().size(), 1u);
    EXPECT_FALSE(client.Running());
    EXPECT_EQ(sandbox_.Files()["marker"], "saved");
    EXPECT_EQ(Status(*dialog), QStringLiteral("修复成功，谢谢您的使用！"));
}

TEST_F(RepairDlgTest, CancelMidDownloadLeavesTheInstallationAsItWas) {
    updatetest::UpdateSite site;
    site.Put("/base/a.dll", "new A");
    site.Stall("/base/b.dll");
    site.Put("/list.xml", update::FileListDocument(site.Url("/base/"), {{"a.dll", "2"}, {"b.dll", "2"}}));
    sandbox_.Write("a.dll", "old A");
    auto dialog = Make(site.Url("/list.xml"));
    const auto before = sandbox_.Files();
    Check(*dialog);
    Action(*dialog)->click();
    // The window keeps working while the download hangs: b.dll's progress reaches it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Status(*dialog).startsWith(QStringLiteral("正在下载：b.dll")); }, 10000))
        << Status(*dialog).toStdString();
    EXPECT_EQ(site.Requested().size(), 3u);
    EXPECT_TRUE(dialog->Repairing());
    dialog->findChild<QPushButton*>("1002")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    dialog.reset();
    EXPECT_EQ(sandbox_.Files(), before);
    EXPECT_TRUE(shell_.Requests().empty());
}

}  // namespace
