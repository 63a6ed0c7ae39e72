// Connectivity check and form post.
#include "client/core/client_util.h"
#include "common/platform/internet.h"

namespace {

constexpr const char* kFormHeaders =
    "Accept:text*/*\r\nContent-Type:application/x-www-form-urlencoded";
constexpr const char* kAgentName = "session";

}  // namespace

bool CClientUtil::IsOnline(const std::string& url) const {
    const platform::FetchResult probe = platform::ProbeUrl(url);
    platform::LogFetchFailure(url, probe);
    return probe.Ok();
}

std::string CClientUtil::PostForm(const std::string& host, const std::string& path,
                                  const std::string& body) const {
    bool reached = false;
    return PostForm(host, path, body, reached);
}

std::string CClientUtil::PostForm(const std::string& host, const std::string& path,
                                  const std::string& body, bool& reached) const {
    platform::PostResult result = platform::PostHttp(host, path, kFormHeaders, kAgentName, body);
    // A transfer cut short is a failure even when a status line had arrived.
    reached = result.transferred;
    if (!result.transferred || result.status != 200) return "";
    return result.body.empty() ? "ok" : result.body;
}
