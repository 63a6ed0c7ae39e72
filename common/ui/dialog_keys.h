#pragma once
// Panels that stand on a page take Esc and Enter themselves: the keys must never reach
// the main window, where Esc exits and Enter would act as the dialog's default.
#include <QKeyEvent>

namespace ui {

// Accepts Esc, Enter and Return and says so; any other key is left alone.
inline bool SwallowDialogKeys(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            return true;
        default:
            return false;
    }
}

}  // namespace ui
