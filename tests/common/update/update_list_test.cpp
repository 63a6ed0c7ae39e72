// The data-file cycle of CUpdateList against a small site: what is fetched, what is
// installed, what the local list records afterwards, and what is never written.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <set>
#include <string>
#include <thread>

#include "common/platform/files.h"
#include "common/update/update_list.h"
#include "common/update/update_list_walk.h"
#include "common/xml/xml_doc.h"
#include "update_site.h"

namespace {

namespace fs = std::filesystem;
using update::ListedFile;

std::string ListText(const std::string& base, const std::vector<ListedFile>& files) {
    return update::FileListDocument(base, files);
}

class UpdateListTest : public ::testing::Test {
protected:
    void SetUp() override {
        sandbox_ = platform::MakeTempDirectory("quorvel-update-list");
        program_ = sandbox_ + "/program";
        tmp_ = sandbox_ + "/tmp";
        ASSERT_TRUE(platform::CreateDirectories(program_));
        ASSERT_TRUE(platform::CreateDirectories(tmp_));
        const char* old = getenv("TMPDIR");
        if (old) oldTmp_ = old;
        hadTmp_ = old != nullptr;
        setenv("TMPDIR", tmp_.c_str(), 1);
        base_ = site_.Url("/files/");
    }
    void TearDown() override {
        if (hadTmp_)
            setenv("TMPDIR", oldTmp_.c_str(), 1);
        else
            unsetenv("TMPDIR");
        platform::RemoveDirectoryTree(sandbox_);
    }

    void WriteLocal(const std::vector<ListedFile>& files) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(program_ + "/AutoUpdateList.xml", ListText("", files)));
    }
    void Serve(const std::vector<ListedFile>& files) { site_.Put("/list.xml", ListText(base_, files)); }
    std::vector<ListedFile> LocalEntries() {
        CXmlDoc doc;
        doc.LoadFile(program_ + "/AutoUpdateList.xml");
        return update::ReadFileList(doc).files;
    }
    std::string Installed(const std::string& relative) {
        std::string text;
        platform::ReadWholeFile(program_ + "/" + relative, text);
        return text;
    }
    // One cycle as the background update runs it; the changed names.
    std::vector<std::string> Cycle(CUpdateList& list) {
        std::vector<std::string> changed;
        if (!list.Compare("AutoUpdateList.xml", site_.Url("/list.xml"), program_)) return changed;
        for (const ListedFile& file : list.Changed()) changed.push_back(file.name);
        if (list.ChangedCount() < 1) return changed;
        list.DownloadChanged();
        list.Install();
        return changed;
    }
    // Every file below the sandbox, relative to it.
    std::set<std::string> SandboxFiles() {
        std::set<std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(sandbox_))
            if (!entry.is_directory()) files.insert(fs::relative(entry.path(), sandbox_).string());
        return files;
    }

    updatetest::UpdateSite site_;
    std::string sandbox_, program_, tmp_, base_, oldTmp_;
    bool hadTmp_ = false;
};

TEST_F(UpdateListTest, ChangedFilesAreInstalledAndTheNextCycleFetchesNothing) {
    WriteLocal({{"Same.xml", "1"}, {"Old.xml", "1"}, {"AutoUpdateList.xml", "1"}});
    Serve({{"Same.xml", "1"}, {"Old.xml", "2"}, {"image\\New.gif", "1"}, {"AutoUpdateList.xml", "2"}});
    site_.Put("/files/Same.xml", "same");
    site_.Put("/files/Old.xml", "old v2");
    site_.Put("/files/image/New.gif", "GIF89a");

    CUpdateList list;
    EXPECT_EQ(Cycle(list), (std::vector<std::string>{"Old.xml", "image\\New.gif", "AutoUpdateList.xml"}));
    EXPECT_EQ(Installed("Old.xml"), "old v2");
    EXPECT_EQ(Installed("image/New.gif"), "GIF89a");
    EXPECT_FALSE(platform::FileExists(program_ + "/Same.xml"));
    // Neither the list's own entry nor the current file was fetched.
    for (const std::string& path : site_.Requested()) {
        EXPECT_NE(path, "/files/AutoUpdateList.xml");
        EXPECT_NE(path, "/files/Same.xml");
    }
    const std::vector<ListedFile> local = LocalEntries();
    ASSERT_EQ(local.size(), 4u);
    EXPECT_EQ(local[1].version, "2");
    EXPECT_EQ(local[3].version, "2");

    const std::size_t asked = site_.Requested().size();
    EXPECT_TRUE(Cycle(list).empty());
    EXPECT_EQ(site_.Requested().size(), asked + 1);  // the list only
    // No part file, no temporary folder left behind.
    EXPECT_EQ(SandboxFiles(), (std::set<std::string>{"program/AutoUpdateList.xml", "program/Old.xml",
                                                     "program/image/New.gif"}));
}

