#include "common/net/http_download.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "common/net/download_file.h"
#include "common/net/http_request.h"
#include "common/net/http_response.h"
#include "common/net/http_text.h"
#include "common/net/socket_error.h"
#include "common/platform/files.h"

namespace net {

namespace {

constexpr int kDefaultLimitedRetries = 10;
constexpr int kSkipToleranceSeconds = 2;
constexpr int kSendTimeoutRepeats = 3;
constexpr std::size_t kMaxHeaderBytes = 256 * 1024;
constexpr int kStatusPartial = 206;
constexpr int kStatusRangeNotSatisfiable = 416;

// The text after the last '/' or, without one, after the last '\'; the whole text when it
// has neither or is a single character.
std::string DisplayName(const std::string& path) {
    if (path.size() <= 1) return path;
    std::size_t cut = path.rfind('/');
    if (cut == std::string::npos) cut = path.rfind('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FileNameOf(const std::string& path) {
    std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

}  // namespace

CHttpDownload::CHttpDownload() = default;

CHttpDownload::~CHttpDownload() { socket_.Close(); }

void CHttpDownload::SetServerCredentials(bool enabled, std::string user, std::string password) {
    serverCredentials_ = {enabled, std::move(user), std::move(password)};
}

void CHttpDownload::SetProxy(ProxyType type, std::string host, std::uint16_t port) {
    proxyType_ = type;
    proxyHost_ = std::move(host);
    proxyPort_ = port;
}

void CHttpDownload::SetProxyCredentials(bool enabled, std::string user, std::string password) {
    proxyCredentials_ = {enabled, std::move(user), std::move(password)};
}

void CHttpDownload::SetRetry(RetryMode mode, int delayMs, int maxRetries) {
    retryMode_ = mode;
    retryDelayMs_ = delayMs;
    maxRetries_ = (mode == RetryMode::kLimited && maxRetries == 0) ? kDefaultLimitedRetries : maxRetries;
}

void CHttpDownload::SetNotify(DownloadNotify notify, bool enable) {
    if (enable && notify) {
        notify_ = std::move(notify);
    } else {
        notify_ = nullptr;
    }
}

void CHttpDownload::Notify(NoticeKind kind, std::int64_t total, std::int64_t done,
                           const std::string& name) {
    if (!notify_) return;
    // One record serves every notice, so a notice per block costs no allocation.
    notice_.kind = kind;
    notice_.total = total;
    notice_.done = done;
    if (notice_.name != name) notice_.name = name;
    notify_(notice_);
}

std::int64_t CHttpDownload::TemporaryFileSize() const {
    return static_cast<std::int64_t>(platform::FileSize(temporaryPath_).value_or(0));
}

DownloadResult CHttpDownload::Download(const std::string& url, const std::string& localPath, bool force) {
    stop_ = false;
    force_ = force;
    retryCount_ = 0;
    brokenTransfers_ = 0;

    url_ = std::string(TrimBlanks(url));
    if (url_.empty()) return DownloadResult::kFailed;
    std::optional<HttpUrl> parsed = ParseHttpUrl(url_);
    if (!parsed) {
        url_ = "http://" + url_;
        parsed = ParseHttpUrl(url_);
        if (!parsed) return DownloadResult::kFailed;
    }
    target_ = *parsed;

    localPath_ = std::string(TrimBlanks(localPath));
    if (localPath_.empty()) return DownloadResult::kFailed;
    temporaryPath_ = localPath_ + ".down";
    bool first = true;
    total_ = done_ = contentLength_ = received_ = 0;

    for (;;) {
        RequestResult requested = Request("GET");
        if (requested == RequestResult::kRetry) {
            if (std::optional<DownloadResult> end = RetryAfterFailure()) return *end;
            continue;
        }
        if (requested == RequestResult::kStopped) return DownloadResult::kStopped;
        if (requested != RequestResult::kOk) return DownloadResult::kFailed;
        if (contentLength_ == 0) {
            socket_.Close();
            return DownloadResult::kFailed;
        }

        if (!force_ && LocalFileIsCurrent()) {
            socket_.Close();
            Notify(NoticeKind::kProgress, total_, total_, FileNameOf(localPath_));
            return DownloadResult::kCurrent;
        }

        DownloadFile file;
        if (!file.Open(temporaryPath_, resume_)) {
            socket_.Close();
            return DownloadResult::kFailed;
        }
        displayName_ = DisplayName(target_.path);
        if (first) {
            Notify(NoticeKind::kStart, total_, done_, displayName_);
            Notify(NoticeKind::kSize, total_, done_, displayName_);
            Notify(NoticeKind::kProgress, total_, done_, displayName_);
            first = false;
        }

        switch (ReceiveBody(file)) {
            case BodyResult::kComplete:
                if (!file.Close()) {
                    socket_.Close();
                    return DownloadResult::kFailed;
                }
                return Finish();
            case BodyResult::kStopped:
                socket_.Close();
                return DownloadResult::kStopped;
            case BodyResult::kWriteFailed:
                socket_.Close();
                return DownloadResult::kFailed;
            case BodyResult::kBroken:
                ++brokenTransfers_;
                break;  // ask again for the rest
            case BodyResult::kBrokenEmpty: {
                // A response that breaks before any body byte made no progress; going round
                // again is a retry like any other failure, or a dead server would spin forever.
                ++brokenTransfers_;
                if (std::optional<DownloadResult> end = RetryAfterFailure()) return *end;
                break;
            }
        }
    }
}

// The local file has the size the server announced and its date within 2 seconds.
bool CHttpDownload::LocalFileIsCurrent() const {
    std::optional<std::time_t> localTime = platform::FileModificationTime(localPath_);
    std::optional<std::uint64_t> localSize = platform::FileSize(localPath_);
    return localTime && localSize && static_cast<std::int64_t>(*localSize) == total_ &&
           std::llabs(static_cast<long long>(*localTime - lastModified_)) <= kSkipToleranceSeconds;
}

// Applies the retry policy after a failure worth another try.
std::optional<DownloadResult> CHttpDownload::RetryAfterFailure() {
    if (stop_) return DownloadResult::kStopped;
    switch (retryMode_) {
        case RetryMode::kLimited:
            if (retryCount_ > maxRetries_) return DownloadResult::kFailed;
            ++retryCount_;
            break;
        case RetryMode::kForever:
            break;
        default:
            return DownloadResult::kFailed;
    }
    // The next request looks at the stop flag before it connects.
    PauseUnlessStopped(retryDelayMs_);
    return std::nullopt;
}

bool CHttpDownload::PauseUnlessStopped(int ms) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stop_ && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min(ms, 20)));
    }
    return !stop_;
}

