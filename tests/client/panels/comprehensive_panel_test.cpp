// The comprehensive evaluation panel: its table and the colours of changed scores, the
// last evaluation, the online flag and the empty code, a failed query after a good one,
// the column headers with and without an evaluation, and the advertisement.
#include <QGroupBox>

#include "client/core/gbk.h"
#include "client/panels/dimension_detail_dlg.h"
#include "client/panels/news_dimension_dlg.h"
#include "client/widgets/ad_wnd.h"
#include "client/widgets/html_label.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/text.h"
#include "comprehensive_fixture.h"

namespace {

using ComprehensivePanel = ComprehensiveFixture;

constexpr ui::ColorRef kRed = ui::Rgb(204, 0, 0);
constexpr ui::ColorRef kBlack = ui::Rgb(0, 0, 0);
constexpr int kCangwei = 1078;

// The texts of a table row, time to verdict (UTF-8).
std::vector<std::string> Row(CComprehensivePanel* panel, EvalSlot slot) {
    std::vector<std::string> texts;
    for (int c = 0; c < CComprehensivePanel::kColumns; ++c) texts.push_back(panel->Cell(slot, c)->text().toStdString());
    return texts;
}

std::vector<bool> RedColumns(CComprehensivePanel* panel) {
    std::vector<bool> red;
    for (int c = 0; c < CComprehensivePanel::kColumns; ++c) {
        EXPECT_EQ(panel->Cell(EvalSlot::First, c)->textColor, panel->Cell(EvalSlot::Second, c)->textColor) << c;
        red.push_back(panel->Cell(EvalSlot::First, c)->textColor == kRed);
    }
    return red;
}

TEST_F(ComprehensivePanel, ShowsBothEvaluationsAndRedsOnlyTheScoresThatMoved) {
    EvaluationSlotDoc first, second;
    second.time = "2026-11-27";
    second.scores[0] = "64";   // 基本面 moved
    second.scores[4] = "61";   // 消息面 moved
    second.verdict = "观望";   // the verdict changes but is never red
    ServeEvaluation("600000", "浦发银行", first, second);
    MakePage();
    CComprehensivePanel* panel = Panel();
    ASSERT_TRUE(panel->isVisible());
    Query("600000");

    EXPECT_EQ(Row(panel, EvalSlot::First),
              (std::vector<std::string>{"2026-12-04", "70", "65", "80", "55", "60", "75", "72.5", "安全"}));
    EXPECT_EQ(Row(panel, EvalSlot::Second),
              (std::vector<std::string>{"2026-11-27", "64", "65", "80", "55", "61", "75", "72.5", "观望"}));
    EXPECT_EQ(RedColumns(panel), (std::vector<bool>{false, true, false, false, false, true, false, false, false}));
    EXPECT_EQ(Utf8(panel, 1036), "600000 浦发银行");
    EXPECT_EQ(panel->Cell(EvalSlot::First, 1)->objectName(), "1019");
    EXPECT_EQ(panel->Cell(EvalSlot::Second, 8)->objectName(), "1034");

    EXPECT_EQ(current_.Get(), "600000");
    EXPECT_TRUE(lastEvaluation_.Get().Found());
    EXPECT_EQ(lastEvaluation_.Get().Code(), "600000");
    EXPECT_EQ(docs_.Requests(), (std::vector<std::string>{"/KRClientInfo/ZHZD/600000.xml",
                                                          "/KRClientInfo/ZHZD/RecommendStock.xml"}));
    EXPECT_TRUE(answers_->Prompts().empty());
    EXPECT_TRUE(panel->CodeEdit()->hasFocus());
    EXPECT_EQ(panel->CodeEdit()->selectedText(), "600000");

    // A later evaluation with equal scores turns the columns black again.
    ServeEvaluation("600036", "招商银行", first, first);
    Query("600036");
    EXPECT_EQ(RedColumns(panel), std::vector<bool>(9, false));
    EXPECT_EQ(Utf8(panel, 1036), "600036 招商银行");
}

TEST_F(ComprehensivePanel, AnEmptySecondEvaluationRedsEveryScoredColumn) {
    EvaluationSlotDoc first;
    first.scores[5] = "";  // no expert score in either slot: nothing differs there
    ServeEvaluation("600000", "浦发银行", first, EvaluationSlotDoc::Empty());
    MakePage();
    Query("600000");
    EXPECT_EQ(RedColumns(Panel()), (std::vector<bool>{false, true, true, true, true, true, false, true, false}));
    EXPECT_EQ(Row(Panel(), EvalSlot::Second), std::vector<std::string>(9, ""));
}

TEST_F(ComprehensivePanel, AnEmptyCodeAsksNothingAndSaysNothing) {
    MakePage();
    Query("");
    EXPECT_TRUE(docs_.Requests().empty());
    EXPECT_TRUE(answers_->Prompts().empty());
    EXPECT_TRUE(Panel()->CodeEdit()->hasFocus());
}

TEST_F(ComprehensivePanel, OfflineItSaysSoAndAsksNothing) {
    ServeEvaluation("600000", "浦发银行", {}, {});
    MakePage();
    online_.Set(false);
    Query("600000");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("您的网络链接有问题!"));
    EXPECT_TRUE(docs_.Requests().empty());
    EXPECT_FALSE(online_.IsOnline());  // only the connectivity watch sets it again
    EXPECT_EQ(Utf8(Panel(), 1036), "");
    EXPECT_EQ(Panel()->CodeEdit()->selectedText(), "600000");
    // Offline even an empty code gets the message.
    Query("");
    EXPECT_EQ(answers_->Prompts().size(), 2u);
}

