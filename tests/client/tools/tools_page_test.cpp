// Page 辅助: its five buttons and panels, one shown at a time, the web pages loaded the
// first time their panel shows, and no current stock code handed to the tools.
#include <QLineEdit>
#include <QSignalSpy>
#include <QWebEngineView>

#include "client/core/current_stock_code.h"
#include "client/core/online_flag.h"
#include "client/data/last_evaluation.h"
#include "client/panels/stock_search_popup.h"
#include "client/panels/tools_page.h"
#include "client/tools/expert_question_panel.h"
#include "client/tools/web_page_panel.h"
#include "client/widgets/html_ctl.h"
#include "common/ui/kbc_bmp.h"
#include "support/memory_document_source.h"
#include "tools_fixture.h"

namespace {

class ToolsPageTest : public ToolsFixture {
protected:
    void MakePage() {
        UseHost("127.0.0.1:9");
        page_ = std::make_unique<CToolsPage>(
            PanelServices{docs_, current_, popup_, online_, lastEvaluation_, shell_, config_});
        ASSERT_TRUE(page_->Initialise());
        page_->show();
    }
    void TearDown() override {
        page_.reset();
        ToolsFixture::TearDown();
    }
    std::vector<int> VisiblePanels() const {
        std::vector<int> shown;
        for (int id : kButtons)
            if (page_->Panel(id)->isVisible()) shown.push_back(id);
        return shown;
    }

    static constexpr int kButtons[] = {1097, 1098, 1099, 1100, 1101};
    MemoryDocumentSource docs_;
    CurrentStockCode current_;
    OnlineFlag online_;
    LastEvaluation lastEvaluation_;
    CStockSearchPopup popup_;
    std::unique_ptr<CToolsPage> page_;
};

TEST_F(ToolsPageTest, EachButtonShowsItsOwnPanelAlone) {
    MakePage();
    EXPECT_EQ(page_->SelectedButton(), CToolsPage::kLiveButton);
    EXPECT_EQ(VisiblePanels(), std::vector<int>{1097});
    const int dialogs[] = {154, 155, 156, 157, 158};
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        auto* button = Control<CKbcBmp>(page_.get(), kButtons[i]);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->FrameImage(CKbcBmp::kNormal).isNull());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(VisiblePanels(), std::vector<int>{kButtons[i]});
        EXPECT_EQ(page_->Panel(kButtons[i])->objectName(), QString::number(dialogs[i]));
        EXPECT_EQ(page_->Panel(kButtons[i])->pos(), page_->PanelArea().topLeft());
    }
}

TEST_F(ToolsPageTest, WebPagesLoadWhenTheirPanelFirstShows) {
    MakePage();
    auto* live = static_cast<CWebPagePanel*>(page_->Panel(CToolsPage::kLiveButton));
    auto* almanac = static_cast<CWebPagePanel*>(page_->Panel(CToolsPage::kAlmanacButton));
    ASSERT_NE(live->Page().Control(), nullptr);
    EXPECT_EQ(live->Page().Control()->objectName(), QStringLiteral("1103"));
    EXPECT_EQ(live->Page().Url(), "http://127.0.0.1:9/live/clientlive.html");
    ASSERT_NE(live->RefreshButton(), nullptr);
    // The first load ends (nothing listens on port 9) before the refresh starts another.
    QSignalSpy finished(live->Page().Control(), &QWebEngineView::loadFinished);
    ASSERT_TRUE(finished.wait(10000));
    QSignalSpy started(live->Page().Control(), &QWebEngineView::loadStarted);
    QTest::mouseClick(live->RefreshButton(), Qt::LeftButton);
    EXPECT_TRUE(started.count() > 0 || started.wait(5000)) << "the refresh button loads the page again";
    EXPECT_EQ(almanac->Page().Control(), nullptr) << "not shown yet";
    page_->SelectButton(CToolsPage::kAlmanacButton);
    ASSERT_NE(almanac->Page().Control(), nullptr);
    EXPECT_EQ(almanac->Page().Url(), "http://127.0.0.1:9/lhl/index.htm");
    EXPECT_EQ(almanac->RefreshButton(), nullptr);
    auto* question = static_cast<CExpertQuestionPanel*>(page_->Panel(CToolsPage::kQuestionButton));
    EXPECT_EQ(question->Page().Url(), "http://127.0.0.1:9/q&a/clientquestion.html");
}

TEST_F(ToolsPageTest, ToolPanelsAreNotGivenTheCurrentStockCode) {
    current_.Set("600000");
    MakePage();
    page_->SelectButton(CToolsPage::kQuestionButton);
    auto* question = static_cast<CExpertQuestionPanel*>(page_->Panel(CToolsPage::kQuestionButton));
    EXPECT_TRUE(question->CodeEdit()->text().isEmpty());
}

}  // namespace