TEST_F(UpdateListTest, AFailedFileKeepsItsOldEntryAndIsFetchedAgainNextCycle) {
    WriteLocal({{"A.xml", "1"}, {"B.xml", "1"}});
    ASSERT_TRUE(platform::ReplaceFileAtomically(program_ + "/B.xml", "b v1"));
    Serve({{"A.xml", "2"}, {"B.xml", "2"}, {"C.xml", "1"}});
    site_.Put("/files/A.xml", "a v2");  // B and C are missing on the server

    CUpdateList list;
    Cycle(list);
    EXPECT_FALSE(list.Install());  // nothing left to install, and not everything arrived
    EXPECT_EQ(Installed("A.xml"), "a v2");
    EXPECT_EQ(Installed("B.xml"), "b v1");
    EXPECT_FALSE(platform::FileExists(program_ + "/C.xml"));
    const std::vector<ListedFile> local = LocalEntries();
    ASSERT_EQ(local.size(), 2u);  // A now at 2, B still at 1, C not recorded
    EXPECT_EQ(local[0].version, "2");
    EXPECT_EQ(local[1].version, "1");

    site_.Put("/files/B.xml", "b v2");
    site_.Put("/files/C.xml", "c v1");
    EXPECT_EQ(Cycle(list), (std::vector<std::string>{"B.xml", "C.xml"}));
    EXPECT_EQ(Installed("B.xml"), "b v2");
    EXPECT_EQ(Installed("C.xml"), "c v1");
    EXPECT_TRUE(Cycle(list).empty());
}

TEST_F(UpdateListTest, HostileNamesAreNeitherFetchedNorWrittenAnywhere) {
    ASSERT_FALSE(fs::exists("/etc/x"));
    WriteLocal({});
    Serve({{"..\\evil", "1"}, {"/etc/x", "1"}, {"a/../../x", "1"}, {"%2e%2e\\x", "1"}, {"C:\\x", "1"},
           {"Good.xml", "1"}});
    for (const char* path : {"/files/../evil", "/files//etc/x", "/files/a/../../x", "/files/%2e%2e/x",
                             "/files/C:/x", "/evil", "/x"})
        site_.Put(path, "planted");
    site_.Put("/files/Good.xml", "good");

    CUpdateList list;
    Cycle(list);
    EXPECT_EQ(site_.Requested(), (std::vector<std::string>{"/list.xml", "/files/Good.xml"}));
    EXPECT_EQ(SandboxFiles(), (std::set<std::string>{"program/AutoUpdateList.xml", "program/Good.xml"}));
    EXPECT_FALSE(fs::exists("/etc/x"));
    // The refused names stay unrecorded, so they count as changed again; still nothing is asked.
    EXPECT_EQ(LocalEntries().size(), 1u);
    Cycle(list);
    EXPECT_EQ(site_.Requested().size(), 3u);
}

