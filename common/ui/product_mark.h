#pragma once
// The product mark: a gold tile with three rising navy bars. The skin pictures draw it
// beside the name, and it is the program's icon.
#include <QColor>
#include <QImage>
#include <QRectF>

class QPainter;

namespace ui {

inline const QColor kMarkGold(201, 157, 64);
inline const QColor kMarkGoldLight(242, 207, 122);
inline const QColor kMarkNavy(24, 56, 94);

// The tile filling the square `tile`.
void PaintProductMark(QPainter& painter, const QRectF& tile);

// The program's icon of `size` x `size` pixels on a transparent background: the tile
// with a darker rim that keeps its edge visible on light backgrounds.
QImage DrawProductIcon(int size);

}  // namespace ui
