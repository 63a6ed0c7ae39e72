// The login window asks the server off its thread: against a server that stalls it keeps
// working (close box, Escape, other windows), a late answer does nothing, HTTP errors are
// connection failures and not wrong passwords, and the status line is cleared after any
// failure.
#include <QLabel>
#include <QLineEdit>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest/QTest>

#include <atomic>
#include <memory>
#include <string>

#include "client/app/control_ids.h"
#include "client/app/login_dlg.h"
#include "client/app/shell_fixture.h"
#include "common/net/support/http_script.h"
#include "common/net/support/script_server.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/modal_hook.h"
#include "common/ui/query_runner.h"
#include "common/ui/text.h"
#include "support/log_capture.h"
#include "support/query_wait.h"

namespace {

const std::string kAccepted = "\xB5\xC7\xC2\xBD\xB3\xC9\xB9\xA6";  // 登陆成功 (GBK)

// A scripted evaluation server: the connectivity probe (HEAD) is answered at once; the
// login page gets `loginAnswer` after `delayMs`, or nothing at all (stall) until the
// client hangs up. Records whether a stalled client hung up.
class LoginServer {
public:
    enum class Probe { Answer, Stall };

    LoginServer(std::string loginAnswer, int delayMs, Probe probe = Probe::Answer)
        : server_([this, loginAnswer, delayMs, probe](nettest::ScriptConnection& c, int) {
              const std::string request = c.ReadRequest();
              if (request.empty()) return;
              const bool isProbe = request.rfind("HEAD ", 0) == 0;
              if (isProbe && probe == Probe::Answer) {
                  c.Send(nettest::Response("200 OK", {"Content-Length: 0"}));
                  return;
              }
              if (!isProbe) loginsReceived_++;
              if (loginAnswer.empty() || isProbe) {
                  stalledClientLeft_ = c.PeerClosed(8000);
                  return;
              }
              if (c.PeerClosed(delayMs)) return;
              c.Send(loginAnswer);
          }) {}

    std::string Host() const { return "127.0.0.1:" + std::to_string(server_.port()); }
    int Connections() const { return server_.connections(); }
    int LoginsReceived() const { return loginsReceived_; }
    bool StalledClientLeft() const { return stalledClientLeft_; }

private:
    std::atomic<int> loginsReceived_{0};
    std::atomic<bool> stalledClientLeft_{false};
    nettest::ScriptServer server_;
};

std::string Page(const std::string& status, const std::string& body) {
    return nettest::Response(status, {"Content-Length: " + std::to_string(body.size())}, body);
}

class LoginAsyncTest : public ShellFixture {
protected:
    static void Type(CLoginDlg& login, const char* name, const char* password) {
        Control<QComboBox>(login, ids::kUserName)->setEditText(QString::fromLatin1(name));
        Control<QLineEdit>(login, ids::kPassword)->setText(QString::fromLatin1(password));
    }
    static QString Status(CLoginDlg& login) { return Control<QLabel>(login, ids::kStatus)->text(); }
};

TEST_F(LoginAsyncTest, AgainstAStalledServerTheWindowWorksAndItsCloseBoxAbandonsTheLogin) {
    LoginServer server("", 0);  // the login page never answers
    WriteConfig(server.Host());
    ui::ScopedModalAnswers answers;
    QWidget other;
    auto* otherButton = new QPushButton(QStringLiteral("other"), &other);
    other.show();
    QSignalSpy otherClicks(otherButton, &QPushButton::clicked);

    CLoginDlg login(config_, session_, shell_);
    Type(login, "demo", "demo123");
    bool sawWaitCursor = false;
    bool guestIgnored = false;
    QString statusMeanwhile;
    // Everything below happens inside the window's modal run, as for a user; should a
    // step fail, the run still ends.
    QTimer::singleShot(10000, &login, [&] { login.done(-1); });
    QTimer::singleShot(0, &login, [&] {
        QTest::mouseClick(Control<CKbcBmp>(login, ids::kLoginButton), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.LoginsReceived() == 1; }, 5000));
        sawWaitCursor = login.cursor().shape() == Qt::WaitCursor;
        statusMeanwhile = Status(login);
        QTest::mouseClick(Control<CKbcBmp>(login, ids::kGuestButton), Qt::LeftButton);
        QTest::mouseClick(otherButton, Qt::LeftButton);
        guestIgnored = login.isVisible() && session_.userName.empty();
        QTest::mouseClick(Control<CKbcBmp>(login, ids::kClose), Qt::LeftButton);
    });
    EXPECT_EQ(login.exec(), CLoginDlg::kClosed);
    EXPECT_TRUE(sawWaitCursor);
    EXPECT_EQ(statusMeanwhile, QStringLiteral("正在登陆......"));
    EXPECT_TRUE(guestIgnored);
    EXPECT_EQ(otherClicks.count(), 1);

    // The abandoned request is cancelled (the server sees the client go) and its late
    // end does nothing: no message, nobody logged in.
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.StalledClientLeft(); }, 5000));
    ui::DrainQueries();
    QTest::qWait(50);
    EXPECT_TRUE(answers.Prompts().empty());
    EXPECT_TRUE(session_.userName.empty());
    EXPECT_EQ(server.LoginsReceived(), 1);
}