TEST_F(UpdateListTest, TheUsersOwnFilesAreNeverReplaced) {
    WriteLocal({});
    ASSERT_TRUE(platform::ReplaceFileAtomically(program_ + "/config.xml", "mine"));
    Serve({{"config.xml", "1"}, {"LOGININFO.XML", "1"}, {"ClcltdDataInfo.xml", "1"}, {"A.xml", "1"}});
    for (const char* path : {"/files/config.xml", "/files/LOGININFO.XML", "/files/ClcltdDataInfo.xml"})
        site_.Put(path, "planted");
    site_.Put("/files/A.xml", "a");
    CUpdateList list;
    Cycle(list);
    EXPECT_EQ(site_.Requested(), (std::vector<std::string>{"/list.xml", "/files/A.xml"}));
    EXPECT_EQ(Installed("config.xml"), "mine");
    EXPECT_EQ(Installed("A.xml"), "a");
    EXPECT_EQ(SandboxFiles(), (std::set<std::string>{"program/AutoUpdateList.xml", "program/A.xml", "program/config.xml"}));
}

TEST_F(UpdateListTest, AnUnreachableOrEmptyServerListChangesNothing) {
    WriteLocal({{"A.xml", "1"}});
    CUpdateList list;
    EXPECT_FALSE(list.Compare("AutoUpdateList.xml", site_.Url("/missing.xml"), program_));
    EXPECT_EQ(list.ChangedCount(), 0);
    site_.Put("/list.xml", "<AutoUpdateList><Files/></AutoUpdateList>");
    EXPECT_FALSE(list.Compare("AutoUpdateList.xml", site_.Url("/list.xml"), program_));
    // A list without a download base fetches nothing.
    site_.Put("/list.xml", ListText("", {{"A.xml", "2"}}));
    EXPECT_TRUE(list.Compare("AutoUpdateList.xml", site_.Url("/list.xml"), program_));
    EXPECT_TRUE(list.DownloadChanged().empty());
    EXPECT_EQ(LocalEntries()[0].version, "1");
}

TEST_F(UpdateListTest, TwoListsDownloadIntoFoldersOfTheirOwn) {
    WriteLocal({});
    Serve({{"A.xml", "1"}});
    site_.Put("/files/A.xml", "a");
    CUpdateList first, second;
    ASSERT_TRUE(first.Compare("AutoUpdateList.xml", site_.Url("/list.xml"), program_));
    ASSERT_TRUE(second.Compare("AutoUpdateList.xml", site_.Url("/list.xml"), program_));
    EXPECT_EQ(first.DownloadChanged().size(), 1u);
    EXPECT_EQ(second.DownloadChanged().size(), 1u);
    EXPECT_NE(first.TemporaryFolder(), second.TemporaryFolder());
    // Both folders lie below the system's temporary folder.
    EXPECT_EQ(first.TemporaryFolder().rfind(tmp_ + "/", 0), 0u);
    // One installing (and removing its folder) leaves the other's download alone.
    EXPECT_TRUE(first.Install());
    EXPECT_TRUE(platform::FileExists(second.TemporaryFolder() + "/A.xml"));
    EXPECT_TRUE(second.Install());
    EXPECT_EQ(Installed("A.xml"), "a");
}

TEST_F(UpdateListTest, AStalledDownloadEndsWhenStopped) {
    WriteLocal({});
    Serve({{"Slow.xml", "1"}, {"Next.xml", "1"}});
    site_.Stall("/files/Slow.xml");
    site_.Put("/files/Next.xml", "next");
    CUpdateList list;
    list.Engine().SetReceiveTimeout(60000);  // only the stop can end the wait in time
    ASSERT_TRUE(list.Compare("AutoUpdateList.xml", site_.Url("/list.xml"), program_));
    auto run = std::async(std::launch::async, [&] { return list.DownloadChanged(); });
    for (int i = 0; i < 500 && site_.Requested().size() < 2; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    // Asked again until the run ends: a stop in the instant a download begins is forgotten.
    std::future_status status = std::future_status::timeout;
    for (int i = 0; i < 50 && status != std::future_status::ready; ++i) {
        list.Stop();
        status = run.wait_for(std::chrono::milliseconds(100));
    }
    ASSERT_EQ(status, std::future_status::ready) << "the stalled download did not stop";
    EXPECT_TRUE(run.get().empty());
    EXPECT_FALSE(list.Install());
    EXPECT_FALSE(platform::FileExists(program_ + "/Slow.xml"));
    EXPECT_FALSE(platform::FileExists(program_ + "/Next.xml"));
}

}  // namespace
