// The stock search pop-up: rows for what was typed, first match, picking by double-click,
// keyboard highlight, and a damaged directory file.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include "client/core/gbk.h"
#include "client/panels/stock_code_keys.h"
#include "client/panels/stock_search_popup.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/ui/text.h"

namespace {

const char kDirectoryXml[] =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<StockInfo>\n"
    "  <Stock StockId=\"000001\" StockChi=\"PAYH\" StockName=\"平安银行\"/>\n"
    "  <Stock StockId=\"600000\" StockChi=\"PFYH\" StockName=\"浦发银行\"/>\n"
    "  <Stock StockId=\"601318\" StockChi=\"ZGPA\" StockName=\"中国平安\"/>\n"
    "  <Stock StockId=\"600036\" StockChi=\"ZSYH\" StockName=\"招商银行\"/>\n"
    "  <Stock StockId=\"000002\" StockChi=\"WKA\" StockName=\"万科A\"/>\n"
    "  <Stock StockId=\"600030\" StockChi=\"ZXZQ\" StockName=\"中信证券\"/>\n"
    "  <Stock StockId=\"601628\" StockChi=\"ZGRS\" StockName=\"中国人寿\"/>\n"
    "</StockInfo>\n";

class StockSearchPopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = platform::MakeTempDirectory("stock_search_popup_test");
        platform::SetProgramDirectoryForTesting(dir_);
        Write(kDirectoryXml);
    }
    void TearDown() override {
        platform::SetProgramDirectoryForTesting("");
        platform::RemoveDirectoryTree(dir_);
    }
    void Write(const std::string& text) {
        ASSERT_TRUE(platform::ReplaceFileAtomically(platform::JoinPath(dir_, "StockInfo.xml"), text));
    }
    // Column `column` of every listed row, top to bottom.
    static QStringList Column(const CStockSearchPopup& popup, int column = 0) {
        QStringList texts;
        const QAbstractItemModel* model = popup.List()->model();
        for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
        return texts;
    }
    static void DoubleClickRow(CStockSearchPopup& popup, int row) {
        QTreeView* list = popup.List();
        const QPoint at = list->visualRect(list->model()->index(row, 1)).center();
        // What a window system delivers: a click, then the double-click of its second press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    std::string dir_;
    QObject owner_;
};

}  // namespace

TEST_F(StockSearchPopupTest, ListsMatchesInDirectoryOrder) {
    CStockSearchPopup popup;
    EXPECT_EQ(popup.ShowMatches("600", {100, 200}, &owner_), "600000");
    EXPECT_EQ(Column(popup), (QStringList{"600000", "600036", "600030"}));
    EXPECT_EQ(popup.ShowMatches("6", {100, 200}, &owner_), "600000");
    EXPECT_EQ(Column(popup), (QStringList{"600000", "601318", "600036", "600030", "601628"}));
    EXPECT_EQ(popup.ShowMatches("zgpa", {100, 200}, &owner_), "601318");
    EXPECT_EQ(Column(popup), (QStringList{"601318"}));
    EXPECT_EQ(popup.ShowMatches("ZGPA", {100, 200}, &owner_), "601318");
    EXPECT_EQ(Column(popup, 1), (QStringList{"ZGPA"}));
    EXPECT_EQ(Column(popup, 2), (QStringList{QStringLiteral("中国平安")}));
    EXPECT_EQ(popup.ShowMatches(Gbk("中国"), {100, 200}, &owner_), "601318");
    EXPECT_EQ(Column(popup), (QStringList{"601318", "601628"}));
    EXPECT_EQ(popup.ShowMatches("", {100, 200}, &owner_), "000001");
    EXPECT_EQ(Column(popup).size(), 7);
    EXPECT_EQ(popup.ShowMatches("600 ", {100, 200}, &owner_), "");
    EXPECT_TRUE(Column(popup).isEmpty());
    EXPECT_EQ(popup.ShowMatches("9", {100, 200}, &owner_), "");
    EXPECT_TRUE(popup.isVisible());  // an empty list still shows
}

