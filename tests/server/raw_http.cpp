#include "server/raw_http.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>

#include "common/platform/ascii_case.h"

namespace rawhttp {

Answer ReadAnswer(const std::string& in) {
    Answer answer;
    const std::size_t headEnd = in.find("\r\n\r\n");
    if (headEnd == std::string::npos) return answer;
    if (in.compare(0, 5, "HTTP/") != 0 || in.find(' ') > headEnd) {
        answer.state = AnswerState::kBad;
        return answer;
    }
    answer.status = std::atoi(in.c_str() + in.find(' ') + 1);
    long bodyLength = -1;
    std::size_t at = in.find("\r\n") + 2;
    while (at < headEnd) {
        const std::size_t lineEnd = in.find("\r\n", at);
        const std::string line = platform::AsciiLower(std::string_view(in).substr(at, lineEnd - at));
        if (line.rfind("content-length:", 0) == 0) bodyLength = std::atol(line.c_str() + 15);
        if (line.rfind("connection:", 0) == 0 && line.find("close") != std::string::npos) answer.close = true;
        at = lineEnd + 2;
    }
    if (bodyLength < 0) {
        answer.state = AnswerState::kBad;
        return answer;
    }
    answer.headLength = headEnd + 4;
    answer.length = answer.headLength + static_cast<std::size_t>(bodyLength);
    if (in.size() >= answer.length) answer.state = AnswerState::kComplete;
    return answer;
}

std::string GetRequest(std::uint16_t port, const std::string& path, bool close) {
    return "GET " + path + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n" +
           (close ? "Connection: close\r\n" : "") + "\r\n";
}

int StartConnect(std::uint16_t port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    const int on = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 && errno != EINPROGRESS) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ConnectedWithoutError(int fd) {
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

int Connect(std::uint16_t port, int timeoutMs) {
    const int fd = StartConnect(port);
    if (fd < 0) return -1;
    pollfd p{fd, POLLOUT, 0};
    if (::poll(&p, 1, timeoutMs) > 0 && ConnectedWithoutError(fd)) return fd;
    ::close(fd);
    return -1;
}

bool SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 1000) <= 0) return false;
        } else {
            return false;
        }
    }
    return true;
}

bool ReceiveAvailable(int fd, std::string& in) {
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0) {
            in.append(buffer, static_cast<std::size_t>(n));
            if (static_cast<std::size_t>(n) < sizeof buffer) return true;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            return true;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            return false;
        }
    }
}

Reply Exchange(std::uint16_t port, const std::string& request, int timeoutMs) {
    Reply reply;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const int fd = Connect(port, timeoutMs);
    if (fd < 0) return reply;
    bool open = SendAll(fd, request);
    std::string in;
    Answer answer;
    while (open && answer.state == AnswerState::kIncomplete) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        open = ReceiveAvailable(fd, in);
        answer = ReadAnswer(in);
    }
    ::close(fd);
    if (answer.state != AnswerState::kComplete) return reply;
    reply.complete = true;
    reply.status = answer.status;
    reply.head = in.substr(0, answer.headLength);
    reply.body = in.substr(answer.headLength, answer.length - answer.headLength);
    return reply;
}

}  // namespace rawhttp
