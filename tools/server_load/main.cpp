// server_load: quorvel-server and nginx side by side on the same document. Starts the
// sample server (or uses one already running on a loopback port), fetches the document
// from it into a temporary folder, starts nginx on its own loopback port serving that copy,
// then measures both, in turns, a few runs each: N kept-alive connections for a few seconds,
// and bursts of fresh connections opened all at once. Prints requests per second, p50, p99
// and errors of each run and their medians; stops everything it started.
//
//   server_load [--path P] [--connections N] [--seconds S] [--burst N] [--rounds R]
//               [--runs N] [--threads T] [--nginx-workers W] [--server-port PORT]
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/net/support/peers.h"
#include "common/net/support/script_server.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "http_load.h"
#include "support/sample_server.h"

namespace {

struct Options {
    std::string path = "/KRClientInfo/ZHZD/600000.xml";
    int connections = 50;
    double seconds = 5;
    int burst = 200;
    int rounds = 5;
    int threads = 2;
    int runs = 3;
    int nginxWorkers = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));  // as "auto"
    int serverPort = 0;  // 0: start a sample server
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc) return false;
        const char* value = argv[++i];
        if (arg == "--path") options.path = value;
        else if (arg == "--connections") options.connections = std::atoi(value);
        else if (arg == "--seconds") options.seconds = std::atof(value);
        else if (arg == "--burst") options.burst = std::atoi(value);
        else if (arg == "--rounds") options.rounds = std::atoi(value);
        else if (arg == "--threads") options.threads = std::atoi(value);
        else if (arg == "--runs") options.runs = std::atoi(value);
        else if (arg == "--nginx-workers") options.nginxWorkers = std::atoi(value);
        else if (arg == "--server-port") options.serverPort = std::atoi(value);
        else return false;
    }
    return !options.path.empty() && options.path[0] == '/' && options.path.find("..") == std::string::npos &&
           options.connections >= 1 && options.connections <= 2000 && options.seconds > 0 && options.seconds <= 120 &&
           options.burst >= 0 && options.burst <= 2000 && options.rounds >= 1 && options.rounds <= 100 &&
           options.runs >= 1 && options.runs <= 20 &&
           options.threads >= 1 && options.threads <= 64 && options.nginxWorkers >= 1 && options.nginxWorkers <= 16 &&
           options.serverPort >= 0 && options.serverPort <= 65535;
}

// nginx as a child process with its own configuration in `folder`, serving `root`.
bool StartNginx(nettest::PeerProcess& process, const std::string& folder, const std::string& root, int workers) {
    const auto program = nettest::FindProgram("nginx");
    if (!program) return false;
    const std::uint16_t port = nettest::FreeLoopbackPort();
    const std::string conf = "daemon off;\nmaster_process " + std::string(workers > 1 ? "on" : "off") +
                             ";\nworker_processes " + std::to_string(workers) + ";\npid " + folder + "/nginx.pid;\n" +
                             // Workers started by root would run as nobody and not reach the private folder.
                             (::geteuid() == 0 ? "user root;\n" : "") +
                             "error_log " + folder + "/error.log;\n"
                             "events { worker_connections 4096; }\n"
                             "http {\n"
                             "  access_log off;\n"
                             "  client_body_temp_path " + folder + "/body;\n"
                             "  proxy_temp_path " + folder + "/proxy;\n"
                             "  fastcgi_temp_path " + folder + "/fastcgi;\n"
                             "  uwsgi_temp_path " + folder + "/uwsgi;\n"
                             "  scgi_temp_path " + folder + "/scgi;\n"
                             "  default_type text/xml;\n"
                             "  sendfile on;\n"
                             "  keepalive_requests 1000;\n"
                             "  server {\n"
                             "    listen 127.0.0.1:" + std::to_string(port) + " backlog=4096;\n"
                             "    root " + root + ";\n"
                             "  }\n"
                             "}\n";
    const std::string confPath = folder + "/nginx.conf";
    if (!platform::ReplaceFileAtomically(confPath, conf)) return false;
    return process.Start({*program, "-p", folder, "-e", folder + "/error.log", "-c", confPath},
                         folder + "/output.log", port);
}

// nginx runs in a process group of its own, so an interrupted run stops it here (the sample
// server ends with this process by itself).
volatile sig_atomic_t nginxPid = 0;

void StopNginxAndLeave(int) {
    if (nginxPid > 0) ::kill(nginxPid, SIGTERM);
    ::_exit(130);
}

void StopNginxOnInterrupt(const std::string& pidFile) {
    struct sigaction action {};
    action.sa_handler = StopNginxAndLeave;
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) ::sigaction(signal, &action, nullptr);
    // nginx writes its process id a moment after it starts listening.
    std::string text;
    for (int i = 0; i < 100 && !platform::ReadWholeFile(pidFile, text); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    nginxPid = std::atoi(text.c_str());
}

