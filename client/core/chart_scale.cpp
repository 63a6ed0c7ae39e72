#include "client/core/chart_scale.h"

#include <algorithm>
#include <cstdlib>

#include "client/core/chart_series.h"

namespace chart {

namespace {

// The span is spread over five rows; the sixth leaves room above or below the data.
constexpr int kSpanRows = 5;

int Largest(const std::vector<std::string>& series) {
    int largest = IntegerValue(series.front());
    for (const std::string& value : series) largest = std::max(largest, IntegerValue(value));
    return largest;
}

int Smallest(const std::vector<std::string>& series) {
    int smallest = IntegerValue(series.front());
    for (const std::string& value : series) smallest = std::min(smallest, IntegerValue(value));
    return smallest;
}

}  // namespace

std::optional<ChartScale> ComputeChartScale(const std::vector<std::string>& first,
                                            const std::vector<std::string>& second) {
    if (first.empty()) return std::nullopt;
    ChartScale scale;
    scale.maxValue = Largest(first);
    scale.minValue = second.empty() ? Smallest(first) : Smallest(second);
    if (scale.minValue > 0) scale.minValue = 0;

    // Values are held within +-1e9, so the span fits an int.
    const int span = std::abs(scale.minValue) + scale.maxValue;
    if (span < kSpanRows) return std::nullopt;
    scale.step = span / kSpanRows;
    const int maxRest = std::abs(scale.maxValue % scale.step);
    const int minRest = std::abs(scale.minValue % scale.step);
    if (minRest < maxRest) {
        scale.step += std::max(maxRest, kSpanRows) / kSpanRows;
        scale.zeroRow = kSpanRows - std::abs(scale.maxValue) / scale.step;
    } else {
        scale.step += std::max(minRest, kSpanRows) / kSpanRows;
        scale.zeroRow = std::abs(scale.minValue) / scale.step + 1;
    }
    return scale;
}

}  // namespace chart
