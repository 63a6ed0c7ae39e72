// The background threads' bodies against the sample server: version check, data-file
// cycles and the connectivity watch, with a recording host in place of the main window.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "client/core/background_threads.h"
#include "common/platform/files.h"
#include "common/platform/internet.h"
#include "support/sample_server.h"
#include "update_site.h"

#ifndef QUORVEL_SOURCE_DIR
#error "QUORVEL_SOURCE_DIR must name the source tree"
#endif

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Records what the threads ask of the window; answers questions with `answer`.
class RecordingHost : public BackgroundHost {
public:
    void WarnNetworkDown(StopSignal&) override { Note("warn"); }
    void ShowSameVersion(const std::string& local) override { Note("same " + local); }
    void ShowNewVersion(const std::string& local, const std::string& server) override {
        Note("new " + local + " " + server);
    }
    bool AskToUpdate(StopSignal&) override {
        Note("ask");
        return answer;
    }
    void StartUpdater() override { Note("start"); }

    std::vector<std::string> Calls() {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    // Waits (bounded) until `call` has been made `times` times.
    bool WaitFor(const std::string& call, int times = 1) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 20s, [&] { return std::count(calls_.begin(), calls_.end(), call) >= times; });
    }
    bool answer = false;

private:
    void Note(const std::string& call) {
        {
            std::lock_guard lock(mutex_);
            calls_.push_back(call);
        }
        changed_.notify_all();
    }
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> calls_;
};

// Collects the data-file cycles of one thread.
class Cycles {
public:
    void Add(const DataCycle& cycle) {
        {
            std::lock_guard lock(mutex_);
            cycles_.push_back(cycle);
        }
        changed_.notify_all();
    }
    // The first `count` cycles, waiting (bounded) for them; fewer when they did not come.
    std::vector<DataCycle> First(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 20s, [&] { return cycles_.size() >= count; });
        return {cycles_.begin(), cycles_.begin() + static_cast<long>(std::min(count, cycles_.size()))};
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<DataCycle> cycles_;
};

// A program directory holding the shipped lists and data files, configured for `server`.
class Installation {
public:
    // The program directory is the only thing in a folder of its own, so that anything
    // written beside it shows.
    explicit Installation(const std::string& serverBase) : sandbox(platform::MakeTempDirectory("quorvel-background")) {
        config.programDirectory = sandbox + "/program";
        platform::CreateDirectories(config.programDirectory);
        config.serverBase = serverBase;
        for (const char* name : {"UpdateList.xml", "AutoUpdateList.xml", "StockInfo.xml", "Advertise.XML"})
            fs::copy_file(std::string(QUORVEL_SOURCE_DIR) + "/assets/" + name, File(name));
    }
    ~Installation() { platform::RemoveDirectoryTree(sandbox); }
    std::string File(const std::string& name) const { return config.programDirectory + "/" + name; }
    std::string Read(const std::string& name) const {
        std::string text;
        platform::ReadWholeFile(File(name), text);
        return text;
    }
    // Points the local data-file list at another list folder.
    void ListFrom(const std::string& base) {
        platform::ReplaceFileAtomically(File("AutoUpdateList.xml"),
                                        "<AutoUpdateList><Updater><Url>" + base + "</Url></Updater><Files/></AutoUpdateList>");
    }
    std::string sandbox;
    ClientConfig config;
};

// Runs one thread body until the test's end.
class Worker {
public:
    template <typename Body>
    explicit Worker(Body body) : thread_([this, body] { body(stop); }) {}
    ~Worker() { Finish(); }
    void Finish() {
        stop.Stop();
        if (thread_.joinable()) thread_.join();
    }
    StopSignal stop;

private:
    std::thread thread_;
};

class BackgroundThreadsTest : public ::testing::Test {
protected:
    BackgroundThreadsTest() {
        platform::DefaultInternetTimeouts() = {1000, 3000};
    }
    ~BackgroundThreadsTest() override { platform::DefaultInternetTimeouts() = saved_; }

    // A changed stock directory, served in place of the shipped one.
    std::string ChangeStockDirectory(SampleServer& server) {
        std::string text;
        platform::ReadWholeFile(std::string(QUORVEL_SOURCE_DIR) + "/assets/StockInfo.xml", text);
        text += "<!-- changed -->\n";
        platform::CreateDirectories(server.DataDirectory() + "/payload");
        platform::ReplaceFileAtomically(server.DataDirectory() + "/payload/StockInfo.xml", text);
        return text;
    }

