#include "common/net/support/relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace nettest {

void RelayTo(std::uint16_t upstreamPort, ScriptConnection& client,
             std::optional<std::size_t> cutAfter) {
    int upstream = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(upstreamPort);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(upstream, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(upstream);
        return;
    }
    std::size_t towardsClient = 0;
    char buffer[65536];
    for (;;) {
        pollfd entries[2] = {{client.fd(), POLLIN, 0}, {upstream, POLLIN, 0}};
        if (::poll(entries, 2, 5000) <= 0) break;
        if (entries[0].revents) {
            ssize_t n = ::recv(client.fd(), buffer, sizeof buffer, 0);
            if (n <= 0 || ::send(upstream, buffer, n, MSG_NOSIGNAL) != n) break;
        }
        if (entries[1].revents) {
            ssize_t n = ::recv(upstream, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            std::size_t count = static_cast<std::size_t>(n);
            if (cutAfter) count = std::min(count, *cutAfter - towardsClient);
            if (!client.Send(std::string_view(buffer, count))) break;
            towardsClient += count;
            if (cutAfter && towardsClient >= *cutAfter) break;
        }
    }
    ::close(upstream);
    client.Close();
}

}  // namespace nettest
