#pragma once
// A name-to-number hash table compiled into the program as one string per bucket.
// Each entry is a fixed count of decimal digits giving the name length, a fixed count
// of digits giving the number, then the name in lower case. A name lives in the bucket
// (sum of its bytes, ASCII letters folded to lower case) mod the bucket count. Lookups
// fold the name given, so any case matches; the first matching entry of a bucket wins.
#include <array>
#include <cstddef>
#include <string_view>

namespace xml_tables {

constexpr unsigned char FoldAscii(char c) {
    auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

constexpr std::size_t BucketOf(std::string_view name, std::size_t bucketCount) {
    std::size_t sum = 0;
    for (char c : name) sum += FoldAscii(c);
    return sum % bucketCount;
}

struct BucketEntry {
    std::string_view name;  // lower case
    int value;
};

// Walks the entries of one bucket, calling fn(entry) for each until fn returns true.
// Returns false when the bucket string is malformed (a non-digit in a number field or a
// name running past the end).
template <int kLengthDigits, int kValueDigits, typename Fn>
constexpr bool ForEachEntry(std::string_view bucket, Fn&& fn) {
    auto readNumber = [&](std::size_t pos, int digits, int& out) {
        out = 0;
        for (int i = 0; i < digits; ++i) {
            char c = bucket[pos + i];
            if (c < '0' || c > '9') return false;
            out = out * 10 + (c - '0');
        }
        return true;
    };
    constexpr std::size_t kHeader = kLengthDigits + kValueDigits;
    std::size_t pos = 0;
    while (pos < bucket.size()) {
        int length = 0;
        int value = 0;
        if (bucket.size() - pos < kHeader || !readNumber(pos, kLengthDigits, length) ||
            !readNumber(pos + kLengthDigits, kValueDigits, value))
            return false;
        pos += kHeader;
        if (length == 0 || bucket.size() - pos < static_cast<std::size_t>(length)) return false;
        if (fn(BucketEntry{bucket.substr(pos, length), value})) return true;
        pos += length;
    }
    return true;
}

// The number stored for `name` (any case), or 0 when the table does not hold it.
template <int kLengthDigits, int kValueDigits, std::size_t kBuckets>
constexpr int LookupFolded(const std::array<std::string_view, kBuckets>& table,
                           std::string_view name) {
    int found = 0;
    ForEachEntry<kLengthDigits, kValueDigits>(
        table[BucketOf(name, kBuckets)], [&](const BucketEntry& entry) {
            if (entry.name.size() != name.size()) return false;
            for (std::size_t i = 0; i < name.size(); ++i)
                if (FoldAscii(name[i]) != static_cast<unsigned char>(entry.name[i])) return false;
            found = entry.value;
            return true;
        });
    return found;
}

// Number of entries in the table, or -1 when any bucket is malformed or holds an entry
// that is not lower case or does not belong in it. Used to check the tables at compile time.
template <int kLengthDigits, int kValueDigits, std::size_t kBuckets>
constexpr int CountCheckedEntries(const std::array<std::string_view, kBuckets>& table) {
    int count = 0;
    for (std::size_t b = 0; b < kBuckets; ++b) {
        bool misplaced = false;
        bool wellFormed =
            ForEachEntry<kLengthDigits, kValueDigits>(table[b], [&](const BucketEntry& entry) {
                for (char c : entry.name)
                    if (FoldAscii(c) != static_cast<unsigned char>(c)) misplaced = true;
                if (BucketOf(entry.name, kBuckets) != b) misplaced = true;
                ++count;
                return false;
            });
        if (!wellFormed || misplaced) return -1;
    }
    return count;
}

}  // namespace xml_tables
