// Finding the client's process by its program file and ending it: asked first, forced
// only when it will not go.
#include <gtest/gtest.h>

#include <chrono>

#include "common/platform/files.h"
#include "common/platform/processes.h"
#include "repair_sandbox.h"
#include "standin_process.h"

namespace {

using namespace std::chrono_literals;

TEST(ProcessesTest, FindsTheClientOfItsFolderOnly) {
    RepairSandbox sandbox;
    const std::string other = sandbox.Root() + "/other";
    platform::CreateDirectories(other);
    EXPECT_EQ(platform::FindProcess("krclient", sandbox.Program()), -1);
    StandInClient client(sandbox.Program(), sandbox.Root() + "/marker");
    ASSERT_TRUE(client.Started());
    EXPECT_EQ(platform::FindProcess("krclient", sandbox.Program()), client.Pid());
    EXPECT_EQ(platform::FindProcess("KRCLIENT", sandbox.Program()), client.Pid());
    EXPECT_EQ(platform::FindProcess("krclient", other), -1);
    EXPECT_EQ(platform::FindProcess("krclien", sandbox.Program()), -1);
}

TEST(ProcessesTest, AClientAskedToEndSavesAndGoes) {
    RepairSandbox sandbox;
    const std::string marker = sandbox.Root() + "/marker";
    StandInClient client(sandbox.Program(), marker);
    ASSERT_TRUE(client.Started());
    EXPECT_EQ(platform::EndProcess(client.Pid(), 5s), platform::EndOutcome::Ended);
    std::string saved;
    EXPECT_TRUE(platform::ReadWholeFile(marker, saved));
    EXPECT_EQ(saved, "saved");
    EXPECT_EQ(platform::FindProcess("krclient", sandbox.Program()), -1);
}

TEST(ProcessesTest, AClientThatIgnoresTheRequestIsForcedAfterTheWait) {
    RepairSandbox sandbox;
    StandInClient client(sandbox.Program(), sandbox.Root() + "/marker", true);
    ASSERT_TRUE(client.Started());
    EXPECT_EQ(platform::EndProcess(client.Pid(), 200ms), platform::EndOutcome::Forced);
    EXPECT_FALSE(client.Running());
    EXPECT_FALSE(platform::FileExists(sandbox.Root() + "/marker"));
}

}  // namespace
