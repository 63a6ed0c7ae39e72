#pragma once
// CClientApp: the client's start-up. It runs the login window modally; after a login or
// a guest entry the main window runs, and a logout opens a fresh login window that does
// not log in by itself. Closing the login window or exiting the main window ends the run.
#include "client/app/window_layer.h"

namespace ui {
class ShellFacade;
}

class CClientApp {
public:
    // `shell` opens the pages and starts the programs the main windows of the run ask for.
    explicit CClientApp(ui::ShellFacade& shell) : shell_(shell) {}

    // Runs the chain of windows; returns when the user closed the login window or
    // exited the main window. The result is the process's exit code (0).
    int InitInstance();

private:
    ui::ShellFacade& shell_;
};
