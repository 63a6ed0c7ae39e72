// The engine against real servers started here: nginx, microsocks, dante and tinyproxy.
// A test is skipped only when its program is not installed.
#include <gtest/gtest.h>

#include "common/net/http_download.h"
#include "common/net/support/http_script.h"
#include "common/net/support/peers.h"
#include "common/net/support/relay.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

using namespace net;
using nettest::Peer;
using nettest::ScriptConnection;
using nettest::ScriptServer;

#define START_PEER(peer, start)                                                            \
    do {                                                                                   \
        if (!(peer).installed()) {                                                         \
            GTEST_SKIP() << (peer).program() << " is not installed; scripts/setup.sh "      \
                         << "installs it";                                                 \
        }                                                                                  \
        ASSERT_TRUE(start) << (peer).program() << " did not start:\n" << (peer).Log();     \
    } while (0)

namespace {

std::string Pattern(std::size_t size, unsigned seed) {
    std::string data(size, '\0');
    for (char& c : data) {
        seed = seed * 1664525 + 1013904223;
        c = static_cast<char>(seed >> 24);
    }
    return data;
}

class PeerTest : public ::testing::Test {
protected:
    // The engine keeps its 10-second time-outs: a peer's helper processes can be slow to
    // start on a busy machine.
    PeerTest() : dir_(platform::MakeTempDirectory("quorvel-net-peers")) {
        engine_.SetNotify([this](const DownloadNotice& n) { notices_.push_back(n); }, true);
    }
    ~PeerTest() override { platform::RemoveDirectoryTree(dir_); }
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }
    // The folder nginx serves, holding `name` with `data`, dated `modified` when not 0.
    std::string WebRoot(const std::string& name, const std::string& data, std::time_t modified) {
        std::string root = Path("www");
        EXPECT_TRUE(platform::CreateDirectories(root));
        EXPECT_TRUE(platform::ReplaceFileAtomically(root + "/" + name, data));
        if (modified != 0) {
            EXPECT_TRUE(platform::SetFileModificationTime(root + "/" + name, modified));
        }
        return root;
    }
    std::string Read(const std::string& path) const {
        std::string text;
        platform::ReadWholeFile(path, text);
        return text;
    }

    std::string dir_;
    CHttpDownload engine_;
    std::vector<DownloadNotice> notices_;
};

// The origin behind the proxies: one small file.
class ProxiedTest : public PeerTest {
protected:
    ProxiedTest()
        : data_(Pattern(40000, 7)),
          origin_([this](ScriptConnection& c, int i) { nettest::ServeFile({data_}, c, i); }) {}
    DownloadResult Fetch() { return engine_.Download(origin_.url("/p/file.bin"), Path("file.bin"), true); }

    std::string data_;
    ScriptServer origin_;
};

}  // namespace

TEST_F(PeerTest, NginxServesRangesDatesAndTheSkipRule) {
    Peer nginx("nginx");
    std::string data = Pattern(300000, 1);
    const std::time_t served = 1717582830;  // 2024-06-05 10:20:30 GMT
    START_PEER(nginx, nginx.StartNginx(WebRoot("data.bin", data, served)));
    std::string url = "http://127.0.0.1:" + std::to_string(nginx.port()) + "/data.bin";

    std::string local = Path("data.bin");
    ASSERT_EQ(engine_.Download(url, local, false), DownloadResult::kComplete);
    EXPECT_TRUE(nettest::SameBytes(Read(local), data));
    // The date's fields are taken as local time, whatever the zone.
    std::tm fields{};
    gmtime_r(&served, &fields);
    fields.tm_isdst = -1;
    EXPECT_EQ(platform::FileModificationTime(local), std::mktime(&fields));

    notices_.clear();
    EXPECT_EQ(engine_.Download(url, local, false), DownloadResult::kCurrent);
    EXPECT_EQ(notices_.size(), 1u);

    std::string resumed = Path("resumed.bin");
    nettest::PlantPart(resumed, data.substr(0, 123456), {"", "Wed, 05 Jun 2024 10:20:30 GMT"});
    notices_.clear();
    ASSERT_EQ(engine_.Download(url, resumed, false), DownloadResult::kComplete);
    EXPECT_TRUE(nettest::SameBytes(Read(resumed), data));
    EXPECT_EQ(notices_.front().done, 123456);
    EXPECT_EQ(notices_.front().total, 300000);
}

TEST_F(PeerTest, NginxSendsTheWholeNewFileForAPartOfTheOldOne) {
    Peer nginx("nginx");
    std::string fresh = Pattern(200000, 4);
    // A day after the date the part was saved with.
    START_PEER(nginx, nginx.StartNginx(WebRoot("v.bin", fresh, 1717669230)));
    std::string local = Path("v.bin");
    nettest::PlantPart(local, Pattern(200000, 3).substr(0, 80000),
                       {"", "Wed, 05 Jun 2024 10:20:30 GMT"});
    ASSERT_EQ(engine_.Download("http://127.0.0.1:" + std::to_string(nginx.port()) + "/v.bin",
                               local, false),
              DownloadResult::kComplete);
    EXPECT_TRUE(nettest::SameBytes(Read(local), fresh));
    EXPECT_EQ(notices_.front().done, 0);
}

