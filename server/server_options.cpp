#include "server/server_options.h"

#include <cstdlib>

#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace server {

namespace {
bool ParsePort(const std::string& text, int& port) {
    if (text.empty() || text.size() > 5) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    port = std::atoi(text.c_str());
    return port <= 65535;
}
}  // namespace

ParsedOptions ParseServerOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size()) {
                parsed.error = "option " + arg + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h") {
            parsed.options.showHelp = true;
        } else if (arg == "--port") {
            if (!value(text)) return parsed;
            if (!ParsePort(text, parsed.options.port)) {
                parsed.error = "--port needs a number from 0 to 65535, not \"" + text + "\"";
                return parsed;
            }
        } else if (arg == "--data") {
            if (!value(parsed.options.dataDirectory)) return parsed;
        } else if (arg == "--assets") {
            if (!value(parsed.options.assetsDirectory)) return parsed;
        } else if (arg == "--app-version") {
            if (!value(parsed.options.appVersion)) return parsed;
        } else {
            parsed.error = "unknown option \"" + arg + "\" (see --help)";
            return parsed;
        }
    }
    return parsed;
}

void ResolveDefaultDirectories(ServerOptions& options, const std::string& programDirectory,
                               const std::string& builtInAssets) {
    if (options.assetsDirectory.empty()) {
        const std::string beside = platform::JoinPath(programDirectory, "assets");
        options.assetsDirectory =
            platform::FileExists(platform::JoinPath(beside, "StockInfo.xml")) ? beside
                                                                              : builtInAssets;
    }
    if (options.dataDirectory.empty())
        options.dataDirectory = platform::JoinPath(programDirectory, "quorvel-server-data");
}

std::string HelpText() {
    return "Usage: quorvel-server [--port N] [--data DIR] [--assets DIR] [--app-version V]\n"
           "\n"
           "A sample Quorvel evaluation server. It listens on 127.0.0.1 only and serves\n"
           "every document, list, form and web page the client and the repair tool use,\n"
           "with deterministic data for every stock of the stock directory.\n"
           "\n"
           "  --port N         port to listen on (default 8080); 0 picks a free port.\n"
           "                   On start one line \"listening on 127.0.0.1:PORT\" is printed.\n"
           "  --data DIR       folder for the users file (users.txt, created with the demo\n"
           "                   account demo / demo123), the logs of logins and form posts\n"
           "                   (logs/) and extra files for the repair and version lists\n"
           "                   (payload/). Default: quorvel-server-data beside the program.\n"
           "  --assets DIR     the installed files (StockInfo.xml, Advertise.XML, image/...).\n"
           "                   Default: assets beside the program, else the source tree's.\n"
           "  --app-version V  program version the version list announces (default 1.0.0).\n"
           "  --help           this text.\n";
}

}  // namespace server
