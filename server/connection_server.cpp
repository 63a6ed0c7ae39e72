#include "server/connection_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <thread>
#include <vector>

namespace server {

using Clock = std::chrono::steady_clock;

namespace {

constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
constexpr const char* kContinue = "HTTP/1.1 100 Continue\r\n\r\n";
// Markers for the two descriptors in the epoll set that are not connections.
char listenMarker;
char stopMarker;

std::int64_t Ticks(Clock::time_point when) { return when.time_since_epoch().count(); }

void SendBestEffort(int fd, const std::string& bytes) {
    [[maybe_unused]] const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
}

}  // namespace

struct ConnectionServer::Connection {
    int fd = -1;
    PeerAddress peer;
    std::string in;
    std::string out;
    std::size_t outSent = 0;
    std::size_t served = 0;
    bool closeAfterWrite = false;
    bool continueSent = false;
    bool peerClosed = false;
    bool requestStarted = false;
    Clock::time_point requestDeadline;
    Clock::time_point writeDeadline;  // for the whole of the answer in `out`
    std::atomic<std::int64_t> deadline{kNever};  // read by the reaper
};

ConnectionServer::ConnectionServer(ConnectionSettings settings, RequestHandler handler)
    : settings_(std::move(settings)), handler_(std::move(handler)) {
    epollFd_ = ::epoll_create1(EPOLL_CLOEXEC);
    stopFd_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    epoll_event event{};
    event.events = EPOLLIN;  // level-triggered: wakes every worker once written
    event.data.ptr = &stopMarker;
    ::epoll_ctl(epollFd_, EPOLL_CTL_ADD, stopFd_, &event);
}

ConnectionServer::~ConnectionServer() {
    CloseAll();
    if (listenFd_ >= 0) ::close(listenFd_);
    ::close(stopFd_);
    ::close(epollFd_);
}

int ConnectionServer::Listen(const std::string& address, int port) {
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(static_cast<std::uint16_t>(port));
    if (::inet_pton(AF_INET, address.c_str(), &where.sin_addr) != 1) return -1;
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) return -1;
    const int on = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    socklen_t length = sizeof where;
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
        ::listen(listenFd_, settings_.backlog) != 0 ||
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&where), &length) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
        return -1;
    }
    epoll_event event{};
    event.events = EPOLLIN | EPOLLONESHOT;
    event.data.ptr = &listenMarker;
    ::epoll_ctl(epollFd_, EPOLL_CTL_ADD, listenFd_, &event);
    return ntohs(where.sin_port);
}

void ConnectionServer::Stop() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(stopFd_, &one, sizeof one);
}

void ConnectionServer::Run() {
    std::vector<std::thread> workers;
    for (int i = 0; i < settings_.workers; ++i) workers.emplace_back([this] { WorkerLoop(); });
    ReapLoop();
    for (auto& worker : workers) worker.join();
    CloseAll();
}

void ConnectionServer::ReapLoop() {
    pollfd stop{stopFd_, POLLIN, 0};
    while (::poll(&stop, 1, 100) == 0 || (stop.revents & POLLIN) == 0) {
        const std::int64_t now = Ticks(Clock::now());
        std::lock_guard<std::mutex> lock(mutex_);
        // Shutting down wakes the connection's armed event; the worker that takes it closes it.
        for (auto& [fd, connection] : connections_)
            if (connection->deadline.load() < now) ::shutdown(fd, SHUT_RDWR);
    }
}

void ConnectionServer::WorkerLoop() {
    for (;;) {
        epoll_event event{};
        const int ready = ::epoll_wait(epollFd_, &event, 1, -1);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || event.data.ptr == &stopMarker) return;
        if (event.data.ptr == &listenMarker) {
            AcceptPending();
            continue;
        }
        Serve(*static_cast<Connection*>(event.data.ptr), event.events);
    }
}

void ConnectionServer::AcceptPending() {
    for (int i = 0; i < 256; ++i) {
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const int fd = ::accept4(listenFd_, reinterpret_cast<sockaddr*>(&from), &length, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) break;
        const int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        auto connection = std::make_unique<Connection>();
        connection->fd = fd;
        char ip[INET_ADDRSTRLEN] = "";
        ::inet_ntop(AF_INET, &from.sin_addr, ip, sizeof ip);
        connection->peer = {ip, ntohs(from.sin_port)};
        Connection& added = *connection;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (connections_.size() >= settings_.maxConnections) {
                SendBestEffort(fd, RefusalResponse(503));
                ::close(fd);
                continue;
            }
            connections_.emplace(fd, std::move(connection));
        }
        added.deadline.store(Ticks(Clock::now() + settings_.idleTimeout));
        epoll_event event{};
        event.events = EPOLLIN | EPOLLONESHOT;
        event.data.ptr = &added;
        if (::epoll_ctl(epollFd_, EPOLL_CTL_ADD, fd, &event) != 0) Close(added);
    }
    epoll_event event{};
    event.events = EPOLLIN | EPOLLONESHOT;
    event.data.ptr = &listenMarker;
    ::epoll_ctl(epollFd_, EPOLL_CTL_MOD, listenFd_, &event);
}

