// The market analysis panels of page 分析: the page's panels and activation rules, what
// each panel's step shows (order, sign colours, the sort arrow), and that failures keep
// what was shown.
#include <QHeaderView>
#include <QLineEdit>

#include <algorithm>

#include "analysis_fixture.h"
#include "client/core/gbk.h"
#include "client/panels/finance_panel.h"
#include "client/panels/hot_industry_panel.h"
#include "client/panels/industry_stocks_panel.h"
#include "client/panels/sector_panel.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/text.h"

namespace {

constexpr ui::ColorRef kRed = ui::Rgb(204, 0, 0);
constexpr ui::ColorRef kGreen = ui::Rgb(0, 100, 0);
constexpr ui::ColorRef kCaption = ui::Rgb(69, 87, 102);
constexpr ui::ColorRef kPrompt = ui::Rgb(29, 56, 91);

using AnalysisPanels = AnalysisFixture;

std::string Utf8(const QString& text) { return text.toStdString(); }

TEST_F(AnalysisPanels, PageShowsOnePanelAtATimeWithItsLabels) {
    MakeAnalysisPage();
    EXPECT_EQ(analysis_->Buttons().size(), 4u);
    EXPECT_EQ(analysis_->SelectedButton(), CAnalysisPage::kHotIndustryButton);
    const std::vector<std::pair<int, int>> dialogs{{1107, 159}, {1108, 160}, {1109, 161}, {1110, 162}};
    for (const auto& [button, dialog] : dialogs) {
        QWidget* panel = analysis_->Panel(button);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->objectName().toInt(), dialog);
        EXPECT_EQ(panel->pos(), analysis_->PanelArea().topLeft());
        EXPECT_EQ(panel->isVisible(), button == CAnalysisPage::kHotIndustryButton);
        EXPECT_FALSE(Control<CKbcBmp>(panel, 1073)->FrameImage(CKbcBmp::kNormal).isNull()) << dialog;
    }
    OpenAnalysis(CAnalysisPage::kSectorButton);
    for (const auto& [button, dialog] : dialogs)
        EXPECT_EQ(analysis_->Panel(button)->isVisible(), button == CAnalysisPage::kSectorButton) << dialog;

    QWidget* hot = analysis_->Panel(CAnalysisPage::kHotIndustryButton);
    EXPECT_EQ(Text(hot, 1197), Gbk("今日热门行业T+0分析"));
    EXPECT_EQ(Control<CColorLabel>(hot, 1197)->textColor, kPrompt);
    EXPECT_EQ(Control<CColorLabel>(hot, 1199)->textColor, kCaption);
    QWidget* sector = analysis_->Panel(CAnalysisPage::kSectorButton);
    EXPECT_EQ(Control<CColorLabel>(sector, 1212)->textColor, kRed);
    EXPECT_EQ(Text(sector, 1198), Gbk("输入股票代码："));
    QWidget* stocks = analysis_->Panel(CAnalysisPage::kIndustryStocksButton);
    EXPECT_EQ(Text(stocks, 1201), Gbk("最大成交额第一（万元）"));
    EXPECT_EQ(Control<CColorLabel>(stocks, 1201)->textColor, kCaption);
    auto* finance = analysis_->FinancePanel();
    EXPECT_EQ(Control<CColorLabel>(finance, 1206)->text(),
              QStringLiteral("说明：默认按每股收益从大到小排序，选取了A股中排名前50名个股。方便用户快速选出财务数据更好的个股。"));
    EXPECT_EQ(Control<CColorLabel>(finance, 1036)->textColor, kRed);
    for (int id = 1200; id <= 1205; ++id) {
        EXPECT_EQ(Control<CColorLabel>(finance, id)->cursor().shape(), Qt::PointingHandCursor) << id;
        EXPECT_EQ(Control<CColorLabel>(finance, id)->textColor, kCaption) << id;
    }
    EXPECT_NE(Control<CColorLabel>(finance, 1198)->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AnalysisPanels, HotIndustriesShowTheFirstThreeColouredBySign) {
    ServeHotIndustries({{"半导体", "+1.22%"}, {"银行", "-0.50%"}, {"煤炭", "0.00"}, {"白酒", "+3.00%"}});
    current_.Set("600000");
    MakeAnalysisPage();
    auto* panel = analysis_->HotIndustryPanel();
    Act(panel);
    EXPECT_TRUE(answers_->Prompts().empty());
    EXPECT_EQ(Text(panel, 1070), "2026-12-04 15:00");
    const std::vector<std::string> names{Gbk("半导体指数："), Gbk("银行指数："), Gbk("煤炭指数：")};
    const std::vector<std::string> values{"+1.22%", "-0.50%", "0.00"};
    const std::vector<ui::ColorRef> colours{kRed, kGreen, kGreen};
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(ui::FromQString(panel->NameLabel(row)->text()), names[row]);
        EXPECT_EQ(ui::FromQString(panel->ValueLabel(row)->text()), values[row]);
        EXPECT_EQ(panel->ValueLabel(row)->textColor, colours[row]) << row;
    }
    EXPECT_EQ(Text(panel, 1224), names[0]);
    EXPECT_EQ(Text(panel, 1076), "0.00");
    EXPECT_EQ(current_.Get(), "600000");

