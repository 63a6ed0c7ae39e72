// Web requests against a tiny one-shot HTTP server on loopback.
#include "common/platform/internet.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "common/platform/cancellation.h"
#include "support/log_capture.h"

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


TEST(Internet, FetchResultsTellWhyAFetchFailed) {
    {
        CannedServer server(Response("404 Not Found", "<html>missing</html>"));
        std::string text = "kept";
        const platform::FetchResult r = platform::FetchUrlAsText(server.url("/nope.xml"), text);
        EXPECT_EQ(r.outcome, platform::FetchOutcome::HttpError);
        EXPECT_EQ(r.httpStatus, 404);
        EXPECT_TRUE(r.NotFound());
        EXPECT_EQ(r.Reason(), "HTTP status 404");
        EXPECT_EQ(text, "kept");
    }
    {
        CannedServer server(Response("503 Service Unavailable", ""));
        std::string text;
        const platform::FetchResult r = platform::FetchUrlAsText(server.url("/"), text);
        EXPECT_EQ(r.outcome, platform::FetchOutcome::HttpError);
        EXPECT_FALSE(r.NotFound());
    }
    int port;
    {
        CannedServer closed(Response("200 OK", ""), 0);
        port = std::stoi(closed.host().substr(10));
    }
    const std::string dead = "http://127.0.0.1:" + std::to_string(port) + "/";
    std::string text;
    const platform::FetchResult refused = platform::FetchUrlAsText(dead, text);
    EXPECT_EQ(refused.outcome, platform::FetchOutcome::ConnectFailed);
    EXPECT_EQ(refused.Reason().rfind("connection failed (", 0), 0u) << refused.Reason();
    EXPECT_EQ(platform::ProbeUrl(dead).outcome, platform::FetchOutcome::ConnectFailed);

    platform::InternetTimeouts& timeouts = platform::DefaultInternetTimeouts();
    const platform::InternetTimeouts saved = timeouts;
    timeouts.totalMs = 200;
    // Listens but never accepts: the kernel takes the connection, nobody answers.
    CannedServer silent("", 0);
    EXPECT_EQ(platform::FetchUrlAsText(silent.url("/"), text).outcome, platform::FetchOutcome::TimedOut);
    EXPECT_EQ(platform::ProbeUrl(silent.url("/")).outcome, platform::FetchOutcome::TimedOut);
    timeouts = saved;
}

TEST(Internet, ACancelledRequestEndsWithoutWaitingForItsTimeOut) {
    platform::InternetTimeouts& timeouts = platform::DefaultInternetTimeouts();
    const platform::InternetTimeouts saved = timeouts;
    timeouts.totalMs = 60000;
    // Listens but never accepts: the kernel takes the connection, nobody answers.
    CannedServer silent("", 0);
    platform::CancelFlag flag = platform::MakeCancelFlag();
    std::thread canceller([flag] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        flag->store(true);
    });
    platform::FetchResult result;
    {
        platform::ScopedCancellation scope(flag);
        std::string text;
        result = platform::FetchUrlAsText(silent.url("/"), text);
    }
    canceller.join();
    timeouts = saved;
    EXPECT_EQ(result.outcome, platform::FetchOutcome::Cancelled);
    EXPECT_FALSE(platform::CancellationRequested());  // the scope ended with the request
}

TEST(Internet, FailuresAreLoggedWithoutTheirQueryWhenTheCallerSaysSo) {
    ScopedLogCapture log;
    platform::FetchResult failed{platform::FetchOutcome::HttpError, 500, ""};
    platform::LogFetchFailure("http://h/login.asp", failed);
    platform::LogFetchFailure("http://h/x", platform::FetchResult{platform::FetchOutcome::Ok, 200, ""});
    platform::LogFetchFailure("http://h/y",
                              platform::FetchResult{platform::FetchOutcome::Cancelled, 0, ""});
    const auto lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u) << log.Text();
    EXPECT_EQ(lines[0].level, platform::LogLevel::Warning);
    EXPECT_EQ(lines[0].category, "quorvel.net");
    EXPECT_EQ(lines[0].message, "http://h/login.asp: HTTP status 500");
    EXPECT_EQ(lines[1].level, platform::LogLevel::Debug);
}