TEST_F(LoginAsyncTest, EscapeClosesTheWindowWhileTheGuestCheckStalls) {
    LoginServer server("", 0, LoginServer::Probe::Stall);
    WriteConfig(server.Host());
    ui::ScopedModalAnswers answers;
    CLoginDlg login(config_, session_, shell_);
    QTimer::singleShot(10000, &login, [&] { login.done(-1); });
    QTimer::singleShot(0, &login, [&] {
        QTest::mouseClick(Control<CKbcBmp>(login, ids::kGuestButton), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.Connections() == 1; }, 5000));
        EXPECT_TRUE(ui::QueryRunning(&login));
        QTest::keyClick(&login, Qt::Key_Escape);
    });
    EXPECT_EQ(login.exec(), CLoginDlg::kClosed);
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.StalledClientLeft(); }, 5000));
    ui::DrainQueries();
    QTest::qWait(50);
    EXPECT_TRUE(answers.Prompts().empty());
    EXPECT_FALSE(session_.guest);
}

TEST_F(LoginAsyncTest, ASlowAnswerArrivesAndTheWaitCursorGoes) {
    LoginServer server(Page("200 OK", kAccepted + "\r\n"), 300);
    WriteConfig(server.Host());
    ui::ScopedModalAnswers answers;
    CLoginDlg login(config_, session_, shell_);
    login.show();
    Type(login, "demo", "demo123");
    QTest::mouseClick(Control<CKbcBmp>(login, ids::kLoginButton), Qt::LeftButton);
    EXPECT_EQ(login.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(Status(login), QStringLiteral("正在登陆......"));
    EXPECT_NE(login.result(), CLoginDlg::kEntered);
    ASSERT_TRUE(WaitForQueries(&login));
    EXPECT_EQ(login.result(), CLoginDlg::kEntered);
    EXPECT_NE(login.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(session_.userName, "demo");
    EXPECT_TRUE(answers.Prompts().empty());
}

TEST_F(LoginAsyncTest, AWindowDestroyedWhileItsLoginRunsGetsNothing) {
    LoginServer server(Page("200 OK", kAccepted + "\r\n"), 200);
    WriteConfig(server.Host());
    ui::ScopedModalAnswers answers;
    {
        CLoginDlg login(config_, session_, shell_);
        Type(login, "demo", "demo123");
        login.OnLogin();
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.LoginsReceived() == 1; }, 5000));
    }
    ui::DrainQueries();
    QTest::qWait(400);  // past the moment the answer comes
    EXPECT_TRUE(answers.Prompts().empty());
    EXPECT_TRUE(session_.userName.empty());
}

TEST_F(LoginAsyncTest, HttpErrorsAreConnectionFailuresAndClearTheStatusLine) {
    ui::ScopedModalAnswers answers;
    ScopedLogCapture log;
    for (const char* status : {"404 Not Found", "500 Internal Server Error"}) {
        LoginServer server(Page(status, "<html>error</html>"), 0);
        WriteConfig(server.Host());
        CLoginDlg login(config_, session_, shell_);
        Type(login, "demo", "secret-pw");
        login.OnLogin();
        ASSERT_TRUE(WaitForQueries(&login));
        EXPECT_NE(login.result(), CLoginDlg::kEntered) << status;
        EXPECT_EQ(Status(login), QString()) << status;
    }
    {
        LoginServer server(Page("200 OK", "no such user\r\n"), 0);
        WriteConfig(server.Host());
        CLoginDlg login(config_, session_, shell_);
        Type(login, "demo", "secret-pw");
        login.OnLogin();
        ASSERT_TRUE(WaitForQueries(&login));
        EXPECT_EQ(Status(login), QString());
    }
    ASSERT_EQ(answers.Prompts().size(), 3u);
    EXPECT_EQ(answers.Prompts()[0].message, G("连接服务器失败,请稍后再试!"));
    EXPECT_EQ(answers.Prompts()[1].message, G("连接服务器失败,请稍后再试!"));
    EXPECT_EQ(answers.Prompts()[2].message, G("用户名或密码错误!"));
    // The developer sees the login page and the status, never the password.
    EXPECT_TRUE(log.Has(platform::LogLevel::Warning, "quorvel.net", {"/login.asp: HTTP status 404"}))
        << log.Text();
    EXPECT_TRUE(log.Has(platform::LogLevel::Warning, "quorvel.net", {"/login.asp: HTTP status 500"}))
        << log.Text();
    EXPECT_EQ(log.Text().find("secret-pw"), std::string::npos) << log.Text();
    EXPECT_TRUE(session_.userName.empty());
}

}  // namespace