void Print(const char* name, const load::LoadResult& r) {
    std::printf("  %-15s %9.0f requests/s   p50 %7.3f ms   p99 %7.3f ms   errors %ld   (%ld answers, %ld reconnects)\n",
                name, r.RequestsPerSecond(), r.Percentile(0.50), r.Percentile(0.99), r.errors, r.answered,
                r.reconnects);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void PrintMedian(const char* name, const std::vector<load::LoadResult>& runs) {
    std::vector<double> rates, p50s, p99s;
    long errors = 0;
    for (const auto& r : runs) {
        rates.push_back(r.RequestsPerSecond());
        p50s.push_back(r.Percentile(0.50));
        p99s.push_back(r.Percentile(0.99));
        errors += r.errors;
    }
    std::printf("  %-15s %9.0f requests/s   p50 %7.3f ms   p99 %7.3f ms   errors %ld   (median of %zu runs)\n", name,
                Median(rates), Median(p50s), Median(p99s), errors, runs.size());
}

// Both measured `runs` times, taking turns at going first, since the machine's other load
// changes from second to second; each run is printed, then the medians.
void Compare(int runs, const std::function<load::LoadResult(const load::Target&)>& measure,
             const load::Target& server, const load::Target& nginx) {
    std::vector<load::LoadResult> ours, theirs;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            ours.push_back(measure(server));
            theirs.push_back(measure(nginx));
        } else {
            theirs.push_back(measure(nginx));
            ours.push_back(measure(server));
        }
        Print("quorvel-server", ours.back());
        Print("nginx", theirs.back());
    }
    PrintMedian("quorvel-server", ours);
    PrintMedian("nginx", theirs);
    std::vector<double> ratios;
    for (int run = 0; run < runs; ++run)
        if (theirs[run].RequestsPerSecond() > 0)
            ratios.push_back(ours[run].RequestsPerSecond() / theirs[run].RequestsPerSecond());
    if (!ratios.empty()) std::printf("  quorvel-server / nginx: %.2f of the requests per second (median)\n", Median(ratios));
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: server_load [--path P] [--connections N] [--seconds S] [--burst N] [--rounds R]\n"
                     "                   [--runs N] [--threads T] [--nginx-workers W] [--server-port PORT]\n");
        return 2;
    }

    std::unique_ptr<SampleServer> started;
    load::Target server{static_cast<std::uint16_t>(options.serverPort), options.path};
    if (options.serverPort == 0) {
        started = std::make_unique<SampleServer>();
        if (!started->Running()) {
            std::fprintf(stderr, "server_load: %s\n", started->Error().c_str());
            return 1;
        }
        server.port = static_cast<std::uint16_t>(started->Port());
    }

    std::string document;
    if (!load::FetchDocument(server, document)) {
        std::fprintf(stderr, "server_load: no 200 answer for %s from 127.0.0.1:%d\n", options.path.c_str(), server.port);
        return 1;
    }
    const std::string folder = platform::MakeTempDirectory("quorvel-server-load");
    const std::string root = folder + "/root";
    const std::string copy = root + options.path;
    nettest::PeerProcess nginx;
    const bool nginxUp = platform::CreateDirectories(copy.substr(0, copy.rfind('/'))) &&
                         platform::ReplaceFileAtomically(copy, document) &&
                         StartNginx(nginx, folder, root, options.nginxWorkers);
    if (!nginxUp) {
        std::fprintf(stderr, "server_load: nginx did not start (see %s)\n", folder.c_str());
        return 1;
    }
    StopNginxOnInterrupt(folder + "/nginx.pid");
    const load::Target other{nginx.port(), options.path};

    std::printf("document %s, %zu bytes; quorvel-server on port %d, nginx (%d worker%s) on port %d\n",
                options.path.c_str(), document.size(), server.port, options.nginxWorkers,
                options.nginxWorkers > 1 ? "s" : "", other.port);
    const auto duration = std::chrono::milliseconds(static_cast<long>(options.seconds * 1000));
    // A short uncounted run first, so that both have their caches warm.
    load::RunKeepAlive(server, options.connections, std::chrono::milliseconds(300), options.threads);
    load::RunKeepAlive(other, options.connections, std::chrono::milliseconds(300), options.threads);

    std::printf("%d kept-alive connections, %.1f s a run, %d client threads:\n", options.connections, options.seconds,
                options.threads);
    Compare(options.runs, [&](const load::Target& target) {
        return load::RunKeepAlive(target, options.connections, duration, options.threads);
    }, server, other);
    if (options.burst > 0) {
        std::printf("%d fresh connections at once, %d rounds a run:\n", options.burst, options.rounds);
        Compare(options.runs, [&](const load::Target& target) {
            return load::RunBurst(target, options.burst, options.rounds);
        }, server, other);
    }
    nginx.Stop();
    platform::RemoveDirectoryTree(folder);
    return 0;
}
