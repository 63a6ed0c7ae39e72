// CXmlFile: the file beside the program, URL loading, editing and saving.
#include "common/xml/xml_file.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <thread>

#include "common/platform/files.h"
#include "common/platform/internet.h"
#include "common/platform/paths.h"

namespace {

class XmlFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = platform::ProgramDirectory();
        dir_ = platform::MakeTempDirectory("quorvel-xml-file");
        platform::SetProgramDirectoryForTesting(dir_);
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting(saved_);
        platform::RemoveDirectoryTree(dir_);
    }
    std::string saved_, dir_;
};

// Serves fixed bodies on loopback.
class Server {
public:
    Server() {
        server_.Get("/doc.xml", [](const httplib::Request&, httplib::Response& res) {
            res.set_content("\xEF\xBB\xBF<r>\n<v a=\"1\">\xE4\xB8\xAD</v>\n</r>\n", "text/xml");
        });
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        while (!server_.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~Server() {
        server_.stop();
        thread_.join();
    }
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    httplib::Server server_;
    int port_ = 0;
    std::thread thread_;
};

}  // namespace

TEST_F(XmlFileTest, LoadsTheNamedFileBesideTheProgram) {
    ASSERT_TRUE(platform::CreateDirectories(dir_ + "/data"));
    ASSERT_TRUE(platform::ReplaceFileAtomically(dir_ + "/data/c.xml",
                                                "<config><RemotFilePath>h</RemotFilePath></config>"));
    CXmlFile file("data\\c.xml");
    EXPECT_EQ(file.Path(), dir_ + "/data/c.xml");
    ASSERT_TRUE(file.Descend("RemotFilePath"));
    EXPECT_EQ(file.GetText(), "h");

    CXmlFile missing("nothere.xml");
    EXPECT_FALSE(missing.Descend("config"));
    EXPECT_EQ(missing.GetText(), "");
    EXPECT_EQ(missing.GetAttr("a"), "");
}

TEST_F(XmlFileTest, SaveAfterSetAttrChangesOnlyTheAttribute) {
    const std::string before =
        "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<config>\r\n\t<User Name=\"a\"  Id=\"7\"/>\r\n"
        "<!-- kept -->\r\n</config>\r\n";
    ASSERT_TRUE(platform::ReplaceFileAtomically(dir_ + "/LoginInfo.xml", before));
    CXmlFile file("LoginInfo.xml");
    ASSERT_TRUE(file.Descend("User"));
    ASSERT_TRUE(file.SetAttr("Name", "b&c"));
    ASSERT_TRUE(file.SetAttr("Pass", "x"));
    ASSERT_TRUE(file.Save());
    std::string after;
    ASSERT_TRUE(platform::ReadWholeFile(dir_ + "/LoginInfo.xml", after));
    EXPECT_EQ(after, "<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n<config>\r\n\t<User Pass=\"x\" "
                     "Name=\"b&amp;c\"  Id=\"7\"/>\r\n<!-- kept -->\r\n</config>\r\n");
}

TEST_F(XmlFileTest, CreatesADocumentFromNothing) {
    CXmlFile file("new.xml");
    ASSERT_TRUE(file.AppendElem("config", ""));
    EXPECT_FALSE(file.AppendElem("second", ""));  // one root element only
    ASSERT_TRUE(file.Doc().Enter());
    ASSERT_TRUE(file.AppendElem("x", "1"));
    ASSERT_TRUE(file.Save());
    CXmlFile again("new.xml");
    EXPECT_EQ(again.Doc().Text(), "<config>\r\n<x>1</x>\r\n</config>\r\n");
    ASSERT_TRUE(again.Descend("x"));
    EXPECT_EQ(again.GetText(), "1");
}

TEST_F(XmlFileTest, LoadUrlConvertsAndDropsTheMark) {
    Server server;
    CXmlFile file;
    ASSERT_TRUE(file.LoadUrl(server.Url("/doc.xml"))) << file.Doc().Result();
    EXPECT_EQ(file.Doc().Text(), "<r>\r\n<v a=\"1\">\xD6\xD0</v>\r\n</r>\r\n");
    ASSERT_TRUE(file.Descend("v"));
    EXPECT_EQ(file.GetText(), "\xD6\xD0");
    EXPECT_EQ(file.Path(), "");
    EXPECT_FALSE(file.Save());

    CXmlFile raw;
    ASSERT_TRUE(raw.LoadUrlRaw(server.Url("/doc.xml")));  // the mark stays, as text
    EXPECT_EQ(raw.Doc().Text().substr(0, 6), "\xEF\xBB\xBF<r>");
}

TEST_F(XmlFileTest, AFailedFetchKeepsTheDocument) {
    Server server;
    CXmlFile file;
    ASSERT_TRUE(file.LoadUrl(server.Url("/doc.xml")));
    EXPECT_FALSE(file.LoadUrl(server.Url("/missing.xml")));
    EXPECT_FALSE(file.LoadUrlRaw("http://127.0.0.1:1/x.xml"));
    ASSERT_TRUE(file.Descend("v"));
    EXPECT_EQ(file.GetAttr("a"), "1");
}