TEST_F(PeerTest, NginxResumesAfterForcedCuts) {
    Peer nginx("nginx");
    std::string data = Pattern(500000, 2);
    START_PEER(nginx, nginx.StartNginx(WebRoot("big.bin", data, 0)));
    std::uint16_t upstream = nginx.port();
    ScriptServer relay([upstream](ScriptConnection& c, int i) {
        std::optional<std::size_t> cut;
        if (i < 2) cut = 60000 + 50000 * i;
        nettest::RelayTo(upstream, c, cut);
    });
    std::string local = Path("big.bin");
    ASSERT_EQ(engine_.Download(relay.url("/big.bin"), local, false), DownloadResult::kComplete);
    EXPECT_TRUE(nettest::SameBytes(Read(local), data));
    EXPECT_EQ(engine_.BrokenTransfers(), 2);
    EXPECT_EQ(relay.connections(), 3);
}

TEST_F(ProxiedTest, Socks5ThroughMicrosocksWithoutAuthentication) {
    Peer socks("microsocks");
    START_PEER(socks, socks.StartMicrosocks("", ""));
    engine_.SetProxy(ProxyType::kSocks5, "127.0.0.1", socks.port());
    ASSERT_EQ(Fetch(), DownloadResult::kComplete);
    EXPECT_TRUE(nettest::SameBytes(Read(Path("file.bin")), data_));
    engine_.SetProxyCredentials(true, "unused", "unused");  // offered, not chosen
    EXPECT_EQ(Fetch(), DownloadResult::kComplete);
}

TEST_F(ProxiedTest, Socks5ThroughMicrosocksWithUserAndPassword) {
    Peer socks("microsocks");
    START_PEER(socks, socks.StartMicrosocks("quorvel", "s3cret"));
    engine_.SetProxy(ProxyType::kSocks5, "127.0.0.1", socks.port());
    engine_.SetProxyCredentials(true, "quorvel", "s3cret");
    ASSERT_EQ(Fetch(), DownloadResult::kComplete);
    EXPECT_TRUE(nettest::SameBytes(Read(Path("file.bin")), data_));
    engine_.SetProxyCredentials(true, "quorvel", "wrong");
    EXPECT_EQ(Fetch(), DownloadResult::kFailed);
    engine_.SetProxyCredentials(false, "", "");
    EXPECT_EQ(Fetch(), DownloadResult::kFailed);
    EXPECT_EQ(origin_.connections(), 1);
}

TEST_F(ProxiedTest, Socks4And5ThroughDante) {
    Peer socks("danted");
    START_PEER(socks, socks.StartDante());
    for (ProxyType type : {ProxyType::kSocks4, ProxyType::kSocks4a, ProxyType::kSocks5}) {
        engine_.SetProxy(type, "127.0.0.1", socks.port());
        EXPECT_EQ(Fetch(), DownloadResult::kComplete) << "proxy type " << static_cast<int>(type) << "\n" << socks.Log();
        EXPECT_TRUE(nettest::SameBytes(Read(Path("file.bin")), data_));
    }
    EXPECT_EQ(origin_.connections(), 3);
}

TEST_F(ProxiedTest, HttpProxyThroughTinyproxy) {
    Peer proxy("tinyproxy");
    START_PEER(proxy, proxy.StartTinyproxy("", ""));
    engine_.SetProxy(ProxyType::kHttp, "127.0.0.1", proxy.port());
    ASSERT_EQ(Fetch(), DownloadResult::kComplete) << proxy.Log();
    EXPECT_TRUE(nettest::SameBytes(Read(Path("file.bin")), data_));
    ASSERT_EQ(origin_.requests().size(), 1u);
    EXPECT_EQ(origin_.requests()[0].rfind("GET /p/file.bin HTTP/1.", 0), 0u);
}

TEST_F(ProxiedTest, HttpProxyWithBasicCredentials) {
    Peer proxy("tinyproxy");
    START_PEER(proxy, proxy.StartTinyproxy("quorvel", "s3cret"));
    engine_.SetProxy(ProxyType::kHttp, "127.0.0.1", proxy.port());
    EXPECT_EQ(Fetch(), DownloadResult::kFailed);  // 407 without credentials
    engine_.SetProxyCredentials(true, "quorvel", "s3cret");
    ASSERT_EQ(Fetch(), DownloadResult::kComplete) << proxy.Log();
    EXPECT_TRUE(nettest::SameBytes(Read(Path("file.bin")), data_));
    EXPECT_EQ(origin_.connections(), 1);
}
