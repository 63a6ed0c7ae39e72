#pragma once
// The temporary file a download writes into: opened without truncation and locked so that
// a second download of the same file cannot write into it at the same time.
#include <cstddef>
#include <string>

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
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace net
