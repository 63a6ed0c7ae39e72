// The main window's history line loads off the window thread from the source it is
// given: the window is usable at once, the line fills in when the document arrives, and a
// window closed before that is left alone.
#include <QtTest/QTest>

#include "client/app/control_ids.h"
#include "client/app/main_dlg.h"
#include "client/app/shell_fixture.h"
#include "client/data/history_info.h"
#include "client/panels/color_label.h"
#include "common/ui/kbc_bmp.h"
#include "common/ui/query_runner.h"
#include "common/ui/text.h"
#include "support/memory_document_source.h"
#include "support/query_wait.h"

namespace {

class MainDlgHistoryTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        session_.EnterAsGuest();
        documents.Serve(CHistoryInfo::kPath,
                        "<r><History><Msg1>第一条</Msg1><Msg2>第二条</Msg2></History></r>");
        documents.SetStallMs(300);
    }
    static CColorLabel* HistoryLine(CMainDlg& main) {
        return main.findChild<CColorLabel*>(QString::number(ids::kHistoryText));
    }
    MemoryDocumentSource documents;  // outlives the work: TearDown drains the queries
};

TEST_F(MainDlgHistoryTest, TheWindowWorksWhileTheHistoryLoads) {
    CMainDlg main(config_, session_, documents, shell_);
    main.show();
    CColorLabel* line = HistoryLine(main);
    ASSERT_NE(line, nullptr);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_EQ(line->cursor().shape(), Qt::WaitCursor);
    EXPECT_NE(main.cursor().shape(), Qt::WaitCursor);
    // Only the line waits: a page button works meanwhile.
    QTest::mouseClick(main.findChild<CKbcBmp*>(QString::number(ids::kToolsPageButton)),
                      Qt::LeftButton);
    EXPECT_EQ(main.CurrentPage(), ids::kToolsPageButton);
    EXPECT_TRUE(ui::QueryRunning(&main));

    ASSERT_TRUE(WaitForQueries(&main));
    EXPECT_EQ(ui::FromQString(line->text()), G("第一条") + "\r\n  \r\n" + G("第二条"));
    EXPECT_NE(line->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(documents.Requests(), std::vector<std::string>{CHistoryInfo::kPath});
}

TEST_F(MainDlgHistoryTest, AMissingOrUnreachableHistoryLeavesTheLineEmpty) {
    documents.SetStallMs(0);
    documents.SetUnreachable(true);
    CMainDlg main(config_, session_, documents, shell_);
    ASSERT_TRUE(WaitForQueries(&main));
    EXPECT_TRUE(HistoryLine(main)->text().isEmpty());
}

TEST_F(MainDlgHistoryTest, AWindowClosedBeforeTheHistoryArrivesIsLeftAlone) {
    {
        // Closed (hidden by the program): the line's query is abandoned at once.
        CMainDlg main(config_, session_, documents, shell_);
        main.show();
        EXPECT_TRUE(ui::QueryRunning(&main));
        main.done(CMainDlg::kExited);
        EXPECT_FALSE(ui::QueryRunning(&main));
        QTest::qWait(400);  // past the moment the document would have come
        EXPECT_TRUE(HistoryLine(main)->text().isEmpty());
    }
    {
        CMainDlg main(config_, session_, documents, shell_);  // destroyed while it loads
        EXPECT_TRUE(ui::QueryRunning(&main));
    }
    ui::DrainQueries();  // the stalled load is cancelled with the window
    QTest::qWait(20);
    EXPECT_EQ(documents.Requests().size(), 2u);
}

}  // namespace
