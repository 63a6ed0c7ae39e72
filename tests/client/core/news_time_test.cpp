#include <gtest/gtest.h>

#include <string>

#include "client/core/news_time.h"
#include "common/platform/files.h"

namespace {

class NewsTimeTest : public ::testing::Test {
protected:
    NewsTimeTest() : dir_(platform::MakeTempDirectory("quorvel-news-time")) {}
    ~NewsTimeTest() override { platform::RemoveDirectoryTree(dir_); }
    void WriteConfig(const std::string& text) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(dir_ + "/config.xml", text));
    }
    std::string Config() {
        std::string text;
        platform::ReadWholeFile(dir_ + "/config.xml", text);
        return text;
    }
    std::string dir_;
};

TEST_F(NewsTimeTest, IsReadAndReplacedKeepingTheRestOfTheConfiguration) {
    WriteConfig("<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>\r\n<RemotFilePath>h:1</RemotFilePath>\r\n"
                "<NewsTime>2024-01-01 10:00</NewsTime>\r\n</Config>\r\n");
    EXPECT_EQ(ReadNewsTime(dir_), "2024-01-01 10:00");
    ASSERT_TRUE(SaveNewsTime(dir_, "2024-02-02 <12:00>"));
    EXPECT_EQ(ReadNewsTime(dir_), "2024-02-02 <12:00>");
    EXPECT_NE(Config().find("<RemotFilePath>h:1</RemotFilePath>"), std::string::npos);
}

TEST_F(NewsTimeTest, AMissingElementIsAddedAndAMissingFileIsNotMade) {
    EXPECT_EQ(ReadNewsTime(dir_), "");
    EXPECT_FALSE(SaveNewsTime(dir_, "t"));
    EXPECT_FALSE(platform::FileExists(dir_ + "/config.xml"));

    for (const char* config : {"<Config><RemotFilePath>h:1</RemotFilePath></Config>", "<Config/>", "<Config></Config>"}) {
        SCOPED_TRACE(config);
        WriteConfig(config);
        EXPECT_EQ(ReadNewsTime(dir_), "");
        ASSERT_TRUE(SaveNewsTime(dir_, "2024-03-03"));
        EXPECT_EQ(ReadNewsTime(dir_), "2024-03-03");
    }
    EXPECT_NE(Config().find("<Config>"), std::string::npos);
}

}  // namespace
