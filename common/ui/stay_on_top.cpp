#include "common/ui/stay_on_top.h"

#include <QWidget>
#include <QWindow>

namespace ui {

void DropStayOnTop(QWidget* window) {
    window->overrideWindowFlags(window->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* native = window->windowHandle()) native->setFlag(Qt::WindowStaysOnTopHint, false);
}

}  // namespace ui
