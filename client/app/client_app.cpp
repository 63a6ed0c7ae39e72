#include "client/app/client_app.h"

#include "client/app/login_dlg.h"
#include "client/app/main_dlg.h"
#include "client/core/client_config.h"
#include "client/core/session.h"
#include "client/data/document_source.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/ui/main_window.h"
#include "common/ui/query_runner.h"

namespace {

// A window without its skin closes at once; the program then ends with a failure
// status and says where the pictures were looked for.
int SkinMissing(const ClientConfig& config, const std::string& what) {
    platform::Log(platform::LogLevel::Error, "quorvel.skin",
                  "cannot load " + what + " from " + platform::JoinPath(config.programDirectory, "image"));
    return 1;
}

}  // namespace

int CClientApp::InitInstance() {
    const ClientConfig config = LoadConfig();
    ServerDocumentSource documents(config.serverBase);
    // Work of queries abandoned with their windows ends before the source goes.
    ui::ScopedQueryDrain drainQueries;
    // One session for the whole run: a guest entry after a logout keeps the password the
    // session held, as the current password always has.
    Session session;
    bool openedByLogout = false;
    for (;;) {
        // Each login and each main window is a fresh object, made the application's main
        // window while it runs. The chain is a loop rather than nested modal runs, so a
        // long session of logouts does not pile up windows.
        int entered;
        {
            CLoginDlg login(config, session, shell_, openedByLogout);
            if (!login.IsSkinned()) return SkinMissing(config, "the login window's skin (login.gif)");
            ui::SetMainWindow(&login);
            entered = login.exec();
            ui::SetMainWindow(nullptr);
        }
        if (entered != CLoginDlg::kEntered) return 0;

        int result;
        {
            CMainDlg mainDlg(config, session, documents, shell_);
            if (!mainDlg.IsSkinned()) return SkinMissing(config, "the main window's skin pictures");
            ui::SetMainWindow(&mainDlg);
            result = mainDlg.exec();
            ui::SetMainWindow(nullptr);
        }
        if (result != CMainDlg::kLoggedOut) return 0;
        openedByLogout = true;
    }
}
