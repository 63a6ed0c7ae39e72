// The diagnosis panels of page 常用: queries and what they show, the tip for a stock
// without an evaluation, the current stock code between panels, and the code entry with
// its search pop-up.
#include <QTreeView>

#include "client/core/gbk.h"
#include "client/panels/bar_chart.h"
#include "client/panels/flow_chart_panel.h"
#include "client/panels/verdict_panel.h"
#include "common/ui/text.h"
#include "diagnosis_fixture.h"

namespace {

constexpr int kZhuli = 1077;
constexpr int kCangwei = 1078;
constexpr int kDuokong = 1079;
constexpr int kTopEyesS = 1085;
constexpr int kTopEyesH = 1086;

using DiagnosisPanels = DiagnosisFixture;

TEST_F(DiagnosisPanels, PageCreatesTwelvePanelsAtThePlaceholderShowingOneAtATime) {
    MakePage();
    EXPECT_EQ(page_->Buttons().size(), 12u);
    EXPECT_EQ(page_->SelectedButton(), CEvalPage::kComprehensiveButton);
    for (int id = 1075; id <= 1086; ++id) {
        QWidget* panel = page_->Panel(id);
        ASSERT_NE(panel, nullptr) << id;
        EXPECT_EQ(panel->pos(), page_->PanelArea().topLeft()) << id;
        EXPECT_EQ(panel->isVisible(), id == CEvalPage::kComprehensiveButton) << id;
    }
    EXPECT_EQ(page_->Panel(1075)->objectName(), "132");
    EXPECT_EQ(page_->Panel(1076)->objectName(), "134");

    Open(kTopEyesS);
    for (int id = 1075; id <= 1086; ++id) EXPECT_EQ(page_->Panel(id)->isVisible(), id == kTopEyesS) << id;
    EXPECT_EQ(page_->SelectedButton(), kTopEyesS);
}

TEST_F(DiagnosisPanels, EveryPanelHasItsControlsColoursAndNote) {
    MakePage();
    for (const DiagnosisMember& member : kDiagnosisMembers) {
        CDiagnosisPanel* panel = page_->DiagnosisPanel(member.buttonId);
        ASSERT_NE(panel, nullptr);
        SCOPED_TRACE(member.panelCode);
        EXPECT_EQ(panel->objectName().toInt(), member.dialogId);
        EXPECT_EQ(panel->PanelCode(), member.panelCode);
        EXPECT_EQ(Control<CColorLabel>(panel, 1036)->textColor, ui::Rgb(204, 0, 0));
        EXPECT_EQ(Control<CColorLabel>(panel, 1197)->textColor, ui::Rgb(29, 56, 91));
        EXPECT_EQ(Text(panel, 1197), Gbk("输入评测股票代码："));
        EXPECT_NE(Control<QLineEdit>(panel, 1009), nullptr);
        EXPECT_FALSE(Control<CKbcBmp>(panel, 1010)->FrameImage(CKbcBmp::kNormal).isNull());
        const int noteId = member.kind == DiagnosisKind::kVerdict ? 1200 : 1198;
        EXPECT_EQ(Control<CColorLabel>(panel, noteId)->text(), QString::fromUtf8(member.note));
        EXPECT_EQ(Control<CColorLabel>(panel, noteId)->textColor, ui::Rgb(69, 87, 102));
        if (member.kind == DiagnosisKind::kVerdict) {
            EXPECT_EQ(Control<CColorLabel>(panel, 1071)->textColor, member.verdictColour);
            EXPECT_EQ(Text(panel, 1198), Gbk("评测时间："));
            EXPECT_EQ(Text(panel, 1199), Gbk("评测结果："));
        } else {
            EXPECT_NE(Control<CBarChart>(panel, 1071), nullptr);
        }
    }
    // The two notes that break their line keep the blanks around the break.
    EXPECT_NE(Control<CColorLabel>(page_->DiagnosisPanel(kDuokong), 1200)->text().indexOf(
                  QStringLiteral("紧随多空       \r\n      上升")),
              -1);
}

TEST_F(DiagnosisPanels, AQueryInEachPanelShowsItsRecord) {
    ServeStock("600000", "浦发银行");
    MakePage();
    for (const DiagnosisMember& member : kDiagnosisMembers) {
        SCOPED_TRACE(member.panelCode);
        CDiagnosisPanel* panel = Open(member.buttonId);
        QueryIn(panel, "600000");
        EXPECT_EQ(Text(panel, 1036), Gbk("600000 浦发银行"));
        if (member.kind == DiagnosisKind::kVerdict) {
            EXPECT_EQ(Text(panel, 1070), "2026-12-04 15:00");
            EXPECT_EQ(Text(panel, 1071), member.panelCode + Gbk(" 结论"));
        } else {
            CBarChart* chart = static_cast<CFlowChartPanel*>(panel)->Chart();
            EXPECT_TRUE(chart->HasData());
            EXPECT_EQ(chart->TimeLabels(), (std::vector<std::string>{"1203", "1204", "1205"}));
            if (member.buttonId == kTopEyesS) {
                EXPECT_EQ(chart->Series1(), (std::vector<std::string>{"30", "12", "8"}));
                EXPECT_EQ(chart->Series2(), (std::vector<std::string>{"-5", "-20", "-1"}));
            } else {
                EXPECT_EQ(chart->Series1(), (std::vector<std::string>{"30", "-12", "8"}));
                EXPECT_TRUE(chart->Series2().empty());
            }
        }
        EXPECT_EQ(current_.Get(), "600000");
        EXPECT_EQ(panel->CodeEdit()->selectedText(), "600000");
        EXPECT_TRUE(panel->CodeEdit()->hasFocus());
    }
    EXPECT_TRUE(answers_->Prompts().empty());
}

TEST_F(DiagnosisPanels, UnknownStockShowsTheTipAndChangesNothing) {
    ServeStock("600000", "浦发银行");
    MakePage();
    CDiagnosisPanel* panel = Open(kZhuli);
    QueryIn(panel, "600000");
    QueryIn(panel, "999999");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("找不到该股票或该股票无评测内容！"));
    EXPECT_EQ(Text(panel, 1036), Gbk("600000 浦发银行"));
    EXPECT_EQ(Text(panel, 1071), Gbk("ZLZD 结论"));
    EXPECT_EQ(current_.Get(), "600000");
    EXPECT_EQ(panel->CodeEdit()->text(), "999999");
    EXPECT_EQ(panel->CodeEdit()->selectedText(), "999999");

