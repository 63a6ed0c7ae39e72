#include "client/app/app_icon.h"

#include <QPixmap>

#include "common/ui/product_mark.h"

QIcon AppIcon() {
    static const QIcon icon = [] {
        QIcon i;
        for (int size : {16, 24, 32, 48, 64}) i.addPixmap(QPixmap::fromImage(ui::DrawProductIcon(size)));
        return i;
    }();
    return icon;
}
