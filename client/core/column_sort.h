#pragma once
// The order of a list's rows when sorted by one column with the typed cell comparison.
#include <cstddef>
#include <string>
#include <vector>

namespace listview {

enum class SortDirection { Ascending, Descending };

// Row indices in their sorted order: `order[k]` is the row that goes to place k. Each cell
// is read once; equal cells keep their relative order.
std::vector<std::size_t> SortedRowOrder(const std::vector<std::string>& column, SortDirection direction);

}  // namespace listview
