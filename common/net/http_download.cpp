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
#include "common/platform/log.h"

namespace net {

namespace {

constexpr int kDefaultLimitedRetries = 10;
constexpr int kSkipToleranceSeconds = 2;
constexpr int kSendTimeoutRepeats = 3;
constexpr std::size_t kMaxHeaderBytes = 256 * 1024;
constexpr int kStatusPartial = 206;
constexpr int kStatusRangeNotSatisfiable = 416;
constexpr std::string_view kLogCategory = "quorvel.net";

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

// A wait for data ends soon after Stop(), even while the server sends nothing.
CHttpDownload::CHttpDownload() { reader_.SetStopFlag(&stop_); }

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

DownloadResult CHttpDownload::Download(const std::string& url, const std::string& localPath,
                                      bool force) {
    stop_ = false;
    force_ = force;
    retryCount_ = 0;
    brokenTransfers_ = 0;
    rangeMismatches_ = 0;
    problem_.clear();
    DownloadResult result = Run(url, localPath);
    if (result == DownloadResult::kFailed) {
        std::string where = url_ == url ? "" : " (at " + url_ + ")";
        LogWarning("download of " + url + where + " failed: " + problem_);
    }
    return result;
}

DownloadResult CHttpDownload::Run(const std::string& url, const std::string& localPath) {
    url_ = std::string(TrimBlanks(url));
    if (url_.empty()) {
        problem_ = "empty URL";
        return DownloadResult::kFailed;
    }
    std::optional<HttpUrl> parsed = ParseHttpUrl(url_);
    if (!parsed) {
        url_ = "http://" + url_;
        parsed = ParseHttpUrl(url_);
        if (!parsed) {
            problem_ = "not a usable http URL";
            return DownloadResult::kFailed;
        }
    }
    target_ = *parsed;

    localPath_ = std::string(TrimBlanks(localPath));
    if (localPath_.empty()) {
        problem_ = "empty local path";
        return DownloadResult::kFailed;
    }
    temporaryPath_ = localPath_ + ".down";
    ReadPartValidator();
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
            problem_ = "Content-Length 0";
            return DownloadResult::kFailed;
        }

        if (!force_ && LocalFileIsCurrent()) {
            socket_.Close();
            Notify(NoticeKind::kProgress, total_, total_, FileNameOf(localPath_));
            return DownloadResult::kCurrent;
        }

        DownloadFile file;
        if (!file.Open(temporaryPath_) || (!resume_ && !StartPartAfresh(file))) {
            socket_.Close();
            problem_ = "cannot open " + temporaryPath_;
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
                    problem_ = "cannot write " + temporaryPath_;
                    return DownloadResult::kFailed;
                }
                return Finish();
            case BodyResult::kStopped:
                socket_.Close();
                return DownloadResult::kStopped;
            case BodyResult::kWriteFailed:
                socket_.Close();
                problem_ = "cannot write " + temporaryPath_;
                return DownloadResult::kFailed;
            case BodyResult::kBroken:
                ++brokenTransfers_;
                LogWarning("download of " + url_ + ": connection broke after " +
                           std::to_string(received_) + " of " + std::to_string(contentLength_) +
                           " bytes; asking for the rest");
                break;
            case BodyResult::kBrokenEmpty: {
                // A response that breaks before any body byte made no progress; going round
                // again is a retry like any other failure, or a dead server would spin forever.
                ++brokenTransfers_;
                problem_ = "connection closed before the body";
                if (std::optional<DownloadResult> end = RetryAfterFailure()) return *end;
                break;
            }
        }
    }
}

// A part left by an earlier download is resumed only with a validator to send in If-Range.
void CHttpDownload::ReadPartValidator() {
    partValidator_ = {};
    partTrusted_ = false;
    if (force_) return;
    std::optional<PartValidator> saved = LoadPartValidator(temporaryPath_);
    if (saved && !saved->IfRangeValue().empty()) {
        partValidator_ = *saved;
        partTrusted_ = true;
    }
}

// Empties the part (locked in `file`) for the body of the last answer, whose validator
// becomes the part's. The old validator goes before the bytes it vouches for, the new one
// comes once they are gone: a part never lies beside another file's validator. When the
// validator file cannot be written, a later download starts afresh instead of resuming.
bool CHttpDownload::StartPartAfresh(DownloadFile& file) {
    RemovePartValidator(temporaryPath_);
    if (!file.Truncate()) return false;
    partValidator_ = answerValidator_;
    partTrusted_ = true;
    SavePartValidator(temporaryPath_, partValidator_);
    return true;
}

