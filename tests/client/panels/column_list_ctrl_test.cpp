// CColumnListCtrl offscreen: columns from a format string, header clicks alternating, the sorted
// signal, colours by addressing (and painted), rows moving with their colours, 18-pixel
// rows and the space key swallowed.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "client/core/gbk.h"
#include "client/panels/column_list_ctrl.h"
#include "common/ui/color.h"

namespace {

using Part = CColumnListModel::ColorPart;

constexpr ui::ColorRef kRed = ui::Rgb(204, 0, 0);
constexpr ui::ColorRef kGreen = ui::Rgb(0, 100, 0);

// A shown list with the columns "Name,80;Change,60,2" and one row per (name, change).
std::unique_ptr<CColumnListCtrl> Filled(const std::vector<std::pair<std::string, std::string>>& rows) {
    auto list = std::make_unique<CColumnListCtrl>();
    list->resize(300, 200);
    list->SetColumns("Name,80;Change,60,2");
    for (const auto& [name, change] : rows) {
        const int row = list->InsertRow(list->Model().rowCount(), name);
        list->SetCellText(row, 1, change);
    }
    list->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(list.get()));
    return list;
}

std::vector<std::string> Column(const CColumnListCtrl& list, int column) {
    return list.Model().ColumnTexts(column);
}

void ClickHeader(CColumnListCtrl& list, int column) {
    QHeaderView* header = list.horizontalHeader();
    const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, point);
}

