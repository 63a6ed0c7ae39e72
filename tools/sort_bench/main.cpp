// Median time per sort of one column of a list, for each kind of cell: the row order
// alone (reading each cell and the merge sort), and the whole SortColumn of the list
// control (the order, moving the rows with their colours, the sorted signal). Before each
// timed control sort the rows are shuffled again by a key column, untimed, so that every
// sort starts from a random order.
//
//   sort_bench [sorts per kind (51)] [rows (5000)]
#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "client/core/column_sort.h"
#include "client/panels/column_list_ctrl.h"
#include "tools/sort_bench/generated_columns.h"

namespace {

using Clock = std::chrono::steady_clock;

volatile std::size_t sink;  // keeps the timed sorts from being optimised away

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

template <typename Work>
double TimedMs(Work work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Fill(CColumnListCtrl& list, const std::vector<std::string>& column) {
    list.DeleteAllRows();
    char key[16];
    for (std::size_t i = 0; i < column.size(); ++i) {
        const int row = list.InsertRow(static_cast<int>(i), column[i]);
        std::snprintf(key, sizeof key, "%d", std::rand());
        list.SetCellText(row, 1, key);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int sorts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
    const std::size_t rows = argc > 2 ? static_cast<std::size_t>(std::max(2, std::atoi(argv[2]))) : 5000;
    std::srand(1207);

    CColumnListCtrl list;
    list.resize(600, 400);
    list.SetColumns("Cell,120,2;Key,60");
    list.show();

    std::printf("%zu rows, median of %d sorts each (ms)\n", rows, sorts);
    std::printf("%-12s %12s %14s\n", "kind", "row order", "SortColumn");
    using sort_bench::CellKind;
    for (CellKind kind : {CellKind::Integers, CellKind::Percentages, CellKind::Dates, CellKind::Names}) {
        const std::vector<std::string> column = sort_bench::GenerateColumn(kind, rows, 20261207);
        std::vector<double> core, control;
        for (int i = 0; i < sorts; ++i) {
            const auto direction = i % 2 ? listview::SortDirection::Descending : listview::SortDirection::Ascending;
            core.push_back(TimedMs([&] { sink = listview::SortedRowOrder(column, direction).front(); }));
        }
        Fill(list, column);
        for (int i = 0; i < sorts; ++i) {
            list.SortColumn(1, true);  // shuffle by the random key, untimed
            control.push_back(TimedMs([&] { list.SortColumn(0, i % 2 == 0); }));
        }
        std::printf("%-12s %12.3f %14.3f\n", sort_bench::NameOf(kind), Median(core), Median(control));
    }
    return 0;
}
