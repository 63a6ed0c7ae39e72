#pragma once
// The rows of the stock search pop-up: a view over the stock directory holding only the
// indices of the matching stocks, so that refiltering never builds one object per row.
// Columns: code, pinyin initials, name.
#include <QAbstractTableModel>
#include <QString>

#include <cstddef>
#include <vector>

#include "client/core/stock_directory.h"

class CStockListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Column { Code = 0, Initials = 1, Name = 2 };
    static constexpr int kColumnCount = 3;

    explicit CStockListModel(QObject* parent = nullptr);

    // Takes the directory the rows point into; the rows become empty.
    void SetDirectory(CStockDirectory directory);
    const CStockDirectory& Directory() const { return directory_; }

    // Replaces the rows at once (one model reset): each entry is a directory index.
    void SetRows(std::vector<std::size_t> rows);
    std::size_t DirectoryIndex(int row) const { return rows_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    CStockDirectory directory_;
    // The directory's texts converted once, so painting a row converts nothing.
    std::vector<QString> displayTexts_;  // kColumnCount per stock
    std::vector<std::size_t> rows_;
};
