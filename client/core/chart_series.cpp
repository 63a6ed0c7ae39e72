#include "client/core/chart_series.h"

#include <charconv>
#include <cmath>

namespace chart {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    return text.substr(i);
}

// Drops leading blanks and an optional sign from `text`; true for a minus.
bool TakeLeadingSign(std::string_view& text) {
    text = SkipBlanks(text);
    if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
    const bool negative = text[0] == '-';
    text.remove_prefix(1);
    return negative;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i;
}

// The floating value of the decimal number at the start of `text` (after blanks), held
// within the limit; 0 when there is none. Hexadecimal, "inf" and "nan" are not numbers here.
double FloatingValue(std::string_view text) {
    const bool negative = TakeLeadingSign(text);
    const std::size_t whole = SkipDigits(text, 0);
    std::size_t end = whole;
    if (end < text.size() && text[end] == '.') end = SkipDigits(text, end + 1);
    const bool hasDigits = whole > 0 || end > whole + 1;
    if (!hasDigits) return 0;
    bool tinyExponent = false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        const bool signedExponent = exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-');
        if (signedExponent) ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            tinyExponent = signedExponent && text[exponent - 1] == '-';
            end = exponentEnd;
        }
    }
    double value = 0;
    const auto [ptr, error] = std::from_chars(text.data(), text.data() + end, value);
    (void)ptr;
    if (error == std::errc::result_out_of_range) value = tinyExponent ? 0.0 : kChartValueLimit;
    else if (error != std::errc()) value = 0;
    if (!std::isfinite(value) || value > kChartValueLimit) value = kChartValueLimit;
    return negative ? -value : value;
}

}  // namespace

std::vector<std::string> SplitSeries(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\t') continue;
        pieces.emplace_back(text.substr(start, i - start));
        start = i + 1;
    }
    if (start < text.size()) pieces.emplace_back(text.substr(start));
    return pieces;
}

int IntegerValue(std::string_view text) {
    const bool negative = TakeLeadingSign(text);
    long long value = 0;
    for (char c : text) {
        if (!IsDigit(c)) break;
        value = value * 10 + (c - '0');
        if (value >= kChartValueLimit) {
            value = kChartValueLimit;
            break;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

int TruncatedValue(std::string_view text) {
    return static_cast<int>(std::trunc(FloatingValue(text)));
}

int SecondSeriesValue(std::string_view text) {
    const double value = FloatingValue(text);
    if (value > 0.5 && value < 1) return 1;
    if (value < -0.5 && value > -1) return -1;
    return static_cast<int>(std::trunc(value));
}

}  // namespace chart
