#pragma once
// Everything the program asks of the desktop shell: opening a web page or a mail and
// starting another program. All of it goes through here so that tests can intercept
// and record the requests instead of launching anything.
#include <functional>
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
    // Opens a URL in the user's browser (or the handler for its scheme).
    static bool OpenUrl(const std::string& url);
    // Opens a new mail to `address` in the user's mail program.
    static bool OpenMail(const std::string& address, const std::string& subject = {});
    // Starts a program detached, in its own folder.
    static bool StartProgram(const std::string& path,
                             const std::vector<std::string>& arguments = {});

    // While an interceptor is set, requests go to it instead of the shell; its result is
    // returned to the caller. An empty function restores the shell.
    using Interceptor = std::function<bool(const ShellRequest&)>;
    static void SetInterceptor(Interceptor interceptor);
};

// Test helper: records every shell request while it lives and answers `result`.
class ShellRecorder {
public:
    explicit ShellRecorder(bool result = true);
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    const std::vector<ShellRequest>& Requests() const { return requests_; }
    void Clear() { requests_.clear(); }

private:
    std::vector<ShellRequest> requests_;
};

}  // namespace ui
