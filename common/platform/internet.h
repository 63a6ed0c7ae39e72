#pragma once
// The client's plain web requests (page fetch as text, form post, connectivity check),
// on libcurl. Every call is blocking, with connect and total time-outs so that a dead
// server never holds a window for long. Honours the usual proxy environment variables.
#include <string>
#include <string_view>

namespace platform {

struct InternetTimeouts {
    long connectMs = 5000;
    long totalMs = 20000;
};

// Time-outs used by every call below; tests shorten them.
InternetTimeouts& DefaultInternetTimeouts();

// Fetches `url` and reads the body as text line by line: each line (without its LF, and
// without a CR before it) is appended followed by CR LF. False on a failed connection, a
// transfer error or an HTTP status of 400 or more; `out` is then left unchanged.
bool OpenUrlAsText(const std::string& url, std::string& out);

struct PostResult {
    bool transferred = false;  // the request was sent and a status line came back
    long status = 0;
    std::string body;
};

// POSTs `body` to http://host[:port]/path with the given extra header lines (CR LF
// separated) and user agent. The host may name a port ("example.com:8080"); else 80.
PostResult PostHttp(std::string_view host, std::string_view path, std::string_view headers,
                    std::string_view userAgent, std::string_view body);

// True when a connection to the host of `url` can be made now (HEAD request; any HTTP
// answer counts as reachable).
bool CheckConnection(const std::string& url);

}  // namespace platform
