// The diagnosis panels against the sample server: a stock of the directory gets its
// verdict and its money flow; a stock the server does not know gets the tip.
#include "client/core/gbk.h"
#include "client/panels/bar_chart.h"
#include "client/panels/flow_chart_panel.h"
#include "diagnosis_fixture.h"
#include "support/sample_server.h"

namespace {

using DiagnosisPanelsOnServer = DiagnosisFixture;

TEST_F(DiagnosisPanelsOnServer, QueriesShowTheServersTexts) {
    SampleServer server;
    ASSERT_TRUE(server.Running()) << server.Error();
    ServerDocumentSource documents(server.BaseHost());
    MakePage(&documents);

    CDiagnosisPanel* verdict = Open(1081);
    QueryIn(verdict, "600000");
    EXPECT_TRUE(answers_->Prompts().empty());
    EXPECT_EQ(Text(verdict, 1036).rfind("600000 ", 0), 0u);
    EXPECT_GT(Text(verdict, 1036).size(), 7u);
    EXPECT_FALSE(Text(verdict, 1070).empty());
    EXPECT_FALSE(Text(verdict, 1071).empty());

    auto* flow = static_cast<CFlowChartPanel*>(Open(1085));
    QueryIn(flow, "600000");
    EXPECT_TRUE(flow->Chart()->HasData());
    EXPECT_FALSE(flow->Chart()->Series1().empty());
    EXPECT_FALSE(flow->Chart()->Series2().empty());
    EXPECT_EQ(flow->Chart()->TimeLabels().size(), flow->Chart()->Series1().size());
    EXPECT_EQ(current_.Get(), "600000");

    QueryIn(flow, "999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    EXPECT_EQ(current_.Get(), "600000");
}

}  // namespace
