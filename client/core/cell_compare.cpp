#include "client/core/cell_compare.h"

#include <charconv>

#include "client/core/cell_date.h"

namespace listview {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text after leading blanks and a sign; `negative` tells the sign.
std::string_view Unsigned(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    return text.substr(i);
}

template <typename T>
int Order(const T& a, const T& b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

std::optional<std::int64_t> ReadWholeNumber(std::string_view text) {
    bool negative = false;
    const std::string_view digits = Unsigned(text, negative);
    if (digits.empty() || !IsDigit(digits.front())) return std::nullopt;
    std::uint64_t magnitude = 0;
    const char* end = digits.data() + digits.size();
    const auto [ptr, error] = std::from_chars(digits.data(), end, magnitude, 10);
    if (error != std::errc() || ptr != end) return std::nullopt;
    constexpr std::uint64_t kMostPositive = static_cast<std::uint64_t>(INT64_MAX);
    if (!negative && magnitude > kMostPositive) return std::nullopt;
    if (negative && magnitude > kMostPositive + 1) return std::nullopt;
    if (negative) return magnitude == kMostPositive + 1 ? INT64_MIN : -static_cast<std::int64_t>(magnitude);
    return static_cast<std::int64_t>(magnitude);
}

std::optional<double> ReadDecimalNumber(std::string_view text) {
    bool negative = false;
    const std::string_view rest = Unsigned(text, negative);
    if (rest.empty() || !(IsDigit(rest.front()) || rest.front() == '.')) return std::nullopt;
    double value = 0;
    const char* end = rest.data() + rest.size();
    const auto [ptr, error] = std::from_chars(rest.data(), end, value, std::chars_format::general);
    if (error != std::errc()) return std::nullopt;
    if (ptr != end && !(ptr + 1 == end && *ptr == '%')) return std::nullopt;
    return negative ? -value : value;
}

CellReading ReadCell(std::string_view text) {
    CellReading reading;
    reading.text = text;
    reading.number = ReadDecimalNumber(text);
    if (reading.number) {
        reading.whole = ReadWholeNumber(text);
    } else {
        reading.dateTime = ReadDateTime(text);  // a number is never a date: dates hold separators
    }
    return reading;
}

int CompareReadings(const CellReading& a, const CellReading& b) {
    if (a.whole && b.whole) return Order(*a.whole, *b.whole);
    if (a.number && b.number) return Order(*a.number, *b.number);
    if (a.dateTime && b.dateTime) return Order(*a.dateTime, *b.dateTime);
    return Order(a.text, b.text);
}

int CompareCells(std::string_view a, std::string_view b) { return CompareReadings(ReadCell(a), ReadCell(b)); }

}  // namespace listview
