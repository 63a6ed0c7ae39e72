#pragma once
// The temporary file a download writes into: opened without truncation and locked so that
// a second download of the same file cannot write into it at the same time. Blocks are
// received straight into a gathering buffer and written in larger pieces, which halves the
// system calls of a transfer and saves a copy; Flush (and Close) put everything on disk.
#include <cstddef>
#include <string>
#include <vector>

namespace net {

class DownloadFile {
public:
    DownloadFile() = default;
    ~DownloadFile() { Close(); }
    DownloadFile(const DownloadFile&) = delete;
    DownloadFile& operator=(const DownloadFile&) = delete;

    // Creates the file if needed and locks it; writing goes after what is there.
    bool Open(const std::string& path);
    // Drops the contents (and anything gathered); writing starts at the beginning.
    bool Truncate();
    // Room for `size` more bytes (at most kGatherSize), flushing first when the buffer is
    // too full; null when that flush failed. Commit says how many bytes were put there.
    char* Room(std::size_t size);
    void Commit(std::size_t size) { used_ += size; }
    bool Flush();
    // Flushes and closes; false when the last bytes could not be written.
    bool Close();
    bool IsOpen() const { return fd_ >= 0; }

    static constexpr std::size_t kGatherSize = 256 * 1024;

private:
    bool WriteThrough(const char* data, std::size_t size);

    int fd_ = -1;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

}  // namespace net
