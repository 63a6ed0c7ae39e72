#pragma once
// The chart's series as the server sends them: values separated by TAB characters, each
// value a decimal text that may be malformed. Reading never fails: what is not a number
// counts as 0, and magnitudes are held within kChartValueLimit so no arithmetic on them
// can overflow.
#include <string>
#include <string_view>
#include <vector>

namespace chart {

inline constexpr int kChartValueLimit = 1'000'000'000;

// Every TAB ends a piece (possibly empty); characters after the last TAB form one more
// piece. "12\t-3\t" gives {"12", "-3"}; "12\t\t5" gives {"12", "", "5"}.
std::vector<std::string> SplitSeries(std::string_view text);

// Decimal text to an integer, fraction cut off: leading blanks, an optional sign, then the
// digits up to the first other character ("12.9" gives 12, "abc" gives 0).
int IntegerValue(std::string_view text);

// Decimal text read as a floating number (optional fraction and exponent) and cut towards
// zero: "0.7" gives 0, "-12.9" gives -12, "1e3" gives 1000.
int TruncatedValue(std::string_view text);

// As TruncatedValue, except that a value strictly between 0.5 and 1 counts as 1 and one
// strictly between -1 and -0.5 counts as -1, so small amounts of the second series still
// show as a one-unit bar.
int SecondSeriesValue(std::string_view text);

}  // namespace chart
