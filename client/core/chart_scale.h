#pragma once
// The chart's integer value scale: seven labels, six rows, the zero line `zeroRow` rows up
// from the bottom of the plot.
#include <optional>
#include <string>
#include <vector>

namespace chart {

struct ChartScale {
    int maxValue = 0;
    int minValue = 0;
    int step = 0;     // value per row, at least 1
    int zeroRow = 0;  // rows from the bottom of the plot to the zero line

    // The value at row r (0 = bottom of the plot, 6 = top).
    long long ValueAtRow(int row) const { return static_cast<long long>(row - zeroRow) * step; }
};

// The scale for the two series (values read as integers, fractions cut off). The upper
// end comes from the first series; the lower end from the second when both hold values,
// otherwise from the first; zero is always included.
//
// Nothing when no sound scale exists: an empty first series, or data so flat that the
// span (|minValue| + maxValue) is under 5 and the row step would be zero. The chart then
// shows its empty plot.
//
// Not every value is on the scale: values of the second series above the first's
// maximum, values of the first below the second's minimum, and a first series with no
// value >= 0 (its zero line then lies off the scale) can fall outside; the chart clips
// those bars to the plot.
std::optional<ChartScale> ComputeChartScale(const std::vector<std::string>& first,
                                            const std::vector<std::string>& second);

}  // namespace chart
