#pragma once
// The progress record the download engine hands to its caller.
#include <cstdint>
#include <functional>
#include <string>

namespace net {

// Notice kinds, in the order a download sends them: on the first response 2, 1 and 3; then
// 3 after every block; a file already current gets one 3.
enum class NoticeKind {
    kSize = 1,      // the total size is known
    kStart = 2,     // the transfer begins
    kProgress = 3,  // bytes on disk so far
};

struct DownloadNotice {
    NoticeKind kind = NoticeKind::kProgress;
    std::int64_t total = 0;  // size of the whole file in bytes
    std::int64_t done = 0;   // bytes on disk so far, a resumed part included
    std::string name;        // display name of the file
};

// Called on the downloading thread; the engine goes on when it returns.
using DownloadNotify = std::function<void(const DownloadNotice&)>;

}  // namespace net
