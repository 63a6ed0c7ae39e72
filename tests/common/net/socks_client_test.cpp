#include "common/net/socks_client.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include "common/net/support/script_server.h"

using namespace net;
using nettest::ScriptConnection;
using nettest::ScriptServer;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(static_cast<char>(v));
    return out;
}

// A proxy script: checks each expected client message in turn and sends the canned answer.
struct Exchange {
    std::string expect;
    std::string answer;
};

class SocksTest : public ::testing::Test {
protected:
    void Proxy(std::vector<Exchange> exchanges) {
        socket_.Close();
        server_.reset();
        server_ = std::make_unique<ScriptServer>([this, exchanges](ScriptConnection& c, int) {
            for (const Exchange& e : exchanges) {
                std::string got = c.ReadExact(e.expect.size());
                seen_.push_back(got);
                if (got != e.expect) return;
                c.Send(e.answer);
            }
            c.PeerClosed(500);
        });
        ASSERT_TRUE(socket_.Create());
        ASSERT_TRUE(socket_.Connect(htonl(INADDR_LOOPBACK), server_->port(), 2000));
    }
    // Waits for the proxy script to finish and gives what it saw.
    std::vector<std::string> Seen() {
        socket_.Close();
        server_.reset();
        return seen_;
    }

    std::vector<std::string> seen_;
    std::unique_ptr<ScriptServer> server_;
    Socket socket_;
};

const std::string kGranted4 = Bytes({0, 90, 0, 0, 0, 0, 0, 0});

}  // namespace

TEST_F(SocksTest, Version4SendsPortAddressAndUserId) {
    std::string request = Bytes({4, 1, 0x1f, 0x90, 10, 0, 0, 7}) + "alice" + Bytes({0});
    Proxy({{request, kGranted4}});
    EXPECT_EQ(Socks4Connect(socket_, "10.0.0.7", 8080, "alice", false, 2000),
              SocksResult::kConnected);
    EXPECT_EQ(Seen(), std::vector<std::string>{request});
}

TEST_F(SocksTest, Version4NeedsAResolvableHostAndReplyCode90) {
    Proxy({});
    EXPECT_EQ(Socks4Connect(socket_, nettest::kUnresolvableHost, 80, "", false, 2000),
              SocksResult::kFailed);
    std::string request = Bytes({4, 1, 0, 80, 127, 0, 0, 1, 0});
    Proxy({{request, Bytes({0, 91, 0, 0, 0, 0, 0, 0})}});
    EXPECT_EQ(Socks4Connect(socket_, "127.0.0.1", 80, "", false, 2000), SocksResult::kFailed);
}

TEST_F(SocksTest, Version4aSendsAnUnknownHostByNameBehind0001) {
    std::string request =
        Bytes({4, 1, 0, 80, 0, 0, 0, 1}) + "bob" + Bytes({0}) + nettest::kUnresolvableHost + Bytes({0});
    Proxy({{request, kGranted4}});
    EXPECT_EQ(Socks4Connect(socket_, nettest::kUnresolvableHost, 80, "bob", true, 2000),
              SocksResult::kConnected);
    EXPECT_EQ(Seen(), std::vector<std::string>{request});
}

TEST_F(SocksTest, Version5WithoutCredentialsConnectsByAddressAndSkipsTheBoundAddress) {
    std::string connect = Bytes({5, 1, 0, 1, 192, 168, 1, 9, 0x01, 0xbb});
    // The reply's bound address is a name; the tunnel must start after all of it.
    std::string reply = Bytes({5, 0, 0, 3, 4}) + "host" + Bytes({0, 80}) + "HTTP";
    Proxy({{Bytes({5, 1, 0}), Bytes({5, 0})}, {connect, reply}});
    ASSERT_EQ(Socks5Connect(socket_, "192.168.1.9", 443, {}, 2000), SocksResult::kConnected);
    char tunnel[4];
    ASSERT_EQ(socket_.Receive(tunnel, 4, 2000), 4u);
    EXPECT_EQ(std::string(tunnel, 4), "HTTP");
}

TEST_F(SocksTest, Version5WithCredentialsRunsTheUserPasswordExchangeAndSendsNames) {
    ProxyCredentials credentials{true, "user", "secret"};
    std::string auth = Bytes({1, 4}) + "user" + Bytes({6}) + "secret";
    const std::string& name = nettest::kUnresolvableHost;
    std::string connect =
        Bytes({5, 1, 0, 3, static_cast<int>(name.size())}) + name + Bytes({0, 80});
    Proxy({{Bytes({5, 2, 0, 2}), Bytes({5, 2})},
           {auth, Bytes({1, 0})},
           {connect, Bytes({5, 0, 0, 1, 0, 0, 0, 0, 0, 0})}});
    EXPECT_EQ(Socks5Connect(socket_, name, 80, credentials, 2000),
              SocksResult::kConnected);
    EXPECT_EQ(Seen(), (std::vector<std::string>{Bytes({5, 2, 0, 2}), auth, connect}));
}

TEST_F(SocksTest, Version5MethodAndStatusRules) {
    ProxyCredentials off;
    ProxyCredentials on{true, "u", "p"};
    struct Case {
        ProxyCredentials credentials;
        int method;
        SocksResult expected;
    } cases[] = {
        {off, 2, SocksResult::kRefused},    // password asked, none configured
        {on, 1, SocksResult::kRefused},     // GSS-API
        {off, 3, SocksResult::kRefused},
        {off, 0xff, SocksResult::kFailed},  // no acceptable method
    };
    for (const Case& c : cases) {
        std::string greeting = c.credentials.enabled ? Bytes({5, 2, 0, 2}) : Bytes({5, 1, 0});
        Proxy({{greeting, Bytes({5, c.method})}});
        EXPECT_EQ(Socks5Connect(socket_, "127.0.0.1", 80, c.credentials, 2000), c.expected)
            << "method " << c.method;
    }
    std::string auth = Bytes({1, 1}) + "u" + Bytes({1}) + "p";
    Proxy({{Bytes({5, 2, 0, 2}), Bytes({5, 2})}, {auth, Bytes({1, 1})}});
    EXPECT_EQ(Socks5Connect(socket_, "127.0.0.1", 80, on, 2000), SocksResult::kRefused);
    Proxy({{Bytes({5, 1, 0}), Bytes({5, 0})},
           {Bytes({5, 1, 0, 1, 127, 0, 0, 1, 0, 80}), Bytes({5, 5, 0, 1, 0, 0, 0, 0, 0, 0})}});
    EXPECT_EQ(Socks5Connect(socket_, "127.0.0.1", 80, off, 2000), SocksResult::kFailed);
    Proxy({});  // the proxy hangs up at once
    EXPECT_EQ(Socks5Connect(socket_, "127.0.0.1", 80, off, 2000), SocksResult::kFailed);
}
