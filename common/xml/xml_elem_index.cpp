#include "common/xml/xml_elem_index.h"

#include <algorithm>

void CElemIndex::Clear() {
    pages_.clear();
    pageSizes_.clear();
    capacity_ = 0;
    count_ = 0;
}

void CElemIndex::Reset(std::size_t records) {
    Clear();
    Grow(std::max<std::size_t>(records, 1));
}

void CElemIndex::Grow(std::size_t newCapacity) {
    // Fill the last, partial page up to the new capacity (copying it), then add pages.
    std::size_t remaining = newCapacity - capacity_;
    if (!pages_.empty() && pageSizes_.back() < std::size_t(kPageSize)) {
        std::size_t oldSize = pageSizes_.back();
        std::size_t newSize = std::min<std::size_t>(kPageSize, oldSize + remaining);
        auto page = std::make_unique<ElemRecord[]>(newSize);
        std::copy(pages_.back().get(), pages_.back().get() + oldSize, page.get());
        pages_.back() = std::move(page);
        pageSizes_.back() = newSize;
        remaining -= newSize - oldSize;
    }
    while (remaining > 0) {
        std::size_t size = std::min<std::size_t>(kPageSize, remaining);
        pages_.push_back(std::make_unique<ElemRecord[]>(size));
        pageSizes_.push_back(size);
        remaining -= size;
    }
    capacity_ = newCapacity;
}

int CElemIndex::Add() {
    if (std::size_t(count_) >= capacity_) Grow(capacity_ + std::max<std::size_t>(capacity_ / 2, 1));
    int index = count_++;
    (*this)[index] = ElemRecord();
    return index;
}