TEST_F(ComprehensivePanel, AFailedQueryKeepsTheTableTheLabelAndTheDetailWindows) {
    EvaluationSlotDoc second;
    second.total = "70.0";
    ServeEvaluation("600000", "浦发银行", {}, second);
    MakePage();
    Query("600000");
    const auto before = Row(Panel(), EvalSlot::Second);
    Query("999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    // One request: the recommended stocks are not asked for an unknown stock.
    EXPECT_EQ(docs_.Requests().back(), "/KRClientInfo/ZHZD/999999.xml");
    EXPECT_EQ(docs_.Requests().size(), 3u);
    EXPECT_EQ(Row(Panel(), EvalSlot::Second), before);
    EXPECT_TRUE(Panel()->Cell(EvalSlot::First, 7)->textColor == kRed);
    EXPECT_EQ(Utf8(Panel(), 1036), "600000 浦发银行");
    EXPECT_EQ(current_.Get(), "600000");
    EXPECT_EQ(Panel()->CodeEdit()->text(), "999999");

    docs_.SetUnreachable(true);
    Query("600036");
    EXPECT_EQ(answers_->Prompts().back().message, Gbk("连接服务器失败,请稍后再试!"));
    EXPECT_EQ(lastEvaluation_.Get().Code(), "600000");
    EXPECT_TRUE(WithModal([&] { ClickLink(Panel()->Header(Dimension::Capital)); },
                          [](QDialog* window) { EXPECT_EQ(Utf8(window, 1038), "600000   浦发银行"); }));
}

TEST_F(ComprehensivePanel, HeadersWithoutAnEvaluationSayWhatIsMissing) {
    MakePage();
    const char* const messages[] = {"没有基本面信息!", "没有市场面信息!", "没有技术面信息!",
                                    "没有资金面信息!", "没有消息面信息!", "没有专家评测信息!"};
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        CHtmlLabel* header = Panel()->Header(static_cast<Dimension>(d));
        EXPECT_EQ(header->objectName().toInt(), 1011 + static_cast<int>(d));
        const bool opened = WithModal([&] { ClickLink(header); }, [](QDialog*) {});
        EXPECT_FALSE(opened) << d;
        ASSERT_EQ(answers_->Prompts().size(), d + 1);
        EXPECT_EQ(answers_->Prompts().back().message, Gbk(messages[d]));
    }
    EXPECT_TRUE(shell_.Requests().empty());  // "HHHH" opens nothing
}

