#pragma once
// The rows of a list document: one row per anchor element, read in document order, at
// most `Capacity` of them. Shared by the list records.
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/record_walk.h"

template <typename RowType, std::size_t Capacity>
class AnchorRows {
public:
    static constexpr std::size_t kCapacity = Capacity;

    std::size_t Count() const { return rows_.size(); }
    // Row i in document order; an empty row beyond Count().
    const RowType& Row(std::size_t index) const {
        static const RowType empty;
        return index < rows_.size() ? rows_[index] : empty;
    }

protected:
    // readRow(row, index) fills `row` from the current anchor element of `doc`.
    template <typename ReadRow>
    void ReadRows(CXmlFile& doc, const std::string& anchor, ReadRow&& readRow) {
        record_walk::ReadAnchorList(doc, anchor, Capacity, [&](std::size_t index) {
            readRow(rows_.emplace_back(), index);
        });
    }

private:
    std::vector<RowType> rows_;
};
