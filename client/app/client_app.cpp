#include "client/app/client_app.h"

#include "client/app/login_dlg.h"
#include "client/app/main_dlg.h"
#include "common/ui/main_window.h"

int CClientApp::InitInstance() {
    bool openedByLogout = false;
    for (;;) {
        // Each login and each main window is a fresh object, made the application's main
        // window while it runs. The chain is a loop rather than nested modal runs, so a
        // long session of logouts does not pile up windows.
        int entered;
        {
            CLoginDlg login(openedByLogout);
            ui::SetMainWindow(&login);
            entered = login.exec();
            ui::SetMainWindow(nullptr);
        }
        if (entered != CLoginDlg::kEntered) return 0;

        int result;
        {
            CMainDlg mainDlg;
            ui::SetMainWindow(&mainDlg);
            result = mainDlg.exec();
            ui::SetMainWindow(nullptr);
        }
        if (result != CMainDlg::kLoggedOut) return 0;
        openedByLogout = true;
    }
}