TEST_F(ComprehensivePanel, HeadersOpenTheDetailWindowOfTheirDimension) {
    EvaluationSlotDoc first, second;
    second.time = "2026-11-27";
    second.technical = {"-2.0%", "+0.3%", "9.10-9.90", "-1.5%"};
    second.capital = {"-300000", "200000", "900000"};
    second.categoryCounts = {"1", "4", "7", "0", "5"};
    ServeEvaluation("600000", "浦发银行", first, second);
    MakePage();
    Query("600000");

    struct Expected {
        int dialog;
        const char* title;
        std::vector<std::string> row1, row2;
        const char* stock1;
    };
    const Expected expected[] = {
        {135, "基本面分析", {"2026-12-04", "12.50", "8.2%", "5.1%", "0.850", "6.20"},
         {"2026-11-27", "12.50", "8.2%", "5.1%", "0.850", "6.20"}, "JBMZHG1"},
        {136, "市场面分析", {"2026-12-04", "10.10", "10.05", "1203000", "1104000"},
         {"2026-11-27", "10.10", "10.05", "1203000", "1104000"}, "SCMZHG1"},
        // Relative to the market, the price range and the change; not relative to the industry.
        {137, "技术面分析", {"2026-12-04", "+1.2%", "9.80-10.40", "+2.1%"}, {"2026-11-27", "-2.0%", "9.10-9.90", "-1.5%"},
         "JSMZHG1"},
        {139, "资金面分析", {"2026-12-04", "1000000", "5000000", "-2000000"}, {"2026-11-27", "-300000", "200000", "900000"},
         "JJMZHG1"},
        {138, "消息面分析", {"2026-12-04", "3", "0", "12", "1", "2"}, {"2026-11-27", "1", "4", "7", "0", "5"}, "XXMZHG1"},
        {140, "Kestrun财经专家分析", {"2026-12-04", "浦发银行业绩稳健，短线可逢低关注。"},
         {"2026-11-27", "浦发银行业绩稳健，短线可逢低关注。"}, "ZJPZHG1"},
    };
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        SCOPED_TRACE(d);
        const Expected& e = expected[d];
        const bool opened = WithModal([&] { ClickLink(Panel()->Header(static_cast<Dimension>(d))); }, [&](QDialog* window) {
            EXPECT_EQ(window->objectName().toInt(), e.dialog);
            EXPECT_EQ(window->windowTitle(), "Quorvel");
            EXPECT_EQ(Utf8(window, 1039), e.title);
            EXPECT_EQ(Utf8(window, 1038), "600000   浦发银行");
            const std::size_t columns = e.row1.size() - 1;
            std::vector<std::string> row1, row2;
            for (int id : CDimensionDetailDlg::RowIds(EvalSlot::First, columns)) row1.push_back(Utf8(window, id));
            for (int id : CDimensionDetailDlg::RowIds(EvalSlot::Second, columns)) row2.push_back(Utf8(window, id));
            EXPECT_EQ(row1, e.row1);
            EXPECT_EQ(row2, e.row2);
            EXPECT_EQ(Utf8(window, 1048), e.stock1);
            EXPECT_EQ(Utf8(window, 1053), std::string(e.stock1, 6) + "6");
            EXPECT_EQ(Control<CColorLabel>(window, 1038)->textColor, kRed);
            EXPECT_EQ(Control<CColorLabel>(window, 1048)->textColor, ui::Rgb(35, 99, 133));
            // Enter leaves the window open; Esc closes it.
            QTest::keyClick(window, Qt::Key_Return);
            EXPECT_TRUE(window->isVisible());
            QTest::keyClick(window, Qt::Key_Escape);
            EXPECT_FALSE(window->isVisible());
        });
        EXPECT_TRUE(opened);
    }
    EXPECT_TRUE(answers_->Prompts().empty());
}

