// A 50 MB download through a server that breaks the connection at many random points must
// arrive byte for byte, and a stopped download must resume from its part file.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>
#include <thread>

#include "common/net/http_download.h"
#include "common/net/support/http_script.h"
#include "common/platform/files.h"

using namespace net;
using nettest::FileServing;
using nettest::ScriptConnection;
using nettest::ScriptServer;

namespace {

constexpr std::size_t kSoakSize = 50 * 1000 * 1000;

std::string RandomBytes(std::size_t size, std::mt19937_64& random) {
    std::string data(size, '\0');
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
        std::uint64_t word = random();
        std::memcpy(data.data() + i, &word, 8);
    }
    return data;
}

class SoakTest : public ::testing::Test {
protected:
    SoakTest() : dir_(platform::MakeTempDirectory("quorvel-net-soak")), random_(20240605) {
        data_ = RandomBytes(kSoakSize, random_);
        engine_.SetConnectTimeout(3000);
        engine_.SetReceiveTimeout(5000);
    }
    ~SoakTest() override { platform::RemoveDirectoryTree(dir_); }

    std::string dir_;
    std::mt19937_64 random_;
    std::string data_;
    CHttpDownload engine_;
};

}  // namespace

TEST_F(SoakTest, FiftyMegabytesThroughThirtyFiveRandomCutsArriveIntact) {
    // Cut points for the first 35 connections: anywhere from 1 byte to 1.4 MB into the part
    // each one serves (35 x 1.4 MB stays below 50 MB); the connections after them run to the end.
    std::vector<std::size_t> cuts;
    std::uniform_int_distribution<std::size_t> anywhere(1, 1400000);
    for (int i = 0; i < 35; ++i) cuts.push_back(anywhere(random_));
    FileServing serving{data_};
    serving.cutAfter = [cuts](int i) -> std::optional<std::size_t> {
        if (i < static_cast<int>(cuts.size())) return cuts[i];
        return std::nullopt;
    };
    ScriptServer server([serving](ScriptConnection& c, int i) { nettest::ServeFile(serving, c, i); });
    std::int64_t lastDone = 0;
    bool steady = true;
    engine_.SetNotify([&](const DownloadNotice& n) {
        steady = steady && n.done >= lastDone && n.total == static_cast<std::int64_t>(kSoakSize);
        lastDone = n.done;
    }, true);

    std::string local = dir_ + "/soak.bin";
    ASSERT_EQ(engine_.Download(server.url("/soak.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(engine_.BrokenTransfers(), 35);
    EXPECT_EQ(server.connections(), 36);
    EXPECT_TRUE(steady);
    std::string arrived;
    ASSERT_TRUE(platform::ReadWholeFile(local, arrived));
    EXPECT_EQ(arrived.size(), kSoakSize);
    EXPECT_EQ(nettest::Sha256(arrived), nettest::Sha256(data_));
}

TEST_F(SoakTest, AStoppedDownloadResumesFromItsPartFile) {
    ScriptServer server([this](ScriptConnection& c, int i) {
        if (i > 0) return nettest::ServeFile({data_}, c, i);
        // The first answer trickles so the stop lands in the middle of it.
        c.ReadRequest();
        c.Send(nettest::Response("200 OK", {"Content-Length: " + std::to_string(kSoakSize),
                                            "Last-Modified: " + nettest::kServedLastModified}));
        c.Send(std::string_view(data_).substr(0, 3000000));
        c.SendSlowly(std::string_view(data_).substr(3000000, 2000000), 4096, 5);
    });
    std::atomic<std::int64_t> done{0};
    engine_.SetNotify([&](const DownloadNotice& n) { done = n.done; }, true);
    std::thread stopper([&] {
        while (done < 3000000) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        engine_.Stop();
    });
    std::string local = dir_ + "/stopped.bin";
    EXPECT_EQ(engine_.Download(server.url("/stopped.bin"), local, false), DownloadResult::kStopped);
    stopper.join();
    std::int64_t part = static_cast<std::int64_t>(platform::FileSize(local + ".down").value_or(0));
    EXPECT_GE(part, 3000000);
    EXPECT_LT(part, static_cast<std::int64_t>(kSoakSize));

    ASSERT_EQ(engine_.Download(server.url("/stopped.bin"), local, false), DownloadResult::kComplete);
    EXPECT_EQ(nettest::RangeStart(server.requests().back()), part);
    std::string arrived;
    ASSERT_TRUE(platform::ReadWholeFile(local, arrived));
    EXPECT_EQ(nettest::Sha256(arrived), nettest::Sha256(data_));
}
