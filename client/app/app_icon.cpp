#include "client/app/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A rounded badge in the skin's blue with a white rising bar chart.
QPixmap DrawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, size);
    fill.setColorAt(0, QColor(46, 110, 190));
    fill.setColorAt(1, QColor(22, 62, 122));
    QPainterPath badge;
    badge.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), size * 0.2, size * 0.2);
    p.fillPath(badge, fill);
    const double unit = size / 16.0;
    const double heights[] = {4, 7, 10};
    for (int i = 0; i < 3; ++i) {
        QRectF bar(unit * (3 + i * 3.6), unit * (13 - heights[i]), unit * 2.6, unit * heights[i]);
        p.fillRect(bar, i == 2 ? QColor(255, 200, 60) : QColor(255, 255, 255));
    }
    return pixmap;
}

}  // namespace

QIcon AppIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64}) i.addPixmap(DrawIcon(size));
        return i;
    }();
    return icon;
}