bool CHttpDownload::DiscardPart(const std::string& why) {
    socket_.Close();
    if (++rangeMismatches_ > 1) {
        problem_ = "range mismatch again: " + why;
        return false;
    }
    LogWarning("download of " + url_ + ": range mismatch: " + why +
               "; dropping the part file and fetching the whole file");
    RemovePartValidator(temporaryPath_);
    platform::RemoveFile(temporaryPath_);
    partValidator_ = {};
    partTrusted_ = false;
    return true;
}

// The local file has the size the server announced and its date within 2 seconds.
bool CHttpDownload::LocalFileIsCurrent() const {
    std::optional<std::time_t> localTime = platform::FileModificationTime(localPath_);
    std::optional<std::uint64_t> localSize = platform::FileSize(localPath_);
    return localTime && localSize && static_cast<std::int64_t>(*localSize) == total_ &&
           std::llabs(static_cast<long long>(*localTime - lastModified_)) <= kSkipToleranceSeconds;
}

// Applies the retry policy after a failure worth another try (`problem_` says which).
std::optional<DownloadResult> CHttpDownload::RetryAfterFailure() {
    if (stop_) return DownloadResult::kStopped;
    std::string attempt;
    switch (retryMode_) {
        case RetryMode::kLimited:
            if (retryCount_ > maxRetries_) {
                problem_ += " (retries used up)";
                return DownloadResult::kFailed;
            }
            ++retryCount_;
            attempt = "retry " + std::to_string(retryCount_) + " of " +
                      std::to_string(maxRetries_ + 1);
            break;
        case RetryMode::kForever:
            attempt = "retrying";
            break;
        default:
            return DownloadResult::kFailed;
    }
    LogWarning("download of " + url_ + ": " + problem_ + "; " + attempt + " after " +
               std::to_string(retryDelayMs_) + " ms");
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
    if (!platform::RenameFile(temporaryPath_, localPath_)) {
        problem_ = "cannot rename " + temporaryPath_ + " to " + localPath_;
        return DownloadResult::kFailed;
    }
    RemovePartValidator(temporaryPath_);
    platform::SetFileModificationTime(localPath_, lastModified_);
    return DownloadResult::kComplete;
}

CHttpDownload::RequestResult CHttpDownload::Problem(RequestResult result, std::string why) {
    problem_ = std::move(why);
    return result;
}

void CHttpDownload::LogWarning(const std::string& message) const {
    platform::Log(platform::LogLevel::Warning, kLogCategory, message);
}

CHttpDownload::RequestResult CHttpDownload::ConnectByProxyType() {
    auto connectTo = [this](const std::string& host, std::uint16_t port) {
        std::optional<Ipv4Address> address = ResolveHost(host);
        if (!address) return Problem(RequestResult::kRetry, "cannot resolve " + host);
        if (!socket_.Connect(*address, port, connectTimeoutMs_)) {
            return Problem(RequestResult::kRetry,
                           "connect to " + host + ":" + std::to_string(port) + " failed");
        }
        return RequestResult::kOk;
    };
    auto throughSocks = [this](SocksResult result) {
        if (result == SocksResult::kConnected) return RequestResult::kOk;
        if (result == SocksResult::kRefused) {
            return Problem(RequestResult::kFailed, "the SOCKS proxy wants what this client cannot give");
        }
        return Problem(RequestResult::kRetry, "the SOCKS proxy did not connect");
    };
    RequestResult connected = RequestResult::kOk;
    switch (proxyType_) {
        case ProxyType::kNone:
            return connectTo(target_.host, target_.port);
        case ProxyType::kHttp:
            return connectTo(proxyHost_, proxyPort_);
        case ProxyType::kSocks4:
        case ProxyType::kSocks4a:
            if (proxyType_ == ProxyType::kSocks4 && !ResolveHost(target_.host)) {
                return Problem(RequestResult::kRetry, "cannot resolve " + target_.host);
            }
            if ((connected = connectTo(proxyHost_, proxyPort_)) != RequestResult::kOk) return connected;
            return throughSocks(Socks4Connect(socket_, target_.host, target_.port,
                                              proxyCredentials_.user,
                                              proxyType_ == ProxyType::kSocks4a, connectTimeoutMs_));
        case ProxyType::kSocks5:
            if ((connected = connectTo(proxyHost_, proxyPort_)) != RequestResult::kOk) return connected;
            return throughSocks(Socks5Connect(socket_, target_.host, target_.port,
                                              proxyCredentials_, connectTimeoutMs_));
    }
    return Problem(RequestResult::kFailed,
                   "unknown proxy type " + std::to_string(static_cast<int>(proxyType_)));
}

