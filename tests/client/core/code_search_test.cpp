// Finding stocks while typing: which list a text is matched against, prefix rules, order.
#include <gtest/gtest.h>

#include "client/core/code_search.h"
#include "client/core/gbk.h"

namespace {

CStockDirectory SampleDirectory() {
    CStockDirectory directory;
    directory.Append("000001", "PAYH", Gbk("平安银行"));
    directory.Append("600000", "PFYH", Gbk("浦发银行"));
    directory.Append("601318", "ZGPA", Gbk("中国平安"));
    directory.Append("600036", "ZSYH", Gbk("招商银行"));
    directory.Append("000002", "WKA", Gbk("万科A"));
    directory.Append("601398", "GSYH", Gbk("工商银行"));
    directory.Append("600030", "ZXZQ", Gbk("中信证券"));
    directory.Append("601628", "ZGRS", Gbk("中国人寿"));
    return directory;
}

std::vector<std::string> MatchedCodes(const CStockDirectory& directory, const std::string& typed) {
    std::vector<std::string> codes;
    for (std::size_t i : MatchStocks(directory, typed)) codes.push_back(directory.Code(i));
    return codes;
}

using Codes = std::vector<std::string>;

}  // namespace

TEST(CodeSearch, ChoosesTheListByWhatWasTyped) {
    EXPECT_EQ(ChooseSearchField("600"), SearchField::Codes);
    EXPECT_EQ(ChooseSearchField("zg"), SearchField::Initials);
    EXPECT_EQ(ChooseSearchField("6a"), SearchField::Initials);
    EXPECT_EQ(ChooseSearchField(""), SearchField::Names);
    EXPECT_EQ(ChooseSearchField("600 "), SearchField::Names);
    EXPECT_EQ(ChooseSearchField(Gbk("中国")), SearchField::Names);
}

TEST(CodeSearch, CodePrefixesInDirectoryOrder) {
    const CStockDirectory directory = SampleDirectory();
    EXPECT_EQ(MatchedCodes(directory, "600"), (Codes{"600000", "600036", "600030"}));
    EXPECT_EQ(MatchedCodes(directory, "6"), (Codes{"600000", "601318", "600036", "601398", "600030", "601628"}));
    EXPECT_EQ(MatchedCodes(directory, "600036"), (Codes{"600036"}));
    EXPECT_EQ(MatchedCodes(directory, "6000360"), Codes{});  // longer than every code
    EXPECT_EQ(MatchedCodes(directory, "7"), Codes{});
}

TEST(CodeSearch, InitialsIgnoreAsciiCase) {
    const CStockDirectory directory = SampleDirectory();
    EXPECT_EQ(MatchedCodes(directory, "zgpa"), (Codes{"601318"}));
    EXPECT_EQ(MatchedCodes(directory, "ZGPA"), (Codes{"601318"}));
    EXPECT_EQ(MatchedCodes(directory, "zG"), (Codes{"601318", "601628"}));
    EXPECT_EQ(MatchedCodes(directory, "yh"), Codes{});
}

TEST(CodeSearch, EmptyTextListsEverythingDigitsWithABlankListNothing) {
    const CStockDirectory directory = SampleDirectory();
    EXPECT_EQ(MatchStocks(directory, "").size(), directory.Size());
    EXPECT_EQ(MatchStocks(directory, "")[3], 3u);
    EXPECT_TRUE(MatchStocks(directory, "600 ").empty());
    EXPECT_TRUE(MatchStocks(CStockDirectory{}, "").empty());
}

TEST(CodeSearch, ChineseTextMatchesNamesByBytePrefix) {
    const CStockDirectory directory = SampleDirectory();
    EXPECT_EQ(MatchedCodes(directory, Gbk("中国")), (Codes{"601318", "601628"}));
    EXPECT_EQ(MatchedCodes(directory, Gbk("中")), (Codes{"601318", "600030", "601628"}));
    EXPECT_EQ(MatchedCodes(directory, Gbk("万科")), (Codes{"000002"}));
    EXPECT_EQ(MatchedCodes(directory, Gbk("万科A")), Codes{});  // a letter sends it to the initials
    EXPECT_EQ(MatchedCodes(directory, Gbk("平安银行股份")), Codes{});  // longer than the name
}

TEST(CodeSearch, DoubleByteCharactersAreNotCaseFolded) {
    // 0x81 0x41 and 0x81 0x61 are two different characters whose trail bytes are 'A' and 'a'.
    CStockDirectory directory;
    directory.Append("000100", "X", "\x81\x41\xD2\xF8");
    directory.Append("000200", "Y", "\x81\x61\xD2\xF8");
    EXPECT_EQ(MatchedCodes(directory, "\x81\x41"), (Codes{"000100"}));
    EXPECT_EQ(MatchedCodes(directory, "\x81\x61"), (Codes{"000200"}));
}
