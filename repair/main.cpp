// krRestoration: the repair tool. It restores the files of the installation it lives in
// from the product site's repair list, then starts the client again.
#include <QApplication>

#include "client/core/client_config.h"
#include "common/platform/log.h"
#include "common/platform/paths.h"
#include "common/ui/desktop_shell.h"
#include "repair/repair_dlg.h"
#include "repair/repair_list.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quorvel"));
    const ClientConfig config = LoadConfig();
    RepairSettings settings;
    settings.listUrl = repair::RepairListUrl(config.hosts.productSite);
    settings.programDirectory = platform::ProgramDirectory();
    ui::DesktopShell shell;
    CRepairDlg dialog(settings, shell);
    if (!dialog.IsSkinned()) {
        platform::Log(platform::LogLevel::Error, "quorvel.skin",
                      "cannot load " + platform::JoinPath(settings.programDirectory, "image\\updatebk.gif"));
        return 1;
    }
    dialog.exec();
    return 0;
}
