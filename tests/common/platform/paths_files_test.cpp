#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "support/umask_scope.h"

using namespace platform;

namespace {
class TempDir {
public:
    TempDir() : path_(MakeTempDirectory("quorvel-platform-test")) {}
    ~TempDir() { RemoveDirectoryTree(path_); }
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return JoinPath(path_, name); }

private:
    std::string path_;
};

void Write(const std::string& path, const std::string& text) {
    ASSERT_TRUE(ReplaceFileAtomically(path, text));
}

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

}  // namespace

TEST(Paths, BackslashNamesJoinUnderTheDirectory) {
    EXPECT_EQ(JoinPath("/opt/q", "image\\cy.gif"), "/opt/q/image/cy.gif");
    EXPECT_EQ(JoinPath("/opt/q/", "\\data\\b.xml"), "/opt/q/data/b.xml");
    EXPECT_EQ(JoinPath("", "a\\b"), "a/b");
    EXPECT_EQ(DirectoryOf("/opt/q/krclient"), "/opt/q");
    EXPECT_EQ(DirectoryOf("krclient"), "");
    EXPECT_EQ(ProgramFileName("krclient"), "krclient");
}

TEST(Paths, ProgramDirectoryIsTheExecutablesFolderWhateverTheWorkingDirectory) {
    std::string dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_NE(dir.back(), '/');
    EXPECT_TRUE(FileExists(dir + "/platform_tests"));
    SetProgramDirectoryForTesting("/somewhere/else");
    EXPECT_EQ(ProgramDirectory(), "/somewhere/else");
    SetProgramDirectoryForTesting("");
    EXPECT_EQ(ProgramDirectory(), dir);
}

TEST(Files, AtomicReplaceKeepsTheOldFileWhenItCannotWrite) {
    TempDir tmp;
    std::string path = tmp.file("keep.xml");
    Write(path, "old contents");
    EXPECT_FALSE(ReplaceFileAtomically(tmp.file("no-such-dir\\x.xml"), "x"));
    if (geteuid() != 0) {  // root writes anywhere, so the read-only case needs a user
        chmod(tmp.path().c_str(), 0500);
        EXPECT_FALSE(ReplaceFileAtomically(path, "new contents"));
        chmod(tmp.path().c_str(), 0700);
    }
    std::string text;
    ASSERT_TRUE(ReadWholeFile(path, text));
    EXPECT_EQ(text, "old contents");
    Write(path, "new contents");
    ASSERT_TRUE(ReadWholeFile(path, text));
    EXPECT_EQ(text, "new contents");
    // No temporary file is left behind.
    EXPECT_EQ(ListDirectory(tmp.path()).size(), 1u);
}

TEST(Files, SizeTimesCopyAndFolders) {
    TempDir tmp;
    std::string a = tmp.file("a.bin");
    Write(a, std::string(1234, 'x'));
    EXPECT_EQ(FileSize(a).value(), 1234u);
    EXPECT_FALSE(FileSize(tmp.file("missing")).has_value());
    EXPECT_FALSE(FileExists(tmp.path()));
    EXPECT_TRUE(DirectoryExists(tmp.path()));

    ASSERT_TRUE(SetFileModificationTime(a, 1000000000));
    EXPECT_EQ(FileModificationTime(a).value(), 1000000000);

    std::string sub = tmp.file("x\\y");
    ASSERT_TRUE(CreateDirectories(sub));
    ASSERT_TRUE(CreateDirectories(sub));  // existing is fine
    std::string b = JoinPath(sub, "b.bin");
    Write(b, "short");
    ASSERT_TRUE(CopyFileOverwrite(a, b));
    EXPECT_EQ(FileSize(b).value(), 1234u);
    EXPECT_FALSE(CopyFileOverwrite(tmp.file("missing"), b));

    auto entries = ListDirectory(tmp.path());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name, "a.bin");
    EXPECT_FALSE(entries[0].isDirectory);
    EXPECT_EQ(entries[1].name, "x");
    EXPECT_TRUE(entries[1].isDirectory);

    ASSERT_TRUE(RenameFile(b, tmp.file("c.bin")));
    EXPECT_FALSE(FileExists(b));
    EXPECT_TRUE(RemoveFile(tmp.file("c.bin")));
    EXPECT_TRUE(RemoveFile(tmp.file("c.bin")));  // already gone counts as removed
    EXPECT_TRUE(RemoveDirectoryTree(tmp.file("x")));
    EXPECT_FALSE(DirectoryExists(sub));
}

TEST(Files, OwnerOnlyWritesAre0600WhateverTheUmaskOrTheOldMode) {
    TempDir tmp;
    UmaskScope open(0);  // nothing masked: any wider mode would show
    std::string secret = tmp.file("secret.xml");
    ASSERT_TRUE(ReplaceFileAtomically(secret, "one", FileAccess::OwnerOnly));
    EXPECT_EQ(ModeOf(secret), 0600u);
    ASSERT_EQ(chmod(secret.c_str(), 0666), 0);
    ASSERT_TRUE(ReplaceFileAtomically(secret, "two", FileAccess::OwnerOnly));
    EXPECT_EQ(ModeOf(secret), 0600u);

    // Other files keep the mode they had; a new one gets 0644.
    std::string plain = tmp.file("plain.xml");
    Write(plain, "one");
    EXPECT_EQ(ModeOf(plain), 0644u);
    ASSERT_EQ(chmod(plain.c_str(), 0640), 0);
    Write(plain, "two");
    EXPECT_EQ(ModeOf(plain), 0640u);
}

TEST(Files, AtomicCreateNeverReplacesAFile) {
    TempDir tmp;
    UmaskScope open(0);
    std::string path = tmp.file("kept.bak");
    ASSERT_TRUE(CreateFileAtomically(path, "first", FileAccess::OwnerOnly));
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_FALSE(CreateFileAtomically(path, "second", FileAccess::OwnerOnly));
    std::string text;
    ASSERT_TRUE(ReadWholeFile(path, text));
    EXPECT_EQ(text, "first");
    EXPECT_FALSE(CreateFileAtomically(tmp.file("no-such-dir\\x"), "x"));
    EXPECT_EQ(ListDirectory(tmp.path()).size(), 1u);  // no temporary file left behind
}