    // The money-flow chart keeps its data too; an empty code is asked for and fails alike.
    CDiagnosisPanel* flow = Open(kTopEyesS);
    QueryIn(flow, "600000");
    QueryIn(flow, "");
    EXPECT_EQ(docs_.Requests().back(), "/KRClientInfo/TopEyess/.xml");
    EXPECT_EQ(answers_->Prompts().size(), 2u);
    EXPECT_EQ(static_cast<CFlowChartPanel*>(flow)->Chart()->Series1().size(), 3u);
    EXPECT_EQ(current_.Get(), "600000");
}

TEST_F(DiagnosisPanels, UnreachableServerSaysSoAndKeepsTheLabels) {
    MakePage();
    CDiagnosisPanel* panel = Open(kCangwei);
    docs_.SetUnreachable(true);
    QueryIn(panel, "600000");
    ASSERT_EQ(answers_->Prompts().size(), 1u);
    EXPECT_EQ(answers_->Prompts()[0].message, Gbk("连接服务器失败,请稍后再试!"));
    EXPECT_EQ(Text(panel, 1036), "");
    EXPECT_EQ(current_.Get(), "");
}

TEST_F(DiagnosisPanels, CurrentCodeFollowsSuccessfulQueriesIntoOtherPanels) {
    ServeStock("600000", "浦发银行");
    ServeStock("600036", "招商银行");
    MakePage();
    QueryIn(Open(kCangwei), "600036");
    // The next panel shows the code but not yet a result.
    CDiagnosisPanel* duokong = Open(kDuokong);
    EXPECT_EQ(duokong->CodeEdit()->text(), "600036");
    EXPECT_EQ(duokong->QueryCode(), "600036");
    EXPECT_EQ(Text(duokong, 1071), "");
    const std::size_t asked = docs_.Requests().size();
    EXPECT_EQ(asked, 1u);

    QueryIn(duokong, "600000");
    QueryIn(duokong, "123456");  // fails: the current code stays 600000
    CDiagnosisPanel* cangwei = Open(kCangwei);
    EXPECT_EQ(cangwei->CodeEdit()->text(), "600000");
    EXPECT_EQ(Text(cangwei, 1071), Gbk("CWZD 结论"));  // its old result stays
    EXPECT_EQ(Text(cangwei, 1036), Gbk("600036 招商银行"));
}

