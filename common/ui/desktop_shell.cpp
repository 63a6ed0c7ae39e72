#include "common/ui/desktop_shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include "common/ui/text.h"

namespace ui {

bool DesktopShell::Perform(const ShellRequest& request) {
    switch (request.kind) {
        case ShellRequest::Kind::OpenUrl: {
            const QUrl url = QUrl::fromUserInput(ToQString(request.target));
            return url.isValid() && QDesktopServices::openUrl(url);
        }
        case ShellRequest::Kind::OpenMail: {
            QUrl url(QStringLiteral("mailto:") + ToQString(request.target));
            if (!request.arguments.empty() && !request.arguments.front().empty()) {
                QUrlQuery query;
                query.addQueryItem(QStringLiteral("subject"), ToQString(request.arguments.front()));
                url.setQuery(query);
            }
            return url.isValid() && QDesktopServices::openUrl(url);
        }
        case ShellRequest::Kind::StartProgram: {
            const QString program = ToQString(request.target);
            QStringList arguments;
            for (const auto& argument : request.arguments) arguments << ToQString(argument);
            return QProcess::startDetached(program, arguments, QFileInfo(program).absolutePath());
        }
    }
    return false;
}

ShellFacade& DefaultShell() {
    static DesktopShell shell;
    return shell;
}

}  // namespace ui
