#pragma once
// The application's main window: the top-level window that stands for the running
// program (the login window, later the main window). Closing it ends the program.
class QWidget;

namespace ui {

void SetMainWindow(QWidget* window);  // nullptr clears it
QWidget* MainWindow();                // nullptr when none is set or it was destroyed

// Closes the main window, as a fatal skin error does; false when there is none.
bool CloseMainWindow();

}  // namespace ui