TEST_F(StockSearchPopupTest, OpensUnderTheEditWithTheListLook) {
    CStockSearchPopup popup;
    EXPECT_FALSE(popup.isVisible());
    popup.ShowMatches("60", {120, 340}, &owner_);
    EXPECT_TRUE(popup.isVisible());
    EXPECT_EQ(popup.geometry(), QRect(120, 340, 240, 150));
    EXPECT_EQ(popup.Owner(), &owner_);
    EXPECT_NEAR(popup.windowOpacity(), 158 / 255.0, 0.01);
    EXPECT_TRUE(popup.windowFlags() & Qt::WindowDoesNotAcceptFocus);
    QTreeView* list = popup.findChild<QTreeView*>("1006");
    ASSERT_EQ(list, popup.List());
    const QAbstractItemModel* model = list->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("代码"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("拼音"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("名称"));
    EXPECT_EQ(list->header()->sectionSize(0), 60);
    EXPECT_EQ(list->header()->sectionSize(1), 50);
    EXPECT_EQ(list->header()->sectionSize(2), 80);
    popup.Hide();
    EXPECT_FALSE(popup.isVisible());
    popup.ShowMatches("6", {10, 20}, nullptr);
    EXPECT_EQ(popup.pos(), QPoint(10, 20));
}

TEST_F(StockSearchPopupTest, DoubleClickTellsTheLastOwnerTheCode) {
    CStockSearchPopup popup;
    QObject firstPanel;
    popup.ShowMatches("6", {0, 0}, &firstPanel);
    popup.ShowMatches("60", {0, 0}, &owner_);
    QSignalSpy picked(&popup, &CStockSearchPopup::StockPicked);
    EXPECT_EQ(popup.GetChosenCode(), "");
    DoubleClickRow(popup, 2);
    ASSERT_EQ(picked.size(), 1);
    EXPECT_EQ(picked[0][0].value<QObject*>(), &owner_);
    EXPECT_EQ(picked[0][1].value<std::string>(), "600036");
    EXPECT_EQ(popup.GetChosenCode(), "600036");
    EXPECT_TRUE(popup.isVisible());
    // A mouse selection is not a keyboard highlight.
    EXPECT_EQ(popup.HighlightedCode(), "");
    // Refilling drops the selection.
    popup.ShowMatches("601", {0, 0}, &owner_);
    EXPECT_EQ(popup.GetChosenCode(), "");
}

TEST_F(StockSearchPopupTest, MoveHighlightWalksTheRowsAndStopsAtTheEnds) {
    CStockSearchPopup popup;
    popup.MoveHighlight(+1);  // nothing listed yet
    EXPECT_EQ(popup.HighlightedCode(), "");
    popup.ShowMatches("60", {0, 0}, &owner_);  // 600000 601318 600036 600030 601628
    EXPECT_EQ(popup.HighlightedCode(), "");
    popup.MoveHighlight(+1);
    EXPECT_EQ(popup.HighlightedCode(), "600000");
    popup.MoveHighlight(-1);
    EXPECT_EQ(popup.HighlightedCode(), "600000");
    for (int i = 0; i < 6; ++i) popup.MoveHighlight(+1);
    EXPECT_EQ(popup.HighlightedCode(), "601628");
    EXPECT_EQ(popup.GetChosenCode(), "601628");
    popup.MoveHighlight(-1);
    EXPECT_EQ(popup.HighlightedCode(), "600030");
    popup.ShowMatches("60", {0, 0}, &owner_);
    EXPECT_EQ(popup.HighlightedCode(), "");
    popup.MoveHighlight(-1);  // from nothing upwards: the last row
    EXPECT_EQ(popup.HighlightedCode(), "601628");
}

TEST_F(StockSearchPopupTest, EditKeysDriveThePopup) {
    CStockSearchPopup popup;
    QLineEdit edit;
    auto* keys = new CStockCodeKeys(&edit, &popup);
    QSignalSpy queries(keys, &CStockCodeKeys::QueryRequested);
    QObject::connect(&edit, &QLineEdit::textChanged, &popup, [&](const QString& text) {
        popup.ShowMatches(ui::FromQString(text), {0, 0}, &edit);
    });
    QObject::connect(&popup, &CStockSearchPopup::StockPicked, &edit, [&](QObject*, const std::string& code) {
        if (!code.empty()) edit.setText(ui::ToQString(code));
    });

    // Without arrow keys: Enter queries what was typed, the text stays.
    QTest::keyClicks(&edit, "600");
    EXPECT_TRUE(popup.isVisible());
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(queries.size(), 1);
    EXPECT_EQ(edit.text(), "600");

    // Down twice, Up once: the first row; Enter puts its code in and queries.
    QTest::keyClicks(&edit, "0");  // "6000"
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Down);
    QTest::keyClick(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.text(), "6000");  // arrows do not reach the edit
    EXPECT_EQ(popup.HighlightedCode(), "600000");
    QTest::keyClick(&edit, Qt::Key_Enter);
    EXPECT_EQ(edit.text(), "600000");
    EXPECT_FALSE(popup.isVisible());
    EXPECT_EQ(queries.size(), 2);

    // Esc hides the pop-up; arrows then leave the highlight alone.
    edit.clear();
    QTest::keyClicks(&edit, "zg");
    QTest::keyClick(&edit, Qt::Key_Escape);
    EXPECT_FALSE(popup.isVisible());
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(popup.HighlightedCode(), "");

    // A double-click fills the edit and does not query.
    QTest::keyClicks(&edit, "p");  // "zgp"
    DoubleClickRow(popup, 0);
    EXPECT_EQ(edit.text(), "601318");
    EXPECT_EQ(queries.size(), 2);
}

TEST_F(StockSearchPopupTest, DamagedOrMissingDirectoryGivesAnEmptyList) {
    Write("<StockInfo><Stock StockId=\"600000\" StockChi=\"PF");
    CStockSearchPopup damaged;
    EXPECT_EQ(damaged.ShowMatches("", {0, 0}, &owner_), "");
    EXPECT_TRUE(Column(damaged).isEmpty());
    damaged.MoveHighlight(+1);
    DoubleClickRow(damaged, 0);
    EXPECT_EQ(damaged.GetChosenCode(), "");

    CStockSearchPopup missing("NoSuchFile.xml");
    EXPECT_EQ(missing.ShowMatches("6", {0, 0}, &owner_), "");
    EXPECT_EQ(missing.DirectorySize(), 0u);
}
