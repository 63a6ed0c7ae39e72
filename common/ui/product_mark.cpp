#include "common/ui/product_mark.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

namespace ui {

void PaintProductMark(QPainter& painter, const QRectF& tileRect) {
    const qreal tile = tileRect.width();
    QLinearGradient gold(tileRect.topLeft(), tileRect.bottomLeft());
    gold.setColorAt(0, kMarkGoldLight);
    gold.setColorAt(1, kMarkGold);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawRoundedRect(tileRect, tile * 0.22, tile * 0.22);
    painter.setBrush(kMarkNavy);
    const qreal barWidth = tile * 0.16;
    for (int i = 0; i < 3; ++i) {
        const qreal height = tile * (0.28 + 0.2 * i);
        const qreal x = tileRect.left() + tile * (0.2 + 0.24 * i);
        painter.drawRect(QRectF(x, tileRect.bottom() - tile * 0.18 - height, barWidth, height));
    }
}

QImage DrawProductIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = size / 16.0;
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    PaintProductMark(painter, tile);
    painter.setBrush(Qt::NoBrush);
    const qreal rimWidth = std::max(1.0, size / 64.0);
    painter.setPen(QPen(QColor(150, 112, 38), rimWidth));
    const qreal inset = rimWidth / 2;
    const qreal radius = tile.width() * 0.22;
    painter.drawRoundedRect(tile.adjusted(inset, inset, -inset, -inset), radius, radius);
    return icon;
}

}  // namespace ui
