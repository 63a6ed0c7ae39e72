#include "common/ui/shell_facade.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include "common/ui/text.h"

namespace ui {
namespace {

ShellFacade::Interceptor& CurrentInterceptor() {
    static ShellFacade::Interceptor interceptor;
    return interceptor;
}

bool Dispatch(const ShellRequest& request) {
    if (const auto& interceptor = CurrentInterceptor()) return interceptor(request);
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

}  // namespace

bool ShellFacade::OpenUrl(const std::string& url) {
    if (url.empty()) return false;
    return Dispatch({ShellRequest::Kind::OpenUrl, url, {}});
}

bool ShellFacade::OpenMail(const std::string& address, const std::string& subject) {
    if (address.empty()) return false;
    ShellRequest request{ShellRequest::Kind::OpenMail, address, {}};
    if (!subject.empty()) request.arguments.push_back(subject);
    return Dispatch(request);
}

bool ShellFacade::StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
    if (path.empty()) return false;
    return Dispatch({ShellRequest::Kind::StartProgram, path, arguments});
}

void ShellFacade::SetInterceptor(Interceptor interceptor) {
    CurrentInterceptor() = std::move(interceptor);
}

ShellRecorder::ShellRecorder(bool result) {
    ShellFacade::SetInterceptor([this, result](const ShellRequest& request) {
        requests_.push_back(request);
        return result;
    });
}

ShellRecorder::~ShellRecorder() { ShellFacade::SetInterceptor({}); }

}  // namespace ui
