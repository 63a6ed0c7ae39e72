#include "common/net/buffered_reader.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include "common/net/support/script_server.h"

using namespace net;
using nettest::ScriptConnection;
using nettest::ScriptServer;
using LineEnd = BufferedReader::LineEnd;

namespace {

class ReaderTest : public ::testing::Test {
protected:
    void Serve(std::string bytes, int pieceSize = 0) {
        server_ = std::make_unique<ScriptServer>([bytes, pieceSize](ScriptConnection& c, int) {
            if (pieceSize > 0) {
                c.SendSlowly(bytes, pieceSize, 5);
            } else {
                c.Send(bytes);
            }
        });
        ASSERT_TRUE(socket_.Create());
        ASSERT_TRUE(socket_.Connect(htonl(INADDR_LOOPBACK), server_->port(), 2000));
    }

    std::unique_ptr<ScriptServer> server_;
    Socket socket_;
    BufferedReader reader_{socket_};
};

}  // namespace

TEST_F(ReaderTest, BytesThenTheEndMarkerOnceThePeerCloses) {
    Serve(std::string("a\xff", 2));
    EXPECT_EQ(reader_.ReadByte(2000), 'a');
    EXPECT_EQ(reader_.ReadByte(2000), 0xff);
    EXPECT_EQ(reader_.ReadByte(2000), BufferedReader::kEndMarker);
}

TEST_F(ReaderTest, LinesDropTheCrBeforeLfOnlyAndAreCutWhenTheyFillTheBuffer) {
    Serve("HTTP/1.1 200 OK\r\nbare\nin\rside\r\n\r\n0123456789abc\r\ntail");
    std::string line;
    EXPECT_EQ(reader_.ReadLine(line, 1023, 2000), LineEnd::kComplete);
    EXPECT_EQ(line, "HTTP/1.1 200 OK");
    EXPECT_EQ(reader_.ReadLine(line, 1023, 2000), LineEnd::kComplete);
    EXPECT_EQ(line, "bare");
    EXPECT_EQ(reader_.ReadLine(line, 1023, 2000), LineEnd::kComplete);
    EXPECT_EQ(line, "in\rside");
    EXPECT_EQ(reader_.ReadLine(line, 1023, 2000), LineEnd::kComplete);
    EXPECT_EQ(line, "");
    EXPECT_EQ(reader_.ReadLine(line, 10, 2000), LineEnd::kCut);
    EXPECT_EQ(line, "0123456789");
    EXPECT_EQ(reader_.ReadLine(line, 10, 2000), LineEnd::kComplete);
    EXPECT_EQ(line, "abc");
    EXPECT_EQ(reader_.ReadLine(line, 10, 2000), LineEnd::kFailed);  // no LF before the end
}

TEST_F(ReaderTest, BlocksComeFromTheBufferFirstAndRefillWithOneReceive) {
    std::string body;
    for (int i = 0; i < 30000; ++i) body.push_back(static_cast<char>('a' + i % 26));
    Serve("head\r\n" + body, 4096);
    std::string line;
    ASSERT_EQ(reader_.ReadLine(line, 1023, 2000), LineEnd::kComplete);
    std::string got;
    char block[BufferedReader::kCapacity];
    while (std::size_t n = reader_.ReadBlock(block, sizeof block, 2000)) {
        EXPECT_LE(n, sizeof block);
        got.append(block, n);
    }
    EXPECT_TRUE(got == body) << got.size() << " bytes of " << body.size();
    EXPECT_EQ(reader_.ReadBlock(block, sizeof block, 100), 0u);
}

TEST_F(ReaderTest, ABlockNeverTakesMoreThanAsked) {
    Serve("0123456789");
    char block[4];
    ASSERT_EQ(reader_.ReadBlock(block, 4, 2000), 4u);
    EXPECT_EQ(std::string(block, 4), "0123");
    EXPECT_EQ(reader_.held(), 6u);
    EXPECT_EQ(reader_.ReadByte(2000), '4');
}
