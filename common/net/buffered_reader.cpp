#include "common/net/buffered_reader.h"

#include <algorithm>
#include <cstring>

#include "common/net/socket_error.h"

namespace net {

bool BufferedReader::Fill(int timeoutMs) {
    // Only an empty buffer is filled, so the free space is always one piece.
    readPosition_ = writePosition_ = 0;
    std::size_t got = 0;
    for (int left = timeoutMs;;) {
        const int slice = stop_ ? std::min(left, kStopCheckMs) : left;
        got = socket_.Receive(ring_.data(), ring_.size(), slice);
        left -= slice;
        if (got > 0 || left <= 0 || LastSocketError() != kSocketTimedOut) break;
        if (stop_->load()) break;
    }
    held_ = got;
    writePosition_ = got % ring_.size();
    return got > 0;
}

int BufferedReader::ReadByte(int timeoutMs) {
    if (held_ == 0 && !Fill(timeoutMs)) return kEndMarker;
    unsigned char byte = static_cast<unsigned char>(ring_[readPosition_]);
    readPosition_ = (readPosition_ + 1) % ring_.size();
    --held_;
    return byte;
}

BufferedReader::LineEnd BufferedReader::ReadLine(std::string& line, std::size_t maxBytes,
                                                 int timeoutMs) {
    line.clear();
    while (line.size() < maxBytes) {
        int byte = ReadByte(timeoutMs);
        if (byte == kEndMarker) return LineEnd::kFailed;
        if (byte == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return LineEnd::kComplete;
        }
        line.push_back(static_cast<char>(byte));
    }
    return LineEnd::kCut;
}

std::size_t BufferedReader::ReadBlock(char* destination, std::size_t count, int timeoutMs) {
    if (count == 0) return 0;
    if (held_ == 0 && !Fill(timeoutMs)) return 0;
    std::size_t taken = 0;
    while (taken < count && held_ > 0) {
        std::size_t run = std::min({count - taken, held_, ring_.size() - readPosition_});
        std::memcpy(destination + taken, ring_.data() + readPosition_, run);
        readPosition_ = (readPosition_ + run) % ring_.size();
        held_ -= run;
        taken += run;
    }
    return taken;
}

}  // namespace net
