#include "client/panels/column_list_model.h"

#include <QBrush>

#include "common/ui/text.h"

namespace {

Qt::Alignment AlignmentOf(listview::ColumnAlign align) {
    switch (align) {
    case listview::ColumnAlign::Centre: return Qt::AlignHCenter | Qt::AlignVCenter;
    case listview::ColumnAlign::Right: return Qt::AlignRight | Qt::AlignVCenter;
    case listview::ColumnAlign::Left: break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant BrushOf(ui::ColorRef colour) {
    if (colour == CColumnListModel::kSystemColor) return {};
    return QBrush(ui::ToQColor(colour));
}

}  // namespace

CColumnListModel::CColumnListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CColumnListModel::SetColumns(std::vector<listview::ColumnFormat> columns) {
    beginResetModel();
    rows_.clear();
    columns_ = std::move(columns);
    endResetModel();
}

int CColumnListModel::InsertColumn(int index, listview::ColumnFormat column) {
    if (index < 0) return -1;
    const int at = std::min(index, columnCount());
    beginInsertColumns(QModelIndex(), at, at);
    // A row of a table without columns already holds the one cell its text went into.
    const bool cellsToAdd = !columns_.empty();
    columns_.insert(columns_.begin() + at, std::move(column));
    if (cellsToAdd)
        for (Row& row : rows_) row.insert(row.begin() + at, Cell{});
    endInsertColumns();
    return at;
}

bool CColumnListModel::DeleteColumn(int index) {
    if (index < 0 || index >= columnCount()) return false;
    beginRemoveColumns(QModelIndex(), index, index);
    columns_.erase(columns_.begin() + index);
    for (Row& row : rows_) {
        if (row.size() > 1)
            row.erase(row.begin() + index);
        else
            row.front() = Cell{};  // a row keeps one blank cell, as a new row of no columns
    }
    endRemoveColumns();
    return true;
}

int CColumnListModel::InsertRow(int index, const std::string& text) {
    if (index < 0) return -1;
    const int at = std::min(index, rowCount());
    beginInsertRows(QModelIndex(), at, at);
    Row row(std::max<std::size_t>(columns_.size(), 1));
    row[0].text = text;
    rows_.insert(rows_.begin() + at, std::move(row));
    endInsertRows();
    return at;
}

bool CColumnListModel::SetCellText(int row, int column, const std::string& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return false;
    rows_[row][column].text = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
    return true;
}

void CColumnListModel::DeleteAllRows() {
    if (rows_.empty()) return;
    beginRemoveRows(QModelIndex(), 0, rowCount() - 1);
    rows_.clear();
    endRemoveRows();
}

void CColumnListModel::SetColor(const listview::CellRange& cells, ColorPart part, ui::ColorRef colour) {
    if (cells.firstRow >= cells.endRow || cells.firstColumn >= cells.endColumn) return;
    for (int r = cells.firstRow; r < cells.endRow; ++r) {
        for (int c = cells.firstColumn; c < cells.endColumn; ++c) {
            Cell& cell = rows_.at(r).at(c);
            (part == ColorPart::Text ? cell.textColor : cell.backColor) = colour;
        }
    }
    emit dataChanged(index(cells.firstRow, cells.firstColumn), index(cells.endRow - 1, cells.endColumn - 1),
                     {part == ColorPart::Text ? Qt::ForegroundRole : Qt::BackgroundRole});
}

const CColumnListModel::Cell* CColumnListModel::CellAt(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return nullptr;
    return &rows_[row][column];
}

std::string CColumnListModel::CellText(int row, int column) const {
    const Cell* cell = CellAt(row, column);
    return cell ? cell->text : std::string();
}

ui::ColorRef CColumnListModel::CellColor(int row, int column, ColorPart part) const {
    const Cell* cell = CellAt(row, column);
    if (!cell) return kSystemColor;
    return part == ColorPart::Text ? cell->textColor : cell->backColor;
}

std::vector<std::string> CColumnListModel::ColumnTexts(int column) const {
    std::vector<std::string> texts;
    if (column < 0 || column >= columnCount()) return texts;
    texts.reserve(rows_.size());
    for (const Row& row : rows_) texts.push_back(row[column].text);
    return texts;
}

void CColumnListModel::Reorder(const std::vector<std::size_t>& order) {
    if (order.size() != rows_.size()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPlace(order.size());
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    for (std::size_t place = 0; place < order.size(); ++place) {
        newPlace[order[place]] = static_cast<int>(place);
        sorted.push_back(std::move(rows_[order[place]]));
    }
    rows_ = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& old : before) after.push_back(index(newPlace[old.row()], old.column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int CColumnListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CColumnListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant CColumnListModel::data(const QModelIndex& index, int role) const {
    const Cell* cell = CellAt(index.row(), index.column());
    if (!cell) return {};
    switch (role) {
    case Qt::DisplayRole: return ui::ToQString(cell->text);
    case Qt::ForegroundRole: return BrushOf(cell->textColor);
    case Qt::BackgroundRole: return BrushOf(cell->backColor);
    case Qt::TextAlignmentRole: return static_cast<int>(AlignmentOf(columns_[index.column()].align));
    default: return {};
    }
}

QVariant CColumnListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return ui::ToQString(columns_[section].title);
    if (role == Qt::TextAlignmentRole) return static_cast<int>(AlignmentOf(columns_[section].align));
    return {};
}