    // A list of fewer than three industries leaves the rows after it empty.
    ServeHotIndustries({{"银行", "+0.10%"}});
    Act(panel);
    EXPECT_EQ(ui::FromQString(panel->NameLabel(0)->text()), Gbk("银行指数："));
    EXPECT_EQ(panel->ValueLabel(0)->textColor, kRed);
    EXPECT_EQ(panel->NameLabel(1)->text(), "");
    EXPECT_EQ(panel->ValueLabel(2)->text(), "");
}

TEST_F(AnalysisPanels, HotIndustriesKeepWhatTheyShowedWhenNothingCanBeFound) {
    ServeHotIndustries({{"半导体", "+1.22%"}});
    MakeAnalysisPage();
    auto* panel = analysis_->HotIndustryPanel();
    Act(panel);
    docs_.Serve("/clientweb/GetRmhy.aspx", "<KRClientInfo/>");
    Act(panel);
    docs_.SetUnreachable(true);
    Act(panel);
    ASSERT_EQ(answers_->Prompts().size(), 2u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到相关信息!"));
    EXPECT_EQ(answers_->Prompts()[1].message, Gbk("连接服务器失败,请稍后再试!"));
    EXPECT_EQ(ui::FromQString(panel->NameLabel(0)->text()), Gbk("半导体指数："));
    EXPECT_EQ(panel->ValueLabel(0)->textColor, kRed);
    EXPECT_EQ(Text(panel, 1070), "2026-12-04 15:00");
}

TEST_F(AnalysisPanels, IndustryStocksListEveryIndustryInTheServersOrder) {
    docs_.Serve("/clientweb/GetHyrg.aspx",
                "<KRClientInfo>"
                "<InfoHyrg IndustryName=\"银行\" LedShares1=\"浦发银行（+2.10）\" LedShares2=\"招商银行（+1.05）\" "
                "MaxTurnover1=\"招商银行（351200）\" MaxTurnover2=\"浦发银行（120400）\" Tradingtime=\"2026-12-04 15:00\"/>"
                "<InfoHyrg IndustryName=\"证券\" LedShares1=\"中信证券（+0.80）\" LedShares2=\"--\" "
                "MaxTurnover1=\"中信证券（88000）\" MaxTurnover2=\"--\" Tradingtime=\"2026-12-05 15:00\"/>"
                "</KRClientInfo>");
    current_.Set("600036");
    MakeAnalysisPage();
    auto* panel = static_cast<CIndustryStocksPanel*>(OpenAnalysis(CAnalysisPage::kIndustryStocksButton));
    EXPECT_TRUE(docs_.Requests().empty());  // opening the panel asks nothing
    Act(panel);
    EXPECT_EQ(Text(panel, 1070), "2026-12-04 15:00");
    EXPECT_EQ(Column(panel->List(), 0), (std::vector<std::string>{Gbk("银行"), Gbk("证券")}));
    EXPECT_EQ(panel->List()->Model().CellText(0, 1), Gbk("浦发银行（+2.10）"));
    EXPECT_EQ(panel->List()->Model().CellText(1, 4), "--");
    EXPECT_TRUE(panel->List()->horizontalHeader()->isHidden());
    EXPECT_EQ(current_.Get(), "600036");

    docs_.Serve("/clientweb/GetHyrg.aspx", "<KRClientInfo/>");
    Act(panel);
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到相关信息!"));
    EXPECT_EQ(panel->List()->Model().rowCount(), 2);
}

TEST_F(AnalysisPanels, SectorsFillTheListInReverseOrderColouredBySign) {
    ServeSectors("600000", "浦发银行",
                 {{"银行", "行业", "-0.50%"}, {"上海本地", "概念", "+1.22%"}, {"沪深300", "指数", "0.00"}});
    current_.Set("600000");
    MakeAnalysisPage();
    auto* panel = static_cast<CSectorPanel*>(OpenAnalysis(CAnalysisPage::kSectorButton));
    EXPECT_EQ(panel->CodeEdit()->text(), "600000");  // copied in, not asked for
    EXPECT_TRUE(docs_.Requests().empty());
    Act(panel);
    const CColumnListCtrl* list = panel->List();
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{Gbk("沪深300"), Gbk("上海本地"), Gbk("银行")}));
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{Gbk("指数"), Gbk("概念"), Gbk("行业")}));
    EXPECT_EQ(Column(list, 2), (std::vector<std::string>{"0.00", "+1.22%", "-0.50%"}));
    using Part = CColumnListModel::ColorPart;
    EXPECT_EQ(list->Model().CellColor(0, 2, Part::Text), kGreen);
    EXPECT_EQ(list->Model().CellColor(1, 2, Part::Text), kRed);
    EXPECT_EQ(list->Model().CellColor(2, 2, Part::Text), kGreen);
    EXPECT_EQ(list->Model().CellColor(1, 0, Part::Text), CColumnListModel::kSystemColor);
    EXPECT_EQ(Text(panel, 1212), Gbk("600000 浦发银行"));
    EXPECT_EQ(Text(panel, 1070), "2026-12-04 15:00");
    EXPECT_TRUE(panel->CodeEdit()->hasFocus());
    EXPECT_EQ(panel->CodeEdit()->selectedText(), "600000");
}

