#include "client/tools/tool_panel.h"

#include "common/skin/tools_layout.h"
#include "common/ui/dialog_keys.h"

CToolPanel::CToolPanel(int dialogId, QWidget* parent) : QWidget(parent) {
    setObjectName(QString::number(dialogId));
    resize(skin::tools::kSize.w, skin::tools::kSize.h);
}

void CToolPanel::keyPressEvent(QKeyEvent* event) {
    if (!ui::SwallowDialogKeys(event)) QWidget::keyPressEvent(event);
}
