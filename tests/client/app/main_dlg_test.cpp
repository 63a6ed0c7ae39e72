// The main window: greeting and links for a guest and for a user, pages, tray menu
// commands through the shell facade, advertisements, keys, and the logout chain.
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

#include <functional>

#include "client/widgets/ad_wnd.h"
#include "client/core/client_config.h"
#include "client/app/client_app.h"
#include "client/core/client_util.h"
#include "client/app/control_ids.h"
#include "client/app/login_dlg.h"
#include "client/app/main_dlg.h"
#include "client/core/main_links.h"
#include "client/app/shell_fixture.h"
#include "client/app/system_tray.h"
#include "client/panels/color_label.h"
#include "client/panels/diagnosis_panel.h"
#include "client/panels/eval_page.h"
#include "client/panels/skin_page.h"
#include "client/panels/stock_search_popup.h"
#include "client/widgets/html_ctl.h"
#include "client/widgets/html_label.h"
#include "common/platform/paths.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/modal_hook.h"
#include "common/ui/recording_shell.h"
#include "common/ui/text.h"
#include "common/ui/window_system.h"
#include "support/query_wait.h"

namespace {

// Calls `changed` on every window-state change of `window`.
class StateWatch : public QObject {
public:
    StateWatch(QWidget& window, std::function<void()> changed) : changed_(std::move(changed)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange) changed_();
        return false;
    }

private:
    std::function<void()> changed_;
};

class MainDlgTest : public ShellFixture {
protected:
    void LogInAs(const std::string& user, const std::string& password) {
        if (user == "guest")
            session_.EnterAsGuest();
        else
            session_.LogIn(user, password);
    }
    std::string Url(const std::string& hostPath, const std::string& path) {
        return "http://" + Server().BaseHost() + hostPath + path;
    }
};

TEST_F(MainDlgTest, GuestSeesGreetingAndRegisterLink) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(main.IsSkinned());
    EXPECT_EQ(ui::FromQString(Control<CColorLabel>(main, ids::kGreeting)->text()),
              G("游客 您好!"));
    EXPECT_TRUE(Control<CHtmlLabel>(main, ids::kLogoutLink)->isHidden());
    const std::string account = ui::FromQString(Control<CHtmlLabel>(main, ids::kAccountLink)->Text());
    EXPECT_NE(account.find(G("注册")), std::string::npos);
    EXPECT_NE(account.find(Url("/portal", "/Web/Register.aspx?fromkey=client")), std::string::npos);
    EXPECT_TRUE(Control<CHtmlLabel>(main, ids::kUpgradeLink)->isHidden());
    EXPECT_NE(Control<CColorLabel>(main, ids::kVersionLine), nullptr);
    EXPECT_TRUE(main.IsTopMostPhase());
}

TEST_F(MainDlgTest, LoggedInUserSeesNameLogoutAndPortalLink) {
    LogInAs("demo", "p&ss #1");
    CMainDlg main(config_, session_, *documents_, shell_);
    EXPECT_EQ(ui::FromQString(Control<CColorLabel>(main, ids::kGreeting)->text()),
              G("demo 您好!"));
    EXPECT_FALSE(Control<CHtmlLabel>(main, ids::kLogoutLink)->isHidden());
    const std::string account = ui::FromQString(Control<CHtmlLabel>(main, ids::kAccountLink)->Text());
    EXPECT_NE(account.find(G("我的Kestrun")), std::string::npos);
    EXPECT_EQ(PortalLoginUrl(config_.hosts, "demo", "p&ss #1"),
              Url("/portal", "/web/dqvnlogin.aspx?uname=demo&upwd=p%26ss+%231"));
    EXPECT_NE(account.find(PortalLoginUrl(config_.hosts, "demo", "p&ss #1")), std::string::npos);
}

TEST_F(MainDlgTest, HistoryTextComesFromTheServer) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_TRUE(WaitForQueries(&main));
    const QString history = Control<CColorLabel>(main, ids::kHistoryText)->text();
    EXPECT_TRUE(history.contains(QStringLiteral("\r\n  \r\n"))) << history.toStdString();
}

