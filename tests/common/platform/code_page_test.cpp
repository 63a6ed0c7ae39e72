#include "common/platform/code_page.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {
const std::string kZhongUtf8 = "\xE4\xB8\xAD";  // 中
const std::string kZhongGbk = "\xD6\xD0";
}  // namespace

TEST(CodePage, LocalIsGbkAndRoundTripsThroughUtf8) {
    EXPECT_EQ(ResolveCodePage(kCodePageAnsi), 936u);
    EXPECT_EQ(Utf8ToLocalText(kZhongUtf8 + "A"), kZhongGbk + "A");
    EXPECT_EQ(LocalToUtf8(kZhongGbk + "A"), kZhongUtf8 + "A");
}

TEST(CodePage, EveryKnownCodePageOpensAConverter) {
    for (unsigned cp :
         {37u,    437u,   850u,   866u,   874u,   932u,   936u,   949u,   950u,   1200u,
          1201u,  1250u,  1251u,  1252u,  1253u,  1254u,  1255u,  1256u,  1257u,  1258u,
          10000u, 20127u, 20866u, 20936u, 28591u, 28592u, 28605u, 50220u, 51932u, 51949u,
          10029u, 10079u, 54936u, 65000u, 65001u, 12000u, 12001u}) {
        EXPECT_TRUE(IsCodePageSupported(cp)) << cp;
    }
    EXPECT_FALSE(IsCodePageSupported(12345));
    std::u16string wide;
    EXPECT_FALSE(MultiByteToWide(12345, "abc", wide));
}

TEST(CodePage, CharactersWithoutEquivalentAreReportedLost) {
    bool lost = true;
    std::string out;
    ASSERT_TRUE(WideToMultiByte(936, u"a\u4E2Db", out, &lost));
    EXPECT_EQ(out, "a" + kZhongGbk + "b");
    EXPECT_FALSE(lost);

    // Greek capital alpha has no place in Latin-1; a lone surrogate converts nowhere.
    ASSERT_TRUE(WideToMultiByte(28591, u"x\u0391y", out, &lost));
    EXPECT_EQ(out, "x?y");
    EXPECT_TRUE(lost);
    std::u16string loneSurrogate = u"a";
    loneSurrogate.push_back(char16_t(0xD800));
    loneSurrogate.push_back(u'b');
    ASSERT_TRUE(WideToMultiByte(65001, loneSurrogate, out, &lost));
    EXPECT_EQ(out, "a?b");
    EXPECT_TRUE(lost);
}

TEST(CodePage, SurrogatePairsSurviveUtf8AndNotGbk) {
    std::string emoji = "\xF0\x9F\x98\x80";  // U+1F600
    std::u16string wide;
    ASSERT_TRUE(MultiByteToWide(65001, emoji, wide));
    ASSERT_EQ(wide.size(), 2u);
    std::string back;
    bool lost = true;
    ASSERT_TRUE(WideToMultiByte(65001, wide, back, &lost));
    EXPECT_EQ(back, emoji);
    EXPECT_FALSE(lost);
    // GB18030 carries it, plain GBK does not: one default character for the pair.
    ASSERT_TRUE(WideToMultiByte(936, wide, back, &lost));
    EXPECT_EQ(back, "?");
    EXPECT_TRUE(lost);
}

TEST(CodePage, InvalidInputBytesBecomeQuestionMarks) {
    std::u16string wide;
    ASSERT_TRUE(MultiByteToWide(65001,
                                "a\xFF"
                                "b\xE4\xB8",
                                wide));
    EXPECT_EQ(wide, u"a?b??");
    ASSERT_TRUE(MultiByteToWide(936, std::string("\xD6", 1), wide));  // cut-short GBK pair
    EXPECT_EQ(wide, u"?");
}

TEST(CodePage, LargeTextConvertsCompletely) {
    std::string big;
    for (int i = 0; i < 20000; ++i) big += kZhongUtf8 + "x";
    std::string gbk = Utf8ToLocalText(big);
    EXPECT_EQ(gbk.size(), 20000u * 3);
    EXPECT_EQ(LocalToUtf8(gbk), big);
}

TEST(CodePage, LocalCharLength) {
    EXPECT_EQ(LocalCharLength('A'), 1);
    EXPECT_EQ(LocalCharLength(0x80), 1);
    EXPECT_EQ(LocalCharLength(0x81), 2);
    EXPECT_EQ(LocalCharLength(0xFE), 2);
    EXPECT_EQ(LocalCharLength(0xFF), 1);
}
