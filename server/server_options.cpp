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

// Whole milliseconds from 1 to 600000.
bool ParseMilliseconds(const std::string& text, std::chrono::milliseconds& value) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    const long ms = std::atol(text.c_str());
    if (ms < 1 || ms > 600000) return false;
    value = std::chrono::milliseconds(ms);
    return true;
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
        } else if (arg == "--test-endpoints") {
            parsed.options.testEndpoints = true;
        } else if (arg == "--request-timeout-ms" || arg == "--login-delay-ms") {
            if (!value(text)) return parsed;
            auto& target = arg == "--login-delay-ms" ? parsed.options.loginDelay : parsed.options.requestTimeout;
            if (!ParseMilliseconds(text, target)) {
                parsed.error = arg + " needs a number of milliseconds from 1 to 600000, not \"" + text + "\"";
                return parsed;
            }
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
           "                      [--test-endpoints] [--request-timeout-ms MS] [--login-delay-ms MS]\n"
           "\n"
           "A sample Quorvel evaluation server. It listens on 127.0.0.1 only and serves\n"
           "every document, list, form and web page the client and the repair tool use,\n"
           "with deterministic data for every stock of the stock directory.\n"
           "\n"
           "  --port N         port to listen on (default 8080); 0 picks a free port.\n"
           "                   On start one line \"listening on 127.0.0.1:PORT\" is printed.\n"
           "  --data DIR       folder for the users file (users.txt: \"name:hash\" lines, mode\n"
           "                   0600, created with the demo account demo / demo123; plain\n"
           "                   \"name:password\" lines are hashed when read), the logs of\n"
           "                   logins and form posts (logs/, passwords masked, bodies cut,\n"
           "                   rotated at 1 MiB) and extra files for the repair and version\n"
           "                   lists (payload/). Default: quorvel-server-data beside the program.\n"
           "  --assets DIR     the installed files (StockInfo.xml, Advertise.XML, image/...).\n"
           "                   Default: assets beside the program, else the source tree's.\n"
           "  --app-version V  program version the version list announces (default 1.0.0).\n"
           "  --test-endpoints serve /__requests (requests answered so far) and /__log (logins\n"
           "                   and form posts received) and the test data-file lists\n"
           "                   /__update/hostile/ and /__update/missing/AutoUpdateList.xml,\n"
           "                   and the test repair lists /__repair/empty/, /__repair/missing/\n"
           "                   and /__repair/hostile/Restoration.xml, for tests. Off by default.\n"
           "  --request-timeout-ms MS  time a request's head and body have, together, to\n"
           "                   arrive from its first byte (default 10000); slower ones are cut.\n"
           "  --login-delay-ms MS  after five failed logins for a user name, each further\n"
           "                   attempt for it waits MS, doubling up to 16 x MS (default 250);\n"
           "                   a right password resets the count.\n"
           "  --help           this text.\n";
}

}  // namespace server