TEST_F(ComprehensivePanel, NewsWindowListsTheSitesOfTheChosenCategory) {
    EvaluationSlotDoc first;
    first.sites[2] = {};
    for (int i = 1; i <= 10; ++i)
        first.sites[2].push_back({"站" + std::to_string(i), "1", "http://pro/" + std::to_string(i)});
    ServeEvaluation("600000", "浦发银行", first, EvaluationSlotDoc::Empty());
    MakePage();
    Query("600000");
    CNewsDimensionDlg window(lastEvaluation_.Get(), shell_);
    window.show();
    auto lines = [&] {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < CNewsDimensionDlg::kSiteLines; ++i) {
            CHtmlLabel* line = Control<CHtmlLabel>(&window, 1060 + static_cast<int>(i));
            const auto& links = line->Links();
            if (!links.empty()) texts.push_back(ui::FromQString(line->Text()));
        }
        return texts;
    };
    // It opens on 政府类: total 3 from counts 2 and 1.
    EXPECT_EQ(window.Group()->objectName(), "1054");
    EXPECT_EQ(window.Group()->title(), "政府类");
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_NE(lines()[0].find(Gbk("1。新华网出现2次")), std::string::npos);
    EXPECT_NE(lines()[1].find(Gbk("2。人民网出现1次")), std::string::npos);

    ClickLink(Control<QWidget>(&window, 1057));  // 专业类: total 12, ten sites of one
    EXPECT_EQ(window.Group()->title(), "专业类");
    EXPECT_EQ(lines().size(), 10u);
    ClickLink(Control<QWidget>(&window, 1056));  // 门户类: total 0
    EXPECT_EQ(window.Group()->title(), "门户类");
    EXPECT_TRUE(lines().empty());
    ClickLink(Control<QWidget>(&window, 1059));
    EXPECT_EQ(window.Group()->title(), "Kestrun财经类");
    ASSERT_EQ(lines().size(), 1u);

    // A site line opens its page through the shell; category links open nothing.
    ASSERT_TRUE(shell_.Requests().empty());
    ClickLink(Control<QWidget>(&window, 1060));
    ASSERT_EQ(shell_.Requests().size(), 1u);
    EXPECT_EQ(shell_.Requests()[0].target, "http://kr/1");
}

TEST_F(ComprehensivePanel, SiteNamesAreShownAsTextNotMarkup) {
    EvaluationSlotDoc first;
    first.sites[0] = {{"a&lt;b&gt; &amp; c", "3", "http://gov/x"}};
    ServeEvaluation("600000", "浦发银行", first, first);
    MakePage();
    Query("600000");
    CNewsDimensionDlg window(lastEvaluation_.Get(), shell_);
    CHtmlLabel* line = window.SiteLineLabel(0);
    ASSERT_EQ(line->Links().size(), 1u);
    EXPECT_NE(line->Text().indexOf("a&lt;b&gt; &amp; c"), -1) << line->Text().toStdString();
}

TEST_F(ComprehensivePanel, LooksAndNotes) {
    MakePage();
    CComprehensivePanel* panel = Panel();
    EXPECT_EQ(panel->objectName(), "132");
    EXPECT_FALSE(panel->mask().isEmpty());
    EXPECT_EQ(Control<CColorLabel>(panel, 1036)->textColor, kRed);
    for (int id : CComprehensivePanel::kNoteIds) EXPECT_EQ(Control<CColorLabel>(panel, id)->textColor, ui::Rgb(69, 87, 102));
    EXPECT_EQ(Utf8(panel, 1190), "六个等级：高风险，风险，观望，安全，高价值。");
    for (std::size_t d = 0; d < kDimensionCount; ++d) {
        CHtmlLabel* header = panel->Header(static_cast<Dimension>(d));
        EXPECT_EQ(header->StyleRule("a:link"), QString::asprintf("color:0x%06X; text-decoration:none", ui::Rgb(6, 3, 144)));
        EXPECT_EQ(header->StyleRule("a:hover"), QString::asprintf("color:0x%06X; text-decoration:underline", ui::Rgb(6, 3, 144)));
        ASSERT_EQ(header->Links().size(), 1u);
        EXPECT_EQ(header->Links()[0].href, "HHHH");
    }
    for (int c = 0; c < CComprehensivePanel::kColumns; ++c) EXPECT_EQ(panel->Cell(EvalSlot::First, c)->textColor, kBlack);
}

TEST_F(ComprehensivePanel, WithoutItsBackgroundThePageFailsToStart) {
    ASSERT_TRUE(platform::RemoveFile(platform::JoinPath(platform::ProgramDirectory(), "image/bg_mid2.gif")));
    popup_ = std::make_unique<CStockSearchPopup>();
    CEvalPage page(PanelServices{docs_, current_, *popup_, online_, lastEvaluation_, shell_, config_});
    EXPECT_FALSE(page.Initialise());
}