TEST_F(MainDlgTest, PageButtonsShowOnePageAtATime) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    main.show();
    EXPECT_EQ(main.CurrentPage(), ids::kEvalPageButton);
    EXPECT_TRUE(Control<CKbcBmp>(main, ids::kEvalPageButton)->IsSelected());
    QTest::mouseClick(Control<CKbcBmp>(main, ids::kToolsPageButton), Qt::LeftButton);
    EXPECT_EQ(main.CurrentPage(), ids::kToolsPageButton);
    EXPECT_TRUE(main.Page(ids::kToolsPageButton)->isVisible());
    EXPECT_FALSE(main.Page(ids::kEvalPageButton)->isVisible());
    EXPECT_FALSE(main.Page(ids::kAnalysisPageButton)->isVisible());
    EXPECT_TRUE(Control<CKbcBmp>(main, ids::kToolsPageButton)->IsSelected());
    EXPECT_FALSE(Control<CKbcBmp>(main, ids::kEvalPageButton)->IsSelected());
    // Each page has its row of buttons, the first one selected.
    EXPECT_EQ(main.Page(ids::kEvalPageButton)->Buttons().size(), 12u);
    EXPECT_EQ(main.Page(ids::kAnalysisPageButton)->Buttons().size(), 4u);
    EXPECT_EQ(main.Page(ids::kToolsPageButton)->Buttons().size(), 5u);
    EXPECT_EQ(main.Page(ids::kEvalPageButton)->SelectedButton(), 1075);
    EXPECT_EQ(main.Page(ids::kAnalysisPageButton)->SelectedButton(), 1107);
    EXPECT_EQ(main.Page(ids::kToolsPageButton)->SelectedButton(), 1097);
}

TEST_F(MainDlgTest, DiagnosisPanelsShareTheWindowsCurrentCodeAndPopup) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    main.show();
    auto* page = static_cast<CEvalPage*>(main.Page(ids::kEvalPageButton));
    QTest::mouseClick(Control<CKbcBmp>(*page, 1082), Qt::LeftButton);
    CDiagnosisPanel* heat = page->DiagnosisPanel(1082);
    ASSERT_TRUE(heat->isVisible());
    heat->CodeEdit()->setText("600036");
    heat->Query();
    ASSERT_TRUE(WaitForQueries(heat));
    EXPECT_EQ(main.CurrentCode().Get(), "600036");
    QTest::mouseClick(Control<CKbcBmp>(*page, 1086), Qt::LeftButton);
    EXPECT_EQ(page->DiagnosisPanel(1086)->CodeEdit()->text(), "600036");

    QTest::keyClicks(page->DiagnosisPanel(1086)->CodeEdit(), "X");
    EXPECT_TRUE(main.SearchPopup()->isVisible());
    EXPECT_EQ(main.SearchPopup()->Owner(), page->DiagnosisPanel(1086));

    // Esc in a panel hides the pop-up; it is not the window's Esc, which exits.
    QTest::keyClick(page->DiagnosisPanel(1086)->CodeEdit(), Qt::Key_Escape);
    EXPECT_FALSE(main.SearchPopup()->isVisible());
    EXPECT_FALSE(main.IsClosing());
    QTest::keyClick(page->DiagnosisPanel(1086), Qt::Key_Escape);
    EXPECT_FALSE(main.IsClosing());
}

TEST_F(MainDlgTest, TrayMenuCommandsReachTheShell) {
    LogInAs("demo", "demo123");
    CMainDlg main(config_, session_, *documents_, shell_);
    QMenu menu;
    BuildTrayMenu(&menu);
    QStringList order;
    for (QAction* action : menu.actions())
        order << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    EXPECT_EQ(order.join(' '), "32773 32774 - 32775 32776 - 32777 32778 - 32779 32772 32771");
    EXPECT_EQ(main.Tray()->DefaultCommand(), ids::kCmdShowOrMinimise);

    ui::RecordingShell& shell = shell_;
    shell.Clear();
    for (int id : {ids::kCmdMakerSite, ids::kCmdProducts, ids::kCmdHelp, ids::kCmdUpdate,
                   ids::kCmdRepair, ids::kUpgradeLink, ids::kComplaintLink})
        main.OnCommand(id);
    const auto& r = shell.Requests();
    ASSERT_EQ(r.size(), 7u);
    using Kind = ui::ShellRequest::Kind;
    EXPECT_EQ(r[0].target, Url("/maker", "/"));
    EXPECT_EQ(r[1].target, Url("/portal", "/login.aspx"));
    EXPECT_EQ(r[2].target, Url("/product", "/sysm.html"));
    EXPECT_EQ(r[3].kind, Kind::StartProgram);
    EXPECT_EQ(r[3].target, platform::JoinPath(Dir(), "krupdate"));
    EXPECT_EQ(r[4].target, platform::JoinPath(Dir(), "krRestoration"));
    EXPECT_EQ(r[5].target, platform::JoinPath(Dir(), "krupdate"));
    EXPECT_EQ(r[6].kind, Kind::OpenMail);
    EXPECT_EQ(r[6].target, "support@quorvel.example");
    EXPECT_FALSE(main.IsClosing());
}

