// An advertisement comes from Advertise.XML only when it names both a picture and a link;
// otherwise the built-in one is shown.
#include <gtest/gtest.h>

#include "client/core/client_config.h"
#include "client/core/main_advert.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace {

class MainAdvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = platform::MakeTempDirectory("main_advert_test");
        platform::SetProgramDirectoryForTesting(dir_);
        hosts_.accountPortal = "portal.example";
        hosts_.makerSite = "maker.example";
        hosts_.productSite = "product.example";
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        platform::RemoveDirectoryTree(dir_);
    }
    void Write(const std::string& text) {
        platform::ReplaceFileAtomically(platform::JoinPath(dir_, "Advertise.XML"), text);
    }
    std::string dir_;
    SiteHosts hosts_;
};

bool Same(const AdvertChoice& a, const AdvertChoice& b) { return a.picture == b.picture && a.link == b.link; }

TEST_F(MainAdvertTest, FileOrBuiltIn) {
    const AdvertChoice builtIn{"image\\ad_1.gif", "http://portal.example/"};
    EXPECT_TRUE(Same(ChooseMainAdvert(hosts_), builtIn));  // no file

    Write("<Advertise><MainAdvts LinkUrl=\"http://x.example/a?b=1&amp;c=2\">image\\ad_3.gif"
          "</MainAdvts><ZHZDAdvts LinkUrl=\"http://z/\">image\\z.gif</ZHZDAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseMainAdvert(hosts_), {"image\\ad_3.gif", "http://x.example/a?b=1&c=2"}));

    Write("<Advertise><MainAdvts LinkUrl=\"\">image\\ad_3.gif</MainAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseMainAdvert(hosts_), builtIn));
    Write("<Advertise><MainAdvts LinkUrl=\"http://x/\"></MainAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseMainAdvert(hosts_), builtIn));
    Write("<Advertise><ZHZDAdvts LinkUrl=\"http://z/\">image\\z.gif</ZHZDAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseMainAdvert(hosts_), builtIn));

    EXPECT_TRUE(Same(SecondAdvert(hosts_), {"image\\ad_2.gif", "http://maker.example/"}));
}

TEST_F(MainAdvertTest, ComprehensivePanelReadsItsOwnEntry) {
    const AdvertChoice builtIn{"image\\ad_3.gif", "http://product.example/plan/spring/"};
    EXPECT_TRUE(Same(ChooseComprehensiveAdvert(hosts_), builtIn));  // no file
    Write("<Advertise><MainAdvts LinkUrl=\"http://x/\">image\\ad_1.gif</MainAdvts>"
          "<ZHZDAdvts LinkUrl=\"http://z/\">image\\z.gif</ZHZDAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseComprehensiveAdvert(hosts_), {"image\\z.gif", "http://z/"}));
    Write("<Advertise><MainAdvts LinkUrl=\"http://x/\">image\\ad_1.gif</MainAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseComprehensiveAdvert(hosts_), builtIn));
    Write("<Advertise><ZHZDAdvts LinkUrl=\"\">image\\z.gif</ZHZDAdvts></Advertise>");
    EXPECT_TRUE(Same(ChooseComprehensiveAdvert(hosts_), builtIn));
}

}  // namespace