TEST_F(ComprehensivePanel, AdvertisementFromTheFileOrBuiltIn) {
    config_.hosts.productSite = "product.example";
    MakePage();
    CAdWnd* ad = Panel()->Advert();
    EXPECT_EQ(ad->Picture(), "image\\ad_3.gif");
    EXPECT_EQ(ad->Link(), "http://product.example/plan/spring/");
    EXPECT_TRUE(ad->IsCreated());
    EXPECT_TRUE(ad->isVisible());
    EXPECT_EQ(ad->pos(), Control<QWidget>(Panel(), 1216)->pos());
    QTest::mouseClick(ad, Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_EQ(shell_.Requests().size(), 1u);
    EXPECT_EQ(shell_.Requests()[0].target, "http://product.example/plan/spring/");

    page_.reset();
    ASSERT_TRUE(platform::ReplaceFileAtomically(
        platform::JoinPath(platform::ProgramDirectory(), "Advertise.XML"),
        "<Advertise><ZHZDAdvts LinkUrl=\"http://ad.example/z\">image\\ad_2.gif</ZHZDAdvts></Advertise>"));
    MakePage();
    EXPECT_EQ(Panel()->Advert()->Picture(), "image\\ad_2.gif");
    EXPECT_EQ(Panel()->Advert()->Link(), "http://ad.example/z");
}

TEST_F(ComprehensivePanel, PageButtonFillsTheCodeAndTheEntryWorksAsInEveryPanel) {
    ServeStock("600036", "招商银行");
    ServeEvaluation("600036", "招商银行", {}, {});
    MakePage();
    QueryIn(Open(kCangwei), "600036");
    QTest::mouseClick(Control<CKbcBmp>(page_.get(), CEvalPage::kComprehensiveButton), Qt::LeftButton);
    EXPECT_EQ(Panel()->CodeEdit()->text(), "600036");
    EXPECT_EQ(docs_.Requests().size(), 1u);

    // Typing opens the pop-up for this panel; Esc is ignored; Enter queries.
    Panel()->CodeEdit()->clear();
    Panel()->CodeEdit()->setFocus();
    QTest::keyClicks(Panel()->CodeEdit(), "60003");
    ASSERT_TRUE(popup_->isVisible());
    EXPECT_EQ(popup_->Owner(), Panel());
    QTest::mouseClick(Panel(), Qt::LeftButton, {}, QPoint(700, 20));
    EXPECT_FALSE(popup_->isVisible());
    QTest::keyClick(Panel(), Qt::Key_Escape);
    EXPECT_TRUE(Panel()->isVisible());
    Panel()->CodeEdit()->setText("600036");
    QTest::keyClick(Panel()->CodeEdit(), Qt::Key_Return);
    WaitIdle(Panel());
    EXPECT_EQ(Utf8(Panel(), 1036), "600036 招商银行");
}

TEST_F(ComprehensivePanel, ForecastLaysOutYearsOnLinesOfTheirOwn) {
    ServeForecast("600000", "浦发银行", "2026年 0.85元 2027年 1.02元");
    MakePage();
    CDiagnosisPanel* forecast = Open(CEvalPage::kForecastButton);
    ASSERT_NE(forecast, nullptr);
    EXPECT_EQ(forecast->objectName(), "134");
    EXPECT_EQ(forecast->PanelCode(), "YZYC");
    EXPECT_EQ(Control<CColorLabel>(forecast, 1071)->textColor, kRed);
    EXPECT_EQ(Utf8(forecast, 1200).rfind("说明：国内顶级机构明星分析师", 0), 0u);
    QueryIn(forecast, "600000");
    EXPECT_EQ(Utf8(forecast, 1071), "2026年  0.85元  \r\n2027年   1.02元");
    EXPECT_EQ(Utf8(forecast, 1036), "600000 浦发银行");
    EXPECT_EQ(Utf8(forecast, 1070), "2026-12-04");

    // An empty code is asked for, and not found.
    QueryIn(forecast, "");
    EXPECT_EQ(docs_.Requests().back(), "/KRClientInfo/YZYC/.xml");
    EXPECT_EQ(answers_->Prompts().size(), 1u);
}

}  // namespace
