#pragma once
// The element index: fixed-size records in a paged array. An element index is
// (page << 16) | slot; each page holds 65,536 records. Record 0 is the virtual document
// element whose only child (in a well-formed document) is the root element.
#include <cstdint>
#include <memory>
#include <vector>

// Flag bits of ElemRecord::flags.
inline constexpr std::uint32_t kElemDepthMask = 0xFFFF;  // nesting depth, saturating
inline constexpr std::uint32_t kElemFirstChild = 0x80000;
inline constexpr std::uint32_t kElemNotEnded = 0x100000;
inline constexpr std::uint32_t kElemBadContent = 0x200000;
inline constexpr std::uint32_t kElemIllFormed = 0x800000;  // record 0 only

struct ElemRecord {
    static constexpr std::uint32_t kMaxStartTagLength = (1u << 22) - 1;
    static constexpr std::uint32_t kMaxEndTagLength = (1u << 10) - 1;

    std::uint32_t start = 0;   // offset of the start tag's '<'
    std::uint32_t length = 0;  // from '<' of the start tag to '>' of the end tag
    std::uint32_t startTagLength : 22;
    std::uint32_t endTagLength : 10;  // 0 for <x/> and for an element never ended
    std::uint32_t flags = 0;
    int parent = 0;
    int firstChild = 0;
    int nextSibling = 0;  // 0 at the last child
    int prevSibling = 0;  // for the first child: the parent's last child

    ElemRecord() : startTagLength(0), endTagLength(0) {}

    std::uint32_t Depth() const { return flags & kElemDepthMask; }
    void SetDepth(std::uint32_t depth) {
        flags = (flags & ~kElemDepthMask) | (depth > kElemDepthMask ? kElemDepthMask : depth);
    }
    // Lengths are stored saturated: a longer tag keeps a shorter, in-bounds length.
    void SetStartTagLength(std::size_t n) {
        startTagLength = n > kMaxStartTagLength ? kMaxStartTagLength : std::uint32_t(n);
    }
    void SetEndTagLength(std::size_t n) {
        endTagLength = n > kMaxEndTagLength ? kMaxEndTagLength : std::uint32_t(n);
    }
    std::uint32_t End() const { return start + length; }
    std::uint32_t ContentStart() const { return start + startTagLength; }
    std::uint32_t ContentEnd() const { return start + length - endTagLength; }
};

class CElemIndex {
public:
    static constexpr int kPageBits = 16;
    static constexpr int kPageSize = 1 << kPageBits;

    // Drops every record and reserves room for `records` of them.
    void Reset(std::size_t records);
    void Clear();
    bool Empty() const { return count_ == 0; }

    // Appends a zeroed record (growing by half of the capacity when full); its index.
    int Add();
    int Count() const { return count_; }
    std::size_t Capacity() const { return capacity_; }

    ElemRecord& operator[](int i) { return pages_[i >> kPageBits][i & (kPageSize - 1)]; }
    const ElemRecord& operator[](int i) const {
        return pages_[i >> kPageBits][i & (kPageSize - 1)];
    }
    bool Valid(int i) const { return i > 0 && i < count_; }

private:
    void Grow(std::size_t newCapacity);

    std::vector<std::unique_ptr<ElemRecord[]>> pages_;
    std::vector<std::size_t> pageSizes_;
    std::size_t capacity_ = 0;
    int count_ = 0;
};
