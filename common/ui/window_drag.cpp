#include "common/ui/window_drag.h"

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPoint>
#include <QWidget>
#include <QWindow>

namespace ui {
namespace {

class AnyPointDragger : public QObject {
public:
    explicit AnyPointDragger(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() != Qt::LeftButton) return false;
                // Let the window system move it where it can (Wayland needs this).
                if (QWindow* handle = window_->windowHandle(); handle && handle->startSystemMove()) {
                    return true;
                }
                dragging_ = true;
                offset_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
                return true;
            }
            case QEvent::MouseMove: {
                auto* mouse = static_cast<QMouseEvent*>(event);
                if (!dragging_ || !(mouse->buttons() & Qt::LeftButton)) return false;
                window_->move(mouse->globalPosition().toPoint() - offset_);
                return true;
            }
            case QEvent::MouseButtonRelease:
                if (!dragging_) return false;
                dragging_ = false;
                return true;
            default:
                return false;
        }
    }

private:
    QWidget* window_;
    bool dragging_ = false;
    QPoint offset_;
};

}  // namespace

void DragByAnyPoint(QWidget* window) {
    if (!window) return;
    window->installEventFilter(new AnyPointDragger(window));
}

}  // namespace ui