CHttpDownload::BodyResult CHttpDownload::ReceiveBody(DownloadFile& file) {
    static_assert(kBlockSize <= DownloadFile::kGatherSize);
    received_ = 0;
    for (;;) {
        if (stop_) return BodyResult::kStopped;
        // Never more than the response announced, whatever the server sends after it.
        auto wanted = static_cast<std::size_t>(
            std::min<std::int64_t>(kBlockSize, contentLength_ - received_));
        char* block = file.Room(wanted);
        if (block == nullptr) return BodyResult::kWriteFailed;
        std::size_t got = reader_.ReadBlock(block, wanted, receiveTimeoutMs_);
        if (got == 0) {
            socket_.Close();
            return received_ == 0 ? BodyResult::kBrokenEmpty : BodyResult::kBroken;
        }
        file.Commit(got);
        done_ += static_cast<std::int64_t>(got);
        received_ += static_cast<std::int64_t>(got);
        Notify(NoticeKind::kProgress, total_, done_, displayName_);
        if (received_ >= contentLength_) return BodyResult::kComplete;
    }
}

DownloadResult CHttpDownload::Finish() {
    socket_.Close();
    // The rename replaces the old file in one step, so a failure leaves it as it was, and the
    // finished ".down" stays for the next try.
    if (!platform::RenameFile(temporaryPath_, localPath_)) return DownloadResult::kFailed;
    platform::SetFileModificationTime(localPath_, lastModified_);
    return DownloadResult::kComplete;
}

CHttpDownload::RequestResult CHttpDownload::ConnectByProxyType() {
    auto connectTo = [this](const std::string& host, std::uint16_t port) {
        std::optional<Ipv4Address> address = ResolveHost(host);
        return address && socket_.Connect(*address, port, connectTimeoutMs_);
    };
    auto throughSocks = [](SocksResult result) {
        if (result == SocksResult::kConnected) return RequestResult::kOk;
        return result == SocksResult::kRefused ? RequestResult::kFailed : RequestResult::kRetry;
    };
    switch (proxyType_) {
        case ProxyType::kNone:
            return connectTo(target_.host, target_.port) ? RequestResult::kOk : RequestResult::kRetry;
        case ProxyType::kHttp:
            return connectTo(proxyHost_, proxyPort_) ? RequestResult::kOk : RequestResult::kRetry;
        case ProxyType::kSocks4:
        case ProxyType::kSocks4a:
            if (proxyType_ == ProxyType::kSocks4 && !ResolveHost(target_.host)) return RequestResult::kRetry;
            if (!connectTo(proxyHost_, proxyPort_)) return RequestResult::kRetry;
            return throughSocks(Socks4Connect(socket_, target_.host, target_.port,
                                              proxyCredentials_.user,
                                              proxyType_ == ProxyType::kSocks4a, connectTimeoutMs_));
        case ProxyType::kSocks5:
            if (!connectTo(proxyHost_, proxyPort_)) return RequestResult::kRetry;
            return throughSocks(Socks5Connect(socket_, target_.host, target_.port,
                                              proxyCredentials_, connectTimeoutMs_));
        default:
            return RequestResult::kFailed;
    }
}