    // The first `count` data-file cycles of a thread run for `install` while online.
    static std::vector<DataCycle> FirstCycles(const Installation& install, std::size_t count) {
        OnlineFlag online;
        Cycles cycles;
        Worker worker([&](StopSignal& stop) {
            RunDataUpdate(install.config, online, stop, 10, [&](const DataCycle& c) { cycles.Add(c); });
        });
        std::vector<DataCycle> seen = cycles.First(count);
        worker.Finish();
        return seen;
    }

    platform::InternetTimeouts saved_ = platform::DefaultInternetTimeouts();
};

TEST_F(BackgroundThreadsTest, EqualVersionsOnlyShowTheLine) {
    SampleServer server;  // announces 1.0.0, as the shipped UpdateList.xml holds
    ASSERT_TRUE(server.Running()) << server.Error();
    Installation install(server.BaseHost());
    RecordingHost host;
    StopSignal stop;
    RunVersionCheck(install.config, host, stop, 0);
    EXPECT_EQ(host.Calls(), (std::vector<std::string>{"same 1.0.0"}));
}

TEST_F(BackgroundThreadsTest, ADifferentVersionAsksAndStartsTheUpdaterOnlyOnYes) {
    SampleServer server({"--app-version", "0.9.0"});  // lower counts as different too
    ASSERT_TRUE(server.Running()) << server.Error();
    Installation install(server.BaseHost());
    RecordingHost host;
    StopSignal stop;
    RunVersionCheck(install.config, host, stop, 0);
    EXPECT_EQ(host.Calls(), (std::vector<std::string>{"new 1.0.0 0.9.0", "ask"}));
    host.answer = true;
    RunVersionCheck(install.config, host, stop, 0);
    EXPECT_EQ(host.Calls().back(), "start");
}

TEST_F(BackgroundThreadsTest, TheLocalListCanNameWhereTheVersionListIs) {
    SampleServer server({"--app-version", "2.0.0"});
    ASSERT_TRUE(server.Running()) << server.Error();
    Installation install("127.0.0.1:1");  // nothing listens there
    platform::ReplaceFileAtomically(install.File("UpdateList.xml"),
                                    "<UpdateList><Updater><Url>" + server.Url("/KRClientUpdate/") +
                                        "</Url></Updater><Application><Version>1.0.0</Version></Application></UpdateList>");
    RecordingHost host;
    StopSignal stop;
    RunVersionCheck(install.config, host, stop, 0);
    EXPECT_EQ(host.Calls().front(), "new 1.0.0 2.0.0");
    // Without a reachable list the server's version is empty, and so different.
    Installation unreachable("127.0.0.1:1");
    RecordingHost other;
    RunVersionCheck(unreachable.config, other, stop, 0);
    EXPECT_EQ(other.Calls().front(), "new 1.0.0 ");
}

TEST_F(BackgroundThreadsTest, ACycleInstallsAChangedStockDirectoryAndTheNextFetchesNothing) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    const std::string changed = ChangeStockDirectory(server);
    Installation install(server.BaseHost());
    const std::vector<DataCycle> seen = FirstCycles(install, 2);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_GE(seen[0].changed, 1);
    EXPECT_TRUE(seen[0].installed);
    EXPECT_EQ(seen[1].changed, 0);
    EXPECT_EQ(install.Read("StockInfo.xml"), changed);
}

TEST_F(BackgroundThreadsTest, HostileAndMissingFilesAreLeftOutWhileTheOthersInstall) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    const std::string changed = ChangeStockDirectory(server);
    for (const char* listFolder : {"/__update/hostile/", "/__update/missing/"}) {
        SCOPED_TRACE(listFolder);
        Installation install(server.BaseHost());
        install.ListFrom(server.Url(listFolder));
        const fs::path program = install.config.programDirectory;
        const std::vector<DataCycle> seen = FirstCycles(install, 2);
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_FALSE(seen[0].installed);
        // The good files are in place; the others count as changed again next cycle.
        EXPECT_EQ(install.Read("StockInfo.xml"), changed);
        EXPECT_GE(seen[1].changed, 1);
        EXPECT_FALSE(seen[1].installed);
        EXPECT_EQ(std::distance(fs::directory_iterator(install.sandbox), fs::directory_iterator()), 1);
        EXPECT_FALSE(fs::exists(program / "Missing.xml"));
        EXPECT_FALSE(fs::exists("/etc/x"));
        for (const auto& entry : fs::recursive_directory_iterator(program))
            EXPECT_EQ(entry.path().string().find(".down"), std::string::npos) << entry.path();
    }
}