TEST_F(AnalysisPanels, SectorQueryOfAnUnknownStockKeepsTheListAndTheCurrentCode) {
    ServeSectors("600000", "浦发银行", {{"银行", "行业", "-0.50%"}});
    ServeSectors("600036", "招商银行", {{"银行", "行业", "+0.30%"}, {"深股通", "概念", "+0.10%"}});
    MakeAnalysisPage();
    auto* panel = static_cast<CSectorPanel*>(OpenAnalysis(CAnalysisPage::kSectorButton));
    ActOn(panel, "600036");
    EXPECT_EQ(current_.Get(), "600036");
    ActOn(panel, "999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    EXPECT_EQ(panel->List()->Model().rowCount(), 2);
    EXPECT_EQ(Text(panel, 1212), Gbk("600036 招商银行"));
    EXPECT_EQ(current_.Get(), "600036");
    EXPECT_EQ(panel->CodeEdit()->selectedText(), "999999");

    // Enter in the edit queries; Esc on the panel closes nothing.
    panel->CodeEdit()->setText("600000");
    QTest::keyClick(panel->CodeEdit(), Qt::Key_Return);
    WaitIdle(panel);
    EXPECT_EQ(current_.Get(), "600000");
    QTest::keyClick(panel, Qt::Key_Escape);
    EXPECT_TRUE(panel->isVisible());
}

TEST_F(AnalysisPanels, FinanceOpensOnTheTopFiftySortedByEarningsWithTheArrow) {
    ServeFinanceList();
    current_.Set("600036");
    MakeAnalysisPage();
    auto* panel = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    EXPECT_EQ(panel->CodeEdit()->text(), "600036");
    EXPECT_EQ(docs_.Requests(), (std::vector<std::string>{"/KRClientInfo/CWFX/infoCWFX.xml"}));
    const CColumnListCtrl* list = panel->List();
    ASSERT_EQ(list->Model().rowCount(), 50);
    std::vector<double> eps;
    for (const std::string& text : Column(list, 2)) eps.push_back(std::stod(text));
    EXPECT_TRUE(std::is_sorted(eps.rbegin(), eps.rend()));
    EXPECT_EQ(eps.front(), 3.7);
    EXPECT_EQ(eps.back(), -1.2);
    // Each row keeps its stock's figures together.
    const int top = 0;
    EXPECT_EQ(list->Model().CellText(top, 0), "600127");  // (27 * 37) % 50 == 49
    EXPECT_EQ(list->Model().CellText(top, 1), Gbk("股票27"));
    EXPECT_EQ(list->Model().CellText(top, 4), "27.25");
    EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）↓");
    for (int figure = 1; figure < CFinancePanel::kFigures; ++figure)
        EXPECT_EQ(panel->FigureHeader(figure)->text().indexOf(QStringLiteral("↓")), -1) << figure;
    EXPECT_EQ(current_.Get(), "600036");
}

TEST_F(AnalysisPanels, FinanceHeaderClicksSortFromHighToLowAndMoveTheArrow) {
    ServeFinanceList();
    MakeAnalysisPage();
    auto* panel = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    CColorLabel* ratio = panel->FigureHeader(5);
    for (int click = 0; click < 2; ++click) {  // the same label sorts the same way again
        QTest::mouseClick(ratio, Qt::LeftButton, {}, QPoint(5, 5));
        std::vector<double> values;
        for (const std::string& text : Column(panel->List(), 7)) values.push_back(std::stod(text));
        EXPECT_TRUE(std::is_sorted(values.rbegin(), values.rend()));
        EXPECT_EQ(Utf8(ratio->text()), "资产负债率（%）↓");
        EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）");
    }
    // A click beside the labels sorts nothing.
    const std::vector<std::string> before = Column(panel->List(), 0);
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(700, 280));
    EXPECT_EQ(Column(panel->List(), 0), before);

    // Opening the panel again reloads the list and puts the arrow back on 每股收益.
    OpenAnalysis(CAnalysisPage::kHotIndustryButton);
    OpenAnalysis(CAnalysisPage::kFinanceButton);
    EXPECT_EQ(docs_.Requests().size(), 2u);
    EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）↓");
    EXPECT_EQ(Utf8(ratio->text()), "资产负债率（%）");
}

