#include "client/panels/column_list_ctrl.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "client/core/cell_range.h"
#include "client/core/column_sort.h"
#include "client/core/column_format.h"
#include "client/panels/column_list_model.h"

CColumnListCtrl::CColumnListCtrl(QWidget* parent) : QTableView(parent), model_(new CColumnListModel(this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setShowGrid(false);
    setWordWrap(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    SetRowHeight(kDefaultRowHeight);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMinimumSectionSize(0);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CColumnListCtrl::OnHeaderClicked);
}

bool CColumnListCtrl::SetColumns(const std::string& format) {
    return SetColumns(listview::ParseColumnFormat(format));
}

bool CColumnListCtrl::SetColumns(std::vector<listview::ColumnFormat> columns) {
    model_->SetColumns(columns);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) horizontalHeader()->resizeSection(i, columns[i].width);
    return !columns.empty();
}

int CColumnListCtrl::InsertColumn(int index, listview::ColumnFormat column) {
    const int width = column.width;
    const int at = model_->InsertColumn(index, std::move(column));
    if (at < 0) return at;
    ResetSortToggle();  // the sorted column's index has moved
    horizontalHeader()->resizeSection(at, width);
    return at;
}

bool CColumnListCtrl::DeleteColumn(int index) {
    if (!model_->DeleteColumn(index)) return false;
    ResetSortToggle();
    return true;
}

int CColumnListCtrl::InsertRow(int index, const std::string& text) {
    ResetSortToggle();
    return model_->InsertRow(index, text);
}

bool CColumnListCtrl::SetCellText(int row, int column, const std::string& text) {
    ResetSortToggle();
    return model_->SetCellText(row, column, text);
}

void CColumnListCtrl::DeleteAllRows() {
    setUpdatesEnabled(false);  // no painting between the removal and the next fill's first paint
    model_->DeleteAllRows();
    setUpdatesEnabled(true);
}

void CColumnListCtrl::SetCellTextColor(int row, int column, ui::ColorRef colour, bool redraw) {
    SetColor(row, column, colour, redraw, true);
}

void CColumnListCtrl::SetCellBackColor(int row, int column, ui::ColorRef colour, bool redraw) {
    SetColor(row, column, colour, redraw, false);
}

void CColumnListCtrl::SetColor(int row, int column, ui::ColorRef colour, bool redraw, bool text) {
    const listview::CellRange cells = listview::AddressedCells(row, column, model_->rowCount(), model_->columnCount());
    model_->SetColor(cells, text ? CColumnListModel::ColorPart::Text : CColumnListModel::ColorPart::Background, colour);
    if (redraw) viewport()->repaint();
}

void CColumnListCtrl::SortColumn(int column, bool ascending) {
    if (column < 0 || column >= model_->columnCount()) return;
    const auto direction = ascending ? listview::SortDirection::Ascending : listview::SortDirection::Descending;
    model_->Reorder(listview::SortedRowOrder(model_->ColumnTexts(column), direction));
    sortColumn_ = column;
    sortAscending_ = ascending;
    emit ListSorted(column, ascending);
}

void CColumnListCtrl::SetRowHeight(int pixels) {
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(pixels);
}

void CColumnListCtrl::OnHeaderClicked(int column) {
    SortColumn(column, !(column == sortColumn_ && sortAscending_));
}

void CColumnListCtrl::ResetSortToggle() {
    sortColumn_ = -1;
    sortAscending_ = true;
}

void CColumnListCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        event->accept();  // no selecting or toggling rows with the space bar
        return;
    }
    QTableView::keyPressEvent(event);
}
