#include "common/ui/shell_facade.h"

namespace ui {

bool ShellFacade::OpenUrl(const std::string& url) {
    if (url.empty()) return false;
    return Perform({ShellRequest::Kind::OpenUrl, url, {}});
}

bool ShellFacade::OpenMail(const std::string& address, const std::string& subject) {
    if (address.empty()) return false;
    ShellRequest request{ShellRequest::Kind::OpenMail, address, {}};
    if (!subject.empty()) request.arguments.push_back(subject);
    return Perform(request);
}

bool ShellFacade::StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
    if (path.empty()) return false;
    return Perform({ShellRequest::Kind::StartProgram, path, arguments});
}

}  // namespace ui
