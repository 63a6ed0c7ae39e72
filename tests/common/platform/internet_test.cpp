// Web requests against a tiny one-shot HTTP server on loopback.
#include "common/platform/internet.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

// Answers each connection with one canned response and records the requests.
class CannedServer {
public:
    explicit CannedServer(std::string response, int connections = 1)
        : response_(std::move(response)) {
        listener_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof(addr));
        socklen_t len = sizeof(addr);
        getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        listen(listener_, 4);
        thread_ = std::thread([this, connections] {
            for (int i = 0; i < connections; ++i) Serve();
        });
    }
    ~CannedServer() {
        shutdown(listener_, SHUT_RDWR);
        close(listener_);
        thread_.join();
    }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string request() const { return request_; }

private:
    void Serve() {
        int fd = accept(listener_, nullptr, nullptr);
        if (fd < 0) return;
        std::string req;
        char buf[4096];
        ssize_t n;
        while ((n = recv(fd, buf, sizeof(buf), 0)) > 0) {
            req.append(buf, n);
            size_t headerEnd = req.find("\r\n\r\n");
            if (headerEnd == std::string::npos) continue;
            size_t cl = req.find("Content-Length: ");
            size_t want = cl == std::string::npos ? 0 : std::stoul(req.substr(cl + 16));
            if (req.size() >= headerEnd + 4 + want) break;
        }
        request_ = req;
        send(fd, response_.data(), response_.size(), MSG_NOSIGNAL);
        shutdown(fd, SHUT_WR);
        close(fd);
    }
    std::string response_;
    int listener_ = -1;
    int port_ = 0;
    std::thread thread_;
    std::string request_;
};

std::string Response(const std::string& status, const std::string& body) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

TEST(Internet, TextLinesEndInCrLfWhateverTheServerSent) {
    CannedServer server(Response("200 OK", "one\ntwo\r\nthree"));
    std::string text = "previous";
    ASSERT_TRUE(platform::OpenUrlAsText(server.url("/doc.xml"), text));
    EXPECT_EQ(text, "one\r\ntwo\r\nthree\r\n");
}

TEST(Internet, ErrorStatusAndDeadServerFailWithoutTouchingTheOutput) {
    {
        CannedServer server(Response("404 Not Found", "<html>missing</html>"));
        std::string text = "kept";
        EXPECT_FALSE(platform::OpenUrlAsText(server.url("/nope.xml"), text));
        EXPECT_EQ(text, "kept");
    }
    int port;
    {
        CannedServer closed(Response("200 OK", ""), 0);
        port = std::stoi(closed.host().substr(10));
    }
    std::string text = "kept";
    EXPECT_FALSE(platform::OpenUrlAsText("http://127.0.0.1:" + std::to_string(port) + "/", text));
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(platform::CheckConnection("http://127.0.0.1:" + std::to_string(port) + "/"));
}

TEST(Internet, PostSendsHeadersAgentAndBody) {
    CannedServer server(Response("200 OK", "thanks"));
    auto result =
        platform::PostHttp(server.host(), "/form.asp",
                           "Accept:text*/*\r\nContent-Type:application/x-www-form-urlencoded",
                           "session", "a=1&b=%D6%D0");
    EXPECT_TRUE(result.transferred);
    EXPECT_EQ(result.status, 200);
    EXPECT_EQ(result.body, "thanks");
    std::string req = server.request();
    EXPECT_EQ(req.rfind("POST /form.asp HTTP/1.1\r\n", 0), 0u) << req;
    EXPECT_NE(req.find("User-Agent: session\r\n"), std::string::npos);
    EXPECT_NE(req.find("Content-Type:application/x-www-form-urlencoded\r\n"), std::string::npos);
    EXPECT_NE(req.find("\r\n\r\na=1&b=%D6%D0"), std::string::npos);
}

TEST(Internet, CheckConnectionAcceptsAnyHttpAnswer) {
    CannedServer server(Response("500 Internal Server Error", ""));
    EXPECT_TRUE(platform::CheckConnection(server.url("/")));
}
