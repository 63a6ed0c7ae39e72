#include "client/core/column_format.h"

#include <cstdint>

namespace listview {
namespace {

constexpr int kWidestColumn = 100000;

std::vector<std::string_view> SplitDroppingEmpty(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) end = text.size();
        if (end > start) pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return pieces;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// atoi's reading, bounded so that no digit string can overflow.
std::int64_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (value < kWidestColumn) value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

ColumnAlign AlignFromCode(std::int64_t code) {
    if (code == 1) return ColumnAlign::Centre;
    if (code == 2) return ColumnAlign::Right;
    return ColumnAlign::Left;
}

}  // namespace

std::vector<ColumnFormat> ParseColumnFormat(std::string_view format) {
    std::vector<ColumnFormat> columns;
    for (std::string_view piece : SplitDroppingEmpty(format, ';')) {
        const std::vector<std::string_view> fields = SplitDroppingEmpty(piece, ',');
        if (fields.empty()) continue;
        ColumnFormat column;
        column.title = std::string(fields[0]);
        if (fields.size() > 1) {
            const std::int64_t width = LeadingInteger(fields[1]);
            column.width = static_cast<int>(width < 0 ? 0 : (width > kWidestColumn ? kWidestColumn : width));
        }
        if (fields.size() > 2) column.align = AlignFromCode(LeadingInteger(fields[2]));
        columns.push_back(std::move(column));
    }
    return columns;
}

}  // namespace listview
