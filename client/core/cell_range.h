#pragma once
// Which cells a (row, column) pair addresses when colouring a list: an index in range
// picks that row or column, one out of range (negative or too large) stands for all of
// them. So (r, c) is one cell, (r, -1) row r, (-1, c) column c, (-1, -1) every cell.
namespace listview {

struct CellRange {
    int firstRow, endRow;        // rows [firstRow, endRow)
    int firstColumn, endColumn;  // columns [firstColumn, endColumn)
};

constexpr CellRange AddressedCells(int row, int column, int rowCount, int columnCount) {
    const bool oneRow = row >= 0 && row < rowCount;
    const bool oneColumn = column >= 0 && column < columnCount;
    return {oneRow ? row : 0, oneRow ? row + 1 : rowCount, oneColumn ? column : 0,
            oneColumn ? column + 1 : columnCount};
}

}  // namespace listview
