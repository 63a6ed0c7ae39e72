#pragma once
// CHttpDownload: downloads one HTTP URL to one local file through "<file>.down", resuming
// an interrupted transfer with a byte range, following redirects, going through an HTTP or
// SOCKS proxy, skipping a file that is already current and dating the file as the server
// does. Synchronous: Download returns when the file is complete, current, stopped or failed.
//
// A part file is resumed only while it is known to hold the server's current file: the
// server's validator (ETag, Last-Modified) is kept beside it and sent in If-Range, and a
// 206 is appended only when its Content-Range continues the part exactly. Anything else
// drops the part and fetches the whole file once; a part without a saved validator is never
// resumed by a later download. Failures and retries are logged (category "quorvel.net").
#include <atomic>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "common/net/buffered_reader.h"
#include "common/net/download_notice.h"
#include "common/net/http_response.h"
#include "common/net/http_url.h"
#include "common/net/part_validator.h"
#include "common/net/socket.h"
#include "common/net/socks_client.h"

namespace net {

// Results of Download; the numbers are the ones callers and logs know.
enum class DownloadResult {
    kComplete = 0,  // the file was downloaded and is in place
    kCurrent = 1,   // the local file already has the server's size and date
    kStopped = 2,   // the stop flag ended it; "<file>.down" is kept
    kFailed = 3,
};

// Proxy types; any other number makes every request fail.
enum class ProxyType { kNone = 0, kHttp = 1, kSocks4 = 3, kSocks4a = 4, kSocks5 = 5 };

// Retry modes for failures before a response is complete.
enum class RetryMode { kNever = 0, kLimited = 1, kForever = 2 };

class CHttpDownload {
public:
    static constexpr std::size_t kBlockSize = 10240;
    static constexpr std::size_t kHeaderPieceSize = 1023;
    static constexpr int kMaxRedirects = 20;

    CHttpDownload();
    ~CHttpDownload();
    CHttpDownload(const CHttpDownload&) = delete;
    CHttpDownload& operator=(const CHttpDownload&) = delete;

    void SetUserAgent(std::string agent) { userAgent_ = std::move(agent); }
    void SetConnectTimeout(int ms) { connectTimeoutMs_ = ms; }
    void SetReceiveTimeout(int ms) { receiveTimeoutMs_ = ms; }
    void SetSendTimeout(int ms) { sendTimeoutMs_ = ms; }
    void SetReferer(std::string referer) { referer_ = std::move(referer); }
    void SetServerCredentials(bool enabled, std::string user, std::string password);
    void SetProxy(ProxyType type, std::string host, std::uint16_t port);
    void SetProxyCredentials(bool enabled, std::string user, std::string password);
    // Mode 0 never retries, 1 retries up to `maxRetries` times (0 means 10), 2 always.
    void SetRetry(RetryMode mode, int delayMs, int maxRetries);
    // Notices go to `notify` only when `enable` is true and it is callable; otherwise off.
    void SetNotify(DownloadNotify notify, bool enable);

    const std::string& UserAgent() const { return userAgent_; }
    int ConnectTimeout() const { return connectTimeoutMs_; }
    int ReceiveTimeout() const { return receiveTimeoutMs_; }
    int SendTimeout() const { return sendTimeoutMs_; }
    const std::string& Referer() const { return referer_; }
    ProxyType GetProxyType() const { return proxyType_; }
    RetryMode GetRetryMode() const { return retryMode_; }
    int RetryDelay() const { return retryDelayMs_; }
    int MaxRetries() const { return maxRetries_; }
    bool NotifyEnabled() const { return static_cast<bool>(notify_); }

    // Downloads `url` to `localPath`; `force` downloads even a current file and starts
    // afresh instead of resuming.
    DownloadResult Download(const std::string& url, const std::string& localPath, bool force);

    // May be called from any thread; the download stops at its next step.
    void Stop() { stop_ = true; }
    bool StopRequested() const { return stop_; }

    // Transfers of the last Download that broke during the body and were resumed.
    int BrokenTransfers() const { return brokenTransfers_; }

private:
    enum class RequestResult { kOk = 0, kRetry = 1, kStopped = 2, kFailed = 3 };
    enum class BodyResult { kComplete, kStopped, kBroken, kBrokenEmpty, kWriteFailed };

    DownloadResult Run(const std::string& url, const std::string& localPath);
    RequestResult Request(const char* method);
    // Accepts a body answer to a request that asked for `ranged` from `partSize` on; false
    // when the part had to be dropped and the whole file is to be asked for.
    bool AcceptBody(const ResponseHead& head, bool ranged, std::int64_t partSize);
    void ReadPartValidator();
    bool StartPartAfresh(class DownloadFile& file);
    // Drops a part the server's answer does not continue; false on the second time.
    bool DiscardPart(const std::string& why);
    RequestResult ConnectByProxyType();
    RequestResult ReadHeader();
    // Nothing to try again, or the result Download gives.
    std::optional<DownloadResult> RetryAfterFailure();
    bool LocalFileIsCurrent() const;
    bool PauseUnlessStopped(int ms);
    BodyResult ReceiveBody(class DownloadFile& file);
    DownloadResult Finish();
    void Notify(NoticeKind kind, std::int64_t total, std::int64_t done, const std::string& name);
    std::int64_t TemporaryFileSize() const;
    RequestResult Problem(RequestResult result, std::string why);
    void LogWarning(const std::string& message) const;

    // Settings.
    std::string userAgent_ = "HttpDownload/2.0";
    int connectTimeoutMs_ = 10000;
    int receiveTimeoutMs_ = 10000;
    int sendTimeoutMs_ = 10000;
    std::string referer_;
    ProxyCredentials serverCredentials_;
    ProxyType proxyType_ = ProxyType::kNone;
    std::string proxyHost_;
    std::uint16_t proxyPort_ = 0;
    ProxyCredentials proxyCredentials_;
    RetryMode retryMode_ = RetryMode::kNever;
    int retryDelayMs_ = 0;
    int maxRetries_ = 0;
    DownloadNotify notify_;
    DownloadNotice notice_;
    std::atomic<bool> stop_{false};

    // The download under way.
    std::string url_;
    HttpUrl target_;
    std::string localPath_;
    std::string temporaryPath_;
    std::string displayName_;
    bool force_ = false;
    bool resume_ = false;
    std::int64_t total_ = 0;
    std::int64_t done_ = 0;
    std::int64_t contentLength_ = 0;
    std::int64_t received_ = 0;
    std::time_t lastModified_ = 0;
    std::string header_;
    Socket socket_;
    BufferedReader reader_{socket_};
    int retryCount_ = 0;
    int brokenTransfers_ = 0;
    // The validator of the file the part holds; the part's bytes belong to it only when
    // `partTrusted_` (read from the file beside the part, or written by this download).
    PartValidator partValidator_;
    bool partTrusted_ = false;
    PartValidator answerValidator_;  // of the last body answer
    int rangeMismatches_ = 0;
    std::string problem_;  // why the last step failed, for the log
};

}  // namespace net
