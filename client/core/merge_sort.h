#pragma once
// A bottom-up merge sort that stays memory-safe and ends for any comparison, even one
// that is not a strict weak order (not transitive, or inconsistent from call to call):
// every index it touches is bounded by the loop counters alone, never by what the
// comparison answered, and it makes a fixed number of passes. The result is always a
// permutation of the input; it is sorted whenever the comparison is a strict weak order,
// and stable.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace listview {

template <typename T, typename Less>
void MergeSort(std::vector<T>& items, Less less) {
    const std::size_t n = items.size();
    if (n < 2) return;
    std::vector<T> buffer(n);
    std::vector<T>* from = &items;
    std::vector<T>* to = &buffer;
    for (std::size_t width = 1; width < n; width *= 2) {
        for (std::size_t left = 0; left < n; left += 2 * width) {
            const std::size_t middle = std::min(left + width, n);
            const std::size_t right = std::min(left + 2 * width, n);
            std::size_t i = left, j = middle, out = left;
            while (i < middle && j < right) (*to)[out++] = less((*from)[j], (*from)[i]) ? (*from)[j++] : (*from)[i++];
            while (i < middle) (*to)[out++] = (*from)[i++];
            while (j < right) (*to)[out++] = (*from)[j++];
        }
        std::swap(from, to);
        if (width > n / 2) break;  // the next width would exceed n: done, and no overflow
    }
    if (from != &items) items = std::move(*from);
}

}  // namespace listview
