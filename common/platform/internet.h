#pragma once
// The client's plain web requests (page fetch as text, form post, connectivity check),
// on libcurl. Every call is blocking, with connect and total time-outs so that a dead
// server never holds a window for long. Honours the usual proxy environment variables.
// A request made under a ScopedCancellation (cancellation.h) ends early, as Cancelled,
// once its flag is set.
#include <string>
#include <string_view>

namespace platform {

struct InternetTimeouts {
    long connectMs = 5000;
    long totalMs = 20000;
};

// Time-outs used by every call below; tests shorten them.
InternetTimeouts& DefaultInternetTimeouts();

enum class FetchOutcome {
    Ok,              // an answer came back (for a page fetch: with a status below 400)
    ConnectFailed,   // the host could not be resolved or refused the connection
    TimedOut,        // no connection, or no complete answer, within the time-outs
    HttpError,       // the server answered with a status of 400 or more
    TransferFailed,  // the connection broke or the answer was not HTTP
    Cancelled,       // the thread's cancellation flag was set
};

// How one request went, with what a developer needs to see why it failed.
struct FetchResult {
    FetchOutcome outcome = FetchOutcome::TransferFailed;
    long httpStatus = 0;  // the answer's status code, 0 when none came back
    std::string error;    // libcurl's description of a transport failure

    bool Ok() const { return outcome == FetchOutcome::Ok; }
    bool NotFound() const { return outcome == FetchOutcome::HttpError && httpStatus == 404; }
    // "HTTP status 404", "connection failed (Could not connect to server)", "timed out (...)".
    std::string Reason() const;
};

// Fetches `url` and reads the body as text line by line: each line (without its LF, and
// without a CR before it) is appended followed by CR LF. Anything but Ok (a failed
// connection, a transfer error, an HTTP status of 400 or more) leaves `out` unchanged.
FetchResult FetchUrlAsText(const std::string& url, std::string& out);
// The same, true exactly when the fetch was Ok.
bool OpenUrlAsText(const std::string& url, std::string& out);

struct PostResult {
    bool transferred = false;  // the request was sent and a status line came back
    long status = 0;
    std::string body;
};

// POSTs `body` to http://host[:port]/path with the given extra header lines (CR LF
// separated) and user agent. The host may name a port ("example.com:8080"); else 80.
PostResult PostHttp(std::string_view host, std::string_view path, std::string_view headers,
                    std::string_view userAgent, std::string_view body);

// Whether a connection to the host of `url` can be made now (HEAD request): any HTTP
// answer, whatever its status, is Ok.
FetchResult ProbeUrl(const std::string& url);
// True when ProbeUrl is Ok.
bool CheckConnection(const std::string& url);

// Logs a failed request at Warning under "quorvel.net": what was asked (`address`, which
// the caller chooses so that no secret in a query reaches the log) and why it failed. A
// cancelled request is logged at Debug only; an Ok one not at all.
void LogFetchFailure(std::string_view address, const FetchResult& result);

}  // namespace platform
