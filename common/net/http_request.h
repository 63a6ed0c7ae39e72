#pragma once
// Builds the text of one download request.
#include <cstdint>
#include <optional>
#include <string>

#include "common/net/http_url.h"
#include "common/net/socks_client.h"

namespace net {

struct RequestLines {
    std::string method;          // "GET" or "HEAD"
    std::string url;             // the whole URL, sent as the target through an HTTP proxy
    HttpUrl target;              // host and object path
    bool throughHttpProxy = false;
    ProxyCredentials proxyCredentials;
    ProxyCredentials serverCredentials;
    std::string userAgent;
    std::string referer;
    std::optional<std::int64_t> rangeStart;  // "Range: bytes=N-" when set
    std::string ifRange;                     // "If-Range: <value>" with a range, when not empty
};

// Every line ends with CR LF and an empty line closes the head. Blanks in the target are
// sent as %20; CR and LF never reach a header from a setting.
std::string BuildRequest(const RequestLines& lines);

}  // namespace net
