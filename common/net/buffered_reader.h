#pragma once
// Reads a socket through a 10240-byte buffer: single bytes, lines and blocks.
#include <array>
#include <atomic>
#include <cstddef>
#include <string>

#include "common/net/socket.h"

namespace net {

class BufferedReader {
public:
    static constexpr std::size_t kCapacity = 10240;
    static constexpr int kEndMarker = 256;  // what ReadByte gives when nothing more comes

    enum class LineEnd {
        kFailed,    // the connection closed, failed or went quiet before a line end
        kComplete,  // the line ended with LF (a CR before it is dropped)
        kCut,       // `maxBytes` were read without a line end; the rest comes next time
    };

    explicit BufferedReader(Socket& socket) : socket_(socket) {}

    // The next byte (0-255), or kEndMarker when the buffer is empty and one receive fails.
    int ReadByte(int timeoutMs);

    // Reads bytes into `line` (replacing its contents) up to LF or until it holds `maxBytes`.
    LineEnd ReadLine(std::string& line, std::size_t maxBytes, int timeoutMs);

    // Copies up to `count` bytes, first from the buffer; when the buffer is empty, one
    // receive refills it. Gives 0 when nothing came.
    std::size_t ReadBlock(char* destination, std::size_t count, int timeoutMs);

    // While `stop` is set to a flag, a wait for data gives up soon after the flag turns true
    // (it is looked at every kStopCheckMs) instead of lasting its whole time-out.
    void SetStopFlag(const std::atomic<bool>* stop) { stop_ = stop; }
    static constexpr int kStopCheckMs = 100;

    std::size_t held() const { return held_; }
    void Clear() { held_ = readPosition_ = writePosition_ = 0; }

private:
    bool Fill(int timeoutMs);

    Socket& socket_;
    const std::atomic<bool>* stop_ = nullptr;
    std::array<char, kCapacity> ring_{};
    std::size_t held_ = 0;
    std::size_t readPosition_ = 0;
    std::size_t writePosition_ = 0;
};

}  // namespace net
