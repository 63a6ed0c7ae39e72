#include "client/panels/stock_list_model.h"

#include <utility>

#include "common/ui/text.h"

CStockListModel::CStockListModel(QObject* parent) : QAbstractTableModel(parent) {}

void CStockListModel::SetDirectory(CStockDirectory directory) {
    beginResetModel();
    directory_ = std::move(directory);
    rows_.clear();
    displayTexts_.clear();
    displayTexts_.reserve(directory_.Size() * kColumnCount);
    for (std::size_t i = 0; i < directory_.Size(); ++i) {
        displayTexts_.push_back(ui::ToQString(directory_.Code(i)));
        displayTexts_.push_back(ui::ToQString(directory_.Initials(i)));
        displayTexts_.push_back(ui::ToQString(directory_.Name(i)));
    }
    endResetModel();
}

void CStockListModel::SetRows(std::vector<std::size_t> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int CStockListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CStockListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CStockListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t stock = rows_[static_cast<std::size_t>(index.row())];
    return displayTexts_[stock * kColumnCount + static_cast<std::size_t>(index.column())];
}

QVariant CStockListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (static_cast<Column>(section)) {
        case Column::Code: return QStringLiteral("代码");
        case Column::Initials: return QStringLiteral("拼音");
        case Column::Name: return QStringLiteral("名称");
    }
    return {};
}
