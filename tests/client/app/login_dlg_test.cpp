// The login window against the sample server: guest entry, the demo account, the
// messages for wrong, empty and unreachable logins, and automatic login.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

#include "client/core/client_config.h"
#include "client/core/client_util.h"
#include "client/app/control_ids.h"
#include "client/app/login_dlg.h"
#include "client/app/shell_fixture.h"
#include "client/widgets/html_label.h"
#include "common/ui/modal_hook.h"
#include "common/ui/text.h"
#include "support/query_wait.h"

namespace {

class LoginDlgTest : public ShellFixture {
protected:
    static void Type(CLoginDlg& login, const std::string& name, const std::string& password) {
        Control<QComboBox>(login, ids::kUserName)->setEditText(ui::ToQString(name));
        Control<QLineEdit>(login, ids::kPassword)->setText(ui::ToQString(password));
    }
    // Runs the window modally for at most `ms`; its result, or -1 when it stayed open.
    static int RunFor(CLoginDlg& login, int ms) {
        bool timedOut = false;
        QTimer::singleShot(ms, &login, [&] {
            timedOut = true;
            login.done(-1);
        });
        const int result = login.exec();
        return timedOut ? -1 : result;
    }
    std::string AutoLoginFile(const std::string& autoUser) {
        CClientUtil util;
        return "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<KRClient>\r\n<LoginInfo>\r\n"
               "<AutoLogin UserName=\"" + autoUser + "\"/>\r\n"
               "<HistoryLogin UserName=\"bob\" Psw=\"" + util.EncryptPassword("bobpw") + "\"/>\r\n"
               "<HistoryLogin UserName=\"demo\" Psw=\"" + util.EncryptPassword("demo123") + "\"/>\r\n"
               "</LoginInfo>\r\n</KRClient>\r\n";
    }
};

TEST_F(LoginDlgTest, OpensSkinnedWithBothBoxesChecked) {
    CLoginDlg login(config_, session_, shell_);
    ASSERT_TRUE(login.IsSkinned());
    EXPECT_EQ(login.windowTitle(), "Quorvel");
    EXPECT_FALSE(login.mask().isEmpty());
    EXPECT_TRUE(Control<QCheckBox>(login, ids::kRememberPassword)->isChecked());
    EXPECT_TRUE(Control<QCheckBox>(login, ids::kAutoLogin)->isChecked());
    EXPECT_EQ(config_.serverBase, Server().BaseHost());
    EXPECT_FALSE(login.AutoLoginPending());

    // Unchecking "remember" unchecks automatic login; checking automatic login checks
    // "remember" again.
    QTest::mouseClick(Control<QCheckBox>(login, ids::kRememberPassword), Qt::LeftButton);
    EXPECT_FALSE(Control<QCheckBox>(login, ids::kAutoLogin)->isChecked());
    QTest::mouseClick(Control<QCheckBox>(login, ids::kAutoLogin), Qt::LeftButton);
    EXPECT_TRUE(Control<QCheckBox>(login, ids::kRememberPassword)->isChecked());
}

TEST_F(LoginDlgTest, GuestEntersWithoutAskingTheServerForALogin) {
    ui::ScopedModalAnswers answers;
    CLoginDlg login(config_, session_, shell_);
    session_.password = "kept";
    login.OnGuest();
    ASSERT_TRUE(WaitForQueries(&login));
    EXPECT_EQ(login.result(), CLoginDlg::kEntered);
    EXPECT_EQ(session_.userName, "guest");
    EXPECT_EQ(session_.password, "kept");
    EXPECT_TRUE(answers.Prompts().empty());
}

TEST_F(LoginDlgTest, DemoAccountLogsInAndIsRemembered) {
    ui::ScopedModalAnswers answers;
    CLoginDlg login(config_, session_, shell_);
    Type(login, "demo", "demo123");
    QTest::mouseClick(Control<QCheckBox>(login, ids::kAutoLogin), Qt::LeftButton);  // off
    login.OnLogin();
    ASSERT_TRUE(WaitForQueries(&login));
    EXPECT_TRUE(answers.Prompts().empty());
    EXPECT_EQ(login.result(), CLoginDlg::kEntered);
    EXPECT_EQ(session_.userName, "demo");
    EXPECT_EQ(session_.password, "demo123");
    EXPECT_EQ(Control<QLabel>(login, ids::kStatus)->text(), QStringLiteral("正在登陆......"));
    // The server got the parameters in order, with the machine's address and version; it
    // accepted the password ("result=ok") and logs it masked.
    const std::string log = Server().Log();
    const size_t query = log.rfind("result=ok\tquery=uname=demo&pwd=***&mac=");
    ASSERT_NE(query, std::string::npos) << log;
    EXPECT_NE(log.find("&ver=", query), std::string::npos);
    // Saved on a fresh installation: the skeleton was created.
    const std::string saved = ReadFile("LoginInfo.xml");
    EXPECT_NE(saved.find("UserName=\"demo\""), std::string::npos);
    EXPECT_NE(saved.find("<AutoLogin UserName=\"\"/>"), std::string::npos) << saved;
}

TEST_F(LoginDlgTest, RefusedEmptyAndUnreachableLoginsKeepTheWindow) {
    ui::ScopedModalAnswers answers;
    {
        CLoginDlg login(config_, session_, shell_);
        Type(login, "demo", "wrong");
        // Enter in either field starts the login.
        QTest::keyClick(Control<QComboBox>(login, ids::kUserName)->lineEdit(), Qt::Key_Return);
        ASSERT_TRUE(WaitForQueries(&login));
        QTest::keyClick(Control<QLineEdit>(login, ids::kPassword), Qt::Key_Return);
        ASSERT_TRUE(WaitForQueries(&login));
        Type(login, "demo", "");
        login.OnLogin();
        ASSERT_TRUE(WaitForQueries(&login));
        Type(login, "", "demo123");
        login.OnLogin();
        ASSERT_TRUE(WaitForQueries(&login));
        EXPECT_NE(login.result(), CLoginDlg::kEntered);
        // The status line is cleared after a failed attempt.
        EXPECT_EQ(Control<QLabel>(login, ids::kStatus)->text(), QString());
    }
    WriteConfig(DeadHost());
    {
        CLoginDlg login(config_, session_, shell_);
        Type(login, "demo", "demo123");
        login.OnLogin();
        ASSERT_TRUE(WaitForQueries(&login));
        login.OnGuest();
        ASSERT_TRUE(WaitForQueries(&login));
        EXPECT_NE(login.result(), CLoginDlg::kEntered);
    }
    ASSERT_EQ(answers.Prompts().size(), 6u);
    EXPECT_EQ(answers.Prompts()[0].message, G("用户名或密码错误!"));
    EXPECT_EQ(answers.Prompts()[1].message, G("用户名或密码错误!"));
    EXPECT_EQ(answers.Prompts()[2].message, G("用户名或密码不能为空!"));
    EXPECT_EQ(answers.Prompts()[3].message, G("用户名或密码不能为空!"));
    EXPECT_EQ(answers.Prompts()[4].message, G("您的网络链接有问题!"));
    EXPECT_EQ(answers.Prompts()[5].message, G("您的网络链接有问题!"));
    EXPECT_EQ(answers.Prompts()[0].dialog, "CTipDlg");
    EXPECT_TRUE(session_.userName.empty());
}

TEST_F(LoginDlgTest, ChoosingARememberedNameFillsItsPassword) {
    WriteFile("LoginInfo.xml", AutoLoginFile(""));
    CLoginDlg login(config_, session_, shell_);
    auto* names = Control<QComboBox>(login, ids::kUserName);
    ASSERT_EQ(names->count(), 2);
    EXPECT_EQ(names->itemText(0), "bob");
    EXPECT_EQ(names->currentText(), "bob");
    EXPECT_EQ(Control<QLineEdit>(login, ids::kPassword)->text(), "bobpw");
    names->setCurrentIndex(1);
    emit names->activated(1);
    EXPECT_EQ(names->currentText(), "demo");
    EXPECT_EQ(Control<QLineEdit>(login, ids::kPassword)->text(), "demo123");
    EXPECT_FALSE(login.AutoLoginPending());
}

TEST_F(LoginDlgTest, AutomaticLoginAfterHalfASecondButNotAfterLogout) {
    WriteFile("LoginInfo.xml", AutoLoginFile("demo"));
    ui::ScopedModalAnswers answers;
    {
        CLoginDlg login(config_, session_, shell_);
        EXPECT_EQ(Control<QComboBox>(login, ids::kUserName)->currentText(), "demo");
        EXPECT_EQ(Control<QLineEdit>(login, ids::kPassword)->text(), "demo123");
        EXPECT_TRUE(login.AutoLoginPending());
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(RunFor(login, 5000), CLoginDlg::kEntered);
        EXPECT_GE(clock.elapsed(), 450);
        EXPECT_EQ(session_.userName, "demo");
    }
    {
        CLoginDlg login(config_, session_, shell_, /*openedByLogout=*/true);
        EXPECT_EQ(Control<QComboBox>(login, ids::kUserName)->currentText(), "bob");
        EXPECT_FALSE(login.AutoLoginPending());
        EXPECT_EQ(RunFor(login, 900), -1);
    }
    EXPECT_TRUE(answers.Prompts().empty());
}

TEST_F(LoginDlgTest, AutomaticLoginOfAnAccountWithoutPasswordAsksForIt) {
    WriteFile("LoginInfo.xml",
              "<R><LoginInfo><AutoLogin UserName=\"demo\"/>"
              "<HistoryLogin UserName=\"demo\" Psw=\"\"/></LoginInfo></R>");
    ui::ScopedModalAnswers answers;
    CLoginDlg login(config_, session_, shell_);
    EXPECT_EQ(RunFor(login, 1500), -1);
    ASSERT_EQ(answers.Prompts().size(), 1u);
    EXPECT_EQ(answers.Prompts()[0].message, G("用户名或密码不能为空!"));
}

TEST_F(LoginDlgTest, EscapeClosesTheWindow) {
    CLoginDlg login(config_, session_, shell_);
    QTimer::singleShot(0, &login, [&] { QTest::keyClick(&login, Qt::Key_Escape); });
    EXPECT_EQ(login.exec(), CLoginDlg::kClosed);
}

TEST_F(LoginDlgTest, LinksOpenTheAccountPortalThroughTheShellTheWindowWasGiven) {
    CLoginDlg login(config_, session_, shell_);
    login.show();
    for (int id : {ids::kForgotPasswordLink, ids::kRegisterLink}) {
        auto* link = login.findChild<CHtmlLabel*>(QString::number(id));
        ASSERT_NE(link, nullptr) << id;
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    }
    ASSERT_EQ(shell_.Requests().size(), 2u);
    const std::string portal = "http://" + Server().BaseHost() + "/portal";
    EXPECT_EQ(shell_.Requests()[0].target, portal + "/Web/RetakeBackPassword.aspx");
    EXPECT_EQ(shell_.Requests()[1].target, portal + "/Web/Register.aspx?fromkey=client");
}

TEST_F(LoginDlgTest, MissingSkinClosesAtOnce) {
    WriteFile("image/login.gif", "not a picture");
    CLoginDlg login(config_, session_, shell_);
    EXPECT_FALSE(login.IsSkinned());
    EXPECT_EQ(login.exec(), CLoginDlg::kClosed);
}

}  // namespace
