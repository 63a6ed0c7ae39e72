#pragma once
// Pieces for scripting HTTP answers on a ScriptServer.
#include <cstdint>
#include <ctime>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

#include "common/net/http_download.h"
#include "common/net/part_validator.h"
#include "common/net/support/script_server.h"

namespace net {
// Results and notice kinds by name and number in test failures.
void PrintTo(DownloadResult result, std::ostream* out);
void PrintTo(NoticeKind kind, std::ostream* out);
}  // namespace net

namespace nettest {

// The Last-Modified FileServing sends unless told otherwise.
extern const std::string kServedLastModified;

// Leaves `bytes` as the part file of `localPath` with `validator` beside it, as an earlier
// download that broke off does.
void PlantPart(const std::string& localPath, const std::string& bytes,
               const net::PartValidator& validator = {"", kServedLastModified});


// "HTTP/1.1 <status line>\r\n" + each header + "\r\n" + empty line + body.
std::string Response(const std::string& statusLine, const std::vector<std::string>& headers,
                     const std::string& body = "");

// The N of "Range: bytes=N-" in a request, if it has one.
std::optional<std::int64_t> RangeStart(const std::string& request);
// The value of a request's header line `name` (as "If-Range"), if it has one.
std::optional<std::string> HeaderValue(const std::string& request, const std::string& name);

// Lower-case hex SHA-256 of the bytes.
std::string Sha256(const std::string& bytes);

// A calendar time from local-time fields, as the engine reads HTTP dates.
std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second);

// Compares downloaded bytes with the expected ones; a failure tells sizes and the first
// differing offset instead of printing megabytes.
::testing::AssertionResult SameBytes(const std::string& actual, const std::string& expected);

// Serves one file with ranges, the way a plain static server does, with knobs for faults.
struct FileServing {
    std::string data;
    std::string lastModified = kServedLastModified;  // sent when not empty
    std::string etag{};                // sent when not empty
    bool rangesAnsweredWhole = false;  // answer a range with 200 and the whole file
    // A range is answered only while If-Range (when sent) names this file, as it should be.
    bool ignoreIfRange = false;
    // Body bytes to send on connection i before cutting it (no entry: send all).
    std::function<std::optional<std::size_t>(int connection)> cutAfter{};
};
void ServeFile(const FileServing& serving, ScriptConnection& connection, int index);

}  // namespace nettest
