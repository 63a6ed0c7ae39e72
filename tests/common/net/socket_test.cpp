#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "common/net/socket.h"
#include "common/net/socket_error.h"
#include "common/net/support/script_server.h"

using namespace net;
using nettest::ScriptConnection;
using nettest::ScriptServer;

namespace {
Ipv4Address Loopback() { return htonl(INADDR_LOOPBACK); }
}  // namespace

TEST(SocketResolve, DottedAddressesStandAndNamesAreLookedUp) {
    auto dotted = ResolveHost("10.1.2.3");
    ASSERT_TRUE(dotted);
    EXPECT_EQ(*dotted, inet_addr("10.1.2.3"));
    auto local = ResolveHost("localhost");
    ASSERT_TRUE(local);
    EXPECT_EQ(ntohl(*local) >> 24, 127u);
    EXPECT_FALSE(ResolveHost(nettest::kUnresolvableHost));
    EXPECT_EQ(LastSocketError(), kSocketHostNotFound);
    EXPECT_FALSE(ResolveHost(""));
}

TEST(Socket, SendsAllAndReceivesWhatThePeerAnswers) {
    std::string big(300000, 'x');
    ScriptServer server([&](ScriptConnection& c, int) {
        std::string got = c.ReadExact(big.size());
        c.Send(got == big ? "all here" : "short");
    });
    Socket socket;
    ASSERT_TRUE(socket.Create());
    ASSERT_TRUE(socket.Connect(Loopback(), server.port(), 2000));
    EXPECT_EQ(socket.SendAll(big, 2000), big.size());
    std::string answer;
    char buffer[64];
    while (std::size_t n = socket.Receive(buffer, sizeof buffer, 2000)) answer.append(buffer, n);
    EXPECT_EQ(answer, "all here");
    EXPECT_EQ(LastSocketError(), kSocketDisconnected);
}

TEST(Socket, AQuietPeerTimesOutWith10060) {
    ScriptServer server([](ScriptConnection& c, int) { c.PeerClosed(3000); });
    Socket socket;
    ASSERT_TRUE(socket.Create());
    ASSERT_TRUE(socket.Connect(Loopback(), server.port(), 2000));
    char buffer[16];
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(socket.Receive(buffer, sizeof buffer, 150), 0u);
    EXPECT_EQ(LastSocketError(), kSocketTimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(140));
}

TEST(Socket, AFullPeerMakesSendAllStopWith10060AndReportTheCountSent) {
    std::atomic<bool> release{false};
    ScriptServer server([&](ScriptConnection&, int) {  // never reads until released
        for (int i = 0; i < 1000 && !release; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    Socket socket;
    ASSERT_TRUE(socket.Create());
    ASSERT_TRUE(socket.Connect(Loopback(), server.port(), 2000));
    std::string huge(64 << 20, 'y');  // more than both socket buffers hold
    std::size_t sent = socket.SendAll(huge, 200);
    int error = LastSocketError();
    release = true;
    EXPECT_GT(sent, 0u);
    EXPECT_LT(sent, huge.size());
    EXPECT_EQ(error, kSocketTimedOut);
}

TEST(Socket, RefusedConnectAndUnopenedSocketFail) {
    std::uint16_t port = nettest::FreeLoopbackPort();
    Socket socket;
    EXPECT_FALSE(socket.Connect(Loopback(), port, 500));
    EXPECT_EQ(LastSocketError(), kSocketBadHandle);
    ASSERT_TRUE(socket.Create());
    EXPECT_FALSE(socket.Connect(Loopback(), port, 500));
    EXPECT_EQ(LastSocketError(), kSocketConnectionRefused);
}

TEST(Socket, LastErrorIsKeptPerThread) {
    SetLastSocketError(kSocketWouldBlock);
    std::thread other([] {
        EXPECT_EQ(LastSocketError(), kSocketNoError);
        SetLastSocketError(kSocketTimedOut);
    });
    other.join();
    EXPECT_EQ(LastSocketError(), kSocketWouldBlock);
    EXPECT_EQ(SocketErrorFromErrno(EAGAIN), kSocketWouldBlock);
    EXPECT_EQ(SocketErrorFromErrno(ETIMEDOUT), kSocketTimedOut);
}

TEST(Socket, GracefulCloseLetsThePeerSeeTheEndAndDrainsItsLastWords) {
    std::atomic<bool> peerSawEnd{false};
    ScriptServer server([&](ScriptConnection& c, int) {
        peerSawEnd = c.PeerClosed(3000);
        c.Send(std::string(1000, 'z'));  // answered after our shutdown; must be drained
    });
    Socket socket;
    ASSERT_TRUE(socket.Create());
    ASSERT_TRUE(socket.Connect(Loopback(), server.port(), 2000));
    socket.CloseGracefully();
    EXPECT_FALSE(socket.IsOpen());
    EXPECT_TRUE(peerSawEnd);
}
