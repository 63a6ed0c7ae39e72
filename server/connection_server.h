#pragma once
// The sockets side of quorvel-server: accepts loopback connections and hands each
// complete request to a handler, holding slow or idle clients without holding a thread.
//
// One epoll set is shared by a fixed pool of worker threads. A connection is armed one
// event at a time, so only one worker touches it at once. Request bytes are collected
// without blocking until the head and body have fully arrived (request_framing.h); only
// then does a worker run the handler, and the answer leaves in one write (the rest, if
// the client reads slowly, when it has room). Deadlines bound the wait for the next
// request on a kept-alive connection, the arrival of a whole request (head and body, from
// its first byte, however it trickles in) and the sending of an answer; a connection past
// its deadline is shut down by a reaper that wakes every 100 ms.
#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

#include "server/request_framing.h"

namespace server {

struct ConnectionSettings {
    // Workers only run handlers (no waiting for clients), so a few per core serve best; a
    // handler that waits (a throttled login, see ThrottleSettings::maxWaiting) holds one.
    int workers = 8;
    std::chrono::milliseconds idleTimeout{5000};      // between requests on one connection
    std::chrono::milliseconds requestTimeout{10000};  // a whole request, from its first byte
    std::chrono::milliseconds writeTimeout{10000};    // a whole answer
    std::size_t maxConnections = 1024;  // more are answered 503 and closed
    std::size_t maxRequestsPerConnection = 1000;
    int backlog = 4096;  // the kernel caps it at net.core.somaxconn
    RequestLimits limits;
};

struct PeerAddress {
    std::string ip;
    int port = 0;
};

struct Exchange {
    std::string response;  // status line, header fields and body
    bool close = false;    // end the connection after sending it
};

// Answers one complete request (head and body as received). `lastOnConnection` asks for
// an answer that announces the close. Called from several threads at once.
using RequestHandler =
    std::function<Exchange(std::string_view request, const PeerAddress& peer, bool lastOnConnection)>;

class ConnectionServer {
public:
    ConnectionServer(ConnectionSettings settings, RequestHandler handler);
    ~ConnectionServer();
    ConnectionServer(const ConnectionServer&) = delete;
    ConnectionServer& operator=(const ConnectionServer&) = delete;

    // Listens on `address`:`port` (0: any free port). Gives the port, or -1.
    int Listen(const std::string& address, int port);
    // Serves until Stop(); returns when every worker has ended and every connection is closed.
    void Run();
    // Safe from any thread, also before Run().
    void Stop();

private:
    struct Connection;
    enum class Progress { kNeedInput, kQueued };

    void WorkerLoop();
    void ReapLoop();
    void AcceptPending();
    void Serve(Connection& connection, std::uint32_t events);
    Progress Advance(Connection& connection);
    void Arm(Connection& connection, std::uint32_t events, std::chrono::steady_clock::time_point deadline);
    void Close(Connection& connection);
    void CloseAll();

    ConnectionSettings settings_;
    RequestHandler handler_;
    int listenFd_ = -1;
    int epollFd_ = -1;
    int stopFd_ = -1;  // an eventfd: once written, every wait sees it
    std::mutex mutex_;  // guards connections_; a descriptor is closed only under it
    std::unordered_map<int, std::unique_ptr<Connection>> connections_;
};

}  // namespace server
