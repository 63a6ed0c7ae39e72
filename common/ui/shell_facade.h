#pragma once
// Everything the program asks of the desktop shell: opening a web page or a mail and
// starting another program. Windows are given the shell they use, so that tests can hand
// them a recording one instead of launching anything.
#include <string>
#include <vector>

namespace ui {

struct ShellRequest {
    enum class Kind { OpenUrl, OpenMail, StartProgram };
    Kind kind = Kind::OpenUrl;
    std::string target;                  // URL, mail address or program path (GBK)
    std::vector<std::string> arguments;  // program arguments; the subject for a mail
};

class ShellFacade {
public:
    virtual ~ShellFacade() = default;

    // Opens a URL in the user's browser (or the handler for its scheme).
    bool OpenUrl(const std::string& url);
    // Opens a new mail to `address` in the user's mail program.
    bool OpenMail(const std::string& address, const std::string& subject = {});
    // Starts a program detached, in its own folder.
    bool StartProgram(const std::string& path, const std::vector<std::string>& arguments = {});

protected:
    // Carries out a request whose target is not empty (empty targets are refused before
    // they get here). True when the shell accepted it.
    virtual bool Perform(const ShellRequest& request) = 0;
};

}  // namespace ui
