#pragma once
// HTTP URLs as the download engine reads them, and redirect locations resolved against them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace net {

struct HttpUrl {
    std::string host;
    std::uint16_t port = 80;
    std::string path;  // from the first '/' after the host on, never empty
};

// "http://host[:port]/path" (the scheme in any case). Fails without a path after the host,
// with an empty host, a port that is not 1-65535, or blanks or control bytes in it.
std::optional<HttpUrl> ParseHttpUrl(std::string_view url);

// The URL text for host, port (left out when 80) and path.
std::string FormatHttpUrl(const HttpUrl& url);

// Where a redirect leads from `currentUrl`:
// - "http://..." is taken whole;
// - a value starting with '/' (after '\' became '/') keeps host and port;
// - anything else is relative: each "../" drops a folder of the current URL (never the
//   host), then the value is appended.
// Nothing when the result is not a usable HTTP URL (another scheme, for one).
std::optional<std::string> ResolveLocation(const std::string& currentUrl, std::string location);

}  // namespace net
