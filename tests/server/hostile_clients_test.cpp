// The real quorvel-server process against clients that trickle, pipeline, post too much or
// look for what they should not see.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <vector>

#include "server/raw_http.h"
#include "support/sample_server.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr const char* kDocument = "/KRClientInfo/ZHZD/600000.xml";

// True when the server has closed its side of `fd` (or the connection failed).
bool ClosedByServer(int fd) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 0) <= 0) return false;
    char byte;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
}

std::string Post(std::uint16_t port, const std::string& body, const std::string& extraHeaders = "") {
    return "POST /q&a/question.asp HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" + extraHeaders +
           "\r\n" + body;
}

TEST(HostileClients, TricklingConnectionsNeitherStopOthersNorStayPastTheirTime) {
    SampleServer server({"--request-timeout-ms", "1500"});
    ASSERT_TRUE(server.Running()) << server.Error();
    const auto port = static_cast<std::uint16_t>(server.Port());
    const std::string head = "GET " + std::string(kDocument) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nX-Pad: ";
    std::vector<int> slow;
    for (int i = 0; i < 50; ++i) {
        const int fd = rawhttp::Connect(port, 2000);
        ASSERT_GE(fd, 0);
        slow.push_back(fd);
    }

    // Each slow client sends a byte every 50 ms and never ends its head; meanwhile another
    // client fetches the document again and again on fresh connections.
    std::vector<bool> cut(slow.size(), false);
    std::size_t cutCount = 0;
    int fetches = 0;
    const auto start = Clock::now();
    for (std::size_t step = 0; cutCount < slow.size() && Clock::now() - start < std::chrono::seconds(6); ++step) {
        for (std::size_t i = 0; i < slow.size(); ++i) {
            if (cut[i]) continue;
            const char byte = step < head.size() ? head[step] : 'a';
            if (::send(slow[i], &byte, 1, MSG_NOSIGNAL | MSG_DONTWAIT) != 1 || ClosedByServer(slow[i])) {
                cut[i] = true;
                ++cutCount;
            }
        }
        if (step % 4 == 0) {
            const auto reply = rawhttp::Exchange(port, rawhttp::GetRequest(port, kDocument, true), 3000);
            EXPECT_TRUE(reply.complete) << "fetch " << fetches << " got no answer while slow clients trickle";
            EXPECT_EQ(reply.status, 200);
            ++fetches;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_GE(fetches, 5);
    // The limit is on the whole request, not on the pause between two bytes.
    EXPECT_EQ(cutCount, slow.size()) << "slow requests must be cut once their time is up";
    for (int fd : slow) ::close(fd);
    EXPECT_EQ(rawhttp::Exchange(port, rawhttp::GetRequest(port, kDocument, true), 2000).status, 200);
}

TEST(HostileClients, KeptAliveAndPipelinedRequestsAreAnsweredInOrder) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    const auto port = static_cast<std::uint16_t>(server.Port());
    const int fd = rawhttp::Connect(port, 2000);
    ASSERT_GE(fd, 0);
    // Two requests in one write, then a third after the first two answers.
    ASSERT_TRUE(rawhttp::SendAll(fd, rawhttp::GetRequest(port, kDocument, false) +
                                         rawhttp::GetRequest(port, "/no/such/page.html", false)));
    std::string in;
    std::vector<int> statuses;
    const auto end = Clock::now() + std::chrono::seconds(5);
    bool sentThird = false;
    while (statuses.size() < 3 && Clock::now() < end) {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0 && !rawhttp::ReceiveAvailable(fd, in)) break;
        for (auto a = rawhttp::ReadAnswer(in); a.state == rawhttp::AnswerState::kComplete; a = rawhttp::ReadAnswer(in)) {
            EXPECT_FALSE(a.close);
            statuses.push_back(a.status);
            in.erase(0, a.length);
        }
        if (statuses.size() == 2 && !sentThird) {
            sentThird = rawhttp::SendAll(fd, rawhttp::GetRequest(port, "/KRClientInfo/CWFX/600000.xml", false));
        }
    }
    ::close(fd);
    EXPECT_EQ(statuses, (std::vector<int>{200, 404, 200}));
    EXPECT_EQ(server.RequestCount(), 3);
}

TEST(HostileClients, BodiesPastSixtyFourKiBAreRefusedUnread) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    const auto port = static_cast<std::uint16_t>(server.Port());
    EXPECT_EQ(rawhttp::Exchange(port, Post(port, std::string(64 * 1024, 'a')), 5000).status, 200);
    EXPECT_EQ(rawhttp::Exchange(port, Post(port, std::string(65 * 1024, 'b')), 5000).status, 413);

    // A huge announced body is refused from its head alone, before a byte of it is sent.
    const std::string head = "POST /sms/sncode.asp HTTP/1.1\r\nHost: x\r\nContent-Length: 343932928\r\n\r\n";
    EXPECT_EQ(rawhttp::Exchange(port, head, 5000).status, 413);
    const std::string chunked = "POST /sms/sncode.asp HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n\r\n";
    EXPECT_EQ(rawhttp::Exchange(port, chunked, 5000).status, 411);

    // A client that waits for leave to send its body gets it once.
    const auto reply = rawhttp::Exchange(port, Post(port, "a=1", "Expect: 100-continue\r\n"), 5000);
    EXPECT_EQ(reply.status, 200);
    const std::string log = server.Log();
    EXPECT_EQ(log.find("bbbb"), std::string::npos);
    EXPECT_NE(log.find("post\t/q&a/question.asp\ta=1\n"), std::string::npos) << log;
}

TEST(HostileClients, TestEndpointsExistOnlyWhenAskedFor) {
    SampleServer plain({}, false);
    ASSERT_TRUE(plain.Running()) << plain.Error();
    const auto port = static_cast<std::uint16_t>(plain.Port());
    rawhttp::Exchange(port, rawhttp::GetRequest(port, "/login.asp?uname=demo&pwd=demo123", true), 5000);
    for (const char* path : {"/__log", "/__requests", "/__LOG"}) {
        const auto reply = rawhttp::Exchange(port, rawhttp::GetRequest(port, path, true), 5000);
        EXPECT_EQ(reply.status, 404) << path;
        EXPECT_EQ(reply.body.find("demo123"), std::string::npos);
    }
    EXPECT_EQ(plain.RequestCount(), -1);
}

}  // namespace