TEST_F(DiagnosisPanels, EveryQueryFetchesAgain) {
    ServeStock("600000", "浦发银行");
    MakePage();
    CDiagnosisPanel* panel = Open(kTopEyesH);
    QueryIn(panel, "600000");
    QueryIn(panel, "600000");
    EXPECT_EQ(docs_.Requests(), (std::vector<std::string>{"/KRClientInfo/TopEyesh/600000.xml",
                                                          "/KRClientInfo/TopEyesh/600000.xml"}));
}

TEST_F(DiagnosisPanels, TypedCodeCannotReachAnotherServerPath) {
    MakePage();
    CDiagnosisPanel* panel = Open(kZhuli);
    QueryIn(panel, "../x?y=1 #");
    ASSERT_EQ(docs_.Requests().size(), 1u);
    EXPECT_EQ(docs_.Requests()[0], "/KRClientInfo/ZLZD/%2E%2E%2Fx%3Fy%3D1%20%23.xml");
    EXPECT_EQ(answers_->Prompts().size(), 1u);
}

TEST_F(DiagnosisPanels, TypingOpensThePopupArrowsAndEnterPickAndQuery) {
    ServeStock("600036", "招商银行");
    MakePage();
    CDiagnosisPanel* panel = Open(kZhuli);
    panel->CodeEdit()->setFocus();
    QTest::keyClicks(panel->CodeEdit(), "60");
    ASSERT_TRUE(popup_->isVisible());
    EXPECT_EQ(popup_->Owner(), panel);
    EXPECT_TRUE(docs_.Requests().empty());

    QTest::keyClick(panel->CodeEdit(), Qt::Key_Down);
    QTest::keyClick(panel->CodeEdit(), Qt::Key_Down);
    EXPECT_EQ(popup_->HighlightedCode(), "600036");
    QTest::keyClick(panel->CodeEdit(), Qt::Key_Return);
    WaitIdle(panel);
    EXPECT_FALSE(popup_->isVisible());
    EXPECT_EQ(panel->CodeEdit()->text(), "600036");
    EXPECT_EQ(docs_.Requests(), (std::vector<std::string>{"/KRClientInfo/ZLZD/600036.xml"}));
    EXPECT_EQ(Text(panel, 1036), Gbk("600036 招商银行"));
}

TEST_F(DiagnosisPanels, DoubleClickFillsTheCodeWithoutQuerying) {
    MakePage();
    CDiagnosisPanel* panel = Open(kTopEyesS);
    QTest::keyClicks(panel->CodeEdit(), "6");
    ASSERT_TRUE(popup_->isVisible());
    QTreeView* list = popup_->List();
    const QPoint at = list->visualRect(list->model()->index(2, 1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(panel->CodeEdit()->text(), "600030");
    EXPECT_EQ(panel->QueryCode(), "600030");
    EXPECT_TRUE(docs_.Requests().empty());
    // Another panel of the page is not filled by this pick.
    EXPECT_EQ(page_->DiagnosisPanel(kTopEyesH)->CodeEdit()->text(), "");

    // Moving to another panel closes the pop-up the last one opened.
    QTest::keyClicks(panel->CodeEdit(), "0");
    ASSERT_TRUE(popup_->isVisible());
    Open(kTopEyesH);
    EXPECT_FALSE(popup_->isVisible());
}

TEST_F(DiagnosisPanels, EscIsIgnoredAndAClickOnThePanelHidesThePopup) {
    MakePage();
    CDiagnosisPanel* panel = Open(kZhuli);
    QTest::keyClicks(panel->CodeEdit(), "60");
    ASSERT_TRUE(popup_->isVisible());
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(600, 20));
    EXPECT_FALSE(popup_->isVisible());
    QTest::keyClick(panel, Qt::Key_Escape);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_TRUE(page_->isVisible());
    // Enter on the panel outside the edit queries as well.
    QTest::keyClick(panel, Qt::Key_Return);
    WaitIdle(panel);
    EXPECT_EQ(docs_.Requests(), (std::vector<std::string>{"/KRClientInfo/ZLZD/60.xml"}));
}

}  // namespace
