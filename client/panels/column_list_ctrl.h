#pragma once
// CColumnListCtrl: a report list whose columns come from one column format string, with a
// text and background colour per cell and sorting by any column with the typed cell
// comparison (numbers, percentages, dates, then text). Clicking a header sorts by that
// column, alternating ascending and descending on repeated clicks.
#include <QTableView>

#include <string>
#include <vector>

#include "client/panels/column_list_model.h"
#include "common/ui/color.h"

class CColumnListCtrl : public QTableView {
    Q_OBJECT
public:
    // The window message number the sorted notice stands for.
    static constexpr int kWmListSorted = 0xA711;
    static constexpr int kDefaultRowHeight = 18;
    // Passing -1 as a colour (the same value) means the palette's window text or window.
    static constexpr ui::ColorRef kSystemColor = CColumnListModel::kSystemColor;

    explicit CColumnListCtrl(QWidget* parent = nullptr);

    // Removes every row and column, then adds the columns of `format` ("title,width,align;...").
    // True when at least one column was added.
    bool SetColumns(const std::string& format);
    // The same with the columns already described.
    bool SetColumns(std::vector<listview::ColumnFormat> columns);

    // One column more or less; cells and their colours move with their columns. Returns
    // the new column's index (-1 for a negative index) or whether a column was removed.
    int InsertColumn(int index, listview::ColumnFormat column);
    bool DeleteColumn(int index);

    // Inserts a row with its first cell's text (GBK); returns its index, or -1.
    int InsertRow(int index, const std::string& text);
    bool SetCellText(int row, int column, const std::string& text);
    void DeleteAllRows();

    // Row and column in range: that cell; one of them out of range (-1, say): the whole
    // row or the whole column; both out of range: every cell.
    void SetCellTextColor(int row, int column, ui::ColorRef colour, bool redraw = false);
    void SetCellBackColor(int row, int column, ui::ColorRef colour, bool redraw = false);

    // Sorts every row by `column`; a column out of range does nothing. Emits ListSorted.
    void SortColumn(int column, bool ascending);

    // Fixes the height of every row (what a 1 x height image list does to a list view).
    void SetRowHeight(int pixels);

    int SortedColumn() const { return sortColumn_; }  // -1 until sorted, and after an edit
    bool SortedAscending() const { return sortAscending_; }

    const CColumnListModel& Model() const { return *model_; }

signals:
    // After every sort: the column and the direction.
    void ListSorted(int column, bool ascending);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnHeaderClicked(int column);
    void ResetSortToggle();
    void SetColor(int row, int column, ui::ColorRef colour, bool redraw, bool text);

    CColumnListModel* model_;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
};
