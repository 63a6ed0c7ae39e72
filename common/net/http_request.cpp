#include "common/net/http_request.h"

#include "common/net/base64.h"

namespace net {

namespace {

std::string HeaderSafe(const std::string& value) {
    std::string out;
    for (char c : value) {
        if (c != '\r' && c != '\n') out += c;
    }
    return out;
}

std::string RequestTarget(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == ' ') {
            out += "%20";
        } else {
            out += c;
        }
    }
    return out;
}

std::string Basic(const ProxyCredentials& credentials) {
    return "Basic " + Base64Encode(credentials.user + ":" + credentials.password);
}

}  // namespace

std::string BuildRequest(const RequestLines& lines) {
    std::string text = lines.method + " ";
    text += RequestTarget(lines.throughHttpProxy ? lines.url : lines.target.path);
    text += " HTTP/1.1\r\n";
    if (lines.throughHttpProxy && lines.proxyCredentials.enabled) {
        text += "Proxy-Authorization: " + Basic(lines.proxyCredentials) + "\r\n";
    }
    if (lines.serverCredentials.enabled) {
        text += "Authorization: " + Basic(lines.serverCredentials) + "\r\n";
    }
    text += "Host: " + lines.target.host + "\r\n";
    text += "Accept: */*\r\n";
    text += "Pragma: no-cache\r\n";
    text += "Cache-Control: no-cache\r\n";
    text += "User-Agent: " + HeaderSafe(lines.userAgent) + "\r\n";
    if (!lines.referer.empty()) text += "Referer: " + HeaderSafe(lines.referer) + "\r\n";
    text += "Connection: close\r\n";
    if (lines.rangeStart) {
        text += "Range: bytes=" + std::to_string(*lines.rangeStart) + "-\r\n";
        if (!lines.ifRange.empty()) text += "If-Range: " + HeaderSafe(lines.ifRange) + "\r\n";
    }
    text += "\r\n";
    return text;
}

}  // namespace net
