#include "tools/skin_gen/skin_icon.h"

#include <QPainter>

#include "tools/skin_gen/skin_style.h"

namespace skin_gen {

QImage DrawAppIcon(int size) {
    QImage icon = NewCanvas(size, size);
    QPainter painter(&icon);
    PrepareAntialiased(painter);
    const qreal margin = size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    DrawMarkTile(painter, tile);
    // A darker rim keeps the tile's edge visible on light backgrounds.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(150, 112, 38), std::max(1.0, size / 64.0)));
    const qreal inset = painter.pen().widthF() / 2;
    const qreal radius = tile.width() * 0.22;
    painter.drawRoundedRect(tile.adjusted(inset, inset, -inset, -inset), radius, radius);
    return icon;
}

}  // namespace skin_gen
