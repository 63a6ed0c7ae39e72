#pragma once
// A TCP socket over IPv4, non-blocking underneath: every wait is a poll with a time-out in
// milliseconds. Failures set the per-thread last error (socket_error.h); a wait that runs
// out sets 10060.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

// An IPv4 address in network byte order.
using Ipv4Address = std::uint32_t;

// A dotted address is taken as it stands; any other name is looked up. Nothing when unknown.
std::optional<Ipv4Address> ResolveHost(const std::string& host);

class Socket {
public:
    Socket() = default;
    ~Socket();
    Socket(Socket&& other) noexcept;
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Creates a fresh stream socket (closing any old one) with address reuse on.
    bool Create();
    bool IsOpen() const { return fd_ >= 0; }
    int Handle() const { return fd_; }

    bool Connect(Ipv4Address address, std::uint16_t port, int timeoutMs);

    // Sends every byte unless the peer fails or a wait for room runs out; gives how many
    // bytes went out.
    std::size_t SendAll(std::string_view data, int timeoutMs);

    // Waits up to the time-out for data and receives what is there, at most `capacity` bytes.
    // Gives the count, or 0 when the peer closed, an error happened or the wait ran out.
    std::size_t Receive(void* buffer, std::size_t capacity, int timeoutMs);

    // Abrupt close.
    void Close();
    // Shuts down sending, drains what the peer still sends (256 bytes at a time, waiting up
    // to 4000 ms for each), shuts down both ways and closes.
    void CloseGracefully();

private:
    int fd_ = -1;
};

}  // namespace net
