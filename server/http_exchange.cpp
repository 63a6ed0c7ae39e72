#include "server/http_exchange.h"

#include <algorithm>
#include <cstring>

namespace server {
namespace {

class MemoryStream : public httplib::Stream {
public:
    MemoryStream(std::string_view input, const PeerAddress& peer, std::string& output)
        : input_(input), peer_(peer), output_(output) {}

    bool is_readable() const override { return offset_ < input_.size(); }
    bool is_writable() const override { return true; }

    ssize_t read(char* ptr, size_t size) override {
        const std::size_t n = std::min(size, input_.size() - offset_);
        std::memcpy(ptr, input_.data() + offset_, n);
        offset_ += n;
        return static_cast<ssize_t>(n);
    }

    ssize_t write(const char* ptr, size_t size) override {
        // The connection server answers Expect: 100-continue itself, before the body came.
        if (output_.empty() && std::string_view(ptr, size).rfind("HTTP/1.1 100 ", 0) == 0)
            return static_cast<ssize_t>(size);
        output_.append(ptr, size);
        return static_cast<ssize_t>(size);
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = peer_.ip;
        port = peer_.port;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = "127.0.0.1";
        port = 0;
    }
    socket_t socket() const override { return INVALID_SOCKET; }

private:
    std::string_view input_;
    std::size_t offset_ = 0;
    const PeerAddress& peer_;
    std::string& output_;
};

}  // namespace

Exchange HttpExchange::Answer(std::string_view request, const PeerAddress& peer, bool lastOnConnection) {
    Exchange exchange;
    MemoryStream stream(request, peer, exchange.response);
    bool closeAsked = false;
    const bool written = process_request(stream, lastOnConnection, closeAsked, nullptr);
    exchange.close = !written || closeAsked || lastOnConnection || exchange.response.empty();
    return exchange;
}

}  // namespace server
