// Sorting a column: typed order in both directions, and safety under the non-transitive
// comparison with a column of mixed random texts (run under the sanitizers).
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "client/core/column_sort.h"
#include "client/core/merge_sort.h"

namespace listview {
namespace {

std::vector<std::string> Sorted(const std::vector<std::string>& column, SortDirection direction) {
    std::vector<std::string> out;
    for (std::size_t row : SortedRowOrder(column, direction)) out.push_back(column[row]);
    return out;
}

bool IsPermutation(std::vector<std::size_t> order, std::size_t n) {
    std::sort(order.begin(), order.end());
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] != i) return false;
    }
    return order.size() == n;
}

TEST(ColumnSort, PercentagesAndDecimals) {
    const std::vector<std::string> column = {"12.5%", "3%", "-1.2"};
    EXPECT_EQ(Sorted(column, SortDirection::Ascending), (std::vector<std::string>{"-1.2", "3%", "12.5%"}));
    EXPECT_EQ(Sorted(column, SortDirection::Descending), (std::vector<std::string>{"12.5%", "3%", "-1.2"}));
}

TEST(ColumnSort, NegativeWholeNumbersAndDates) {
    EXPECT_EQ(Sorted({"3", "-5", "10", "0"}, SortDirection::Ascending),
              (std::vector<std::string>{"-5", "0", "3", "10"}));
    EXPECT_EQ(Sorted({"2026/1/10", "12/31/2025", "2026-01-02"}, SortDirection::Ascending),
              (std::vector<std::string>{"12/31/2025", "2026-01-02", "2026/1/10"}));
}

TEST(ColumnSort, EqualCellsKeepTheirOrderBothWays) {
    const std::vector<std::string> column = {"1", "2", "1.0", "2"};
    EXPECT_EQ(SortedRowOrder(column, SortDirection::Ascending), (std::vector<std::size_t>{0, 2, 1, 3}));
    EXPECT_EQ(SortedRowOrder(column, SortDirection::Descending), (std::vector<std::size_t>{1, 3, 0, 2}));
}

TEST(ColumnSort, MixedRandomColumnSortsSafely) {
    std::mt19937 random(20261207);
    const std::vector<std::string> pool = {"9", "10", "5x", "-5", "3%", "12.5%", "-1.2", "", " ", "abc", "2026-12-07",
                                           "12/07/2026", "14:30", "1e3", "0x10", "\xC6\xBD\xB0\xB2", "\xC4\xEA"};
    for (int round = 0; round < 50; ++round) {
        std::vector<std::string> column(std::uniform_int_distribution<std::size_t>(0, 300)(random));
        for (std::string& cell : column) {
            if (random() % 4 == 0) {
                // Random bytes, including stray GBK lead bytes and NULs.
                cell.resize(random() % 6);
                for (char& c : cell) c = static_cast<char>(random() % 256);
            } else {
                cell = pool[random() % pool.size()];
            }
        }
        for (SortDirection direction : {SortDirection::Ascending, SortDirection::Descending}) {
            EXPECT_TRUE(IsPermutation(SortedRowOrder(column, direction), column.size()));
        }
    }
}

TEST(MergeSort, AnyComparisonGivesAPermutation) {
    // A comparison that answers at random is as hostile as an order can be.
    std::mt19937 random(7);
    for (std::size_t n : {0u, 1u, 2u, 3u, 17u, 64u, 1000u}) {
        std::vector<std::size_t> items(n);
        for (std::size_t i = 0; i < n; ++i) items[i] = i;
        MergeSort(items, [&](std::size_t, std::size_t) { return random() % 2 == 0; });
        EXPECT_TRUE(IsPermutation(items, n));
    }
}

}  // namespace
}  // namespace listview
