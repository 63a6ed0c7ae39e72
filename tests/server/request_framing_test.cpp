// Where a request ends in the bytes received, and which requests are refused from their head.
#include <gtest/gtest.h>

#include "server/request_framing.h"

namespace {

using server::FrameRequest;
using server::FrameState;

const server::RequestLimits kLimits;

TEST(RequestFraming, WaitsForTheWholeHeadAndBody) {
    const std::string get = "GET /a HTTP/1.1\r\nHost: x\r\n\r\n";
    for (std::size_t cut = 0; cut < get.size(); ++cut)
        EXPECT_EQ(FrameRequest(get.substr(0, cut), kLimits).state, FrameState::kIncomplete) << cut;
    // A second, pipelined request is not part of the first.
    auto frame = FrameRequest(get + get, kLimits);
    ASSERT_EQ(frame.state, FrameState::kComplete);
    EXPECT_EQ(frame.length, get.size());

    const std::string post = "POST /f HTTP/1.1\r\ncontent-LENGTH:  5 \r\nExpect: 100-Continue\r\n\r\n";
    frame = FrameRequest(post + "abc", kLimits);
    EXPECT_EQ(frame.state, FrameState::kIncomplete);
    EXPECT_TRUE(frame.waitsForContinue);
    frame = FrameRequest(post + "abcdeGET", kLimits);
    ASSERT_EQ(frame.state, FrameState::kComplete);
    EXPECT_EQ(frame.length, post.size() + 5);
    // The same length twice is one length.
    EXPECT_EQ(FrameRequest("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 1\r\n\r\nx", kLimits).state,
              FrameState::kComplete);
}

TEST(RequestFraming, RefusesWhatItCannotFrameOrWillNotHold) {
    auto status = [](const std::string& text) {
        const auto frame = FrameRequest(text, kLimits);
        return frame.state == FrameState::kRejected ? frame.status : 0;
    };
    EXPECT_EQ(status("POST / HTTP/1.1\r\nContent-Length: 65536\r\n\r\n"), 0);
    EXPECT_EQ(status("POST / HTTP/1.1\r\nContent-Length: 65537\r\n\r\n"), 413);
    EXPECT_EQ(status("POST / HTTP/1.1\r\nContent-Length: 99999999999999999999999\r\n\r\n"), 413);
    EXPECT_EQ(status("POST / HTTP/1.1\r\nContent-Length: -1\r\n\r\n"), 400);
    EXPECT_EQ(status("POST / HTTP/1.1\r\nContent-Length: 1x\r\n\r\n"), 400);
    EXPECT_EQ(status("POST / HTTP/1.1\r\nContent-Length: 1\r\nContent-Length: 2\r\n\r\n"), 400);
    EXPECT_EQ(status("POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n"), 411);
    // A head that never ends is refused once it is past the limit, ended or not.
    EXPECT_EQ(status("GET / HTTP/1.1\r\nX: " + std::string(kLimits.maxHead, 'a')), 431);
    EXPECT_EQ(status("GET / HTTP/1.1\r\nX: " + std::string(kLimits.maxHead, 'a') + "\r\n\r\n"), 431);

    const std::string refusal = server::RefusalResponse(413);
    EXPECT_EQ(refusal.rfind("HTTP/1.1 413 Payload Too Large\r\n", 0), 0u);
    EXPECT_NE(refusal.find("Connection: close\r\n"), std::string::npos);
    const std::size_t body = refusal.find("\r\n\r\n") + 4;
    EXPECT_NE(refusal.find("Content-Length: " + std::to_string(refusal.size() - body)), std::string::npos);
}

}  // namespace
