#pragma once
// A raw-socket server on a loopback port that runs a script for each connection, so tests
// can answer with exactly the bytes (and the timing) they want, and see exactly the bytes
// the client sent. Connections are served one after another on the server's own thread.
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace nettest {

class ScriptServer;

class ScriptConnection {
public:
    ScriptConnection(int fd, ScriptServer& server) : fd_(fd), server_(server) {}
    ~ScriptConnection();

    // Reads an HTTP request head (through the empty line), records it on the server and
    // gives it; "" when the peer closed first.
    std::string ReadRequest();
    // Reads exactly `count` bytes (less when the peer closes); records nothing.
    std::string ReadExact(std::size_t count);
    // Sends all bytes; false when the peer went away.
    bool Send(std::string_view bytes);
    // Sends `bytes` in pieces of `piece` bytes with a pause between them; stops early
    // (false) when the peer went away.
    bool SendSlowly(std::string_view bytes, std::size_t piece, int pauseMs);
    // Closes at once, dropping anything unsent.
    void Close();
    // True when the peer has closed its side (nothing more to read, end seen) within waitMs.
    bool PeerClosed(int waitMs);
    int fd() const { return fd_; }

private:
    int fd_;
    ScriptServer& server_;
};

class ScriptServer {
public:
    // The script gets the connection and its index (0 for the first connection).
    using Script = std::function<void(ScriptConnection&, int)>;
    explicit ScriptServer(Script script);
    ~ScriptServer();

    std::uint16_t port() const { return port_; }
    std::string url(std::string_view path) const;  // "http://127.0.0.1:<port>" + path
    std::vector<std::string> requests() const;
    int connections() const { return connections_.load(); }

    void Record(std::string request);

private:
    void Serve();

    Script script_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A host name that fails to resolve without asking any name server (its first label is
// longer than the 63 bytes DNS allows), so tests send no traffic off this machine.
extern const std::string kUnresolvableHost;

// A port on the loopback address that was free a moment ago.
std::uint16_t FreeLoopbackPort();
// Waits until something accepts connections on the loopback port.
bool WaitForLoopbackPort(std::uint16_t port, int timeoutMs);

}  // namespace nettest
