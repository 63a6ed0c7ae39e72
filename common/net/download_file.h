#pragma once
// The temporary file a download writes into: opened without truncation and locked so that
// a second download of the same file cannot write into it at the same time. Blocks are
// gathered in memory and written in larger pieces, which halves the system calls of a
// transfer; Flush (and Close) put everything on disk.
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

    // Creates the file if needed. `append` writes after what is there; otherwise the old
    // contents are dropped and writing starts at the beginning.
    bool Open(const std::string& path, bool append);
    bool Write(const char* data, std::size_t size);
    bool Flush();
    // Flushes and closes; false when the last bytes could not be written.
    bool Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    static constexpr std::size_t kGatherSize = 256 * 1024;
    bool WriteThrough(const char* data, std::size_t size);

    int fd_ = -1;
    std::vector<char> pending_;
};

}  // namespace net