TEST_F(BackgroundThreadsTest, TwoClientsCyclingAtOnceBothInstall) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    const std::string changed = ChangeStockDirectory(server);
    Installation first(server.BaseHost()), second(server.BaseHost());
    OnlineFlag online;
    Cycles firstCycles, secondCycles;
    Worker a([&](StopSignal& stop) {
        RunDataUpdate(first.config, online, stop, 1, [&](const DataCycle& c) { firstCycles.Add(c); });
    });
    Worker b([&](StopSignal& stop) {
        RunDataUpdate(second.config, online, stop, 1, [&](const DataCycle& c) { secondCycles.Add(c); });
    });
    EXPECT_TRUE(firstCycles.First(3).at(0).installed);
    EXPECT_TRUE(secondCycles.First(3).at(0).installed);
    a.Finish();
    b.Finish();
    EXPECT_EQ(first.Read("StockInfo.xml"), changed);
    EXPECT_EQ(second.Read("StockInfo.xml"), changed);
}

TEST_F(BackgroundThreadsTest, NothingIsFetchedWhileOffline) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    Installation install(server.BaseHost());
    OnlineFlag online;
    online.Set(false);
    const long before = server.RequestCount();
    Cycles cycles;
    {
        Worker worker([&](StopSignal& stop) {
            RunDataUpdate(install.config, online, stop, 1, [&](const DataCycle& c) { cycles.Add(c); });
        });
        std::this_thread::sleep_for(50ms);
    }
    EXPECT_EQ(server.RequestCount(), before);
}

TEST_F(BackgroundThreadsTest, TheWatchClearsTheFlagAndWarnsWhenTheServerStopsAndSetsItWhenItReturns) {
    auto server = std::make_unique<SampleServer>();
    ASSERT_TRUE(server->Running()) << server->Error();
    const int port = server->Port();
    Installation install(server->BaseHost());
    OnlineFlag online;
    online.Set(false);
    RecordingHost host;
    Worker worker([&](StopSignal& stop) { RunNetWatch(install.config, online, host, stop, 10); });
    for (int i = 0; i < 1000 && !online.IsOnline(); ++i) std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(online.IsOnline());

    server.reset();
    ASSERT_TRUE(host.WaitFor("warn"));
    EXPECT_FALSE(online.IsOnline());
    // The warning comes again while the server stays away.
    EXPECT_TRUE(host.WaitFor("warn", 2));

    server = std::make_unique<SampleServer>(std::vector<std::string>{"--port", std::to_string(port)});
    ASSERT_TRUE(server->Running()) << server->Error();
    for (int i = 0; i < 1000 && !online.IsOnline(); ++i) std::this_thread::sleep_for(10ms);
    EXPECT_TRUE(online.IsOnline());
}

TEST_F(BackgroundThreadsTest, AStalledDownloadEndsWithTheStopSignal) {
    updatetest::UpdateSite site;
    site.Put("/list/AutoUpdateList.xml",
             "<L><Updater><Url>" + site.Url("/files/") + "</Url></Updater><Files><File Name=\"Slow.xml\" Ver=\"1\"/></Files></L>");
    site.Stall("/files/Slow.xml");
    Installation install("127.0.0.1:1");
    install.ListFrom(site.Url("/list/"));
    OnlineFlag online;
    std::atomic<bool> finished{false};
    auto worker = std::make_unique<Worker>([&](StopSignal& stop) {
        RunDataUpdate(install.config, online, stop, 1);
        finished = true;
    });
    for (int i = 0; i < 1000 && site.Requested().size() < 2; ++i) std::this_thread::sleep_for(10ms);
    ASSERT_EQ(site.Requested().size(), 2u);
    worker->stop.Stop();
    for (int i = 0; i < 100 && !finished; ++i) {
        worker->stop.Repeat();
        std::this_thread::sleep_for(20ms);
    }
    EXPECT_TRUE(finished) << "the thread still waits for the stalled download";
    worker.reset();
    EXPECT_FALSE(fs::exists(install.File("Slow.xml")));
}

}  // namespace
