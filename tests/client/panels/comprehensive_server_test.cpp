// The comprehensive evaluation panel against the sample server: a stock of the directory
// fills the table, colours exactly the score columns whose texts differ, and its detail
// windows show the same stock.
#include "client/core/gbk.h"
#include "client/panels/news_dimension_dlg.h"
#include "client/widgets/html_label.h"
#include "comprehensive_fixture.h"
#include "support/sample_server.h"

namespace {

using ComprehensivePanelOnServer = ComprehensiveFixture;

TEST_F(ComprehensivePanelOnServer, QueryShowsTheServersEvaluation) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    ServerDocumentSource documents(server.BaseHost());
    MakePage(&documents);
    Query("600000");
    ASSERT_TRUE(answers_->Prompts().empty());

    CComprehensivePanel* panel = Panel();
    EXPECT_EQ(Text(panel, 1036).rfind("600000 ", 0), 0u);
    for (int c = 0; c < CComprehensivePanel::kColumns; ++c) {
        SCOPED_TRACE(c);
        const QString first = panel->Cell(EvalSlot::First, c)->text();
        const QString second = panel->Cell(EvalSlot::Second, c)->text();
        EXPECT_FALSE(first.isEmpty());
        EXPECT_FALSE(second.isEmpty());
        const bool score = c >= 1 && c <= CComprehensivePanel::kTotalColumn;
        const ui::ColorRef expected = score && first != second ? ui::Rgb(204, 0, 0) : ui::Rgb(0, 0, 0);
        EXPECT_EQ(panel->Cell(EvalSlot::First, c)->textColor, expected);
        EXPECT_EQ(panel->Cell(EvalSlot::Second, c)->textColor, expected);
    }
    ASSERT_TRUE(lastEvaluation_.Get().Found());

    // The news window's first category lists sites of the server with their links.
    CNewsDimensionDlg news(lastEvaluation_.Get(), shell_);
    EXPECT_EQ(Text(&news, 1038), Text(panel, 1036).replace(6, 1, "   "));
    const SiteCategory& government = lastEvaluation_.Get().Block(EvalSlot::First, Dimension::News).categories[0];
    ASSERT_NE(government.count, "0");
    ASSERT_FALSE(news.SiteLineLabel(0)->Links().empty());
    EXPECT_EQ(news.SiteLineLabel(0)->Links()[0].href.toStdString(), government.entries[0].linkUrl);
    EXPECT_FALSE(Text(&news, 1048).empty());

    Query("999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    EXPECT_EQ(lastEvaluation_.Get().Code(), "600000");
}

}  // namespace
