// The forecast text: two blanks after each token, a new line before every token naming a
// year, one more blank before the last token.
#include "client/core/forecast_text.h"

#include <gtest/gtest.h>

#include "client/core/gbk.h"

namespace {

TEST(ForecastText, YearsStartLinesAndTheLastTokenGetsAThirdBlank) {
    EXPECT_EQ(FormatForecastText(Gbk("2026年 0.85元 2027年 1.02元")),
              Gbk("2026年  0.85元  \r\n2027年   1.02元"));
    // A first token naming a year gets no break before it; one that does not, none after.
    EXPECT_EQ(FormatForecastText(Gbk("预测 2026年 增长")), Gbk("预测  \r\n2026年   增长"));
    EXPECT_EQ(FormatForecastText(Gbk("持平")), Gbk(" 持平"));
}

TEST(ForecastText, BlanksGiveEmptyTokensExceptAtTheEnd) {
    EXPECT_EQ(FormatForecastText("a  b"), "a    " " b");            // doubled: an empty token between
    EXPECT_EQ(FormatForecastText(" a"), "  " " a");                 // leading: an empty first token
    EXPECT_EQ(FormatForecastText("a b "), "a   b");                 // trailing: no empty last token
    EXPECT_EQ(FormatForecastText(Gbk("a  2026年")), Gbk("a    \r\n 2026年"));
    EXPECT_EQ(FormatForecastText(""), "");
}

TEST(ForecastText, OnlyAWholeYearCharacterBreaksTheLine) {
    // 澳辍 is B0 C4 EA A1: the bytes of 年 (C4 EA) straddle its two characters.
    ASSERT_EQ(Gbk("年"), "\xC4\xEA");
    ASSERT_EQ(Gbk("澳辍"), "\xB0\xC4\xEA\xA1");
    EXPECT_EQ(FormatForecastText(Gbk("x 澳辍")), Gbk("x   澳辍"));
}

}  // namespace
