// krclient: the Quorvel desktop client.
#include <QApplication>

#include "client/app/client_app.h"
#include "client/app/qt_log_sink.h"

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);  // for the web pages
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Quorvel"));
    // The tray icon keeps no window open; the modal chain decides when the program ends.
    app.setQuitOnLastWindowClosed(false);
    // Failures the user sees only as a short message are logged for developers; shown
    // or hidden with QT_LOGGING_RULES (see README).
    RouteLogToQtCategories();
    return CClientApp().InitInstance();
}
