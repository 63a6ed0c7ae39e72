// Form posts and the connectivity check against a loopback server.
#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <thread>

#include "client/core/client_util.h"

namespace {

class FormServer {
public:
    FormServer() {
        server_.Post("/q&a/question.asp",
                     [this](const httplib::Request& req, httplib::Response& res) {
                         lastRequest_ = req;
                         res.set_content("thanks", "text/plain");
                     });
        server_.Post("/empty.asp",
                     [](const httplib::Request&, httplib::Response& res) { res.status = 200; });
        server_.Post("/missing.asp", [](const httplib::Request&, httplib::Response& res) {
            res.status = 404;
            res.set_content("not here", "text/plain");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~FormServer() {
        server_.stop();
        thread_.join();
    }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    const httplib::Request& lastRequest() const { return lastRequest_; }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
    httplib::Request lastRequest_;
};

TEST(ClientUtilWeb, PostFormSendsTheFormWithItsHeadersAndAgent) {
    FormServer server;
    CClientUtil util;
    std::string body = "name=" + util.UrlEncode("\xD5\xC5 san") + "&code=600000";
    EXPECT_EQ(util.PostForm(server.host(), "/q&a/question.asp", body), "thanks");
    const httplib::Request& req = server.lastRequest();
    EXPECT_EQ(req.body, "name=%D5%C5+san&code=600000");
    EXPECT_EQ(req.get_header_value("User-Agent"), "session");
    EXPECT_EQ(req.get_header_value("Accept"), "text*/*");
    EXPECT_EQ(req.get_header_value("Content-Type"), "application/x-www-form-urlencoded");
}

TEST(ClientUtilWeb, PostFormResultRules) {
    FormServer server;
    CClientUtil util;
    EXPECT_EQ(util.PostForm(server.host(), "/empty.asp", "a=1"), "ok");
    EXPECT_EQ(util.PostForm(server.host(), "/missing.asp", "a=1"), "");
    bool reached = false;
    EXPECT_EQ(util.PostForm(server.host(), "/missing.asp", "a=1", reached), "");
    EXPECT_TRUE(reached) << "a 404 is an answer";
}

TEST(ClientUtilWeb, DeadServerIsOfflineAndPostsNothing) {
    std::string host;
    {
        FormServer server;
        host = server.host();
        EXPECT_TRUE(CClientUtil().IsOnline("http://" + host + "/login.asp"));
    }
    CClientUtil util;
    EXPECT_FALSE(util.IsOnline("http://" + host + "/login.asp"));
    EXPECT_FALSE(util.IsOnline("http:///login.asp"));  // no server configured
    EXPECT_EQ(util.PostForm(host, "/empty.asp", "a=1"), "");
    bool reached = true;
    EXPECT_EQ(util.PostForm(host, "/empty.asp", "a=1", reached), "");
    EXPECT_FALSE(reached);
}

}  // namespace
