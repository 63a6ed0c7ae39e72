#pragma once
// The column description string of a report list: entries separated by ';', each entry
// "title,width,alignment". Titles keep their blanks; empty pieces are dropped.
#include <string>
#include <string_view>
#include <vector>

namespace listview {

enum class ColumnAlign { Left, Centre, Right };

struct ColumnFormat {
    std::string title;
    int width = 100;  // pixels
    ColumnAlign align = ColumnAlign::Left;
};

inline constexpr int kDefaultColumnWidth = 100;

// Columns in order. Width is a decimal read as atoi does (leading blanks, optional sign,
// digits, the rest ignored); a negative or unreadable width gives 0, a huge one is capped.
// Alignment code 1 is centred, 2 right-aligned, anything else left-aligned.
std::vector<ColumnFormat> ParseColumnFormat(std::string_view format);

}  // namespace listview
