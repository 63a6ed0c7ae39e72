#pragma once
// Where one HTTP/1.1 request ends in the bytes received so far on a connection, so that
// a request is handed on only when its head and body have fully arrived. Bodies need a
// Content-Length; transfer-coded request bodies are refused.
#include <cstddef>
#include <string>
#include <string_view>

namespace server {

struct RequestLimits {
    std::size_t maxHead = 32 * 1024;  // request line and header fields
    std::size_t maxBody = 64 * 1024;
};

enum class FrameState { kIncomplete, kComplete, kRejected };

struct RequestFrame {
    FrameState state = FrameState::kIncomplete;
    std::size_t length = 0;        // kComplete: bytes of head and body together
    bool waitsForContinue = false;  // head complete, body missing, the client sent Expect: 100-continue
    int status = 0;                // kRejected: 400, 411, 413 or 431
};

// `buffered` starts at the first byte of a request.
RequestFrame FrameRequest(std::string_view buffered, const RequestLimits& limits);

// A complete answer with a short text body and "Connection: close", for requests
// refused before they reach the site.
std::string RefusalResponse(int status);

}  // namespace server
