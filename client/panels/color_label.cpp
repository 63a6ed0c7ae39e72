#include "client/panels/color_label.h"

#include <QPainter>

CColorLabel::CColorLabel(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(false);
}

void CColorLabel::RedrawOnParent() {
    QWidget* parent = parentWidget();
    if (!parent) {
        update();
        return;
    }
    const QRect area = geometry().adjusted(2, 2, -2, -2);
    if (area.isValid()) parent->update(area);
    update();  // the label's own border strip, which the shrunk area leaves out
}

void CColorLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!IsTransparent()) painter.fillRect(rect(), ui::ToQColor(backColor));
    painter.setPen(ui::ToQColor(textColor));
    painter.setFont(font());
    int flags = static_cast<int>(alignment());
    if (wordWrap()) flags |= Qt::TextWordWrap;
    painter.drawText(contentsRect().adjusted(margin(), margin(), -margin(), -margin()), flags,
                     text());
}