TEST(ColumnListCtrl, ColumnsFromFormat) {
    CColumnListCtrl list;
    EXPECT_FALSE(list.SetColumns(""));
    EXPECT_EQ(list.Model().columnCount(), 0);
    ASSERT_TRUE(list.SetColumns(Gbk("板块名称, 80,1; 类别, 60,1; 指数, 80, 2;Plain;Hidden,0")));
    ASSERT_EQ(list.Model().columnCount(), 5);
    EXPECT_EQ(list.Model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString::fromUtf8(" 类别"));
    EXPECT_EQ(list.horizontalHeader()->sectionSize(0), 80);
    EXPECT_EQ(list.horizontalHeader()->sectionSize(3), 100);
    EXPECT_EQ(list.horizontalHeader()->sectionSize(4), 0);
    const auto alignOf = [&](int column) {
        return list.Model().data(list.Model().index(0, column), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask;
    };
    list.InsertRow(0, "x");
    EXPECT_EQ(alignOf(0), Qt::AlignHCenter);
    EXPECT_EQ(alignOf(2), Qt::AlignRight);
    EXPECT_EQ(alignOf(3), Qt::AlignLeft);
    // New columns remove every row.
    list.SetColumns("A");
    EXPECT_EQ(list.Model().rowCount(), 0);
}

TEST(ColumnListCtrl, HeaderClicksAlternateAndSignalTheSort) {
    auto list = Filled({{"b", "12.5%"}, {"a", "3%"}, {"c", "-1.2"}});
    QSignalSpy sorted(list.get(), &CColumnListCtrl::ListSorted);

    ClickHeader(*list, 1);
    EXPECT_EQ(Column(*list, 1), (std::vector<std::string>{"-1.2", "3%", "12.5%"}));
    ClickHeader(*list, 1);
    EXPECT_EQ(Column(*list, 1), (std::vector<std::string>{"12.5%", "3%", "-1.2"}));
    ClickHeader(*list, 0);  // another column starts ascending
    EXPECT_EQ(Column(*list, 0), (std::vector<std::string>{"a", "b", "c"}));

    ASSERT_EQ(sorted.count(), 3);
    EXPECT_EQ(sorted[0], (QList<QVariant>{1, true}));
    EXPECT_EQ(sorted[1], (QList<QVariant>{1, false}));
    EXPECT_EQ(sorted[2], (QList<QVariant>{0, true}));

    list->SortColumn(2, true);  // no such column
    list->SortColumn(-1, true);
    EXPECT_EQ(sorted.count(), 3);
}

TEST(ColumnListCtrl, EditingResetsTheToggle) {
    auto list = Filled({{"b", "1"}, {"a", "2"}});
    ClickHeader(*list, 0);
    EXPECT_EQ(list->SortedColumn(), 0);
    EXPECT_TRUE(list->SortedAscending());
    list->InsertRow(0, "c");
    EXPECT_EQ(list->SortedColumn(), -1);
    ClickHeader(*list, 0);  // ascending again, not descending
    EXPECT_EQ(Column(*list, 0), (std::vector<std::string>{"a", "b", "c"}));

    list->SortColumn(1, true);
    list->SetCellText(0, 1, "9");
    EXPECT_EQ(list->SortedColumn(), -1);
}

TEST(ColumnListCtrl, ColoursByAddressing) {
    auto list = Filled({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    const CColumnListModel& model = list->Model();
    const auto textColour = [&](int r, int c) { return model.CellColor(r, c, Part::Text); };

    list->SetCellTextColor(1, 1, kRed);  // one cell
    EXPECT_EQ(textColour(1, 1), kRed);
    EXPECT_EQ(textColour(1, 0), CColumnListCtrl::kSystemColor);
    list->SetCellTextColor(0, 5, kGreen);  // row 0
    EXPECT_EQ(textColour(0, 0), kGreen);
    EXPECT_EQ(textColour(0, 1), kGreen);
    EXPECT_EQ(textColour(2, 1), CColumnListCtrl::kSystemColor);
    list->SetCellTextColor(-1, 0, kRed);  // column 0
    for (int r = 0; r < 3; ++r) EXPECT_EQ(textColour(r, 0), kRed);
    EXPECT_EQ(textColour(0, 1), kGreen);
    list->SetCellTextColor(9, -1, static_cast<ui::ColorRef>(-1), true);  // every cell, back to the palette
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) EXPECT_EQ(textColour(r, c), CColumnListCtrl::kSystemColor);
    }
    EXPECT_FALSE(model.data(model.index(0, 0), Qt::ForegroundRole).isValid());

    list->SetCellBackColor(-1, 1, kGreen);
    EXPECT_EQ(model.CellColor(2, 1, Part::Background), kGreen);
    EXPECT_EQ(model.CellColor(2, 1, Part::Text), CColumnListCtrl::kSystemColor);
}

TEST(ColumnListCtrl, ColoursMoveWithInsertedAndDeletedColumns) {
    auto list = Filled({{"a", "1"}, {"b", "2"}});
    const CColumnListModel& model = list->Model();
    list->SetCellTextColor(-1, 1, kRed);
    list->SortColumn(1, false);

    EXPECT_EQ(list->InsertColumn(1, {"Mid", 40, listview::ColumnAlign::Right}), 1);
    EXPECT_EQ(list->SortedColumn(), -1);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(1), 40);
    EXPECT_EQ(Column(*list, 1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(model.CellColor(0, 1, Part::Text), CColumnListCtrl::kSystemColor);
    EXPECT_EQ(Column(*list, 2), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(model.CellColor(0, 2, Part::Text), kRed);
    EXPECT_EQ(list->InsertColumn(99, {"End", 30, listview::ColumnAlign::Left}), 3);
    EXPECT_EQ(list->InsertColumn(-1, {"No", 30, listview::ColumnAlign::Left}), -1);

    EXPECT_TRUE(list->DeleteColumn(1));
    EXPECT_FALSE(list->DeleteColumn(3));
    ASSERT_EQ(model.columnCount(), 3);
    EXPECT_EQ(Column(*list, 1), (std::vector<std::string>{"2", "1"}));
    EXPECT_EQ(model.CellColor(1, 1, Part::Text), kRed);
    for (int c = 2; c >= 0; --c) EXPECT_TRUE(list->DeleteColumn(c));
    EXPECT_EQ(model.rowCount(), 2);  // rows stay, blank, until columns come back
    EXPECT_EQ(list->InsertColumn(0, {"Again", 50, listview::ColumnAlign::Left}), 0);
    EXPECT_EQ(Column(*list, 0), (std::vector<std::string>{"", ""}));
}

TEST(ColumnListCtrl, BackgroundIsPaintedAndMovesWithItsRow) {
    auto list = Filled({{"b", ""}, {"a", ""}});
    list->SetCellBackColor(0, 1, kRed);  // the row of "b"
    list->SortColumn(0, true);
    EXPECT_EQ(list->Model().CellColor(1, 1, Part::Background), kRed);
    EXPECT_EQ(list->Model().CellColor(0, 1, Part::Background), CColumnListCtrl::kSystemColor);

    const QImage shot = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect painted = list->visualRect(list->Model().index(1, 1));
    const QRect plain = list->visualRect(list->Model().index(0, 1));
    EXPECT_EQ(shot.pixel(painted.center()), ui::ToOpaqueRgb(kRed));
    EXPECT_NE(shot.pixel(plain.center()), ui::ToOpaqueRgb(kRed));
}

TEST(ColumnListCtrl, SelectionFollowsSortedRows) {
    auto list = Filled({{"b", "1"}, {"a", "2"}, {"c", "3"}});
    list->selectRow(0);  // "b"
    list->SortColumn(0, true);
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].row(), 1);
}

TEST(ColumnListCtrl, RowsAreEighteenPixels) {
    auto list = Filled({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    EXPECT_EQ(list->rowHeight(0), 18);
    EXPECT_EQ(list->rowViewportPosition(2) - list->rowViewportPosition(1), 18);
    list->SetRowHeight(24);
    EXPECT_EQ(list->rowHeight(1), 24);
}

TEST(ColumnListCtrl, SpaceKeyIsSwallowed) {
    auto list = Filled({{"a", "1"}, {"b", "2"}});
    list->setFocus();
    list->selectionModel()->setCurrentIndex(list->Model().index(1, 0), QItemSelectionModel::NoUpdate);
    list->clearSelection();
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(list.get(), &space);
    EXPECT_TRUE(space.isAccepted());
    EXPECT_TRUE(list->selectionModel()->selectedRows().isEmpty());
    // Other keys still move the current row.
    QTest::keyClick(list.get(), Qt::Key_Up);
    EXPECT_EQ(list->currentIndex().row(), 0);
}

TEST(ColumnListCtrl, DeleteAllRowsAndInsertPlaces) {
    auto list = Filled({{"a", "1"}});
    EXPECT_EQ(list->InsertRow(99, "end"), 1);
    EXPECT_EQ(list->InsertRow(0, "top"), 0);
    EXPECT_EQ(list->InsertRow(-1, "none"), -1);
    EXPECT_EQ(Column(*list, 0), (std::vector<std::string>{"top", "a", "end"}));
    EXPECT_FALSE(list->SetCellText(3, 0, "x"));
    list->DeleteAllRows();
    EXPECT_EQ(list->Model().rowCount(), 0);
    EXPECT_TRUE(list->updatesEnabled());
    list->SetCellTextColor(-1, -1, kRed);  // nothing to colour, nothing breaks
}

}  // namespace
