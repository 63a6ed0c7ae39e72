#pragma once
// A bare HTTP/1.1 client on POSIX sockets to 127.0.0.1, for tests and tools that need to
// control every byte and every wait: trickling requests, kept-alive connections, bursts.
#include <cstdint>
#include <string>

namespace rawhttp {

enum class AnswerState { kIncomplete, kComplete, kBad };

struct Answer {
    AnswerState state = AnswerState::kIncomplete;
    int status = 0;
    bool close = false;      // the server announced "Connection: close"
    std::size_t length = 0;  // head and body, once known
    std::size_t headLength = 0;
};

// The first answer at the start of `in`; bodies need a Content-Length.
Answer ReadAnswer(const std::string& in);

// "GET PATH HTTP/1.1" with a Host header, and "Connection: close" when `close`.
std::string GetRequest(std::uint16_t port, const std::string& path, bool close);

// A non-blocking socket connecting to 127.0.0.1:`port` without waiting; -1 when none.
int StartConnect(std::uint16_t port);
// After a connect, true when it succeeded.
bool ConnectedWithoutError(int fd);
// A connected socket within `timeoutMs`, or -1.
int Connect(std::uint16_t port, int timeoutMs);
// Sends every byte, waiting at most a second at a time for room.
bool SendAll(int fd, const std::string& bytes);
// Appends what has arrived; false when the peer closed or failed.
bool ReceiveAvailable(int fd, std::string& in);

struct Reply {
    bool complete = false;  // a whole answer came in time
    int status = 0;
    std::string head;
    std::string body;
};

// Sends `request` on a fresh connection and reads one answer, waiting at most `timeoutMs`.
Reply Exchange(std::uint16_t port, const std::string& request, int timeoutMs);

}  // namespace rawhttp