TEST_F(MainDlgTest, TrayDoubleClickTogglesMinimised) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    main.show();
    main.Tray()->HandleTrayEvent(ids::kTrayMenu, CSystemTray::kLeftDoubleClick);
    EXPECT_TRUE(main.IsMinimisedByClient());
    main.Tray()->HandleTrayEvent(ids::kTrayMenu + 1, CSystemTray::kLeftDoubleClick);
    EXPECT_TRUE(main.IsMinimisedByClient());  // another icon's event is ignored
    main.Tray()->HandleTrayEvent(ids::kTrayMenu, CSystemTray::kLeftDoubleClick);
    EXPECT_FALSE(main.IsMinimisedByClient());
}

TEST_F(MainDlgTest, AdvertisementsFromFileElseBuiltIn) {
    LogInAs("guest", "");
    WriteFile("Advertise.XML",
              "<A><MainAdvts LinkUrl=\"http://ads.example/x\">image\\ad_3.gif</MainAdvts></A>");
    {
        CMainDlg main(config_, session_, *documents_, shell_);
        EXPECT_EQ(main.AdWindow(0)->Picture(), "image\\ad_3.gif");
        EXPECT_EQ(main.AdWindow(0)->Link(), "http://ads.example/x");
        EXPECT_EQ(main.AdWindow(1)->Picture(), "image\\ad_2.gif");
        EXPECT_EQ(main.AdWindow(1)->Link(), Url("/maker", "/"));
        ui::RecordingShell& shell = shell_;
        shell.Clear();
        QTest::mouseClick(main.AdWindow(0), Qt::LeftButton);
        ASSERT_EQ(shell.Requests().size(), 1u);
        EXPECT_EQ(shell.Requests()[0].target, "http://ads.example/x");
    }
    WriteFile("Advertise.XML", "<A><MainAdvts LinkUrl=\"\">image\\ad_3.gif</MainAdvts></A>");
    {
        CMainDlg main(config_, session_, *documents_, shell_);
        EXPECT_EQ(main.AdWindow(0)->Picture(), "image\\ad_1.gif");
        EXPECT_EQ(main.AdWindow(0)->Link(), Url("/portal", "/"));
    }
    WriteFile("Advertise.XML", "<A><MainAdvts LinkUrl=\"http://x/\">image\\none.gif</MainAdvts></A>");
    {
        CMainDlg main(config_, session_, *documents_, shell_);
        main.show();
        EXPECT_FALSE(main.AdWindow(0)->isVisible());  // picture missing: hidden
        EXPECT_TRUE(main.AdWindow(1)->isVisible());
    }
}

TEST_F(MainDlgTest, EnterDoesNothingAndEscapeExits) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    int result = -5;
    QTimer::singleShot(0, &main, [&] {
        QTest::keyClick(&main, Qt::Key_Return);
        EXPECT_TRUE(main.isVisible());
        EXPECT_FALSE(main.IsClosing());
        QTest::keyClick(&main, Qt::Key_Escape);
    });
    result = main.exec();
    EXPECT_EQ(result, CMainDlg::kExited);
    EXPECT_TRUE(main.IsClosing());
    EXPECT_FALSE(main.Tray()->IsEnabled());
}

