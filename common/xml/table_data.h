#pragma once
// The raw bucket strings of the charset and entity tables, for checks that walk them.
#include <array>
#include <string_view>

namespace xml_tables {

inline constexpr std::size_t kCharsetBucketCount = 150;
inline constexpr int kCharsetLengthDigits = 2;
inline constexpr int kCharsetCodePageDigits = 5;
extern const std::array<std::string_view, kCharsetBucketCount> kCharsetBuckets;

inline constexpr std::size_t kEntityBucketCount = 130;
inline constexpr int kEntityLengthDigits = 1;
inline constexpr int kEntityNumberDigits = 4;
extern const std::array<std::string_view, kEntityBucketCount> kEntityBuckets;

}  // namespace xml_tables
