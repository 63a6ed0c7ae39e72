// The two forms of page 辅助 against the sample server: what its form log receives, the
// messages before and after a post, and a server that cannot be reached.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "client/tools/expert_question_panel.h"
#include "client/tools/sms_request_panel.h"
#include "client/widgets/html_label.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "support/query_wait.h"
#include "support/sample_server.h"
#include "tools_fixture.h"

namespace {

class FormsTest : public ToolsFixture {
protected:
    void SetUp() override {
        ToolsFixture::SetUp();
        ASSERT_TRUE(server_.Running()) << server_.Error();
        UseHost(server_.BaseHost());
    }
    // The form posts the server has logged.
    std::vector<std::string> Posts() const {
        std::vector<std::string> posts;
        const std::string log = server_.Log();
        std::size_t start = 0;
        for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
            if (log.compare(start, 5, "post\t") == 0) posts.push_back(log.substr(start + 5, end - start - 5));
        return posts;
    }
    static void Press(QWidget* panel) {
        QTest::mouseClick(Control<CKbcBmp>(panel, 1120), Qt::LeftButton);
    }
    void FillQuestion(CExpertQuestionPanel& panel) {
        panel.NameEdit()->insert(QStringLiteral("张三"));
        panel.TitleCombo()->setCurrentIndex(1);
        QTest::keyClicks(panel.PhoneEdit(), QStringLiteral("138&x=1"));
        QTest::keyClicks(panel.CodeEdit(), QStringLiteral("600000"));
        QTest::keyClicks(panel.PriceEdit(), QStringLiteral("10.5"));
        panel.QuestionCombo()->setCurrentIndex(3);
    }

    SampleServer server_;
};

TEST_F(FormsTest, ChoosingAQuestionWritesItsTextAndThePromptEmptiesIt) {
    CExpertQuestionPanel panel(config_);
    QTest::keyClicks(panel.CodeEdit(), QStringLiteral("600000"));
    QTest::keyClicks(panel.PriceEdit(), QStringLiteral("10.5"));
    panel.ContentEdit()->setPlainText(QStringLiteral("typed"));
    panel.QuestionCombo()->setCurrentIndex(3);
    EXPECT_EQ(panel.ContentEdit()->toPlainText(), QStringLiteral("600000购入价位10.5元，能否继续持有？"));
    // Choosing it again takes the price typed since.
    panel.PriceEdit()->setText(QStringLiteral("11"));
    emit panel.QuestionCombo()->activated(3);
    EXPECT_EQ(panel.ContentEdit()->toPlainText(), QStringLiteral("600000购入价位11元，能否继续持有？"));
    panel.QuestionCombo()->setCurrentIndex(0);
    EXPECT_EQ(panel.ContentEdit()->toPlainText(), QString());
    EXPECT_EQ(panel.TitleCombo()->currentIndex(), -1) << "no title is chosen at first";
}

TEST_F(FormsTest, EmptyRequiredFieldsAreNamedAndNothingIsPosted) {
    CExpertQuestionPanel question(config_);
    Press(&question);
    question.NameEdit()->insert(QStringLiteral("张三"));
    question.ContentEdit()->setPlainText(QStringLiteral("后市？"));
    Press(&question);
    QTest::keyClicks(question.PhoneEdit(), QStringLiteral("13800138000"));
    question.ContentEdit()->clear();
    Press(&question);
    CSmsRequestPanel sms(config_, shell_);
    Press(&sms);
    EXPECT_EQ(Tips(), (std::vector<std::string>{"用户名不能为空!", "手机号不能为空!", "咨询内容不能为空!",
                                                "手机号不能为空!"}));
    EXPECT_TRUE(Posts().empty());
}

TEST_F(FormsTest, TheQuestionReachesTheServerEncodedAndTheFieldsStay) {
    CExpertQuestionPanel panel(config_);
    FillQuestion(panel);
    Press(&panel);
    EXPECT_TRUE(ui::QueryRunning(&panel)) << "the post runs off the window thread, the panel held";
    ASSERT_TRUE(WaitForQueries(&panel));
    EXPECT_EQ(Tips(), std::vector<std::string>{"提交成功!"});
    // 张三 = D5C5 C8FD, 女 = C5AE; the content is 600000购入价位10.5元，能否继续持有？ in GBK.
    ASSERT_EQ(Posts().size(), 1u);
    EXPECT_EQ(Posts()[0],
              "/q&a/question.asp\tfromsource=730kr&name=%D5%C5%C8%FD&sex=%C5%AE&tel=138%26x%3D1"
              "&telquhao=&phone=&province=&stock=600000&price=10%2E5&question=select question"
              "&sm=600000%B9%BA%C8%EB%BC%DB%CE%BB10%2E5%D4%AA%A3%AC%C4%DC%B7%F1%BC%CC%D0%F8%B3%D6%D3%D0%A3%BF"
              "&imageField2.x=24&imageField2.y=13");
    EXPECT_EQ(panel.NameEdit()->text(), QStringLiteral("张三"));
    EXPECT_EQ(panel.PhoneEdit()->text(), QStringLiteral("138&x=1"));
}

TEST_F(FormsTest, TheSmsRequestReachesTheServerAndTheLinkPointsAtTheProductSite) {
    CSmsRequestPanel panel(config_, shell_);
    ASSERT_EQ(panel.Link()->Links().size(), 1u);
    EXPECT_EQ(panel.Link()->Links()[0].href.toStdString(), "http://" + server_.BaseHost() + "/");
    QTest::keyClicks(panel.PhoneEdit(), QStringLiteral("13800138000"));
    Press(&panel);
    ASSERT_TRUE(WaitForQueries(&panel));
    EXPECT_EQ(Tips(), std::vector<std::string>{"提交成功!"});
    EXPECT_EQ(Posts(), std::vector<std::string>{
                           "/sms/sncode.asp?class=9&fromsource=730kr\ttel=13800138000&=%E6%8F%90%E4%BA%A4+"});
    EXPECT_EQ(panel.PhoneEdit()->text(), QStringLiteral("13800138000"));
}

TEST_F(FormsTest, AServerThatCannotBeReachedIsReportedAndTheFieldsStay) {
    UseHost("127.0.0.1:1");  // nothing listens on port 1
    CSmsRequestPanel sms(config_, shell_);
    QTest::keyClicks(sms.PhoneEdit(), QStringLiteral("13800138000"));
    Press(&sms);
    ASSERT_TRUE(WaitForQueries(&sms));
    CExpertQuestionPanel question(config_);
    FillQuestion(question);
    Press(&question);
    ASSERT_TRUE(WaitForQueries(&question));
    EXPECT_EQ(Tips(), (std::vector<std::string>{"提交失败，请稍后再试!", "提交失败，请稍后再试!"}));
    EXPECT_EQ(sms.PhoneEdit()->text(), QStringLiteral("13800138000"));
    EXPECT_FALSE(question.ContentEdit()->toPlainText().isEmpty());
}

}  // namespace
