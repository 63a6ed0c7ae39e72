// The market analysis panels against the sample server: each step fills its panel from
// the server's documents.
#include "analysis_fixture.h"
#include "client/core/gbk.h"
#include "client/panels/finance_panel.h"
#include "client/panels/hot_industry_panel.h"
#include "client/panels/industry_stocks_panel.h"
#include "client/panels/sector_panel.h"
#include "support/sample_server.h"

namespace {

using AnalysisPanelsOnServer = AnalysisFixture;

TEST_F(AnalysisPanelsOnServer, EveryPanelShowsTheServersLists) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    ServerDocumentSource documents(server.BaseHost());
    MakeAnalysisPage(&documents);

    auto* hot = analysis_->HotIndustryPanel();
    Act(hot);
    EXPECT_FALSE(Text(hot, 1070).empty());
    for (int row = 0; row < CHotIndustryPanel::kRows; ++row) {
        EXPECT_FALSE(hot->NameLabel(row)->text().isEmpty()) << row;
        EXPECT_FALSE(hot->ValueLabel(row)->text().isEmpty()) << row;
    }

    auto* stocks = static_cast<CIndustryStocksPanel*>(OpenAnalysis(CAnalysisPage::kIndustryStocksButton));
    Act(stocks);
    EXPECT_GT(stocks->List()->Model().rowCount(), 3);

    auto* sector = static_cast<CSectorPanel*>(OpenAnalysis(CAnalysisPage::kSectorButton));
    ActOn(sector, "600000");
    EXPECT_GT(sector->List()->Model().rowCount(), 1);
    EXPECT_EQ(Text(sector, 1212).rfind("600000 ", 0), 0u);
    EXPECT_EQ(current_.Get(), "600000");

    auto* finance = static_cast<CFinancePanel*>(OpenAnalysis(CAnalysisPage::kFinanceButton));
    EXPECT_EQ(finance->List()->Model().rowCount(), 50);
    EXPECT_FALSE(finance->List()->Model().CellText(49, 0).empty());
    ActOn(finance, "600000");
    EXPECT_EQ(finance->List()->Model().rowCount(), 1);
    ActOn(finance, "999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
}

}  // namespace
