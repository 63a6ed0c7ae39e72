#pragma once
// The rows of a CColumnListCtrl: GBK text and a text and background colour per cell,
// under columns described by column formats.
#include <QAbstractTableModel>

#include <cstddef>
#include <string>
#include <vector>

#include "client/core/cell_range.h"
#include "client/core/column_format.h"
#include "common/ui/color.h"

class CColumnListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A colour that follows the view's palette (window text, window background).
    static constexpr ui::ColorRef kSystemColor = 0xFFFFFFFF;

    enum class ColorPart { Text, Background };

    explicit CColumnListModel(QObject* parent = nullptr);

    // Replaces every column and removes every row.
    void SetColumns(std::vector<listview::ColumnFormat> columns);
    const std::vector<listview::ColumnFormat>& Columns() const { return columns_; }
    // A column at `index` (past the end appends): every row gets an empty cell there in the
    // system colours, the later cells moving right. Returns its index, -1 when `index` is
    // negative.
    int InsertColumn(int index, listview::ColumnFormat column);
    // Removes column `index` with every row's cell in it; false when out of range.
    bool DeleteColumn(int index);

    // A row whose first cell holds `text`, at `index` (past the end appends); -1 when
    // `index` is negative.
    int InsertRow(int index, const std::string& text);
    bool SetCellText(int row, int column, const std::string& text);
    void DeleteAllRows();

    void SetColor(const listview::CellRange& cells, ColorPart part, ui::ColorRef colour);

    // Empty text and kSystemColor outside the table.
    std::string CellText(int row, int column) const;
    ui::ColorRef CellColor(int row, int column, ColorPart part) const;
    std::vector<std::string> ColumnTexts(int column) const;

    // Puts the rows in `order` (order[k] is the row that goes to place k), keeping
    // selection and current index with their rows.
    void Reorder(const std::vector<std::size_t>& order);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Cell {
        std::string text;
        ui::ColorRef textColor = kSystemColor;
        ui::ColorRef backColor = kSystemColor;
    };
    using Row = std::vector<Cell>;

    const Cell* CellAt(int row, int column) const;

    std::vector<listview::ColumnFormat> columns_;
    std::vector<Row> rows_;
};
