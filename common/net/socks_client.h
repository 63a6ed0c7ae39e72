#pragma once
// SOCKS clients: version 4, 4a and 5 (RFC 1928 with the RFC 1929 user/password method).
// Each runs its exchange on a socket already connected to the proxy and leaves the socket
// ready to carry the tunnelled connection.
#include <cstdint>
#include <string>

#include "common/net/socket.h"

namespace net {

enum class SocksResult {
    kConnected = 0,
    kFailed = 1,   // network failure or the proxy said no this time: worth another try
    kRefused = 3,  // the proxy wants something this client cannot give: final
};

struct ProxyCredentials {
    bool enabled = false;
    std::string user;
    std::string password;
};

// Version 4 CONNECT to `host` resolved here, with `userId`. With `allowRemoteName` (4a) a
// host that does not resolve here is sent by name with the address 0.0.0.1.
SocksResult Socks4Connect(Socket& socket, const std::string& host, std::uint16_t port,
                          const std::string& userId, bool allowRemoteName, int timeoutMs);

// Version 5 CONNECT: offers "no authentication" and, with credentials on, "user name and
// password"; sends a four-byte address when the host resolves here, else the name.
SocksResult Socks5Connect(Socket& socket, const std::string& host, std::uint16_t port,
                          const ProxyCredentials& credentials, int timeoutMs);

}  // namespace net
