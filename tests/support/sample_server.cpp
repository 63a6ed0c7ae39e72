#include "support/sample_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "common/platform/files.h"
#include "common/platform/internet.h"

#ifndef QUORVEL_SERVER_PATH
#error "QUORVEL_SERVER_PATH must name the quorvel-server program"
#endif

namespace {

// Reads the first line the server prints, waiting at most `timeoutMs`.
std::string ReadFirstLine(int fd, int timeoutMs) {
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (line.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, static_cast<int>(left)) <= 0) break;
        char buffer[256];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<std::size_t>(n));
    }
    return line.substr(0, line.find('\n'));
}

}  // namespace

SampleServer::SampleServer(std::vector<std::string> extraArguments, bool testEndpoints) {
    dataDirectory_ = platform::MakeTempDirectory("quorvel-server-test");
    int out[2];
    if (pipe(out) != 0) {
        error_ = "cannot create a pipe";
        return;
    }
    std::vector<std::string> arguments = {QUORVEL_SERVER_PATH, "--port", "0", "--data", dataDirectory_};
    if (testEndpoints) arguments.push_back("--test-endpoints");
    arguments.insert(arguments.end(), extraArguments.begin(), extraArguments.end());

    const std::string errorLog = dataDirectory_ + "/server.err";
    const pid_t parent = getpid();
    pid_ = fork();
    if (pid_ == 0) {
        // The server ends with the test process, even when that one crashes, and holds
        // none of the test runner's pipes (stderr goes to a file in the data folder).
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(1);
        dup2(out[1], STDOUT_FILENO);
        const int err = open(errorLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (err >= 0) {
            dup2(err, STDERR_FILENO);
            close(err);
        }
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (auto& argument : arguments) argv.push_back(argument.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    if (pid_ < 0) {
        close(out[0]);
        error_ = "cannot start " + arguments[0];
        return;
    }
    const std::string line = ReadFirstLine(out[0], 20000);
    close(out[0]);
    const std::string prefix = "listening on 127.0.0.1:";
    if (line.rfind(prefix, 0) == 0) port_ = std::atoi(line.c_str() + prefix.size());
    if (port_ <= 0) error_ = "server did not start: \"" + line + "\"";
}

SampleServer::~SampleServer() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status = 0;
        for (int i = 0; i < 200 && waitpid(pid_, &status, WNOHANG) == 0; ++i) usleep(10000);
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
    if (!dataDirectory_.empty()) platform::RemoveDirectoryTree(dataDirectory_);
}

std::string SampleServer::BaseHost() const { return "127.0.0.1:" + std::to_string(port_); }

std::string SampleServer::Url(const std::string& path) const { return "http://" + BaseHost() + path; }

std::string SampleServer::Fetch(const std::string& path) const {
    std::string body;
    if (!Running() || !platform::OpenUrlAsText(Url(path), body)) return "";
    return body;
}

long SampleServer::RequestCount() const {
    const std::string body = Fetch("/__requests");
    return body.empty() ? -1 : std::atol(body.c_str());
}

std::string SampleServer::Log() const {
    std::string text = Fetch("/__log");
    // The text reader ends every line with CR LF; give back plain lines.
    std::string out;
    for (char c : text)
        if (c != '\r') out += c;
    return out;
}
