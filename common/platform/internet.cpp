#include "common/platform/internet.h"

#include <curl/curl.h>

#include <mutex>

#include "common/platform/cancellation.h"
#include "common/platform/log.h"

namespace platform {
namespace {

void EnsureCurlInitialised() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t AppendToString(char* data, size_t size, size_t count, void* userData) {
    static_cast<std::string*>(userData)->append(data, size * count);
    return size * count;
}

struct CurlHandle {
    CURL* curl;
    CurlHandle() : curl((EnsureCurlInitialised(), curl_easy_init())) {}
    ~CurlHandle() {
        if (curl) curl_easy_cleanup(curl);
    }
    CurlHandle(const CurlHandle&) = delete;
    CurlHandle& operator=(const CurlHandle&) = delete;
};

// Called by libcurl at least once a second while a request runs; a non-zero answer ends it.
int AbortWhenCancelled(void*, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return CancellationRequested() ? 1 : 0;
}

void ApplyCommonOptions(CURL* curl) {
    const InternetTimeouts& t = DefaultInternetTimeouts();
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, t.connectMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, t.totalMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, AbortWhenCancelled);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
}

// Runs the prepared request and sorts out how it went. `httpErrors` tells whether a
// status of 400 or more is a failure (a page fetch) or still an answer (a probe).
FetchResult Perform(CURL* curl, bool httpErrors) {
    char error[CURL_ERROR_SIZE] = "";
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
    FetchResult result;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.httpStatus);
    switch (code) {
        case CURLE_OK:
            result.outcome = httpErrors && result.httpStatus >= 400 ? FetchOutcome::HttpError
                                                                     : FetchOutcome::Ok;
            return result;
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_RESOLVE_PROXY:
        case CURLE_COULDNT_CONNECT:
            result.outcome = FetchOutcome::ConnectFailed;
            break;
        case CURLE_OPERATION_TIMEDOUT:
            result.outcome = FetchOutcome::TimedOut;
            break;
        case CURLE_ABORTED_BY_CALLBACK:
            result.outcome = FetchOutcome::Cancelled;
            break;
        default:
            result.outcome = FetchOutcome::TransferFailed;
            break;
    }
    result.error = error[0] != '\0' ? error : curl_easy_strerror(code);
    return result;
}

// Body to text lines, each ended by CR LF, the way a line-by-line text read sees it.
std::string ToCrLfLines(std::string_view body) {
    std::string out;
    out.reserve(body.size() + body.size() / 16 + 2);
    size_t pos = 0;
    while (pos < body.size()) {
        size_t lf = body.find('\n', pos);
        size_t end = lf == std::string_view::npos ? body.size() : lf;
        size_t lineEnd = end;
        if (lineEnd > pos && body[lineEnd - 1] == '\r') --lineEnd;
        out.append(body.substr(pos, lineEnd - pos));
        out.append("\r\n");
        pos = lf == std::string_view::npos ? body.size() : lf + 1;
    }
    return out;
}

}  // namespace

InternetTimeouts& DefaultInternetTimeouts() {
    static InternetTimeouts timeouts;
    return timeouts;
}

std::string FetchResult::Reason() const {
    switch (outcome) {
        case FetchOutcome::Ok: return "ok";
        case FetchOutcome::HttpError: return "HTTP status " + std::to_string(httpStatus);
        case FetchOutcome::ConnectFailed: return "connection failed (" + error + ")";
        case FetchOutcome::TimedOut: return "timed out (" + error + ")";
        case FetchOutcome::TransferFailed: return "transfer failed (" + error + ")";
        case FetchOutcome::Cancelled: return "cancelled";
    }
    return "unknown";
}

FetchResult FetchUrlAsText(const std::string& url, std::string& out) {
    CurlHandle h;
    if (!h.curl) return FetchResult{FetchOutcome::TransferFailed, 0, "no libcurl handle"};
    std::string body;
    ApplyCommonOptions(h.curl);
    curl_easy_setopt(h.curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h.curl, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(h.curl, CURLOPT_WRITEDATA, &body);
    FetchResult result = Perform(h.curl, /*httpErrors=*/true);
    if (result.Ok()) out = ToCrLfLines(body);
    return result;
}

bool OpenUrlAsText(const std::string& url, std::string& out) {
    return FetchUrlAsText(url, out).Ok();
}

PostResult PostHttp(std::string_view host, std::string_view path, std::string_view headers,
                    std::string_view userAgent, std::string_view body) {
    PostResult result;
    CurlHandle h;
    if (!h.curl) return result;
    std::string url = "http://" + std::string(host);
    if (path.empty() || path.front() != '/') url.push_back('/');
    url.append(path);
    ApplyCommonOptions(h.curl);
    curl_easy_setopt(h.curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(h.curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h.curl, CURLOPT_POST, 1L);
    curl_easy_setopt(h.curl, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(h.curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    std::string agent(userAgent);
    curl_easy_setopt(h.curl, CURLOPT_USERAGENT, agent.c_str());
    curl_slist* list = nullptr;
    size_t pos = 0;
    while (pos < headers.size()) {
        size_t end = headers.find("\r\n", pos);
        if (end == std::string_view::npos) end = headers.size();
        std::string line(headers.substr(pos, end - pos));
        if (!line.empty()) list = curl_slist_append(list, line.c_str());
        pos = end + 2;
    }
    // An empty "Expect:" keeps libcurl from waiting for a 100-continue.
    list = curl_slist_append(list, "Expect:");
    curl_easy_setopt(h.curl, CURLOPT_HTTPHEADER, list);
    curl_easy_setopt(h.curl, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(h.curl, CURLOPT_WRITEDATA, &result.body);
    CURLcode rc = curl_easy_perform(h.curl);
    curl_slist_free_all(list);
    curl_easy_getinfo(h.curl, CURLINFO_RESPONSE_CODE, &result.status);
    result.transferred = rc == CURLE_OK && result.status != 0;
    return result;
}

FetchResult ProbeUrl(const std::string& url) {
    CurlHandle h;
    if (!h.curl) return FetchResult{FetchOutcome::TransferFailed, 0, "no libcurl handle"};
    ApplyCommonOptions(h.curl);
    curl_easy_setopt(h.curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h.curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(h.curl, CURLOPT_FOLLOWLOCATION, 0L);
    FetchResult result = Perform(h.curl, /*httpErrors=*/false);
    if (result.Ok() && result.httpStatus <= 0) {
        result.outcome = FetchOutcome::TransferFailed;
        result.error = "no HTTP answer";
    }
    return result;
}

bool CheckConnection(const std::string& url) { return ProbeUrl(url).Ok(); }

void LogFetchFailure(std::string_view address, const FetchResult& result) {
    if (result.Ok()) return;
    const LogLevel level =
        result.outcome == FetchOutcome::Cancelled ? LogLevel::Debug : LogLevel::Warning;
    std::string message(address);
    message.append(": ").append(result.Reason());
    Log(level, "quorvel.net", message);
}

}  // namespace platform
