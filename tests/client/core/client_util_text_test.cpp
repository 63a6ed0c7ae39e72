// Text tests, form encoding and the trade arithmetic of the calculator.
#include <gtest/gtest.h>

#include "client/core/client_util.h"

namespace {

const CClientUtil util;

TEST(ClientUtilText, UrlEncodeEscapesEverythingButLettersAndDigits) {
    EXPECT_EQ(util.UrlEncode("a b/c"), "a+b%2Fc");
    EXPECT_EQ(util.UrlEncode("\xD6\xD0"), "%D6%D0");  // 中 in GBK
    EXPECT_EQ(util.UrlEncode("\t\r\n\v\f"), "+++++");
    EXPECT_EQ(util.UrlEncode("x=1&y=-_.~"), "x%3D1%26y%3D%2D%5F%2E%7E");
    EXPECT_EQ(util.UrlEncode(std::string("\0\xFF", 2)), "%00%FF");
    EXPECT_EQ(util.UrlEncode(""), "");
}

TEST(ClientUtilText, PathSegmentEncodeLeavesOnlyLettersAndDigitsBare) {
    EXPECT_EQ(util.PathSegmentEncode("600000"), "600000");
    EXPECT_EQ(util.PathSegmentEncode("Ab9"), "Ab9");
    EXPECT_EQ(util.PathSegmentEncode("../x"), "%2E%2E%2Fx");
    EXPECT_EQ(util.PathSegmentEncode("a b?c#d%e+\\"), "a%20b%3Fc%23d%25e%2B%5C");
    EXPECT_EQ(util.PathSegmentEncode("\xD6\xD0"), "%D6%D0");
}

TEST(ClientUtilText, DigitsNumbersAndLetters) {
    EXPECT_FALSE(util.IsDigits(""));
    EXPECT_TRUE(util.IsDigits("600000"));
    EXPECT_FALSE(util.IsDigits("60000a"));
    EXPECT_FALSE(util.IsDigits("\xA3\xB1"));  // full-width digit one

    EXPECT_FALSE(util.IsNumber(""));
    EXPECT_FALSE(util.IsNumber("."));
    EXPECT_TRUE(util.IsNumber("1."));
    EXPECT_TRUE(util.IsNumber(".5"));
    EXPECT_TRUE(util.IsNumber("10.25"));
    EXPECT_FALSE(util.IsNumber("1.2.3"));
    EXPECT_FALSE(util.IsNumber("-1"));
    EXPECT_FALSE(util.IsNumber("1e5"));

    EXPECT_TRUE(util.HasLetters("pfyh"));
    EXPECT_TRUE(util.HasLetters("60Z"));
    EXPECT_FALSE(util.HasLetters("600000"));
    EXPECT_FALSE(util.HasLetters(""));
    // 浦发 ("\xC6\xD6\xB7\xA2") and a character whose trail byte is 'a' (0x61): no letters.
    EXPECT_FALSE(util.HasLetters("\xC6\xD6\xB7\xA2"));
    EXPECT_FALSE(util.HasLetters("\x81\x61\x81\x41"));
    EXPECT_TRUE(
        util.HasLetters("\x81\x61"
                        "a"));
}

TEST(ClientUtilText, ExchangeCodesAreShanghai600AndShenzhen00Only) {
    EXPECT_TRUE(util.IsExchangeCode("600000"));
    EXPECT_TRUE(util.IsExchangeCode("000001"));
    EXPECT_TRUE(util.IsExchangeCode("002415"));
    EXPECT_FALSE(util.IsExchangeCode("601318"));
    EXPECT_FALSE(util.IsExchangeCode("300750"));
    EXPECT_FALSE(util.IsExchangeCode("0"));
    EXPECT_FALSE(util.IsExchangeCode(""));
}

TEST(ClientUtilTrade, BreakEvenPriceWithShanghaiAndShenzhenFees) {
    // A = 10000, T = 10, C = 30, F = 10: (10 + 2 * (10 + 30 + 5) + 10000) / 1000.
    EXPECT_EQ(util.BreakEvenPrice("600036", "10", "1000"), "10.10");
    // A = 1000, T = 1, C = 5 (the minimum): (10 + 1 + 1000) / 100.
    EXPECT_EQ(util.BreakEvenPrice("000002", "10", "100"), "10.11");
    // Small Shanghai order: T = 0.1 raised to a transfer fee of 1, C = 5;
    // (0.1 + 2 * (1 + 5 + 5) + 100) / 10 = 12.21.
    EXPECT_EQ(util.BreakEvenPrice("600000", "10", "10"), "12.21");
    EXPECT_EQ(util.BreakEvenPrice("601318", "10", "1000"), "0.00");
    EXPECT_EQ(util.BreakEvenPrice("300750", "10", "1000"), "0.00");
}

TEST(ClientUtilTrade, ProfitAfterFeesOnBothSides) {
    // Shanghai: AS = 11000, AB = 10000, T = 11, CB = 30, CS = 33, FB = 10, FS = 11;
    // 1000 - (11 + 10 + 33 + 30 + 11 + 10) = 895.
    EXPECT_EQ(util.TradeProfit("600036", "10", "11", "1000"), "895.00");
    // Shenzhen: AS = 1100, AB = 1000, T = 1.1, CB = 5, CS = 5; 100 - 11.1 = 88.90.
    EXPECT_EQ(util.TradeProfit("000002", "10", "11", "100"), "88.90");
    // A loss keeps its sign: 0 - (5 + 5 + 1) for Shenzhen at the same price.
    EXPECT_EQ(util.TradeProfit("000002", "10", "10", "100"), "-11.00");
    EXPECT_EQ(util.TradeProfit("601318", "10", "11", "1000"), "0.00");
}

TEST(ClientUtilTrade, InputThatCannotBeComputedGivesZeroNotGarbage) {
    // A zero quantity would divide by zero; unreadable text reads as 0.
    EXPECT_EQ(util.BreakEvenPrice("600000", "10", "0"), "0.00");
    EXPECT_EQ(util.BreakEvenPrice("000001", "abc", "xyz"), "0.00");
    EXPECT_EQ(util.BreakEvenPrice("000001", "1e400", "1"), "0.00");
    EXPECT_EQ(util.TradeProfit("000001", "nan", "1", "1"), "0.00");
}

}  // namespace
