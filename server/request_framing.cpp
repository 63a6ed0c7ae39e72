#include "server/request_framing.h"

#include "common/platform/ascii_case.h"

namespace server {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

RequestFrame Rejected(int status) {
    RequestFrame frame;
    frame.state = FrameState::kRejected;
    frame.status = status;
    return frame;
}

// Digits only; false when empty, not a number or beyond `ceiling` (then `tooLarge`).
bool ParseLength(std::string_view text, std::size_t ceiling, std::size_t& value, bool& tooLarge) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<std::size_t>(c - '0');
        if (value > ceiling) {
            tooLarge = true;
            return false;
        }
    }
    return true;
}

}  // namespace

RequestFrame FrameRequest(std::string_view buffered, const RequestLimits& limits) {
    const std::size_t end = buffered.find("\r\n\r\n");
    if (end == std::string_view::npos)
        return buffered.size() > limits.maxHead ? Rejected(431) : RequestFrame{};
    const std::size_t headLength = end + 4;
    if (headLength > limits.maxHead) return Rejected(431);

    bool haveLength = false;
    bool expectContinue = false;
    std::size_t bodyLength = 0;
    std::string_view rest = buffered.substr(0, end + 2);
    rest.remove_prefix(rest.find("\r\n") + 2);  // the request line
    while (!rest.empty()) {
        const std::size_t lineEnd = rest.find("\r\n");
        const std::string_view line = rest.substr(0, lineEnd);
        rest.remove_prefix(lineEnd + 2);
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) continue;  // the request reader skips such lines too
        const std::string name = platform::AsciiLower(line.substr(0, colon));
        const std::string_view value = Trim(line.substr(colon + 1));
        if (name == "transfer-encoding") return Rejected(411);
        if (name == "content-length") {
            std::size_t length = 0;
            bool tooLarge = false;
            if (!ParseLength(value, limits.maxBody, length, tooLarge)) return Rejected(tooLarge ? 413 : 400);
            if (haveLength && length != bodyLength) return Rejected(400);
            haveLength = true;
            bodyLength = length;
        } else if (name == "expect") {
            expectContinue = platform::AsciiLower(value) == "100-continue";
        }
    }

    RequestFrame frame;
    if (buffered.size() - headLength < bodyLength) {
        frame.waitsForContinue = expectContinue && bodyLength > 0;
        return frame;
    }
    frame.state = FrameState::kComplete;
    frame.length = headLength + bodyLength;
    return frame;
}

std::string RefusalResponse(int status) {
    const char* reason = status == 411   ? "Length Required"
                         : status == 413 ? "Payload Too Large"
                         : status == 431 ? "Request Header Fields Too Large"
                         : status == 503 ? "Service Unavailable"
                                         : "Bad Request";
    const std::string body = std::string(reason) + "\n";
    return "HTTP/1.1 " + std::to_string(status) + " " + reason +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace server
