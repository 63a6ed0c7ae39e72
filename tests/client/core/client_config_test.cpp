// The configuration read from config.xml and the server address rule.
#include "client/core/client_config.h"

#include <gtest/gtest.h>

#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace {

class AppConfig : public ::testing::Test {
protected:
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        if (!directory_.empty()) platform::RemoveDirectoryTree(directory_);
    }
    // A program directory holding config.xml with `body` inside its root element.
    void UseConfig(const std::string& body) {
        if (directory_.empty()) directory_ = platform::MakeTempDirectory("quorvel-config");
        platform::SetProgramDirectoryForTesting(directory_);
        ASSERT_TRUE(platform::ReplaceFileAtomically(
            directory_ + "/config.xml",
            "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<Config>" + body + "</Config>"));
    }
    std::string directory_;
};

TEST_F(AppConfig, ServerUrlsRunHostAndPathTogetherKeepingDoubleSlashes) {
    ClientConfig config;
    config.serverBase = "eval.example.com";
    EXPECT_EQ(config.ServerUrl("/login.asp"), "http://eval.example.com/login.asp");
    EXPECT_EQ(config.ServerUrl("//KRClientUpdate/UpdateList.xml"),
              "http://eval.example.com//KRClientUpdate/UpdateList.xml");

    config.serverBase = "eval.example.com:8080/kr";
    EXPECT_EQ(config.ServerUrl("/login.asp"), "http://eval.example.com:8080/kr/login.asp");

    // No configured server: the scheme runs straight into the path.
    config.serverBase.clear();
    EXPECT_EQ(config.ServerUrl("/login.asp"), "http:///login.asp");
}

TEST_F(AppConfig, ProgramDirectoryComesFromThePlatformNotTheWorkingDirectory) {
    const ClientConfig running = LoadConfig();
    EXPECT_EQ(running.programDirectory, platform::ProgramDirectory());
    EXPECT_NE(running.programDirectory.back(), '/');
    platform::SetProgramDirectoryForTesting("/opt/quorvel");
    EXPECT_EQ(LoadConfig().programDirectory, "/opt/quorvel");
}

TEST_F(AppConfig, LoadConfigReadsTheServerBaseAndEveryHost) {
    UseConfig(
        "<RemotFilePath>127.0.0.1:8080</RemotFilePath><NewsTime>2026-12-07</NewsTime>"
        "<ProductSite>www.example.com</ProductSite><AccountPortal>passport.example.com"
        "</AccountPortal><MakerSite>maker.example.com</MakerSite><CommunityServer>"
        "bbs.example.com:81</CommunityServer><RecommendSite>tuijian.example.com</RecommendSite>"
        "<SupportMail>support@example.com</SupportMail>");
    const ClientConfig v = LoadConfig();
    EXPECT_EQ(v.serverBase, "127.0.0.1:8080");
    EXPECT_EQ(v.hosts.productSite, "www.example.com");
    EXPECT_EQ(v.hosts.accountPortal, "passport.example.com");
    EXPECT_EQ(v.hosts.makerSite, "maker.example.com");
    EXPECT_EQ(v.hosts.communityServer, "bbs.example.com:81");
    EXPECT_EQ(v.hosts.recommendSite, "tuijian.example.com");
    EXPECT_EQ(v.hosts.supportMail, "support@example.com");
    EXPECT_EQ(v.ServerUrl("//KRClientUpdate/UpdateList.xml"),
              "http://127.0.0.1:8080//KRClientUpdate/UpdateList.xml");
}

TEST_F(AppConfig, MissingHostsMeanTheEvaluationServerAndNoMailAddress) {
    UseConfig("<RemotFilePath>\r\n  eval.example.com/kr \r\n</RemotFilePath>");
    const ClientConfig v = LoadConfig();
    EXPECT_EQ(v.serverBase, "eval.example.com/kr");  // surrounding white space dropped
    EXPECT_EQ(v.hosts.productSite, "eval.example.com/kr");
    EXPECT_EQ(v.hosts.accountPortal, "eval.example.com/kr");
    EXPECT_EQ(v.hosts.makerSite, "eval.example.com/kr");
    EXPECT_EQ(v.hosts.communityServer, "eval.example.com/kr");
    EXPECT_EQ(v.hosts.recommendSite, "eval.example.com/kr");
    EXPECT_EQ(v.hosts.supportMail, "");
}

TEST_F(AppConfig, MissingServerBaseOrFileMeansNoServer) {
    UseConfig("<RemotFilePath>first.example.com</RemotFilePath><ProductSite>p</ProductSite>");
    EXPECT_EQ(LoadConfig().serverBase, "first.example.com");
    // No RemotFilePath: no server at all.
    UseConfig("<NewsTime>1</NewsTime>");
    const ClientConfig none = LoadConfig();
    EXPECT_EQ(none.serverBase, "");
    EXPECT_EQ(none.hosts.productSite, "");
    EXPECT_EQ(none.ServerUrl("/login.asp"), "http:///login.asp");
    // No config.xml at all.
    platform::RemoveFile(directory_ + "/config.xml");
    EXPECT_EQ(LoadConfig().serverBase, "");
}

}  // namespace
