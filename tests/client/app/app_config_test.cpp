// Process-wide values and the server address rule.
#include "client/app/app_config.h"

#include <gtest/gtest.h>

#include "common/platform/paths.h"

namespace {

class AppConfig : public ::testing::Test {
protected:
    void TearDown() override {
        ProcessValues() = ClientValues{};
        platform::SetProgramDirectoryForTesting("");
    }
};

TEST_F(AppConfig, ServerUrlsRunHostAndPathTogetherKeepingDoubleSlashes) {
    ProcessValues().serverBase = "eval.example.com";
    EXPECT_EQ(ServerUrl("/login.asp"), "http://eval.example.com/login.asp");
    EXPECT_EQ(ServerUrl("//KRClientUpdate/UpdateList.xml"),
              "http://eval.example.com//KRClientUpdate/UpdateList.xml");

    ProcessValues().serverBase = "eval.example.com:8080/kr";
    EXPECT_EQ(ServerUrl("/login.asp"), "http://eval.example.com:8080/kr/login.asp");

    // No configured server: the scheme runs straight into the path.
    ProcessValues().serverBase.clear();
    EXPECT_EQ(ServerUrl("/login.asp"), "http:///login.asp");
}

TEST_F(AppConfig, ProgramDirectoryComesFromThePlatformNotTheWorkingDirectory) {
    EXPECT_TRUE(ProcessValues().programDirectory.empty());
    InitProgramDirectory();
    EXPECT_EQ(ProcessValues().programDirectory, platform::ProgramDirectory());
    EXPECT_NE(ProcessValues().programDirectory.back(), '/');
    platform::SetProgramDirectoryForTesting("/opt/quorvel");
    InitProgramDirectory();
    EXPECT_EQ(ProcessValues().programDirectory, "/opt/quorvel");
}

}  // namespace
