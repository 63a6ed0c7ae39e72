#pragma once
// The typed comparison of two list cells (GBK text), in this order of steps:
//   1. both whole numbers: compared as signed values;
//   2. both decimal numbers, optionally followed by one '%': compared as numbers;
//   3. both dates or times (see cell_date.h): compared in time;
//   4. otherwise byte by byte (unsigned bytes, which for GBK orders as comparing the
//      double-byte characters does).
// A pair of different kinds falls to a later step, so the order is not transitive across
// kinds ("9" < "10" as numbers, "10" < "5x" and "5x" < "9" as text): sort only with a
// sort that stays safe under such an order (see merge_sort.h).
#include <cstdint>
#include <optional>
#include <string_view>

namespace listview {

// Optional leading blanks, optional sign, decimal digits and nothing else; out of the
// 64-bit range is not a whole number. "007" is 7; "0x10" and "1A" are not numbers.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text);

// Optional leading blanks, optional sign, digits with an optional point and exponent,
// then the end or a single '%'. "inf", "nan", hexadecimal and out-of-range values are not
// numbers.
std::optional<double> ReadDecimalNumber(std::string_view text);

// A cell read once for every step, so that sorting reads each cell only once. Refers to
// the text it was read from.
struct CellReading {
    std::string_view text;
    std::optional<std::int64_t> whole;
    std::optional<double> number;
    std::optional<std::int64_t> dateTime;
};

CellReading ReadCell(std::string_view text);

// Negative, zero or positive as `a` sorts before, with or after `b`.
int CompareReadings(const CellReading& a, const CellReading& b);
int CompareCells(std::string_view a, std::string_view b);

}  // namespace listview
