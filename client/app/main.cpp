// krclient: the Quorvel desktop client.
#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <cstdio>

#include "client/app/client_app.h"
#include "client/app/qt_log_sink.h"
#include "client/app/termination_quit.h"
#include "common/ui/desktop_shell.h"

namespace {

// Test-only hook for checking an installed copy without a person: with
// QUORVEL_EXIT_AFTER_MS=N set, the window the program shows modally N ms after start-up
// is closed, as its close button would, after printing "quorvel: window ID shown". A
// client that cannot load its skin shows no window and prints nothing.
void CloseFirstWindowForTesting() {
    bool set = false;
    const int ms = qEnvironmentVariableIntValue("QUORVEL_EXIT_AFTER_MS", &set);
    if (!set || ms < 0) return;
    QTimer::singleShot(ms, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return;
        std::printf("quorvel: window %s shown\n", qPrintable(dialog->objectName()));
        std::fflush(stdout);
        dialog->reject();
    });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // for the web pages
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quorvel"));
    // The tray icon keeps no window open; the modal chain decides when the program ends.
    app.setQuitOnLastWindowClosed(false);
    // Failures the user sees only as a short message are logged for developers; shown
    // or hidden with QT_LOGGING_RULES (see README).
    RouteLogToQtCategories();
    CloseFirstWindowForTesting();
    // Asked to end (by the repair tool, or the session closing), the windows close in order.
    QuitOnTermination quitOnTermination;
    ui::DesktopShell shell;
    return CClientApp(shell).InitInstance();
}
