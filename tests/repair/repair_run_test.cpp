// The repair run against the sample server and a scripted site: what is fetched from
// where, what is installed, what is refused, and what a failure or a stop leaves.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <functional>
#include <future>
#include <thread>

#include "common/platform/ascii_case.h"
#include "common/update/update_list_walk.h"
#include "repair/repair_list.h"
#include "repair/repair_run.h"
#include "repair_sandbox.h"
#include "support/sample_server.h"
#include "update_site.h"

namespace {

using repair::FileOutcome;

// What the sample server serves for a shipped file: XML files name the host the request
// gave (the download engine's Host header carries no port).
std::string Served(const std::string& name, const std::string& host) {
    std::string path = std::string(QUORVEL_SOURCE_DIR) + "/assets/" + name;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::string text;
    platform::ReadWholeFile(path, text);
    if (platform::AsciiLower(name).ends_with(".xml"))
        for (std::size_t at = text.find("127.0.0.1:8080"); at != std::string::npos; at = text.find("127.0.0.1:8080", at))
            text.replace(at, 14, host), at += host.size();
    return text;
}

FileOutcome OutcomeOf(const repair::RepairReport& report, const std::string& name) {
    for (const auto& file : report.files)
        if (file.file.name == name) return file.outcome;
    ADD_FAILURE() << name << " is not in the report";
    return FileOutcome::NotDownloaded;
}

class RepairRunTest : public ::testing::Test {
protected:
    // Started before any sandbox points TMPDIR at itself, so its data outlives each test.
    static void SetUpTestSuite() { Server(); }
    static SampleServer& Server() {
        static SampleServer server;
        return server;
    }
    repair::RepairReport Repair(const std::string& path, const std::function<void()>& installing = {}) {
        repair::CRepairRun run(repair::ReadRepairList(Server().Url(path)), sandbox_.Program());
        return run.Run({}, installing);
    }
    RepairSandbox sandbox_;
};

TEST_F(RepairRunTest, RestoresDamagedAndMissingFilesAndKeepsTheUsersFiles) {
    ASSERT_TRUE(Server().Running()) << Server().Error();
    sandbox_.Write("StockInfo.xml", "damaged");
    sandbox_.Write("image/login.gif", "GIF89a-truncated");
    const std::map<std::string, std::string> mine = {
        {"config.xml", "<Config>mine</Config>"}, {"LoginInfo.xml", "accounts"}, {"ClcltdDataInfo.xml", "rows"}};
    for (const auto& [name, text] : mine) sandbox_.Write(name, text);

    const update::FileList list = repair::ReadRepairList(Server().Url("/Restoration/Restoration.xml"));
    ASSERT_GT(list.files.size(), 10u);
    // Installing is announced once, after every download and before any file is replaced.
    std::vector<std::string> stockInfoWhenInstalling;
    const repair::RepairReport report = Repair("/Restoration/Restoration.xml", [&] {
        stockInfoWhenInstalling.push_back(sandbox_.Read("StockInfo.xml"));
    });
    EXPECT_EQ(stockInfoWhenInstalling, std::vector<std::string>{"damaged"});

    EXPECT_TRUE(report.Complete());
    EXPECT_EQ(report.files.size(), list.files.size());
    for (const update::ListedFile& file : list.files) {
        std::string relative = file.name;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        EXPECT_EQ(sandbox_.Read(relative), Served(file.name, "127.0.0.1")) << file.name;
    }
    for (const auto& [name, text] : mine) EXPECT_EQ(sandbox_.Read(name), text);
    // The private temporary folder is gone with the run.
    for (const auto& [path, text] : sandbox_.Files()) EXPECT_EQ(path.rfind("tmp/", 0), std::string::npos) << path;
}

TEST_F(RepairRunTest, ListsWithoutFilesOrUnreachableNameNoFile) {
    EXPECT_TRUE(repair::ReadRepairList(Server().Url("/__repair/empty/Restoration.xml")).files.empty());
    EXPECT_TRUE(repair::ReadRepairList(Server().Url("/no/such/Restoration.xml")).files.empty());
    EXPECT_TRUE(repair::ReadRepairList("http://127.0.0.1:1/Restoration/Restoration.xml").files.empty());
    EXPECT_EQ(repair::RepairListUrl("example.org:81"), "http://example.org:81/Restoration/Restoration.xml");
}

TEST_F(RepairRunTest, AFileTheServerLacksIsReportedAndTheOthersInstalled) {
    const repair::RepairReport report = Repair("/__repair/missing/Restoration.xml");
    EXPECT_FALSE(report.Complete());
    EXPECT_EQ(report.FailedCount(), 1);
    EXPECT_EQ(OutcomeOf(report, "Missing.dll"), FileOutcome::NotDownloaded);
    EXPECT_EQ(OutcomeOf(report, "StockInfo.xml"), FileOutcome::Installed);
    EXPECT_FALSE(platform::FileExists(sandbox_.Program() + "/Missing.dll"));
    EXPECT_FALSE(platform::FileExists(sandbox_.Program() + "/Missing.dll.down"));
}

TEST_F(RepairRunTest, HostileNamesAndUserFilesAreRefusedAndNothingLandsOutside) {
    sandbox_.Write("config.xml", "mine");
    const repair::RepairReport report = Repair("/__repair/hostile/Restoration.xml");
    for (const char* name : {"..\\evil.dll", "\\etc\\evil", "/tmp/evil", "image\\..\\..\\evil", "%2e%2e\\evil",
                             "C:\\evil", "image\\sub\\evil", "config.xml"})
        EXPECT_EQ(OutcomeOf(report, name), FileOutcome::Refused) << name;
    EXPECT_EQ(report.FailedCount(), 8);
    EXPECT_EQ(sandbox_.Read("config.xml"), "mine");
    for (const auto& [path, text] : sandbox_.Files()) {
        EXPECT_EQ(path.rfind("program/", 0), 0u) << path;
        EXPECT_EQ(path.find("evil"), std::string::npos) << path;
    }
    EXPECT_FALSE(platform::FileExists("/tmp/evil"));
}

class ScriptedRepairTest : public ::testing::Test {
protected:
    update::FileList List(const std::vector<std::string>& names) {
        update::FileList list{site_.Url("/base/"), true, {}};
        for (const auto& name : names) list.files.push_back({name, "1.0"});
        return list;
    }
    RepairSandbox sandbox_;
    updatetest::UpdateSite site_;
};

TEST_F(ScriptedRepairTest, SubfolderNamesAreFetchedFromTheirFolderOnly) {
    site_.Put("/base/a.dll", "A");
    site_.Put("/base/data/b.xml", "B");
    site_.Put("/base/c.exe", "C");
    repair::CRepairRun run(List({"a.dll", "data\\b.xml", "c.exe"}), sandbox_.Program());
    EXPECT_TRUE(run.Run().Complete());
    EXPECT_EQ(site_.Requested(), (std::vector<std::string>{"/base/a.dll", "/base/data/b.xml", "/base/c.exe"}));
    EXPECT_EQ(sandbox_.Read("a.dll"), "A");
    EXPECT_EQ(sandbox_.Read("data/b.xml"), "B");
    EXPECT_EQ(sandbox_.Read("c.exe"), "C");
}

TEST_F(ScriptedRepairTest, AMissingProgramComesBackRunnable) {
    site_.Put("/base/krclient", "program");
    site_.Put("/base/a.dll", "A");
    repair::CRepairRun run(List({"krclient", "a.dll"}), sandbox_.Program());
    EXPECT_TRUE(run.Run().Complete());
    struct stat st {};
    ASSERT_EQ(::stat((sandbox_.Program() + "/krclient").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0111, 0111);
    ASSERT_EQ(::stat((sandbox_.Program() + "/a.dll").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0111, 0);
}

TEST_F(ScriptedRepairTest, AStoppedRunInstallsNothing) {
    site_.Put("/base/a.dll", "new A");
    site_.Stall("/base/b.dll");
    sandbox_.Write("a.dll", "old A");
    const auto before = sandbox_.Files();
    repair::CRepairRun run(List({"a.dll", "b.dll"}), sandbox_.Program());
    bool installing = false;
    auto result = std::async(std::launch::async, [&run, &installing] { return run.Run({}, [&] { installing = true; }); });
    for (int i = 0; i < 500 && site_.Requested().size() < 2; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_EQ(site_.Requested().size(), 2u);
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) run.Stop();
    const repair::RepairReport report = result.get();
    EXPECT_TRUE(report.stopped);
    EXPECT_FALSE(report.Complete());
    EXPECT_FALSE(installing);
    EXPECT_EQ(sandbox_.Files(), before);
}

}  // namespace
