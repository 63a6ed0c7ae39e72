// Loading StockInfo.xml: order, attributes, and a damaged or missing file.
#include <gtest/gtest.h>

#include "client/core/gbk.h"
#include "client/core/stock_directory.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace {

class StockDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = platform::MakeTempDirectory("stock_directory_test");
        platform::SetProgramDirectoryForTesting(dir_);
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        platform::RemoveDirectoryTree(dir_);
    }
    void Write(const std::string& text) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(platform::JoinPath(dir_, "StockInfo.xml"), text));
    }
    std::string dir_;
};

}  // namespace

TEST_F(StockDirectoryTest, ReadsEveryStockInFileOrder) {
    Write("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<List>\n"
          "  <Stock StockId=\"600000\" StockChi=\"PFYH\" StockName=\"浦发银行\"/>\n"
          "  <Stock StockId=\"000001\" StockChi=\"PAYH\" StockName=\"平安银行\"/>\n"
          "  <Stock StockId=\"601318\" StockName=\"中国平安\"/>\n</List>\n");
    const CStockDirectory directory = LoadStockDirectory();
    ASSERT_EQ(directory.Size(), 3u);
    EXPECT_EQ(directory.Code(0), "600000");
    EXPECT_EQ(directory.Initials(0), "PFYH");
    EXPECT_EQ(directory.Name(0), Gbk("浦发银行"));
    EXPECT_EQ(directory.Code(1), "000001");
    EXPECT_EQ(directory.Initials(2), "");  // a missing attribute reads as empty
    EXPECT_EQ(directory.Name(2), Gbk("中国平安"));
}

TEST_F(StockDirectoryTest, MissingOrDamagedFileGivesAnEmptyDirectory) {
    EXPECT_TRUE(LoadStockDirectory().Empty());
    Write("<List><Stock StockId=\"600000\" StockChi=\"PFYH\" StockName=\"x\"/><Stock StockId=\"6");
    EXPECT_TRUE(LoadStockDirectory().Empty());
    Write("");
    EXPECT_TRUE(LoadStockDirectory().Empty());
    Write(std::string("\x00\xFF\xFE<<<>>>", 9));
    EXPECT_TRUE(LoadStockDirectory().Empty());
    Write("<List><Other/></List>");
    EXPECT_TRUE(LoadStockDirectory().Empty());
}

TEST(ShippedStockDirectory, LoadsWithWellFormedEntries) {
    platform::SetProgramDirectoryForTesting(QUORVEL_SOURCE_DIR "/assets");
    const CStockDirectory directory = LoadStockDirectory();
    platform::SetProgramDirectoryForTesting("");
    ASSERT_GT(directory.Size(), 400u);
    for (std::size_t i = 0; i < directory.Size(); ++i) {
        EXPECT_EQ(directory.Code(i).size(), 6u) << i;
        EXPECT_FALSE(directory.Initials(i).empty()) << directory.Code(i);
        EXPECT_FALSE(directory.Name(i).empty()) << directory.Code(i);
    }
    EXPECT_EQ(directory.Name(0), Gbk("平安银行"));
}
