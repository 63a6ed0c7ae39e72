#include <gtest/gtest.h>

#include <string>

#include "common/update/update_name.h"

namespace {

using update::IsSafeUpdateName;
using update::UpdateFileUrl;

TEST(UpdateName, PlainNamesAndOneSubfolderAreAccepted) {
    for (const char* name : {"StockInfo.xml", "image\\login.gif", "Advertise.XML", "a.b.c", "..x", "x.."})
        EXPECT_TRUE(IsSafeUpdateName(name)) << name;
}

TEST(UpdateName, NamesThatCouldLeaveTheirFolderAreRefused) {
    for (const char* name :
         {"", "..", ".", "..\\evil", "/etc/x", "\\etc\\x", "a/../../x", "a\\..", "a\\.\\b", "%2e%2e\\x",
          "%2E%2E%5Cx", "a%2fb", "C:\\x", "c:x", "file.txt:stream", "a\\b\\c", "a\\", "\\", "a\\\\b",
          "data/b.xml", "x\ty", "new\nline"})
        EXPECT_FALSE(IsSafeUpdateName(name)) << name;
    EXPECT_FALSE(IsSafeUpdateName(std::string("a\0b", 3)));
}

TEST(UpdateName, FolderNamesAreFetchedWithASlashAndOthersAsTheyStand) {
    const std::string base = "http://h/u/";
    EXPECT_EQ(UpdateFileUrl(base, "a.dll"), "http://h/u/a.dll");
    EXPECT_EQ(UpdateFileUrl(base, "data\\b.xml"), "http://h/u/data/b.xml");
    // The folder of one name does not carry over to the next.
    EXPECT_EQ(UpdateFileUrl(base, "c.exe"), "http://h/u/c.exe");
    // A backslash in first place is no folder.
    EXPECT_EQ(UpdateFileUrl(base, "\\x"), "http://h/u/\\x");
}

}  // namespace
