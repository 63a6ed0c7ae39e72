#pragma once
// Rectangles on the skin pictures, in pixels from the picture's top-left corner. The
// skin generator draws its frames at these rectangles and the windows place their
// controls at them, so art and controls share one set of numbers.
#include <span>

namespace skin {

struct Size {
    int w = 0;
    int h = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    constexpr int Right() const { return x + w; }  // one past the last column
    constexpr int Bottom() const { return y + h; }  // one past the last row
    constexpr Size Extent() const { return {w, h}; }
    constexpr bool Contains(const Rect& inner) const {
        return inner.x >= x && inner.y >= y && inner.Right() <= Right() && inner.Bottom() <= Bottom();
    }
    // The rectangle shrunk by `d` pixels on every side.
    constexpr Rect Inset(int d) const { return {x + d, y + d, w - 2 * d, h - 2 * d}; }
};

// A rectangle of `size` with its top-left corner at (x, y).
constexpr Rect At(int x, int y, Size size) { return {x, y, size.w, size.h}; }

// A named rectangle of a picture: a frame the generator draws (band, card, strip) or a
// place where a control stands. `frame` is the drawn frame a control stands on, whose
// rectangle must hold the control's; null for the frames themselves and for controls
// on the picture's plain body.
struct Area {
    const char* name;
    Rect rect;
    const Area* frame = nullptr;
};

// A skin picture under image/: its size and its named areas.
struct Picture {
    const char* file;
    Size size;
    std::span<const Area* const> areas;

    constexpr Rect Bounds() const { return {0, 0, size.w, size.h}; }
};

}  // namespace skin