TEST_F(AnalysisPanels, FinanceStockQueryLeavesOneRowThatAHeaderClickStillSorts) {
    ServeFinanceList();
    ServeFinanceStock("600000", "浦发银行");
    MakeAnalysisPage();
    auto* panel = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    ActOn(panel, "600000");
    const CColumnListCtrl* list = panel->List();
    ASSERT_EQ(list->Model().rowCount(), 1);
    EXPECT_EQ(Column(list, 0), std::vector<std::string>{"600000"});
    EXPECT_EQ(list->Model().CellText(0, 1), Gbk("浦发银行"));
    EXPECT_EQ(list->Model().CellText(0, 2), "0.512");
    EXPECT_EQ(list->Model().CellText(0, 7), "91.55");
    EXPECT_EQ(current_.Get(), "600000");
    EXPECT_EQ(Text(panel, 1036), Gbk("600000 浦发银行"));
    EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）↓");  // the query leaves the labels
    EXPECT_EQ(panel->CodeEdit()->selectedText(), "600000");

    QTest::mouseClick(panel->FigureHeader(2), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(list->Model().rowCount(), 1);
    EXPECT_EQ(Utf8(panel->FigureHeader(2)->text()), "净利润（亿元）↓");
    EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）");

    // An unknown stock keeps the row; an empty code loads the top fifty again.
    ActOn(panel, "999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    EXPECT_EQ(list->Model().rowCount(), 1);
    EXPECT_EQ(current_.Get(), "600000");
    ActOn(panel, "");
    EXPECT_EQ(list->Model().rowCount(), 50);
    EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）↓");
    EXPECT_EQ(Text(panel, 1036), "") << "the label no longer names one stock of the fifty";
}

TEST_F(AnalysisPanels, FinanceOpenedAgainDuringAStockQueryShowsTheTopFiftyAfterIt) {
    ServeFinanceList();
    ServeFinanceStock("600000", "浦发银行");
    MakeAnalysisPage();
    auto* panel = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    docs_.SetStallMs(200);
    Control<QLineEdit>(panel, CAnalysisPanel::kCodeEditId)->setText("600000");
    QTest::mouseClick(Control<CKbcBmp>(panel, CAnalysisPanel::kActionButtonId), Qt::LeftButton);
    ASSERT_TRUE(ui::QueryRunning(panel));
    panel->Activate();  // the user left the panel and came back
    WaitIdle(panel);
    EXPECT_EQ(panel->List()->Model().rowCount(), 50);
    EXPECT_EQ(Utf8(panel->FigureHeader(0)->text()), "每股收益（元）↓");
    EXPECT_EQ(Text(panel, 1036), "");
}

TEST_F(AnalysisPanels, FinanceListThatCannotBeFoundKeepsTheRows) {
    ServeFinanceList();
    MakeAnalysisPage();
    auto* panel = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    QTest::mouseClick(panel->FigureHeader(3), Qt::LeftButton, {}, QPoint(5, 5));
    docs_.Serve("/KRClientInfo/CWFX/infoCWFX.xml", "<KRClientInfo/>");
    OpenAnalysis(CAnalysisPage::kHotIndustryButton);
    OpenAnalysis(CAnalysisPage::kFinanceButton);
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    EXPECT_EQ(panel->List()->Model().rowCount(), 50);
    EXPECT_EQ(Utf8(panel->FigureHeader(3)->text()), "主营收入（亿元）↓");
}

TEST_F(AnalysisPanels, TypingInTheFinanceEditOpensThePopupAndAClickHidesIt) {
    ServeFinanceList();
    MakeAnalysisPage();
    auto* panel = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    panel->CodeEdit()->clear();
    panel->CodeEdit()->setFocus();
    QTest::keyClicks(panel->CodeEdit(), "60");
    ASSERT_TRUE(popup_->isVisible());
    EXPECT_EQ(popup_->Owner(), panel);
    QTest::mouseClick(panel->FigureHeader(1), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(popup_->isVisible());
    EXPECT_EQ(Utf8(panel->FigureHeader(1)->text()), "每股净资产（元）↓");
    // Esc and Enter on the panels without a code edit do nothing.
    QWidget* hot = OpenAnalysis(CAnalysisPage::kHotIndustryButton);
    QTest::keyClick(hot, Qt::Key_Escape);
    QTest::keyClick(hot, Qt::Key_Return);
    EXPECT_TRUE(hot->isVisible());
    EXPECT_EQ(docs_.Requests().size(), 1u);
}

}  // namespace
