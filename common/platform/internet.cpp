#include "common/platform/internet.h"

#include <curl/curl.h>

#include <mutex>

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

void ApplyCommonOptions(CURL* curl) {
    const InternetTimeouts& t = DefaultInternetTimeouts();
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, t.connectMs);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, t.totalMs);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 10L);
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

bool OpenUrlAsText(const std::string& url, std::string& out) {
    CurlHandle h;
    if (!h.curl) return false;
    std::string body;
    ApplyCommonOptions(h.curl);
    curl_easy_setopt(h.curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h.curl, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(h.curl, CURLOPT_WRITEDATA, &body);
    if (curl_easy_perform(h.curl) != CURLE_OK) return false;
    long status = 0;
    curl_easy_getinfo(h.curl, CURLINFO_RESPONSE_CODE, &status);
    if (status >= 400) return false;
    out = ToCrLfLines(body);
    return true;
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

bool CheckConnection(const std::string& url) {
    CurlHandle h;
    if (!h.curl) return false;
    ApplyCommonOptions(h.curl);
    curl_easy_setopt(h.curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h.curl, CURLOPT_NOBODY, 1L);
    curl_easy_setopt(h.curl, CURLOPT_FOLLOWLOCATION, 0L);
    if (curl_easy_perform(h.curl) != CURLE_OK) return false;
    long status = 0;
    curl_easy_getinfo(h.curl, CURLINFO_RESPONSE_CODE, &status);
    return status > 0;
}

}  // namespace platform
