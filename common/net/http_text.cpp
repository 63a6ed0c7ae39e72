#include "common/net/http_text.h"

#include <limits>

#include "common/platform/ascii_case.h"

namespace net {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string FoldToLower(std::string_view text) { return platform::AsciiLower(text); }

std::optional<std::int64_t> ParseDecimal(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (char c : text) {
        if (!IsDigit(c)) return std::nullopt;
        int digit = c - '0';
        if (value > (kMax - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

int LeadingNumber(std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c) || value > 100000000) break;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace net
