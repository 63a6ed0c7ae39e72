#include "client/core/chart_layout.h"

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

// Coordinates beyond this lie outside any window; holding values to it keeps the
// arithmetic on absurd scales and values from overflowing.
constexpr long long kFar = 1 << 24;

int Held(long long value) { return static_cast<int>(std::clamp(value, -kFar, kFar)); }
int Held(double value) { return static_cast<int>(std::clamp(value, double(-kFar), double(kFar))); }

}  // namespace

ChartLayout::ChartLayout(int width, int height, int slots, int zeroRow)
    : width_(width),
      height_(height),
      rowHeight_((height - 2 * kMargin) / kRowCount),
      plotHeight_(kRowCount * rowHeight_),
      slotWidth_((width - kMargin - kLeftMargin) / (std::max(slots, 0) + 1)),
      top_(height - kMargin - plotHeight_),
      zeroY_(Held(static_cast<long long>(height) - static_cast<long long>(zeroRow) * rowHeight_ - kMargin)) {}

std::optional<BarPlacement> ChartLayout::Bar(int slot, int units, int step) const {
    if (units == 0 || step <= 0) return std::nullopt;
    const int length = Held(std::trunc(static_cast<double>(units) * rowHeight_ / step));
    if (length == 0) return std::nullopt;
    const int x = Held(static_cast<long long>(kLeftMargin) + static_cast<long long>(slot) * slotWidth_);
    const int end = Held(static_cast<long long>(zeroY_) - length);
    const PixelRect bar{x + 10, std::min(zeroY_, end), x + 20, std::max(zeroY_, end)};
    const PixelRect plot = Plot();
    BarPlacement placement;
    placement.rect = {std::max(bar.left, plot.left), std::max(bar.top, plot.top), std::min(bar.right, plot.right),
                      std::min(bar.bottom, plot.bottom)};
    if (placement.rect.IsEmpty()) return std::nullopt;
    placement.clipped = !plot.Contains(bar);
    return placement;
}

}  // namespace chart
