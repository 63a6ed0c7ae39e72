// quorvel-server: the sample evaluation server. See --help.
#include <malloc.h>
#include <pthread.h>
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "server/connection_server.h"
#include "server/http_exchange.h"
#include "server/sample_site.h"
#include "server/server_options.h"

namespace {

// SIGTERM and SIGINT are taken by one thread that stops the server, so that Run returns
// and the program ends normally. Blocked before any other thread starts, so that every
// thread inherits the mask.
std::thread StopOnTerminationSignals(server::ConnectionServer& connections) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return std::thread([signals, &connections]() {
        int received = 0;
        sigwait(&signals, &received);
        connections.Stop();
    });
}

// Every connection needs a descriptor: use all the process may have, and keep some spare.
std::size_t ConnectionCeiling(std::size_t wanted) {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0) return 256;
    if (limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
        getrlimit(RLIMIT_NOFILE, &limit);
    }
    return limit.rlim_cur > 128 ? std::min<std::size_t>(wanted, limit.rlim_cur - 64) : 64;
}

server::HttpRequest ToSiteRequest(const httplib::Request& in) {
    server::HttpRequest out;
    out.method = in.method;
    out.path = in.path;
    const auto question = in.target.find('?');
    if (question != std::string::npos) out.rawQuery = in.target.substr(question + 1);
    for (const auto& [name, value] : in.params) out.params.emplace(name, value);
    out.body = in.body;
    out.host = in.get_header_value("Host");
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    // Every answer allocates and frees buffers of some KiB on several threads; without this
    // the allocator hands the pages back and faults them in again for each request.
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    server::ParsedOptions parsed = server::ParseServerOptions(arguments);
    if (!parsed.error.empty()) {
        std::cerr << "quorvel-server: " << parsed.error << "\n";
        return 2;
    }
    server::ServerOptions& options = parsed.options;
    if (options.showHelp) {
        std::cout << server::HelpText();
        return 0;
    }
    server::ResolveDefaultDirectories(options, platform::ProgramDirectory(), QUORVEL_BUILT_IN_ASSETS);
    if (!platform::CreateDirectories(options.dataDirectory)) {
        std::cerr << "quorvel-server: cannot create the data folder " << options.dataDirectory << "\n";
        return 1;
    }

    server::HttpExchange http;
    server::ConnectionSettings connectionSettings;
    connectionSettings.requestTimeout = options.requestTimeout;
    connectionSettings.maxConnections = ConnectionCeiling(connectionSettings.maxConnections);
    server::ConnectionServer connections(
        connectionSettings, [&http](std::string_view request, const server::PeerAddress& peer, bool last) {
            return http.Answer(request, peer, last);
        });
    std::thread stopper = StopOnTerminationSignals(connections);
    stopper.detach();

    server::SiteSettings siteSettings;
    siteSettings.assetsDirectory = options.assetsDirectory;
    siteSettings.dataDirectory = options.dataDirectory;
    siteSettings.appVersion = options.appVersion;
    siteSettings.testEndpoints = options.testEndpoints;
    siteSettings.loginThrottle.firstDelay = options.loginDelay;
    siteSettings.loginThrottle.maxDelay = options.loginDelay * 16;
    server::SampleSite site(siteSettings);
    if (!site.Ready()) {
        std::cerr << "quorvel-server: no stocks in " << options.assetsDirectory << "/StockInfo.xml\n";
        return 1;
    }

    auto handle = [&site](const httplib::Request& in, httplib::Response& out) {
        const server::HttpRequest request = ToSiteRequest(in);
        site.NoteRequest(request);
        const server::HttpReply reply = site.Handle(request);
        out.status = reply.status;
        out.set_content(reply.body, reply.contentType.c_str());
    };
    http.Get(".*", handle);
    http.Post(".*", handle);
    http.set_payload_max_length(connectionSettings.limits.maxBody);
    http.set_keep_alive_timeout(std::chrono::duration_cast<std::chrono::seconds>(connectionSettings.idleTimeout).count());
    http.set_keep_alive_max_count(connectionSettings.maxRequestsPerConnection);

    const int port = connections.Listen("127.0.0.1", options.port);
    if (port <= 0) {
        std::cerr << "quorvel-server: cannot listen on 127.0.0.1:" << options.port << "\n";
        return 1;
    }
    std::cout << "listening on 127.0.0.1:" << port << std::endl;
    connections.Run();
    return 0;
}
