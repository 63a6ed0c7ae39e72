#pragma once
// Where the chart's parts go in a client area of a given size, in pixels from its top-left
// corner. Rectangles are half-open, as in the window system's drawing calls: `right` and
// `bottom` are the first pixel column and row outside.
#include <optional>

#include "client/core/chart_scale.h"

namespace chart {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const PixelRect&) const = default;
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(const PixelRect& other) const {
        return other.left >= left && other.right <= right && other.top >= top && other.bottom <= bottom;
    }
};

inline constexpr int kLeftMargin = 50;  // room for the scale labels
inline constexpr int kMargin = 25;      // above, below and right of the plot
inline constexpr int kTick = 5;         // length of the time-axis ticks
inline constexpr int kRowCount = 6;

// A bar rectangle after clipping to the plot; `clipped` tells that part of it lay outside.
struct BarPlacement {
    PixelRect rect;
    bool clipped = false;
};

class ChartLayout {
public:
    // `slots` is the number of time labels; `zeroRow` comes from the scale (0 before any).
    ChartLayout(int width, int height, int slots, int zeroRow);

    int width() const { return width_; }
    int height() const { return height_; }
    int rowHeight() const { return rowHeight_; }
    int plotHeight() const { return plotHeight_; }
    int slotWidth() const { return slotWidth_; }
    int top() const { return top_; }
    // The zero line, held to a range far outside any window when the scale puts it off
    // the plot.
    int zeroY() const { return zeroY_; }

    // The grey plot area, outline included.
    PixelRect Plot() const { return {kLeftMargin, top_, width_ - kMargin, top_ + plotHeight_}; }
    int SlotX(int slot) const { return kLeftMargin + slot * slotWidth_; }
    // Row r counted from the top of the plot (grid lines) and from the bottom (labels).
    int GridY(int row) const { return top_ + row * rowHeight_; }
    int ScaleLabelY(int row) const { return top_ + (kRowCount - row) * rowHeight_ - 5; }
    int TickTop() const { return kMargin + plotHeight_; }
    int TickBottom() const { return kMargin + plotHeight_ + kTick; }
    int TimeLabelY() const { return height_ - 24; }

    // The bar of `units` at `slot`: 10 pixels wide, 10 pixels into the slot, rising from
    // the zero line for a positive value and falling for a negative one, units * rowHeight
    // / step pixels long (cut to whole pixels). Nothing for a bar of no height; clipped to
    // the plot otherwise.
    std::optional<BarPlacement> Bar(int slot, int units, int step) const;

private:
    int width_;
    int height_;
    int rowHeight_;
    int plotHeight_;
    int slotWidth_;
    int top_;
    int zeroY_;
};

}  // namespace chart
