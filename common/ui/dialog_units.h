#pragma once
// Dialog templates measure in dialog units; windows here use the usual base units
// of the dialog font: x pixels = dlu * 6 / 4, y pixels = dlu * 13 / 8.
#include <QRect>

namespace ui {

constexpr int DluToPixelsX(int dlu) { return dlu * 6 / 4; }
constexpr int DluToPixelsY(int dlu) { return dlu * 13 / 8; }

// A template rectangle (left, top, width, height in dialog units) in pixels. The right
// and bottom edges are converted too, so adjacent controls stay adjacent.
inline QRect DluRect(int x, int y, int width, int height) {
    const int left = DluToPixelsX(x);
    const int top = DluToPixelsY(y);
    return QRect(left, top, DluToPixelsX(x + width) - left, DluToPixelsY(y + height) - top);
}

inline QSize DluSize(int width, int height) {
    return QSize(DluToPixelsX(width), DluToPixelsY(height));
}

}  // namespace ui
