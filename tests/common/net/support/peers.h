#pragma once
// Real servers started by tests and tools on loopback ports of their own, each with its
// configuration, pid file and logs in a private folder, stopped (by process id) when the
// object goes.
#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace nettest {

// The full path of an installed program (searched in PATH, /usr/sbin and /sbin).
std::optional<std::string> FindProgram(const std::string& name);

class PeerProcess {
public:
    PeerProcess() = default;
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;

    // Starts the program with its output in `logPath` and waits until `port` accepts
    // connections. False (with the process stopped) when it does not come up.
    bool Start(const std::vector<std::string>& argv, const std::string& logPath,
               std::uint16_t port);
    void Stop();
    std::uint16_t port() const { return port_; }

private:
    pid_t pid_ = -1;
    std::uint16_t port_ = 0;
};

// One kind of real peer: its folder, its process and how to describe a failure to start.
class Peer {
public:
    explicit Peer(std::string program);
    ~Peer();
    bool installed() const { return path_.has_value(); }
    const std::string& program() const { return program_; }
    const std::string& folder() const { return folder_; }
    std::uint16_t port() const { return process_.port(); }
    // The peer's log, for a failure message.
    std::string Log() const;

    // nginx serving `root`, with sendfile, ranges and Last-Modified as it always sends them.
    bool StartNginx(const std::string& root);
    // microsocks, with user and password when `user` is not empty.
    bool StartMicrosocks(const std::string& user, const std::string& password);
    // dante, SOCKS 4 and 5 without authentication.
    bool StartDante();
    // tinyproxy, asking for Basic credentials when `user` is not empty.
    bool StartTinyproxy(const std::string& user, const std::string& password);

private:
    bool Launch(const std::vector<std::string>& arguments);

    std::string program_;
    std::optional<std::string> path_;
    std::string folder_;
    std::string logPath_;
    PeerProcess process_;
};

}  // namespace nettest