CHttpDownload::RequestResult CHttpDownload::ReadHeader() {
    std::string line;
    bool continuesCutLine = false;
    for (;;) {
        BufferedReader::LineEnd end = reader_.ReadLine(line, kHeaderPieceSize, receiveTimeoutMs_);
        if (end == BufferedReader::LineEnd::kFailed) return RequestResult::kRetry;
        header_ += line;
        if (end == BufferedReader::LineEnd::kCut) {
            continuesCutLine = true;
        } else {
            // An empty piece right after a cut one ends that long line, not the head.
            if (line.empty() && !continuesCutLine) return RequestResult::kOk;
            header_ += "\r\n";
            continuesCutLine = false;
        }
        if (header_.size() > kMaxHeaderBytes) return RequestResult::kFailed;
    }
}

CHttpDownload::RequestResult CHttpDownload::Request(const char* method) {
    int redirects = 0;
    int sendTimeouts = 0;
    bool allowRange = true;
    for (;;) {
        done_ = 0;
        contentLength_ = 0;
        header_.clear();
        reader_.Clear();
        if (!socket_.Create()) return RequestResult::kFailed;
        if (stop_) return RequestResult::kStopped;
        RequestResult connected = ConnectByProxyType();
        if (connected != RequestResult::kOk) return connected;
        if (stop_) return RequestResult::kStopped;

        RequestLines lines;
        lines.method = method;
        lines.url = url_;
        lines.target = target_;
        lines.throughHttpProxy = proxyType_ == ProxyType::kHttp;
        lines.proxyCredentials = proxyCredentials_;
        lines.serverCredentials = serverCredentials_;
        lines.userAgent = userAgent_;
        lines.referer = referer_;
        std::int64_t partSize = TemporaryFileSize();
        bool ranged = allowRange && !force_ && partSize > 0;
        if (ranged) {
            lines.rangeStart = partSize;
            done_ = partSize;
        }
        std::string request = BuildRequest(lines);
        if (socket_.SendAll(request, sendTimeoutMs_) != request.size()) {
            if (LastSocketError() == kSocketTimedOut && ++sendTimeouts <= kSendTimeoutRepeats) {
                continue;
            }
            return RequestResult::kRetry;
        }
        if (stop_) return RequestResult::kStopped;
        RequestResult headerRead = ReadHeader();
        if (headerRead != RequestResult::kOk) return headerRead;

        ResponseHead head = ReadResponseHead(header_, std::time(nullptr));
        switch (head.kind) {
            case ResponseHead::Kind::kBody:
                contentLength_ = head.contentLength;
                lastModified_ = head.lastModified;
                if (!ranged) {
                    resume_ = false;
                    total_ = contentLength_;
                } else if (head.status == kStatusPartial) {
                    resume_ = true;
                    total_ = contentLength_ + partSize;
                } else {
                    resume_ = false;
                    done_ = 0;
                    total_ = contentLength_;
                }
                return RequestResult::kOk;
            case ResponseHead::Kind::kRetry:
                return RequestResult::kRetry;
            case ResponseHead::Kind::kRedirect: {
                if (++redirects > kMaxRedirects) return RequestResult::kFailed;
                referer_ = url_;
                std::optional<std::string> next = ResolveLocation(url_, head.location);
                std::optional<HttpUrl> parsed = next ? ParseHttpUrl(*next) : std::nullopt;
                if (!parsed) return RequestResult::kFailed;
                url_ = *next;
                target_ = *parsed;
                continue;
            }
            case ResponseHead::Kind::kFatal:
                // A part file the server cannot continue (it may already be whole, or the
                // file shrank): ask once more for the whole file.
                if (ranged && head.status == kStatusRangeNotSatisfiable) {
                    allowRange = false;
                    continue;
                }
                return RequestResult::kFailed;
        }
    }
}

}  // namespace net
