#include "common/net/socket.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "common/net/socket_error.h"

namespace net {

namespace {

using Clock = std::chrono::steady_clock;

void SetErrorFromErrno() { SetLastSocketError(SocketErrorFromErrno(errno)); }

// Waits for `events` on the socket until the deadline. True when one of them (or a hang-up
// or error, which the following call then reports) happened.
bool WaitFor(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        int waitMs = left.count() > 0 ? static_cast<int>(left.count()) : 0;
        pollfd entry{fd, events, 0};
        int n = ::poll(&entry, 1, waitMs);
        if (n > 0) return true;
        if (n == 0) {
            if (Clock::now() >= deadline) {
                SetLastSocketError(kSocketTimedOut);
                return false;
            }
            continue;
        }
        if (errno != EINTR) {
            SetErrorFromErrno();
            return false;
        }
    }
}

Clock::time_point DeadlineAfter(int timeoutMs) {
    return Clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
}

}  // namespace

std::optional<Ipv4Address> ResolveHost(const std::string& host) {
    if (host.empty()) {
        SetLastSocketError(kSocketHostNotFound);
        return std::nullopt;
    }
    in_addr dotted{};
    if (inet_pton(AF_INET, host.c_str(), &dotted) == 1) return dotted.s_addr;

    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        SetLastSocketError(kSocketHostNotFound);
        return std::nullopt;
    }
    Ipv4Address address = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return address;
}

Socket::~Socket() { Close(); }

Socket::Socket(Socket&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        Close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

bool Socket::Create() {
    Close();
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        SetErrorFromErrno();
        return false;
    }
    int on = 1;
    if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0) {
        SetErrorFromErrno();
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

bool Socket::Connect(Ipv4Address address, std::uint16_t port, int timeoutMs) {
    if (fd_ < 0) {
        SetLastSocketError(kSocketBadHandle);
        return false;
    }
    sockaddr_in target{};
    target.sin_family = AF_INET;
    target.sin_port = htons(port);
    target.sin_addr.s_addr = address;
    if (::connect(fd_, reinterpret_cast<sockaddr*>(&target), sizeof target) == 0) return true;
    if (errno != EINPROGRESS && errno != EINTR) {
        SetErrorFromErrno();
        return false;
    }
    if (!WaitFor(fd_, POLLOUT, DeadlineAfter(timeoutMs))) return false;
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
    if (error != 0) {
        SetLastSocketError(SocketErrorFromErrno(error));
        return false;
    }
    return true;
}

std::size_t Socket::SendAll(std::string_view data, int timeoutMs) {
    if (fd_ < 0) {
        SetLastSocketError(kSocketBadHandle);
        return 0;
    }
    std::size_t sent = 0;
    while (sent < data.size()) {
        ssize_t n = ::send(fd_, data.data() + sent, data.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Each wait for room gets the whole time-out, as each send would.
            if (!WaitFor(fd_, POLLOUT, DeadlineAfter(timeoutMs))) break;
            continue;
        }
        SetErrorFromErrno();
        break;
    }
    return sent;
}

std::size_t Socket::Receive(void* buffer, std::size_t capacity, int timeoutMs) {
    if (fd_ < 0) {
        SetLastSocketError(kSocketBadHandle);
        return 0;
    }
    if (capacity == 0) return 0;
    auto deadline = DeadlineAfter(timeoutMs);
    for (;;) {
        // Data already waiting is taken at once; the poll only runs when there is none.
        ssize_t n = ::recv(fd_, buffer, capacity, 0);
        if (n > 0) return static_cast<std::size_t>(n);
        if (n == 0) {
            SetLastSocketError(kSocketDisconnected);
            return 0;
        }
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            SetErrorFromErrno();
            return 0;
        }
        if (!WaitFor(fd_, POLLIN, deadline)) return 0;
    }
}

void Socket::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

void Socket::CloseGracefully() {
    if (fd_ < 0) return;
    ::shutdown(fd_, SHUT_WR);
    char discard[256];
    while (Receive(discard, sizeof discard, 4000) > 0) {
    }
    ::shutdown(fd_, SHUT_RDWR);
    Close();
}

}  // namespace net
