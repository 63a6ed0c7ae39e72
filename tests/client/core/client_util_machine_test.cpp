// The installed version and the adapter address the login request sends.
#include <gtest/gtest.h>

#include "client/core/client_util.h"
#include "common/platform/files.h"
#include "common/platform/machine.h"
#include "common/platform/paths.h"

namespace {

class ClientUtilMachine : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = platform::MakeTempDirectory("quorvel-version");
        platform::SetProgramDirectoryForTesting(directory_);
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        platform::RemoveDirectoryTree(directory_);
    }
    void WriteUpdateList(const std::string& text) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(directory_ + "/UpdateList.xml", text));
    }
    std::string directory_;
    const CClientUtil util_;
};

TEST_F(ClientUtilMachine, LocalVersionIsApplicationVersionOfTheUpdateList) {
    WriteUpdateList(
        "<?xml version=\"1.0\" encoding=\"GB2312\"?><UpdateList><Files><File Name=\"a\" "
        "Ver=\"9\"/></Files><Updater><Url>http://h/</Url></Updater>"
        "<Application><Version>2.1.0</Version></Application></UpdateList>");
    EXPECT_EQ(util_.GetLocalVersion(), "2.1.0");
}

TEST_F(ClientUtilMachine, MissingListOrElementsGiveEmptyVersion) {
    EXPECT_EQ(util_.GetLocalVersion(), "");
    WriteUpdateList("<UpdateList><Application></Application></UpdateList>");
    EXPECT_EQ(util_.GetLocalVersion(), "");
    WriteUpdateList("not xml at all <<<");
    EXPECT_EQ(util_.GetLocalVersion(), "");
}

TEST_F(ClientUtilMachine, MacAddressIsTheMachinesFirstAdapter) {
    EXPECT_EQ(util_.GetMacAddress(), platform::MachineMacAddress());
}

}  // namespace
