#pragma once
// Lets a window that came up above the others become an ordinary window without hiding
// it: setWindowFlag would hide the window, and a hidden dialog ends its modal run.
class QWidget;

namespace ui {

// Clears the stay-on-top flag on `window` and on its native window, in place.
void DropStayOnTop(QWidget* window);

}  // namespace ui