TEST_F(MainDlgTest, ExitFadesOutOnceAndNothingArrivingMeanwhileRuns) {
    LogInAs("demo", "demo123");
    CMainDlg main(config_, session_, *documents_, shell_);
    // A long fade, so that a loaded machine cannot skip from start to end in one step.
    main.SetFadeDuration(1500);
    QSignalSpy finished(&main, &QDialog::finished);
    bool fadingAfterTheCall = false;
    double opacityMidway = 1.0;
    QTimer midway;
    QTimer::singleShot(0, &main, [&] {
        main.OnCommand(ids::kCmdExit);
        // The call returns at once: the window is still there, fading.
        fadingAfterTheCall = main.isVisible() && main.IsFading() && main.IsClosing();
        shell_.Clear();
        // Once the fade has visibly begun, everything a user could do arrives.
        midway.setInterval(10);
        midway.start();
        QObject::connect(&midway, &QTimer::timeout, &main, [&] {
            if (main.windowOpacity() >= 1.0 && main.IsFading()) return;
            midway.stop();
            opacityMidway = main.windowOpacity();
            for (int id : {ids::kCmdHelp, ids::kCmdUpdate, ids::kComplaintLink, ids::kLogoutLink,
                           ids::kCmdShowOrMinimise, ids::kMinimise})
                main.OnCommand(id);
            main.Tray()->HandleTrayEvent(ids::kTrayMenu, CSystemTray::kLeftDoubleClick);
            QTest::mouseClick(Control<CKbcBmp>(main, ids::kToolsPageButton), Qt::LeftButton);
            QTest::mouseClick(Control<CKbcBmp>(main, ids::kClose), Qt::LeftButton);
            QTest::keyClick(&main, Qt::Key_Escape);
            EXPECT_FALSE(main.close());
            EXPECT_TRUE(main.isVisible());
            EXPECT_TRUE(main.IsFading());
        });
    });
    EXPECT_EQ(main.exec(), CMainDlg::kExited);
    QTest::qWait(300);  // a second ending would come after the first
    EXPECT_TRUE(fadingAfterTheCall);
    EXPECT_GT(opacityMidway, 0.0);
    EXPECT_LT(opacityMidway, 1.0);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(main.result(), CMainDlg::kExited);
    EXPECT_TRUE(shell_.Requests().empty());
    EXPECT_FALSE(main.IsMinimisedByClient());
    EXPECT_EQ(main.CurrentPage(), ids::kEvalPageButton);
    EXPECT_FALSE(main.IsFading());
}

TEST_F(MainDlgTest, EscapeExitsWhileTheWebStripHasTheFocus) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    ASSERT_NE(main.WebStrip(), nullptr);
    QPointer<QWidget> focused;
    QTimer::singleShot(0, &main, [&] {
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        main.WebStrip()->setFocus();
        for (int i = 0; i < 100 && !QApplication::focusWidget(); ++i) QTest::qWait(20);
        focused = QApplication::focusWidget();
        if (focused) QTest::keyClick(focused, Qt::Key_Escape);
        if (!main.IsClosing()) main.done(-1);  // Esc was lost: end the run so the test fails
    });
    EXPECT_EQ(main.exec(), CMainDlg::kExited);
    ASSERT_FALSE(focused.isNull());
    EXPECT_TRUE(main.WebStrip()->isAncestorOf(focused) || focused == main.WebStrip());
}

TEST_F(MainDlgTest, WithoutATrayTheMenuOpensFromTheTitleBar) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    main.show();
    ASSERT_FALSE(main.Tray()->IsEnabled());  // the offscreen desktop has no notification area
    CKbcBmp* button = main.MenuButton();
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    // A title button like the others, just left of the minimise button.
    const QRect minimise = Control<CKbcBmp>(main, ids::kMinimise)->geometry();
    EXPECT_EQ(button->size(), minimise.size());
    EXPECT_EQ(button->y(), minimise.y());
    EXPECT_LT(button->geometry().right(), minimise.left());
    EXPECT_LE(minimise.left() - button->geometry().right(), 4);

    QMenu* menu = main.Tray()->Menu();
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->defaultAction(), main.Command(ids::kCmdShowOrMinimise));
    QAction* help = main.Command(ids::kCmdHelp);
    ASSERT_TRUE(menu->actions().contains(help));
    shell_.Clear();
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(help).center());
    ASSERT_EQ(shell_.Requests().size(), 1u);
    EXPECT_EQ(shell_.Requests()[0].target, Url("/product", "/sysm.html"));
    EXPECT_FALSE(menu->isVisible());

    // A right click on the title band opens it too; one further down does not.
    QContextMenuEvent onTitle(QContextMenuEvent::Mouse, QPoint(120, 30), main.mapToGlobal(QPoint(120, 30)));
    QApplication::sendEvent(&main, &onTitle);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    QContextMenuEvent below(QContextMenuEvent::Mouse, QPoint(120, 560), main.mapToGlobal(QPoint(120, 560)));
    QApplication::sendEvent(&main, &below);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(MainDlgTest, TopMostOnlyForTheFirstTwoSeconds) {
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    main.show();
    EXPECT_TRUE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    QTest::qWait(2300);
    EXPECT_FALSE(main.IsTopMostPhase());
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main.isVisible());
}

