#include "common/net/support/peers.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

#include "common/net/support/script_server.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"

namespace nettest {

namespace {

bool Executable(const std::string& path) { return ::access(path.c_str(), X_OK) == 0; }

bool WriteText(const std::string& path, const std::string& text) {
    return platform::ReplaceFileAtomically(path, text);
}

}  // namespace

std::optional<std::string> FindProgram(const std::string& name) {
    std::string searched = std::getenv("PATH") ? std::getenv("PATH") : "";
    searched += ":/usr/sbin:/sbin:/usr/local/sbin";
    std::stringstream folders(searched);
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty()) continue;
        std::string candidate = folder + "/" + name;
        if (Executable(candidate)) return candidate;
    }
    return std::nullopt;
}

PeerProcess::~PeerProcess() { Stop(); }

bool PeerProcess::Start(const std::vector<std::string>& argv, const std::string& logPath,
                        std::uint16_t port) {
    Stop();
    pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (log >= 0) {
            ::dup2(log, 1);
            ::dup2(log, 2);
        }
        int none = ::open("/dev/null", O_RDONLY);
        if (none >= 0) ::dup2(none, 0);
        ::setpgid(0, 0);
        std::vector<char*> args;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    pid_ = pid;
    port_ = port;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {  // it ended: a bad configuration
            pid_ = -1;
            return false;
        }
        if (WaitForLoopbackPort(port, 100)) return true;
    }
    Stop();
    return false;
}

void PeerProcess::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

Peer::Peer(std::string program) : program_(std::move(program)), path_(FindProgram(program_)) {
    folder_ = platform::MakeTempDirectory("quorvel-peer-" + program_);
    logPath_ = folder_ + "/output.log";
}

Peer::~Peer() {
    process_.Stop();
    platform::RemoveDirectoryTree(folder_);
}

std::string Peer::Log() const {
    std::string text;
    platform::ReadWholeFile(logPath_, text);
    for (const char* extra : {"/error.log", "/proxy.log", "/socks.log"}) {
        std::string more;
        if (platform::ReadWholeFile(folder_ + extra, more)) text += more;
    }
    return text;
}

bool Peer::Launch(const std::vector<std::string>& arguments) {
    if (!path_) return false;
    std::vector<std::string> argv{*path_};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    // A port taken between the check and the start gets one more try on another port.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::uint16_t port = FreeLoopbackPort();
        std::vector<std::string> withPort;
        for (const std::string& a : argv) {
            std::string replaced = a;
            std::size_t at = replaced.find("@PORT@");
            if (at != std::string::npos) replaced.replace(at, 6, std::to_string(port));
            withPort.push_back(replaced);
        }
        // Configuration files name the port too.
        for (const char* name : {"/nginx.conf", "/danted.conf", "/tinyproxy.conf"}) {
            std::string text;
            std::string path = folder_ + name;
            if (!platform::ReadWholeFile(path + ".in", text)) continue;
            for (std::size_t at; (at = text.find("@PORT@")) != std::string::npos;) {
                text.replace(at, 6, std::to_string(port));
            }
            WriteText(path, text);
        }
        if (process_.Start(withPort, logPath_, port)) return true;
    }
    return false;
}

bool Peer::StartNginx(const std::string& root) {
    std::string f = folder_;
    std::string conf =
        "daemon off;\nmaster_process off;\nworker_processes 1;\n" +
        std::string(::geteuid() == 0 ? "user root;\n" : "") + "pid " + f + "/nginx.pid;\n" +
        "error_log " + f + "/error.log;\n" +
        "events { worker_connections 64; }\n"
        "http {\n"
        "  access_log off;\n"
        "  client_body_temp_path " + f + "/body;\n"
        "  proxy_temp_path " + f + "/proxy;\n"
        "  fastcgi_temp_path " + f + "/fastcgi;\n"
        "  uwsgi_temp_path " + f + "/uwsgi;\n"
        "  scgi_temp_path " + f + "/scgi;\n"
        "  default_type application/octet-stream;\n"
        "  sendfile on;\n"
        "  server {\n"
        "    listen 127.0.0.1:@PORT@;\n"
        "    root " + root + ";\n"
        "  }\n"
        "}\n";
    WriteText(f + "/nginx.conf.in", conf);
    return Launch({"-p", f, "-e", f + "/error.log", "-c", f + "/nginx.conf"});
}

bool Peer::StartMicrosocks(const std::string& user, const std::string& password) {
    std::vector<std::string> arguments{"-i", "127.0.0.1", "-p", "@PORT@"};
    if (!user.empty()) arguments.insert(arguments.end(), {"-u", user, "-P", password});
    return Launch(arguments);
}

bool Peer::StartDante() {
    std::string conf =
        "logoutput: " + folder_ + "/socks.log\n"
        "internal: 127.0.0.1 port = @PORT@\n"
        "external: 127.0.0.1\n"
        "clientmethod: none\n"
        "socksmethod: none\n"
        "user.privileged: root\n"
        "user.unprivileged: root\n"
        "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
        "socks pass { from: 127.0.0.0/8 to: 127.0.0.0/8 command: connect }\n";
    WriteText(folder_ + "/danted.conf.in", conf);
    return Launch({"-f", folder_ + "/danted.conf", "-N", "1"});
}

bool Peer::StartTinyproxy(const std::string& user, const std::string& password) {
    std::string conf = "Port @PORT@\nListen 127.0.0.1\nTimeout 30\nMaxClients 8\n"
                       "PidFile \"" + folder_ + "/tinyproxy.pid\"\n"
                       "LogFile \"" + folder_ + "/proxy.log\"\nLogLevel Info\n"
                       "Allow 127.0.0.1\nDisableViaHeader Yes\n";
    if (::geteuid() == 0) conf += "User root\nGroup root\n";
    if (!user.empty()) conf += "BasicAuth " + user + " " + password + "\n";
    WriteText(folder_ + "/tinyproxy.conf.in", conf);
    return Launch({"-d", "-c", folder_ + "/tinyproxy.conf"});
}

}  // namespace nettest
