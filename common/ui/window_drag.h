#pragma once
// Lets a frameless window be dragged by any point of its surface, as if the whole
// window were its caption.
class QWidget;

namespace ui {

// Installs the behaviour on `window`; children that handle the mouse themselves
// (buttons, edits) keep their clicks.
void DragByAnyPoint(QWidget* window);

}  // namespace ui
