#include "common/platform/log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Line {
    platform::LogLevel level;
    std::string category;
    std::string message;
};

TEST(Log, LinesReachTheInstalledSinkAndTheDefaultComesBack) {
    std::vector<Line> lines;
    platform::SetLogSink([&](platform::LogLevel level, std::string_view category,
                             std::string_view message) {
        lines.push_back({level, std::string(category), std::string(message)});
    });
    platform::Log(platform::LogLevel::Warning, "quorvel.net", "fetch failed: timed out");
    platform::SetLogSink({});
    testing::internal::CaptureStderr();
    platform::Log(platform::LogLevel::Error, "quorvel.xml", "unreadable");
    const std::string stderrText = testing::internal::GetCapturedStderr();

    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].level, platform::LogLevel::Warning);
    EXPECT_EQ(lines[0].category, "quorvel.net");
    EXPECT_EQ(lines[0].message, "fetch failed: timed out");
    EXPECT_EQ(stderrText, "quorvel.xml: error: unreadable\n");
}

}  // namespace
