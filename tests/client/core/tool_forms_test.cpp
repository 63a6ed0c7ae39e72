// The expert question and SMS forms: question texts, required fields, bodies, outcome.
#include <gtest/gtest.h>

#include "client/core/gbk.h"
#include "client/core/tool_forms.h"

namespace {

TEST(ToolForms, QuestionTextsAreBuiltFromCodeAndPriceAsTyped) {
    ASSERT_EQ(QuestionItems().size(), 12u);
    EXPECT_EQ(QuestionItems()[0], Gbk("您可以选择常见的一些问题进行提问"));
    EXPECT_EQ(QuestionText(0, "600000", "10.5"), "");
    EXPECT_EQ(QuestionText(1, "600000", "10.5"), Gbk("600000短期走势，后市如何操作为宜？"));
    EXPECT_EQ(QuestionText(3, "600000", "10.5"), Gbk("600000购入价位10.5元，能否继续持有？"));
    EXPECT_EQ(QuestionText(5, "", ""), Gbk("购入价位元，现价能否补仓？"));
    EXPECT_EQ(QuestionText(8, "000001", "9"), Gbk("000001庄家是否在出货？"));
    EXPECT_EQ(QuestionText(11, "600000", "10.5"), Gbk("大盘的后市如何，中期偏多还是偏空？"));
    EXPECT_EQ(QuestionText(12, "600000", "10.5"), "");
}

TEST(ToolForms, QuestionBodyEncodesEveryFieldSoNoneCanAddAnother) {
    ExpertQuestion q;
    q.name = Gbk("张三");
    q.titleIndex = 1;
    q.phone = "138&x=1";
    q.stockCode = "600000";
    q.price = "10.5";
    q.content = Gbk("能否持有？") + " ok";
    // 张三 = D5 C5 C8 FD, 女 = C5 AE, 能否持有？ = C4 DC B7 F1 B3 D6 D3 D0 A3 BF in GBK.
    EXPECT_EQ(ExpertQuestionBody(q),
              "fromsource=730kr&name=%D5%C5%C8%FD&sex=%C5%AE&tel=138%26x%3D1"
              "&telquhao=&phone=&province=&stock=600000&price=10%2E5&question=select question"
              "&sm=%C4%DC%B7%F1%B3%D6%D3%D0%A3%BF+ok&imageField2.x=24&imageField2.y=13");
    q.titleIndex = 0;
    EXPECT_NE(ExpertQuestionBody(q).find("&sex=%C4%D0&"), std::string::npos);  // 男
    q.titleIndex = -1;
    EXPECT_NE(ExpertQuestionBody(q).find("&sex=&"), std::string::npos);
}

TEST(ToolForms, SmsBodyAndOutcomeMessages) {
    EXPECT_EQ(SmsRequestBody("13800138000"), "tel=13800138000&=%E6%8F%90%E4%BA%A4+");
    EXPECT_EQ(SmsRequestBody("1&a=b"), "tel=1%26a%3Db&=%E6%8F%90%E4%BA%A4+");
    EXPECT_EQ(PostOutcomeMessage(true, "OK"), Gbk("提交成功!"));
    EXPECT_EQ(PostOutcomeMessage(true, ""), "");
    EXPECT_EQ(PostOutcomeMessage(false, ""), Gbk("提交失败，请稍后再试!"));
}

}  // namespace
