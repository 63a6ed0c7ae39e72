#include "client/core/column_sort.h"

#include <numeric>

#include "client/core/cell_compare.h"
#include "client/core/merge_sort.h"

namespace listview {

std::vector<std::size_t> SortedRowOrder(const std::vector<std::string>& column, SortDirection direction) {
    std::vector<CellReading> readings;
    readings.reserve(column.size());
    for (const std::string& cell : column) readings.push_back(ReadCell(cell));
    std::vector<std::size_t> order(column.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const int sign = direction == SortDirection::Ascending ? 1 : -1;
    MergeSort(order, [&](std::size_t a, std::size_t b) { return sign * CompareReadings(readings[a], readings[b]) < 0; });
    return order;
}

}  // namespace listview
