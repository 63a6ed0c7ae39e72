#pragma once
// The few error boxes shown with the system's message box rather than the tip window.
#include <string>

namespace ui {

// A stop-icon box with `caption` and `message` (GBK), modal on the main window when
// there is one. The modal hook answers it in tests; a program without a GUI writes the
// message to standard error instead.
void ShowErrorBox(const std::string& caption, const std::string& message);

}  // namespace ui
