#pragma once
// Small text helpers for the HTTP engine: trimming, ASCII case folding, strict numbers.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

// Without leading and trailing blanks, tabs, CR and LF.
std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeft(std::string_view text);

// ASCII letters folded to lower case; every other byte (GBK included) kept.
std::string FoldToLower(std::string_view text);

// A plain non-negative decimal number that fits 63 bits; nothing for anything else.
std::optional<std::int64_t> ParseDecimal(std::string_view text);

// The number formed by the leading digits (0 when none), like the C library's atoi.
int LeadingNumber(std::string_view text);

}  // namespace net
