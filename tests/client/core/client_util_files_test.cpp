// Emptying and copying folder trees.
#include <gtest/gtest.h>
#include <unistd.h>

#include "client/core/client_util.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace {

using platform::DirectoryExists;
using platform::FileExists;

class ClientUtilFiles : public ::testing::Test {
protected:
    void SetUp() override { root_ = platform::MakeTempDirectory("quorvel-util"); }
    void TearDown() override { platform::RemoveDirectoryTree(root_); }
    std::string Path(const std::string& relative) const { return root_ + "/" + relative; }
    void Write(const std::string& relative, const std::string& contents) {
        platform::CreateDirectories(platform::DirectoryOf(Path(relative)));
        ASSERT_TRUE(platform::ReplaceFileAtomically(Path(relative), contents));
    }
    std::string Read(const std::string& relative) const {
        std::string contents;
        platform::ReadWholeFile(Path(relative), contents);
        return contents;
    }
    std::string root_;
    const CClientUtil util_;
};

TEST_F(ClientUtilFiles, DeleteEmptiesTheTreeButKeepsTheFolder) {
    Write("tmp/a.xml", "a");
    Write("tmp/data/b.xml", "b");
    Write("tmp/data/deep/c.gif", "c");
    util_.DeleteDirContents(Path("tmp"));
    EXPECT_TRUE(DirectoryExists(Path("tmp")));
    EXPECT_TRUE(platform::ListDirectory(Path("tmp")).empty());
    // A missing folder is no error.
    util_.DeleteDirContents(Path("missing"));
}

TEST_F(ClientUtilFiles, DeleteRemovesLinksWithoutFollowingThem) {
    Write("outside/keep.txt", "precious");
    Write("tmp/x.txt", "x");
    ASSERT_EQ(symlink(Path("outside").c_str(), Path("tmp/linkdir").c_str()), 0);
    ASSERT_EQ(symlink(Path("outside/keep.txt").c_str(), Path("tmp/linkfile").c_str()), 0);
    util_.DeleteDirContents(Path("tmp") + "/");
    EXPECT_TRUE(platform::ListDirectory(Path("tmp")).empty());
    EXPECT_EQ(Read("outside/keep.txt"), "precious");
}

TEST_F(ClientUtilFiles, CopyMergesTheTreeOverTheTargetOverwritingFiles) {
    Write("src/StockInfo.xml", "new stocks");
    Write("src/image/cy.gif", "new gif");
    Write("dst/StockInfo.xml", "old stocks");
    Write("dst/config.xml", "untouched");
    Write("dst/image/other.gif", "other");
    EXPECT_TRUE(util_.CopyDirContents(Path("src"), Path("dst")));
    EXPECT_EQ(Read("dst/StockInfo.xml"), "new stocks");
    EXPECT_EQ(Read("dst/image/cy.gif"), "new gif");
    EXPECT_EQ(Read("dst/config.xml"), "untouched");
    EXPECT_EQ(Read("dst/image/other.gif"), "other");
    EXPECT_EQ(Read("src/image/cy.gif"), "new gif");  // the source stays
}

TEST_F(ClientUtilFiles, NamesHoldingBackslashesLandInSubFolders) {
    Write("src/data\\b.xml", "b");
    Write("src/image\\skin\\x.gif", "x");
    EXPECT_TRUE(util_.CopyDirContents(Path("src"), Path("dst")));
    EXPECT_EQ(Read("dst/data/b.xml"), "b");
    EXPECT_EQ(Read("dst/image/skin/x.gif"), "x");
    EXPECT_FALSE(FileExists(Path("dst/data\\b.xml")));
}

TEST_F(ClientUtilFiles, CopyOfAMissingSourceFailsAndALinkLoopEnds) {
    EXPECT_FALSE(util_.CopyDirContents(Path("missing"), Path("dst")));
    EXPECT_FALSE(DirectoryExists(Path("dst")));
    Write("src/a.txt", "a");
    ASSERT_EQ(symlink(Path("src").c_str(), Path("src/loop").c_str()), 0);
    EXPECT_TRUE(util_.CopyDirContents(Path("src"), Path("dst")));
    EXPECT_EQ(Read("dst/a.txt"), "a");
    EXPECT_FALSE(DirectoryExists(Path("dst/loop")));
}

}  // namespace