void ConnectionServer::Serve(Connection& c, std::uint32_t events) {
    // Reading the deadline Arm stored last also orders everything the previous worker did
    // to this connection before what this one does (the kernel orders it too, unseen by
    // thread checkers).
    c.deadline.exchange(kNever, std::memory_order_acq_rel);
    bool mayRead = (events & (EPOLLIN | EPOLLHUP | EPOLLERR)) != 0;
    // At most what one request may hold, so a flood of pipelined requests waits in the kernel.
    const std::size_t inputCap = settings_.limits.maxHead + settings_.limits.maxBody + 16 * 1024;
    for (;;) {
        while (c.outSent < c.out.size()) {
            const ssize_t n = ::send(c.fd, c.out.data() + c.outSent, c.out.size() - c.outSent, MSG_NOSIGNAL);
            if (n > 0) {
                c.outSent += static_cast<std::size_t>(n);
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return Arm(c, EPOLLOUT, c.writeDeadline);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else {
                return Close(c);
            }
        }
        c.out.clear();
        c.outSent = 0;
        if (c.closeAfterWrite) return Close(c);

        while (mayRead && !c.peerClosed && c.in.size() < inputCap) {
            char buffer[16 * 1024];
            const ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                c.in.append(buffer, static_cast<std::size_t>(n));
                if (static_cast<std::size_t>(n) < sizeof buffer) break;  // drained
            } else if (n == 0) {
                c.peerClosed = true;
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                break;
            } else if (errno != EINTR) {
                return Close(c);
            }
        }
        mayRead = false;

        if (Advance(c) == Progress::kNeedInput) {
            if (c.peerClosed) return Close(c);
            return Arm(c, EPOLLIN, c.requestStarted ? c.requestDeadline : Clock::now() + settings_.idleTimeout);
        }
        c.writeDeadline = Clock::now() + settings_.writeTimeout;
    }
}

ConnectionServer::Progress ConnectionServer::Advance(Connection& c) {
    if (!c.requestStarted) {
        // Stray line ends between requests are allowed and ignored.
        const std::size_t start = c.in.find_first_not_of("\r\n");
        c.in.erase(0, start == std::string::npos ? c.in.size() : start);
        if (c.in.empty()) return Progress::kNeedInput;
        c.requestStarted = true;
        c.requestDeadline = Clock::now() + settings_.requestTimeout;
    }
    const RequestFrame frame = FrameRequest(c.in, settings_.limits);
    if (frame.state == FrameState::kRejected) {
        c.out = RefusalResponse(frame.status);
        c.closeAfterWrite = true;
        return Progress::kQueued;
    }
    if (frame.state == FrameState::kIncomplete) {
        if (!frame.waitsForContinue || c.continueSent) return Progress::kNeedInput;
        c.out = kContinue;
        c.continueSent = true;
        return Progress::kQueued;
    }
    const bool last = ++c.served >= settings_.maxRequestsPerConnection;
    Exchange exchange = handler_(std::string_view(c.in.data(), frame.length), c.peer, last);
    c.in.erase(0, frame.length);
    c.requestStarted = false;
    c.continueSent = false;
    c.out = std::move(exchange.response);
    c.closeAfterWrite = exchange.close || last;
    return Progress::kQueued;
}

void ConnectionServer::Arm(Connection& c, std::uint32_t events, Clock::time_point deadline) {
    // Once armed, the connection belongs to whichever worker takes its event (and may be
    // gone), so nothing of it is touched after the epoll_ctl that succeeds.
    const int fd = c.fd;
    epoll_event event{};
    event.events = events | EPOLLONESHOT;
    event.data.ptr = &c;
    c.deadline.store(Ticks(deadline), std::memory_order_release);
    if (::epoll_ctl(epollFd_, EPOLL_CTL_MOD, fd, &event) != 0) Close(c);
}

void ConnectionServer::Close(Connection& c) {
    std::lock_guard<std::mutex> lock(mutex_);
    const int fd = c.fd;
    connections_.erase(fd);  // destroys `c`
    ::close(fd);
}

void ConnectionServer::CloseAll() {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto& [fd, connection] : connections_) ::close(fd);
    connections_.clear();
}

}  // namespace server
