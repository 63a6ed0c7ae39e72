#pragma once
// Command line of quorvel-server.
#include <chrono>
#include <string>
#include <vector>

namespace server {

struct ServerOptions {
    int port = 8080;           // 0 picks a free port
    std::string dataDirectory; // users file, logs and extra payload files
    std::string assetsDirectory;  // the installed files: StockInfo.xml and the rest
    std::string appVersion = "1.0.0";  // program version announced by the version list
    bool testEndpoints = false;  // serve /__requests and /__log
    std::chrono::milliseconds requestTimeout{10000};  // a whole request must arrive within it
    std::chrono::milliseconds loginDelay{250};  // first wait after repeated failed logins
    bool showHelp = false;
};

struct ParsedOptions {
    ServerOptions options;
    std::string error;  // not empty when the command line was wrong
};

// Parses the arguments after the program name. Directories left empty are filled in
// by the caller (ResolveDefaultDirectories).
ParsedOptions ParseServerOptions(const std::vector<std::string>& arguments);

// Defaults: assets from the folder "assets" beside the program, else `builtInAssets`;
// data in "quorvel-server-data" beside the program.
void ResolveDefaultDirectories(ServerOptions& options, const std::string& programDirectory,
                               const std::string& builtInAssets);

std::string HelpText();

}  // namespace server
