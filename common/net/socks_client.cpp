#include "common/net/socks_client.h"

#include <cstring>

namespace net {

namespace {

constexpr unsigned char kSocks4Version = 4;
constexpr unsigned char kSocks4Granted = 90;
constexpr unsigned char kSocks5Version = 5;
constexpr unsigned char kCommandConnect = 1;
constexpr unsigned char kMethodNone = 0;
constexpr unsigned char kMethodUserPassword = 2;
constexpr unsigned char kLastKnownMethod = 3;
constexpr unsigned char kUserPasswordVersion = 1;
constexpr unsigned char kAddressIpv4 = 1;
constexpr unsigned char kAddressName = 3;
constexpr unsigned char kAddressIpv6 = 4;

bool ReceiveExact(Socket& socket, std::string& out, std::size_t count, int timeoutMs) {
    out.assign(count, '\0');
    std::size_t got = 0;
    while (got < count) {
        std::size_t n = socket.Receive(out.data() + got, count - got, timeoutMs);
        if (n == 0) return false;
        got += n;
    }
    return true;
}

bool SendWhole(Socket& socket, const std::string& bytes, int timeoutMs) {
    return socket.SendAll(bytes, timeoutMs) == bytes.size();
}

void AppendPort(std::string& out, std::uint16_t port) {
    out.push_back(static_cast<char>(port >> 8));
    out.push_back(static_cast<char>(port & 0xff));
}

void AppendAddress(std::string& out, Ipv4Address address) {
    char bytes[4];
    std::memcpy(bytes, &address, 4);  // already in network order
    out.append(bytes, 4);
}

unsigned char Byte(const std::string& bytes, std::size_t index) {
    return static_cast<unsigned char>(bytes[index]);
}

SocksResult Authenticate(Socket& socket, const ProxyCredentials& credentials, int timeoutMs) {
    if (credentials.user.size() > 255 || credentials.password.size() > 255) {
        return SocksResult::kRefused;
    }
    std::string request;
    request.push_back(static_cast<char>(kUserPasswordVersion));
    request.push_back(static_cast<char>(credentials.user.size()));
    request += credentials.user;
    request.push_back(static_cast<char>(credentials.password.size()));
    request += credentials.password;
    std::string reply;
    if (!SendWhole(socket, request, timeoutMs) || !ReceiveExact(socket, reply, 2, timeoutMs)) {
        return SocksResult::kFailed;
    }
    // A rejected user or password stays rejected however often it is tried.
    return Byte(reply, 1) == 0 ? SocksResult::kConnected : SocksResult::kRefused;
}

// Reads the rest of a version 5 reply after its first four bytes, so the tunnel starts clean.
bool SkipBoundAddress(Socket& socket, unsigned char addressType, int timeoutMs) {
    std::string rest;
    switch (addressType) {
        case kAddressIpv4: return ReceiveExact(socket, rest, 4 + 2, timeoutMs);
        case kAddressIpv6: return ReceiveExact(socket, rest, 16 + 2, timeoutMs);
        case kAddressName:
            if (!ReceiveExact(socket, rest, 1, timeoutMs)) return false;
            return ReceiveExact(socket, rest, Byte(rest, 0) + 2u, timeoutMs);
        default: return false;
    }
}

}  // namespace

SocksResult Socks4Connect(Socket& socket, const std::string& host, std::uint16_t port,
                          const std::string& userId, bool allowRemoteName, int timeoutMs) {
    std::string request;
    request.push_back(static_cast<char>(kSocks4Version));
    request.push_back(static_cast<char>(kCommandConnect));
    AppendPort(request, port);
    std::optional<Ipv4Address> address = ResolveHost(host);
    bool byName = false;
    if (address) {
        AppendAddress(request, *address);
    } else if (allowRemoteName) {
        request.append("\0\0\0\1", 4);
        byName = true;
    } else {
        return SocksResult::kFailed;
    }
    request += userId;
    request.push_back('\0');
    if (byName) {
        request += host;
        request.push_back('\0');
    }
    std::string reply;
    if (!SendWhole(socket, request, timeoutMs) || !ReceiveExact(socket, reply, 8, timeoutMs)) {
        return SocksResult::kFailed;
    }
    return Byte(reply, 1) == kSocks4Granted ? SocksResult::kConnected : SocksResult::kFailed;
}

SocksResult Socks5Connect(Socket& socket, const std::string& host, std::uint16_t port,
                          const ProxyCredentials& credentials, int timeoutMs) {
    std::string greeting;
    greeting.push_back(static_cast<char>(kSocks5Version));
    if (credentials.enabled) {
        greeting.push_back(2);
        greeting.push_back(static_cast<char>(kMethodNone));
        greeting.push_back(static_cast<char>(kMethodUserPassword));
    } else {
        greeting.push_back(1);
        greeting.push_back(static_cast<char>(kMethodNone));
    }
    std::string reply;
    if (!SendWhole(socket, greeting, timeoutMs) || !ReceiveExact(socket, reply, 2, timeoutMs)) {
        return SocksResult::kFailed;
    }
    unsigned char method = Byte(reply, 1);
    if (Byte(reply, 0) != kSocks5Version || method > kLastKnownMethod) return SocksResult::kFailed;
    if (method == kMethodUserPassword && credentials.enabled) {
        SocksResult authenticated = Authenticate(socket, credentials, timeoutMs);
        if (authenticated != SocksResult::kConnected) return authenticated;
    } else if (method != kMethodNone) {
        return SocksResult::kRefused;  // GSS-API, method 3, or a password we do not have
    }

    std::string request;
    request.push_back(static_cast<char>(kSocks5Version));
    request.push_back(static_cast<char>(kCommandConnect));
    request.push_back(0);
    std::optional<Ipv4Address> address = ResolveHost(host);
    if (address) {
        request.push_back(static_cast<char>(kAddressIpv4));
        AppendAddress(request, *address);
    } else {
        if (host.empty() || host.size() > 255) return SocksResult::kRefused;
        request.push_back(static_cast<char>(kAddressName));
        request.push_back(static_cast<char>(host.size()));
        request += host;
    }
    AppendPort(request, port);
    if (!SendWhole(socket, request, timeoutMs) || !ReceiveExact(socket, reply, 4, timeoutMs)) {
        return SocksResult::kFailed;
    }
    if (Byte(reply, 0) != kSocks5Version || Byte(reply, 1) != 0) return SocksResult::kFailed;
    return SkipBoundAddress(socket, Byte(reply, 3), timeoutMs) ? SocksResult::kConnected
                                                               : SocksResult::kFailed;
}

}  // namespace net
