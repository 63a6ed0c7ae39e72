// krclient: the Quorvel desktop client.
#include <QApplication>

#include "client/app/client_app.h"
#include "common/ui/desktop_shell.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // for the web pages
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quorvel"));
    // The tray icon keeps no window open; the modal chain decides when the program ends.
    app.setQuitOnLastWindowClosed(false);
    ui::DesktopShell shell;
    return CClientApp(shell).InitInstance();
}
