#include "common/ui/main_window.h"

#include <QPointer>
#include <QWidget>

namespace ui {
namespace {

QPointer<QWidget>& Current() {
    static QPointer<QWidget> window;
    return window;
}

}  // namespace

void SetMainWindow(QWidget* window) { Current() = window; }

QWidget* MainWindow() { return Current().data(); }

bool CloseMainWindow() {
    QWidget* window = Current().data();
    if (!window) return false;
    window->close();
    return true;
}

}  // namespace ui
