#pragma once
// The rows of a list document: one row per anchor element, read in document order, at
// most `Capacity` of them. Shared by the list records.
#include <cstddef>
#include <string>
#include <vector>

#include "client/data/record_status.h"
#include "client/data/record_walk.h"

template <typename RowType, std::size_t Capacity>
class AnchorRows {
public:
    static constexpr std::size_t kCapacity = Capacity;

    // Found when the document had at least one row.
    RecordStatus Status() const { return status_; }
    std::size_t Count() const { return rows_.size(); }
    // Row i in document order; an empty row beyond Count().
    const RowType& Row(std::size_t index) const {
        static const RowType empty;
        return index < rows_.size() ? rows_[index] : empty;
    }

protected:
    // readRow(row, index) fills `row` from the current anchor element of `document.xml`.
    template <typename ReadRow>
    void ReadRows(LoadedDocument& document, const std::string& anchor, ReadRow&& readRow) {
        const std::size_t count = record_walk::ReadAnchorList(
            document.xml, anchor, Capacity,
            [&](std::size_t index) { readRow(rows_.emplace_back(), index); });
        status_ = RecordStatusOf(document, count > 0);
    }

private:
    RecordStatus status_ = RecordStatus::NotFound;
    std::vector<RowType> rows_;
};
