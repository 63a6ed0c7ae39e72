// The real quorvel-server process, started through the shared test fixture.
#include <gtest/gtest.h>

#include <cstdio>

#include "common/platform/code_page.h"
#include "common/platform/internet.h"
#include "support/sample_server.h"

namespace {

std::string RunCommand(const std::string& command, int& status) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        status = pclose(pipe);
    }
    return out;
}

TEST(ServerProcess, ServesDocumentsAndCountsEveryRequest) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    EXPECT_EQ(server.BaseHost(), "127.0.0.1:" + std::to_string(server.Port()));
    const long before = server.RequestCount();
    ASSERT_GE(before, 0);

    std::string body;
    ASSERT_TRUE(platform::OpenUrlAsText("http://" + server.BaseHost() + "/KRClientInfo/ZHZD/600000.xml", body));
    EXPECT_EQ(body.compare(0, 3, "\xEF\xBB\xBF"), 0);
    EXPECT_NE(body.find("<S600000 name=\"浦发银行\">"), std::string::npos);
    EXPECT_EQ(server.RequestCount(), before + 1);

    // An unknown stock is a 404: one request, no document.
    EXPECT_FALSE(platform::OpenUrlAsText(server.Url("/KRClientInfo/ZHZD/999999.xml"), body));
    EXPECT_EQ(server.RequestCount(), before + 2);

    // The version list is asked for with two slashes after the host.
    ASSERT_TRUE(platform::OpenUrlAsText(server.Url("//KRClientUpdate/UpdateList.xml"), body));
    EXPECT_NE(body.find("http://" + server.BaseHost() + "/KRClientUpdate/"), std::string::npos);
}

TEST(ServerProcess, RecordsLoginsAndFormPosts) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    std::string body;
    ASSERT_TRUE(platform::OpenUrlAsText(server.Url("/login.asp?uname=demo&pwd=demo123&mac=00:11:22:33:44:55&ver=1.0.0"), body));
    EXPECT_EQ(body.substr(0, body.find("\r\n")), platform::Utf8ToLocalText("登陆成功"));

    const auto post = platform::PostHttp(server.BaseHost(), "/q&a/question.asp",
                                         "Accept:text*/*\r\nContent-Type:application/x-www-form-urlencoded",
                                         "session", "fromsource=730kr&name=%D5%C5");
    EXPECT_EQ(post.status, 200);
    EXPECT_FALSE(post.body.empty());

    const std::string log = server.Log();
    EXPECT_NE(log.find("login\tuname=demo\tmac=00:11:22:33:44:55\tver=1.0.0\tresult=ok\tquery=uname=demo&pwd=***&"),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("demo123"), std::string::npos);
    EXPECT_NE(log.find("post\t/q&a/question.asp\tfromsource=730kr&name=%D5%C5\n"), std::string::npos) << log;
}

TEST(ServerProcess, TwoServersRunSideBySide) {
    SampleServer first;
    SampleServer second;
    ASSERT_TRUE(first.Running() && second.Running());
    EXPECT_NE(first.Port(), second.Port());
    EXPECT_NE(first.DataDirectory(), second.DataDirectory());
}

TEST(ServerProcess, HelpAndBadArguments) {
    int status = 0;
    const std::string help = RunCommand(std::string(QUORVEL_SERVER_PATH) + " --help", status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(help.find("--port N"), std::string::npos);
    EXPECT_NE(help.find("--data DIR"), std::string::npos);
    RunCommand(std::string(QUORVEL_SERVER_PATH) + " --port nope 2>/dev/null", status);
    EXPECT_NE(status, 0);
}

}  // namespace
