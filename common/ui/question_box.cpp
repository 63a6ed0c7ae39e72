#include "common/ui/question_box.h"

#include <QMessageBox>

#include "common/ui/modal_hook.h"
#include "common/ui/text.h"

namespace ui {

bool AskOkCancel(QWidget* parent, const std::string& caption, const std::string& message) {
    if (auto answer = ModalHook::Answer({"MessageBox", caption, message, true})) return *answer == kIdOk;
    QMessageBox box(QMessageBox::Warning, ToQString(caption), ToQString(message),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace ui