CHttpDownload::RequestResult CHttpDownload::ReadHeader() {
    std::string line;
    bool continuesCutLine = false;
    for (;;) {
        BufferedReader::LineEnd end = reader_.ReadLine(line, kHeaderPieceSize, receiveTimeoutMs_);
        if (end == BufferedReader::LineEnd::kFailed) {
            return Problem(RequestResult::kRetry, "no complete response head");
        }
        header_ += line;
        if (end == BufferedReader::LineEnd::kCut) {
            continuesCutLine = true;
        } else {
            // An empty piece right after a cut one ends that long line, not the head.
            if (line.empty() && !continuesCutLine) return RequestResult::kOk;
            header_ += "\r\n";
            continuesCutLine = false;
        }
        if (header_.size() > kMaxHeaderBytes) {
            return Problem(RequestResult::kFailed, "response head longer than " +
                                                       std::to_string(kMaxHeaderBytes) + " bytes");
        }
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
        if (!socket_.Create()) return Problem(RequestResult::kFailed, "cannot create a socket");
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
        bool ranged = allowRange && !force_ && partTrusted_ && partSize > 0;
        if (ranged) {
            lines.rangeStart = partSize;
            lines.ifRange = partValidator_.IfRangeValue();
            done_ = partSize;
        }
        std::string request = BuildRequest(lines);
        if (socket_.SendAll(request, sendTimeoutMs_) != request.size()) {
            if (LastSocketError() == kSocketTimedOut && ++sendTimeouts <= kSendTimeoutRepeats) {
                continue;
            }
            return Problem(RequestResult::kRetry, "sending the request failed");
        }
        if (stop_) return RequestResult::kStopped;
        RequestResult headerRead = ReadHeader();
        if (headerRead != RequestResult::kOk) return headerRead;

        ResponseHead head = ReadResponseHead(header_, std::time(nullptr));
        switch (head.kind) {
            case ResponseHead::Kind::kBody:
                if (AcceptBody(head, ranged, partSize)) return RequestResult::kOk;
                if (rangeMismatches_ > 1) return RequestResult::kFailed;
                allowRange = false;
                continue;
            case ResponseHead::Kind::kRetry:
                return Problem(RequestResult::kRetry, head.problem);
            case ResponseHead::Kind::kRedirect: {
                if (++redirects > kMaxRedirects) {
                    return Problem(RequestResult::kFailed,
                                   "more than " + std::to_string(kMaxRedirects) + " redirects");
                }
                referer_ = url_;
                std::optional<std::string> next = ResolveLocation(url_, head.location);
                std::optional<HttpUrl> parsed = next ? ParseHttpUrl(*next) : std::nullopt;
                if (!parsed) {
                    return Problem(RequestResult::kFailed,
                                   "redirect to an unusable location " + head.location);
                }
                url_ = *next;
                target_ = *parsed;
                continue;
            }
            case ResponseHead::Kind::kFatal:
                // A part file the server cannot continue (it may already be whole, or the
                // file shrank): ask once more for the whole file.
                if (ranged && head.status == kStatusRangeNotSatisfiable) {
                    LogWarning("download of " + url_ + ": the server cannot continue from byte " +
                               std::to_string(partSize) + "; fetching the whole file");
                    allowRange = false;
                    continue;
                }
                return Problem(RequestResult::kFailed, head.problem);
        }
    }
}

bool CHttpDownload::AcceptBody(const ResponseHead& head, bool ranged, std::int64_t partSize) {
    answerValidator_ = {head.etag, head.lastModifiedText};
    if (head.status == kStatusPartial) {
        std::optional<std::string> mismatch = PartialAnswerProblem(
            {ranged, partSize, head.contentLength, head.contentRange, total_});
        if (!mismatch && ShowsAnotherFile(partValidator_, answerValidator_)) {
            auto name = [](const PartValidator& v) { return v.etag.empty() ? v.lastModified : v.etag; };
            mismatch = "206 for another version of the file (" + name(answerValidator_) +
                       " where the part holds " + name(partValidator_) + ")";
        }
        if (mismatch) {
            DiscardPart(*mismatch);
            return false;
        }
    }
    contentLength_ = head.contentLength;
    lastModified_ = head.lastModified;
    resume_ = head.status == kStatusPartial;
    if (resume_) {
        total_ = contentLength_ + partSize;
    } else {
        done_ = 0;
        total_ = contentLength_;
    }
    return true;
}

}  // namespace net
