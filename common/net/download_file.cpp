#include "common/net/download_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

namespace net {

bool DownloadFile::Open(const std::string& path) {
    Close();
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ready = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lseek(fd, 0, SEEK_END) >= 0;
    if (!ready) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    buffer_.resize(kGatherSize);
    used_ = 0;
    return true;
}

bool DownloadFile::Truncate() {
    used_ = 0;
    return fd_ >= 0 && ::ftruncate(fd_, 0) == 0 && ::lseek(fd_, 0, SEEK_SET) == 0;
}

char* DownloadFile::Room(std::size_t size) {
    if (fd_ < 0 || size > kGatherSize) return nullptr;
    if (used_ + size > kGatherSize && !Flush()) return nullptr;
    return buffer_.data() + used_;
}

bool DownloadFile::Flush() {
    if (fd_ < 0) return used_ == 0;
    bool written = WriteThrough(buffer_.data(), used_);
    used_ = 0;
    return written;
}

bool DownloadFile::WriteThrough(const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool DownloadFile::Close() {
    if (fd_ < 0) return true;
    bool written = Flush();
    written = ::close(fd_) == 0 && written;
    fd_ = -1;
    return written;
}

}  // namespace net
