#include <gtest/gtest.h>

#include <string>

#include "common/platform/files.h"
#include "common/update/update_list_walk.h"
#include "common/xml/xml_doc.h"

namespace {

using update::FileList;
using update::ListedFile;

FileList Walk(const std::string& text) {
    CXmlDoc doc;
    doc.SetDoc(text);
    return update::ReadFileList(doc);
}

TEST(UpdateListWalk, ReadsTheServerListsInEachLayout) {
    // A data-file list: Updater before Files.
    FileList data = Walk(
        "<AutoUpdateList><Updater><Url>http://h/A/</Url></Updater><Files>"
        "<File Name=\"StockInfo.xml\" Ver=\"2\"/><File Name=\"image\\a.gif\" Ver=\"3\"/></Files></AutoUpdateList>");
    EXPECT_TRUE(data.hasBase);
    EXPECT_EQ(data.base, "http://h/A/");
    ASSERT_EQ(data.files.size(), 2u);
    EXPECT_EQ(data.files[1].name, "image\\a.gif");
    EXPECT_EQ(data.files[1].version, "3");

    // A repair list: Updater is the root and holds Url and Files.
    FileList repair = Walk(
        "<Updater><Url>http://h/R/</Url><Files><File Name=\"a.dll\" Ver=\"1\"/><File Name=\"c.exe\" Ver=\"1\"/>"
        "</Files></Updater>");
    EXPECT_EQ(repair.base, "http://h/R/");
    EXPECT_EQ(repair.files.size(), 2u);

    // The shipped local list: Files only.
    FileList local = Walk("<AutoUpdateList><Files><File Name=\"a\" Ver=\"1\"/></Files></AutoUpdateList>");
    EXPECT_FALSE(local.hasBase);
    EXPECT_EQ(local.files.size(), 1u);
}

TEST(UpdateListWalk, ListsWithoutFilesOrNotXmlGiveNoFiles) {
    EXPECT_TRUE(Walk("<L><Updater><Url>u</Url></Updater><Files/></L>").files.empty());
    EXPECT_TRUE(Walk("<L><Updater><Url>u</Url></Updater></L>").files.empty());
    EXPECT_TRUE(Walk("not xml at all").files.empty());
    EXPECT_TRUE(Walk("").files.empty());
}

TEST(UpdateListWalk, VersionAndLocationComeFromTheLocalList) {
    CXmlDoc doc;
    doc.SetDoc("<UpdateList><Files/><Application><Version>1.2.3</Version></Application></UpdateList>");
    EXPECT_EQ(update::ReadListVersion(doc), "1.2.3");
    doc.SetDoc("<UpdateList><Files/></UpdateList>");
    EXPECT_EQ(update::ReadListVersion(doc), "");

    const std::string dir = platform::MakeTempDirectory("quorvel-update-walk");
    const std::string withUrl = dir + "/with.xml";
    const std::string withoutUrl = dir + "/without.xml";
    ASSERT_TRUE(platform::ReplaceFileAtomically(withUrl, "<L><Updater><Url>http://mirror/x/</Url></Updater></L>"));
    ASSERT_TRUE(platform::ReplaceFileAtomically(withoutUrl, "<L><Files/></L>"));
    EXPECT_EQ(update::ListLocation(withUrl, "UpdateList.xml", "http://d"), "http://mirror/x/UpdateList.xml");
    EXPECT_EQ(update::ListLocation(withoutUrl, "UpdateList.xml", "http://d"), "http://d");
    EXPECT_EQ(update::ListLocation(dir + "/missing.xml", "UpdateList.xml", "http://d"), "http://d");
    platform::RemoveDirectoryTree(dir);
}

TEST(UpdateListWalk, AWrittenListReadsBackWithMarkupInNamesEscaped) {
    const std::vector<ListedFile> files = {{"a&b<c>.xml", "1\"2"}, {"image\\x.gif", "3"}};
    FileList back = Walk(update::FileListDocument("http://h/?a=1&b=2", files));
    EXPECT_EQ(back.base, "http://h/?a=1&b=2");
    ASSERT_EQ(back.files.size(), 2u);
    EXPECT_EQ(back.files[0].name, "a&b<c>.xml");
    EXPECT_EQ(back.files[0].version, "1\"2");
    EXPECT_FALSE(Walk(update::FileListDocument("", files)).hasBase);
}

}  // namespace
