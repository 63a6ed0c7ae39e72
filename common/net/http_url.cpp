#include "common/net/http_url.h"

#include <algorithm>

#include "common/net/http_text.h"

namespace net {

namespace {

constexpr std::string_view kScheme = "http://";

bool HasBlankOrControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7f;
    });
}

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

// "../" steps and a file name against `current`: each "../" drops a folder, never the host.
std::string ResolveRelative(const HttpUrl& current, std::string location) {
    int upward = 0;
    for (std::size_t found; (found = location.find("../")) != std::string::npos; ++upward) {
        location.erase(0, found + 3);
    }
    // Cut the current URL back at its last '/' once for the file name and once per "../",
    // stopping at the host's root.
    std::string base = FormatHttpUrl(current);
    std::size_t root = base.find('/', kScheme.size());
    for (int i = 0; i <= upward; ++i) {
        std::size_t cut = base.rfind('/');
        if (cut <= root) {
            base.erase(root);
            break;
        }
        base.erase(cut);
    }
    return base + "/" + location;
}

}  // namespace

std::optional<HttpUrl> ParseHttpUrl(std::string_view url) {
    url = TrimBlanks(url);
    std::size_t schemeEnd = url.find("://");
    if (schemeEnd == std::string_view::npos) return std::nullopt;
    if (FoldToLower(url.substr(0, schemeEnd + 3)) != kScheme) return std::nullopt;
    std::string_view rest = url.substr(schemeEnd + 3);
    std::size_t slash = rest.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    std::string_view hostPart = rest.substr(0, slash);
    HttpUrl parsed;
    parsed.path = std::string(rest.substr(slash));
    std::size_t colon = hostPart.find(':');
    if (colon != std::string_view::npos) {
        std::optional<std::int64_t> port = ParseDecimal(hostPart.substr(colon + 1));
        if (!port || *port < 1 || *port > 65535) return std::nullopt;
        parsed.port = static_cast<std::uint16_t>(*port);
        hostPart = hostPart.substr(0, colon);
    }
    if (hostPart.empty() || HasBlankOrControl(hostPart) || HasControl(parsed.path)) {
        return std::nullopt;
    }
    parsed.host = std::string(hostPart);
    return parsed;
}

std::string FormatHttpUrl(const HttpUrl& url) {
    std::string text(kScheme);
    text += url.host;
    if (url.port != 80) text += ":" + std::to_string(url.port);
    text += url.path;
    return text;
}

std::optional<std::string> ResolveLocation(const std::string& currentUrl, std::string location) {
    std::optional<HttpUrl> current = ParseHttpUrl(currentUrl);
    if (!current) return std::nullopt;
    if (FoldToLower(location.substr(0, kScheme.size())) == kScheme) {
        if (!ParseHttpUrl(location)) return std::nullopt;
        return location;
    }
    // Any other scheme ("https://", "ftp://") is one this engine cannot follow.
    std::size_t scheme = location.find("://");
    if (scheme != std::string::npos && location.find('/') > scheme) return std::nullopt;

    std::replace(location.begin(), location.end(), '\\', '/');
    std::string resolved;
    if (!location.empty() && location.front() == '/') {
        current->path = location;
        resolved = FormatHttpUrl(*current);
    } else {
        resolved = ResolveRelative(*current, std::move(location));
    }
    if (!ParseHttpUrl(resolved)) return std::nullopt;
    return resolved;
}

}  // namespace net
