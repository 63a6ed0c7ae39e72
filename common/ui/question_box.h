#pragma once
// A question with OK and Cancel in the system's message box. The modal hook answers it
// in tests.
#include <string>

class QWidget;

namespace ui {

// True when the user chose OK. `caption` and `message` are GBK.
bool AskOkCancel(QWidget* parent, const std::string& caption, const std::string& message);

}  // namespace ui
