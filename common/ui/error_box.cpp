#include "common/ui/error_box.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "common/ui/main_window.h"
#include "common/ui/modal_hook.h"
#include "common/ui/text.h"

namespace ui {

void ShowErrorBox(const std::string& caption, const std::string& message) {
    if (ModalHook::Answer({caption, caption, message, false})) return;
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), message.c_str());
        return;
    }
    QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(message),
                    QMessageBox::Ok, MainWindow());
    box.exec();
}

}  // namespace ui
