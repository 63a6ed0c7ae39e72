#include "client/tools/tool_panel.h"

#include <QKeyEvent>

#include "common/skin/tools_layout.h"

CToolPanel::CToolPanel(int dialogId, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::number(dialogId));
    resize(skin::tools::kSize.w, skin::tools::kSize.h);
}

void CToolPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}
