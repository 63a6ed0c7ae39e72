// quorvel-server: the sample evaluation server. See --help.
#include <httplib.h>

#include <pthread.h>
#include <signal.h>

#include <chrono>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "server/sample_site.h"
#include "server/server_options.h"

namespace {

// SIGTERM and SIGINT are taken by one thread that stops the server, so that the
// listener returns and the program ends normally.
std::thread StopOnTerminationSignals(httplib::Server& http) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return std::thread([signals, &http]() {
        int received = 0;
        sigwait(&signals, &received);
        // A signal that comes between binding and listening must still stop the server:
        // wait until it is running, since stopping one that is not yet running does nothing.
        while (!http.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        http.stop();
    });
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

    // Blocked before any thread starts, so that every thread inherits the mask.
    httplib::Server http;
    std::thread stopper = StopOnTerminationSignals(http);
    stopper.detach();

    server::SampleSite site({options.assetsDirectory, options.dataDirectory, options.appVersion});
    if (!site.Ready()) {
        std::cerr << "quorvel-server: no stocks in " << options.assetsDirectory << "/StockInfo.xml\n";
        return 1;
    }

    auto handle = [&site](const httplib::Request& in, httplib::Response& out) {
        const server::HttpRequest request = ToSiteRequest(in);
        const server::HttpReply reply = site.Handle(request);
        out.status = reply.status;
        out.set_content(reply.body, reply.contentType.c_str());
    };
    http.set_pre_routing_handler([&site](const httplib::Request& in, httplib::Response&) {
        site.NoteRequest(ToSiteRequest(in));
        return httplib::Server::HandlerResponse::Unhandled;
    });
    http.Get(".*", handle);
    http.Post(".*", handle);

    int port = options.port;
    if (port == 0) {
        port = http.bind_to_any_port("127.0.0.1");
        if (port < 0) port = -1;
    } else if (!http.bind_to_port("127.0.0.1", port)) {
        port = -1;
    }
    if (port <= 0) {
        std::cerr << "quorvel-server: cannot listen on 127.0.0.1:" << options.port << "\n";
        return 1;
    }
    std::cout << "listening on 127.0.0.1:" << port << std::endl;
    http.listen_after_bind();
    return 0;
}
