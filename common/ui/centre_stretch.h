#pragma once
// Grows a window picture to a larger size without distorting it: the picture is cut
// through its centre row and column, the four quarters keep their pixels in the corners
// of the result, and the centre row and column are repeated across the gap between them.
// Rounded corners, a title strip and a logo in a corner therefore stay as drawn.
#include <QImage>
#include <QSize>

namespace ui {

// `size` smaller than the picture in either direction counts as the picture's own size
// there. The result has the picture's format; a null picture gives a null image.
QImage StretchFromCentre(const QImage& picture, QSize size);

}  // namespace ui