// Where only the compositor can restore a minimised window (Wayland), the end of the
// top-most phase must not minimise the window: it would stay minimised.
TEST_F(MainDlgTest, TopMostPhaseNeverMinimisesWhereTheCompositorManagesWindows) {
    ui::ScopedCompositorManagesWindows wayland(true);
    LogInAs("guest", "");
    CMainDlg main(config_, session_, *documents_, shell_);
    bool everMinimised = false;
    StateWatch watch(main, [&] { everMinimised |= main.isMinimized(); });
    main.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !main.IsTopMostPhase(); }, 5000));
    QTest::qWait(50);
    EXPECT_FALSE(everMinimised);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
}

// Drives the modal chain: each step runs when a new login or main window is active.
class ChainDriver : public QObject {
public:
    std::vector<std::function<void(QWidget*)>> steps;
    std::vector<QWidget*> seen;
    void Start() { QTimer::singleShot(50, this, [this] { Poll(); }); }

private:
    void Poll() {
        QWidget* active = QApplication::activeModalWidget();
        // Windows of the chain may reuse one another's address: a window is new when
        // the last one seen is gone or is another window.
        if (active && active->isVisible() && (!last_ || last_ != active) &&
            (qobject_cast<CLoginDlg*>(active) || qobject_cast<CMainDlg*>(active))) {
            seen.push_back(active);
            last_ = active;
            if (seen.size() <= steps.size()) steps[seen.size() - 1](active);
        }
        if (seen.size() < steps.size() + 1) QTimer::singleShot(50, this, [this] { Poll(); });
    }
    QPointer<QWidget> last_;
};

TEST_F(MainDlgTest, LogoutOpensALoginThatWaitsAndASecondLoginOpensAFreshMainWindow) {
    CClientUtil util;
    WriteFile("LoginInfo.xml",
              "<R><LoginInfo><AutoLogin UserName=\"demo\"/><HistoryLogin UserName=\"demo\" Psw=\"" +
                  util.EncryptPassword("demo123") + "\"/></LoginInfo></R>");
    ui::ScopedModalAnswers answers;
    ChainDriver driver;
    CMainDlg* firstMain = nullptr;
    bool waited = false;
    driver.steps = {
        // 1: opened at start, logs in by itself.
        [&](QWidget* w) { EXPECT_TRUE(qobject_cast<CLoginDlg*>(w)->AutoLoginPending()); },
        [&](QWidget* w) {  // 2: the first main window; log out
            firstMain = qobject_cast<CMainDlg*>(w);
            ASSERT_NE(firstMain, nullptr);
            EXPECT_EQ(firstMain->CurrentSession().userName, "demo");
            QTimer::singleShot(0, w, [w] { qobject_cast<CMainDlg*>(w)->OnCommand(ids::kLogoutLink); });
        },
        [&](QWidget* w) {  // 3: login after logout: no automatic login; enter as guest
            auto* login = qobject_cast<CLoginDlg*>(w);
            ASSERT_NE(login, nullptr);
            EXPECT_TRUE(login->OpenedByLogout());
            EXPECT_FALSE(login->AutoLoginPending());
            QTimer::singleShot(800, login, [login, &waited] {
                waited = login->isVisible();
                login->OnGuest();
            });
        },
        [&](QWidget* w) {  // 4: a fresh main window for the guest; exit
            auto* main = qobject_cast<CMainDlg*>(w);
            ASSERT_NE(main, nullptr);
            EXPECT_FALSE(main->IsClosing());
            EXPECT_EQ(main->CurrentSession().userName, "guest");
            QTimer::singleShot(0, main, [main] { main->OnCommand(ids::kCmdExit); });
        },
    };
    driver.Start();
    EXPECT_EQ(CClientApp(shell_).InitInstance(), 0);
    EXPECT_EQ(driver.seen.size(), 4u);
    EXPECT_TRUE(waited);
    EXPECT_TRUE(answers.Prompts().empty());
}

TEST_F(MainDlgTest, ClosingTheLoginWindowEndsTheRun) {
    ChainDriver driver;
    driver.steps = {[](QWidget* w) { QTimer::singleShot(0, w, [w] { w->close(); }); }};
    driver.Start();
    EXPECT_EQ(CClientApp(shell_).InitInstance(), 0);
    EXPECT_EQ(driver.seen.size(), 1u);
}

}  // namespace
